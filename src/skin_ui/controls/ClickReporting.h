#pragma once

#include <QMouseEvent>
#include <QWidget>

// The click rule of the button-like wrappers: a left press arms the control, and the release
// counts as a click only when it is inside the control.
class ClickReporting {
public:
    void pressed(const QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            armed = true;
        }
    }
    // True when the release completes a click.
    bool released(const QWidget* control, const QMouseEvent* event) {
        if (event->button() != Qt::LeftButton) {
            return false;
        }
        const bool click = armed && control->rect().contains(event->position().toPoint());
        armed = false;
        return click;
    }
    bool isArmed() const { return armed; }

private:
    bool armed = false;
};
