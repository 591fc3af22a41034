#include <gtest/gtest.h>

#include "common/TextNumbers.h"

TEST(TextNumbers, ReadsTheNumberAtTheStartOrZero) {
    EXPECT_EQ(TextNumbers::toInt("1101"), 1101);
    EXPECT_EQ(TextNumbers::toInt("0rep"), 0);
    EXPECT_EQ(TextNumbers::toInt("  -42 px"), -42);
    EXPECT_EQ(TextNumbers::toInt("rep"), 0);
    EXPECT_EQ(TextNumbers::toInt(""), 0);
    EXPECT_EQ(TextNumbers::toInt("-"), 0);
}

TEST(TextNumbers, OutOfRangeReadsAsZero) {
    EXPECT_EQ(TextNumbers::toInt("2147483647"), 2147483647);
    EXPECT_EQ(TextNumbers::toInt("2147483648"), 0);
    EXPECT_EQ(TextNumbers::toInt("99999999999999999999999"), 0);
    EXPECT_EQ(TextNumbers::toUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(TextNumbers::toUnsigned("4294967296"), 0u);
    EXPECT_EQ(TextNumbers::toUnsigned("-3"), 0u);
}

TEST(TextNumbers, BoolIsExactlyOne) {
    EXPECT_TRUE(TextNumbers::toBool("1"));
    EXPECT_FALSE(TextNumbers::toBool("0"));
    EXPECT_FALSE(TextNumbers::toBool("2"));
    EXPECT_FALSE(TextNumbers::toBool("yes"));
}
