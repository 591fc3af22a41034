#pragma once

#include <QPushButton>

#include "skin_ui/controls/ReportingButton.h"

// A push button that reports a click released inside it. The owner places it.
class WinButton : public ReportingButton<QPushButton> {
    Q_OBJECT

public:
    WinButton(QWidget* parent, const QString& caption);
};
