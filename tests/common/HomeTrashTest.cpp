#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "common/HomeTrash.h"

namespace {

struct TrashCase {
    const char* label;
    const char* entry;        // made in the folder: a folder holding "picture.bmp"
    const char* takenName;    // already in the trash, empty for none
    const char* dataHome;     // XDG_DATA_HOME below the test folder; "@file" names a regular file
    const char* trashedName;  // expected name in the trash, empty when nothing may move
    const char* notedPath;    // expected Path= after the test folder
};

const TrashCase trashCases[] = {
    {"Folder", "blue", "", "share", "blue", "/blue"},
    {"NameTakenGetsANumber", "blue", "blue", "share", "blue 2", "/blue"},
    {"OddCharactersEncoded", "my skin%", "", "share", "my skin%", "/my%20skin%25"},
    {"RelativeDataHomeMeansHome", "blue", "", "relative", "blue", "/blue"},
    {"NoTrashPossible", "blue", "", "@file", "", ""},
};

class HomeTrashMove : public ::testing::TestWithParam<TrashCase> {
protected:
    void SetUp() override { savedDataHome = qgetenv("XDG_DATA_HOME"); }
    void TearDown() override { qputenv("XDG_DATA_HOME", savedDataHome); }

    QTemporaryDir root;
    QByteArray savedDataHome;
};

}  // namespace

TEST_P(HomeTrashMove, MovesTheEntryAndNotesWhereItCameFrom) {
    const TrashCase& c = GetParam();
    const QString dataHome = root.filePath("share");
    if (QString(c.dataHome) == "@file") {
        QFile blocker(dataHome);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    } else {
        qputenv("XDG_DATA_HOME", QString(c.dataHome) == "relative" ? "share" : dataHome.toUtf8());
    }
    const QString trash = QString(c.dataHome) == "relative"
                              ? QDir::homePath() + "/.local/share/Trash"
                              : dataHome + "/Trash";
    ASSERT_EQ(HomeTrash::folder(), trash);
    if (*c.takenName) {
        ASSERT_TRUE(QDir().mkpath(trash + "/files/" + c.takenName));
        ASSERT_TRUE(QDir().mkpath(trash + "/info"));
        QFile taken(trash + "/info/" + c.takenName + ".trashinfo");
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    const QString entry = root.filePath(c.entry);
    ASSERT_TRUE(QDir().mkpath(entry));
    QFile picture(entry + "/picture.bmp");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly) && picture.write("BM") == 2);
    picture.close();

    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    const bool moved = HomeTrash::moveIn(entry, when);

    EXPECT_EQ(moved, *c.trashedName != 0);
    EXPECT_EQ(QFileInfo::exists(entry), !moved);
    if (moved) {
        EXPECT_TRUE(QFileInfo::exists(trash + "/files/" + c.trashedName + "/picture.bmp"));
        QFile note(trash + "/info/" + c.trashedName + ".trashinfo");
        ASSERT_TRUE(note.open(QIODevice::ReadOnly));
        EXPECT_EQ(note.readAll(),
                  "[Trash Info]\nPath=" + QUrl::toPercentEncoding(root.path(), "/") + c.notedPath +
                      "\nDeletionDate=2026-03-04T05:06:07\n");
        QDir(trash).removeRecursively();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HomeTrashMove, ::testing::ValuesIn(trashCases),
                         [](const auto& info) { return std::string(info.param.label); });
