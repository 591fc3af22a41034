#pragma once

#include <memory>

#include "audio/Decoder.h"

class QString;
struct OggOpusFile;

// Ogg Opus through libopusfile, always at 48 kHz and in stereo (libopusfile mixes any layout and
// any chained link down or up to it): the pre-skip and the end trim are left out, the header's
// output gain is applied, and seeking is sample-exact.
class OpusDecoder : public Decoder {
public:
    static constexpr int outputRate = 48000;

    // Null when the file is no Ogg Opus stream.
    static std::unique_ptr<Decoder> open(const QString& path);
    ~OpusDecoder() override;

    size_t read(float* out, size_t frameCount) override;
    bool seek(int64_t frame) override;

private:
    OpusDecoder(OggOpusFile* file, int64_t frames);

    OggOpusFile* file;
};
