#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "XServer.h"
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

bool XServer::waitForMappedWindows(const QString& title, size_t count, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        size_t mapped = 0;
        for (Window window : windowsTitled(title)) {
            mapped += isMapped(window) ? 1 : 0;
        }
        if (mapped == count) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
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

QImage XServer::grab(const QRect& area) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                              static_cast<unsigned>(area.width()),
                              static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
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
    const QPoint middle = (from + to) / 2;
    return xdotool({"keydown",
                    key,
                    "mousemove",
                    "--sync",
                    QString::number(from.x()),
                    QString::number(from.y()),
                    "mousedown",
                    button,
                    "mousemove",
                    "--sync",
                    QString::number(middle.x()),
                    QString::number(middle.y()),
                    "mousemove",
                    "--sync",
                    QString::number(to.x()),
                    QString::number(to.y()),
                    "mouseup",
                    button,
                    "keyup",
                    key});
}

bool XServer::waitForGeometry(Window window, const QRect& wanted, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (geometryOf(window) == wanted) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

void XServer::sendDeleteWindow(Window window) {
    sendWindowDelete(display, window);
}
