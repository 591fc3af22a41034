#pragma once

#include <cstdio>
#include <memory>

#include "audio/Decoder.h"

class QString;
struct openmpt_module;

// Tracker modules (MOD, IT, S3M, XM and the other formats libopenmpt knows), rendered in
// stereo, played once through without looping.
class OpenMptDecoder : public Decoder {
public:
    static constexpr int renderRate = 44100;

    // Null when the file is no module libopenmpt can play.
    static std::unique_ptr<Decoder> open(const QString& path);
    ~OpenMptDecoder() override;

    size_t read(float* out, size_t frameCount) override;
    bool seek(int64_t frame) override;

private:
    OpenMptDecoder(std::FILE* file, openmpt_module* module, int64_t frames);

    std::FILE* file;
    openmpt_module* module;
};
