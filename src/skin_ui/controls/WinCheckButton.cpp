#include "skin_ui/controls/WinCheckButton.h"

#include "skin_ui/controls/ControlFont.h"
#include "skin_ui/controls/KeySwallowing.h"

WinCheckButton::WinCheckButton(QWidget* parent, const QString& caption)
    : QCheckBox(caption, parent) {
    setGeometry(0, 0, 0, 0);
    ControlFont::apply(this);
}

bool WinCheckButton::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        KeySwallowing::isTabOrEnter(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QCheckBox::event(event);
}

void WinCheckButton::mousePressEvent(QMouseEvent* event) {
    clicks.pressed(event);
    QCheckBox::mousePressEvent(event);
}

void WinCheckButton::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks.pressed(event);
    QCheckBox::mouseDoubleClickEvent(event);
}

void WinCheckButton::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks.released(this, event)) {
        report();
    }
    QCheckBox::mouseReleaseEvent(event);
}
