#include "playlist/PlaylistFile.h"

#include <QBuffer>
#include <QFile>
#include <string>

#include "common/DebugLog.h"
#include "common/NativePath.h"
#include "common/StoredText.h"
#include "playlist/PlaylistLines.h"

namespace {

const QByteArray vplHeader = "#vpl-List";
const QByteArray m3uHeader = "#EXTM3U";
// Longer than either header with its line end: enough to tell a playlist from any other file.
constexpr qint64 headerProbeLength = 16;

QByteArray withoutLineEnd(QByteArray line) {
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return line;
}

bool isHeader(const QByteArray& firstLine) {
    return firstLine == vplHeader || firstLine == m3uHeader;
}

// The path on one line of the debug stream: line breaks and bytes that are not UTF-8 escaped.
std::string printable(const QString& path) {
    std::string text;
    for (const char c : NativePath::toNative(path).toStdString()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else if (byte < 0x20 || c == '\\') {
            text += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0').toStdString();
        } else {
            text += c;
        }
    }
    return text;
}

// Only the first line of a file that is no playlist is read, and only so far.
bool readPaths(QIODevice& file, const PlaylistFile::PathSink& sink, const std::atomic<bool>& stop) {
    const QByteArray probe = file.readLine(headerProbeLength);
    if (!isHeader(withoutLineEnd(probe))) {
        return false;
    }
    PlaylistLines lines(file, stop);
    QByteArray line;
    for (;;) {
        switch (lines.next(line)) {
            case PlaylistLines::Status::Line:
                if (!line.isEmpty() && !line.startsWith('#')) {
                    sink(StoredText::decode(line));
                }
                break;
            case PlaylistLines::Status::Skipped:
                break;
            case PlaylistLines::Status::End:
            case PlaylistLines::Status::Stopped:
                return true;
        }
    }
}

}  // namespace

bool PlaylistFile::canHold(const QString& path) {
    return !path.isEmpty() && !path.contains(u'\n') && !path.contains(u'\r') &&
           !path.startsWith(u'#') && StoredText::decode(StoredText::encode(path)) == path;
}

QByteArray PlaylistFile::format(const std::vector<SongInfo>& songs) {
    QByteArray contents = vplHeader;
    for (const SongInfo& song : songs) {
        if (!canHold(song.path)) {
            DebugLog::write("left out of the playlist file, its name cannot be stored there: " +
                            printable(song.path) + "\n");
            continue;
        }
        contents += "\r\n";
        contents += StoredText::encode(song.path);
    }
    return contents;
}

bool PlaylistFile::write(const QString& path, const std::vector<SongInfo>& songs) {
    return StoredText::writeFile(path, format(songs));
}

bool PlaylistFile::parse(const QByteArray& contents, QStringList& paths) {
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    const std::atomic<bool> never = false;
    return readPaths(
        buffer, [&](const QString& path) { paths.append(path); }, never);
}

bool PlaylistFile::read(const QString& path, QStringList& paths) {
    const std::atomic<bool> never = false;
    return read(
        path, [&](const QString& entry) { paths.append(entry); }, never);
}

bool PlaylistFile::read(const QString& path, const PathSink& sink, const std::atomic<bool>& stop) {
    // Only plain files: opening a named pipe would wait for a writer that never comes.
    QFile file;
    if (!NativePath::openRegularFile(path, file)) {
        return false;
    }
    return readPaths(file, sink, stop);
}
