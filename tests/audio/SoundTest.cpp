// The player's states and operations, played through the null output: the test renders the
// sound itself and calls the poll, so a song plays to its end without waiting for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <utility>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/PlaybackProbes.h"
#include "audio/ProgressDisplay.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

namespace {

using Format = GeneratedSounds::Format;

class RecordingProgress : public ProgressDisplay {
public:
    void setLength(uint32_t ms) override { length = ms; }
    void setPosition(uint32_t ms) override { positions.push_back(ms); }
    uint32_t length = 0;
    std::vector<uint32_t> positions;
};

// Every player announcement, as one line each, in order.
class EventLog {
public:
    explicit EventLog(PlayerEvents& events) {
        static const char* stateNames[] = {"Stopped", "Playing", "Paused"};
        QObject::connect(&events, &PlayerEvents::stateChanged, [this](PlayState state) {
            lines.push_back(QString("state ") + stateNames[static_cast<int>(state)]);
        });
        QObject::connect(&events, &PlayerEvents::songChanged,
                         [this](const SongInfo& song) { lines.push_back("song " + song.title); });
        QObject::connect(&events, &PlayerEvents::volumeChanged, [this](int percent) {
            lines.push_back(QString("volume %1").arg(percent));
        });
        QObject::connect(&events, &PlayerEvents::muteChanged,
                         [this](bool muted) { lines.push_back(QString("mute %1").arg(muted)); });
        QObject::connect(&events, &PlayerEvents::modesChanged, [this](bool shuffle, bool repeat) {
            lines.push_back(QString("modes %1 %2").arg(shuffle).arg(repeat));
        });
        QObject::connect(&events, &PlayerEvents::positionJumped,
                         [this](uint32_t ms) { lines.push_back(QString("jump %1").arg(ms)); });
    }
    // The lines since the last call.
    QStringList take() { return std::exchange(lines, {}); }

private:
    QStringList lines;
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto nullOutput = std::make_unique<NullOutput>();
        output = nullOutput.get();
        // Opened inline: each command's answer is exact and the test needs no event loop.
        sound = std::make_unique<Sound>(playList, std::move(nullOutput), SongOpener::Mode::Inline);
        sound->addInfo(&info);
        sound->addProgress(&progress);
    }
    void TearDown() override { sound.reset(); }

    // Songs "Song0" .. "SongN" by "Artist0" .. of the given lengths, in rotating formats.
    void addSongs(std::vector<double> seconds) {
        const Format formats[] = {Format::Wav, Format::Flac, Format::OggVorbis, Format::Mp3};
        const char* extensions[] = {"wav", "flac", "ogg", "mp3"};
        for (double length : seconds) {
            const int n = static_cast<int>(playList.songCount());
            const QString path = dir.filePath(QString("song%1.%2").arg(n).arg(extensions[n % 4]));
            ASSERT_TRUE(GeneratedSounds::writeTone(path, formats[n % 4], 44100, 2, length));
            playList.addSong({path, QString("Artist%1").arg(n), QString("Song%1").arg(n)});
        }
    }
    void addUnplayable(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(GeneratedSounds::writeBytes(dir.filePath(name), bytes));
        playList.addSong({dir.filePath(name), "N/A", name});
    }
    static QString textOf(int song) { return QString("Song%1 - Artist%1").arg(song); }
    bool sounds(double seconds = 0.1) { return rms(output->pullSeconds(seconds)) > 0.25; }
    // Renders past the end of the song that plays, then lets the poll notice it.
    void playToEndAndPoll() {
        output->pullSeconds(progress.length / 1000.0 + 0.05);
        sound->poll();
    }

    ScriptedPrompts prompts;
    DebugCapture debug;
    QTemporaryDir dir;
    PlayList playList;
    NullOutput* output = nullptr;
    std::unique_ptr<Sound> sound;
    RecordingInfo info;
    RecordingProgress progress;
};

// One command from a given state: its answer, the state, the song and the sound afterwards.
using enum PlayState;
enum Command { PlayPause, Next, Previous, Stop };
struct CommandCase {
    const char* name;
    int songs;  // of one second each
    uint32_t current;
    bool repeat;
    PlayState before;
    Command command;
    int answer;  // -1 for stop, which answers nothing
    PlayState after;
    uint32_t currentAfter;
    int showing;  // the song shown as playing afterwards, -1 for none
};

