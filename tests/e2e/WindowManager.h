#pragma once

#include <QProcess>
#include <QStringList>

#include "XServer.h"

// A program of the desktop (trayer: a panel along an edge that keeps its strip free of other
// windows, with a system tray inside) running on a test's X server, stopped with the object.
class DesktopProgram {
public:
    DesktopProgram(XServer& x, const QString& program, const QStringList& arguments);
    ~DesktopProgram();
    bool isRunning() const { return running; }

protected:
    QProcess process;
    bool running = false;
};

// openbox with the test's own configuration.
class WindowManager : public DesktopProgram {
public:
    explicit WindowManager(XServer& x);

    // Whether the manager has the window among its clients.
    static bool manages(XServer& x, Window window);
    // Whether the manager stacks the upper window above the lower one.
    static bool stackedAbove(XServer& x, Window upper, Window lower);
    // The top of the work area the manager announces, or -1.
    static long workAreaTop(XServer& x);
};
