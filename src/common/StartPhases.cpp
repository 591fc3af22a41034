#include "common/StartPhases.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <unistd.h>

namespace {

bool wanted() {
    static const bool asked = std::getenv("VESK_START_PHASES") != nullptr;
    return asked;
}

}  // namespace

void StartPhases::mark(const char* name) {
    if (!wanted()) {
        return;
    }
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    char line[128];
    const int length = std::snprintf(line, sizeof line, "start-phase %s %lld.%09ld\n", name,
                                     static_cast<long long>(now.tv_sec), now.tv_nsec);
    // One write, unbuffered: the launcher's marks go out before it replaces itself.
    if (length > 0) {
        [[maybe_unused]] const ssize_t written =
            ::write(STDERR_FILENO, line, std::min<size_t>(length, sizeof line - 1));
    }
}
