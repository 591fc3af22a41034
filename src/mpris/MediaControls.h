#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "common/ButtonCommand.h"

// What the desktop's media controls ask of the application: commands through the command door
// (quietly, like the tray), the volume as the volume slider sets it, the play position as the
// progress slider sets it, a song added and played at once, and the windows brought to the front.
struct MediaControls {
    std::function<void(ButtonCommand)> run;
    std::function<void(int percent)> setVolume;
    std::function<void(uint32_t ms)> seek;
    std::function<void(const QString& path)> open;
    std::function<void()> raise;
};
