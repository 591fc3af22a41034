#include "common/SaveReport.h"

#include <gtest/gtest.h>

#include "support/ScriptedPrompts.h"

// Inside a report every failed file is told once, at the end, in one box; outside one, each
// failed file shows its own box.
TEST(SaveReport, TellsOnceOfEveryFileNotSavedAndOnlyWhenOneFailed) {
    ScriptedPrompts prompts;
    SaveReport().tell();
    {
        SaveReport report;
        SaveReport::failed("/data/windows", "windows");
        SaveReport::failed("/data/sfw.0", "sfw");
        SaveReport::failed("/data/sfw.1", "sfw");
        report.add("/data/playlist.vpl", "playlist.vpl");
        EXPECT_TRUE(prompts.shown.empty()) << "nothing is shown before the end";
        report.tell();
    }
    SaveReport::failed("/data/sfo.2", "sfo.2");
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "/data/windows\n/data/sfw.0\n/data/sfw.1\n/data/playlist.vpl");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR - Failed to save (windows, sfw, playlist.vpl)");
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompts.shown[1].text, "/data/sfo.2");
    EXPECT_EQ(prompts.shown[1].caption, "ERROR - Failed to save (sfo.2)");
}
