#pragma once

#include <iterator>

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

constexpr int idOf(ButtonCommand command) {
    return static_cast<int>(command);
}

// Everything shown of one command, in one row: the element menu, the tooltips, the pictures and
// the art checker (tools/skinart/check.sh) read this table, and a new command is one more row.
struct ButtonCommandRow {
    ButtonCommand command;
    // The button's tooltip.
    const char* tooltip;
    // The entry in the element menu's "Function" submenu.
    const char* menuTitle;
    const char* picture;
    // The picture while the command's state is on; null for a command without a state.
    const char* pictureWhenOn;
    // False for a command shown but without an action (greyed in the menu).
    bool runs;
};

// In id order, one row per id. Pictures named with a number are in the built-in set.
inline constexpr ButtonCommandRow buttonCommands[] = {
    {ButtonCommand::close, "close", "close", "100_close.bmp", nullptr, true},
    {ButtonCommand::options, "options", "options", "101_options.bmp", nullptr, true},
    {ButtonCommand::playPause, "play/pause", "play", "102_play.bmp", "103_pause.bmp", true},
    {ButtonCommand::stop, "stop", "stop", "104_stop.bmp", nullptr, true},
    {ButtonCommand::previous, "prev", "prev", "105_prev.bmp", nullptr, true},
    {ButtonCommand::next, "next", "next", "106_next.bmp", nullptr, true},
    {ButtonCommand::mute, "mute", "mute", "107_mute_0.bmp", "108_mute_1.bmp", true},
    {ButtonCommand::expand, "expand", "expand", "109_expand_0.bmp", "110_expand_1.bmp", true},
    {ButtonCommand::shuffle, "shuffle", "shuffle", "111_shuffle_0.bmp", "112_shuffle_1.bmp", true},
    {ButtonCommand::repeat, "repeat", "repeat", "113_repeat_0.bmp", "114_repeat_1.bmp", true},
    {ButtonCommand::repeatOne, "repeat1", "repeat1", "repeat1_0.bmp", nullptr, false},
    {ButtonCommand::returnToStart, "return", "return", "115_return.bmp", nullptr, true},
    {ButtonCommand::open, "open..", "open..", "116_openfile.bmp", nullptr, true},
    {ButtonCommand::save, "save..", "save..", "117_savefile.bmp", nullptr, true},
};

inline constexpr int firstButtonCommand = idOf(std::begin(buttonCommands)->command);
inline constexpr int lastButtonCommand = idOf(std::prev(std::end(buttonCommands))->command);

// The row of the id; null for an id no command has.
constexpr const ButtonCommandRow* buttonCommandRow(int id) {
    if (id < firstButtonCommand || id > lastButtonCommand) {
        return nullptr;
    }
    return &buttonCommands[id - firstButtonCommand];
}

namespace ButtonCommandTable {

constexpr bool inIdOrder() {
    for (int id = firstButtonCommand; id <= lastButtonCommand; ++id) {
        if (idOf(buttonCommandRow(id)->command) != id) {
            return false;
        }
    }
    return true;
}
static_assert(inIdOrder(), "one row per id, in id order");

}  // namespace ButtonCommandTable
