// Songs played by the real program into a recording (SDL's disk driver): what a listener hears.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "Recording.h"
#include "XServer.h"
#include "audio/GeneratedSounds.h"
#include "common/PlayerFiles.h"

namespace {

using Format = GeneratedSounds::Format;

// Root mean square of the left channel of a stretch of the interleaved stereo recording.
double rms(const std::vector<float>& samples, size_t firstFrame, size_t frames) {
    double sum = 0;
    for (size_t frame = firstFrame; frame < firstFrame + frames; ++frame) {
        sum += static_cast<double>(samples[frame * 2]) * samples[frame * 2];
    }
    return std::sqrt(sum / static_cast<double>(frames));
}

// Starts the player on the files into a recording, presses play once the worker has added
// them, and closes it once the recording holds the seconds; the recording.
std::vector<float> playAndRecord(XServer& x, PlayerProcess& player, const QStringList& files,
                                 double seconds) {
    const QString recording = player.home() + "/recording.raw";
    Recording::recordInto(player, recording);
    player.start(files);
    EXPECT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    // The worker adds the files (or reopens the last playlist) in the background.
    EXPECT_TRUE(PlaylistView::waitForLines(x, std::max<int>(1, files.size())));
    EXPECT_TRUE(x.click(25, 10));  // the default skin's play button
    EXPECT_TRUE(Recording::waitForSeconds(recording, seconds));
    EXPECT_TRUE(x.click(5, 5));  // close
    EXPECT_TRUE(player.waitForExit(20000));
    return Recording::samples(recording);
}

}  // namespace

// Songs of different formats and rates follow each other without silence at the joints; one
// tagged with a track gain of -12 dB sounds 12 dB quieter than the same tone untagged.
TEST(PlaybackRecording, SongsJoinWithoutSilenceAndATrackGainOfMinusTwelveDecibelsIsHeard) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QStringList songs = {player.home() + "/first.wav", player.home() + "/second.flac",
                               player.home() + "/quiet.flac"};
    constexpr double seconds = 1.0;
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[0], Format::Wav, 22050, 1, seconds));
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[1], Format::Flac, 48000, 2, seconds));
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[2], Format::Flac, 44100, 2, seconds));
    ASSERT_TRUE(GeneratedSounds::writeTags(
        songs[2], {{"REPLAYGAIN_TRACK_GAIN", "-12.00 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"}}));

    const std::vector<float> samples = playAndRecord(x, player, songs, 3 * seconds + 0.5);
    EXPECT_TRUE(player.output().contains("play pressed\n")) << player.output().toStdString();
    ASSERT_GE(samples.size() / 2, static_cast<size_t>((3 * seconds + 0.5) * Recording::rate));
    const auto [begin, end] = Recording::soundingSpan(samples);
    // Nothing is silent in between but the odd frame at a zero crossing (the resampler adds no
    // delay of its own here).
    EXPECT_NEAR(static_cast<double>(end - begin) / Recording::rate, 3 * seconds, 0.01);
    size_t longestSilence = 0;
    for (size_t frame = begin, run = 0; frame < end; ++frame) {
        run = samples[frame * 2] == 0.0f && samples[frame * 2 + 1] == 0.0f ? run + 1 : 0;
        longestSilence = std::max(longestSilence, run);
    }
    EXPECT_LE(longestSilence, 2u);

    // The middle half of the second and the third song: the same stretch of the same tone.
    const size_t songFrames = static_cast<size_t>(seconds * Recording::rate);
    const double loud = rms(samples, begin + songFrames + songFrames / 4, songFrames / 2);
    const double quiet = rms(samples, begin + 2 * songFrames + songFrames / 4, songFrames / 2);
    ASSERT_GT(quiet, 0.0);
    EXPECT_NEAR(20.0 * std::log10(loud / quiet), 12.0, 0.2);
}

// Closed in the middle of a song, the player keeps where it was; started again on the same
// data, its first Play sounds only the rest of the song.
TEST(PlaybackRecording, TheFirstPlayAfterARestartSoundsTheRestOfTheSong) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess first(x.displayName());
    constexpr double songSeconds = 8.0;
    const QString song = first.home() + "/song.flac";
    ASSERT_TRUE(GeneratedSounds::writeTone(song, Format::Flac, 44100, 2, songSeconds));
    playAndRecord(x, first, {song}, 1.5);
    QFile resume(first.dataFolder() + "/resume");
    ASSERT_TRUE(resume.open(QIODevice::ReadOnly));
    const auto point = PlayerFiles::parseResumePoint(resume.readAll());
    ASSERT_TRUE(point);
    EXPECT_EQ(point->path, song);
    const uint32_t keptMs = point->positionMs;
    EXPECT_GT(keptMs, 500u);
    EXPECT_LT(keptMs, 7000u);

    PlayerProcess second(x.displayName(), first.home());
    const std::vector<float> samples = playAndRecord(x, second, {}, songSeconds + 1.0);
    size_t sounding = 0;
    for (size_t frame = 0; frame < samples.size() / 2; ++frame) {
        sounding += samples[frame * 2] != 0.0f ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(sounding) / Recording::rate, songSeconds - keptMs / 1000.0,
                0.6);
}
