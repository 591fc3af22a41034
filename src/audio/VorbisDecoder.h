#pragma once

#include <memory>

#include "audio/Decoder.h"

class QString;
struct OggVorbis_File;

// Ogg Vorbis through the reference decoder, libvorbisfile, whose seeking is sample-exact
// (libsndfile's Vorbis seeking landed hundreds of frames off).
class VorbisDecoder : public Decoder {
public:
    // Null when the file is no Ogg Vorbis stream.
    static std::unique_ptr<Decoder> open(const QString& path);
    ~VorbisDecoder() override;

    size_t read(float* out, size_t frameCount) override;
    bool seek(int64_t frame) override;

private:
    VorbisDecoder(std::unique_ptr<OggVorbis_File> file, const Format& format);

    std::unique_ptr<OggVorbis_File> file;
};
