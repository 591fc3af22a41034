#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/DataFolder.h"
#include "common/StoredText.h"
#include "support/FullDisk.h"

TEST(StoredText, RoundTripsLatin1AndWiderCharacters) {
    for (const QString& text :
         {QString("Björk"), QString("日本/曲.mp3"), QString("plain"), QString("Ã©")}) {
        EXPECT_EQ(StoredText::decode(StoredText::encode(text)), text);
    }
    EXPECT_EQ(StoredText::encode("Björk").size(), 5) << "Latin-1 stays one byte per character";
}

TEST(StoredText, InvalidUtf8IsReadAsLatin1) {
    const QByteArray bytes("caf\xe9", 4);
    EXPECT_EQ(StoredText::decode(bytes), QString("café"));
}

TEST(StoredText, SplitsLinesAndTellsWhetherTheLastWasEnded) {
    bool ended = false;
    EXPECT_EQ(StoredText::splitLines("a\r\nb\r\n", &ended), QStringList({"a", "b"}));
    EXPECT_TRUE(ended);
    EXPECT_EQ(StoredText::splitLines("a\r\n\r\nlast", &ended), QStringList({"a", "", "last"}));
    EXPECT_FALSE(ended);
    EXPECT_EQ(StoredText::splitLines("", &ended), QStringList());
}

TEST(StoredText, BothWritersReplaceWholeFilesAndLeaveNoPartialFile) {
    QTemporaryDir dir;
    for (const auto write : {&StoredText::writeFile, &StoredText::writeRestorableFile}) {
        const QString path = dir.filePath("picture.bmp");
        ASSERT_TRUE(write(path, "old contents"));
        ASSERT_TRUE(write(path, "new"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("new"));
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
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("old state"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"filler", "state"}))
        << "no temporary file is left behind";
}

TEST(DataFolder, LivesInTheDocumentsFolderAndIsMadeWithItsParents) {
    EXPECT_TRUE(DataFolder::defaultPath().endsWith("/VeskPlayer"));
    QTemporaryDir root;
    const QString deep = root.path() + "/Documents/VeskPlayer";
    EXPECT_TRUE(DataFolder::ensureExists(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
}
