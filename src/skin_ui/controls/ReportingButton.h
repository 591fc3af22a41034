#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/ClickReporting.h"
#include "skin_ui/controls/ControlFont.h"
#include "skin_ui/controls/KeySwallowing.h"

// A Qt button of any kind that reports a click released inside it, before the button itself
// reacts to the release, and lets Tab and Enter do nothing. The owner places it.
template <typename QtButton>
class ReportingButton : public QtButton, public Callable {
public:
    ReportingButton(QWidget* parent, const QString& caption) : QtButton(caption, parent) {
        this->setGeometry(0, 0, 0, 0);
        ControlFont::apply(this);
    }

protected:
    bool event(QEvent* event) override {
        // Before QWidget's own handling, which would move the focus on Tab.
        if (event->type() == QEvent::KeyPress &&
            KeySwallowing::isTabOrEnter(static_cast<QKeyEvent*>(event))) {
            return true;
        }
        return QtButton::event(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        clicks.pressed(event);
        QtButton::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        clicks.pressed(event);
        QtButton::mouseDoubleClickEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (clicks.released(this, event)) {
            report();
        }
        QtButton::mouseReleaseEvent(event);
    }

private:
    ClickReporting clicks;
};
