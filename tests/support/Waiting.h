#pragma once
#include <QElapsedTimer>
#include <QThread>
#include <functional>

// Polls the condition until it holds; false when the time is up. Tests wait for what they need,
// never for a fixed time, so a loaded machine makes them slower, not red.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() >= timeoutMs) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}
