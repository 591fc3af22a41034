#include "playlist/PlaylistFile.h"

#include <QFile>
#include <QFileInfo>

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

}  // namespace

QByteArray PlaylistFile::format(const std::vector<SongInfo>& songs) {
    QByteArray contents = vplHeader;
    for (const SongInfo& song : songs) {
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
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray probe = file.readLine(headerProbeLength);
    if (!isHeader(withoutLineEnd(probe))) {
        return false;
    }
    return parse(probe + file.readAll(), paths);
}
