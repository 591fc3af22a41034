// Any bytes read as the "player" and "resume" files: no crash, and whatever is read survives
// being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/PlayerFiles.h"
#include "common/StoredText.h"

using namespace PlayerFiles;

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PlayerChoices choices = parseChoices(bytes);
    require(parseChoices(serializeChoices(choices)) == choices);
    if (const auto point = parseResumePoint(bytes)) {
        // A path whose one-byte form reads back as other text cannot come back the same.
        if (StoredText::decode(StoredText::encode(point->path)) == point->path) {
            require(parseResumePoint(serializeResumePoint(*point)) == point);
        }
    }
    return 0;
}
