// Two songs of different formats and rates played by the real program: SDL's disk driver
// writes what the player outputs to a file, which must hold no silence at the joint.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstring>
#include <vector>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "XServer.h"
#include "audio/GeneratedSounds.h"

namespace {

// The recording as the device took it: interleaved stereo 32-bit floats.
std::vector<float> readRecording(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}

bool silent(const std::vector<float>& samples, size_t frame) {
    return samples[frame * 2] == 0.0f && samples[frame * 2 + 1] == 0.0f;
}

}  // namespace

TEST(GaplessPlayback, TheRecordingHasNoSilenceBetweenTwoSongs) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QString first = player.home() + "/first.wav";
    const QString second = player.home() + "/second.flac";
    constexpr double seconds = 1.0;
    ASSERT_TRUE(GeneratedSounds::writeTone(first, GeneratedSounds::Format::Wav, 22050, 1, seconds));
    ASSERT_TRUE(
        GeneratedSounds::writeTone(second, GeneratedSounds::Format::Flac, 48000, 2, seconds));
    const QString recording = player.home() + "/recording.raw";
    player.setVariable("SDL_AUDIODRIVER", "disk");
    player.setVariable("SDL_DISKAUDIOFILE", recording);
    // 20 ms for each block of 4096 frames: about four times faster than real time.
    player.setVariable("SDL_DISKAUDIODELAY", "20");

    player.start({first, second});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    ASSERT_TRUE(PlaylistView::waitForLines(x, 2));  // the worker adds them in the background
    ASSERT_TRUE(x.click(25, 10));                   // the default skin's play button

    // Both songs and a little more, at 44100 stereo frames of 8 bytes.
    const qint64 wanted = static_cast<qint64>((2 * seconds + 0.5) * 44100 * 8);
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(recording).size() < wanted && waited.elapsed() < 20000) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(x.click(5, 5));  // close
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_TRUE(player.output().contains("play pressed\n")) << player.output().toStdString();

    const std::vector<float> samples = readRecording(recording);
    const size_t frames = samples.size() / 2;
    ASSERT_GE(static_cast<qint64>(samples.size() * sizeof(float)), wanted);
    size_t begin = 0;
    while (begin < frames && silent(samples, begin)) {
        ++begin;
    }
    size_t end = frames;
    while (end > begin && silent(samples, end - 1)) {
        --end;
    }
    // Both songs sound, one after the other, and nothing is silent in between but the odd
    // frame at a zero crossing (the resampler adds no delay of its own here).
    const double heard = static_cast<double>(end - begin) / 44100;
    EXPECT_NEAR(heard, 2 * seconds, 0.01);
    size_t longestSilence = 0;
    for (size_t frame = begin, run = 0; frame < end; ++frame) {
        run = silent(samples, frame) ? run + 1 : 0;
        longestSilence = std::max(longestSilence, run);
    }
    EXPECT_LE(longestSilence, 2u);
}
