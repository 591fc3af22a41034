#include <gtest/gtest.h>

#include "common/SaveReport.h"
#include "support/ScriptedPrompts.h"

TEST(SaveReport, TellsOnceOfEveryFileNotSavedAndOnlyWhenOneFailed) {
    ScriptedPrompts prompts;
    {
        SaveReport nothingFailed;
        nothingFailed.tell();
    }
    EXPECT_TRUE(prompts.shown.empty());

    SaveReport report;
    SaveReport::failed("/data/windows", "windows");
    SaveReport::failed("/data/sfw.0", "sfw");
    SaveReport::failed("/data/sfw.1", "sfw");
    report.add("/data/playlist.vpl", "playlist.vpl");
    EXPECT_TRUE(prompts.shown.empty()) << "nothing is shown before the end";
    report.tell();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "/data/windows\n/data/sfw.0\n/data/sfw.1\n/data/playlist.vpl");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR - Failed to save (windows, sfw, playlist.vpl)");
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
}

TEST(SaveReport, AFailedSaveOutsideAReportShowsTheFilesOwnBox) {
    ScriptedPrompts prompts;
    { SaveReport closed; }
    SaveReport::failed("/data/sfo.2", "sfo.2");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "/data/sfo.2");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR - Failed to save (sfo.2)");
}
