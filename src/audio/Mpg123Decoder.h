#pragma once

#include <memory>

#include "audio/Decoder.h"

class QString;
struct mpg123_handle_struct;

// MP3 (and the other MPEG audio layers) through libmpg123, gapless, with an exact length (from
// the encoder's info frame, or by scanning the frame headers when the file has none) and
// sample-exact seeking.
class Mpg123Decoder : public Decoder {
public:
    // Null when the file holds no MPEG audio.
    static std::unique_ptr<Decoder> open(const QString& path);
    ~Mpg123Decoder() override;

    size_t read(float* out, size_t frameCount) override;
    bool seek(int64_t frame) override;

private:
    Mpg123Decoder(mpg123_handle_struct* handle, int descriptor, const Format& format);

    mpg123_handle_struct* handle;
    int descriptor;
};
