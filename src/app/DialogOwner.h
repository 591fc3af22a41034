#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// The skin window a dialog belongs to: the one the user last pressed (the action came from
// there), else the first skin window. Watches the application's mouse presses.
class DialogOwner : public QObject {
public:
    explicit DialogOwner(std::function<QWidget*()> firstWindow);
    ~DialogOwner() override;

    // The window, or none when no skin window is left.
    QWidget* current() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QWidget*()> firstWindow;
    QPointer<QWidget> lastPressed;
};
