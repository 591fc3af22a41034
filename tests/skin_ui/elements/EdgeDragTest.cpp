#include <gtest/gtest.h>

#include "skin_ui/elements/EdgeDrag.h"

namespace {

using EdgeDrag::Span;

TEST(EdgeDrag, TheDraggedStartSnapsAndTheFarEndStays) {
    EXPECT_EQ(EdgeDrag::moveStart({50, 200}, 73, 40, 300), (Span{70, 180}));
    EXPECT_EQ(EdgeDrag::moveStart({50, 200}, 27, 40, 300), (Span{25, 225}));
}

TEST(EdgeDrag, TheStartStopsAtTheMinimumAndAtTheWindow) {
    EXPECT_EQ(EdgeDrag::moveStart({50, 200}, 240, 40, 300), (Span{210, 40}));
    EXPECT_EQ(EdgeDrag::moveStart({50, 200}, -35, 40, 300), (Span{0, 250}));
}

TEST(EdgeDrag, TheDraggedEndSnapsWithinTheMinimumAndTheRoom) {
    EXPECT_EQ(EdgeDrag::moveEnd({20, 90}, 143, 30, 300), (Span{20, 120}));
    EXPECT_EQ(EdgeDrag::moveEnd({20, 90}, 25, 30, 300), (Span{20, 30}));
    EXPECT_EQ(EdgeDrag::moveEnd({20, 90}, 900, 30, 300), (Span{20, 280}));
}

TEST(EdgeDrag, AnElementAlreadyPastTheWindowIsPulledBackIn) {
    EXPECT_EQ(EdgeDrag::moveStart({260, 80}, 250, 30, 300), (Span{250, 50}));
}

}  // namespace
