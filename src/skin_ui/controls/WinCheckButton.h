#pragma once

#include <QCheckBox>

#include "skin_ui/controls/ReportingButton.h"

// A check box that reports a click released inside it. The report comes before the box changes
// its state, so the receiver reads the state from before the click.
class WinCheckButton : public ReportingButton<QCheckBox> {
    Q_OBJECT

public:
    WinCheckButton(QWidget* parent, const QString& caption);

    bool isChecked() const { return checkState() == Qt::Checked; }
};
