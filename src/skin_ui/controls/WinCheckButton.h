#pragma once

#include <QCheckBox>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/ClickReporting.h"

// A check box that reports a click released inside it. The report comes before the box changes
// its state, so the receiver reads the state from before the click.
class WinCheckButton : public QCheckBox, public Callable {
    Q_OBJECT

public:
    WinCheckButton(QWidget* parent, const QString& caption);

    bool isChecked() const { return checkState() == Qt::Checked; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickReporting clicks;
};
