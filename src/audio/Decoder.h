#pragma once

#include <cstddef>
#include <cstdint>

// One open sound file that decodes a little at a time into interleaved 32-bit float frames.
// Nothing decodes a whole file at once: the player asks for the next few thousand frames as the
// output needs them.
class Decoder {
public:
    virtual ~Decoder() = default;

    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // The length in frames, as exact as the format allows.
    virtual int64_t lengthFrames() const = 0;

    // Decodes up to `frames` frames into out (frames x channels floats). Returns the number
    // decoded; 0 only at the end of the file or on an error the decoder cannot get past.
    virtual size_t read(float* out, size_t frames) = 0;
    // Moves to the frame counted from the start; false when the decoder cannot go there.
    virtual bool seek(int64_t frame) = 0;
};
