#include "audio/PlayingSound.h"

#include <SDL.h>
#include <algorithm>

#include "audio/DecoderFactory.h"

namespace {

constexpr size_t decodeBlockFrames = 4096;

uint32_t framesToMs(int64_t frames, int rate) {
    return static_cast<uint32_t>(std::min<int64_t>(frames * 1000 / rate, UINT32_MAX));
}

}  // namespace

std::shared_ptr<PlayingSound> PlayingSound::open(const QString& path, int outputRate,
                                                 int outputChannels) {
    std::unique_ptr<Decoder> decoder = DecoderFactory::open(path);
    std::shared_ptr<PlayingSound> sound =
        decoder ? create(std::move(decoder), outputRate, outputChannels) : nullptr;
    if (sound) {
        sound->prime();
    }
    return sound;
}

std::shared_ptr<PlayingSound> PlayingSound::create(std::unique_ptr<Decoder> decoder, int outputRate,
                                                   int outputChannels) {
    SDL_AudioStream* converter = SDL_NewAudioStream(
        AUDIO_F32SYS, static_cast<Uint8>(decoder->channels()), decoder->sampleRate(), AUDIO_F32SYS,
        static_cast<Uint8>(outputChannels), outputRate);
    if (converter == nullptr) {
        return nullptr;
    }
    return std::shared_ptr<PlayingSound>(
        new PlayingSound(std::move(decoder), converter, outputRate, outputChannels));
}

PlayingSound::PlayingSound(std::unique_ptr<Decoder> newDecoder, SDL_AudioStream* converter,
                           int outputRate, int outputChannels)
    : decoder(std::move(newDecoder)),
      converter(converter),
      outputRate(outputRate),
      outputChannels(outputChannels),
      length(framesToMs(decoder->lengthFrames(), decoder->sampleRate())),
      decodeBuffer(decodeBlockFrames * static_cast<size_t>(decoder->channels())),
      passThrough(decoder->sampleRate() == outputRate && decoder->channels() == outputChannels) {}

PlayingSound::~PlayingSound() {
    SDL_FreeAudioStream(converter);
}

uint32_t PlayingSound::positionMs() const {
    std::lock_guard guard(mutex);
    const uint32_t position = framesToMs(seekFrame, decoder->sampleRate()) +
                              framesToMs(static_cast<int64_t>(renderedFrames), outputRate);
    return std::min(position, length);
}

bool PlayingSound::finished() const {
    std::lock_guard guard(mutex);
    return isFinished;
}

bool PlayingSound::setPositionMs(uint32_t position) {
    std::lock_guard guard(mutex);
    if (isFinished) {
        return false;
    }
    const int64_t frame = std::min<int64_t>(
        static_cast<int64_t>(std::min(position, length)) * decoder->sampleRate() / 1000,
        decoder->lengthFrames());
    if (!decoder->seek(frame)) {
        return false;
    }
    SDL_AudioStreamClear(converter);
    seekFrame = frame;
    renderedFrames = 0;
    decodedFrames = 0;
    decoderDone = false;
    return true;
}

bool PlayingSound::paused() const {
    std::lock_guard guard(mutex);
    return isPaused;
}

void PlayingSound::setPaused(bool newPaused) {
    std::lock_guard guard(mutex);
    isPaused = newPaused;
}

void PlayingSound::stop() {
    std::lock_guard guard(mutex);
    isFinished = true;
}

void PlayingSound::prime() {
    std::lock_guard guard(mutex);
    if (!passThrough && decodedFrames == 0 && !decoderDone) {
        decodeBlock();
    }
}

void PlayingSound::setReplayGain(const ReplayGainValues& values) {
    std::lock_guard guard(mutex);
    replayGain = values;
    gain = replayGainFactor(replayGain, replayGainMode);
}

void PlayingSound::setReplayGainMode(ReplayGainMode mode) {
    std::lock_guard guard(mutex);
    replayGainMode = mode;
    gain = replayGainFactor(replayGain, replayGainMode);
}

size_t PlayingSound::render(float* out, size_t frames) {
    std::lock_guard guard(mutex);
    const size_t produced = passThrough ? renderDirect(out, frames) : renderConverted(out, frames);
    // Here, per song, so that the gain changes exactly where one song hands over to the next.
    if (gain != 1.0f) {
        const size_t samples = produced * static_cast<size_t>(outputChannels);
        for (size_t i = 0; i < samples; ++i) {
            out[i] *= gain;
        }
    }
    return produced;
}

size_t PlayingSound::renderConverted(float* out, size_t frames) {
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(outputChannels);
    size_t produced = 0;
    while (produced < frames && !isFinished) {
        const size_t available = static_cast<size_t>(SDL_AudioStreamAvailable(converter));
        size_t wanted = std::min(available / frameBytes, frames - produced);
        if (decoderDone) {
            wanted = std::min<size_t>(wanted, outputEnd - (renderedFrames + produced));
        }
        if (wanted > 0) {
            const int got = SDL_AudioStreamGet(converter, out + produced * outputChannels,
                                               static_cast<int>(wanted * frameBytes));
            if (got <= 0) {
                isFinished = true;
                break;
            }
            produced += static_cast<size_t>(got) / frameBytes;
        } else if (decoderDone) {
            isFinished = true;
        } else {
            decodeBlock();
        }
    }
    renderedFrames += produced;
    return produced;
}

size_t PlayingSound::renderDirect(float* out, size_t frames) {
    size_t produced = 0;
    while (produced < frames && !isFinished) {
        const size_t got =
            decoder->read(out + produced * static_cast<size_t>(outputChannels), frames - produced);
        if (got == 0) {
            isFinished = true;
        }
        produced += got;
    }
    decodedFrames += static_cast<int64_t>(produced);
    renderedFrames += produced;
    return produced;
}

void PlayingSound::decodeBlock() {
    const size_t frames = decoder->read(decodeBuffer.data(), decodeBlockFrames);
    const int bytes = static_cast<int>(frames * sizeof(float) * decoder->channels());
    if (frames > 0 && SDL_AudioStreamPut(converter, decodeBuffer.data(), bytes) == 0) {
        decodedFrames += static_cast<int64_t>(frames);
        return;
    }
    // The end. The resampler holds back a little of the tail even when flushed, so feed it
    // silence first and cut the output where the decoded frames end.
    decoderDone = true;
    std::fill(decodeBuffer.begin(), decodeBuffer.end(), 0.0f);
    SDL_AudioStreamPut(converter, decodeBuffer.data(),
                       static_cast<int>(decodeBuffer.size() * sizeof(float)));
    SDL_AudioStreamFlush(converter);
    outputEnd = static_cast<uint64_t>(decodedFrames * outputRate / decoder->sampleRate());
}
