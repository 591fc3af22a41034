// The share of one CPU core that playing takes, with ReplayGain on: a minute of MP3 and of Opus
// (each tagged with a track gain of -6 dB) opened as the player opens songs (decoder, tags) and
// rendered through the engine into the null output at 48 kHz stereo, at a master volume. The
// CPU time of the whole render divided by the minute of sound is what playing in real time
// costs. Prints the figures; asserts nothing.
//
//   build/bench-release/bench/audio/playback_cpu_bench
#include <time.h>

#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/PlayingSound.h"
#include "audio/ReplayGainReader.h"
#include "audio/SoundEngine.h"

namespace {

using Format = GeneratedSounds::Format;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// CPU seconds per second of sound, over `rounds` plays of the file.
double cpuPerSecondOfSound(const QString& path, int rounds) {
    double cpu = 0;
    double sound = 0;
    for (int round = 0; round < rounds; ++round) {
        auto nullOutput = std::make_unique<NullOutput>(48000, 2);
        NullOutput* output = nullOutput.get();
        auto engine = SoundEngine::create(std::move(nullOutput));
        engine->setMasterVolume(0.5f);
        const double start = cpuSeconds();
        auto playing = PlayingSound::open(path, 48000, 2);
        if (!playing) {
            return -1;
        }
        playing->setReplayGain(ReplayGainReader::read(path));
        playing->setReplayGainMode(ReplayGainMode::Track);
        engine->start(playing);
        while (!playing->finished()) {
            output->pull(1024);
        }
        cpu += cpuSeconds() - start;
        sound += playing->lengthMs() / 1000.0;
    }
    return cpu / sound;
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const struct {
        const char* name;
        Format format;
        int rate;
    } songs[] = {{"tone.mp3", Format::Mp3, 44100}, {"tone.opus", Format::Opus, 48000}};
    std::printf("CPU share of one core while playing, ReplayGain on (track gain -6 dB):\n");
    for (const auto& song : songs) {
        const QString path = dir.filePath(song.name);
        if (!GeneratedSounds::writeTone(path, song.format, song.rate, 2, 60.0) ||
            !GeneratedSounds::writeTags(path, {{"REPLAYGAIN_TRACK_GAIN", "-6.00 dB"}})) {
            std::printf("%-10s cannot be made\n", song.name);
            continue;
        }
        const float gain = replayGainFactor(ReplayGainReader::read(path), ReplayGainMode::Track);
        const double share = cpuPerSecondOfSound(path, 5);
        std::printf("%-10s %.3f %% (gain read: %.2f dB)\n", song.name, share * 100.0,
                    20.0 * std::log10(gain));
    }
    return 0;
}
