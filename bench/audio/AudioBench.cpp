// Decoding speed of each format (seconds of audio decoded per CPU second), and the CPU cost of
// playing a minute of MP3 and of FLAC through the engine into the null output (resampled to
// 48 kHz, mixed at a master volume).
#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <map>
#include <vector>

#include "audio/DecoderFactory.h"
#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/SoundEngine.h"

namespace {

using Format = GeneratedSounds::Format;

// Files are written once per run, 60 seconds each, 44.1 kHz stereo.
const QString& soundFile(const char* name) {
    static QTemporaryDir dir;
    static std::map<std::string, QString> files;
    auto found = files.find(name);
    if (found != files.end()) {
        return found->second;
    }
    const QString path = dir.filePath(name);
    const std::string extension = QString(name).section('.', -1).toStdString();
    if (extension == "mod") {
        // The module lasts 1.92 s; enough to measure the renderer.
        GeneratedSounds::writeBytes(path, GeneratedSounds::protrackerModule());
    } else {
        const Format format = extension == "wav"    ? Format::Wav
                              : extension == "flac" ? Format::Flac
                              : extension == "ogg"  ? Format::OggVorbis
                                                    : Format::Mp3;
        GeneratedSounds::writeTone(path, format, 44100, 2, 60.0);
    }
    return files.emplace(name, path).first->second;
}

void decode(benchmark::State& state, const char* name) {
    const QString& path = soundFile(name);
    std::vector<float> block(4096 * 2);
    double seconds = 0;
    for (auto _ : state) {
        auto decoder = DecoderFactory::open(path);
        if (!decoder) {
            state.SkipWithError("cannot open");
            return;
        }
        int64_t frames = 0;
        while (size_t got = decoder->read(block.data(), 4096)) {
            frames += static_cast<int64_t>(got);
        }
        seconds += static_cast<double>(frames) / decoder->sampleRate();
    }
    state.counters["audio_s_per_cpu_s"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

void playThroughEngine(benchmark::State& state, const char* name) {
    const QString& path = soundFile(name);
    double seconds = 0;
    for (auto _ : state) {
        auto nullOutput = std::make_unique<NullOutput>(48000, 2);
        NullOutput* output = nullOutput.get();
        auto engine = SoundEngine::create(std::move(nullOutput));
        engine->setMasterVolume(0.5f);
        auto sound = engine->play(path);
        while (!sound->finished()) {
            benchmark::DoNotOptimize(output->pull(1024).data());
        }
        seconds += sound->lengthMs() / 1000.0;
    }
    state.counters["audio_s_per_cpu_s"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(decode, wav, "tone.wav")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, flac, "tone.flac")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, ogg_vorbis, "tone.ogg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, mp3, "tone.mp3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, mod, "tone.mod")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playThroughEngine, mp3_60s, "tone.mp3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playThroughEngine, flac_60s, "tone.flac")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
