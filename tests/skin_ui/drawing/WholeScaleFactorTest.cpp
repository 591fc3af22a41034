#include <gtest/gtest.h>

#include "skin_ui/drawing/WholeScaleFactor.h"

TEST(WholeScaleFactor, FactorsAreRoundedHalfUpAndNeverBelowOne) {
    const struct {
        const char* given;
        const char* rounded;
    } cases[] = {
        {"1.5", "2"},   {"1.25", "1"},       {"2", "2"},
        {"2.75", "3"},  {"0.5", "1"},        {"0", "1"},
        {"abc", "abc"}, {"1.5;1.75", "2;2"}, {"DP-1=1.5;HDMI-1=1.25", "DP-1=2;HDMI-1=1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeScaleFactor::rounded(c.given), QByteArray(c.rounded)) << c.given;
    }
}
