// Songs played by the real program into a recording (SDL's disk driver): what a listener hears.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "PlayerProcess.h"
#include "XServer.h"
#include "audio/GeneratedSounds.h"
#include "common/PlayerFiles.h"
#include "support/Files.h"
#include "support/Waiting.h"

namespace {

using Format = GeneratedSounds::Format;

// Root mean square of the left channel over a stretch of the interleaved stereo recording.
double rms(const std::vector<float>& samples, size_t firstFrame, size_t frames) {
    double sum = 0;
    for (size_t frame = firstFrame; frame < firstFrame + frames; ++frame) {
        sum += std::pow(static_cast<double>(samples[frame * 2]), 2);
    }
    return std::sqrt(sum / static_cast<double>(frames));
}

constexpr int rate = 44100;  // frames a second

// Starts the player on the files with its output going into a recording instead of a sound card
// (SDL's disk driver: interleaved stereo 32-bit floats), presses play once the worker has added
// them, and closes it once the recording holds the seconds or has stopped growing for a second
// (an ended song idles the output); the recording.
std::vector<float> playAndRecord(XServer& x, PlayerProcess& player, const QStringList& files,
                                 double seconds) {
    const QString recording = player.home() + "/recording.raw";
    QFile::remove(recording);
    player.setVariable("SDL_AUDIODRIVER", "disk");
    player.setVariable("SDL_DISKAUDIOFILE", recording);
    // 80 ms for each block of 4096 frames (93 ms of sound): slow enough that a player on a
    // loaded machine has opened the next song before the one playing ends, as it must on a
    // sound card (one opened late is recorded as silence).
    player.setVariable("SDL_DISKAUDIODELAY", "80");
    player.start(files);
    EXPECT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    EXPECT_TRUE(x.waitForPlaylistLines(std::max<int>(1, files.size())));
    EXPECT_TRUE(x.click({25, 10}));  // the default skin's play button
    qint64 size = 0;
    QElapsedTimer sinceGrowth;
    sinceGrowth.start();
    EXPECT_TRUE(waitFor(
        [&] {
            if (const qint64 now = QFileInfo(recording).size(); now != size) {
                size = now;
                sinceGrowth.restart();
            }
            return size >= qint64(seconds * rate * 8) || (size > 0 && sinceGrowth.elapsed() > 1000);
        },
        20000));
    EXPECT_TRUE(x.click({5, 5}));  // close
    EXPECT_TRUE(player.waitForExit(20000));
    const QByteArray bytes = readFile(recording);
    std::vector<float> samples(size_t(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}

}  // namespace

// Songs of different formats and rates follow each other without silence at the joints; one
// tagged with a track gain of -12 dB sounds 12 dB quieter than the same tone untagged. Closed
// in the middle of that song, the player keeps where it was: started again on the same data,
// its first Play sounds only the rest of the song.
TEST(PlaybackRecording, SongsJoinATrackGainIsHeardAndARestartPlaysTheRestOfTheSong) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    const QStringList songs = {player.home() + "/first.wav", player.home() + "/second.flac",
                               player.home() + "/quiet.flac"};
    constexpr double quietSeconds = 4.0;
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[0], Format::Wav, 22050, 1, 1.0));
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[1], Format::Flac, 48000, 2, 1.0));
    ASSERT_TRUE(GeneratedSounds::writeTone(songs[2], Format::Flac, 44100, 2, quietSeconds));
    ASSERT_TRUE(GeneratedSounds::writeTags(
        songs[2], {{"REPLAYGAIN_TRACK_GAIN", "-12.00 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"}}));
    const std::vector<float> samples = playAndRecord(x, player, songs, 3.0);
    // From the first sounding frame to the last nothing is silent but the odd frame at a zero
    // crossing (the resampler adds no delay of its own here).
    size_t begin = SIZE_MAX, end = 0, longestSilence = 0;
    for (size_t frame = 0, run = 0; frame < samples.size() / 2; ++frame) {
        if (samples[frame * 2] == 0.0f && samples[frame * 2 + 1] == 0.0f) {
            ++run;
            continue;
        }
        longestSilence = begin == SIZE_MAX ? 0 : std::max(longestSilence, run);
        begin = std::min(begin, frame);
        end = frame + 1;
        run = 0;
    }
    const size_t second = rate;  // frames
    ASSERT_GT(end, begin + 2 * second + second / 2) << "the recording reaches the quiet song";
    EXPECT_LE(longestSilence, 2u);
    // The first song is mono, both channels alike; the second's right channel is 0.8 of its
    // left: where they first differ, the second song starts, one second in.
    size_t joint = begin + second / 2;
    while (joint < end && std::abs(samples[joint * 2] - samples[joint * 2 + 1]) < 0.01f) {
        ++joint;
    }
    EXPECT_NEAR(double(joint - begin) / rate, 1.0, 0.01);
    // The middle half of the second song's and the quiet one's first second: the same stretch
    // of the same tone; and the quiet song starts two seconds in.
    const double loud = rms(samples, begin + second + second / 4, second / 2);
    const double quiet = rms(samples, begin + 2 * second + second / 4, second / 2);
    ASSERT_GT(quiet, 0.0);
    EXPECT_NEAR(20.0 * std::log10(loud / quiet), 12.0, 0.2);
    EXPECT_NEAR(rms(samples, begin + 2 * second - 1200, 1000), loud, loud / 10);
    EXPECT_NEAR(rms(samples, begin + 2 * second + 200, 1000), quiet, quiet / 10);
    const auto point = PlayerFiles::parseResumePoint(readFile(player.dataFolder() + "/resume"));
    ASSERT_TRUE(point);
    EXPECT_EQ(point->path, songs[2]);
    const uint32_t keptMs = point->positionMs;
    EXPECT_TRUE(keptMs > 300 && keptMs < 3500) << keptMs;
    PlayerProcess again(x.displayName(), player.home());
    const std::vector<float> rest = playAndRecord(x, again, {}, quietSeconds + 1.0);
    size_t sounding = 0;
    for (size_t frame = 0; frame < rest.size() / 2; ++frame) {
        sounding += rest[frame * 2] != 0.0f ? 1 : 0;
    }
    EXPECT_NEAR(double(sounding) / rate, quietSeconds - keptMs / 1000.0, 0.6);
}
