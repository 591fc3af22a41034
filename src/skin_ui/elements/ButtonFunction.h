#pragma once

#include <QString>

#include "skin_ui/elements/Button.h"

// A button bound to one player function by its id (-1 "close" .. 12 "save.."); the id chooses
// the picture and the tooltip. Two-state functions start with the picture of the current state.
class ButtonFunction : public Button {
    Q_OBJECT

public:
    static constexpr int firstFunction = -1;
    static constexpr int lastFunction = 12;

    ButtonFunction(MainWindow* owner, int function);

    // Stores the id; a known id also sets its picture and tooltip text.
    void setFunction(int newFunction);
    int getFunction() const { return function; }

    static bool isKnownFunction(int id) { return id >= firstFunction && id <= lastFunction; }
    // The function's name, which is also its tooltip text ("close", "play/pause", ...).
    static QString nameOf(int id);
    // The picture for the function in the player's current state.
    static QString pictureOf(int id);
    // The picture for the function in the given state; one-state functions have one picture.
    static QString pictureOf(int id, bool on);

private:
    int function;
};
