// The player's states and operations, and the engine under it, played through the null output:
// the test renders the sound itself and calls the poll, so a song plays to its end at once.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

#include "audio/PlaybackProbes.h"
#include "audio/ProgressDisplay.h"
#include "audio/ReplayGain.h"
#include "audio/SoundEngine.h"

namespace {

using enum PlayState;
using ToneFile = GeneratedSounds::ToneFile;

size_t leadingSilentFrames(const std::vector<float>& samples, size_t from = 0) {
    size_t frame = from;
    while (frame * 2 + 1 < samples.size() && samples[frame * 2] == 0.0f &&
           samples[frame * 2 + 1] == 0.0f) {
        ++frame;
    }
    return frame - from;
}

size_t longestSilence(const std::vector<float>& samples, size_t from, size_t to) {
    size_t longest = 0;
    for (size_t frame = from; frame < to;) {
        const size_t run = leadingSilentFrames(samples, frame);
        longest = std::max(longest, run);
        frame += std::max<size_t>(run, 1);
    }
    return longest;
}

class RecordingProgress : public ProgressDisplay {
public:
    void setLength(uint32_t ms) override { length = ms; }
    void setPosition(uint32_t ms) override { positions.push_back(ms); }
    uint32_t length = 0;
    std::vector<uint32_t> positions;
};

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

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const char* stateNames[] = {"Stopped", "Playing", "Paused"};
        PlayerEvents* events = &playList.events();
        QObject::connect(events, &PlayerEvents::stateChanged, [this](PlayState state) {
            log << QString("state ") + stateNames[static_cast<int>(state)];
        });
        QObject::connect(events, &PlayerEvents::songChanged,
                         [this](const SongInfo& song) { log << "song " + song.title; });
        QObject::connect(events, &PlayerEvents::volumeChanged,
                         [this](int percent) { log << QString("volume %1").arg(percent); });
        QObject::connect(events, &PlayerEvents::muteChanged,
                         [this](bool muted) { log << QString("mute %1").arg(muted); });
        QObject::connect(events, &PlayerEvents::modesChanged, [this](bool shuffle, bool repeat) {
            log << QString("modes %1 %2").arg(shuffle).arg(repeat);
        });
        QObject::connect(events, &PlayerEvents::positionJumped,
                         [this](uint32_t ms) { log << QString("jump %1").arg(ms); });
        makeSound(std::make_unique<WatchedOutput>());
    }
    void TearDown() override { sound.reset(); }
    // Opened inline: each command's answer is exact and the test needs no event loop.
    void makeSound(std::unique_ptr<AudioOutput> device) {
        sound.reset();
        output = dynamic_cast<WatchedOutput*>(device.get());
        sound = std::make_unique<Sound>(playList, std::move(device), SongOpener::Mode::Inline);
        sound->addInfo(&info);
        sound->addProgress(&progress);
    }
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
    // The player's announcements since the last call, one line each.
    QStringList announced() { return std::exchange(log, {}); }
    ScriptedPrompts prompts;
    DebugCapture debug;
    QTemporaryDir dir;
    PlayList playList;
    WatchedOutput* output = nullptr;
    std::unique_ptr<Sound> sound;
    RecordingInfo info;
    RecordingProgress progress;
    QStringList log;
};

// One command from a given state: its answer, the state, the song and the sound afterwards.
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
    {"NextOnEmpty",                  0, 0, false, Stopped, Next,      0,  Stopped, 0, -1},
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
    // The poll also runs by itself, twice a second.
    const size_t polled = progress.positions.size();
    QElapsedTimer waited;
    waited.start();
    while (progress.positions.size() == polled && waited.elapsed() < 2 * Sound::pollIntervalMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_GT(progress.positions.size(), polled);
    EXPECT_NEAR(progress.positions.back(), 250, 3);
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
        EXPECT_EQ(sound->state(), Stopped) << test.byNext;
        EXPECT_EQ(playList.currentIndex(), 3u);
        EXPECT_EQ(progress.positions.back(), 0u);
        sound->poll();
        EXPECT_EQ(playList.currentIndex(), 3u);
        playList.setShuffle(test.shuffleAfterwards);
        playList.setRandomSource([] { return 7u; });  // 7 % 3 = 1
        ASSERT_TRUE(sound->playPause());
        EXPECT_EQ(sound->state(), Playing);
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

TEST_F(SoundTest, SeekMovesTheDisplaysAndMuteAndVolumeScaleTheSound) {
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
    sound->setVolume(40);
    EXPECT_TRUE(sound->toggleMute());
    EXPECT_FLOAT_EQ(sound->masterVolume(), 0.0f);
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
    announced();
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].command();
        EXPECT_EQ(announced(), steps[i].expected) << "step " << i;
    }
}

