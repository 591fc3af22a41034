#include <gtest/gtest.h>

#include <QDir>

#include "PlaylistTestFiles.h"
#include "playlist/CommandLineTokenizer.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/StartFiles.h"

namespace {

TEST(CommandLineTokenizer, SplitsTheNamesAfterTheProgramPath) {
    const struct {
        const char* line;
        bool given;
        QStringList names;
    } cases[] = {
        {"", false, {}},
        {"vp.exe", false, {}},
        {"vp.exe    ", false, {}},
        {"\"C:\\Program Files\\vp.exe\"  ", false, {}},
        {"vp.exe a.mp3 b.mp3", true, {"a.mp3", "b.mp3"}},
        {"\"C:\\Program Files\\vp.exe\" a.mp3", true, {"a.mp3"}},
        {"vp.exe \"D:\\My Music\\a b.mp3\" c.mp3", true, {"D:\\My Music\\a b.mp3", "c.mp3"}},
        {"vp.exe x.mp3 \"y z.mp3\"", true, {"x.mp3", "y z.mp3"}},
        {"vp.exe a.mp3  b.mp3   ", true, {"a.mp3", "b.mp3"}},
        {"vp.exe \"\"", true, {}},
        // An unclosed quote gives the whole name and then its pieces.
        {"vp.exe \"D:\\My Music\\a b.mp3",
         true,
         {"D:\\My Music\\a b.mp3", "D:\\My", "Music\\a", "b.mp3"}},
        {"vp.exe \"last.mp3", true, {"last.mp3"}},
    };
    for (const auto& c : cases) {
        const auto arguments = CommandLineTokenizer::split(c.line);
        EXPECT_EQ(arguments.given, c.given) << c.line;
        EXPECT_EQ(arguments.names, c.names) << c.line;
    }
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
