#include <gtest/gtest.h>

#include <QThread>
#include <algorithm>
#include <optional>
#include <vector>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "WindowManager.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

#include <X11/Xutil.h>

namespace {

bool trayRunning(XServer& x) {
    const Atom selection = XInternAtom(x.raw(), "_NET_SYSTEM_TRAY_S0", False);
    return XGetSelectionOwner(x.raw(), selection) != None;
}

bool isPlayerWindow(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) {
        return false;
    }
    const bool player = QString::fromLatin1(hint.res_name).startsWith("veskplayer");
    XFree(hint.res_name);
    XFree(hint.res_class);
    return player;
}

// A window of the player that the tray took in: a mapped player window whose parent is not the
// root window. Its centre in root coordinates.
std::optional<QPoint> findEmbeddedIcon(XServer& x, Window window, bool underRoot) {
    Display* display = x.raw();
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) {
        return std::nullopt;
    }
    std::optional<QPoint> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (!underRoot && isPlayerWindow(display, children[i]) && x.isMapped(children[i])) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, children[i], &attributes);
            int rootX = 0, rootY = 0;
            Window child = 0;
            XTranslateCoordinates(display, children[i], root, attributes.width / 2,
                                  attributes.height / 2, &rootX, &rootY, &child);
            found = QPoint(rootX, rootY);
        } else {
            found = findEmbeddedIcon(x, children[i], false);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

const QPoint playButton(25, 10);

// The mapped windows that bypass the manager: menus and tooltips.
std::vector<Window> popupsShown(XServer& x) {
    Display* display = x.raw();
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> shown;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return shown;
    }
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.override_redirect && attributes.map_state == IsViewable) {
            shown.push_back(children[i]);
        }
    }
    if (children) {
        XFree(children);
    }
    return shown;
}

// A right click on the icon, and its menu on the screen: a popup that was not there before.
// Without --sync: the pointer may already be there, and a synced move would wait for a motion
// that never comes.
bool openMenu(XServer& x, QPoint at) {
    const std::vector<Window> before = popupsShown(x);
    const bool shown =
        x.xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "3"}) &&
        waitFor([&] {
            const std::vector<Window> now = popupsShown(x);
            return std::any_of(now.begin(), now.end(), [&](Window popup) {
                return std::find(before.begin(), before.end(), popup) == before.end();
            });
        });
    // Qt takes the keyboard for the menu a moment after showing it, and nothing a client can
    // watch without disturbing it tells when: keys sent before reach the menu, but leave a grab
    // that swallows the next click.
    QThread::msleep(300);
    return shown;
}

}  // namespace

// The tray icon in a real status area: the menu plays and closes the player as its buttons do.
TEST(TrayIcon, TheMenuOfTheIconInARealStatusAreaPlaysAndCloses) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    Trayer tray(x, {"--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "64",
                    "--heighttype", "pixel", "--height", "32"});
    ASSERT_TRUE(tray.isRunning()) << "trayer is needed (scripts/packages.txt)";
    ASSERT_TRUE(waitFor([&] { return trayRunning(x); }, 10000));

    PlayerProcess player(x.displayName());
    const QString song = player.home() + "/song.wav";
    ASSERT_TRUE(writeToneWav(song, 2.0));
    player.start({song});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    std::optional<QPoint> icon;
    ASSERT_TRUE(waitFor(
        [&] { return (icon = findEmbeddedIcon(x, DefaultRootWindow(x.raw()), true)).has_value(); },
        10000))
        << "the icon did not appear in the tray";
    const QRect buttonArea(playButton - QPoint(8, 8), QSize(16, 16));
    const QImage before = x.grab(buttonArea);
    ASSERT_TRUE(PlaylistView::waitForLines(x, 1)) << "the worker adds the song in the background";

    // Right click, then the second item (after "Add window"): "Play/Pause".
    ASSERT_TRUE(openMenu(x, *icon));
    ASSERT_TRUE(x.xdotool({"key", "Down", "Down", "Return"}));
    ASSERT_TRUE(waitFor([&] { return x.grab(buttonArea) != before; }, 5000))
        << "the play button kept its picture";

    // The last item: "Close".
    ASSERT_TRUE(openMenu(x, *icon));
    ASSERT_TRUE(x.xdotool({"key", "Up", "Return"}));
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_FALSE(player.crashed());

    const QString output = player.output();
    EXPECT_FALSE(output.contains("pressed")) << output.toStdString();
    EXPECT_FALSE(output.contains("no status area")) << output.toStdString();
    for (const char* file : {"sfo.0", "sfo.1", "sfo.2", "sfw.0"}) {
        EXPECT_TRUE(readFile(player.dataFolder() + "/" + file).startsWith("#VP-V1.0.0")) << file;
    }
    EXPECT_TRUE(readFile(player.dataFolder() + "/playlist.vpl").contains(song.toUtf8()));
    // The icon went with the player.
    EXPECT_FALSE(findEmbeddedIcon(x, DefaultRootWindow(x.raw()), true).has_value());
}
