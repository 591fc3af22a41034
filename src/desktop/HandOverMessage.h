#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/DesktopAction.h"

// What a second start hands to the running copy: absolute paths to add, in order, then player
// commands, in order. On the wire: a header, then records of one kind byte and a payload, each
// ended by a zero byte ('F' path, 'A' action name, 'E' the end, without payload). Paths are
// bytes as the file system has them, and a zero byte is the one byte no path can hold.
struct HandOverMessage {
    std::vector<std::string> files;
    std::vector<DesktopAction> actions;

    // Larger messages are refused (a command line is at most a couple of MiB on Linux).
    static constexpr size_t maximumSize = 4 * 1024 * 1024;
    // What the running copy answers once everything is queued.
    static constexpr std::string_view acknowledgement = "ok\n";

    std::string encode() const;
    // True once the bytes hold the end record; they may still be garbage.
    static bool isComplete(std::string_view received);
    // None unless the bytes are exactly one well-formed message with known actions.
    static std::optional<HandOverMessage> decode(std::string_view received);
};
