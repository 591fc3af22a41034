#include <gtest/gtest.h>

#include "skin_ui/elements/EdgeDrag.h"

using EdgeDrag::Span;

// An element's span (start, length) after its start or end is dragged to a point: on the grid
// of 5, the other end staying, within the least length and the window's 300 pixels.
TEST(EdgeDrag, TheDraggedEndSnapsWithinTheMinimumAndTheWindow) {
    const struct {
        bool start;
        Span span;
        int to;
        int least;
        Span result;
    } cases[] = {
        {true, {50, 200}, 73, 40, {70, 180}},  {true, {50, 200}, 27, 40, {25, 225}},
        {true, {50, 200}, 240, 40, {210, 40}}, {true, {50, 200}, -35, 40, {0, 250}},
        {true, {260, 80}, 250, 30, {250, 50}},  // already past the window: pulled back in
        {false, {20, 90}, 143, 30, {20, 120}}, {false, {20, 90}, 25, 30, {20, 30}},
        {false, {20, 90}, 900, 30, {20, 280}},
    };
    for (const auto& c : cases) {
        const Span result = c.start ? EdgeDrag::moveStart(c.span, c.to, c.least, 300)
                                    : EdgeDrag::moveEnd(c.span, c.to, c.least, 300);
        EXPECT_EQ(result, c.result) << c.start << " " << c.span.start << " to " << c.to;
    }
}
