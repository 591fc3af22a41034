#include <gtest/gtest.h>
#include <QBuffer>
#include "PlaylistTestFiles.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistLines.h"
#include "support/DebugCapture.h"

namespace {
const QByteArray longestPath = "/" + QByteArray(PlaylistLines::maxLineLength - 1, 'p');

// An exact header, then one path a line; lines that can be no path are skipped. An "#EXTINF"
// line of an M3U file tells of the path after it (no information given: none for every path).
TEST(PlaylistFileParse, AnExactHeaderThenOnePathALine) {
    const struct {
        bool accepted;
        QByteArray contents;
        QStringList paths;
        std::vector<SongTags> information = {};
    } cases[] = {
        {true,
         "#EXTM3U\n#EXTINF:123,Artist - Title\n/m/a.mp3\n\n#EXTINF:5,x\r\n/m/b.ogg\n",
         {"/m/a.mp3", "/m/b.ogg"},
         {{"Title", "Artist"}, {"x", std::nullopt}}},
        {true, "#vpl-List\r\n/m/a.mp3\r\n", {"/m/a.mp3"}},
        {true, "#vpl-List\n/m/a.mp3\n", {"/m/a.mp3"}},
        {true, "#vpl-List", {}},
        {false, "#EXTM3U \n/m/a.mp3", {}},
        {false, "#extm3u\n/m/a.mp3", {}},
        {false, "\xEF\xBB\xBF#vpl-List\r\n/m/a.mp3", {}},
        {false, "#vpl-List \r\n/m/a.mp3", {}},
        {false, "/m/a.mp3\n#vpl-List", {}},
        {false, "", {}},
        {true, "#EXTM3U\n/a\n/" + QByteArray(5000, 'x') + "\n/b", {"/a", "/b"}},
        {true, "#vpl-List\r\n" + longestPath + "\r\n/b", {QString::fromLatin1(longestPath), "/b"}},
        {true, "#vpl-List\r\n" + longestPath + "q\r\n/b", {"/b"}},
        {true, QByteArray("#vpl-List\r\n/a\r\n/b\0c\r\n\0\r\n/d", 26), {"/a", "/d"}},
        {true, "#EXTM3U\n/a\n" + QByteArray(200000, '/'), {"/a"}},
        {true,
         "#EXTM3U\n" + QByteArray(70000, 'x') + "\n/a\n" + QByteArray(140000, 'y') + "\r\n/b\r\n",
         {"/a", "/b"}},
        {true,
         "#EXTM3U\n#EXTINF:-1, Intro \n/m/a.mp3\n#EXTINF:5,A - B - C\n/m/b.mp3",
         {"/m/a.mp3", "/m/b.mp3"},
         {{"Intro", std::nullopt}, {"B - C", "A"}}},
        {true, "#EXTM3U\n#EXTINF:5,\n/m/a.mp3\n#EXTINF:5\n/m/b.mp3", {"/m/a.mp3", "/m/b.mp3"}},
        {true,
         "#EXTM3U\r\n#EXTINF:5,X - Y\r\n#EXTVLCOPT:a\r\n/m/a.mp3\r\n/m/b.mp3",
         {"/m/a.mp3", "/m/b.mp3"},
         {{"Y", "X"}, {}}},
        {true, "#vpl-List\r\n#EXTINF:5,X - Y\r\n/m/a.mp3", {"/m/a.mp3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents.left(80).toStdString());
        QStringList paths;
        std::vector<SongTags> information;
        EXPECT_EQ(PlaylistFile::parse(c.contents, paths, &information), c.accepted);
        EXPECT_EQ(paths, c.paths);
        EXPECT_EQ(information,
                  c.information.empty() ? std::vector<SongTags>(c.paths.size()) : c.information);
    }
}

class PlaylistFileTest : public ::testing::Test {
protected:
    TestFolder folder;
    DebugCapture debug;
    QStringList paths;
};

// Names the file cannot hold are left out and named on the debug stream.
TEST_F(PlaylistFileTest, SongsAreWrittenAsPathLinesWithCrLfBetweenThem) {
    PlayList playlist;
    for (const char* path : {"/m/a.mp3", "/m/two\nlines.mp3", "/m/cr\r.mp3", "#comment.mp3",
                             "/m/c d.xm", "/m/Björk/jóga.mp3", "/m/Ã©.ogg", "/m/日本/歌.flac"}) {
        playlist.addSong({QString::fromUtf8(path), "x", "y"});
    }
    playlist.addSong({QString("/m/caf") + QChar(char16_t(0xDCE9)) + ".mp3", "", ""});  // byte E9
    const QString path = folder.path("songs.vpl");
    ASSERT_TRUE(playlist.save(path));
    // Latin-1 stays one byte per character; the path whose bytes would spell UTF-8 and the
    // Japanese one are stored as UTF-8.
    EXPECT_EQ(readFile(path), "#vpl-List\r\n/m/a.mp3\r\n/m/c d.xm\r\n/m/Bj\xF6rk/j\xF3ga.mp3\r\n" +
                                  QString::fromUtf8("/m/Ã©.ogg\r\n/m/日本/歌.flac").toUtf8());
    ASSERT_TRUE(PlaylistFile::read(path, paths));
    EXPECT_EQ(paths, QStringList{"/m/a.mp3"} + pathsOf(playlist).mid(4, 4));
    for (const char* shown :
         {"/m/two\\nlines.mp3\n", "/m/cr\\r.mp3\n", "#comment.mp3\n", "/m/caf\xE9.mp3\n"}) {
        EXPECT_NE(debug.lines().find(std::string("left out of the playlist file, its name "
                                                 "cannot be stored there: ") +
                                     shown),
                  std::string::npos)
            << shown;
    }
    ASSERT_TRUE(PlayList().save(path));
    EXPECT_EQ(readFile(path), "#vpl-List");
    EXPECT_FALSE(PlaylistFile::write(folder.path("no/such/folder/x.vpl"), {}));
}

TEST_F(PlaylistFileTest, ReadingLooksAtTheFirstLineOfAFile) {
    EXPECT_FALSE(PlaylistFile::read(folder.path("missing.vpl"), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.mkdir("dir.vpl"), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.write("big.bin", QByteArray(100000, 'x')), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.write("near.m3u", "#EXTM3U8\n/m/a.mp3"), paths));
    EXPECT_TRUE(PlaylistFile::read(folder.write("ok.m3u", "#EXTM3U\r\n/m/a.mp3"), paths));
    EXPECT_EQ(paths, QStringList{"/m/a.mp3"});
}

// A sparse file: large, but no disk space used.
TEST_F(PlaylistFileTest, AReadEndsSoonAfterItIsStopped) {
    QFile grown(folder.write("huge.m3u", "#EXTM3U\n/a\n"));
    ASSERT_TRUE(grown.open(QIODevice::ReadWrite) && grown.resize(qint64(1) << 30));
    std::atomic<bool> stop = false;
    EXPECT_TRUE(PlaylistFile::read(
        grown.fileName(),
        [&](const QString& entry, const SongTags&) { paths << entry, stop = true; }, stop));
    EXPECT_EQ(paths, QStringList{"/a"});
    // The stream stops at its next piece, whatever is left of the file.
    QBuffer rest;
    rest.setData("/a\n/b\n");
    rest.open(QIODevice::ReadOnly);
    QByteArray line;
    EXPECT_EQ(PlaylistLines(rest, stop).next(line), PlaylistLines::Status::Stopped);
    EXPECT_EQ(rest.pos(), 0);
}
}  // namespace
