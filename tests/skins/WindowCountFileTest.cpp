#include <gtest/gtest.h>

#include "skins/WindowCountFile.h"

TEST(WindowCountFile, WritesTheCountAndALineEnd) {
    EXPECT_EQ(WindowCountFile::serialize(3), QByteArray("3\r\n"));
    EXPECT_EQ(WindowCountFile::parse(WindowCountFile::serialize(3)), 3);
    EXPECT_EQ(WindowCountFile::parse("2"), 2) << "a count without a line end";
}

TEST(WindowCountFile, TextOrZeroGivesNoWindow) {
    EXPECT_EQ(WindowCountFile::parse("0\r\n"), 0);
    EXPECT_EQ(WindowCountFile::parse("three\r\n"), 0);
    EXPECT_EQ(WindowCountFile::parse(""), 0);
}

TEST(WindowCountFile, ADamagedCountNeverAsksForEndlessWindows) {
    EXPECT_EQ(WindowCountFile::parse("-1\r\n"), 0);
    EXPECT_EQ(WindowCountFile::parse("4294967295\r\n"), WindowCountFile::maxCount);
    EXPECT_EQ(WindowCountFile::parse("65\r\n"), WindowCountFile::maxCount);
    EXPECT_EQ(WindowCountFile::parse("64\r\n"), 64);
}
