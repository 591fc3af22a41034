#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/StoredText.h"

TEST(StoredText, RoundTripsLatin1AndWiderCharacters) {
    for (const QString& text : {QString("Björk"), QString("日本/曲.mp3"), QString("plain")}) {
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

TEST(StoredText, WritesWholeFilesOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    ASSERT_TRUE(StoredText::writeFile(path, "one\r\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("one\r\n"));
    EXPECT_FALSE(StoredText::writeFile(dir.filePath("missing/folder/file"), "x"));
}

TEST(StoredText, RestorableFilesReplaceWholeAndLeaveNoPartialFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    ASSERT_TRUE(StoredText::writeRestorableFile(path, "old contents"));
    ASSERT_TRUE(StoredText::writeRestorableFile(path, "new"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(path + ".part"));
    EXPECT_FALSE(StoredText::writeRestorableFile(dir.filePath("missing/picture.bmp"), "x"));
}
