#include <gtest/gtest.h>

#include <QApplication>

#include "skin_ui/Tooltip.h"

namespace {

const QSize screen(800, 600);
const QSize text(60, 14);

TEST(TooltipPlacement, SitsBesideTheCursor) {
    EXPECT_EQ(Tooltip::placement(QPoint(100, 200), text, screen), QRect(110, 200, 64, 18));
}

TEST(TooltipPlacement, NearTheRightEdgeItGoesAboveTheCursorFlushRight) {
    const QRect rect = Tooltip::placement(QPoint(740, 300), text, screen);
    EXPECT_EQ(rect, QRect(800 - 64, 300 - 14 - 6, 64, 18));
    EXPECT_EQ(rect.right() + 1, 800);
    // 736 + 64 is exactly the screen width: still fits beside the cursor.
    EXPECT_EQ(Tooltip::placement(QPoint(726, 300), text, screen).topLeft(), QPoint(736, 300));
}

TEST(TooltipPlacement, AtTheBottomItIsPushedUpToTouchIt) {
    const QRect rect = Tooltip::placement(QPoint(100, 590), text, screen);
    EXPECT_EQ(rect.topLeft(), QPoint(110, 600 - 18));
    EXPECT_EQ(rect.bottom() + 1, 600);
}

TEST(TooltipPlacement, NeverAboveTheScreenTop) {
    // Top right corner: above the cursor would be off screen, so it goes below.
    const QRect rect = Tooltip::placement(QPoint(790, 5), text, screen);
    EXPECT_EQ(rect.topLeft(), QPoint(736, 5 + 14 + 4));
}

TEST(Tooltip, NeverTakesTheFocusNorTheMouse) {
    Tooltip tooltip("play/pause");
    EXPECT_TRUE(tooltip.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(tooltip.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(tooltip.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(tooltip.testAttribute(Qt::WA_TransparentForMouseEvents));
    tooltip.show();
    EXPECT_TRUE(tooltip.isVisible());
    EXPECT_GT(tooltip.width(), 4);
    EXPECT_NE(QApplication::activeWindow(), &tooltip);
    tooltip.hide();
    EXPECT_FALSE(tooltip.isVisible());
}

TEST(Tooltip, DrawsBlackTextInABlackFrameOnWhite) {
    Tooltip tooltip("element");
    tooltip.show();
    const QImage shown = tooltip.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() / 2), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(1, shown.height() - 2), QColor(Qt::white));
}

}  // namespace
