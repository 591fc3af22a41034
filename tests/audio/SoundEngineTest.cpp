// The engine through the null output: conversion to the output's format, position, seeking,
// pausing, stopping and the master volume, measured on the rendered sound.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>

#include "audio/AudioRenderer.h"
#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/SoundEngine.h"

namespace {

using Format = GeneratedSounds::Format;

double rms(const std::vector<float>& samples, size_t from = 0, size_t to = SIZE_MAX) {
    to = std::min(to, samples.size());
    double sum = 0;
    for (size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

class FailingOutput : public AudioOutput {
public:
    bool start(AudioRenderer&) override { return false; }
    void stop() override {}
    void setIdle(bool) override {}
    int sampleRate() const override { return 44100; }
    int channels() const override { return 2; }
};

class SoundEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto nullOutput = std::make_unique<NullOutput>(48000, 2);
        output = nullOutput.get();
        engine = SoundEngine::create(std::move(nullOutput));
        ASSERT_NE(engine, nullptr);
        // One second of 22050 Hz mono: the engine has to resample and spread it to stereo.
        wav = dir.filePath("one-second.wav");
        ASSERT_TRUE(GeneratedSounds::writeTone(wav, Format::Wav, 22050, 1, 1.0));
    }

    QTemporaryDir dir;
    QString wav;
    NullOutput* output = nullptr;
    std::unique_ptr<SoundEngine> engine;
};

TEST_F(SoundEngineTest, PlaysAFileConvertedToTheOutputFormatToItsEnd) {
    auto sound = engine->play(wav);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->lengthMs(), 1000u);
    EXPECT_FALSE(sound->finished());

    const std::vector<float> first = output->pullSeconds(0.5);
    EXPECT_NEAR(sound->positionMs(), 500, 2);
    EXPECT_FALSE(sound->finished());
    // Both channels carry the mono tone (RMS of a 0.5 sine is about 0.35).
    std::vector<float> left, right;
    for (size_t i = 0; i + 1 < first.size(); i += 2) {
        left.push_back(first[i]);
        right.push_back(first[i + 1]);
    }
    EXPECT_NEAR(rms(left), 0.35, 0.03);
    EXPECT_NEAR(rms(right), 0.35, 0.03);

    const std::vector<float> rest = output->pullSeconds(0.6);
    EXPECT_TRUE(sound->finished());
    EXPECT_EQ(sound->positionMs(), 1000u);
    // The last 0.1 s (beyond the end) is silence, the part before it sound.
    EXPECT_GT(rms(rest, 0, 2 * 48000 * 4 / 10), 0.3);
    EXPECT_EQ(rms(rest, 2 * 48000 * 52 / 100), 0.0);
}

TEST_F(SoundEngineTest, JumpsToAPositionAndPlaysOnFromThere) {
    auto sound = engine->play(wav);
    ASSERT_NE(sound, nullptr);
    output->pullSeconds(0.2);
    ASSERT_TRUE(sound->setPositionMs(700));
    EXPECT_EQ(sound->positionMs(), 700u);
    output->pullSeconds(0.25);
    EXPECT_NEAR(sound->positionMs(), 950, 2);
    EXPECT_FALSE(sound->finished());
    output->pullSeconds(0.1);
    EXPECT_TRUE(sound->finished());
    // A position past the end is the end; a finished sound does not move any more.
    EXPECT_FALSE(sound->setPositionMs(100));
    EXPECT_EQ(sound->positionMs(), 1000u);

    auto again = engine->play(wav);
    ASSERT_TRUE(again->setPositionMs(5000));
    EXPECT_EQ(again->positionMs(), 1000u);
    output->pullSeconds(0.05);
    EXPECT_TRUE(again->finished());
}

TEST_F(SoundEngineTest, AFileInTheOutputFormatPlaysStraightThroughWithItsPositions) {
    const QString same = dir.filePath("same-format.wav");
    ASSERT_TRUE(GeneratedSounds::writeTone(same, Format::Wav, 48000, 2, 1.0));
    auto sound = engine->play(same);
    ASSERT_NE(sound, nullptr);
    EXPECT_GT(rms(output->pullSeconds(0.25)), 0.3);
    EXPECT_EQ(sound->positionMs(), 250u);
    ASSERT_TRUE(sound->setPositionMs(900));
    const std::vector<float> tail = output->pullSeconds(0.2);
    EXPECT_TRUE(sound->finished());
    EXPECT_EQ(sound->positionMs(), 1000u);
    EXPECT_GT(rms(tail, 0, 2 * 48000 / 10), 0.3) << "the last tenth of a second sounds";
    EXPECT_EQ(rms(tail, 2 * 48000 / 10), 0.0) << "and nothing after the end";
}

