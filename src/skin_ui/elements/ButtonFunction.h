#pragma once

#include <QString>

#include "common/ButtonCommand.h"
#include "skin_ui/elements/Button.h"

// A button bound to one player function by its id (a ButtonCommand); the command's row of the
// table chooses the picture and the tooltip. A two-state function's picture follows its state by
// itself: the player's (play/pause, mute, shuffle, repeat) through the player's events, the
// window's (expand) through its window. Nothing else sets the picture of a state.
class ButtonFunction : public Button {
    Q_OBJECT

public:
    static constexpr int firstFunction = firstButtonCommand;
    static constexpr int lastFunction = lastButtonCommand;

    ButtonFunction(MainWindow* owner, int function, int sizeClass = startSizeClass);
    // The button a window file record describes.
    ButtonFunction(MainWindow* owner, const Record& record);
    // The record of a button new to its window: play/pause.
    static Record newRecord();

    // Stores the id; a known id also sets its picture and tooltip text.
    void setFunction(int newFunction);
    int getFunction() const { return function; }

    static bool isKnownFunction(int id) { return id >= firstFunction && id <= lastFunction; }
    // The function's name, which is also its tooltip text ("close", "play/pause", ...).
    static QString nameOf(int id);
    // The picture for the function in the given state; one-state functions have one picture.
    static QString pictureOf(int id, bool on);

protected:
    void writeOwnSettings(Record& record) const override;
    void applyOwnSettings(const Record& record) override;

private:
    // Shows the picture of the function's state as it is now.
    void showState();
    bool isOn() const;

    int function;
};