// clang-format off
const CommandCase commandCases[] = {
    {"PlayOnEmpty",                  0, 0, true,  Stopped, PlayPause, 0,  Stopped, 0, -1},
    {"NextOnEmpty",                  0, 0, true,  Stopped, Next,      0,  Stopped, 0, -1},
    {"PreviousOnEmpty",              0, 0, true,  Stopped, Previous,  0,  Stopped, 0, -1},
    {"PlayStarts",                   2, 0, false, Stopped, PlayPause, 1,  Playing, 0, 0},
    {"PlayPauses",                   2, 0, false, Playing, PlayPause, 0,  Paused,  0, 0},
    {"PlayResumes",                  2, 0, false, Paused,  PlayPause, 1,  Playing, 0, 0},
    {"NextOnTheLastRunsOut",         2, 1, false, Playing, Next,      0,  Stopped, 2, 1},
    {"NextOnTheLastWithRepeat",      2, 1, true,  Stopped, Next,      1,  Playing, 0, 0},
    {"NextWhenStopped",              3, 0, false, Stopped, Next,      1,  Playing, 1, 1},
    {"NextWhenPausedUnpauses",       3, 0, false, Paused,  Next,      1,  Playing, 1, 1},
    {"PreviousWhilePlaying",         3, 1, false, Playing, Previous,  0,  Playing, 0, 0},
    {"PreviousOnTheFirstPlaysOn",    3, 0, false, Playing, Previous,  0,  Playing, 0, 0},
    {"PreviousOnTheFirstWithRepeat", 3, 0, true,  Playing, Previous,  0,  Playing, 2, 2},
    {"StopWhenStoppedKeepsTheSong",  3, 2, false, Stopped, Stop,      -1, Stopped, 2, -1},
    {"StopRewinds",                  3, 1, false, Playing, Stop,      -1, Stopped, 0, 1},
};
// clang-format on

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class SoundCommand : public SoundTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(SoundCommand, AnswersAndLeavesThePlayerAsExpected) {
    const CommandCase& c = GetParam();
    addSongs(std::vector<double>(c.songs, 1.0));
    playList.setCurrentIndex(c.current);
    playList.setRepeat(c.repeat);
    if (c.before != Stopped) {
        ASSERT_TRUE(sound->playPause());
        output->pullSeconds(0.2);
    }
    if (c.before == Paused) {
        ASSERT_FALSE(sound->playPause());
    }
    const int answer = c.command == Stop       ? (sound->stop(), -1)
                       : c.command == Next     ? sound->next()
                       : c.command == Previous ? sound->previous()
                                               : sound->playPause();
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(sound->state(), c.after);
    EXPECT_EQ(sounds(), c.after == Playing);
    EXPECT_EQ(info.last(), c.showing < 0 ? QString() : textOf(c.showing));
    sound->poll();  // a song that plays on is no reason to move
    EXPECT_EQ(playList.currentIndex(), c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(Commands, SoundCommand, ::testing::ValuesIn(commandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundTest, TheProgressFollowsPlayPauseStopAndTheNextSong) {
    addSongs({0.5, 0.5});
    ASSERT_TRUE(sound->playPause());
    EXPECT_EQ(progress.length, 500u);
    EXPECT_EQ(progress.positions.back(), 0u);
    output->pullSeconds(0.2);
    EXPECT_FALSE(sound->playPause());
    EXPECT_EQ(rms(output->pullSeconds(0.3)), 0.0);
    EXPECT_TRUE(sound->playPause());
    output->pullSeconds(0.1);
    sound->poll();
    EXPECT_NEAR(progress.positions.back(), 300, 3);

    playToEndAndPoll();
    EXPECT_EQ(playList.currentIndex(), 1u);
    EXPECT_EQ(info.last(), textOf(1));
    EXPECT_EQ(progress.positions.back(), 0u);
    EXPECT_TRUE(sounds());

    EXPECT_FALSE(sound->playPause());
    sound->stop();
    EXPECT_EQ(progress.positions.back(), 0u);
    EXPECT_TRUE(sound->isPaused());  // stop leaves the flag: play starts unpaused
    ASSERT_TRUE(sound->playPause());
    EXPECT_FALSE(sound->isPaused());
    output->pullSeconds(0.25);
    sound->poll();
    EXPECT_NEAR(progress.positions.back(), 250, 3);
}

TEST_F(SoundTest, ThePollRunsByItselfTwiceASecond) {
    addSongs({1.0});
    ASSERT_TRUE(sound->playPause());
    output->pullSeconds(0.3);
    const size_t before = progress.positions.size();
    QElapsedTimer waited;
    waited.start();
    while (progress.positions.size() == before && waited.elapsed() < 2 * Sound::pollIntervalMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_GT(progress.positions.size(), before);
    EXPECT_NEAR(progress.positions.back(), 300, 3);
}

// The list runs out (the last song ends, or next on it): stopped one beyond the end, the knob
// at the start; play starts over from the first song, in shuffle from a fresh pick.
TEST_F(SoundTest, AListThatRanOutStopsAndPlayStartsOver) {
    addSongs({0.5, 0.5, 0.5});
    const struct {
        bool byNext;
        bool shuffleAfterwards;
        uint32_t expectedStart;
    } cases[] = {{false, false, 0}, {true, false, 0}, {false, true, 1}, {true, true, 1}};
    for (const auto& test : cases) {
        playList.setShuffle(false);
        sound->stop();
        playList.setCurrentIndex(2);
        ASSERT_TRUE(sound->playPause());
        output->pullSeconds(0.2);
        sound->poll();
        if (test.byNext) {
            EXPECT_FALSE(sound->next());
        } else {
            playToEndAndPoll();
        }
        EXPECT_EQ(sound->state(), PlayState::Stopped) << test.byNext;
        EXPECT_EQ(playList.currentIndex(), 3u);
        EXPECT_EQ(progress.positions.back(), 0u);
        sound->poll();
        EXPECT_EQ(playList.currentIndex(), 3u);

        playList.setShuffle(test.shuffleAfterwards);
        playList.setRandomSource([] { return 7u; });  // 7 % 3 = 1
        ASSERT_TRUE(sound->playPause());
        EXPECT_EQ(sound->state(), PlayState::Playing);
        EXPECT_EQ(playList.currentIndex(), test.expectedStart);
        EXPECT_EQ(info.last(), textOf(static_cast<int>(test.expectedStart)));
        if (test.shuffleAfterwards) {
            EXPECT_EQ(playList.shuffleHistory().front(), 1u);  // a new history
            EXPECT_EQ(playList.shufflePosition(), 0u);
        }
    }
}

TEST_F(SoundTest, WhilePausedTheProgressStandsAndTheEndIsNotNoticed) {
    addSongs({0.5, 0.5});
    ASSERT_TRUE(sound->playPause());
    output->pullSeconds(0.6);  // the song has finished
    sound->pauseAll(true);     // as while a slider is dragged
    EXPECT_TRUE(sound->isPaused());
    const size_t updates = progress.positions.size();
    sound->poll();
    EXPECT_EQ(progress.positions.size(), updates);
    EXPECT_EQ(playList.currentIndex(), 0u);
    sound->pauseAll(false);
    sound->poll();
    EXPECT_EQ(playList.currentIndex(), 1u);
}

TEST_F(SoundTest, SeekMovesThePlayPositionAndTheDisplays) {
    addSongs({1.0});
    sound->seek(400);  // Stopped: only the displays move, to 0
    EXPECT_EQ(progress.positions.back(), 0u);
    EXPECT_FALSE(sound->isPlaying());

    ASSERT_TRUE(sound->playPause());
    sound->seek(600);
    EXPECT_EQ(progress.positions.back(), 600u);
    output->pullSeconds(0.1);
    sound->poll();
    EXPECT_NEAR(progress.positions.back(), 700, 3);
    sound->restart();
    EXPECT_EQ(progress.positions.back(), 0u);
    sound->poll();
    EXPECT_EQ(progress.positions.back(), 0u);
}

TEST_F(SoundTest, MuteAndVolume) {
    addSongs({1.0});
    sound->setVolume(40);
    EXPECT_TRUE(sound->toggleMute());
    EXPECT_FLOAT_EQ(sound->masterVolume(), 0.0f);
    ASSERT_TRUE(sound->playPause());
    EXPECT_EQ(rms(output->pullSeconds(0.2)), 0.0);
    // A volume set while muted is kept for the unmute; the player stays silent.
    sound->setVolume(30);
    EXPECT_EQ(rms(output->pullSeconds(0.1)), 0.0);
    sound->setVolume(40);
    EXPECT_FALSE(sound->toggleMute());
    EXPECT_FALSE(sound->isMuted());
    EXPECT_FLOAT_EQ(sound->masterVolume(), 0.4f);
    const double quiet = rms(output->pullSeconds(0.2));
    sound->setVolume(100);
    EXPECT_NEAR(quiet / rms(output->pullSeconds(0.2)), 0.4, 0.03);
}

TEST_F(SoundTest, DisplaysRegisteredWhilePlayingAreToldAtOnce) {
    addSongs({1.0, 0.5});
    RecordingInfo late;
    RecordingProgress lateProgress;
    sound->addInfo(&late);
    sound->addProgress(&lateProgress);
    EXPECT_TRUE(late.texts.empty());  // nothing plays yet
    sound->removeInfo(&late);
    sound->removeProgress(&lateProgress);

    ASSERT_TRUE(sound->playPause());
    sound->addInfo(&late);
    sound->addProgress(&lateProgress);
    EXPECT_EQ(late.last(), textOf(0));
    EXPECT_EQ(lateProgress.length, 1000u);

    // Removing drops every registration of the element.
    sound->addInfo(&late);
    sound->removeInfo(&late);
    sound->removeProgress(&lateProgress);
    const size_t shown = late.texts.size();
    EXPECT_FALSE(sound->next());  // already playing
    EXPECT_EQ(late.texts.size(), shown);
    EXPECT_EQ(lateProgress.length, 1000u);
    EXPECT_EQ(info.last(), textOf(1));
}

TEST_F(SoundTest, SongsThatCannotPlayArePassedOverAndAtTheEndStopThePlayer) {
    addUnplayable("noise.mp3", GeneratedSounds::randomBytes(5000, 9));
    addUnplayable("empty.flac", {});
    addSongs({0.5});
    addUnplayable("noise.ogg", GeneratedSounds::randomBytes(7000, 4));
    ASSERT_TRUE(sound->playPause());
    EXPECT_EQ(playList.currentIndex(), 2u);
    EXPECT_EQ(info.last(), textOf(2));
    EXPECT_NE(debug.lines().find("ERROR: Failed to play ("), std::string::npos);
    EXPECT_NE(debug.lines().find("noise.mp3)\n"), std::string::npos);
    playToEndAndPoll();
    EXPECT_FALSE(sound->isPlaying());
    EXPECT_TRUE(prompts.shown.empty());

    // Nothing left that plays: every command gives up, even with repeat.
    playList.removeSong(2);
    playList.setRepeat(true);
    info.texts.clear();
    EXPECT_FALSE(sound->playPause());
    EXPECT_FALSE(sound->next());
    EXPECT_FALSE(sound->previous());
    EXPECT_FALSE(sound->isPlaying());
    sound->poll();
    EXPECT_TRUE(info.texts.empty());
}

TEST_F(SoundTest, AMissingSongIsTheQuestionOfThePlaylist) {
    addSongs({0.5});
    playList.addSong({dir.filePath("gone.wav"), "Nobody", "Gone"});
    addSongs({0.5});
    ASSERT_TRUE(sound->playPause());
    prompts.answerNext(PromptAnswer::No);
    playToEndAndPoll();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "File does not exists.");
    EXPECT_EQ(info.last(), textOf(2));
    EXPECT_EQ(playList.songCount(), 3u);
}

TEST_F(SoundTest, CommandsAnnounceWhatTheyChange) {
    addSongs({1.0, 1.0});
    EventLog events(playList.events());
    const struct {
        std::function<void()> command;
        QStringList expected;
    } steps[] = {
        {[&] { sound->playPause(); }, {"song Song0", "state Playing"}},
        {[&] { sound->playPause(); }, {"state Paused"}},
        {[&] { sound->pauseAll(false); }, {"state Playing"}},
        {[&] { sound->seek(300); }, {"jump 300"}},
        {[&] { sound->restart(); }, {"jump 0"}},
        {[&] { sound->setVolume(40); }, {"volume 40"}},
        {[&] { sound->setVolume(40); }, {}},
        {[&] { sound->toggleMute(); }, {"mute 1"}},
        {[&] { sound->toggleMute(); }, {"mute 0"}},
        {[&] { playList.setShuffle(true); }, {"modes 1 0"}},
        {[&] { playList.setShuffle(true); }, {}},
        {[&] { playList.setRepeat(true); }, {"modes 1 1"}},
        {[&] { playList.setShuffle(false); }, {"modes 0 1"}},
        {[&] { playToEndAndPoll(); }, {"song Song1"}},  // a song ending on its own
        {[&] { playList.setRepeat(false); }, {"modes 0 0"}},
        {[&] { sound->next(); }, {"song ", "state Stopped"}},
        {[&] { sound->stop(); }, {}},
        {[&] { sound->poll(); }, {}},
        {[&] { sound->playPause(); }, {"song Song0", "state Playing"}},
        {[&] { sound->next(); }, {"song Song1"}},
        {[&] { playToEndAndPoll(); }, {"song ", "state Stopped"}},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].command();
        EXPECT_EQ(events.take(), steps[i].expected) << "step " << i;
    }
}

// A null output that keeps what the player asked of it.
class WatchedOutput : public NullOutput {
public:
    bool start(AudioRenderer& renderer) override {
        ++starts;
        return NullOutput::start(renderer);
    }
    void setIdle(bool idle) override {
        idleCalls.push_back(idle);
        NullOutput::setIdle(idle);
    }
    int starts = 0;
    std::vector<bool> idleCalls;
};

TEST(SoundOutput, OpensOnTheFirstPlayAndIdlesWhileNothingPlays) {
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    PlayList playList;
    for (const char* name : {"a.wav", "b.wav"}) {
        ASSERT_TRUE(GeneratedSounds::writeTone(dir.filePath(name), Format::Wav, 44100, 2, 0.5));
        playList.addSong({dir.filePath(name), "A", name});
    }
    auto watched = std::make_unique<WatchedOutput>();
    WatchedOutput& output = *watched;
    Sound sound(playList, std::move(watched), SongOpener::Mode::Inline);
    sound.setVolume(50);
    EXPECT_EQ(output.starts, 0);

    ASSERT_TRUE(sound.playPause());
    EXPECT_EQ(output.starts, 1);
    // Paused half-way and resumed: the sound goes on from the very next frame.
    std::vector<float> heard = output.pull(10000);
    sound.playPause();
    EXPECT_EQ(output.pull(5000), std::vector<float>(10000, 0.0f));
    sound.playPause();
    const std::vector<float> after = output.pull(10000);
    heard.insert(heard.end(), after.begin(), after.end());
    const std::vector<float> tone = GeneratedSounds::tone(44100, 2, 0.5);
    ASSERT_EQ(heard.size(), 40000u);
    for (size_t i = 0; i < heard.size(); ++i) {
        ASSERT_NEAR(heard[i], tone[i] * 0.5f, 1e-4) << "sample " << i;
    }
    output.pullSeconds(1.0);
    sound.poll();  // the second song
    output.pullSeconds(1.0);
    sound.poll();  // the list has run out
    EXPECT_EQ(output.idleCalls, std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(output.starts, 1);
}

TEST(SoundWithoutDevice, ReportsOnceAndGoesOnSilently) {
    ScriptedPrompts prompts;
    DebugCapture debug;
    QTemporaryDir dir;
    PlayList playList;
    const QString path = dir.filePath("a.wav");
    ASSERT_TRUE(GeneratedSounds::writeTone(path, Format::Wav, 44100, 1, 0.5));
    playList.addSong({path, "A", "B"});
    Sound sound(playList, std::make_unique<FailingOutput>());
    // The device is opened on the first play, not before.
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(sound.playPause());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Failed to create soundengine.");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR");
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(debug.lines(), "ERROR: Failed to create soundengine.\n");

    EXPECT_FALSE(sound.playPause());
    EXPECT_FALSE(sound.next());
    EXPECT_FALSE(sound.previous());
    EXPECT_FALSE(sound.toggleMute());
    sound.stop();
    sound.seek(100);
    sound.poll();
    EXPECT_FALSE(sound.isPlaying());
    // The chosen volume is still what the settings keep.
    sound.setVolume(57);
    EXPECT_FLOAT_EQ(sound.masterVolume(), 0.57f);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
