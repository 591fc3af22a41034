#include "playlist/PlaylistFile.h"

#include <gtest/gtest.h>

#include "PlaylistTestFiles.h"
#include "support/DebugCapture.h"

namespace {

QStringList parsed(const QByteArray& contents, bool* accepted = nullptr) {
    QStringList paths;
    const bool ok = PlaylistFile::parse(contents, paths);
    if (accepted) {
        *accepted = ok;
    }
    return paths;
}

class PlaylistFileTest : public ::testing::Test {
protected:
    QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }

    TestFolder folder;
};

TEST_F(PlaylistFileTest, AnEmptyPlaylistIsTheHeaderAlone) {
    PlayList empty;
    ASSERT_TRUE(empty.save(folder.path("empty.vpl")));
    EXPECT_EQ(contentsOf(folder.path("empty.vpl")), "#vpl-List");
}

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

TEST_F(PlaylistFileTest, AFileThatCannotBeWrittenIsReported) {
    EXPECT_FALSE(PlaylistFile::write(folder.path("no/such/folder/x.vpl"), {}));
}

TEST(PlaylistFileParse, M3uInformationLinesAndEmptyLinesAreSkipped) {
    bool accepted = false;
    EXPECT_EQ(parsed("#EXTM3U\n#EXTINF:123,Artist - Title\n/m/a.mp3\n\n#EXTINF:5,x\r\n/m/b.ogg\n",
                     &accepted),
              (QStringList{"/m/a.mp3", "/m/b.ogg"}));
    EXPECT_TRUE(accepted);
}

TEST(PlaylistFileParse, ATrailingLineBreakAddsNoSong) {
    EXPECT_EQ(parsed("#vpl-List\r\n/m/a.mp3\r\n"), QStringList{"/m/a.mp3"});
    EXPECT_EQ(parsed("#vpl-List\n/m/a.mp3\n"), QStringList{"/m/a.mp3"});
}

TEST(PlaylistFileParse, TheHeaderMustBeExact) {
    for (const QByteArray& contents :
         {QByteArray("#EXTM3U \n/m/a.mp3"), QByteArray("#extm3u\n/m/a.mp3"),
          QByteArray("\xEF\xBB\xBF#vpl-List\r\n/m/a.mp3"), QByteArray("#vpl-List \r\n/m/a.mp3"),
          QByteArray("/m/a.mp3\n#vpl-List"), QByteArray("")}) {
        bool accepted = true;
        EXPECT_TRUE(parsed(contents, &accepted).isEmpty());
        EXPECT_FALSE(accepted) << contents.constData();
    }
    bool accepted = false;
    EXPECT_TRUE(parsed("#vpl-List", &accepted).isEmpty());
    EXPECT_TRUE(accepted);
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
