#pragma once

#include <QByteArray>
#include <atomic>

class QIODevice;

// The lines of a playlist file, read as a stream in pieces, so a file of any size is never held
// whole: memory stays at one piece plus one line however long the file or its lines are.
// A line longer than a path can be, or one holding a zero byte, is read over and reported as
// skipped; it is never kept.
class PlaylistLines {
public:
    // Longer lines cannot name a file: the system refuses longer paths.
    static constexpr qsizetype maxLineLength = 4095;

    enum class Status { Line, Skipped, End, Stopped };

    // stop is looked at before every piece, so a read of any size ends soon after it is set.
    PlaylistLines(QIODevice& file, const std::atomic<bool>& stop);

    // The next line without its line end ("\n" or "\r\n").
    Status next(QByteArray& line);

private:
    Status finish(qsizetype lineEnd, qsizetype nextStart, QByteArray& line);
    bool fill();

    QIODevice& in;
    const std::atomic<bool>& stop;
    QByteArray buffer;
    qsizetype start = 0;    // where the unread part of the buffer begins
    bool overlong = false;  // the line being read has outgrown maxLineLength
    bool atEnd = false;
};
