#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>

class QWidget;

// Runs work once, after a window's first frame has reached the window system, so that what
// does not draw (the bus registration, the tray icon) waits until the user sees the player. A
// window the desktop does not show at once (mapped minimised, fully covered) must not hold that
// work back: after `latest` it runs anyway. Without a window, or once the window is gone, it runs
// as soon as the event loop turns. The owner keeps it for as long as the work may run: gone with
// it, the work is dropped (a player closed before its first frame registers nothing).
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void()> work,
               std::chrono::milliseconds latest = std::chrono::seconds(2));

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QPointer<QWidget> window;
    std::function<void()> work;
    QTimer fallback;
    bool painted = false;
};
