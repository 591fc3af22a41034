#include "skin_ui/controls/WinButton.h"

#include "skin_ui/controls/ControlFont.h"
#include "skin_ui/controls/KeySwallowing.h"

WinButton::WinButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
    setGeometry(0, 0, 0, 0);
    setAutoDefault(false);
    ControlFont::apply(this);
}

bool WinButton::event(QEvent* event) {
    // Before QWidget's own handling, which would move the focus on Tab.
    if (event->type() == QEvent::KeyPress &&
        KeySwallowing::isTabOrEnter(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QPushButton::event(event);
}

void WinButton::mousePressEvent(QMouseEvent* event) {
    clicks.pressed(event);
    QPushButton::mousePressEvent(event);
}

void WinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks.pressed(event);
    QPushButton::mouseDoubleClickEvent(event);
}

void WinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks.released(this, event)) {
        report();
    }
    QPushButton::mouseReleaseEvent(event);
}
