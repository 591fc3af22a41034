#pragma once

#include <QString>
#include <vector>

#include "common/PlayerFiles.h"

// The "Player" submenu at the end of the skin menu: which ReplayGain scales the songs, and
// whether the player resumes the song where it was at the last exit.
class PlayerMenu {
public:
    static constexpr const char* title = "Player";
    static constexpr int replayGainTrackId = 20;
    static constexpr int replayGainAlbumId = 21;
    static constexpr int replayGainOffId = 22;
    static constexpr int resumeId = 23;

    struct Entry {
        QString title;
        int id;
        bool checked;
    };
    static std::vector<Entry> entries(const PlayerFiles::PlayerChoices& choices);
    static bool owns(int id) { return id >= replayGainTrackId && id <= resumeId; }
    // The choices after the entry was chosen.
    static PlayerFiles::PlayerChoices chosen(PlayerFiles::PlayerChoices choices, int id);
};
