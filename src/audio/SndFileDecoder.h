#pragma once

#include <memory>

#include "audio/Decoder.h"

class QString;
struct sf_private_tag;

// WAV and FLAC, and whatever else libsndfile reads (AIFF, Ogg Opus, ...) except MPEG, which is
// left to the MP3 decoder. Ogg Vorbis goes to the Vorbis decoder first.
class SndFileDecoder : public Decoder {
public:
    // Null when the file does not open as a playable sound.
    static std::unique_ptr<Decoder> open(const QString& path);
    ~SndFileDecoder() override;

    size_t read(float* out, size_t frameCount) override;
    bool seek(int64_t frame) override;

private:
    SndFileDecoder(sf_private_tag* file, const Format& format);

    sf_private_tag* file;
};
