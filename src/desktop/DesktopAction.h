#pragma once

#include <optional>
#include <string_view>

// A player command the desktop can ask for from outside: the desktop entry's actions, media
// launchers, a second start of the program.
enum class DesktopAction { playPause, stop, previous, next, showPlaylist };

namespace DesktopActions {

// The name used on the command line (after "--") and in the hand-over message.
std::string_view nameOf(DesktopAction action);
std::optional<DesktopAction> fromName(std::string_view name);

}  // namespace DesktopActions
