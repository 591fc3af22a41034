// Any sound the decoder factory lets through (1 to 8 channels at 1,000 to 768,000 frames a second,
// any sample values, a length that may be wrong) converted to an output's rate and channels, with
// jumps: no crash, no hang, never more frames than asked for, and a position within the length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "audio/Decoder.h"
#include "audio/PlayingSound.h"

namespace {

// The song's frames come from the fuzzer's bytes after a small header.
class BytesDecoder : public Decoder {
public:
    BytesDecoder(int rate, int channelCount, std::vector<float> samples, int64_t claimedLength,
                 bool canSeek)
        : Decoder({rate, channelCount, claimedLength}),
          channelCount(channelCount),
          samples(std::move(samples)),
          canSeek(canSeek) {}

    size_t read(float* out, size_t frames) override {
        const size_t total = samples.size() / static_cast<size_t>(channelCount);
        const size_t count = std::min(frames, total - std::min(total, position));
        if (count == 0) {
            return 0;
        }
        std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(position * channelCount),
                    count * static_cast<size_t>(channelCount), out);
        position += count;
        return count;
    }
    bool seek(int64_t frame) override {
        if (!canSeek || frame < 0) {
            return false;
        }
        position = static_cast<size_t>(frame);
        return true;
    }

private:
    const int channelCount;
    const std::vector<float> samples;
    const bool canSeek;
    size_t position = 0;
};

struct Output {
    int rate;
    int channels;
};
constexpr Output outputs[] = {{44100, 2}, {48000, 2},  {22050, 1}, {96000, 6},
                              {8000, 1},  {192000, 8}, {44100, 1}, {48000, 4}};
constexpr size_t headerSize = 8;
constexpr int minRate = 1000;
constexpr int maxRate = 768000;
constexpr size_t blockFrames = 512;

uint32_t readU32(const uint8_t* data) {
    uint32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

void renderSome(PlayingSound& sound, const Output& output, int blocks) {
    std::vector<float> block(blockFrames * static_cast<size_t>(output.channels));
    for (int i = 0; i < blocks && !sound.finished(); ++i) {
        if (sound.render(block.data(), blockFrames) > blockFrames) {
            std::abort();
        }
        if (sound.positionMs() > sound.lengthMs()) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < headerSize) {
        return 0;
    }
    const int channels = data[0] % 8 + 1;
    const int rate = static_cast<int>(readU32(data + 2) % (maxRate - minRate + 1)) + minRate;
    const Output& output = outputs[data[6] % std::size(outputs)];
    const uint8_t flags = data[7];

    const size_t frames = (size - headerSize) / (sizeof(float) * static_cast<size_t>(channels));
    std::vector<float> samples(frames * static_cast<size_t>(channels));
    if (!samples.empty()) {
        std::memcpy(samples.data(), data + headerSize, samples.size() * sizeof(float));
    }
    // Decoders guess the length of some files: it may be too short or too long.
    const int64_t lengths[] = {static_cast<int64_t>(frames), static_cast<int64_t>(frames) * 3,
                               static_cast<int64_t>(frames) / 2, 1};
    const int64_t claimed = std::max<int64_t>(1, lengths[flags & 3]);

    auto sound =
        PlayingSound::create(std::make_unique<BytesDecoder>(rate, channels, std::move(samples),
                                                            claimed, (flags & 4) == 0),
                             output.rate, output.channels);
    if (!sound) {
        return 0;
    }
    renderSome(*sound, output, 32);
    sound->setPositionMs(sound->lengthMs() / 2);
    renderSome(*sound, output, 8);
    sound->setPositionMs(UINT32_MAX);
    renderSome(*sound, output, 4);
    return 0;
}
