#include <gtest/gtest.h>
#include <sys/stat.h>

#include "PlaylistTestFiles.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"

namespace {

// Files made in the test folder, then one path dropped; what went to the single import and
// what was offered together (one list per offer). Paths are relative to the test folder.
struct FoundCase {
    const char* name;
    QStringList files;
    QString dropped;
    QStringList importedSingly;
    std::vector<QStringList> offered;
};

const FoundCase foundCases[] = {
    {"APackageGivenAsSuchKeepsItsOwnImport", {"a.vps"}, "a.vps", {"a.vps"}, {}},
    {"PackagesInAFolderAndItsSubfoldersAreOfferedOnce",
     {"skins/a.vps", "skins/b.vps", "skins/more/c.vps", "skins/song.wav"},
     "skins",
     {},
     {{"skins/a.vps", "skins/b.vps", "skins/more/c.vps"}}},
    {"PackagesNamedByAPlaylistAreOfferedOnceEachOnce",
     {"x.vps", "y.vps", "list.m3u=#EXTM3U\nx.vps\ny.vps\nx.vps\nmissing.vps\n"},
     "list.m3u",
     {},
     {{"x.vps", "y.vps"}}},
    {"AFolderWithoutPackagesOffersNothing", {"music/song.wav"}, "music", {}, {}},
};

class FoundSkinPackages : public ::testing::TestWithParam<FoundCase> {
protected:
    QString relative(const QString& path) const {
        return QDir(folder.dir.path()).relativeFilePath(path);
    }

    TestFolder folder;
    DebugCapture debug;
    PlayList playlist;
};

}  // namespace

TEST_P(FoundSkinPackages, AreOfferedTogetherAfterTheAdd) {
    const FoundCase& c = GetParam();
    for (const QString& file : c.files) {
        const QString name = file.section('=', 0, 0);
        folder.write(name, file.section('=', 1).toUtf8());
    }
    // A pipe named as a package is never offered: importing it would wait for a writer.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.path("skins/pipe.vps")).constData(), 0600) == 0,
              QFileInfo::exists(folder.path("skins")));
    QStringList single;
    std::vector<QStringList> offers;
    OpenFiles files(playlist);
    files.setSkinImport([&](const QString& path) { single << relative(path); },
                        [&](const QStringList& paths) {
                            QStringList names;
                            for (const QString& path : paths) {
                                names << relative(path);
                            }
                            offers.push_back(names);
                        });
    files.addPath(folder.path(c.dropped));
    files.waitUntilIdle();
    EXPECT_EQ(single, c.importedSingly);
    EXPECT_EQ(offers, c.offered);
}

INSTANTIATE_TEST_SUITE_P(Adds, FoundSkinPackages, ::testing::ValuesIn(foundCases),
                         [](const auto& info) { return std::string(info.param.name); });
