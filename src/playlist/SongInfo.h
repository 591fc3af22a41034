#pragma once

#include <QString>

// One song of the playlist. Artist and title come from the file's tag, or are "N/A" and the file
// name without its extension when the song was added without tag information.
struct SongInfo {
    QString path;
    QString artist;
    QString title;

    bool operator==(const SongInfo&) const = default;
};
