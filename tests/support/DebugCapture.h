#pragma once
#include <mutex>
#include <string>
#include "common/DebugLog.h"

// Collects the debug lines written while it is alive.
class DebugCapture {
public:
    DebugCapture() {
        DebugLog::setSink([this](std::string_view line) {
            std::lock_guard guard(mutex);
            text.append(line);
        });
    }
    ~DebugCapture() { DebugLog::setSink({}); }
    std::string lines() {
        std::lock_guard guard(mutex);
        return text;
    }

private:
    std::mutex mutex;
    std::string text;
};
