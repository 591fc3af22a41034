#include "playlist/PlaylistFile.h"

#include <QFile>
#include <string>

#include "common/DebugLog.h"
#include "common/NativePath.h"
#include "common/StoredText.h"

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
    const qsizetype firstLineEnd = contents.indexOf('\n');
    const QByteArray firstLine = firstLineEnd < 0 ? contents : contents.left(firstLineEnd + 1);
    if (!isHeader(withoutLineEnd(firstLine))) {
        return false;
    }
    if (firstLineEnd < 0) {
        return true;
    }
    for (const QString& line : StoredText::splitLines(contents.mid(firstLineEnd + 1))) {
        if (!line.isEmpty() && !line.startsWith(u'#')) {
            paths.append(line);
        }
    }
    return true;
}

bool PlaylistFile::read(const QString& path, QStringList& paths) {
    // Only plain files: opening a named pipe would wait for a writer that never comes.
    QFile file;
    if (!NativePath::openRegularFile(path, file)) {
        return false;
    }
    const QByteArray probe = file.readLine(headerProbeLength);
    if (!isHeader(withoutLineEnd(probe))) {
        return false;
    }
    return parse(probe + file.readAll(), paths);
}
