#include <gtest/gtest.h>

#include "common/LineReader.h"

TEST(LineReader, ReadsLinesByPositionAndValuesFromTheirStart) {
    LineReader reader("#VP-V1.0.0\r\n\r\n-key\r\n  -42 px\r\n4294967295\r\n1\r\n2\n");
    EXPECT_EQ(reader.readLine(), QString("#VP-V1.0.0"));
    reader.skipLines(2);
    EXPECT_EQ(reader.readInt(), -42);
    EXPECT_EQ(reader.readUnsigned(), 4294967295u);
    EXPECT_TRUE(reader.readBool());
    EXPECT_FALSE(reader.readBool()) << "2 is not true";
    EXPECT_FALSE(reader.hasFileLineLeft());
}

TEST(LineReader, PastTheEndLinesAreEmptyUnlessTheLastLineHadNoLineEnd) {
    LineReader ended("7\r\n");
    ended.skipLines(3);
    EXPECT_FALSE(ended.repeatsLastLine());
    EXPECT_EQ(ended.readLine(), QString());

    LineReader unended("a\r\n1");
    unended.skipLines(5);
    EXPECT_TRUE(unended.repeatsLastLine());
    EXPECT_EQ(unended.readLine(), QString("1"));
    EXPECT_TRUE(unended.readBool());

    LineReader empty("");
    EXPECT_FALSE(empty.repeatsLastLine());
    EXPECT_EQ(empty.readInt(), 0);
}
