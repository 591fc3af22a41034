#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "playlist/PlayList.h"

// A temporary folder to make songs, folders and playlists in.
class TestFolder {
public:
    // Writes the file (and its folders) under the temporary folder; gives its full path.
    QString write(const QString& relativePath, const QByteArray& contents = {}) const {
        const QString path = dir.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(contents);
        }
        return path;
    }

    QString mkdir(const QString& relativePath) const {
        QDir().mkpath(dir.filePath(relativePath));
        return dir.filePath(relativePath);
    }

    QString path(const QString& relativePath) const { return dir.filePath(relativePath); }

    QTemporaryDir dir;
};

// An MP3 body followed by an ID3 version 1 tag with the two fields (each cut to 30 bytes).
inline QByteArray mp3WithTag(const QByteArray& title, const QByteArray& artist) {
    QByteArray tag = "TAG";
    tag += title.left(30).leftJustified(30, '\0');
    tag += artist.left(30).leftJustified(30, '\0');
    tag += QByteArray(128 - tag.size(), '\0');
    return QByteArray(300, '\x55') + tag;
}

inline QStringList pathsOf(const PlayList& playlist) {
    QStringList paths;
    for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
        paths.append(song.path);
    }
    return paths;
}
