#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "skins/SkinFiles.h"
#include "support/Files.h"

TEST(SkinFiles, CopiesExtractsAndTellsFilesFromFolders) {
    QTemporaryDir dir;
    const QString source = dir.filePath("source");
    const QByteArray bytes("a\0b\r\n|\xff", 7);
    ASSERT_TRUE(writeFile(source, bytes));
    ASSERT_TRUE(writeFile(dir.filePath("target"), "older and longer contents"));

    EXPECT_TRUE(SkinFiles::copyFile(source, dir.filePath("target")));
    EXPECT_EQ(readFile(dir.filePath("target")), bytes);
    EXPECT_FALSE(SkinFiles::copyFile(dir.filePath("missing"), dir.filePath("untouched")));
    EXPECT_FALSE(QFile::exists(dir.filePath("untouched")));

    EXPECT_TRUE(SkinFiles::extractResource(dir.filePath("stop.bmp"), 1104));
    EXPECT_EQ(readFile(dir.filePath("stop.bmp")), readFile(ResourceTable::pathOf(1104)));
    EXPECT_FALSE(readFile(dir.filePath("stop.bmp")).isEmpty());
    EXPECT_TRUE(SkinFiles::extractResource(dir.filePath("unknown"), 9999));
    EXPECT_TRUE(SkinFiles::fileExists(dir.filePath("unknown")));
    EXPECT_EQ(QFileInfo(dir.filePath("unknown")).size(), 0);

    EXPECT_TRUE(SkinFiles::fileExists(source));
    EXPECT_FALSE(SkinFiles::fileExists(dir.path()));
    EXPECT_FALSE(SkinFiles::fileExists(dir.filePath("missing")));
}

TEST(SkinFiles, DeletingAFolderNeverReachesThroughALink) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("outside"));
    ASSERT_TRUE(writeFile(dir.filePath("outside/keep"), "keep"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("skin/0"));
    ASSERT_TRUE(writeFile(dir.filePath("skin/0/100_close.bmp"), "x"));
    ASSERT_TRUE(QFile::link(dir.filePath("outside"), dir.filePath("skin/link")));
    ASSERT_TRUE(QFile::link(dir.filePath("outside"), dir.filePath("linked skin")));

    SkinFiles::deleteFolder(dir.filePath("linked skin"));
    EXPECT_FALSE(QFileInfo(dir.filePath("linked skin")).isSymLink());
    SkinFiles::deleteFolder(dir.filePath("skin"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("skin")));
    EXPECT_EQ(readFile(dir.filePath("outside/keep")), "keep");
}
