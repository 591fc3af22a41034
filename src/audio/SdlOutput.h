#pragma once

#include <cstdint>

#include "audio/AudioOutput.h"

// The sound device through SDL2 (ALSA, PulseAudio, PipeWire, or SDL's dummy driver). SDL's
// audio thread pulls the mix in blocks; SDL converts it if the device wants another format.
class SdlOutput : public AudioOutput {
public:
    SdlOutput() = default;
    ~SdlOutput() override;
    SdlOutput(const SdlOutput&) = delete;
    SdlOutput& operator=(const SdlOutput&) = delete;

    bool start(AudioRenderer& renderer) override;
    void stop() override;
    int sampleRate() const override { return 44100; }
    int channels() const override { return 2; }

private:
    static void fill(void* self, uint8_t* stream, int length);

    AudioRenderer* renderer = nullptr;
    uint32_t device = 0;
    bool subsystemStarted = false;
};
