// Songs are opened away from the window thread, and only regular files are opened at all: a
// named pipe or a device named as a song is passed over like an unplayable file, and nothing
// waits on it. The engine is rendered on the output's thread while the window thread starts,
// moves, pauses and stops sounds: a pulling thread against the null output, and SDL's own audio
// thread with its dummy driver (no sound card needed).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "audio/PlaybackProbes.h"
#include "audio/SdlOutput.h"
#include "audio/SoundEngine.h"
#include "support/Waiting.h"

namespace {

class SongOpeningTest : public ::testing::Test {
protected:
    void SetUp() override {
        fifo = dir.filePath("pipe.mp3");
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        good = dir.filePath("good.wav");
        ASSERT_TRUE(GeneratedSounds::writeTone(good, Format::Wav, 44100, 2, 0.5));
        auto nullOutput = std::make_unique<NullOutput>();
        output = nullOutput.get();
        sound = std::make_unique<Sound>(playList, std::move(nullOutput));
        sound->addInfo(&info);
    }
    void TearDown() override { sound.reset(); }
    // Runs the window thread's event loop until the condition holds; after ten seconds lets a
    // reader that a fault left blocked in open() on the pipe go on, and gives up.
    bool processEventsUntil(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        if (!condition()) {
            ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
        }
        return condition();
    }
    ScriptedPrompts prompts;
    DebugCapture debug;
    QTemporaryDir dir;
    QString fifo;
    QString good;
    PlayList playList;
    NullOutput* output = nullptr;
    std::unique_ptr<Sound> sound;
    RecordingInfo info;
};

// Nothing is known when the command answers: a song was handed on to be played. When no song
// can play the player stops later; a song that can is found past the pipe and the device.
TEST_F(SongOpeningTest, APipeOrADeviceNamedAsASongIsPassedOver) {
    playList.addSong({fifo, "N/A", "pipe"});
    playList.addSong({"/dev/zero", "N/A", "zero"});
    std::vector<PlayState> states;
    QObject::connect(&playList.events(), &PlayerEvents::stateChanged,
                     [&](PlayState state) { states.push_back(state); });
    EXPECT_TRUE(sound->playPause());
    ASSERT_TRUE(processEventsUntil([&] { return !sound->isPlaying(); }));
    EXPECT_EQ(states, std::vector<PlayState>({PlayState::Playing, PlayState::Stopped}));
    EXPECT_TRUE(info.last().isEmpty());
    playList.addSong({good, "Artist", "Good"});
    playList.setCurrentIndex(0);
    EXPECT_TRUE(sound->playPause());
    EXPECT_TRUE(sound->isPlaying());
    ASSERT_TRUE(processEventsUntil([&] { return info.last() == "Good - Artist"; }))
        << debug.lines();
    EXPECT_EQ(playList.currentIndex(), 2u);
    EXPECT_NE(debug.lines().find("pipe.mp3)\n"), std::string::npos);
    EXPECT_NE(debug.lines().find("ERROR: Failed to play (/dev/zero)\n"), std::string::npos);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(sound->state(), PlayState::Playing);
}

TEST_F(SongOpeningTest, ACommandWhileASongOpensReplacesIt) {
    const QString second = dir.filePath("second.flac");
    ASSERT_TRUE(GeneratedSounds::writeTone(second, Format::Flac, 48000, 1, 0.5));
    playList.addSong({good, "Artist", "Good"});
    playList.addSong({second, "Artist", "Second"});
    // Three commands before any result: only the last song is started.
    EXPECT_TRUE(sound->playPause());
    EXPECT_FALSE(sound->next());
    EXPECT_FALSE(sound->playPause());  // paused while it opens
    ASSERT_TRUE(processEventsUntil([&] { return !info.last().isEmpty(); }));
    EXPECT_EQ(info.last(), "Second - Artist");
    EXPECT_EQ(sound->state(), PlayState::Paused);
    EXPECT_EQ(output->pull(4096), std::vector<float>(8192, 0.0f));
    EXPECT_TRUE(sound->playPause());
    EXPECT_NE(output->pull(4096), std::vector<float>(8192, 0.0f));
}

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
    EXPECT_EQ(output->pull(1024), std::vector<float>(2048, 0.0f)) << "everything stopped";
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
    // The dummy device consumes in real time: it is seen to move.
    EXPECT_TRUE(waitFor([&] { return sound->positionMs() > 0; }, 2000));
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
