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

// "#EXTINF:seconds,Artist - Title": the text after the first comma, split at its first " - ";
// without one it is the title alone.
SongTags extendedInformation(const QString& line) {
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        return {};
    }
    const QString shown = line.mid(comma + 1).trimmed();
    const qsizetype dash = shown.indexOf(QLatin1String(" - "));
    SongTags tags;
    const QString title = dash < 0 ? shown : shown.mid(dash + 3).trimmed();
    const QString artist = dash < 0 ? QString() : shown.left(dash).trimmed();
    if (!title.isEmpty()) {
        tags.title = title;
    }
    if (!artist.isEmpty()) {
        tags.artist = artist;
    }
    return tags;
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

bool PlaylistFile::parse(const QByteArray& contents, QStringList& paths,
                         std::vector<SongTags>* information) {
    const qsizetype firstLineEnd = contents.indexOf('\n');
    const QByteArray firstLine = firstLineEnd < 0 ? contents : contents.left(firstLineEnd + 1);
    if (!isHeader(withoutLineEnd(firstLine))) {
        return false;
    }
    if (firstLineEnd < 0) {
        return true;
    }
    const bool m3u = withoutLineEnd(firstLine) == m3uHeader;
    SongTags next;
    for (const QString& line : StoredText::splitLines(contents.mid(firstLineEnd + 1))) {
        if (m3u && line.startsWith(QLatin1String("#EXTINF:"))) {
            next = extendedInformation(line);
        } else if (!line.isEmpty() && !line.startsWith(u'#')) {
            paths.append(line);
            if (information) {
                information->push_back(next);
            }
            next = {};
        }
    }
    return true;
}

bool PlaylistFile::read(const QString& path, QStringList& paths,
                        std::vector<SongTags>* information) {
    // Only plain files: opening a named pipe would wait for a writer that never comes.
    QFile file;
    if (!NativePath::openRegularFile(path, file)) {
        return false;
    }
    const QByteArray probe = file.readLine(headerProbeLength);
    if (!isHeader(withoutLineEnd(probe))) {
        return false;
    }
    return parse(probe + file.readAll(), paths, information);
}
