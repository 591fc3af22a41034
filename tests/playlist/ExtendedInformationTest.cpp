#include <gtest/gtest.h>

#include "PlaylistTestFiles.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlaylistFile.h"

namespace {

struct InformationCase {
    const char* name;
    QByteArray contents;
    std::vector<SongTags> expected;  // one per path line
};

void PrintTo(const InformationCase& row, std::ostream* out) {
    *out << row.name;
}

const InformationCase cases[] = {
    {"ArtistAndTitle",
     "#EXTM3U\n#EXTINF:123,Portishead - Roads\n/m/a.mp3",
     {{"Roads", "Portishead"}}},
    {"TitleAlone", "#EXTM3U\n#EXTINF:-1, Intro \n/m/a.mp3", {{"Intro", std::nullopt}}},
    {"OnlyTheFirstDashSplits", "#EXTM3U\n#EXTINF:5,A - B - C\n/m/a.mp3", {{"B - C", "A"}}},
    {"EmptyTextSaysNothing", "#EXTM3U\n#EXTINF:5,\n/m/a.mp3", {{}}},
    {"NoCommaSaysNothing", "#EXTM3U\n#EXTINF:5\n/m/a.mp3", {{}}},
    {"OtherCommentsBetween",
     "#EXTM3U\r\n#EXTINF:5,X - Y\r\n#EXTVLCOPT:a\r\n/m/a.mp3",
     {{"Y", "X"}}},
    {"TellsOfTheNextPathOnly", "#EXTM3U\n#EXTINF:5,X - Y\n/m/a.mp3\n/m/b.mp3", {{"Y", "X"}, {}}},
    {"NotInThePlayersOwnFiles", "#vpl-List\r\n#EXTINF:5,X - Y\r\n/m/a.mp3", {{}}},
};

class ExtendedInformation : public ::testing::TestWithParam<InformationCase> {};

TEST_P(ExtendedInformation, TellsOfThePathLineAfterIt) {
    QStringList paths;
    std::vector<SongTags> information;
    ASSERT_TRUE(PlaylistFile::parse(GetParam().contents, paths, &information));
    EXPECT_EQ(information, GetParam().expected);
    EXPECT_EQ(static_cast<size_t>(paths.size()), GetParam().expected.size());
}

INSTANTIATE_TEST_SUITE_P(M3u, ExtendedInformation, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A song takes title and artist from its playlist line where its file gives none; the file's
// own tags come first, and the playlist saved again holds the paths alone.
TEST(ExtendedInformationSongs, FillWhatTheFileLeavesAndAreNeverSaved) {
    TestFolder folder;
    const QString tagged = folder.write("tagged.mp3", mp3WithTag("File title", ""));
    const QString plain = folder.write("plain.ogg", "not really");
    const QString m3u = folder.write("list.m3u",
                                     "#EXTM3U\n#EXTINF:10,Line artist - Line title\ntagged.mp3\n"
                                     "#EXTINF:10,Other - Plain\nplain.ogg\n");
    for (const bool tags : {true, false}) {
        PlayList playlist;
        OpenFiles files(playlist);
        files.setUseTags(tags);
        files.addPath(m3u);
        files.waitUntilIdle();
        ASSERT_EQ(playlist.songCount(), 2u);
        EXPECT_EQ(playlist.songAt(0), (tags ? SongInfo{tagged, "", "File title"}
                                            : SongInfo{tagged, "Line artist", "Line title"}));
        EXPECT_EQ(playlist.songAt(1), (SongInfo{plain, "Other", "Plain"}));
        ASSERT_TRUE(playlist.save(folder.path("saved.vpl")));
        QFile saved(folder.path("saved.vpl"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), ("#vpl-List\r\n" + tagged + "\r\n" + plain).toUtf8());
    }
}

}  // namespace