TEST_F(SoundTest, TheOutputOpensOnTheFirstPlayAndIdlesWhileNothingPlays) {
    addSongs({0.5, 0.5});
    sound->setVolume(50);
    EXPECT_EQ(output->starts, 0);
    ASSERT_TRUE(sound->playPause());
    EXPECT_EQ(output->starts, 1);
    // Paused half-way and resumed: the sound goes on from the very next frame.
    std::vector<float> heard = output->pull(10000);
    sound->playPause();
    EXPECT_EQ(output->pull(5000), std::vector<float>(10000, 0.0f));
    sound->playPause();
    const std::vector<float> after = output->pull(10000);
    heard.insert(heard.end(), after.begin(), after.end());
    const std::vector<float> tone = GeneratedSounds::tone(44100, 2, 0.5);
    ASSERT_EQ(heard.size(), 40000u);
    for (size_t i = 0; i < heard.size(); ++i) {
        ASSERT_NEAR(heard[i], tone[i] * 0.5f, 1e-4) << "sample " << i;
    }
    playToEndAndPoll();  // the second song
    playToEndAndPoll();  // the list has run out
    EXPECT_EQ(output->idleCalls, std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(output->starts, 1);
}

TEST_F(SoundTest, WithoutADeviceItReportsOnceAndGoesOnSilently) {
    addSongs({0.5});
    makeSound(std::make_unique<FailingOutput>());
    EXPECT_TRUE(prompts.shown.empty()) << "the device is opened on the first play";
    EXPECT_FALSE(sound->playPause());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Failed to create soundengine.");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR");
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(debug.lines(), "ERROR: Failed to create soundengine.\n");
    EXPECT_FALSE(sound->playPause() || sound->next() || sound->previous() || sound->toggleMute());
    sound->stop();
    sound->seek(100);
    sound->poll();
    EXPECT_FALSE(sound->isPlaying());
    sound->setVolume(57);  // still what the settings keep
    EXPECT_FLOAT_EQ(sound->masterVolume(), 0.57f);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

// Only the kept song starts at its kept position.
TEST_F(SoundTest, TheFirstPlayStartsOnlyTheKeptSongAtItsPosition) {
    addSongs({3.0, 3.0});
    for (int kept : {0, 1}) {
        playList.setCurrentIndex(0);
        makeSound(std::make_unique<WatchedOutput>());
        sound->resumeAt({playList.songAt(kept).path, 1800});
        ASSERT_TRUE(sound->playPause());
        EXPECT_EQ(sound->positionMs(), kept ? 0u : 1800u) << kept;
    }
}

// Songs follow each other without a gap: the next song is opened ahead and its first frame comes
// right after the current song's last, across formats and sample rates.
TEST_F(SoundTest, GaplessTheNextSongStartsAtTheFrameAfterTheLastOne) {
    using enum GeneratedSounds::Format;
    using enum PlayerFiles::ReplayGainMode;
    const struct {
        ToneFile first;
        ToneFile second;
        bool shuffle;
        // The first song is tagged -12 dB for the track and -3 dB for the album (but a WAV file
        // holds no tag); the second holds none. Each is scaled by its own gain up to the joint.
        ReplayGainMode mode;
        double firstDb;
    } cases[] = {
        // clang-format off
        {{"a.wav", Wav, 44100, 2}, {"b.flac", Flac, 22050, 1}, false, Track, 0.0},
        {{"a.ogg", OggVorbis, 48000, 1}, {"b.mp3", Mp3, 32000, 2}, false, Album, -3.0},
        {{"a.flac", Flac, 48000, 2}, {"b.wav", Wav, 8000, 1}, true, Track, -12.0},
        {{"a.mp3", Mp3, 44100, 2}, {"b.ogg", OggVorbis, 22050, 2}, true, Off, 0.0},
        {{"a.opus", Opus, 48000, 2}, {"b.flac", Flac, 44100, 2}, false, Track, -12.0},
        // clang-format on
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.first.name) + " then " + test.second.name +
                     (test.shuffle ? ", shuffle" : ""));
        while (playList.songCount() > 0) {
            playList.removeSong(0);
        }
        for (const ToneFile& tone : {test.first, test.second}) {
            const QString path = dir.filePath(tone.name);
            ASSERT_TRUE(
                GeneratedSounds::writeTone(path, tone.format, tone.rate, tone.channels, 0.6));
            playList.addSong({path, "Artist", tone.name});
        }
        if (test.first.format != Wav) {
            ASSERT_TRUE(GeneratedSounds::writeTags(
                dir.filePath(test.first.name),
                {{"REPLAYGAIN_TRACK_GAIN", "-12 dB"}, {"REPLAYGAIN_ALBUM_GAIN", "-3 dB"}}));
        }
        playList.setCurrentIndex(0);
        playList.setRandomSource([] { return 1u; });
        playList.setShuffle(test.shuffle);
        const std::vector<float> first = renderedAlone(dir.filePath(test.first.name));
        const std::vector<float> second = renderedAlone(dir.filePath(test.second.name));
        ASSERT_FALSE(first.empty());
        ASSERT_FALSE(second.empty());
        makeSound(std::make_unique<WatchedOutput>());
        sound->setReplayGainMode(test.mode);
        ASSERT_TRUE(sound->playPause());
        // Blocks of an odd size, so the joint falls inside one.
        std::vector<float> heard;
        while (heard.size() < first.size() + second.size() + 4000) {
            const std::vector<float> block = output->pull(1000);
            heard.insert(heard.end(), block.begin(), block.end());
        }
        const size_t joint = first.size() / 2;
        const auto gain = static_cast<float>(std::pow(10.0, test.firstDb / 20.0));
        for (size_t i = 0; i < first.size(); ++i) {
            ASSERT_NEAR(heard[i], first[i] * gain, 1e-6) << "first song, sample " << i;
        }
        for (size_t i = 0; i < second.size(); ++i) {
            ASSERT_EQ(heard[first.size() + i], second[i]) << "second song, sample " << i;
        }
        // No more silence at the joint than the second song's converter gives on its own.
        EXPECT_LE(longestSilence(heard, joint - 64, joint + 4096), leadingSilentFrames(second) + 1);
        EXPECT_EQ(info.last(), QString("%1 - Artist").arg(test.first.name));
        sound->poll();
        EXPECT_EQ(info.last(), QString("%1 - Artist").arg(test.second.name));
        EXPECT_EQ(playList.currentIndex(), 1u);
        // The second song has ended as well: the end of the list, or in shuffle a new round,
        // which never begins with the song just played.
        sound->poll();
        EXPECT_EQ(sound->state(), test.shuffle ? PlayState::Playing : PlayState::Stopped);
        EXPECT_EQ(info.last(),
                  QString("%1 - Artist").arg(test.shuffle ? test.first.name : test.second.name));
    }
}

// What the playlist says at the joint wins: the song opened ahead is dropped when the list
// changes, and the last song ends the list.
TEST_F(SoundTest, GaplessWhatThePlaylistSaysAtTheJointWins) {
    addSongs({0.3, 0.3, 0.3});
    ASSERT_TRUE(sound->playPause());
    playList.removeSong(1);
    playToEndAndPoll();
    EXPECT_EQ(info.last(), textOf(2));
    EXPECT_EQ(playList.currentIndex(), 1u);
    EXPECT_EQ(sound->state(), Playing);
    playToEndAndPoll();
    EXPECT_EQ(sound->state(), Stopped);
    EXPECT_EQ(info.last(), textOf(2));
}

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
