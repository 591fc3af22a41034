// The player on a desktop: openbox's rules and gestures meeting the skin window's own, the
// player's other windows above the skin, a panel at the top with the tray icon and its menu.
#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <optional>
#include <vector>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

const int panelHeight = 28;

// Up to `most` values of the window's property, empty when it is not set.
std::vector<unsigned long> property(XServer& x, const char* name, Atom type, long most,
                                    Window window = 0) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(x.raw(), window ? window : DefaultRootWindow(x.raw()),
                       XInternAtom(x.raw(), name, False), 0, most, False, type, &actualType,
                       &format, &count, &after, &data);
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    std::vector<unsigned long> values(items, items + (data ? count : 0));
    XFree(data);
    return values;
}

// Where the manager stacks the window among its clients, from the bottom; -1 if none of them.
long stackedAt(XServer& x, Window window) {
    const auto order = property(x, "_NET_CLIENT_LIST_STACKING", XA_WINDOW, 1024);
    const auto at = std::find(order.begin(), order.end(), window);
    return at == order.end() ? -1 : at - order.begin();
}

QString classOf(XServer& x, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(x.raw(), window, &hint)) {
        return {};
    }
    const QString both = QString(hint.res_name) + "." + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return both;
}

// The centre of the player's window the tray took in (in the panel), searched below `parent`.
std::optional<QPoint> trayIcon(XServer& x, Window parent) {
    for (Window child : x.childrenOf(parent)) {
        const QPoint centre = x.geometryOf(child).center();
        if (classOf(x, child).startsWith("veskplayer") && x.isMapped(child) &&
            centre.y() < panelHeight) {
            return centre;
        }
        if (const auto found = trayIcon(x, child)) {
            return found;
        }
    }
    return std::nullopt;
}

// Waits until the manager stacks the new window above the skin; where it placed it.
QRect placedAbove(XServer& x, Window window, Window skin) {
    EXPECT_TRUE(waitFor([&] { return stackedAt(x, window) > stackedAt(x, skin); }));
    return x.settledGeometry(window);
}

// Asks the manager to minimise the window: true when openbox iconified it (unmapping it) and
// the window came back by itself.
bool comesBackAfterMinimise(XServer& x, Window window) {
    XSelectInput(x.raw(), window, StructureNotifyMask);
    XSync(x.raw(), False);  // selected before the request goes out
    XEvent event;
    return x.xdotool({"windowminimize", QString::number(window)}) &&
           waitFor([&] { return XCheckTypedWindowEvent(x.raw(), window, UnmapNotify, &event); }) &&
           waitFor([&] { return x.isMapped(window); });
}

}  // namespace

