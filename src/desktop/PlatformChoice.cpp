#include "desktop/PlatformChoice.h"

#include <QtGlobal>

QByteArray PlatformChoice::forSession(const QByteArray& userPlatform,
                                      const QByteArray& waylandDisplay,
                                      const QByteArray& sessionType) {
    if (!userPlatform.isEmpty()) {
        return {};
    }
    if (waylandDisplay.isEmpty() && sessionType.toLower() != "wayland") {
        return {};
    }
    return "xcb;wayland";
}

void PlatformChoice::apply() {
    const QByteArray platform = forSession(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                                           qgetenv("XDG_SESSION_TYPE"));
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
}
