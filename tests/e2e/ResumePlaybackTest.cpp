// The real program closed in the middle of a song keeps where it was; started again on the same
// data, it stays stopped and its first Play sounds only the rest of the song.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstring>
#include <vector>

#include "PlayerProcess.h"
#include "XServer.h"
#include "audio/GeneratedSounds.h"
#include "common/PlayerFiles.h"

namespace {

constexpr double songSeconds = 8.0;

// Plays the last playlist's current song into a recording until it holds `seconds` of output,
// closes the player and gives the seconds of the recording that sounded.
double soundingSeconds(XServer& x, PlayerProcess& player, const QStringList& files,
                       double seconds) {
    const QString recording = player.home() + "/recording.raw";
    QFile::remove(recording);
    player.setVariable("SDL_AUDIODRIVER", "disk");
    player.setVariable("SDL_DISKAUDIOFILE", recording);
    player.setVariable("SDL_DISKAUDIODELAY", "20");
    player.start(files);
    EXPECT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    QThread::msleep(500);          // the worker adds the files in the background
    EXPECT_TRUE(x.click(25, 10));  // the default skin's play button
    // Until the recording holds that much, or stopped growing: an ended song idles the output.
    QElapsedTimer waited;
    waited.start();
    qint64 size = 0;
    qint64 sizeSeenAt = 0;
    while (size < static_cast<qint64>(seconds * 44100 * 8) && waited.elapsed() < 20000 &&
           (size == 0 || waited.elapsed() - sizeSeenAt < 1000)) {
        QThread::msleep(20);
        if (QFileInfo(recording).size() != size) {
            size = QFileInfo(recording).size();
            sizeSeenAt = waited.elapsed();
        }
    }
    EXPECT_TRUE(x.click(5, 5));  // close
    EXPECT_TRUE(player.waitForExit(20000));
    QFile file(recording);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    size_t sounding = 0;
    for (size_t frame = 0; frame + 1 < samples.size() / 2; ++frame) {
        sounding += samples[frame * 2] != 0.0f ? 1 : 0;
    }
    return static_cast<double>(sounding) / 44100;
}

}  // namespace

TEST(ResumePlayback, TheFirstPlayAfterARestartSoundsTheRestOfTheSong) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess first(x.displayName());
    const QString song = first.home() + "/song.flac";
    ASSERT_TRUE(
        GeneratedSounds::writeTone(song, GeneratedSounds::Format::Flac, 44100, 2, songSeconds));
    soundingSeconds(x, first, {song}, 1.5);
    QFile resume(first.dataFolder() + "/resume");
    ASSERT_TRUE(resume.open(QIODevice::ReadOnly));
    const auto point = PlayerFiles::parseResumePoint(resume.readAll());
    ASSERT_TRUE(point);
    EXPECT_EQ(point->path, song);
    const uint32_t keptMs = point->positionMs;
    EXPECT_GT(keptMs, 500u);
    EXPECT_LT(keptMs, 7000u);  // the disk driver runs four times faster than real time

    PlayerProcess second(x.displayName(), first.home());
    const double heard = soundingSeconds(x, second, {}, songSeconds + 1.0);
    EXPECT_NEAR(heard, songSeconds - keptMs / 1000.0, 0.6);
}
