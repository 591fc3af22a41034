#include "playlist/PlaylistFile.h"

#include <gtest/gtest.h>

#include "PlaylistTestFiles.h"
#include "support/DebugCapture.h"

namespace {

class PlaylistFileTest : public ::testing::Test {
protected:
    QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }

    TestFolder folder;
};

TEST_F(PlaylistFileTest, SongsAreWrittenAsPathLinesWithCrLfBetweenThem) {
    PlayList playlist;
    playlist.addSong({"/m/a.mp3", "x", "y"});
    playlist.addSong({"/m/b.ogg", "N/A", "b"});
    playlist.addSong({"/m/c d.xm", "N/A", "c d"});
    const QString path = folder.path("three.vpl");
    ASSERT_TRUE(playlist.save(path));
    EXPECT_EQ(contentsOf(path), "#vpl-List\r\n/m/a.mp3\r\n/m/b.ogg\r\n/m/c d.xm");
    QStringList paths;
    ASSERT_TRUE(PlaylistFile::read(path, paths));
    EXPECT_EQ(paths, (QStringList{"/m/a.mp3", "/m/b.ogg", "/m/c d.xm"}));
    ASSERT_TRUE(PlayList().save(path));
    EXPECT_EQ(contentsOf(path), "#vpl-List");
}

TEST_F(PlaylistFileTest, PathsBeyondLatin1SurviveTheRoundTrip) {
    const std::vector<SongInfo> songs = {{QString::fromUtf8("/m/Björk/jóga.mp3"), "", ""},
                                         {QString::fromUtf8("/m/日本/歌.flac"), "", ""}};
    const QString path = folder.path("names.vpl");
    ASSERT_TRUE(PlaylistFile::write(path, songs));
    // Latin-1 stays one byte per character; the Japanese path is stored as UTF-8.
    EXPECT_TRUE(contentsOf(path).contains("/m/Bj\xF6rk/j\xF3ga.mp3\r\n"));
    EXPECT_TRUE(contentsOf(path).contains(QString::fromUtf8("/m/日本/歌.flac").toUtf8()));
    QStringList paths;
    ASSERT_TRUE(PlaylistFile::read(path, paths));
    EXPECT_EQ(paths, (QStringList{songs[0].path, songs[1].path}));
}

TEST_F(PlaylistFileTest, NamesTheFileCannotHoldAreLeftOutAndTheRestReadBackExactly) {
    DebugCapture debug;
    const QString rawByte = QString("/m/caf") + QChar(char16_t(0xDCE9)) + ".mp3";  // byte E9
    const std::vector<SongInfo> songs = {
        {"/m/two\nlines.mp3", "", ""},
        {"/m/cr\r.mp3", "", ""},
        {"#comment.mp3", "", ""},
        {rawByte, "", ""},
        {QString::fromUtf8("/m/Ã©.ogg"), "", ""},  // Latin-1 whose bytes spell UTF-8
        {"/m/kept.mp3", "", ""}};
    const QString path = folder.path("names.vpl");
    ASSERT_TRUE(PlaylistFile::write(path, songs));
    QStringList paths;
    ASSERT_TRUE(PlaylistFile::read(path, paths));
    EXPECT_EQ(paths, (QStringList{songs[4].path, "/m/kept.mp3"}));
    EXPECT_FALSE(PlaylistFile::write(folder.path("no/such/folder/x.vpl"), songs));
    const std::string lines = debug.lines();
    for (const char* shown :
         {"/m/two\\nlines.mp3\n", "/m/cr\\r.mp3\n", "#comment.mp3\n", "/m/caf\xE9.mp3\n"}) {
        EXPECT_NE(lines.find(std::string("left out of the playlist file, its name cannot be "
                                         "stored there: ") +
                             shown),
                  std::string::npos)
            << shown;
    }
}

TEST(PlaylistFileParse, AnExactHeaderThenOnePathALine) {
    const struct {
        QByteArray contents;
        bool accepted;
        QStringList paths;
    } cases[] = {
        {"#EXTM3U\n#EXTINF:123,Artist - Title\n/m/a.mp3\n\n#EXTINF:5,x\r\n/m/b.ogg\n",
         true,
         {"/m/a.mp3", "/m/b.ogg"}},
        {"#vpl-List\r\n/m/a.mp3\r\n", true, {"/m/a.mp3"}},
        {"#vpl-List\n/m/a.mp3\n", true, {"/m/a.mp3"}},
        {"#vpl-List", true, {}},
        {"#EXTM3U \n/m/a.mp3", false, {}},
        {"#extm3u\n/m/a.mp3", false, {}},
        {"\xEF\xBB\xBF#vpl-List\r\n/m/a.mp3", false, {}},
        {"#vpl-List \r\n/m/a.mp3", false, {}},
        {"/m/a.mp3\n#vpl-List", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        QStringList paths;
        EXPECT_EQ(PlaylistFile::parse(c.contents, paths), c.accepted) << c.contents.constData();
        EXPECT_EQ(paths, c.paths) << c.contents.constData();
    }
}

TEST_F(PlaylistFileTest, ReadingLooksAtTheFirstLineOfAFile) {
    QStringList paths;
    EXPECT_FALSE(PlaylistFile::read(folder.path("missing.vpl"), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.mkdir("dir.vpl"), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.write("big.bin", QByteArray(100000, 'x')), paths));
    EXPECT_FALSE(PlaylistFile::read(folder.write("near.m3u", "#EXTM3U8\n/m/a.mp3"), paths));
    EXPECT_TRUE(PlaylistFile::read(folder.write("ok.m3u", "#EXTM3U\r\n/m/a.mp3"), paths));
    EXPECT_EQ(paths, QStringList{"/m/a.mp3"});
}

}  // namespace
