#include "WindowManager.h"

#include <QProcessEnvironment>
#include <algorithm>
#include <vector>

#include "support/Waiting.h"

#include <X11/Xatom.h>

namespace {

// Up to `most` values of the root window's property, empty when it is not set.
std::vector<unsigned long> rootProperty(XServer& x, const char* name, Atom type, long most) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(x.raw(), DefaultRootWindow(x.raw()), XInternAtom(x.raw(), name, False),
                           0, most, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        data) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
        XFree(data);
    }
    return values;
}

}  // namespace

DesktopProgram::DesktopProgram(XServer& x, const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", x.displayName());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    running = process.waitForStarted(5000);
}

DesktopProgram::~DesktopProgram() {
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

WindowManager::WindowManager(XServer& x)
    : DesktopProgram(
          x, "openbox",
          {"--config-file", QStringLiteral(VESK_SOURCE_DIR "/tests/e2e/openbox-rc.xml")}) {
    // A manager that follows the desktop conventions names itself on the root window.
    running = running && waitFor([&] {
                  return process.state() == QProcess::Running &&
                         rootProperty(x, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, 1).size() == 1;
              });
}

bool WindowManager::manages(XServer& x, Window window) {
    const auto clients = rootProperty(x, "_NET_CLIENT_LIST_STACKING", XA_WINDOW, 1024);
    return std::find(clients.begin(), clients.end(), window) != clients.end();
}

bool WindowManager::stackedAbove(XServer& x, Window upper, Window lower) {
    // The managed windows from bottom to top.
    const auto order = rootProperty(x, "_NET_CLIENT_LIST_STACKING", XA_WINDOW, 1024);
    const auto upperAt = std::find(order.begin(), order.end(), upper);
    const auto lowerAt = std::find(order.begin(), order.end(), lower);
    return upperAt != order.end() && lowerAt != order.end() && upperAt > lowerAt;
}

long WindowManager::workAreaTop(XServer& x) {
    const std::vector<unsigned long> area = rootProperty(x, "_NET_WORKAREA", XA_CARDINAL, 4);
    return area.size() >= 4 ? static_cast<long>(area[1]) : -1;
}
