#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "audio/AudioOutput.h"
#include "audio/GeneratedSounds.h"
#include "audio/NowPlayingDisplay.h"
#include "audio/NullOutput.h"
#include "audio/PlayingSound.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

// What the audio tests watch the player through, and what they make it play.
using Format = GeneratedSounds::Format;

// Keeps every text the player shows as now playing.
class RecordingInfo : public NowPlayingDisplay {
public:
    void setNowPlaying(const QString& text) override { texts.push_back(text); }
    QString last() const { return texts.empty() ? QString() : texts.back(); }
    std::vector<QString> texts;
};

// A sound device that cannot be opened.
class FailingOutput : public AudioOutput {
public:
    bool start(AudioRenderer&) override { return false; }
    void stop() override {}
    void setIdle(bool) override {}
    int sampleRate() const override { return 44100; }
    int channels() const override { return 2; }
};

// The root mean square of samples[from, to): 0.35 for the test tone, 0 for silence.
inline double rms(const std::vector<float>& samples, size_t from = 0, size_t to = SIZE_MAX) {
    to = std::min(to, samples.size());
    double sum = 0;
    for (size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// What a song renders alone at 44100 Hz stereo, through a converter of its own and unscaled:
// what each side of a joint must be.
inline std::vector<float> renderedAlone(const QString& path) {
    const auto sound = PlayingSound::open(path, 44100, 2);
    std::vector<float> samples;
    std::vector<float> block(1024 * 2);
    while (const size_t frames = sound ? sound->render(block.data(), 1024) : 0) {
        samples.insert(samples.end(), block.begin(), block.begin() + frames * 2);
    }
    return samples;
}
