#include "common/DebugLog.h"

#include <cstdio>
#include <mutex>

namespace {
std::mutex& lock() {
    static std::mutex mutex;
    return mutex;
}
DebugLog::Sink& sink() {
    static DebugLog::Sink current;
    return current;
}
}  // namespace

void DebugLog::write(std::string_view line) {
    std::lock_guard guard(lock());
    if (sink()) {
        sink()(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void DebugLog::setSink(Sink newSink) {
    std::lock_guard guard(lock());
    sink() = std::move(newSink);
}
