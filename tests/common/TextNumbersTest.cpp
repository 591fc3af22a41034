#include "common/TextNumbers.h"

#include <gtest/gtest.h>

TEST(TextNumbers, ReadTheNumberAtTheStartOrZeroWhenOutOfRange) {
    const std::pair<const char*, int> ints[] = {{"1101", 1101},
                                                {"0rep", 0},
                                                {"  -42 px", -42},
                                                {"rep", 0},
                                                {"", 0},
                                                {"-", 0},
                                                {"2147483647", 2147483647},
                                                {"2147483648", 0},
                                                {"99999999999999999999999", 0}};
    for (const auto& [text, value] : ints) {
        EXPECT_EQ(TextNumbers::toInt(text), value) << text;
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
