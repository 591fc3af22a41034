// The hand-over message meets any bytes: no crash, no hang; what it accepts holds only absolute
// paths and survives being written and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "desktop/HandOverMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view received(reinterpret_cast<const char*>(data), size);
    const auto message = HandOverMessage::decode(received);
    if (!message) {
        return 0;
    }
    if (!HandOverMessage::isComplete(received)) {
        std::abort();
    }
    for (const std::string& file : message->files) {
        if (!file.starts_with('/')) {
            std::abort();
        }
    }
    const auto again = HandOverMessage::decode(message->encode());
    if (!again || again->files != message->files || again->actions != message->actions) {
        std::abort();
    }
    return 0;
}
