#pragma once

#include <QProcess>
#include <QStringList>

#include "XServer.h"

// openbox running on a test's X server, started with the test's own configuration and stopped
// with the object.
class WindowManager {
public:
    explicit WindowManager(XServer& x);
    ~WindowManager();

    // True once openbox manages the screen.
    bool isRunning() const { return running; }

    // Whether the manager has the window among its clients.
    static bool manages(XServer& x, Window window);
    // Whether the manager stacks the upper window above the lower one.
    static bool stackedAbove(XServer& x, Window upper, Window lower);
    // The top of the work area the manager announces, or -1.
    static long workAreaTop(XServer& x);

private:
    QProcess openbox;
    bool running = false;
};

// trayer on a test's X server: a panel along an edge that keeps its strip free of other windows,
// and a system tray (XEmbed) inside it. Stopped with the object.
class Trayer {
public:
    Trayer(XServer& x, const QStringList& arguments);
    ~Trayer();

    bool isRunning() const { return started; }

private:
    QProcess process;
    bool started = false;
};
