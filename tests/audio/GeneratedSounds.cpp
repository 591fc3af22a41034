#include "audio/GeneratedSounds.h"

#include <sndfile.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <random>

std::vector<float> GeneratedSounds::tone(int rate, int channels, double seconds) {
    const auto frames = static_cast<size_t>(std::llround(seconds * rate));
    std::vector<float> samples(frames * static_cast<size_t>(channels));
    // A chirp rising from 200 Hz by 1000 Hz a second: its phase is 2 pi (200 t + 500 t^2).
    for (size_t frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / rate;
        const double value = 0.5 * std::sin(2.0 * M_PI * (200.0 * t + 500.0 * t * t));
        for (int channel = 0; channel < channels; ++channel) {
            samples[frame * static_cast<size_t>(channels) + static_cast<size_t>(channel)] =
                static_cast<float>(channel == 0 ? value : 0.8 * value);
        }
    }
    return samples;
}

bool GeneratedSounds::writeTone(const QString& path, Format format, int rate, int channels,
                                double seconds) {
    if (format == Format::Opus) {
        const QString wav = path + ".wav";
        const bool written = writeTone(wav, Format::Wav, rate, channels, seconds) &&
                             QProcess::execute("opusenc", {"--quiet", wav, path}) == 0;
        QFile::remove(wav);
        return written;
    }
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    const int sndFileFormats[] = {
        SF_FORMAT_WAV | SF_FORMAT_PCM_16, SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
        SF_FORMAT_OGG | SF_FORMAT_VORBIS, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III};
    info.format = sndFileFormats[static_cast<int>(format)];  // Opus is the last, done above
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr) {
        return false;
    }
    const std::vector<float> samples = tone(rate, channels, seconds);
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    // In blocks: libsndfile's Vorbis encoder crashes when handed a minute in one call.
    bool written = true;
    for (sf_count_t at = 0; at < frames && written; at += 4096) {
        const sf_count_t block = std::min<sf_count_t>(4096, frames - at);
        written = sf_writef_float(file, samples.data() + at * channels, block) == block;
    }
    return sf_close(file) == 0 && written;
}

QByteArray GeneratedSounds::protrackerModule() {
    constexpr int sampleWords = 32;
    QByteArray module(20, '\0');  // title
    module.replace(0, 4, "test");
    for (int sample = 1; sample <= 31; ++sample) {
        QByteArray header(30, '\0');
        const int words = sample == 1 ? sampleWords : 0;
        header[22] = static_cast<char>(words >> 8);
        header[23] = static_cast<char>(words & 0xFF);
        header[25] = static_cast<char>(sample == 1 ? 64 : 0);           // volume
        header[29] = static_cast<char>(sample == 1 ? sampleWords : 1);  // loop length in words
        module += header;
    }
    module += char(1);                // song length: one position
    module += char(127);              // restart byte
    module += QByteArray(128, '\0');  // order table: pattern 0
    module += "M.K.";
    QByteArray pattern(64 * 4 * 4, '\0');
    auto cell = [](int row, int channel) { return (row * 4 + channel) * 4; };
    // Row 0, channel 0: sample 1 at period 428 (C), effect F03: speed 3.
    const int start = cell(0, 0);
    pattern[start] = 0x01;
    pattern[start + 1] = static_cast<char>(0xAC);
    pattern[start + 2] = 0x1F;
    pattern[start + 3] = 0x03;
    // Row 31, channel 1: effect D00, pattern break; with one position that ends the song.
    pattern[cell(31, 1) + 2] = 0x0D;
    module += pattern;
    for (int i = 0; i < sampleWords * 2; ++i) {  // one period of a sine, 8-bit signed
        module += static_cast<char>(std::lround(100.0 * std::sin(2.0 * M_PI * i / 64.0)));
    }
    return module;
}

QByteArray GeneratedSounds::withoutInfoFrame(QByteArray mp3) {
    const qsizetype tag = std::max(mp3.indexOf("Info"), mp3.indexOf("Xing"));
    if (tag <= 0) {
        return mp3;
    }
    const auto isFrameStart = [&mp3](qsizetype at) {
        return static_cast<unsigned char>(mp3[at]) == 0xFF &&
               (static_cast<unsigned char>(mp3[at + 1]) & 0xE0) == 0xE0;
    };
    qsizetype frameStart = tag;
    while (frameStart > 0 && !isFrameStart(frameStart)) {
        --frameStart;
    }
    qsizetype nextFrame = tag;
    while (nextFrame + 1 < mp3.size() && !isFrameStart(nextFrame)) {
        ++nextFrame;
    }
    mp3.remove(frameStart, nextFrame - frameStart);
    return mp3;
}

bool GeneratedSounds::writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray GeneratedSounds::randomBytes(int size, unsigned seed) {
    std::mt19937 generator(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

bool GeneratedSounds::writeTags(const QString& path,
                                const std::vector<std::pair<QString, QString>>& fields) {
    TagLib::FileRef file(QFile::encodeName(path).constData(), false);
    if (file.isNull()) {
        return false;
    }
    TagLib::PropertyMap properties = file.file()->properties();
    for (const auto& [key, value] : fields) {
        properties.replace(TagLib::String(key.toStdString()),
                           TagLib::StringList(TagLib::String(value.toStdString())));
    }
    file.file()->setProperties(properties);
    return file.save();
}
