#pragma once

#include <QPalette>
#include <QWidget>

#include "common/Colour.h"

// The background and text colours of a wrapper's edit field (white and black until its user
// changes them).
class ControlColours {
public:
    void set(QWidget* control, ColourRef newBackground, ColourRef newText) {
        background = newBackground;
        text = newText;
        QPalette palette = control->palette();
        // A disabled field keeps the style's greyed look.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, toQColor(background));
            palette.setColor(group, QPalette::Text, toQColor(text));
        }
        control->setPalette(palette);
    }
    ColourRef getBackground() const { return background; }
    ColourRef getText() const { return text; }

private:
    ColourRef background = makeColour(255, 255, 255);
    ColourRef text = makeColour(0, 0, 0);
};
