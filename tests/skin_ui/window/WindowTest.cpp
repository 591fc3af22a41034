// The skin window: its sizes, its close, where drags and resizes land on the screen, and the
// tooltip beside the cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "skin_ui/MainWindow.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/WindowGeometry.h"
#include "support/RecordingSkinHost.h"

using namespace WindowGeometry;

namespace {

const QRect wholeScreen(0, 0, 800, 600);
// A 1024 x 768 screen with a 28-pixel panel on top and a 50-pixel one on the left.
const QRect workArea(50, 28, 974, 740);

TEST(MainWindow, StartsSmallAndCentredTogglesItsTwoSizesAndLeavesTheCloseToTheHost) {
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    window.create();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window.size(), QSize(30, 30));
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 30) / 2, (screen.height() - 30) / 2));
    window.setCollapsedSize(285, 45);
    window.setExpandedSize(285, 210);
    const QPoint corner = window.pos();
    EXPECT_TRUE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 210));
    EXPECT_EQ(window.pos(), corner) << "the top-left corner stays";
    EXPECT_FALSE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 45));
    // The close is turned into saveAll + quit; the window must not vanish on its own.
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.closes, 1) << "the host decides";
}

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
    // Only right and bottom overhangs are pulled back onto the screen.
    EXPECT_EQ(pullOntoScreen({750, 0}, {285, 45}, {800, 600}), QPoint(515, 0));
    EXPECT_EQ(pullOntoScreen({-40, 580}, {285, 45}, {800, 600}), QPoint(-40, 555));
}

// Zones 1 to 8: left, top-left, top, top-right, right, bottom-right, bottom, bottom-left; the
// corners win over the edges. Resizes keep the minimum, round down to fives and snap.
TEST(WindowGeometry, ResizesFromTheZoneKeepTheMinimumRoundDownToFivesAndSnap) {
    const std::pair<QPoint, int> zones[] = {{{2, 2}, 2},   {{98, 2}, 4},  {{98, 48}, 6},
                                            {{2, 48}, 8},  {{2, 25}, 1},  {{50, 2}, 3},
                                            {{98, 25}, 5}, {{50, 48}, 7}, {{50, 25}, 0},
                                            {{5, 25}, 0}};  // 5 pixels in is no longer near
    for (const auto& [point, zone] : zones) {
        EXPECT_EQ(resizeZoneAt(point, {100, 50}), zone) << point.x() << "," << point.y();
    }
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

// Beside the cursor; near the right edge above it, flush right; pushed up to touch the bottom;
// never above the top of the screen.
TEST(Tooltip, StaysOnTheScreenBesideTheCursorAndNeverTakesTheFocus) {
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
        EXPECT_EQ(Tooltip::placement(c.cursor, {60, 14}, {800, 600}),
                  QRect(c.placed, QSize(64, 18)))
            << c.cursor.x() << "," << c.cursor.y();
    }
    Tooltip tooltip("element");
    tooltip.show();
    EXPECT_NE(QApplication::activeWindow(), &tooltip);
    // Black text in a black frame on white.
    const QImage shown = tooltip.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() / 2), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(1, shown.height() - 2), QColor(Qt::white));
}

}  // namespace
