#include "desktop/DesktopAction.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<DesktopAction, std::string_view>, 5> names{{
    {DesktopAction::playPause, "play-pause"},
    {DesktopAction::stop, "stop"},
    {DesktopAction::previous, "previous"},
    {DesktopAction::next, "next"},
    {DesktopAction::showPlaylist, "playlist"},
}};

}  // namespace

std::string_view DesktopActions::nameOf(DesktopAction action) {
    for (const auto& [known, name] : names) {
        if (known == action) {
            return name;
        }
    }
    return {};
}

std::optional<DesktopAction> DesktopActions::fromName(std::string_view name) {
    for (const auto& [action, known] : names) {
        if (name == known) {
            return action;
        }
    }
    return std::nullopt;
}
