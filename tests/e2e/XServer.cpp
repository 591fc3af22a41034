#include <QThread>
#include <algorithm>
#include <utility>

#include "XServer.h"
#include "support/Waiting.h"
#include "support/WindowDelete.h"

#include <X11/Xutil.h>

XServer::XServer() {
    // Windows come and go while a test looks at them (a menu closes, a skin window is rebuilt):
    // a request about one that is gone fails and its reply says so, where Xlib's default
    // handler would end the test program.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    // -displayfd lets the server pick a free display number and tell us which.
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QByteArray number;
    const bool told = xvfb.waitForStarted(5000) && waitFor([&] {
                          xvfb.waitForReadyRead(200);
                          return (number += xvfb.readAllStandardOutput()).contains('\n');
                      });
    name = ":" + QString::fromLatin1(number.trimmed());
    display = told ? XOpenDisplay(name.toLatin1().constData()) : nullptr;
}

XServer::~XServer() {
    for (const auto& program : programs) {
        program->terminate();
        if (!program->waitForFinished(5000)) {
            program->kill();
            program->waitForFinished(5000);
        }
    }
    if (display) {
        XCloseDisplay(display);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
}

std::vector<Window> XServer::childrenOf(Window parent) {
    Window root = 0, grandParent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> found;
    if (XQueryTree(display, parent, &root, &grandParent, &children, &count) && children) {
        found.assign(children, children + count);
        XFree(children);
    }
    return found;
}

std::vector<Window> XServer::windowsTitled(const QString& title, Window parent, int depth) {
    std::vector<Window> found;
    for (Window child : childrenOf(parent ? parent : DefaultRootWindow(display))) {
        char* windowName = nullptr;
        if (XFetchName(display, child, &windowName) && windowName) {
            if (title == QString::fromUtf8(windowName)) {
                found.push_back(child);
            }
            XFree(windowName);
        } else if (depth > 1) {  // a window manager's frame: the client window is inside
            const std::vector<Window> inside = windowsTitled(title, child, depth - 1);
            found.insert(found.end(), inside.begin(), inside.end());
        }
    }
    return found;
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
                found = window != other && isMapped(window) ? window : found;
            }
            return found != 0;
        },
        timeoutMs);
    return found;
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

bool XServer::waitForGeometry(Window window, const QRect& wanted, int timeoutMs) {
    return waitFor([&] { return geometryOf(window) == wanted; }, timeoutMs);
}

QImage XServer::grab(const QRect& area) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(),
                              unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image) {
        return {};
    }
    // Xvfb's 24-bit screen: 32 bits a pixel, blue, green, red, pad, as in Qt's RGB32.
    const QImage shot = QImage(reinterpret_cast<const uchar*>(image->data), area.width(),
                               area.height(), image->bytes_per_line, QImage::Format_RGB32)
                            .copy();
    XDestroyImage(image);
    return shot;
}

int XServer::pixelsOf(Window window, QRgb colour) {
    const QImage shot = grab(geometryOf(window));  // copied whole: no padding between lines
    const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
    return int(std::count_if(pixels, pixels + shot.width() * shot.height(),
                             [&](QRgb pixel) { return ((pixel ^ colour) & 0xffffff) == 0; }));
}

bool XServer::waitForPlaylistLines(int lines, QPoint windowOrigin) {
    // The view's place in the default window, inside the frame the skin draws around it.
    const QRect inside = QRect(5 + 6, 50 + 6, 275 - 12, 155 - 12).translated(windowOrigin);
    return waitFor(
        [&] {
            const QImage shot = grab(inside);
            // The bottom right corner is background while the list is short.
            const QRgb background = shot.isNull() ? 0 : shot.pixel(shot.rect().bottomRight());
            int shown = 0;
            bool inLine = false;
            for (int y = 0; y < shot.height(); ++y) {
                bool text = false;
                for (int x = 0; x < shot.width() && !text; ++x) {
                    text = shot.pixel(x, y) != background;
                }
                shown += text && !inLine ? 1 : 0;
                inLine = text;
            }
            return shown >= lines;
        },
        20000);
}

QProcessEnvironment XServer::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", name);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
}

QProcess& XServer::startProgram(const QString& program, const QStringList& arguments) {
    QProcess& started = *programs.emplace_back(std::make_unique<QProcess>());
    started.setProcessEnvironment(environment());
    started.start(program, arguments);
    started.waitForStarted(5000);
    return started;
}

bool XServer::xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start("xdotool", arguments);
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

bool XServer::click(QPoint at, const QString& button) {
    return xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())}) &&
           xdotool({"click", button});
}

bool XServer::keysInto(Window window, const QStringList& keys) {
    return xdotool({"windowfocus", "--sync", QString::number(window)}) &&
           xdotool(QStringList{"key", "--delay", "50"} + keys);
}

bool XServer::drag(const QString& key, QPoint from, QPoint to, const QString& button,
                   const std::function<bool()>& arrived) {
    const auto moveTo = [](QPoint point) {
        return QStringList{"mousemove", "--sync", QString::number(point.x()),
                           QString::number(point.y())};
    };
    const QStringList hold = key.isEmpty() ? QStringList() : QStringList{"keydown", key};
    const QStringList letGo = key.isEmpty() ? QStringList() : QStringList{"keyup", key};
    // A program that still holds the pointer would take the drag's press.
    return waitForFreePointer() &&
           xdotool(hold + moveTo(from) + QStringList{"mousedown", button} +
                   moveTo((from + to) / 2) + moveTo(to)) &&
           (!arrived || waitFor([&, nudge = 0]() mutable {
               // A manager that took up the drag late has met no motion since: one pixel more.
               return arrived() || (xdotool(moveTo(to + QPoint(nudge ^= 1, 0))) && arrived());
           })) &&
           xdotool(QStringList{"mouseup", button} + letGo) && waitForFreePointer();
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

std::vector<Window> XServer::popupsShown() {
    std::vector<Window> shown;
    for (Window window : childrenOf(DefaultRootWindow(display))) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) && attributes.override_redirect &&
            attributes.map_state == IsViewable) {
            shown.push_back(window);
        }
    }
    return shown;
}

bool XServer::openMenu(const QStringList& arguments, const QStringList& keys) {
    const std::vector<Window> before = popupsShown();
    const bool shown = xdotool(arguments) && waitFor([&] {
                           for (Window popup : popupsShown()) {
                               if (std::find(before.begin(), before.end(), popup) == before.end()) {
                                   return true;
                               }
                           }
                           return false;
                       });
    // Qt takes the keyboard for the menu a moment after showing it, and nothing a client can
    // watch without disturbing it tells when: keys sent before reach the menu, but leave a grab
    // that swallows the next click.
    QThread::msleep(300);
    return shown && xdotool(QStringList{"key"} + keys);
}

void XServer::sendDeleteWindow(Window window) {
    sendWindowDelete(display, window);
}
