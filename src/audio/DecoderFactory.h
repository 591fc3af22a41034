#pragma once

#include <memory>

#include "audio/Decoder.h"

class QString;

// Opens a sound file with the decoder its extension names, and when that fails (a wrong or
// missing extension) with each of the other decoders in turn, so the content decides.
class DecoderFactory {
public:
    // Null when no decoder can play the file: missing, empty, damaged, or in no known format.
    static std::unique_ptr<Decoder> open(const QString& path);
};
