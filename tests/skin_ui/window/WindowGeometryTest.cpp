#include <gtest/gtest.h>

#include "skin_ui/WindowGeometry.h"

using namespace WindowGeometry;

namespace {
const QSize screen(800, 600);
const QRect wholeScreen(QPoint(0, 0), screen);
}  // namespace

TEST(WindowDragSnap, SnapsWithinTwentyPixelsOfEachEdge) {
    const QSize size(100, 50);
    EXPECT_EQ(snapDrag({19, 100}, size, wholeScreen).x(), 0);
    EXPECT_EQ(snapDrag({20, 100}, size, wholeScreen).x(), 20);
    EXPECT_EQ(snapDrag({681, 100}, size, wholeScreen).x(), 700) << "right edge snaps flush";
    EXPECT_EQ(snapDrag({680, 100}, size, wholeScreen).x(), 680);
    EXPECT_EQ(snapDrag({100, 5}, size, wholeScreen).y(), 0);
    EXPECT_EQ(snapDrag({100, 531}, size, wholeScreen).y(), 550);
}

TEST(WindowResizeZones, CornersWinOverEdgesAndTheMiddleIsNone) {
    const QSize size(100, 50);
    EXPECT_EQ(resizeZoneAt({2, 2}, size), 2);
    EXPECT_EQ(resizeZoneAt({98, 2}, size), 4);
    EXPECT_EQ(resizeZoneAt({98, 48}, size), 6);
    EXPECT_EQ(resizeZoneAt({2, 48}, size), 8);
    EXPECT_EQ(resizeZoneAt({2, 25}, size), 1);
    EXPECT_EQ(resizeZoneAt({50, 2}, size), 3);
    EXPECT_EQ(resizeZoneAt({98, 25}, size), 5);
    EXPECT_EQ(resizeZoneAt({50, 48}, size), 7);
    EXPECT_EQ(resizeZoneAt({50, 25}, size), 0);
    EXPECT_EQ(resizeZoneAt({5, 25}, size), 0) << "exactly 5 pixels in is no longer near";
}

TEST(WindowResize, KeepsTheMinimumAndRoundsDownToFives) {
    const QRect start(100, 100, 100, 50);
    EXPECT_EQ(resize(start, 6, {23, -3}, wholeScreen), QRect(100, 100, 120, 45))
        << "123 x 47 becomes 120 x 45";
    EXPECT_EQ(resize(start, 6, {-500, -500}, wholeScreen).size(), QSize(30, 20));
}

TEST(WindowResize, LeftAndTopEdgesMoveTheOrigin) {
    const QRect start(100, 100, 100, 50);
    const QRect grown = resize(start, 2, {-10, -10}, wholeScreen);
    EXPECT_EQ(grown.topLeft(), QPoint(90, 90));
    EXPECT_EQ(grown.size(), QSize(110, 60));
}

TEST(WindowResize, SnapsToTheScreenEdges) {
    const QRect start(30, 30, 100, 50);
    EXPECT_EQ(resize(start, 1, {-15, 0}, wholeScreen).left(), 0);
    const QRect wide = resize(QRect(600, 100, 100, 50), 5, {95, 0}, wholeScreen);
    EXPECT_EQ(wide.left() + wide.width(), 800) << "right edge within 20 pixels snaps to it";
}

TEST(WindowPullOntoScreen, OnlyRightAndBottomOverhangsArePulledBack) {
    EXPECT_EQ(pullOntoScreen({750, 0}, {285, 45}, screen), QPoint(515, 0));
    EXPECT_EQ(pullOntoScreen({-40, 580}, {285, 45}, screen), QPoint(-40, 555));
}
