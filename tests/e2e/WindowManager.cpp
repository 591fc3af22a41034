#include "WindowManager.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QThread>

#include "XServer.h"

#include <X11/Xatom.h>

namespace {

// A manager that follows the desktop conventions names itself on the root window.
bool managerAnnounced(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        count == 1;
    if (data) {
        XFree(data);
    }
    return found;
}

}  // namespace

WindowManager::WindowManager(XServer& x) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", x.displayName());
    openbox.setProcessEnvironment(environment);
    openbox.start("openbox",
                  {"--config-file", QStringLiteral(VESK_SOURCE_DIR "/tests/e2e/openbox-rc.xml")});
    if (!openbox.waitForStarted(5000)) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000 && openbox.state() == QProcess::Running) {
        if (managerAnnounced(x.raw())) {
            running = true;
            return;
        }
        QThread::msleep(20);
    }
}

WindowManager::~WindowManager() {
    openbox.terminate();
    if (!openbox.waitForFinished(5000)) {
        openbox.kill();
        openbox.waitForFinished(5000);
    }
}