TEST_F(SoundEngineTest, PausedSoundsStayWherePausedAndSilent) {
    auto sound = engine->play(wav);
    output->pullSeconds(0.3);
    engine->setAllSoundsPaused(true);
    EXPECT_TRUE(sound->paused());
    EXPECT_EQ(rms(output->pullSeconds(0.5)), 0.0);
    EXPECT_NEAR(sound->positionMs(), 300, 2);
    engine->setAllSoundsPaused(false);
    EXPECT_GT(rms(output->pullSeconds(0.2)), 0.3);
    EXPECT_NEAR(sound->positionMs(), 500, 2);
}

TEST_F(SoundEngineTest, StoppedSoundsAreFinishedAndSilent) {
    auto sound = engine->play(wav);
    output->pullSeconds(0.1);
    engine->stopAllSounds();
    EXPECT_TRUE(sound->finished());
    EXPECT_EQ(rms(output->pullSeconds(0.2)), 0.0);
    EXPECT_FALSE(sound->setPositionMs(0));
    // A sound started later plays unpaused even after a pause of everything.
    engine->setAllSoundsPaused(true);
    auto next = engine->play(wav);
    EXPECT_FALSE(next->paused());
    EXPECT_GT(rms(output->pullSeconds(0.1)), 0.3);
}

TEST_F(SoundEngineTest, TheMasterVolumeScalesTheMix) {
    auto loud = engine->play(wav);
    const double full = rms(output->pullSeconds(0.2));
    engine->setMasterVolume(0.25f);
    EXPECT_FLOAT_EQ(engine->masterVolume(), 0.25f);
    EXPECT_NEAR(rms(output->pullSeconds(0.2)) / full, 0.25, 0.02);
    engine->setMasterVolume(0.0f);
    EXPECT_EQ(rms(output->pullSeconds(0.2)), 0.0);
    engine->setMasterVolume(7.0f);
    EXPECT_FLOAT_EQ(engine->masterVolume(), 1.0f);
}

TEST_F(SoundEngineTest, EveryFormatPlaysThroughTheEngine) {
    struct Case {
        QString name;
        Format format;
        int rate;
    };
    for (const Case& c :
         {Case{"a.flac", Format::Flac, 44100}, Case{"a.ogg", Format::OggVorbis, 32000},
          Case{"a.mp3", Format::Mp3, 48000}}) {
        ASSERT_TRUE(GeneratedSounds::writeTone(dir.filePath(c.name), c.format, c.rate, 2, 0.5));
        auto sound = engine->play(dir.filePath(c.name));
        ASSERT_NE(sound, nullptr) << c.name.toStdString();
        EXPECT_EQ(sound->lengthMs(), 500u);
        EXPECT_GT(rms(output->pullSeconds(0.4)), 0.25) << c.name.toStdString();
        output->pullSeconds(0.15);
        EXPECT_TRUE(sound->finished()) << c.name.toStdString();
    }
    ASSERT_TRUE(
        GeneratedSounds::writeBytes(dir.filePath("a.mod"), GeneratedSounds::protrackerModule()));
    auto module = engine->play(dir.filePath("a.mod"));
    ASSERT_NE(module, nullptr);
    EXPECT_NEAR(module->lengthMs(), 1920, 10);
    EXPECT_GT(rms(output->pullSeconds(1.0)), 0.05);
}

TEST_F(SoundEngineTest, FilesThatCannotPlayGiveNoSound) {
    ASSERT_TRUE(GeneratedSounds::writeBytes(dir.filePath("noise.mp3"),
                                            GeneratedSounds::randomBytes(20000, 3)));
    ASSERT_TRUE(GeneratedSounds::writeBytes(dir.filePath("empty.flac"), {}));
    EXPECT_EQ(engine->play(dir.filePath("noise.mp3")), nullptr);
    EXPECT_EQ(engine->play(dir.filePath("empty.flac")), nullptr);
    EXPECT_EQ(engine->play(dir.filePath("missing.wav")), nullptr);
    EXPECT_EQ(rms(output->pullSeconds(0.1)), 0.0);
}

TEST(SoundEngineCreation, FailsWhenTheOutputCannotStart) {
    EXPECT_EQ(SoundEngine::create(std::make_unique<FailingOutput>()), nullptr);
}

}  // namespace
