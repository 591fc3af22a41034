#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/HomeTrash.h"
#include "skins/Skin.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"

namespace {

// A deleted skin goes to the home trash whole; where no trash can be made it is erased.
class DeletedSkin : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { savedDataHome = qgetenv("XDG_DATA_HOME"); }
    void TearDown() override { qputenv("XDG_DATA_HOME", savedDataHome); }

    QTemporaryDir root;
    QByteArray savedDataHome;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_P(DeletedSkin, GoesToTheTrashWhereThereIsOne) {
    const bool trashUsable = GetParam();
    const QString dataHome = root.filePath("share");
    if (!trashUsable) {
        ASSERT_TRUE(writeFile(dataHome, "a file where the trash would be"));
    }
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    const QString data = root.filePath("data");
    ASSERT_TRUE(writeFile(data + "/skins/blue/0/100_close.bmp", "blue"));

    EXPECT_TRUE(Skin::deleteSkin(data, "blue", "skins\\default", prompts));

    EXPECT_FALSE(QFileInfo::exists(data + "/skins/blue"));
    EXPECT_EQ(readFile(HomeTrash::folder() + "/files/blue/0/100_close.bmp"),
              trashUsable ? QByteArray("blue") : QByteArray());
    EXPECT_TRUE(prompts.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Trash, DeletedSkin, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Usable" : "Missing"; });
