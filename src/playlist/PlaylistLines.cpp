#include "playlist/PlaylistLines.h"

#include <QIODevice>

namespace {

constexpr qsizetype pieceSize = 64 * 1024;

}  // namespace

PlaylistLines::PlaylistLines(QIODevice& file, const std::atomic<bool>& stopFlag)
    : in(file), stop(stopFlag) {}

PlaylistLines::Status PlaylistLines::next(QByteArray& line) {
    for (;;) {
        const qsizetype end = buffer.indexOf('\n', start);
        if (end >= 0) {
            return finish(end, end + 1, line);
        }
        if (buffer.size() - start > maxLineLength + 1) {
            // Keep nothing of a line that can be no path; only its end is looked for.
            overlong = true;
            buffer.clear();
            start = 0;
        }
        if (atEnd) {
            if (start >= buffer.size() && !overlong) {
                return Status::End;
            }
            return finish(buffer.size(), buffer.size(), line);
        }
        if (stop) {
            return Status::Stopped;
        }
        atEnd = !fill();
    }
}

PlaylistLines::Status PlaylistLines::finish(qsizetype lineEnd, qsizetype nextStart,
                                            QByteArray& line) {
    if (lineEnd > start && buffer[lineEnd - 1] == '\r') {
        --lineEnd;
    }
    line = buffer.mid(start, lineEnd - start);
    start = nextStart;
    const bool skipped = overlong || line.size() > maxLineLength || line.contains('\0');
    overlong = false;
    if (skipped) {
        line.clear();
        return Status::Skipped;
    }
    return Status::Line;
}

bool PlaylistLines::fill() {
    buffer.remove(0, start);
    start = 0;
    const qsizetype kept = buffer.size();
    buffer.resize(kept + pieceSize);
    const qint64 got = in.read(buffer.data() + kept, pieceSize);
    buffer.resize(kept + std::max<qint64>(got, 0));
    return got > 0;
}
