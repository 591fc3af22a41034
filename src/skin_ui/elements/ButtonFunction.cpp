#include "skin_ui/elements/ButtonFunction.h"

#include "skin_ui/elements/PlayerState.h"

namespace {

struct FunctionEntry {
    const char* name;
    const char* picture;
    const char* pictureWhenOn;  // null for one-state functions
    bool (*isOn)();
};

// Indexed by function id + 1.
const FunctionEntry functionTable[] = {
    {"close", "100_close.bmp", nullptr, nullptr},
    {"options", "101_options.bmp", nullptr, nullptr},
    {"play/pause", "102_play.bmp", "103_pause.bmp", PlayerState::playing},
    {"stop", "104_stop.bmp", nullptr, nullptr},
    {"prev", "105_prev.bmp", nullptr, nullptr},
    {"next", "106_next.bmp", nullptr, nullptr},
    {"mute", "107_mute_0.bmp", "108_mute_1.bmp", PlayerState::muted},
    // Always starts collapsed: the expanded picture is set only after the window expands.
    {"expand", "109_expand_0.bmp", "110_expand_1.bmp", nullptr},
    {"shuffle", "111_shuffle_0.bmp", "112_shuffle_1.bmp", PlayerState::shuffle},
    {"repeat", "113_repeat_0.bmp", "114_repeat_1.bmp", PlayerState::repeat},
    {"repeat1", "repeat1_0.bmp", nullptr, nullptr},
    {"return", "115_return.bmp", nullptr, nullptr},
    {"open..", "116_openfile.bmp", nullptr, nullptr},
    {"save..", "117_savefile.bmp", nullptr, nullptr},
};

const FunctionEntry& entryOf(int id) {
    return functionTable[id - ButtonFunction::firstFunction];
}

}  // namespace

ButtonFunction::ButtonFunction(MainWindow* owner, int function)
    : Button(owner), function(function) {
    setFunction(function);
}

QString ButtonFunction::nameOf(int id) {
    return isKnownFunction(id) ? QString(entryOf(id).name) : QString();
}

QString ButtonFunction::pictureOf(int id) {
    if (!isKnownFunction(id)) {
        return QString();
    }
    const FunctionEntry& entry = entryOf(id);
    return pictureOf(id, entry.isOn && entry.isOn());
}

QString ButtonFunction::pictureOf(int id, bool on) {
    if (!isKnownFunction(id)) {
        return QString();
    }
    const FunctionEntry& entry = entryOf(id);
    return on && entry.pictureWhenOn ? entry.pictureWhenOn : entry.picture;
}

void ButtonFunction::setFunction(int newFunction) {
    function = newFunction;
    if (isKnownFunction(newFunction)) {
        setPicture(pictureOf(newFunction));
        setTooltipText(nameOf(newFunction));
    }
    update();
}
