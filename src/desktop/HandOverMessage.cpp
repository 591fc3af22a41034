#include "desktop/HandOverMessage.h"

namespace {

using namespace std::string_view_literals;

constexpr std::string_view header = "VeskPlayer hand-over 1\0"sv;
constexpr std::string_view endRecord = "\0E\0"sv;

void appendRecord(std::string& bytes, char kind, std::string_view payload) {
    bytes += kind;
    bytes += payload;
    bytes += '\0';
}

}  // namespace

std::string HandOverMessage::encode() const {
    std::string bytes(header);
    for (const std::string& file : files) {
        appendRecord(bytes, 'F', file);
    }
    for (DesktopAction action : actions) {
        appendRecord(bytes, 'A', DesktopActions::nameOf(action));
    }
    appendRecord(bytes, 'E', {});
    return bytes;
}

bool HandOverMessage::isComplete(std::string_view received) {
    return received.ends_with(endRecord);
}

std::optional<HandOverMessage> HandOverMessage::decode(std::string_view received) {
    if (!received.starts_with(header) || received.size() > maximumSize) {
        return std::nullopt;
    }
    HandOverMessage message;
    size_t at = header.size();
    while (at < received.size()) {
        const size_t end = received.find('\0', at);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view record = received.substr(at, end - at);
        at = end + 1;
        if (record.empty()) {
            return std::nullopt;  // no kind
        }
        const char kind = record.front();
        const std::string_view payload = record.substr(1);
        if (kind == 'E' && payload.empty()) {
            return at == received.size() ? std::optional(message) : std::nullopt;
        }
        if (kind == 'F' && payload.starts_with('/')) {
            message.files.emplace_back(payload);
        } else if (const auto action = DesktopActions::fromName(payload); kind == 'A' && action) {
            message.actions.push_back(*action);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no end record
}
