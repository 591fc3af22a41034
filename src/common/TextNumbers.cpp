#include "common/TextNumbers.h"

#include <limits>

namespace {

// Reads [blanks][sign]digits like a wide string stream does; false when no digit follows.
// Values beyond the range of the target type fail like a stream extraction does.
bool readLeadingInteger(const QString& text, bool allowNegative, int64_t limitLow,
                        int64_t limitHigh, int64_t& value) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    qsizetype firstDigit = i;
    int64_t magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude > limitHigh + 1) {
            return false;
        }
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    if (negative && !allowNegative) {
        // An unsigned stream read of "-5" wraps; stored files never hold one, so read it as 0.
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return value >= limitLow && value <= limitHigh;
}

}  // namespace

int32_t TextNumbers::toInt(const QString& text) {
    int64_t value = 0;
    if (!readLeadingInteger(text, true, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max(), value)) {
        return 0;
    }
    return static_cast<int32_t>(value);
}

uint32_t TextNumbers::toUnsigned(const QString& text) {
    int64_t value = 0;
    if (!readLeadingInteger(text, false, 0, std::numeric_limits<uint32_t>::max(), value)) {
        return 0;
    }
    return static_cast<uint32_t>(value);
}

bool TextNumbers::toBool(const QString& text) {
    return toInt(text) == 1;
}
