#pragma once

#include <QProcess>

class XServer;

// openbox running on a test's X server, started with the test's own configuration and stopped
// with the object.
class WindowManager {
public:
    explicit WindowManager(XServer& x);
    ~WindowManager();

    // True once openbox manages the screen.
    bool isRunning() const { return running; }

private:
    QProcess openbox;
    bool running = false;
};
