#include <gtest/gtest.h>

#include <QFile>

#include "PlayerProcess.h"
#include "WindowManager.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"

#include <X11/Xutil.h>

namespace {

const QPoint closeButton(5, 5);

// Asks the manager to minimise the window: true when openbox iconified it (unmapping it) and
// the window came back by itself.
bool comesBackAfterMinimise(XServer& x, Window window) {
    Display* display = x.raw();
    XSelectInput(display, window, StructureNotifyMask);
    XSync(display, False);  // selected before the request goes out
    XEvent event;
    return x.xdotool({"windowminimize", QString::number(window)}) &&
           waitFor([&] { return XCheckTypedWindowEvent(display, window, UnmapNotify, &event); }) &&
           waitFor([&] { return x.isMapped(window); });
}

}  // namespace

TEST(WindowManager, OpenboxKeepsTheSkinWindowRules) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    WindowManager openbox(x);
    ASSERT_TRUE(openbox.isRunning()) << "openbox did not start";
    PlayerProcess player(x.displayName());
    player.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    const Window window = x.windowsTitled("Vesk Player").front();
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210}));

    XClassHint windowClass{};
    ASSERT_TRUE(XGetClassHint(x.raw(), window, &windowClass));
    EXPECT_STREQ(windowClass.res_name, "veskplayer");
    EXPECT_STREQ(windowClass.res_class, "VeskPlayer");
    XFree(windowClass.res_name);
    XFree(windowClass.res_class);
    XWMHints* hints = XGetWMHints(x.raw(), window);
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE((hints->flags & InputHint) && !hints->input) << "the window takes no focus";
    XFree(hints);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* icon = nullptr;
    XGetWindowProperty(x.raw(), window, XInternAtom(x.raw(), "_NET_WM_ICON", False), 0, 4, False,
                       AnyPropertyType, &type, &format, &count, &after, &icon);
    EXPECT_GT(count, 2u) << "the window has an icon";
    if (icon) {
        XFree(icon);
    }

    // Ctrl + drag on the list box element moves the window by exactly the drag.
    ASSERT_TRUE(x.drag("ctrl", {150, 120}, {150 + 100, 120 + 80}));
    ASSERT_TRUE(x.waitForGeometry(window, {100, 80, 285, 210})) << "moved by the drag";

    // openbox resizes with Alt + right drag, on the skin's grid of 5.
    ASSERT_TRUE(x.drag("alt", {100 + 280, 80 + 205}, {100 + 280 + 22, 80 + 205 + 12}, "3"));
    ASSERT_TRUE(x.waitForGeometry(window, {100, 80, 305, 220}))
        << "307 x 222 is off the grid: " << x.geometryOf(window).width() << " x "
        << x.geometryOf(window).height();
    // ... and not below the least size.
    ASSERT_TRUE(x.drag("alt", {100 + 300, 80 + 215}, {10, 10}, "3"));
    ASSERT_TRUE(x.waitForGeometry(window, {100, 80, 30, 20}))
        << "stops at 30 x 20, not " << x.geometryOf(window).width() << " x "
        << x.geometryOf(window).height();

    // A minimise request leaves the window on screen.
    EXPECT_TRUE(comesBackAfterMinimise(x, window));

    ASSERT_TRUE(x.click(100 + closeButton.x(), 80 + closeButton.y()));
    ASSERT_TRUE(player.waitForExit(20000)) << "the close button did not end the player";
    const QByteArray saved = readFile(player.dataFolder() + "/sfw.0");
    EXPECT_TRUE(
        saved.contains("-pos\r\n100\r\n80\r\n-dimC\r\n285\r\n45\r\n-dimE\r\n30\r\n20\r\n"
                       "-expanded\r\n1\r\n"))
        << "the manager's resize is the expanded size: " << saved.left(120).toStdString();
}
