#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "audio/AudioOutput.h"
#include "audio/AudioRenderer.h"
#include "audio/PlayingSound.h"

class QString;

// The player's own sound engine: opens a file with the decoder that can read it, plays it
// through the output and mixes what plays at the master volume. A sound can be queued to follow
// another: its first frame comes right after the other's last, in the same block, so an album
// plays without gaps.
//
// Threads: the output's thread renders while the window thread starts, pauses, queues and stops
// sounds. Decoding, resampling and the disk reads they need run in the output's callback, under
// the engine lock and then the sound's lock; whoever takes both takes them in that order (engine
// lock, then sound lock) and nobody waits for the window thread while holding either.
class SoundEngine : private AudioRenderer {
public:
    // Null when the output cannot start (no sound device).
    static std::unique_ptr<SoundEngine> create(std::unique_ptr<AudioOutput> output);
    // An engine whose output is started only by startOutput: the player opens the device on
    // its first play, not while the windows are being shown.
    static std::unique_ptr<SoundEngine> createStopped(std::unique_ptr<AudioOutput> output);
    // Starts the output unless it runs; false when it cannot start (no sound device).
    bool startOutput();
    // True once an output that opens its device in the background found none.
    bool outputFailed() const { return output->failed(); }
    // While idle the output pulls nothing and lets its device go (see AudioOutput).
    void setOutputIdle(bool idle);
    ~SoundEngine() override;
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // Starts the file at once, unpaused. Null when no decoder can play it.
    std::shared_ptr<PlayingSound> play(const QString& path);
    // Mixes in a sound opened for the output's format (PlayingSound::open).
    void start(std::shared_ptr<PlayingSound> sound, bool paused = false);
    int outputRate() const { return output->sampleRate(); }
    int outputChannels() const { return output->channels(); }
    // Plays `next` from the block in which `current` ends, unpaused, right after its last frame;
    // replaces any sound queued before. A null `next` empties the queue.
    void playAfter(const std::shared_ptr<PlayingSound>& current,
                   std::shared_ptr<PlayingSound> next);
    // True while the sound waits in the queue (it has not taken over).
    bool isQueued(const std::shared_ptr<PlayingSound>& sound) const;
    // Every sound ends (and counts as finished); the queue is emptied.
    void stopAllSounds();
    void setAllSoundsPaused(bool paused);
    // 0.0 to 1.0.
    void setMasterVolume(float volume);
    float masterVolume() const;

private:
    explicit SoundEngine(std::unique_ptr<AudioOutput> output);
    void render(float* out, size_t frames) override;
    // Renders the sound into `frames` frames of out, mixed in at the master volume.
    size_t mixIn(PlayingSound& sound, float* out, size_t frames);

    const std::unique_ptr<AudioOutput> output;
    bool outputStarted = false;  // the window thread's
    mutable std::mutex mutex;
    std::vector<std::shared_ptr<PlayingSound>> sounds;
    std::shared_ptr<PlayingSound> queuedAfter;  // the sound the queued one follows
    std::shared_ptr<PlayingSound> queued;
    float volume = 1.0f;
    std::vector<float> soundBuffer;  // one sound's block before it is mixed in
};
