// The silence between two songs, as the program plays them: songs opened in the background,
// the poll on a timer, and an output thread pulling blocks of a sound card's size (at about
// four times real time). Prints, for pairs of formats and rates, the longest run of silent
// frames from the first song's first sound to the second song's last, beside the silence the
// second song's converter gives at its own start (the resampler's delay). Asserts nothing.
//
//   build/bench-release/bench/audio/song_change_bench
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/PlayingSound.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"

namespace {

using Format = GeneratedSounds::Format;
using ToneFile = GeneratedSounds::ToneFile;

bool silentFrame(const std::vector<float>& samples, size_t frame) {
    return samples[frame * 2] == 0.0f && samples[frame * 2 + 1] == 0.0f;
}

// Silent frames at the start of the song rendered alone.
size_t converterDelay(const QString& path) {
    const auto sound = PlayingSound::open(path, 44100, 2);
    std::vector<float> block(4096 * 2);
    const size_t frames = sound ? sound->render(block.data(), 4096) : 0;
    size_t silent = 0;
    while (silent < frames && silentFrame(block, silent)) {
        ++silent;
    }
    return silent;
}

size_t longestSilenceBetweenSounds(const std::vector<float>& samples) {
    const size_t frames = samples.size() / 2;
    size_t begin = 0;
    while (begin < frames && silentFrame(samples, begin)) {
        ++begin;
    }
    size_t end = frames;
    while (end > begin && silentFrame(samples, end - 1)) {
        --end;
    }
    size_t longest = 0;
    for (size_t frame = begin, run = 0; frame < end; ++frame) {
        run = silentFrame(samples, frame) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// Plays the two songs through a player like the program's and returns what the output got.
std::vector<float> playBoth(QCoreApplication& app, const QString& first, const QString& second,
                            double seconds) {
    PlayList playList;
    playList.addSong({first, "A", "first"});
    playList.addSong({second, "B", "second"});
    auto nullOutput = std::make_unique<NullOutput>(44100, 2);
    NullOutput& output = *nullOutput;
    Sound sound(playList, std::move(nullOutput));
    std::mutex mutex;
    std::vector<float> recording;
    std::atomic<bool> done{false};
    std::thread device([&] {
        while (!done) {
            const std::vector<float> block = output.pull(4096);
            {
                std::lock_guard guard(mutex);
                recording.insert(recording.end(), block.begin(), block.end());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        std::lock_guard guard(mutex);
        if (recording.size() > static_cast<size_t>((2 * seconds + 0.3) * 44100 * 2)) {
            app.quit();
        }
    });
    watch.start(10);
    QTimer::singleShot(0, [&] { sound.playPause(); });
    app.exec();
    done = true;
    device.join();
    return recording;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    constexpr double seconds = 1.5;
    const std::pair<ToneFile, ToneFile> pairs[] = {
        {{"a.wav", Format::Wav, 44100, 2}, {"b.wav", Format::Wav, 44100, 2}},
        {{"a.wav", Format::Wav, 22050, 1}, {"b.flac", Format::Flac, 48000, 2}},
        {{"a.mp3", Format::Mp3, 44100, 2}, {"b.ogg", Format::OggVorbis, 32000, 1}},
        {{"a.ogg", Format::OggVorbis, 48000, 2}, {"b.mp3", Format::Mp3, 22050, 2}},
    };
    std::printf("%-34s %-22s %s\n", "song change", "silence (frames)", "converter's own delay");
    for (const auto& [first, second] : pairs) {
        const QString firstPath = dir.filePath(QString("1-") + first.name);
        const QString secondPath = dir.filePath(QString("2-") + second.name);
        if (!GeneratedSounds::writeTone(firstPath, first.format, first.rate, first.channels,
                                        seconds) ||
            !GeneratedSounds::writeTone(secondPath, second.format, second.rate, second.channels,
                                        seconds)) {
            std::fprintf(stderr, "cannot write the songs\n");
            return 1;
        }
        const std::vector<float> heard = playBoth(app, firstPath, secondPath, seconds);
        const QString name = QString("%1 %2 Hz -> %3 %4 Hz")
                                 .arg(first.name)
                                 .arg(first.rate)
                                 .arg(second.name)
                                 .arg(second.rate);
        std::printf("%-34s %-22zu %zu\n", name.toUtf8().constData(),
                    longestSilenceBetweenSounds(heard), converterDelay(secondPath));
    }
    std::printf(
        "goal: no silence beyond the converter's own delay (a silent frame or two is a "
        "zero crossing of the tone)\n");
    return 0;
}
