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

// Only the first line of a file that is no playlist is read, and only so far.
bool readPaths(QIODevice& file, const PlaylistFile::PathSink& sink, const std::atomic<bool>& stop) {
    const QByteArray header = withoutLineEnd(file.readLine(headerProbeLength));
    if (!isHeader(header)) {
        return false;
    }
    const bool m3u = header == m3uHeader;
    PlaylistLines lines(file, stop);
    QByteArray line;
    SongTags next;
    for (;;) {
        switch (lines.next(line)) {
            case PlaylistLines::Status::Line:
                if (m3u && line.startsWith("#EXTINF:")) {
                    next = extendedInformation(StoredText::decode(line));
                } else if (!line.isEmpty() && !line.startsWith('#')) {
                    sink(StoredText::decode(line), next);
                    next = {};
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

PlaylistFile::PathSink collector(QStringList& paths, std::vector<SongTags>* information) {
    return [&paths, information](const QString& path, const SongTags& tags) {
        paths.append(path);
        if (information) {
            information->push_back(tags);
        }
    };
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
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    const std::atomic<bool> never = false;
    return readPaths(buffer, collector(paths, information), never);
}

bool PlaylistFile::read(const QString& path, QStringList& paths,
                        std::vector<SongTags>* information) {
    const std::atomic<bool> never = false;
    return read(path, collector(paths, information), never);
}

bool PlaylistFile::read(const QString& path, const PathSink& sink, const std::atomic<bool>& stop) {
    // Only plain files: opening a named pipe would wait for a writer that never comes.
    QFile file;
    if (!NativePath::openRegularFile(path, file)) {
        return false;
    }
    return readPaths(file, sink, stop);
}
