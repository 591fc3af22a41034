#include "audio/PlayingSound.h"

#include <algorithm>

#include "audio/SampleConverter.h"
#include "common/SoundModule.h"

namespace {

constexpr size_t decodeBlockFrames = 4096;

uint32_t framesToMs(int64_t frames, int rate) {
    return static_cast<uint32_t>(std::min<int64_t>(frames * 1000 / rate, UINT32_MAX));
}

}  // namespace

std::shared_ptr<PlayingSound> PlayingSound::open(const QString& path, int outputRate,
                                                 int outputChannels) {
    SoundModule* module = SoundModule::get();
    std::unique_ptr<Decoder> decoder = module ? module->openDecoder(path) : nullptr;
    std::shared_ptr<PlayingSound> sound =
        decoder ? create(std::move(decoder), outputRate, outputChannels) : nullptr;
    if (sound) {
        sound->prime();
    }
    return sound;
}

std::shared_ptr<PlayingSound> PlayingSound::create(std::unique_ptr<Decoder> decoder, int outputRate,
                                                   int outputChannels) {
    SoundModule* module = SoundModule::get();
    std::unique_ptr<SampleConverter> converter =
        module ? module->newConverter(decoder->sampleRate(), decoder->channels(), outputRate,
                                      outputChannels)
               : nullptr;
    if (!converter) {
        return nullptr;
    }
    return std::shared_ptr<PlayingSound>(
        new PlayingSound(std::move(decoder), std::move(converter), outputRate, outputChannels));
}

PlayingSound::PlayingSound(std::unique_ptr<Decoder> newDecoder,
                           std::unique_ptr<SampleConverter> newConverter, int outputRate,
                           int outputChannels)
    : decoder(std::move(newDecoder)),
      converter(std::move(newConverter)),
      outputRate(outputRate),
      outputChannels(outputChannels),
      length(framesToMs(decoder->lengthFrames(), decoder->sampleRate())),
      decodeBuffer(decodeBlockFrames * static_cast<size_t>(decoder->channels())),
      passThrough(decoder->sampleRate() == outputRate && decoder->channels() == outputChannels) {}

PlayingSound::~PlayingSound() = default;

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
    converter->clear();
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
    size_t produced = 0;
    while (produced < frames && !isFinished) {
        size_t wanted = std::min(converter->available(), frames - produced);
        if (decoderDone) {
            wanted = std::min<size_t>(wanted, outputEnd - (renderedFrames + produced));
        }
        if (wanted > 0) {
            const size_t got = converter->get(out + produced * outputChannels, wanted);
            if (got == 0) {
                isFinished = true;
                break;
            }
            produced += got;
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
    if (frames > 0 && converter->put(decodeBuffer.data(), frames)) {
        decodedFrames += static_cast<int64_t>(frames);
        return;
    }
    // The end. The resampler holds back a little of the tail even when flushed, so feed it
    // silence first and cut the output where the decoded frames end.
    decoderDone = true;
    std::fill(decodeBuffer.begin(), decodeBuffer.end(), 0.0f);
    converter->put(decodeBuffer.data(), decodeBlockFrames);
    converter->flush();
    outputEnd = static_cast<uint64_t>(decodedFrames * outputRate / decoder->sampleRate());
}
