// The engine through the null output: conversion to the output's format, position, seeking,
// pausing, stopping and the master volume, measured on the rendered sound.
#include "audio/PlaybackProbes.h"
#include "audio/SoundEngine.h"

namespace {

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

// Converted to the output's format or already in it: the positions, a jump and the exact end.
TEST_F(SoundEngineTest, PlaysAFileToItsEndWithItsPositions) {
    const QString same = dir.filePath("same-format.wav");
    ASSERT_TRUE(GeneratedSounds::writeTone(same, Format::Wav, 48000, 2, 1.0));
    for (const QString& path : {wav, same}) {
        SCOPED_TRACE(path.toStdString());
        auto sound = engine->play(path);
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->lengthMs(), 1000u);
        const std::vector<float> first = output->pullSeconds(0.25);
        EXPECT_NEAR(sound->positionMs(), 250, 2);
        // Both channels carry the tone (RMS of a 0.5 sine is about 0.35; the second is 0.8 of
        // the first in a stereo file).
        double channelRms[2] = {0, 0};
        for (size_t i = 0; i < first.size(); ++i) {
            channelRms[i % 2] += first[i] * first[i] * 2 / static_cast<double>(first.size());
        }
        EXPECT_NEAR(std::sqrt(channelRms[0]), 0.35, 0.03);
        EXPECT_GT(std::sqrt(channelRms[1]), 0.25);
        ASSERT_TRUE(sound->setPositionMs(700));
        EXPECT_EQ(sound->positionMs(), 700u);
        output->pullSeconds(0.25);
        EXPECT_NEAR(sound->positionMs(), 950, 2);
        EXPECT_FALSE(sound->finished());
        const std::vector<float> tail = output->pullSeconds(0.1);
        EXPECT_TRUE(sound->finished());
        EXPECT_EQ(sound->positionMs(), 1000u);
        EXPECT_GT(rms(tail, 0, 2 * 48000 * 4 / 100), 0.3) << "the last of the song sounds";
        EXPECT_EQ(rms(tail, 2 * 48000 * 6 / 100), 0.0) << "and nothing after the end";
        // A finished sound does not move any more.
        EXPECT_FALSE(sound->setPositionMs(100));
        EXPECT_EQ(sound->positionMs(), 1000u);
    }
    auto again = engine->play(wav);
    ASSERT_TRUE(again->setPositionMs(5000));  // past the end is the end
    EXPECT_EQ(again->positionMs(), 1000u);
    output->pullSeconds(0.05);
    EXPECT_TRUE(again->finished());
}

TEST_F(SoundEngineTest, PauseStopAndTheMasterVolumeShapeTheMix) {
    auto sound = engine->play(wav);
    const double full = rms(output->pullSeconds(0.3));
    engine->setAllSoundsPaused(true);
    EXPECT_TRUE(sound->paused());
    EXPECT_EQ(rms(output->pullSeconds(0.5)), 0.0);
    EXPECT_NEAR(sound->positionMs(), 300, 2);
    engine->setAllSoundsPaused(false);
    engine->setMasterVolume(0.25f);
    EXPECT_NEAR(rms(output->pullSeconds(0.2)) / full, 0.25, 0.02);
    EXPECT_NEAR(sound->positionMs(), 500, 2);
    engine->setMasterVolume(0.0f);
    EXPECT_EQ(rms(output->pullSeconds(0.1)), 0.0);
    engine->setMasterVolume(7.0f);
    EXPECT_FLOAT_EQ(engine->masterVolume(), 1.0f);
    engine->stopAllSounds();
    EXPECT_TRUE(sound->finished());
    EXPECT_EQ(rms(output->pullSeconds(0.2)), 0.0);
    EXPECT_FALSE(sound->setPositionMs(0));
    // A sound started later plays unpaused even after a pause of everything.
    engine->setAllSoundsPaused(true);
    EXPECT_FALSE(engine->play(wav)->paused());
    EXPECT_GT(rms(output->pullSeconds(0.1)), 0.3);
    EXPECT_EQ(engine->play(dir.filePath("missing.wav")), nullptr);
    EXPECT_EQ(SoundEngine::create(std::make_unique<FailingOutput>()), nullptr);
}

}  // namespace
