#include "audio/SoundEngine.h"

#include <QString>
#include <algorithm>

std::unique_ptr<SoundEngine> SoundEngine::create(std::unique_ptr<AudioOutput> output) {
    std::unique_ptr<SoundEngine> engine = createStopped(std::move(output));
    if (!engine->startOutput()) {
        return nullptr;
    }
    return engine;
}

std::unique_ptr<SoundEngine> SoundEngine::createStopped(std::unique_ptr<AudioOutput> output) {
    return std::unique_ptr<SoundEngine>(new SoundEngine(std::move(output)));
}

bool SoundEngine::startOutput() {
    if (!outputStarted) {
        outputStarted = output->start(*this);
    }
    return outputStarted;
}

void SoundEngine::setOutputIdle(bool idle) {
    if (outputStarted) {
        output->setIdle(idle);
    }
}

SoundEngine::SoundEngine(std::unique_ptr<AudioOutput> output) : output(std::move(output)) {}

SoundEngine::~SoundEngine() {
    if (outputStarted) {
        output->stop();
    }
}

std::shared_ptr<PlayingSound> SoundEngine::play(const QString& path) {
    // Opening can scan a whole MP3 for its length: done before the lock, so the output's thread
    // goes on rendering meanwhile.
    std::shared_ptr<PlayingSound> sound =
        PlayingSound::open(path, output->sampleRate(), output->channels());
    if (sound) {
        start(sound);
    }
    return sound;
}

void SoundEngine::start(std::shared_ptr<PlayingSound> sound, bool paused) {
    sound->setPaused(paused);
    std::lock_guard guard(mutex);
    sounds.push_back(std::move(sound));
}

void SoundEngine::playAfter(const std::shared_ptr<PlayingSound>& current,
                            std::shared_ptr<PlayingSound> next) {
    if (next) {
        next->setPaused(false);
    }
    std::lock_guard guard(mutex);
    queuedAfter = next ? current : nullptr;
    queued = std::move(next);
}

bool SoundEngine::isQueued(const std::shared_ptr<PlayingSound>& sound) const {
    std::lock_guard guard(mutex);
    return sound && queued == sound;
}

void SoundEngine::stopAllSounds() {
    std::lock_guard guard(mutex);
    queued.reset();
    queuedAfter.reset();
    for (const auto& sound : sounds) {
        sound->stop();
    }
    sounds.clear();
}

void SoundEngine::setAllSoundsPaused(bool paused) {
    std::lock_guard guard(mutex);
    for (const auto& sound : sounds) {
        sound->setPaused(paused);
    }
}

void SoundEngine::setMasterVolume(float newVolume) {
    std::lock_guard guard(mutex);
    volume = std::clamp(newVolume, 0.0f, 1.0f);
}

float SoundEngine::masterVolume() const {
    std::lock_guard guard(mutex);
    return volume;
}

void SoundEngine::render(float* out, size_t frames) {
    const size_t channels = static_cast<size_t>(output->channels());
    std::fill(out, out + frames * channels, 0.0f);
    std::lock_guard guard(mutex);
    if (soundBuffer.size() < frames * channels) {
        soundBuffer.resize(frames * channels);
    }
    const size_t playing = sounds.size();
    for (size_t i = 0; i < playing; ++i) {
        const std::shared_ptr<PlayingSound> sound = sounds[i];
        if (sound->paused()) {
            continue;
        }
        const size_t rendered = mixIn(*sound, out, frames);
        if (rendered < frames && queued && sound == queuedAfter && sound->finished()) {
            // The joint: the queued sound goes on in the same block, from the next frame.
            mixIn(*queued, out + rendered * channels, frames - rendered);
            sounds.push_back(std::move(queued));
            queued.reset();
            queuedAfter.reset();
        }
    }
    std::erase_if(sounds, [](const auto& sound) { return sound->finished(); });
}

size_t SoundEngine::mixIn(PlayingSound& sound, float* out, size_t frames) {
    const size_t rendered = sound.render(soundBuffer.data(), frames);
    const size_t samples = rendered * static_cast<size_t>(output->channels());
    for (size_t i = 0; i < samples; ++i) {
        out[i] += soundBuffer[i] * volume;
    }
    return rendered;
}
