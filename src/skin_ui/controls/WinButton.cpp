#include "skin_ui/controls/WinButton.h"

WinButton::WinButton(QWidget* parent, const QString& caption) : ReportingButton(parent, caption) {
    setAutoDefault(false);
}
