// The skin menu's Player submenu shows the choices of the skin context, and each entry gives
// the choices it stands for.
#include <gtest/gtest.h>

#include "skin_ui/MainWindow.h"
#include "skin_ui/PlayerMenu.h"
#include "skin_ui/SkinMenu.h"
#include "support/RecordingSkinHost.h"

using PlayerFiles::PlayerChoices;
using PlayerFiles::ReplayGainMode;

TEST(PlayerMenu, EachEntryChangesItsChoiceAndTheMenuShowsItChecked) {
    const struct {
        PlayerChoices before;
        int id;
        PlayerChoices after;
        QStringList checked;
    } cases[] = {
        {{ReplayGainMode::Track, true},
         PlayerMenu::replayGainAlbumId,
         {ReplayGainMode::Album, true},
         {"ReplayGain: album", "Resume where I left off"}},
        {{ReplayGainMode::Album, true},
         PlayerMenu::replayGainOffId,
         {ReplayGainMode::Off, true},
         {"ReplayGain: off", "Resume where I left off"}},
        {{ReplayGainMode::Off, false},
         PlayerMenu::replayGainTrackId,
         {ReplayGainMode::Track, false},
         {"ReplayGain: track"}},
        {{ReplayGainMode::Track, true},
         PlayerMenu::resumeId,
         {ReplayGainMode::Track, false},
         {"ReplayGain: track"}},
        {{ReplayGainMode::Album, false},
         PlayerMenu::resumeId,
         {ReplayGainMode::Album, true},
         {"ReplayGain: album", "Resume where I left off"}},
    };
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    for (const auto& c : cases) {
        const PlayerChoices after = PlayerMenu::chosen(c.before, c.id);
        EXPECT_EQ(after, c.after) << c.id;
        host.context.playerChoices = after;
        QStringList checked;
        bool inPlayer = false;
        for (const SkinMenu::Item& item : SkinMenu(&window).items()) {
            inPlayer = inPlayer || item.title == PlayerMenu::title;
            if (inPlayer && item.checked) {
                EXPECT_TRUE(PlayerMenu::owns(item.id)) << item.title.toStdString();
                checked << item.title;
            }
        }
        EXPECT_EQ(checked, c.checked) << c.id;
    }
}
