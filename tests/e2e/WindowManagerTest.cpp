// The skin window under a real window manager (openbox): the manager's rules, the gestures of
// both, and the player's own windows above the skin.
#include <gtest/gtest.h>

#include <QThread>

#include "PlayerProcess.h"
#include "WindowManager.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"

#include <X11/Xutil.h>

namespace {

const QString skinTitle = "Vesk Player";

// openbox on its own X server, and the player started on it.
class UnderOpenbox : public ::testing::Test {
protected:
    // Starts the player and gives its skin window once the manager has it at the origin.
    Window startPlayer() {
        EXPECT_TRUE(x.isRunning());
        EXPECT_TRUE(openbox.isRunning()) << "openbox did not start";
        player.start();
        const Window window = x.waitForWindow(skinTitle);
        EXPECT_TRUE(window && x.waitForGeometry(window, {0, 0, 285, 210}))
            << player.output().toStdString();
        return window;
    }

    XServer x;
    WindowManager openbox{x};
    PlayerProcess player{x.displayName()};
};

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

// Waits until the manager stacks the new window above the skin; where it placed it.
QRect placedAbove(XServer& x, Window window, Window skin) {
    EXPECT_TRUE(waitFor([&] { return WindowManager::stackedAbove(x, window, skin); }));
    return x.settledGeometry(window);
}

}  // namespace

TEST_F(UnderOpenbox, TheSkinWindowKeepsItsRulesMovesAndResizes) {
    const Window skin = startPlayer();
    ASSERT_NE(skin, 0u);
    XClassHint windowClass{};
    ASSERT_TRUE(XGetClassHint(x.raw(), skin, &windowClass));
    EXPECT_STREQ(windowClass.res_name, "veskplayer");
    EXPECT_STREQ(windowClass.res_class, "VeskPlayer");
    XFree(windowClass.res_name);
    XFree(windowClass.res_class);
    XWMHints* hints = XGetWMHints(x.raw(), skin);
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE((hints->flags & InputHint) && !hints->input) << "the window takes no focus";
    XFree(hints);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* icon = nullptr;
    XGetWindowProperty(x.raw(), skin, XInternAtom(x.raw(), "_NET_WM_ICON", False), 0, 4, False,
                       AnyPropertyType, &type, &format, &count, &after, &icon);
    EXPECT_GT(count, 2u) << "the window has an icon";
    if (icon) {
        XFree(icon);
    }

    // A plain drag on the background (no element there) moves the window by exactly the drag;
    // with a modifier it is no plain drag.
    const QPoint background(2, 120);
    ASSERT_TRUE(x.drag("super", background, background + QPoint(100, 80)));
    ASSERT_EQ(x.geometryOf(skin), QRect(0, 0, 285, 210));
    ASSERT_TRUE(
        x.xdotool({"mousemove", "--sync", "2", "120", "mousedown", "1", "mousemove", "--sync", "52",
                   "160", "mousemove", "--sync", "102", "200", "mouseup", "1"}));
    ASSERT_TRUE(x.waitForGeometry(skin, {100, 80, 285, 210}));

    // openbox resizes with Alt + right drag, on the skin's grid of 5, and not below the least
    // size.
    const QPoint at(100, 80);
    const QPoint corner = at + QPoint(280, 205);
    ASSERT_TRUE(x.drag("alt", corner, corner + QPoint(22, 12), "3"));
    ASSERT_TRUE(x.waitForGeometry(skin, {at.x(), at.y(), 305, 220}))
        << "307 x 222 is off the grid: " << x.geometryOf(skin).width() << " x "
        << x.geometryOf(skin).height();
    ASSERT_TRUE(x.drag("alt", corner + QPoint(20, 10), {10, 10}, "3"));
    ASSERT_TRUE(x.waitForGeometry(skin, {at.x(), at.y(), 30, 20}))
        << "stops at 30 x 20, not " << x.geometryOf(skin).width() << " x "
        << x.geometryOf(skin).height();

    // A minimise request leaves the window on screen.
    EXPECT_TRUE(comesBackAfterMinimise(x, skin));

    ASSERT_TRUE(x.click(at.x() + 5, at.y() + 5));  // the close button
    ASSERT_TRUE(player.waitForExit(20000)) << "the close button did not end the player";
    const QByteArray saved = readFile(player.dataFolder() + "/sfw.0");
    EXPECT_TRUE(
        saved.contains("-pos\r\n100\r\n80\r\n-dimC\r\n285\r\n45\r\n-dimE\r\n30\r\n20\r\n"
                       "-expanded\r\n1\r\n"))
        << "the manager's resize is the expanded size: " << saved.left(120).toStdString();
}

