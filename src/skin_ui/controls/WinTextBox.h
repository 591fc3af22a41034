#pragma once

#include <QLineEdit>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/ControlColours.h"

// A one-line text box with centred text. Enter reports; Escape hands the focus to the parent.
// With numbersOnly set, only digits, backspace and delete get in, and each one is reported after
// the text has changed.
class WinTextBox : public QLineEdit, public Callable {
    Q_OBJECT

public:
    explicit WinTextBox(QWidget* parent, const QString& initialText = QString());

    QString getText() const { return text(); }

    void setNumbersOnly(bool value) { numbersOnly = value; }
    bool isNumbersOnly() const { return numbersOnly; }

    void setColours(ColourRef background, ColourRef text) { colours.set(this, background, text); }
    ColourRef getBackgroundColour() const { return colours.getBackground(); }
    ColourRef getTextColour() const { return colours.getText(); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ControlColours colours;
    bool numbersOnly = false;
};
