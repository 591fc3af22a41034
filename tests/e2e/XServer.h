#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
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

    // Top-level windows whose title is the given text, mapped or not; under a window manager the
    // client windows inside its frames.
    std::vector<Window> windowsTitled(const QString& title);
    // Waits (processing nothing else) until count windows with the title are mapped; false on
    // timeout.
    bool waitForMappedWindows(const QString& title, size_t count, int timeoutMs);
    bool isMapped(Window window);
    // Waits for a mapped window with the title other than `other`; 0 on timeout.
    Window waitForWindow(const QString& title, Window other = 0, int timeoutMs = 20000);
    // How many pixels of the window the screen shows in the colour.
    int pixelsOf(Window window, QRgb colour);
    QRect geometryOf(Window window);
    // The geometry once two looks in a row agree (a window manager has placed the window).
    QRect settledGeometry(Window window);
    // Waits until the window has the geometry; false on timeout.
    bool waitForGeometry(Window window, const QRect& wanted, int timeoutMs = 10000);
    // What the screen shows in the area (root window coordinates), as on a screenshot.
    QImage grab(const QRect& area);
    // Real input through the XTEST extension (xdotool): move there, press and release.
    bool click(int x, int y, const QString& button = "1");
    // Waits until no program holds an active grab of the pointer.
    bool waitForFreePointer();
    // Runs xdotool with the arguments on this display; true when it succeeded.
    bool xdotool(const QStringList& arguments);
    // A drag with the button from one screen point to another (through the middle) while the key
    // ("ctrl", "alt") is held, started and ended when no program holds the pointer; true once
    // it is done.
    bool drag(const QString& key, QPoint from, QPoint to, const QString& button = "1");

    // What a window manager sends when the user closes a window (Alt+F4).
    void sendDeleteWindow(Window window);

    Display* raw() { return display; }

private:
    void collectTitled(Window parent, const QString& title, int depth, std::vector<Window>& found);

    QProcess xvfb;
    Display* display = nullptr;
    QString name;
};
