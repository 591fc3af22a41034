#pragma once

#include <cstddef>

// Turns interleaved float frames of one rate and channel count into another's (SDL's
// resampler, in the sound module). It holds back a little of what it was given until more
// comes or it is flushed.
class SampleConverter {
public:
    virtual ~SampleConverter() = default;

    // Takes the frames (in the input's channel count); false when it cannot.
    virtual bool put(const float* frames, size_t count) = 0;
    // Output frames ready to be taken.
    virtual size_t available() = 0;
    // Up to `count` output frames into out; how many, 0 when none can be taken.
    virtual size_t get(float* out, size_t count) = 0;
    // Converts what it holds back, for the end of the input.
    virtual void flush() = 0;
    // Forgets everything given and not yet taken.
    virtual void clear() = 0;
};
