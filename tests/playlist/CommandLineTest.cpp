#include <gtest/gtest.h>
#include "PlaylistTestFiles.h"
#include "playlist/CommandLineTokenizer.h"
#include "playlist/OpenFiles.h"
#include "playlist/StartFiles.h"

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

// The program's arguments at start, as the app hands them on: the names given, or else the last
// playlist (in the data folder, when the option says so) at the index kept.
TEST(StartFiles, QueueTheNamesGivenOrTheLastPlaylist) {
    const QString started = QDir::currentPath();
    const struct {
        QStringList names;
        bool openLast;
        const char* dataFolder;
        QStringList paths;
        uint32_t index;
    } cases[] = {
        {{}, true, "data", {"/n/a.mp3", "/n/b.mp3"}, 1},
        {{}, false, "data", {}, 0},
        {{"/n/a.mp3", "", "/n/b b.ogg"}, true, "data", {"/n/a.mp3", "/n/b b.ogg"}, 0},
        {{"b b.ogg"}, true, "data", {started + "/b b.ogg"}, 0},
        {{}, true, "nowhere", {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.join(',').toStdString() + (c.openLast ? " last " : " ") +
                     c.dataFolder);
        TestFolder folder;
        folder.write("data/playlist.vpl", "#vpl-List\r\n/n/a.mp3\r\n/n/b.mp3");
        PlayList playlist;
        OpenFiles files{playlist};
        playlist.setCurrentIndex(1);
        StartFiles::queue(c.names, c.openLast, folder.path(c.dataFolder), playlist, files);
        files.waitUntilIdle();
        EXPECT_EQ(pathsOf(playlist), c.paths);
        EXPECT_EQ(playlist.currentIndex(), c.index);
    }
}
