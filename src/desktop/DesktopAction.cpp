#include "desktop/DesktopAction.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<DesktopAction, const char*>, 5> names{{
    {DesktopAction::playPause, "play-pause"},
    {DesktopAction::stop, "stop"},
    {DesktopAction::previous, "previous"},
    {DesktopAction::next, "next"},
    {DesktopAction::showPlaylist, "playlist"},
}};

}  // namespace

QString DesktopActions::nameOf(DesktopAction action) {
    for (const auto& [known, name] : names) {
        if (known == action) {
            return QString::fromLatin1(name);
        }
    }
    return {};
}

std::optional<DesktopAction> DesktopActions::fromName(const QString& name) {
    for (const auto& [action, known] : names) {
        if (name == QLatin1String(known)) {
            return action;
        }
    }
    return std::nullopt;
}
