#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/Decoder.h"
#include "audio/ReplayGain.h"

class QString;
class SampleConverter;

// One sound the engine plays: a decoder and the converter that turns its frames into the
// output's rate and channel count. The engine renders it on the output's thread while the
// player asks for its position or moves it; every member is guarded by the sound's own lock.
//
// Threads: decoding and the disk reads it needs run in the output's callback (render), under
// the engine lock and then this sound's lock, always in that order; opening (which may read a
// whole file) runs on the opening thread before the sound is shared.
class PlayingSound {
public:
    // The file through the decoder that reads it; null when none can, the format cannot be
    // converted or the sound module cannot be loaded. Reads (and may scan) the file: any thread,
    // never the window thread.
    static std::shared_ptr<PlayingSound> open(const QString& path, int outputRate,
                                              int outputChannels);
    // Null when the decoder's format cannot be converted to the output's.
    static std::shared_ptr<PlayingSound> create(std::unique_ptr<Decoder> decoder, int outputRate,
                                                int outputChannels);
    ~PlayingSound();
    PlayingSound(const PlayingSound&) = delete;
    PlayingSound& operator=(const PlayingSound&) = delete;

    uint32_t lengthMs() const { return length; }
    // How far it has played, in milliseconds (at most the length).
    uint32_t positionMs() const;
    // True once it played to its end or was stopped; it never plays again after that.
    bool finished() const;
    // Jumps to the position (clamped to the length); false once finished.
    bool setPositionMs(uint32_t position);

    bool paused() const;
    void setPaused(bool paused);
    void stop();

    // The song's ReplayGain values (none until set: the song renders unscaled) and the mode
    // that chooses among them (track until set).
    void setReplayGain(const ReplayGainValues& values);
    void setReplayGainMode(ReplayGainMode mode);

    // Decodes the first block ahead, so that the output's thread only copies it out when the
    // sound takes over from another one.
    void prime();
    // Converts up to `frames` output frames into out and returns how many; fewer only at the
    // end, after which the sound counts as finished.
    size_t render(float* out, size_t frames);

private:
    PlayingSound(std::unique_ptr<Decoder> decoder, std::unique_ptr<SampleConverter> converter,
                 int outputRate, int outputChannels);
    // Feeds the converter one block of decoded frames, or flushes it at the end.
    void decodeBlock();
    size_t renderConverted(float* out, size_t frames);
    // Decodes straight into the output when the song already has the output's rate and
    // channels; the converter would only copy.
    size_t renderDirect(float* out, size_t frames);

    mutable std::mutex mutex;
    const std::unique_ptr<Decoder> decoder;
    const std::unique_ptr<SampleConverter> converter;
    const int outputRate;
    const int outputChannels;
    const uint32_t length;
    std::vector<float> decodeBuffer;
    int64_t seekFrame = 0;        // decoder frame of the last jump
    uint64_t renderedFrames = 0;  // output frames rendered since then
    int64_t decodedFrames = 0;    // decoder frames converted since then
    bool decoderDone = false;
    const bool passThrough;
    uint64_t outputEnd = 0;  // once the decoder is done: the output frames the rest comes to
    bool isFinished = false;
    bool isPaused = false;
    ReplayGainValues replayGain;
    ReplayGainMode replayGainMode = ReplayGainMode::Track;
    float gain = 1.0f;
};
