#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <functional>

#include "PlayerProcess.h"
#include "WindowManager.h"
#include "XServer.h"

#include <X11/Xatom.h>

namespace {

bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition()) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The managed windows from bottom to top, as the window manager stacks them.
std::vector<Window> stackingOrder(XServer& x) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> order;
    if (XGetWindowProperty(x.raw(), DefaultRootWindow(x.raw()),
                           XInternAtom(x.raw(), "_NET_CLIENT_LIST_STACKING", False), 0, 1024, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        data) {
        const auto* windows = reinterpret_cast<const unsigned long*>(data);
        order.assign(windows, windows + count);
        XFree(data);
    }
    return order;
}

bool stackedAbove(XServer& x, Window upper, Window lower) {
    const std::vector<Window> order = stackingOrder(x);
    const auto upperAt = std::find(order.begin(), order.end(), upper);
    const auto lowerAt = std::find(order.begin(), order.end(), lower);
    return upperAt != order.end() && lowerAt != order.end() && upperAt > lowerAt;
}

// Where the skin window stands after the drag: over the middle of the 1024 x 768 screen.
const QPoint skinAt(370, 280);

}  // namespace

TEST(DialogsAboveSkin, TheOptionsWindowAndAQuestionOpenAboveTheSkinAndTakeClicks) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    WindowManager openbox(x);
    ASSERT_TRUE(openbox.isRunning()) << "openbox did not start";
    PlayerProcess player(x.displayName());
    player.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    const Window skin = x.windowsTitled("Vesk Player").front();
    ASSERT_TRUE(x.waitForGeometry(skin, {0, 0, 285, 210}));
    ASSERT_TRUE(x.drag("ctrl", {150, 120}, QPoint(150, 120) + skinAt));
    ASSERT_TRUE(x.waitForGeometry(skin, {skinAt.x(), skinAt.y(), 285, 210}));

    // The skin's options button opens the options window, centred on the screen and so under
    // the skin window's place; its controls still take clicks.
    ASSERT_TRUE(x.click(skinAt.x() + 5, skinAt.y() + 15));
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player Options", 1, 10000));
    const Window options = x.windowsTitled("Vesk Player Options").front();
    EXPECT_TRUE(waitFor([&] { return stackedAbove(x, options, skin); }));
    QThread::msleep(300);  // the window manager places the frame
    const QRect client = x.geometryOf(options);
    const QByteArray coloursBefore = readFile(player.dataFolder() + "/sfo.0");
    // "Use opacity on bitmaps." (under the skin window's place), then "Apply".
    ASSERT_TRUE(x.click(client.x() + 320, client.y() + 150));
    ASSERT_TRUE(x.click(client.x() + 560, client.y() + 300));
    EXPECT_TRUE(waitFor([&] { return readFile(player.dataFolder() + "/sfo.0") != coloursBefore; }))
        << "the clicks reached the options window";
    x.sendDeleteWindow(options);
    ASSERT_TRUE(waitFor([&] { return x.windowsTitled("Vesk Player Options").empty(); }));

    // The skin menu's "Select skin" > "default" asks whether to use the pictures only.
    ASSERT_TRUE(
        x.xdotool({"keydown", "ctrl", "mousemove", "--sync", QString::number(skinAt.x() + 150),
                   QString::number(skinAt.y() + 120), "click", "3", "keyup", "ctrl"}));
    QThread::msleep(300);
    ASSERT_TRUE(x.xdotool({"key", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down",
                           "Right", "Return"}));
    ASSERT_TRUE(x.waitForMappedWindows("Veskplayer -use skin", 1, 10000));
    const Window question = x.windowsTitled("Veskplayer -use skin").front();
    EXPECT_TRUE(waitFor([&] { return stackedAbove(x, question, skin); }));
    QThread::msleep(300);
    const QRect box = x.geometryOf(question);
    // The last button of the row, whichever answer it is, closes the question.
    ASSERT_TRUE(x.click(box.right() - 50, box.bottom() - 20));
    EXPECT_TRUE(waitFor([&] { return x.windowsTitled("Veskplayer -use skin").empty(); }))
        << "the click reached the question";
}
