#pragma once

#include <string>
#include <string_view>

// Skin windows place themselves in screen coordinates (snapping, saved positions), which a native
// Wayland client may not do. On a Wayland desktop the player therefore runs on XWayland, unless
// the user chose a platform plugin.
namespace PlatformChoice {

// The QT_QPA_PLATFORM value to set, or empty to leave Qt's own choice. Wayland is still tried
// after xcb, so a desktop without XWayland gets a player rather than none.
std::string forSession(std::string_view userPlatform, std::string_view waylandDisplay,
                       std::string_view sessionType);

// Applies forSession to this process's environment; call before the application object exists.
void apply();

}  // namespace PlatformChoice
