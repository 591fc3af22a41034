#include "playlist/SongFile.h"

#include <gtest/gtest.h>

#include "PlaylistTestFiles.h"

namespace {

TEST(SongFileKind, ExtensionsAreRecognisedInAnyLetterCase) {
    EXPECT_EQ(SongFile::kindOf("/m/a.mp3"), PathKind::Mp3);
    EXPECT_EQ(SongFile::kindOf("/m/SONG.MP3"), PathKind::Mp3);
    for (const char* name :
         {"a.wav", "a.OGG", "a.Flac", "a.mod", "a.it", "a.s3d", "a.S3M", "a.xm", "a.Opus"}) {
        EXPECT_EQ(SongFile::kindOf(QString("/m/") + name), PathKind::Sound) << name;
    }
    EXPECT_EQ(SongFile::kindOf("/m/blue.VPS"), PathKind::SkinPackage);
    EXPECT_EQ(SongFile::kindOf("/m/list.vpl"), PathKind::Other);
    EXPECT_EQ(SongFile::kindOf("/m/a.mp3.txt"), PathKind::Other);
    EXPECT_EQ(SongFile::kindOf(""), PathKind::Empty);
}

TEST(SongFileKind, OnlyTheLastNameDecidesBetweenFolderAndFile) {
    EXPECT_EQ(SongFile::kindOf("/home/john.doe/Music"), PathKind::Folder);
    EXPECT_EQ(SongFile::kindOf("/home/john.doe/Music/"), PathKind::Folder);
    EXPECT_EQ(SongFile::kindOf("/media/v1.2/track"), PathKind::Folder);
    EXPECT_EQ(SongFile::kindOf("/media/v1.2/track.ogg"), PathKind::Sound);
    EXPECT_EQ(SongFile::kindOf("."), PathKind::Other);
    EXPECT_EQ(SongFile::kindOf("relative"), PathKind::Folder);
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

TEST_F(SongFileTag, GivesTitleAndArtistReadAsLatin1WithSpacesKept) {
    const QString path = folder.write("t.mp3", mp3WithTag(" Jog\xF0 ", "Bj\xF6rk"));
    EXPECT_EQ(SongFile::fromTag(path),
              (SongInfo{path, QString::fromUtf8("Björk"), QString::fromUtf8(" Jogð ")}));
}

TEST_F(SongFileTag, FieldsOfFullLengthAreTakenWhole) {
    const QByteArray thirty(30, 'x');
    const QString path = folder.write("t.mp3", mp3WithTag(thirty + "cut", "a"));
    EXPECT_EQ(SongFile::fromTag(path).title, QString(thirty));
}

TEST_F(SongFileTag, ATitleWithAnEmptyArtistKeepsTheEmptyArtist) {
    const QString path = folder.write("t.mp3", mp3WithTag("Only title", ""));
    EXPECT_EQ(SongFile::fromTag(path), (SongInfo{path, "", "Only title"}));
}

TEST_F(SongFileTag, BothFieldsEmptyNoTagShortOrMissingFilesGiveTheDefaults) {
    const QString empty = folder.write("empty tag.mp3", mp3WithTag("", ""));
    EXPECT_EQ(SongFile::fromTag(empty), (SongInfo{empty, "N/A", "empty tag"}));
    const QString untagged = folder.write("plain.mp3", QByteArray(500, 'T'));
    EXPECT_EQ(SongFile::fromTag(untagged).title, "plain");
    const QString shortFile = folder.write("short.mp3", "TAGabc");
    EXPECT_EQ(SongFile::fromTag(shortFile).artist, "N/A");
    EXPECT_EQ(SongFile::fromTag(folder.path("none.mp3")).title, "none");
}

}  // namespace