TEST(Desktop, UnderOpenboxWithAPanelTheSkinWindowKeepsItsRulesAndTheTrayMenuWorks) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    // The panel is up (its tray taken) before openbox, which takes in its strip as it starts.
    QProcess& trayer = x.startProgram(
        "trayer", {"--edge", "top", "--align", "left", "--widthtype", "percent", "--width", "100",
                   "--heighttype", "pixel", "--height", QString::number(panelHeight),
                   "--SetDockType", "true", "--SetPartialStrut", "true"});
    ASSERT_TRUE(waitFor([&] {
        return XGetSelectionOwner(x.raw(), XInternAtom(x.raw(), "_NET_SYSTEM_TRAY_S0", False));
    })) << "no system tray";
    QProcess& openbox =
        x.startProgram("openbox", {"--config-file", VESK_SOURCE_DIR "/tests/e2e/openbox-rc.xml"});
    ASSERT_TRUE(waitFor([&] {
        return openbox.state() == QProcess::Running &&
               property(x, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, 1).size() == 1;
    })) << "openbox did not start";
    std::vector<unsigned long> area;
    ASSERT_TRUE(waitFor(
        [&] {
            area = property(x, "_NET_WORKAREA", XA_CARDINAL, 4);
            return area.size() == 4 && area[1] == panelHeight;
        },
        20000))
        << "trayer (scripts/packages.txt) running: " << (trayer.state() == QProcess::Running);
    PlayerProcess player(x.displayName());
    ASSERT_TRUE(writeToneWav(player.home() + "/song.wav", 2.0));
    player.start({player.home() + "/song.wav"});
    const Window skin = x.waitForWindow("Vesk Player");
    ASSERT_NE(skin, 0u) << player.output().toStdString();
    EXPECT_EQ(classOf(x, skin), "veskplayer.VeskPlayer");
    XWMHints* hints = XGetWMHints(x.raw(), skin);
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE((hints->flags & InputHint) && !hints->input) << "the window takes no focus";
    XFree(hints);
    // The 16-pixel icon comes first; once the first frame is painted the larger sizes follow it.
    constexpr size_t smallestIcon = 2 + 16 * 16;
    EXPECT_TRUE(waitFor([&] {
        const auto icon = property(x, "_NET_WM_ICON", AnyPropertyType, smallestIcon + 2, skin);
        return icon.size() == smallestIcon + 2 && icon[0] == 16 && icon[smallestIcon] == 32;
    })) << "the icon at every size";
    // Ctrl + drag on the list box, to the middle of the screen, where the options window opens
    // centred, under the skin window's place; the skin's options button opens it above the skin
    // and its controls take clicks.
    QPoint at(370, 280);
    const QPoint placed = x.settledGeometry(skin).topLeft();
    ASSERT_TRUE(x.drag("ctrl", placed + QPoint(150, 120), at + QPoint(150, 120)));
    ASSERT_TRUE(x.waitForGeometry(skin, {at, QSize(285, 210)})) << "moved by the drag";
    ASSERT_TRUE(x.click(at + QPoint(5, 15)));
    const Window options = x.waitForWindow("Vesk Player Options");
    ASSERT_NE(options, 0u);
    const QRect client = placedAbove(x, options, skin);
    const QByteArray coloursBefore = readFile(player.dataFolder() + "/sfo.0");
    // "Use opacity on bitmaps." (under the skin window's place), then "Apply".
    ASSERT_TRUE(x.click(client.topLeft() + QPoint(320, 150)));
    ASSERT_TRUE(x.click(client.topLeft() + QPoint(560, 300)));
    EXPECT_TRUE(waitFor([&] { return readFile(player.dataFolder() + "/sfo.0") != coloursBefore; }))
        << "the clicks reached the options window";
    x.sendDeleteWindow(options);
    // Gone, and let go by the manager (which then gives the focus elsewhere and grabs its
    // buttons on the windows again).
    ASSERT_TRUE(waitFor([&] { return stackedAt(x, options) < 0; }));
    // The skin menu's "Select skin" > "default" asks whether to use the pictures only; the last
    // button of the row, Cancel, closes the question.
    ASSERT_TRUE(x.openMenu({"keydown", "ctrl", "mousemove", "--sync", QString::number(at.x() + 150),
                            QString::number(at.y() + 120), "click", "3", "keyup", "ctrl"},
                           QStringList(8, "Down") + QStringList{"Right", "Return"}));
    const Window question = x.waitForWindow("Veskplayer -use skin");
    ASSERT_NE(question, 0u);
    const QRect box = placedAbove(x, question, skin);
    ASSERT_TRUE(x.click({box.right() - 50, box.bottom() - 20}));
    EXPECT_TRUE(waitFor([&] {
        return x.windowsTitled("Veskplayer -use skin").empty() && stackedAt(x, question) < 0;
    })) << "the click reached the question";
    // The tray icon's menu: the second item (after "Add window"), "Play/Pause", plays as the
    // play button does, whose picture changes.
    std::optional<QPoint> trayAt;
    ASSERT_TRUE(waitFor([&] { return bool(trayAt = trayIcon(x, DefaultRootWindow(x.raw()))); }))
        << "the icon did not appear in the tray";
    ASSERT_TRUE(x.waitForPlaylistLines(1, at)) << "the worker adds the song";
    const QRect playButton(at + QPoint(17, 2), QSize(16, 16));
    const QImage before = x.grab(playButton);
    // Without --sync: the pointer may already be there, and a synced move would wait for a
    // motion that never comes.
    const QStringList rightClickIcon = {"mousemove", QString::number(trayAt->x()),
                                        QString::number(trayAt->y()), "click", "3"};
    ASSERT_TRUE(x.openMenu(rightClickIcon, {"Down", "Down", "Return"}));
    ASSERT_TRUE(waitFor([&] { return x.grab(playButton) != before; }))
        << "the play button kept its picture";
    // Dragged to y = 10: within 20 pixels of the panel's edge, so onto it, not over the panel.
    ASSERT_TRUE(x.drag("ctrl", at + QPoint(150, 120), QPoint(300 + 150, 10 + 120)));
    ASSERT_TRUE(x.waitForGeometry(skin, {300, panelHeight, 285, 210})) << x.geometryOf(skin).y();
    at = {300, panelHeight};
    // A plain drag on the background (no element there) moves the window by exactly the drag;
    // with a modifier it is no plain drag.
    const QPoint background = at + QPoint(2, 120);
    ASSERT_TRUE(x.drag("super", background, background + QPoint(100, 80)));
    ASSERT_EQ(x.geometryOf(skin), QRect(at, QSize(285, 210)));
    at += QPoint(100, 80);
    ASSERT_TRUE(x.drag("", background, background + QPoint(100, 80)));
    ASSERT_TRUE(x.waitForGeometry(skin, {at, QSize(285, 210)}));
    // openbox resizes with Alt + right drag, on the skin's grid of 5, and not below the least
    // size.
    const QPoint corner = at + QPoint(280, 205);
    const auto sized = [&](QSize size) {
        return [&, size] { return x.geometryOf(skin) == QRect(at, size); };
    };
    ASSERT_TRUE(x.drag("alt", corner, corner + QPoint(22, 12), "3", sized({305, 220})))
        << "307 x 222 is off the grid: " << x.geometryOf(skin).width();
    ASSERT_TRUE(x.drag("alt", corner + QPoint(20, 10), at - QPoint(90, 70), "3", sized({30, 20})))
        << "stops at 30 x 20, not " << x.geometryOf(skin).width();
    EXPECT_TRUE(comesBackAfterMinimise(x, skin)) << "a minimise request leaves it on screen";
    // The tray menu's last item: "Close".
    ASSERT_TRUE(x.openMenu(rightClickIcon, {"Up", "Return"}));
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_TRUE(player.exitCode() == 0 && !player.crashed());
    const QString output = player.output();
    EXPECT_FALSE(output.contains("play pressed") || output.contains("close pressed") ||
                 output.contains("no status area"))
        << output.toStdString();
    const QByteArray saved = readFile(player.dataFolder() + "/sfw.0");
    EXPECT_TRUE(saved.contains("-pos\r\n" + QByteArray::number(at.x()) + "\r\n" +
                               QByteArray::number(at.y()) +
                               "\r\n-dimC\r\n285\r\n45\r\n-dimE\r\n30\r\n20\r\n-expanded\r\n1\r\n"))
        << "the manager's resize is the expanded size: " << saved.left(120).toStdString();
    EXPECT_FALSE(trayIcon(x, DefaultRootWindow(x.raw()))) << "the icon went with the player";
}
