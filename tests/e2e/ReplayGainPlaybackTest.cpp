// The real program with SDL's disk driver: the same tone as two songs, the second tagged with a
// track gain of -12 dB, comes out 12 dB quieter at the same volume.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cmath>
#include <cstring>
#include <vector>

#include "PlayerProcess.h"
#include "XServer.h"
#include "audio/GeneratedSounds.h"

namespace {

// Root mean square of the left channel of a stretch of the interleaved stereo recording.
double rms(const std::vector<float>& samples, size_t firstFrame, size_t frames) {
    double sum = 0;
    for (size_t frame = firstFrame; frame < firstFrame + frames; ++frame) {
        sum += static_cast<double>(samples[frame * 2]) * samples[frame * 2];
    }
    return std::sqrt(sum / static_cast<double>(frames));
}

}  // namespace

TEST(ReplayGainPlayback, ASongTaggedMinusTwelveDecibelsSoundsTwelveDecibelsQuieter) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QString loud = player.home() + "/loud.flac";
    const QString quiet = player.home() + "/quiet.flac";
    constexpr double seconds = 1.0;
    for (const QString& path : {loud, quiet}) {
        ASSERT_TRUE(
            GeneratedSounds::writeTone(path, GeneratedSounds::Format::Flac, 44100, 2, seconds));
    }
    ASSERT_TRUE(GeneratedSounds::writeTags(
        quiet, {{"REPLAYGAIN_TRACK_GAIN", "-12.00 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"}}));
    const QString recording = player.home() + "/recording.raw";
    player.setVariable("SDL_AUDIODRIVER", "disk");
    player.setVariable("SDL_DISKAUDIOFILE", recording);
    player.setVariable("SDL_DISKAUDIODELAY", "20");

    player.start({loud, quiet});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    QThread::msleep(300);          // the worker adds the files in the background
    ASSERT_TRUE(x.click(25, 10));  // the default skin's play button

    const qint64 wanted = static_cast<qint64>((2 * seconds + 0.5) * 44100 * 8);
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(recording).size() < wanted && waited.elapsed() < 20000) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(x.click(5, 5));  // close
    ASSERT_TRUE(player.waitForExit(20000));

    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    ASSERT_GE(static_cast<qint64>(bytes.size()), wanted);
    size_t begin = 0;
    while (begin < samples.size() / 2 && samples[begin * 2] == 0.0f) {
        ++begin;
    }
    // The middle half of each song: the same stretch of the same tone.
    const size_t songFrames = static_cast<size_t>(seconds * 44100);
    const double loudLevel = rms(samples, begin + songFrames / 4, songFrames / 2);
    const double quietLevel = rms(samples, begin + songFrames + songFrames / 4, songFrames / 2);
    ASSERT_GT(quietLevel, 0.0);
    EXPECT_NEAR(20.0 * std::log10(loudLevel / quietLevel), 12.0, 0.2);
}
