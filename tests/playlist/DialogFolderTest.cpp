#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "playlist/DialogFolder.h"

namespace {

struct FolderCase {
    const char* label;
    const char* musicFolder;  // made below HOME ("" none)
    const char* remembered;   // "dialogfolder" names this folder below the test folder ("" none)
    bool rememberedExists;
    const char* expected;  // "~/x" below HOME, "@/x" below the test folder, "~" HOME itself
};

const FolderCase folderCases[] = {
    {"NothingKnownOpensHome", "", "", false, "~"},
    {"MusicFolderFirst", "Music", "", false, "~/Music"},
    {"LastFolderUsed", "Music", "songs", true, "@/songs"},
    {"LastFolderGoneFallsBack", "Music", "songs", false, "~/Music"},
};

class DialogFolders : public ::testing::TestWithParam<FolderCase> {
protected:
    void TearDown() override { QDir(home("Music")).removeRecursively(); }
    static QString home(const QString& name) { return QDir::homePath() + "/" + name; }
    QString resolved(const QString& expected) const {
        return expected == "~"            ? QDir::homePath()
               : expected.startsWith("~") ? home(expected.mid(2))
                                          : root.filePath(expected.mid(2));
    }

    QTemporaryDir root;
};

}  // namespace

TEST_P(DialogFolders, OpenInTheLastFolderUsedElseTheMusicFolder) {
    const FolderCase& c = GetParam();
    if (*c.musicFolder) {
        ASSERT_TRUE(QDir().mkpath(home(c.musicFolder)));
    }
    if (*c.remembered) {
        const QString folder = root.filePath(c.remembered);
        ASSERT_TRUE(QDir().mkpath(folder));
        DialogFolder::remember(root.path(), folder + "/song.mp3");
        if (!c.rememberedExists) {
            ASSERT_TRUE(QDir(folder).removeRecursively());
        }
    }
    EXPECT_EQ(DialogFolder::start(root.path()), resolved(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogFolders, ::testing::ValuesIn(folderCases),
                         [](const auto& info) { return std::string(info.param.label); });
