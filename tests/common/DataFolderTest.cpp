#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/DataFolder.h"

TEST(DataFolder, LivesInTheDocumentsFolder) {
    EXPECT_TRUE(DataFolder::defaultPath().endsWith("/VeskPlayer"));
}

TEST(DataFolder, CreatesMissingParents) {
    QTemporaryDir root;
    const QString deep = root.path() + "/Documents/VeskPlayer";
    ASSERT_FALSE(QFileInfo::exists(root.path() + "/Documents"));
    EXPECT_TRUE(DataFolder::ensureExists(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
}
