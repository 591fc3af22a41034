#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

#include "audio/AudioOutput.h"

// An output without a device: nothing is pulled until someone calls pull, which renders as
// many frames as asked at once, so a test plays a three-second song to its end at once.
class NullOutput : public AudioOutput {
public:
    explicit NullOutput(int sampleRate = 44100, int channels = 2);

    bool start(AudioRenderer& renderer) override;
    void stop() override;
    void setIdle(bool idle) override;
    int sampleRate() const override { return rate; }
    int channels() const override { return channelCount; }

    // Renders `frames` frames and returns them interleaved (silence while not started or idle).
    // Any thread may pull.
    std::vector<float> pull(size_t frames);
    // Renders the given number of seconds in blocks of a sound card's size.
    std::vector<float> pullSeconds(double seconds);

private:
    const int rate;
    const int channelCount;
    std::mutex mutex;
    AudioRenderer* renderer = nullptr;
    bool idle = false;
};
