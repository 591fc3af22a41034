#include <gtest/gtest.h>

#include <QApplication>

#include "skin_ui/Tooltip.h"

namespace {

const QSize screen(800, 600);
const QSize text(60, 14);

// Beside the cursor; near the right edge above it, flush right; pushed up to touch the bottom;
// never above the top of the screen.
TEST(TooltipPlacement, StaysOnTheScreenBesideTheCursor) {
    const struct {
        QPoint cursor;
        QPoint placed;
    } cases[] = {
        {{100, 200}, {110, 200}},
        {{740, 300}, {800 - 64, 300 - 14 - 6}},
        {{726, 300}, {736, 300}},  // 736 + 64 is exactly the screen width: still fits
        {{100, 590}, {110, 600 - 18}},
        {{790, 5}, {736, 5 + 14 + 4}},  // above the cursor would be off screen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tooltip::placement(c.cursor, text, screen), QRect(c.placed, QSize(64, 18)))
            << c.cursor.x() << "," << c.cursor.y();
    }
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
