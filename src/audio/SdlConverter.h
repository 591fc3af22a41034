#pragma once

#include <memory>

#include "audio/SampleConverter.h"

struct _SDL_AudioStream;

// SampleConverter through an SDL audio stream.
class SdlConverter : public SampleConverter {
public:
    // Null when SDL cannot convert between the two formats.
    static std::unique_ptr<SdlConverter> create(int fromRate, int fromChannels, int toRate,
                                                int toChannels);
    ~SdlConverter() override;
    SdlConverter(const SdlConverter&) = delete;
    SdlConverter& operator=(const SdlConverter&) = delete;

    bool put(const float* frames, size_t count) override;
    size_t available() override;
    size_t get(float* out, size_t count) override;
    void flush() override;
    void clear() override;

private:
    SdlConverter(_SDL_AudioStream* stream, int fromChannels, int toChannels);

    _SDL_AudioStream* const stream;
    const size_t inputFrameBytes;
    const size_t outputFrameBytes;
};
