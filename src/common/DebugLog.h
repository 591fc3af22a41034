#pragma once

#include <functional>
#include <string>
#include <string_view>

// The program's debug lines ("play pressed\n", "droped files\n", ...) go to standard output
// as 8-bit text, exactly as given. Tests may route them to a sink of their own.
class DebugLog {
public:
    static void write(std::string_view line);

    // Replaces standard output with the sink (none restores standard output). Used by tests.
    using Sink = std::function<void(std::string_view)>;
    static void setSink(Sink sink);
};
