#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <csignal>
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

// The top of the work area the window manager announces, or -1.
long workAreaTop(XServer& x) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long top = -1;
    if (XGetWindowProperty(x.raw(), DefaultRootWindow(x.raw()),
                           XInternAtom(x.raw(), "_NET_WORKAREA", False), 0, 4, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success &&
        data && count >= 4) {
        top = reinterpret_cast<const long*>(data)[1];
    }
    if (data) {
        XFree(data);
    }
    return top;
}

// A panel along the top of the screen that keeps its 28 pixels free of other windows.
class TopPanel {
public:
    explicit TopPanel(const QString& display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        process.setProcessEnvironment(environment);
        process.start("trayer", {"--edge", "top", "--align", "left", "--widthtype", "percent",
                                 "--width", "100", "--heighttype", "pixel", "--height", "28",
                                 "--SetDockType", "true", "--SetPartialStrut", "true"});
        started = process.waitForStarted(5000);
    }
    ~TopPanel() {
        if (started && process.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
            process.waitForFinished(5000);
        }
    }
    bool started = false;
    QProcess process;
};

// A point of the default skin window where no element is.
const QPoint background(2, 120);

}  // namespace

TEST(WindowMoving, APlainDragOnTheBackgroundMovesTheWindowByExactlyTheDrag) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    WindowManager openbox(x);
    ASSERT_TRUE(openbox.isRunning()) << "openbox did not start";
    PlayerProcess player(x.displayName());
    player.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    const Window window = x.windowsTitled("Vesk Player").front();
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210}));
    ASSERT_TRUE(x.drag("super", background, background + QPoint(100, 80)));
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210}, 1000)) << "a modifier is no plain drag";
    ASSERT_TRUE(x.xdotool({"mousemove", "--sync", "2", "120", "mousedown", "1", "mousemove",
                           "--sync", "52", "160", "mousemove", "--sync", "102", "200", "mouseup",
                           "1"}));  // the background point, dragged by (100, 80)
    EXPECT_TRUE(x.waitForGeometry(window, {100, 80, 285, 210}));
}

TEST(WindowMoving, SnappingKeepsOffATopPanel) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    WindowManager openbox(x);
    ASSERT_TRUE(openbox.isRunning()) << "openbox did not start";
    TopPanel panel(x.displayName());
    ASSERT_TRUE(panel.started) << "trayer is needed (scripts/packages.txt)";
    ASSERT_TRUE(waitFor([&] { return workAreaTop(x) == 28; })) << workAreaTop(x);
    PlayerProcess player(x.displayName());
    player.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    const Window window = x.windowsTitled("Vesk Player").front();
    QThread::msleep(300);
    const QPoint start = x.geometryOf(window).topLeft();
    ASSERT_TRUE(x.drag("ctrl", start + QPoint(150, 120), QPoint(300 + 150, 300 + 120)));
    ASSERT_TRUE(x.waitForGeometry(window, {300, 300, 285, 210}));
    // To y = 10: within 20 pixels of the panel's edge, so onto it, not over the panel.
    ASSERT_TRUE(x.drag("ctrl", {440, 410}, {440, 410 - 290}));
    EXPECT_TRUE(x.waitForGeometry(window, {300, 28, 285, 210})) << x.geometryOf(window).y();
}
