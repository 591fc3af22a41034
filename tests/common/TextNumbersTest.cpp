#include <gtest/gtest.h>
#include "common/LineReader.h"
#include "common/TextNumbers.h"

TEST(TextNumbers, ReadTheNumberAtTheStartOrZeroWhenOutOfRange) {
    const char* texts[] = {"1101",       "0rep",       "  -42 px",
                           "rep",        "",           "-",
                           "2147483647", "2147483648", "99999999999999999999999"};
    const int values[] = {1101, 0, -42, 0, 0, 0, 2147483647, 0, 0};
    for (size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(TextNumbers::toInt(texts[i]), values[i]) << texts[i];
    }
    EXPECT_EQ(TextNumbers::toUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(TextNumbers::toUnsigned("4294967296"), 0u);
    EXPECT_EQ(TextNumbers::toUnsigned("-3"), 0u);
    // A flag is on for exactly "1".
    EXPECT_TRUE(TextNumbers::toBool("1"));
    for (const char* off : {"0", "2", "yes", ""}) {
        EXPECT_FALSE(TextNumbers::toBool(off)) << off;
    }
}

// Past the end lines are empty, unless the last line had no line end: it is then read again.
TEST(LineReader, ReadsLinesByPositionAndValuesFromTheirStart) {
    LineReader reader("#VP-V1.0.0\r\n\r\n-key\r\n  -42 px\r\n4294967295\r\n1\r\n2\r\n");
    EXPECT_EQ(reader.readLine(), QString("#VP-V1.0.0"));
    reader.skipLines(2);
    EXPECT_EQ(reader.readInt(), -42);
    EXPECT_EQ(reader.readUnsigned(), 4294967295u);
    EXPECT_TRUE(reader.readBool());
    EXPECT_FALSE(reader.readBool()) << "2 is not true";
    EXPECT_FALSE(reader.hasFileLineLeft());
    EXPECT_FALSE(reader.repeatsLastLine());
    EXPECT_EQ(reader.readLine(), QString());
    LineReader unended("a\r\n1");
    unended.skipLines(5);
    EXPECT_TRUE(unended.repeatsLastLine());
    EXPECT_EQ(unended.readLine(), QString("1"));
    EXPECT_TRUE(unended.readBool());
    LineReader empty("");
    EXPECT_FALSE(empty.repeatsLastLine());
    EXPECT_EQ(empty.readInt(), 0);
}
