#include "audio/NullOutput.h"

#include <algorithm>

#include "audio/AudioRenderer.h"

NullOutput::NullOutput(int sampleRate, int channels) : rate(sampleRate), channelCount(channels) {}

bool NullOutput::start(AudioRenderer& newRenderer) {
    std::lock_guard guard(mutex);
    renderer = &newRenderer;
    return true;
}

void NullOutput::stop() {
    std::lock_guard guard(mutex);
    renderer = nullptr;
}

void NullOutput::setIdle(bool newIdle) {
    std::lock_guard guard(mutex);
    idle = newIdle;
}

std::vector<float> NullOutput::pull(size_t frames) {
    std::vector<float> samples(frames * static_cast<size_t>(channelCount), 0.0f);
    std::lock_guard guard(mutex);
    if (renderer != nullptr && !idle && frames > 0) {
        renderer->render(samples.data(), frames);
    }
    return samples;
}

std::vector<float> NullOutput::pullSeconds(double seconds) {
    constexpr size_t blockFrames = 1024;
    size_t remaining = static_cast<size_t>(seconds * rate);
    std::vector<float> samples;
    samples.reserve(remaining * static_cast<size_t>(channelCount));
    while (remaining > 0) {
        const std::vector<float> block = pull(std::min(remaining, blockFrames));
        samples.insert(samples.end(), block.begin(), block.end());
        remaining -= std::min(remaining, blockFrames);
    }
    return samples;
}
