#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "audio/AudioOutput.h"

// The sound device through SDL2 (ALSA, PulseAudio, PipeWire, or SDL's dummy driver). SDL's
// audio thread pulls the mix in blocks; SDL converts it if the device wants another format.
//
// SDL keeps a paused device running (it plays silence), so a sound server would mix for an idle
// player: while idle the device is closed instead. A keeper thread opens and closes it, the
// first time included, so that neither closing (which waits for SDL's thread) nor opening
// (which talks to the server) holds up the caller; a first opening that fails is told by
// failed().
// The device is closed only after a grace period longer than what it holds buffered, so the
// sound rendered just before a pause is still heard, and a pause and resume in quick
// succession keeps the device.
class SdlOutput : public AudioOutput {
public:
    SdlOutput() = default;
    ~SdlOutput() override;
    SdlOutput(const SdlOutput&) = delete;
    SdlOutput& operator=(const SdlOutput&) = delete;

    bool start(AudioRenderer& renderer) override;
    bool failed() const override;
    void stop() override;
    void setIdle(bool idle) override;
    static constexpr int deviceRate = 44100;
    static constexpr int deviceChannels = 2;
    int sampleRate() const override { return deviceRate; }
    int channels() const override { return deviceChannels; }

private:
    static void fill(void* self, uint8_t* stream, int length);
    bool openDevice();
    void closeDevice();
    void keepDevice();

    AudioRenderer* renderer = nullptr;
    bool subsystemStarted = false;  // the keeper's while it runs
    std::thread keeper;
    mutable std::mutex mutex;
    std::condition_variable changed;
    uint32_t device = 0;           // the keeper's while it runs
    bool idle = false;             // under the mutex
    bool stopping = false;         // under the mutex
    bool firstOpenFailed = false;  // under the mutex
};
