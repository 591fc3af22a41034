#include "playlist/SongFile.h"

#include <QStringList>

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
    return withTags(withDefaults(path), TagReader::read(path));
}

SongInfo SongFile::withTags(SongInfo song, const SongTags& tags) {
    if (tags.title) {
        song.title = *tags.title;
    }
    if (tags.artist) {
        song.artist = *tags.artist;
    }
    return song;
}
