#include "desktop/PlatformChoice.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The variable's value; empty when it is not set.
std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isWayland(std::string_view sessionType) {
    return std::ranges::equal(
        sessionType, std::string_view("wayland"), [](char given, char wanted) {
            return (given >= 'A' && given <= 'Z' ? given - 'A' + 'a' : given) == wanted;
        });
}

}  // namespace

std::string PlatformChoice::forSession(std::string_view userPlatform,
                                       std::string_view waylandDisplay,
                                       std::string_view sessionType) {
    if (!userPlatform.empty()) {
        return {};
    }
    if (waylandDisplay.empty() && !isWayland(sessionType)) {
        return {};
    }
    return "xcb;wayland";
}

void PlatformChoice::apply() {
    const std::string platform = forSession(
        variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"), variable("XDG_SESSION_TYPE"));
    if (!platform.empty()) {
        ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    }
}
