#include "skin_ui/controls/WinCombobox.h"

#include "skin_ui/controls/ControlFont.h"
#include "skin_ui/controls/KeySwallowing.h"

WinCombobox::WinCombobox(QWidget* parent) : QComboBox(parent) {
    setGeometry(0, 0, 0, 0);
    setEditable(false);
    ControlFont::apply(this);
    colours.set(this, colours.getBackground(), colours.getText());
    // A choice of the user (mouse or keys), never a change made by the program.
    connect(this, &QComboBox::activated, this, [this] { report(); });
}

bool WinCombobox::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        KeySwallowing::isTabOrEnter(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QComboBox::event(event);
}
