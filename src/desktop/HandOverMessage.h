#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "desktop/DesktopAction.h"

// What a second start hands to the running copy: absolute paths to add, in order, then player
// commands, in order. On the wire: a header, then records of one kind byte and a payload, each
// ended by a zero byte ('F' path, 'A' action name, 'E' the end, without payload). Paths are
// bytes as the file system has them, and a zero byte is the one byte no path can hold.
struct HandOverMessage {
    QStringList files;
    std::vector<DesktopAction> actions;

    // Larger messages are refused (a command line is at most a couple of MiB on Linux).
    static constexpr qsizetype maximumSize = 4 * 1024 * 1024;
    // What the running copy answers once everything is queued.
    static constexpr char acknowledgement[] = "ok\n";

    QByteArray encode() const;
    // True once the bytes hold the end record; they may still be garbage.
    static bool isComplete(const QByteArray& received);
    // None unless the bytes are exactly one well-formed message with known actions.
    static std::optional<HandOverMessage> decode(const QByteArray& received);
};
