#include "audio/SdlConverter.h"

#include <SDL.h>

std::unique_ptr<SdlConverter> SdlConverter::create(int fromRate, int fromChannels, int toRate,
                                                   int toChannels) {
    SDL_AudioStream* stream =
        SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(fromChannels), fromRate, AUDIO_F32SYS,
                           static_cast<Uint8>(toChannels), toRate);
    if (stream == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<SdlConverter>(new SdlConverter(stream, fromChannels, toChannels));
}

SdlConverter::SdlConverter(SDL_AudioStream* stream, int fromChannels, int toChannels)
    : stream(stream),
      inputFrameBytes(sizeof(float) * static_cast<size_t>(fromChannels)),
      outputFrameBytes(sizeof(float) * static_cast<size_t>(toChannels)) {}

SdlConverter::~SdlConverter() {
    SDL_FreeAudioStream(stream);
}

bool SdlConverter::put(const float* frames, size_t count) {
    return SDL_AudioStreamPut(stream, frames, static_cast<int>(count * inputFrameBytes)) == 0;
}

size_t SdlConverter::available() {
    return static_cast<size_t>(SDL_AudioStreamAvailable(stream)) / outputFrameBytes;
}

size_t SdlConverter::get(float* out, size_t count) {
    const int got = SDL_AudioStreamGet(stream, out, static_cast<int>(count * outputFrameBytes));
    return got > 0 ? static_cast<size_t>(got) / outputFrameBytes : 0;
}

void SdlConverter::flush() {
    SDL_AudioStreamFlush(stream);
}

void SdlConverter::clear() {
    SDL_AudioStreamClear(stream);
}
