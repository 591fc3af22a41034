// Songs follow each other without a gap: the next song is opened ahead and its first frame comes
// right after the current song's last, across formats and sample rates, through the null output.
#include <algorithm>

#include "audio/PlaybackProbes.h"
#include "audio/ReplayGain.h"

namespace {

using ToneFile = GeneratedSounds::ToneFile;
using enum GeneratedSounds::Format;
using enum ReplayGainMode;

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

TEST(Gapless, TheNextSongStartsAtTheFrameAfterTheLastOne) {
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
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        PlayList playList;
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
        if (test.shuffle) {
            playList.setRandomSource([] { return 1u; });
            playList.setShuffle(true);
        }
        const std::vector<float> first = renderedAlone(dir.filePath(test.first.name));
        const std::vector<float> second = renderedAlone(dir.filePath(test.second.name));
        ASSERT_FALSE(first.empty());
        ASSERT_FALSE(second.empty());
        auto nullOutput = std::make_unique<NullOutput>(44100, 2);
        NullOutput& output = *nullOutput;
        Sound sound(playList, std::move(nullOutput), SongOpener::Mode::Inline);
        RecordingInfo info;
        sound.addInfo(&info);
        sound.setReplayGainMode(test.mode);
        ASSERT_TRUE(sound.playPause());
        // Blocks of an odd size, so the joint falls inside one.
        std::vector<float> heard;
        while (heard.size() < first.size() + second.size() + 4000) {
            const std::vector<float> block = output.pull(1000);
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
        sound.poll();
        EXPECT_EQ(info.last(), QString("%1 - Artist").arg(test.second.name));
        EXPECT_EQ(playList.currentIndex(), 1u);
        // The second song has ended as well: the end of the list, or in shuffle a new round,
        // which never begins with the song just played.
        sound.poll();
        EXPECT_EQ(sound.state(), test.shuffle ? PlayState::Playing : PlayState::Stopped);
        EXPECT_EQ(info.last(),
                  QString("%1 - Artist").arg(test.shuffle ? test.first.name : test.second.name));
    }
}

TEST(Gapless, WhatThePlaylistSaysAtTheJointWins) {
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    PlayList playList;
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
        ASSERT_TRUE(GeneratedSounds::writeTone(dir.filePath(name), Format::Wav, 44100, 2, 0.3));
        playList.addSong({dir.filePath(name), "Artist", name});
    }
    auto nullOutput = std::make_unique<NullOutput>(44100, 2);
    NullOutput& output = *nullOutput;
    Sound sound(playList, std::move(nullOutput), SongOpener::Mode::Inline);
    RecordingInfo info;
    sound.addInfo(&info);
    ASSERT_TRUE(sound.playPause());
    // b.wav was opened ahead; the list changes so that c.wav follows, then the song ends.
    playList.removeSong(1);
    output.pullSeconds(0.4);
    sound.poll();
    EXPECT_EQ(info.last(), "c.wav - Artist");
    EXPECT_EQ(playList.currentIndex(), 1u);
    EXPECT_EQ(sound.state(), PlayState::Playing);
    // The last song: nothing follows, and the end is the end of the list.
    output.pullSeconds(0.4);
    sound.poll();
    EXPECT_EQ(sound.state(), PlayState::Stopped);
    EXPECT_EQ(info.last(), "c.wav - Artist");
}

}  // namespace
