#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include "common/HomeTrash.h"
#include "support/Files.h"

// A folder holding "picture.bmp" is moved to the trash of the data home (XDG_DATA_HOME below
// the test folder: "relative" means a relative one, "@file" a regular file) under a free name,
// with a note of where it came from; nothing moves when there can be no trash.
TEST(HomeTrash, MovesTheEntryAndNotesWhereItCameFrom) {
    const struct {
        const char *entry, *takenName, *dataHome, *trashedName, *notedPath;
    } cases[] = {
        {"blue", "", "share", "blue", "/blue"},
        {"blue", "blue", "share", "blue 2", "/blue"},
        {"my skin%", "", "share", "my skin%", "/my%20skin%25"},
        {"blue", "", "relative", "blue", "/blue"},
        {"blue", "", "@file", "", ""},
    };
    const struct Restore {
        ~Restore() { qputenv("XDG_DATA_HOME", dataHome); }
        QByteArray dataHome;
    } restore{qgetenv("XDG_DATA_HOME")};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " " + c.takenName + " " + c.dataHome);
        QTemporaryDir root;
        const QString dataHome = root.filePath("share");
        const bool relative = QString(c.dataHome) == "relative";
        if (QString(c.dataHome) == "@file") {
            ASSERT_TRUE(writeFile(dataHome, ""));
        }
        qputenv("XDG_DATA_HOME", relative ? "share" : dataHome.toUtf8());
        const QString trash = (relative ? QDir::homePath() + "/.local/share" : dataHome) + "/Trash";
        ASSERT_EQ(HomeTrash::folder(), trash);
        if (*c.takenName) {
            ASSERT_TRUE(QDir().mkpath(trash + "/files/" + c.takenName));
            ASSERT_TRUE(writeFile(trash + "/info/" + c.takenName + ".trashinfo", ""));
        }
        const QString entry = root.filePath(c.entry);
        ASSERT_TRUE(writeFile(entry + "/picture.bmp", "BM"));
        const bool moved = HomeTrash::moveIn(entry, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
        EXPECT_EQ(moved, *c.trashedName != 0);
        EXPECT_EQ(QFileInfo::exists(entry), !moved);
        if (moved) {
            EXPECT_TRUE(QFileInfo::exists(trash + "/files/" + c.trashedName + "/picture.bmp"));
            EXPECT_EQ(readFile(trash + "/info/" + c.trashedName + ".trashinfo"),
                      "[Trash Info]\nPath=" + QUrl::toPercentEncoding(root.path(), "/") +
                          c.notedPath + "\nDeletionDate=2026-03-04T05:06:07\n");
            QDir(trash).removeRecursively();
        }
    }
}
