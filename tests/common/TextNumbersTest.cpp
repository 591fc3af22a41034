#include <gtest/gtest.h>
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
