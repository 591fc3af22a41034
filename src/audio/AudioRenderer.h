#pragma once

#include <cstddef>

// What an output pulls its sound from: the engine's mix, in the output's own rate and channel
// count, as interleaved 32-bit floats. Called on the output's thread.
class AudioRenderer {
public:
    virtual ~AudioRenderer() = default;
    // Fills all `frames` frames of out; silence where nothing plays.
    virtual void render(float* out, size_t frames) = 0;
};
