#pragma once

// The player commands a button can carry, by the function id stored in the skin window files.
// Buttons, the start-up restore, the tray and the desktop's media controls all run them
// through the one command door (Dispatcher::run).
enum class ButtonCommand : int {
    close = -1,
    options = 0,
    playPause = 1,
    stop = 2,
    previous = 3,
    next = 4,
    mute = 5,
    expand = 6,
    shuffle = 7,
    repeat = 8,
    repeatOne = 9,
    returnToStart = 10,
    open = 11,
    save = 12,
};

inline constexpr int firstButtonCommand = static_cast<int>(ButtonCommand::close);
inline constexpr int lastButtonCommand = static_cast<int>(ButtonCommand::save);

constexpr int idOf(ButtonCommand command) {
    return static_cast<int>(command);
}
