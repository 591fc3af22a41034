// Any bytes read as a skin window file or a window count file: no crash, no hang, no endless
// element list, and whatever is read survives being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skins/SkinWindowFile.h"
#include "skins/WindowCountFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    // Every record takes at least one line of the file.
    if (window.elements.size() > static_cast<size_t>(bytes.count('\n')) + 1) {
        std::abort();
    }
    SkinWindowFile reread = SkinWindowFile::parse(window.serialize());
    if (reread.stoppedAtInvalidType) {
        std::abort();
    }
    reread.stoppedAtInvalidType = window.stoppedAtInvalidType;
    if (!(reread == window)) {
        std::abort();
    }

    const int count = WindowCountFile::parse(bytes);
    if (count < 0 || count > WindowCountFile::maxCount) {
        std::abort();
    }
    return 0;
}
