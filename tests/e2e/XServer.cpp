#include <QElapsedTimer>
#include <QThread>
#include <utility>

#include "XServer.h"
#include "support/Waiting.h"
#include "support/WindowDelete.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {
// Windows come and go while a test looks at them (a menu closes, a skin window is rebuilt): a
// request about one that is gone fails and its reply says so, where Xlib's default handler
// would end the test program.
int ignoreGoneWindows(Display*, XErrorEvent*) {
    return 0;
}
}  // namespace

XServer::XServer() {
    XSetErrorHandler(ignoreGoneWindows);
    // -displayfd lets the server pick a free display number and tell us which.
    xvfb.setProgram("Xvfb");
    xvfb.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    xvfb.start();
    if (!xvfb.waitForStarted(5000)) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < 10000) {
        xvfb.waitForReadyRead(200);
        number += xvfb.readAllStandardOutput();
    }
    name = ":" + QString::fromLatin1(number.trimmed());
    display = XOpenDisplay(name.toLatin1().constData());
}

XServer::~XServer() {
    if (display) {
        XCloseDisplay(display);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
}

std::vector<Window> XServer::windowsTitled(const QString& title) {
    std::vector<Window> found;
    collectTitled(DefaultRootWindow(display), title, 2, found);
    return found;
}

void XServer::collectTitled(Window parent, const QString& title, int depth,
                            std::vector<Window>& found) {
    Window root = 0, grandParent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &grandParent, &children, &count)) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        char* windowName = nullptr;
        if (XFetchName(display, children[i], &windowName) && windowName) {
            if (title == QString::fromUtf8(windowName)) {
                found.push_back(children[i]);
            }
            XFree(windowName);
        } else if (depth > 1) {
            // A window manager's frame: the client window is inside.
            collectTitled(children[i], title, depth - 1, found);
        }
    }
    if (children) {
        XFree(children);
    }
}

bool XServer::isMapped(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

Window XServer::waitForWindow(const QString& title, Window other, int timeoutMs) {
    Window found = 0;
    waitFor(
        [&] {
            for (Window window : windowsTitled(title)) {
                if (window != other && isMapped(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

int XServer::pixelsOf(Window window, QRgb colour) {
    const QImage shot = grab(geometryOf(window));
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            count += (shot.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? 1 : 0;
        }
    }
    return count;
}

bool XServer::waitForMappedWindows(const QString& title, size_t count, int timeoutMs) {
    return waitFor(
        [&] {
            size_t mapped = 0;
            for (Window window : windowsTitled(title)) {
                mapped += isMapped(window) ? 1 : 0;
            }
            return mapped == count;
        },
        timeoutMs);
}

QRect XServer::geometryOf(Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return {};
    }
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

QRect XServer::settledGeometry(Window window) {
    QRect last;
    waitFor([&] {
        const QRect now = geometryOf(window);
        return std::exchange(last, now) == now && !now.isEmpty();
    });
    return last;
}

QImage XServer::grab(const QRect& area) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                              unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image) {
        return {};
    }
    QImage result(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            result.setPixel(x, y,
                            qRgb(static_cast<int>((pixel & image->red_mask) >> 16),
                                 static_cast<int>((pixel & image->green_mask) >> 8),
                                 static_cast<int>(pixel & image->blue_mask)));
        }
    }
    XDestroyImage(image);
    return result;
}

bool XServer::xdotool(const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", name);
    tool.setProcessEnvironment(environment);
    tool.start("xdotool", arguments);
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

bool XServer::click(int x, int y, const QString& button) {
    return xdotool({"mousemove", "--sync", QString::number(x), QString::number(y)}) &&
           xdotool({"click", button});
}

bool XServer::drag(const QString& key, QPoint from, QPoint to, const QString& button) {
    const auto moveTo = [](QPoint point) {
        return QStringList{"mousemove", "--sync", QString::number(point.x()),
                           QString::number(point.y())};
    };
    // A program that still holds the pointer would take the drag's press.
    return waitForFreePointer() &&
           xdotool(QStringList{"keydown", key} + moveTo(from) + QStringList{"mousedown", button} +
                   moveTo((from + to) / 2) + moveTo(to) +
                   QStringList{"mouseup", button, "keyup", key}) &&
           waitForFreePointer();
}

bool XServer::waitForFreePointer() {
    // The window that moved let go of the pointer only once it has handled the release, which
    // may come after its last move; a window manager's drag starting before that would miss.
    return waitFor([this] {
        const int grabbed =
            XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask, GrabModeAsync,
                         GrabModeAsync, None, None, CurrentTime);
        XUngrabPointer(display, CurrentTime);
        XSync(display, False);
        return grabbed == GrabSuccess;
    });
}

bool XServer::waitForGeometry(Window window, const QRect& wanted, int timeoutMs) {
    return waitFor([&] { return geometryOf(window) == wanted; }, timeoutMs);
}

void XServer::sendDeleteWindow(Window window) {
    sendWindowDelete(display, window);
}
