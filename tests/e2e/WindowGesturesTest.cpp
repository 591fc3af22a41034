#include <gtest/gtest.h>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"

TEST(WindowGestures, CtrlDragMovesAltDragResizesAndBothAreSaved) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    player.start();
    const Window window = x.waitForWindow("Vesk Player");
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210}));

    // Ctrl + drag on the list box element moves the whole window.
    ASSERT_TRUE(x.drag("ctrl", {150, 120}, {400, 300}));
    ASSERT_TRUE(x.waitForGeometry(window, {250, 180, 285, 210})) << "moved by the drag";

    // Alt + drag at the window's own bottom-right corner resizes it in steps of 5.
    ASSERT_TRUE(x.drag("alt", {250 + 283, 180 + 208}, {250 + 283 + 23, 180 + 208 + 13}));
    ASSERT_TRUE(x.waitForGeometry(window, {250, 180, 305, 220})) << "308 x 223 rounds down";

    // A drag that ends within 20 pixels of the left edge snaps to it.
    ASSERT_TRUE(x.drag("ctrl", {250 + 150, 180 + 120}, {150 + 12, 120 + 40}));
    ASSERT_TRUE(x.waitForGeometry(window, {0, 40, 305, 220})) << "12 pixels from the edge";

    x.sendDeleteWindow(window);
    ASSERT_TRUE(player.waitForExit(20000));
    const QByteArray saved = readFile(player.dataFolder() + "/sfw.0");
    EXPECT_TRUE(
        saved.contains("-pos\r\n0\r\n40\r\n-dimC\r\n285\r\n45\r\n-dimE\r\n305\r\n220\r\n"
                       "-expanded\r\n1\r\n"))
        << saved.left(120).toStdString();
}
