#include <gtest/gtest.h>

#include <QDir>

#include "PlaylistTestFiles.h"
#include "playlist/CommandLineTokenizer.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/StartFiles.h"

namespace {

QStringList namesOf(const QString& commandLine) {
    return CommandLineTokenizer::split(commandLine).names;
}

TEST(CommandLineTokenizer, ABareStartHasNoArguments) {
    EXPECT_FALSE(CommandLineTokenizer::split("vp.exe").given);
    EXPECT_FALSE(CommandLineTokenizer::split("vp.exe    ").given);
    EXPECT_FALSE(CommandLineTokenizer::split("\"C:\\Program Files\\vp.exe\"").given);
    EXPECT_FALSE(CommandLineTokenizer::split("\"C:\\Program Files\\vp.exe\"  ").given);
    EXPECT_FALSE(CommandLineTokenizer::split("").given);
}

TEST(CommandLineTokenizer, NamesFollowTheProgramPathInOrder) {
    const auto arguments = CommandLineTokenizer::split("vp.exe a.mp3 b.mp3");
    EXPECT_TRUE(arguments.given);
    EXPECT_EQ(arguments.names, (QStringList{"a.mp3", "b.mp3"}));
}

TEST(CommandLineTokenizer, AQuotedProgramPathWithBlanksIsNeverAName) {
    EXPECT_EQ(namesOf("\"C:\\Program Files\\vp.exe\" a.mp3"), QStringList{"a.mp3"});
}

TEST(CommandLineTokenizer, AQuotedNameKeepsItsBlanksAndLosesItsQuotes) {
    EXPECT_EQ(namesOf("vp.exe \"D:\\My Music\\a b.mp3\""), QStringList{"D:\\My Music\\a b.mp3"});
    EXPECT_EQ(namesOf("vp.exe \"D:\\My Music\\a b.mp3\" c.mp3"),
              (QStringList{"D:\\My Music\\a b.mp3", "c.mp3"}));
    EXPECT_EQ(namesOf("vp.exe x.mp3 \"y z.mp3\""), (QStringList{"x.mp3", "y z.mp3"}));
}

TEST(CommandLineTokenizer, RunsOfBlanksGiveNoEmptyNames) {
    EXPECT_EQ(namesOf("vp.exe a.mp3  b.mp3   "), (QStringList{"a.mp3", "b.mp3"}));
    const auto onlyQuotes = CommandLineTokenizer::split("vp.exe \"\"");
    EXPECT_TRUE(onlyQuotes.given);
    EXPECT_TRUE(onlyQuotes.names.isEmpty());
}

TEST(CommandLineTokenizer, AnUnclosedQuoteGivesTheWholeNameAndThenItsPieces) {
    EXPECT_EQ(namesOf("vp.exe \"D:\\My Music\\a b.mp3"),
              (QStringList{"D:\\My Music\\a b.mp3", "D:\\My", "Music\\a", "b.mp3"}));
    EXPECT_EQ(namesOf("vp.exe \"last.mp3"), QStringList{"last.mp3"});
}

// The program's arguments at start, as the app hands them on.
class StartFilesTest : public ::testing::Test {
protected:
    TestFolder folder;
    PlayList playlist;
    OpenFiles files{playlist};
};

TEST_F(StartFilesTest, ABareStartReopensTheLastPlaylistKeepingTheIndex) {
    folder.write("data/playlist.vpl", "#vpl-List\r\n/n/a.mp3\r\n/n/b.mp3");
    playlist.setCurrentIndex(1);
    StartFiles::queue({}, true, folder.path("data"), playlist, files);
    files.waitUntilIdle();
    EXPECT_EQ(pathsOf(playlist), (QStringList{"/n/a.mp3", "/n/b.mp3"}));
    EXPECT_EQ(playlist.currentIndex(), 1u);
}

TEST_F(StartFilesTest, ABareStartWithoutTheOptionStartsEmptyAtIndexZero) {
    folder.write("data/playlist.vpl", "#vpl-List\r\n/n/a.mp3");
    playlist.setCurrentIndex(4);
    StartFiles::queue({}, false, folder.path("data"), playlist, files);
    files.waitUntilIdle();
    EXPECT_EQ(playlist.songCount(), 0u);
    EXPECT_EQ(playlist.currentIndex(), 0u);
}

TEST_F(StartFilesTest, GivenNamesAreQueuedInOrderInsteadOfTheLastPlaylist) {
    folder.write("data/playlist.vpl", "#vpl-List\r\n/n/old.mp3");
    playlist.setCurrentIndex(4);
    StartFiles::queue({"/n/a.mp3", "", "/n/b b.ogg"}, true, folder.path("data"), playlist, files);
    files.waitUntilIdle();
    EXPECT_EQ(pathsOf(playlist), (QStringList{"/n/a.mp3", "/n/b b.ogg"}));
    EXPECT_EQ(playlist.currentIndex(), 0u);
}

TEST_F(StartFilesTest, ARelativeNameIsTakenFromTheStartFolder) {
    const QString started = QDir::currentPath();
    StartFiles::queue({"b b.ogg"}, true, folder.path("data"), playlist, files);
    files.waitUntilIdle();
    EXPECT_EQ(pathsOf(playlist), (QStringList{started + "/b b.ogg"}));
}

TEST_F(StartFilesTest, AMissingLastPlaylistIsIgnored) {
    StartFiles::queue({}, true, folder.path("nowhere"), playlist, files);
    files.waitUntilIdle();
    EXPECT_EQ(playlist.songCount(), 0u);
}

}  // namespace
