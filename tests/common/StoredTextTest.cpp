#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include "common/StoredText.h"
#include "support/Files.h"
#include "support/FullDisk.h"

TEST(StoredText, BothWritersReplaceWholeFilesAndLeaveNoPartialFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    for (const auto write : {&StoredText::writeFile, &StoredText::writeRestorableFile}) {
        ASSERT_TRUE(write(path, "old contents"));
        ASSERT_TRUE(write(path, "new"));
        EXPECT_EQ(readFile(path), QByteArray("new"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"picture.bmp"}));
        EXPECT_FALSE(write(dir.filePath("missing/picture.bmp"), "x"));
    }
}

TEST(StoredText, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
    QTemporaryDir dir;
    FullDisk disk(dir.path(), 64);
    if (!disk.mounted()) {
        // Skipped only when asked: a machine that cannot test a full disk must not report green.
        if (qEnvironmentVariableIsSet("VESK_SKIP_FULL_DISK_TESTS")) {
            GTEST_SKIP() << "no private tmpfs to fill: " << disk.whyUnavailable().toStdString();
        }
        FAIL() << "no private tmpfs to fill (set VESK_SKIP_FULL_DISK_TESTS to skip): "
               << disk.whyUnavailable().toStdString();
    }
    const QString path = dir.filePath("state");
    ASSERT_TRUE(StoredText::writeFile(path, "old state"));
    ASSERT_TRUE(disk.fill());
    for (const auto write : {&StoredText::writeFile, &StoredText::writeRestorableFile}) {
        EXPECT_FALSE(write(path, "the new state, which does not fit"));
        EXPECT_EQ(readFile(path), QByteArray("old state"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"filler", "state"}))
        << "no temporary file is left behind";
}
