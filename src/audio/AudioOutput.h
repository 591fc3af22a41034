#pragma once

class AudioRenderer;

// Where the mixed sound goes: a sound device in the program, a null output in tests. The
// output decides the rate and channel count; the engine converts every sound to them.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Begins pulling from the renderer. False when no device can be opened; an output that
    // opens its device in the background answers true and tells a failure by failed().
    virtual bool start(AudioRenderer& renderer) = 0;
    virtual bool failed() const { return false; }
    // After it returns, the renderer is not called again.
    virtual void stop() = 0;
    // While idle (nothing plays) the output pulls nothing and may let its device go, so that a
    // sound server spends nothing on a silent player; leaving idle pulls on from where it
    // stopped. Returns at once: the device is released and taken again in the background.
    virtual void setIdle(bool idle) = 0;

    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
};
