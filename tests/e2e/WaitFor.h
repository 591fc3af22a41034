#pragma once

#include <QElapsedTimer>
#include <QThread>
#include <functional>

// Polls the condition every 50 ms until it holds; false on timeout.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition()) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}
