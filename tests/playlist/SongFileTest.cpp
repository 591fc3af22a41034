#include "playlist/SongFile.h"

#include <gtest/gtest.h>

#include "PlaylistTestFiles.h"

namespace {

TEST(SongFileKind, ExtensionsInAnyLetterCaseAndOnlyTheLastNameDecide) {
    const std::pair<PathKind, std::vector<const char*>> cases[] = {
        {PathKind::Mp3, {"/m/a.mp3", "/m/SONG.MP3"}},
        {PathKind::Sound,
         {"a.wav", "a.OGG", "a.Flac", "a.mod", "a.it", "a.s3d", "a.S3M", "a.xm", "a.Opus",
          "/media/v1.2/track.ogg"}},
        {PathKind::SkinPackage, {"/m/blue.VPS"}},
        {PathKind::Other, {"/m/list.vpl", "/m/a.mp3.txt", "."}},
        {PathKind::Empty, {""}},
        {PathKind::Folder,
         {"relative", "/home/john.doe/Music", "/home/john.doe/Music/", "/media/v1.2/track"}},
    };
    for (const auto& [kind, paths] : cases) {
        for (const char* path : paths) {
            EXPECT_EQ(SongFile::kindOf(path), kind) << path;
        }
    }
}

TEST(SongFileDefaults, AreNotAvailableAndTheNameUpToItsLastDot) {
    EXPECT_EQ(SongFile::withDefaults("/home/john.doe/Music/my.song.mp3"),
              (SongInfo{"/home/john.doe/Music/my.song.mp3", "N/A", "my.song"}));
    EXPECT_EQ(SongFile::withDefaults("/x/.mp3").title, "");
}

class SongFileTag : public ::testing::Test {
protected:
    TestFolder folder;
};

// ID3 version 1 as read for songs; the tag reader's cases check the rest of the tags.
TEST_F(SongFileTag, GivesTitleAndArtistOrTheDefaults) {
    const QByteArray thirty(30, 'x');
    const struct {
        const char* name;
        QByteArray contents;
        QString artist;
        QString title;
    } cases[] = {
        {"latin1.mp3", mp3WithTag(" Jog\xF0 ", "Bj\xF6rk"), QString::fromUtf8("Björk"),
         QString::fromUtf8(" Jogð ")},
        {"full.mp3", mp3WithTag(thirty + "cut", "a"), "a", thirty},
        {"short.mp3", "TAGabc", "N/A", "short"},
    };
    for (const auto& c : cases) {
        const QString path = folder.write(c.name, c.contents);
        EXPECT_EQ(SongFile::fromTag(path), (SongInfo{path, c.artist, c.title})) << c.name;
    }
    EXPECT_EQ(SongFile::fromTag(folder.path("none.mp3")).title, "none");
}

}  // namespace
