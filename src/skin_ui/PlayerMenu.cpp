#include "skin_ui/PlayerMenu.h"

using PlayerFiles::ReplayGainMode;

std::vector<PlayerMenu::Entry> PlayerMenu::entries(const PlayerFiles::PlayerChoices& choices) {
    return {{"ReplayGain: track", replayGainTrackId, choices.replayGain == ReplayGainMode::Track},
            {"ReplayGain: album", replayGainAlbumId, choices.replayGain == ReplayGainMode::Album},
            {"ReplayGain: off", replayGainOffId, choices.replayGain == ReplayGainMode::Off},
            {"Resume where I left off", resumeId, choices.resume}};
}

PlayerFiles::PlayerChoices PlayerMenu::chosen(PlayerFiles::PlayerChoices choices, int id) {
    switch (id) {
        case replayGainTrackId:
            choices.replayGain = ReplayGainMode::Track;
            break;
        case replayGainAlbumId:
            choices.replayGain = ReplayGainMode::Album;
            break;
        case replayGainOffId:
            choices.replayGain = ReplayGainMode::Off;
            break;
        case resumeId:
            choices.resume = !choices.resume;
            break;
        default:
            break;
    }
    return choices;
}
