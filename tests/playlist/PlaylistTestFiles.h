#pragma once
#include <QTemporaryDir>
#include <ostream>
#include "playlist/PlayList.h"
#include "support/Files.h"

// A temporary folder to make songs, folders and playlists in; each call gives the full path.
struct TestFolder {
    QString write(const QString& name, const QByteArray& contents = {}) const {
        writeFile(path(name), contents);
        return path(name);
    }
    QString mkdir(const QString& name) const {
        QDir().mkpath(path(name));
        return path(name);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// An MP3 body followed by an ID3 version 1 tag with the two fields (each cut to 30 bytes).
inline QByteArray mp3WithTag(const QByteArray& title, const QByteArray& artist) {
    const QByteArray tag =
        "TAG" + title.left(30).leftJustified(30, '\0') + artist.left(30).leftJustified(30, '\0');
    return QByteArray(300, '\x55') + tag.leftJustified(128, '\0');
}

// Failures show texts as such.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Names each case of a table after its `name`.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

inline QStringList pathsOf(const PlayList& playlist) {
    QStringList paths;
    for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
        paths.append(song.path);
    }
    return paths;
}