// The options window opens centred on the screen, so under the skin window moved there.
TEST_F(UnderOpenbox, TheOptionsWindowAndAQuestionOpenAboveTheSkinAndTakeClicks) {
    const Window skin = startPlayer();
    ASSERT_NE(skin, 0u);
    // Ctrl + drag on the list box element, to the middle of the screen, where the options window
    // opens centred, under the skin window's place.
    const QPoint at(370, 280);
    ASSERT_TRUE(x.drag("ctrl", QPoint(150, 120), QPoint(150, 120) + at));
    ASSERT_TRUE(x.waitForGeometry(skin, {at.x(), at.y(), 285, 210})) << "moved by the drag";

    // The skin's options button opens it above the skin; its controls take clicks.
    ASSERT_TRUE(x.click(at.x() + 5, at.y() + 15));
    const Window options = x.waitForWindow("Vesk Player Options");
    ASSERT_NE(options, 0u);
    const QRect client = placedAbove(x, options, skin);
    const QByteArray coloursBefore = readFile(player.dataFolder() + "/sfo.0");
    // "Use opacity on bitmaps." (under the skin window's place), then "Apply".
    ASSERT_TRUE(x.click(client.x() + 320, client.y() + 150));
    ASSERT_TRUE(x.click(client.x() + 560, client.y() + 300));
    EXPECT_TRUE(waitFor([&] { return readFile(player.dataFolder() + "/sfo.0") != coloursBefore; }))
        << "the clicks reached the options window";
    x.sendDeleteWindow(options);
    // Gone, and let go by the manager (which then gives the focus elsewhere and grabs its
    // buttons on the windows again).
    ASSERT_TRUE(waitFor([&] { return !WindowManager::manages(x, options); }));

    // The skin menu's "Select skin" > "default" asks whether to use the pictures only.
    ASSERT_TRUE(x.xdotool({"keydown", "ctrl", "mousemove", "--sync", QString::number(at.x() + 150),
                           QString::number(at.y() + 120), "click", "3", "keyup", "ctrl"}));
    QThread::msleep(300);  // the menu takes the keyboard a moment after it shows
    ASSERT_TRUE(x.xdotool({"key", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down",
                           "Right", "Return"}));
    const Window question = x.waitForWindow("Veskplayer -use skin");
    ASSERT_NE(question, 0u);
    const QRect box = placedAbove(x, question, skin);
    // The last button of the row, Cancel, closes the question.
    ASSERT_TRUE(x.click(box.right() - 50, box.bottom() - 20));
    EXPECT_TRUE(waitFor([&] {
        return x.windowsTitled("Veskplayer -use skin").empty() &&
               !WindowManager::manages(x, question);
    })) << "the click reached the question";
}

TEST_F(UnderOpenbox, SnappingKeepsOffATopPanel) {
    Trayer panel(x, {"--edge", "top", "--align", "left", "--widthtype", "percent", "--width", "100",
                     "--heighttype", "pixel", "--height", "28", "--SetDockType", "true",
                     "--SetPartialStrut", "true"});
    ASSERT_TRUE(panel.isRunning()) << "trayer is needed (scripts/packages.txt)";
    ASSERT_TRUE(waitFor([&] { return WindowManager::workAreaTop(x) == 28; }))
        << WindowManager::workAreaTop(x);
    player.start();
    const Window window = x.waitForWindow(skinTitle);
    ASSERT_NE(window, 0u);
    const QPoint placed = x.settledGeometry(window).topLeft();
    ASSERT_TRUE(x.drag("ctrl", placed + QPoint(150, 120), QPoint(300 + 150, 300 + 120)));
    ASSERT_TRUE(x.waitForGeometry(window, {300, 300, 285, 210}));
    // To y = 10: within 20 pixels of the panel's edge, so onto it, not over the panel.
    ASSERT_TRUE(x.drag("ctrl", {440, 410}, {440, 410 - 290}));
    EXPECT_TRUE(x.waitForGeometry(window, {300, 28, 285, 210})) << x.geometryOf(window).y();
}
