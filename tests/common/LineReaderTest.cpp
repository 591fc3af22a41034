#include <gtest/gtest.h>

#include "common/LineReader.h"

TEST(LineReader, ReadsLinesByPositionAndValuesFromTheirStart) {
    LineReader reader("#VP-V1.0.0\r\n\r\n-key\r\n  -42 px\r\n4294967295\r\n1\r\n2\r\n");
    EXPECT_EQ(reader.readLine(), QString("#VP-V1.0.0"));
    reader.skipLines(2);
    EXPECT_EQ(reader.readInt(), -42);
    EXPECT_EQ(reader.readUnsigned(), 4294967295u);
    EXPECT_TRUE(reader.readBool());
    EXPECT_FALSE(reader.readBool()) << "2 is not true";
    EXPECT_FALSE(reader.hasFileLineLeft());
}

TEST(LineReader, PastTheEndOfAnEndedFileEveryLineIsEmpty) {
    LineReader reader("7\r\n");
    EXPECT_EQ(reader.readInt(), 7);
    EXPECT_FALSE(reader.repeatsLastLine());
    EXPECT_EQ(reader.readLine(), QString());
    EXPECT_EQ(reader.readInt(), 0);
    EXPECT_FALSE(reader.readBool());
}

TEST(LineReader, PastTheEndAnUnendedLastLineIsReadAgain) {
    LineReader reader("a\r\n1");
    reader.skipLines(5);
    EXPECT_TRUE(reader.repeatsLastLine());
    EXPECT_EQ(reader.readLine(), QString("1"));
    EXPECT_TRUE(reader.readBool());
    EXPECT_EQ(reader.readInt(), 1);
}

TEST(LineReader, AnEmptyFileReadsEmptyLines) {
    LineReader reader("");
    EXPECT_FALSE(reader.hasFileLineLeft());
    EXPECT_FALSE(reader.repeatsLastLine());
    EXPECT_EQ(reader.readLine(), QString());
}

TEST(LineReader, AcceptsBareLineFeeds) {
    LineReader reader("3\n4\n");
    EXPECT_EQ(reader.readInt(), 3);
    EXPECT_EQ(reader.readInt(), 4);
    EXPECT_EQ(reader.readInt(), 0);
}
