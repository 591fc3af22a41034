#pragma once

#include <QWidget>
#include <memory>

#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/CallerPtr.h"
#include "skin_ui/controls/ClickReporting.h"
#include "skin_ui/controls/WinTextBox.h"

// A number box with up and down arrows: the arrows step the number in its text box within the
// range; a click released on the arrows is reported. A number typed above or below the range is
// put back to the limit with a beep, then reported. The receiver must be set before use.
class WinUpDown : public QWidget, public Callable, public CallerPtr {
    Q_OBJECT

public:
    explicit WinUpDown(QWidget* parent);
    ~WinUpDown() override;

    void setRange(int lower, int upper);
    int getLower() const { return lower; }
    int getUpper() const { return upper; }
    void setPosition(int value);
    // The number in the text box, within the range.
    int getPosition() const;
    void enable(bool enabled);

    WinTextBox* getTextBox() const { return textBox.get(); }

    // The text box's reports.
    void callback(Callable* caller) override;

    // Counts the beeps given for out-of-range numbers.
    static int beepCount();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    std::unique_ptr<WinTextBox> textBox;
    ClickReporting clicks;
    int lower = 0;
    int upper = 0;
};
