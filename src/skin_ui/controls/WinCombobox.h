#pragma once

#include <QComboBox>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/ControlColours.h"

// A drop-down list that reports when the user picks an entry.
class WinCombobox : public QComboBox, public Callable {
    Q_OBJECT

public:
    explicit WinCombobox(QWidget* parent);

    void setColours(ColourRef background, ColourRef text) { colours.set(this, background, text); }
    ColourRef getBackgroundColour() const { return colours.getBackground(); }
    ColourRef getTextColour() const { return colours.getText(); }

protected:
    bool event(QEvent* event) override;

private:
    ControlColours colours;
};
