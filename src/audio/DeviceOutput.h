#pragma once

#include <memory>

#include "audio/AudioOutput.h"
#include "audio/SdlOutput.h"

// The player's sound device: the sound module's SdlOutput, made when playback first starts, so
// a player that never plays never loads the module. Without the module no song opens and there
// is nothing to pull: the output then counts as started and does nothing, and each song is
// passed over as one that cannot be played.
class DeviceOutput : public AudioOutput {
public:
    bool start(AudioRenderer& renderer) override;
    bool failed() const override;
    void stop() override;
    void setIdle(bool idle) override;
    int sampleRate() const override { return SdlOutput::deviceRate; }
    int channels() const override { return SdlOutput::deviceChannels; }

private:
    std::unique_ptr<AudioOutput> device;
};
