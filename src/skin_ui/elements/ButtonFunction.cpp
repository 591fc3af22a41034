#include "skin_ui/elements/ButtonFunction.h"

#include "common/ButtonCommand.h"
#include "playlist/PlayList.h"
#include "playlist/PlayerEvents.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/PlayerState.h"

namespace {

// The player's state a two-state command shows; expand shows its window's (see isOn).
bool playerStateOn(ButtonCommand command) {
    switch (command) {
        case ButtonCommand::playPause:
            return PlayerState::playing();
        case ButtonCommand::mute:
            return PlayerState::muted();
        case ButtonCommand::shuffle:
            return PlayerState::shuffle();
        case ButtonCommand::repeat:
            return PlayerState::repeat();
        default:
            return false;
    }
}

}  // namespace

ButtonFunction::ButtonFunction(MainWindow* owner, int function, int sizeClass)
    : Button(owner, sizeClass), function(function) {
    setFunction(function);
    const PlayerEvents& events = PlayList::instance().events();
    connect(&events, &PlayerEvents::stateChanged, this, &ButtonFunction::showState);
    connect(&events, &PlayerEvents::muteChanged, this, &ButtonFunction::showState);
    connect(&events, &PlayerEvents::modesChanged, this, &ButtonFunction::showState);
    if (owner) {
        connect(owner, &MainWindow::expandedChanged, this, &ButtonFunction::showState);
    }
}

ButtonFunction::ButtonFunction(MainWindow* owner, const Record& record)
    : ButtonFunction(owner, record.function, static_cast<int>(record.sizeClass)) {
    applyCommonSettings(record);
}

Element::Record ButtonFunction::newRecord() {
    return {.type = ElementType::button,
            .function = idOf(ButtonCommand::playPause),
            .sizeClass = startSizeClass};
}

void ButtonFunction::writeOwnSettings(Record& record) const {
    record.function = function;
}

void ButtonFunction::applyOwnSettings(const Record& record) {
    if (function != record.function) {
        setFunction(record.function);
    }
    setSizeClass(static_cast<int>(record.sizeClass));
}

QString ButtonFunction::nameOf(int id) {
    const ButtonCommandRow* row = buttonCommandRow(id);
    return row ? QString(row->tooltip) : QString();
}

QString ButtonFunction::pictureOf(int id, bool on) {
    const ButtonCommandRow* row = buttonCommandRow(id);
    if (!row) {
        return QString();
    }
    return on && row->pictureWhenOn ? row->pictureWhenOn : row->picture;
}

bool ButtonFunction::isOn() const {
    if (function == idOf(ButtonCommand::expand)) {
        return getOwner() && getOwner()->isExpanded();
    }
    return playerStateOn(static_cast<ButtonCommand>(function));
}

void ButtonFunction::showState() {
    if (!isKnownFunction(function)) {
        return;
    }
    const QString picture = pictureOf(function, isOn());
    if (!getBitmap() || getBitmap()->getName() != picture) {
        setPicture(picture);
        update();
    }
}

void ButtonFunction::setFunction(int newFunction) {
    function = newFunction;
    if (isKnownFunction(newFunction)) {
        setPicture(pictureOf(newFunction, isOn()));
        setTooltipText(nameOf(newFunction));
    }
    update();
}
