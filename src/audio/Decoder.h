#pragma once

#include <cstddef>
#include <cstdint>

// One open sound file that decodes a little at a time into interleaved 32-bit float frames.
// Nothing decodes a whole file at once: the player asks for the next few thousand frames as the
// output needs them. The format is known once the file is open and never changes.
class Decoder {
public:
    struct Format {
        int sampleRate = 0;
        int channels = 0;
        // The length in frames, as exact as the format allows.
        int64_t lengthFrames = 0;
    };

    virtual ~Decoder() = default;

    int sampleRate() const { return format.sampleRate; }
    int channels() const { return format.channels; }
    int64_t lengthFrames() const { return format.lengthFrames; }

    // Decodes up to `frames` frames into out (frames x channels floats). Returns the number
    // decoded; 0 only at the end of the file or on an error the decoder cannot get past.
    virtual size_t read(float* out, size_t frames) = 0;
    // Moves to the frame counted from the start; false when the decoder cannot go there.
    virtual bool seek(int64_t frame) = 0;

protected:
    explicit Decoder(const Format& format) : format(format) {}

private:
    Format format;
};
