#include "playlist/SongFile.h"

#include <QFile>

#include "common/NativePath.h"

namespace {

constexpr qint64 tagSize = 128;
constexpr qsizetype titleOffset = 3;
constexpr qsizetype artistOffset = 33;
constexpr qsizetype fieldLength = 30;

// A tag field ends at its first zero byte or at its end; each byte is the Latin-1 character.
QString tagField(const QByteArray& tag, qsizetype offset) {
    const QByteArray field = tag.mid(offset, fieldLength);
    const qsizetype zero = field.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? field : field.left(zero));
}

}  // namespace

QString SongFile::lastName(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

PathKind SongFile::kindOf(const QString& path) {
    if (path.isEmpty()) {
        return PathKind::Empty;
    }
    const QString name = lastName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) {
        return PathKind::Folder;
    }
    const QString extension = name.mid(dot).toLower();
    if (extension == ".mp3") {
        return PathKind::Mp3;
    }
    // ".s3m" is how Scream Tracker 3 modules are actually named; ".s3d" is kept beside it.
    static const QStringList soundExtensions = {".wav", ".ogg", ".flac", ".mod", ".it",
                                                ".s3d", ".s3m", ".xm",   ".opus"};
    if (soundExtensions.contains(extension)) {
        return PathKind::Sound;
    }
    if (extension == ".vps") {
        return PathKind::SkinPackage;
    }
    return PathKind::Other;
}

SongInfo SongFile::withDefaults(const QString& path) {
    const QString name = lastName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return {path, "N/A", dot < 0 ? name : name.left(dot)};
}

SongInfo SongFile::fromTag(const QString& path) {
    // Only plain files: opening a named pipe would wait for a writer that never comes.
    QFile file;
    if (!NativePath::openRegularFile(path, file) || file.size() < tagSize ||
        !file.seek(file.size() - tagSize)) {
        return withDefaults(path);
    }
    const QByteArray tag = file.read(tagSize);
    if (tag.size() != tagSize || !tag.startsWith("TAG")) {
        return withDefaults(path);
    }
    const QString title = tagField(tag, titleOffset);
    const QString artist = tagField(tag, artistOffset);
    if (title.isEmpty() && artist.isEmpty()) {
        return withDefaults(path);
    }
    return {path, artist, title};
}
