#pragma once

#include <chrono>
#include <thread>

// Seconds on the monotonic clock, the one time base of every figure the probe prints.
inline double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
