#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// Xlib's macros (Bool, Status, ...) break Qt headers included after it, so it comes last.
#include <X11/Xlib.h>

// A private Xvfb server for one test, and the X11 requests the tests send to the player the way
// a window manager or a user would.
class XServer {
public:
    XServer();
    ~XServer();
    bool isRunning() const { return display != nullptr; }
    QString displayName() const { return name; }
    Display* raw() { return display; }
    // Top-level windows whose title is the given text, mapped or not; under a window manager the
    // client windows inside its frames.
    std::vector<Window> windowsTitled(const QString& title, Window parent = 0, int depth = 2);
    std::vector<Window> childrenOf(Window parent);
    bool isMapped(Window window);
    // Waits for a mapped window with the title other than `other`; 0 on timeout.
    Window waitForWindow(const QString& title, Window other = 0, int timeoutMs = 20000);
    QRect geometryOf(Window window);
    // The geometry once two looks in a row agree (a window manager has placed the window).
    QRect settledGeometry(Window window);
    bool waitForGeometry(Window window, const QRect& wanted, int timeoutMs = 10000);
    // What the screen shows in the area (root window coordinates), as on a screenshot.
    QImage grab(const QRect& area);
    // How many pixels of the window the screen shows in the colour.
    int pixelsOf(Window window, QRgb colour);
    // Waits until the default skin's playlist view, in the window standing at the origin, shows
    // at least the lines of text: how tests see that the file worker, which adds songs in the
    // background, has added them. False on timeout.
    bool waitForPlaylistLines(int lines, QPoint windowOrigin = {});
    // Real input through the XTEST extension (xdotool) on this display; true when it succeeded.
    bool xdotool(const QStringList& arguments);
    bool click(QPoint at, const QString& button = "1");
    // Focuses the window and types the keys into it, as the user answering a question does.
    bool keysInto(Window window, const QStringList& keys);
    // A drag with the button from one screen point to another (through the middle) while the key
    // ("ctrl", "alt", or none) is held, started and ended when no program holds the pointer; the
    // button is let go once `arrived` holds (a window manager that resizes as the pointer moves
    // has caught up with it).
    bool drag(const QString& key, QPoint from, QPoint to, const QString& button = "1",
              const std::function<bool()>& arrived = {});
    // Runs xdotool (a click that opens a menu), waits until a new popup shows and can take keys
    // and types the keys into it; false when none came.
    bool openMenu(const QStringList& arguments, const QStringList& keys);
    // Starts a program (openbox, trayer, a probe) on this display, ended before the server.
    QProcess& startProgram(const QString& program, const QStringList& arguments);
    // What a window manager sends when the user closes a window (Alt+F4).
    void sendDeleteWindow(Window window);

private:
    bool waitForFreePointer();
    // The mapped windows that bypass the manager: menus and tooltips.
    std::vector<Window> popupsShown();
    QProcessEnvironment environment() const;
    QProcess xvfb;
    std::vector<std::unique_ptr<QProcess>> programs;
    Display* display = nullptr;
    QString name;
};
