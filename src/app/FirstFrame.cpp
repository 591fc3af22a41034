#include "app/FirstFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

FirstFrame::FirstFrame(QWidget* watched, std::function<void()> givenWork,
                       std::chrono::milliseconds latest)
    : window(watched), work(std::move(givenWork)) {
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, this, &FirstFrame::finish);
    if (!window) {
        fallback.start(0);
        return;
    }
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, &fallback, [this] { fallback.start(0); });
    fallback.start(latest);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !painted) {
        painted = true;
        watched->removeEventFilter(this);
        // The frame is on its way once this paint and its flush are done: the work comes
        // after them in the event loop.
        fallback.start(0);
    }
    return false;
}

void FirstFrame::finish() {
    if (!work) {
        return;
    }
    if (painted) {
        // The window system has the frame before anything else is asked of it.
        QGuiApplication::sync();
    }
    if (window) {
        window->removeEventFilter(this);
    }
    const std::function<void()> runOnce = std::move(work);
    work = nullptr;
    runOnce();
}
