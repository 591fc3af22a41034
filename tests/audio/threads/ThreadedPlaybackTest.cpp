// The engine is rendered on the output's thread while the window thread starts, moves, pauses
// and stops sounds: a pulling thread against the null output, and SDL's own audio thread with
// its dummy driver (no sound card needed).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/SdlOutput.h"
#include "audio/SoundEngine.h"

namespace {

using Format = GeneratedSounds::Format;

TEST(ThreadedPlayback, CommandsWhileAnotherThreadRenders) {
    QTemporaryDir dir;
    const QString flac = dir.filePath("a.flac");
    const QString mp3 = dir.filePath("b.mp3");
    ASSERT_TRUE(GeneratedSounds::writeTone(flac, Format::Flac, 48000, 2, 2.0));
    ASSERT_TRUE(GeneratedSounds::writeTone(mp3, Format::Mp3, 44100, 2, 2.0));
    auto nullOutput = std::make_unique<NullOutput>();
    NullOutput* output = nullOutput.get();
    auto engine = SoundEngine::create(std::move(nullOutput));
    ASSERT_NE(engine, nullptr);

    std::atomic<bool> done{false};
    std::atomic<long> blocks{0};
    std::thread renderer([&] {
        while (!done) {
            output->pull(512);
            ++blocks;
        }
    });
    for (int round = 0; round < 60; ++round) {
        auto sound = engine->play(round % 2 == 0 ? flac : mp3);
        ASSERT_NE(sound, nullptr);
        sound->setPositionMs(static_cast<uint32_t>(round * 31 % 2000));
        engine->setAllSoundsPaused(round % 3 == 0);
        engine->setMasterVolume(static_cast<float>(round % 10) / 10.0f);
        EXPECT_LE(sound->positionMs(), sound->lengthMs());
        sound->finished();
        if (round % 4 == 0) {
            engine->stopAllSounds();
            EXPECT_TRUE(sound->finished());
        }
    }
    engine->stopAllSounds();
    const long before = blocks;
    while (blocks < before + 3) {
        std::this_thread::yield();
    }
    done = true;
    renderer.join();
    // With everything stopped the mix is silence.
    for (float sample : output->pull(1024)) {
        ASSERT_EQ(sample, 0.0f);
    }
}

TEST(ThreadedPlayback, SdlPlaysOnItsOwnThreadWithTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QTemporaryDir dir;
    const QString wav = dir.filePath("a.wav");
    ASSERT_TRUE(GeneratedSounds::writeTone(wav, Format::Wav, 22050, 1, 3.0));
    auto engine = SoundEngine::create(std::make_unique<SdlOutput>());
    ASSERT_NE(engine, nullptr);
    auto sound = engine->play(wav);
    ASSERT_NE(sound, nullptr);

    // The dummy device consumes in real time; wait (at most two seconds) to see it move.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (sound->positionMs() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_GT(sound->positionMs(), 0u);
    engine->setAllSoundsPaused(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // a block in flight may end
    const uint32_t pausedAt = sound->positionMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(sound->positionMs(), pausedAt);
    engine->setAllSoundsPaused(false);
    sound->setPositionMs(2900);
    engine.reset();  // closes the device while it plays
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
