#include <gtest/gtest.h>

#include "skin_ui/WindowGeometry.h"

using namespace WindowGeometry;

namespace {

const QRect wholeScreen(0, 0, 800, 600);
// A 1024 x 768 screen with a 28-pixel panel on top and a 50-pixel one on the left.
const QRect workArea(50, 28, 974, 740);

}  // namespace

TEST(WindowGeometry, DragsSnapWithinTwentyPixelsOfTheEdgesOfTheWorkArea) {
    const struct {
        QPoint draggedTo;
        QSize size;
        QRect area;
        QPoint landsAt;
    } cases[] = {
        {{19, 100}, {100, 50}, wholeScreen, {0, 100}},
        {{20, 100}, {100, 50}, wholeScreen, {20, 100}},
        {{681, 100}, {100, 50}, wholeScreen, {700, 100}},  // the right edge snaps flush
        {{680, 100}, {100, 50}, wholeScreen, {680, 100}},
        {{100, 5}, {100, 50}, wholeScreen, {100, 0}},
        {{100, 531}, {100, 50}, wholeScreen, {100, 550}},
        {{300, 10}, {285, 45}, workArea, {300, 28}},  // under the panel: pushed below it
        {{300, 47}, {285, 45}, workArea, {300, 28}},
        {{300, 48}, {285, 45}, workArea, {300, 48}},
        {{60, 300}, {285, 45}, workArea, {50, 300}},
        {{730, 704}, {285, 45}, workArea, {739, 723}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(snapDrag(c.draggedTo, c.size, c.area), c.landsAt)
            << c.draggedTo.x() << "," << c.draggedTo.y();
    }
}

// Zones 1 to 8: left, top-left, top, top-right, right, bottom-right, bottom, bottom-left.
TEST(WindowGeometry, CornerZonesWinOverEdgesAndTheMiddleIsNone) {
    const std::pair<QPoint, int> cases[] = {{{2, 2}, 2},   {{98, 2}, 4},  {{98, 48}, 6},
                                            {{2, 48}, 8},  {{2, 25}, 1},  {{50, 2}, 3},
                                            {{98, 25}, 5}, {{50, 48}, 7}, {{50, 25}, 0},
                                            {{5, 25}, 0}};  // 5 pixels in is no longer near
    for (const auto& [point, zone] : cases) {
        EXPECT_EQ(resizeZoneAt(point, {100, 50}), zone) << point.x() << "," << point.y();
    }
}

TEST(WindowGeometry, ResizesKeepTheMinimumRoundDownToFivesAndSnapToTheWorkArea) {
    const struct {
        QRect start;
        int zone;
        QPoint by;
        QRect area;
        QRect result;
    } cases[] = {
        {{100, 100, 100, 50}, 6, {23, -3}, wholeScreen, {100, 100, 120, 45}},
        {{100, 100, 100, 50}, 6, {-500, -500}, wholeScreen, {100, 100, 30, 20}},
        {{100, 100, 100, 50}, 2, {-10, -10}, wholeScreen, {90, 90, 110, 60}},
        {{600, 100, 100, 50}, 5, {95, 0}, wholeScreen, {600, 100, 200, 50}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resize(c.start, c.zone, c.by, c.area), c.result) << c.zone << " " << c.by.x();
    }
    // A left or top edge dragged near the edge of the work area snaps onto it.
    EXPECT_EQ(resize({30, 30, 100, 50}, 1, {-15, 0}, wholeScreen).left(), 0);
    EXPECT_EQ(resize({300, 60, 100, 50}, 2, {-245, -45}, workArea).topLeft(), QPoint(50, 28));
}

TEST(WindowGeometry, OnlyRightAndBottomOverhangsArePulledBackOntoTheScreen) {
    EXPECT_EQ(pullOntoScreen({750, 0}, {285, 45}, {800, 600}), QPoint(515, 0));
    EXPECT_EQ(pullOntoScreen({-40, 580}, {285, 45}, {800, 600}), QPoint(-40, 555));
}
