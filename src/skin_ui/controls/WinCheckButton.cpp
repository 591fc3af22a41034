#include "skin_ui/controls/WinCheckButton.h"

WinCheckButton::WinCheckButton(QWidget* parent, const QString& caption)
    : ReportingButton(parent, caption) {}
