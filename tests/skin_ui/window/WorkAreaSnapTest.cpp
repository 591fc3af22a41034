#include <gtest/gtest.h>

#include "skin_ui/WindowGeometry.h"

using namespace WindowGeometry;

namespace {

// A 1024 x 768 screen with a 28-pixel panel on top and a 50-pixel one on the left.
const QRect workArea(50, 28, 974, 740);
const QSize window(285, 45);

struct SnapCase {
    QPoint draggedTo;
    QPoint landsAt;
};

}  // namespace

TEST(WorkAreaSnap, DragsSnapToTheWorkAreaNotTheScreen) {
    const SnapCase cases[] = {
        {{300, 10}, {300, 28}},    // under the panel: pushed below it
        {{300, 47}, {300, 28}},    // within 20 of the panel's edge
        {{300, 48}, {300, 48}},    // 20 away: stays
        {{60, 300}, {50, 300}},    // the left panel's edge
        {{730, 704}, {739, 723}},  // the right and bottom edges, flush
    };
    for (const SnapCase& test : cases) {
        EXPECT_EQ(snapDrag(test.draggedTo, window, workArea), test.landsAt) << test.draggedTo.y();
    }
}

TEST(WorkAreaSnap, ResizesSnapToTheWorkArea) {
    const QRect grown = resize(QRect(300, 60, 100, 50), 2, {-245, -45}, workArea);
    EXPECT_EQ(grown.topLeft(), QPoint(50, 28));
}
