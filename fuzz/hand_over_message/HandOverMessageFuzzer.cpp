// The hand-over message meets any bytes: no crash, no hang; what it accepts holds only absolute
// paths and survives being written and read again unchanged.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "desktop/HandOverMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray received(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto message = HandOverMessage::decode(received);
    if (!message) {
        return 0;
    }
    if (!HandOverMessage::isComplete(received)) {
        std::abort();
    }
    for (const QString& file : message->files) {
        if (!file.startsWith(u'/')) {
            std::abort();
        }
    }
    const auto again = HandOverMessage::decode(message->encode());
    if (!again || again->files != message->files || again->actions != message->actions) {
        std::abort();
    }
    return 0;
}
