#pragma once

#include <QPushButton>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/ClickReporting.h"

// A push button that reports a click released inside it. The owner places it.
class WinButton : public QPushButton, public Callable {
    Q_OBJECT

public:
    WinButton(QWidget* parent, const QString& caption);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickReporting clicks;
};
