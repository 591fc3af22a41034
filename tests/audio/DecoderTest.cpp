// The decoders behind the factory and the ReplayGain values, on files written at run time:
// exact lengths, the decoded sound, seeking, the choice by extension and by content, files that
// cannot play, and the gain of every mode from every kind of tag.
#include <taglib/apetag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

#include <optional>

#include "audio/DecoderFactory.h"
#include "audio/Mpg123Decoder.h"
#include "audio/OpenMptDecoder.h"
#include "audio/PlaybackProbes.h"
#include "audio/ReplayGainReader.h"
#include "audio/SndFileDecoder.h"

namespace {

struct FormatCase {
    const char* name;
    Format format;
    const char* extension;
    int rate;
    int channels;
    bool lossless;
};

std::vector<float> readAll(Decoder& decoder) {
    std::vector<float> samples;
    std::vector<float> block(1000 * static_cast<size_t>(decoder.channels()));
    while (size_t frames = decoder.read(block.data(), 1000)) {
        samples.insert(samples.end(), block.begin(),
                       block.begin() + static_cast<long>(frames) * decoder.channels());
    }
    return samples;
}

// The frame offset (within +-range) at which `block` (first channel) best matches `reference`
// starting at `expectedFrame`.
int bestLag(const std::vector<float>& block, const std::vector<float>& reference, int channels,
            long expectedFrame, int range) {
    const long blockFrames = static_cast<long>(block.size()) / channels;
    const long referenceFrames = static_cast<long>(reference.size()) / channels;
    double best = -1e300;
    int bestOffset = range + 1;
    for (int lag = -range; lag <= range; ++lag) {
        double sum = 0;
        for (long frame = 0; frame < blockFrames; ++frame) {
            const long at = expectedFrame + lag + frame;
            if (at >= 0 && at < referenceFrames) {
                sum += static_cast<double>(block[frame * channels]) * reference[at * channels];
            }
        }
        if (sum > best) {
            best = sum;
            bestOffset = lag;
        }
    }
    return bestOffset;
}

class DecoderFormatTest : public ::testing::TestWithParam<FormatCase> {
protected:
    void SetUp() override {
        const FormatCase& c = GetParam();
        path = dir.filePath(QString("tone.") + c.extension);
        ASSERT_TRUE(GeneratedSounds::writeTone(path, c.format, c.rate, c.channels, seconds));
        reference = GeneratedSounds::tone(c.rate, c.channels, seconds);
    }
    static constexpr double seconds = 3.0;
    QTemporaryDir dir;
    QString path;
    std::vector<float> reference;
};

// Decoded whole, the sound is the one written, from its first frame to its exact end; a jump
// lands on the exact frame the same decoder reaches playing through from the start.
TEST_P(DecoderFormatTest, DecodesTheWrittenSoundAndSeeksToTheExactFrame) {
    const FormatCase& c = GetParam();
    auto decoder = DecoderFactory::open(path);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->sampleRate(), c.rate);
    EXPECT_EQ(decoder->channels(), c.channels);
    EXPECT_EQ(decoder->lengthFrames(), static_cast<int64_t>(seconds * c.rate));
    const std::vector<float> decoded = readAll(*decoder);
    EXPECT_EQ(static_cast<int64_t>(decoded.size()) / c.channels, decoder->lengthFrames());
    EXPECT_GT(rms(decoded), 0.25);  // the tone's RMS is about 0.35 on the loudest channel
    // Aligned with the original from the first frame on, not shifted by encoder delay.
    EXPECT_EQ(bestLag({decoded.begin() + 4410L * c.channels, decoded.begin() + 8820L * c.channels},
                      reference, c.channels, 4410, 200),
              0);
    if (c.lossless) {
        ASSERT_EQ(decoded.size(), reference.size());
        for (size_t i = 0; i < decoded.size(); ++i) {
            ASSERT_NEAR(decoded[i], reference[i], 1e-3) << "sample " << i;
        }
    }
    for (long target : {static_cast<long>(1.25 * c.rate), 1000L, static_cast<long>(2.5 * c.rate)}) {
        ASSERT_TRUE(decoder->seek(target));
        std::vector<float> block(2048 * static_cast<size_t>(c.channels));
        ASSERT_EQ(decoder->read(block.data(), 2048), 2048u);
        EXPECT_EQ(bestLag(block, decoded, c.channels, target, 300), 0) << "seek to " << target;
        float largestDifference = 0;
        for (size_t i = 0; i < block.size(); ++i) {
            largestDifference =
                std::max(largestDifference, std::abs(block[i] - decoded[target * c.channels + i]));
        }
        // Opus rebuilds its predictor state from 80 ms before the target after a jump, so its
        // samples only come near the continuous decode; the position is still exact (lag 0).
        EXPECT_LT(largestDifference, c.format == Format::Opus ? 0.1f : 0.01f)
            << "seek to " << target;
    }
    // After a jump back, the rest of the file still decodes to the end.
    ASSERT_TRUE(decoder->seek(c.rate));
    EXPECT_EQ(static_cast<int64_t>(readAll(*decoder).size()) / c.channels,
              decoder->lengthFrames() - c.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DecoderFormatTest,
    ::testing::Values(FormatCase{"Wav", Format::Wav, "wav", 22050, 1, true},
                      FormatCase{"Flac", Format::Flac, "flac", 48000, 2, true},
                      FormatCase{"OggVorbis", Format::OggVorbis, "ogg", 44100, 2, false},
                      FormatCase{"Mp3", Format::Mp3, "mp3", 44100, 2, false},
                      FormatCase{"Opus", Format::Opus, "opus", 48000, 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

class DecoderFilesTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(GeneratedSounds::writeBytes(path, bytes));
        return path;
    }
    QByteArray toneBytes(Format format, int rate) {
        const QString path = dir.filePath("source");
        EXPECT_TRUE(GeneratedSounds::writeTone(path, format, rate, 2, 1.0));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QTemporaryDir dir;
};

TEST_F(DecoderFilesTest, PlaysAProtrackerModuleForItsPatternLength) {
    const QString path = write("song.mod", GeneratedSounds::protrackerModule());
    auto decoder = DecoderFactory::open(path);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->channels(), 2);
    const double rate = decoder->sampleRate();
    EXPECT_NEAR(decoder->lengthFrames() / rate, GeneratedSounds::protrackerModuleSeconds, 0.01);
    const std::vector<float> decoded = readAll(*decoder);
    EXPECT_NEAR(decoded.size() / 2 / rate, GeneratedSounds::protrackerModuleSeconds, 0.03);
    EXPECT_GT(rms(decoded), 0.05);
    // Modules seek by rows (60 ms here).
    ASSERT_TRUE(decoder->seek(static_cast<int64_t>(rate)));
    EXPECT_NEAR(readAll(*decoder).size() / 2 / rate, GeneratedSounds::protrackerModuleSeconds - 1.0,
                0.07);
}

// The extension only orders the attempts; the content says what the file is, whatever its name.
TEST_F(DecoderFilesTest, TheContentDecidesWhateverTheName) {
    const struct {
        const char* name;
        std::optional<Format> tone;  // one second of it, or else the tracker module
        int rate;
    } cases[] = {
        // clang-format off
        {"song.MOD", {}, 0}, {"song.s3d", {}, 0}, {"song.xm", {}, 0}, {"song.it", {}, 0},
        {"song.s3m", {}, 0}, {"no-extension", {}, 0}, {"модуль 日本.mod", {}, 0},
        {"really-mp3.wav", Format::Mp3, 32000}, {"really-flac.mp3", Format::Flac, 8000},
        {"Björk – 日本 ♫ ü.flac", Format::Flac, 44100}, {"Ærø 日本.mp3", Format::Mp3, 44100},
        // clang-format on
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        auto decoder = DecoderFactory::open(
            write(name, c.tone ? toneBytes(*c.tone, c.rate) : GeneratedSounds::protrackerModule()));
        ASSERT_NE(decoder, nullptr) << c.name;
        if (c.tone) {
            EXPECT_EQ(decoder->sampleRate(), c.rate) << c.name;
            EXPECT_EQ(decoder->lengthFrames(), c.rate) << c.name;
        }
    }
    // Each decoder refuses the others' formats.
    const QString mp3 = write("a.mp3", toneBytes(Format::Mp3, 44100));
    const QString flac = write("a.flac", toneBytes(Format::Flac, 44100));
    const QString module = write("a.mod", GeneratedSounds::protrackerModule());
    EXPECT_FALSE(SndFileDecoder::open(mp3) || SndFileDecoder::open(module));
    EXPECT_FALSE(Mpg123Decoder::open(flac) || Mpg123Decoder::open(module));
    EXPECT_FALSE(OpenMptDecoder::open(flac) || OpenMptDecoder::open(mp3));
}

TEST_F(DecoderFilesTest, FilesThatHoldNoSoundDoNotOpen) {
    EXPECT_EQ(DecoderFactory::open(dir.filePath("missing.mp3")), nullptr);
    EXPECT_EQ(DecoderFactory::open(dir.path()), nullptr);
    for (const char* name : {"empty.flac", "empty.mp3", "empty.wav", "empty.mod"}) {
        EXPECT_EQ(DecoderFactory::open(write(name, {})), nullptr) << name;
    }
    // Noise under every name (the fuzz corpus of the decoders goes further).
    for (unsigned seed = 1; seed <= 3; ++seed) {
        for (const char* extension : {"mp3", "wav", "ogg", "flac", "mod", "xm", "it", "s3d"}) {
            const QString name = QString("noise%1.%2").arg(seed).arg(extension);
            const QByteArray noise =
                GeneratedSounds::randomBytes(static_cast<int>(seed) * 997, seed);
            EXPECT_EQ(DecoderFactory::open(write(name, noise)), nullptr) << name.toStdString();
        }
    }
    // A header and nothing after it.
    EXPECT_EQ(DecoderFactory::open(write("header-only.wav", toneBytes(Format::Wav, 8000).left(44))),
              nullptr);
}

// A cut file decodes what it has and ends; an MP3 without the encoder's info frame is measured
// by counting its frames.
TEST_F(DecoderFilesTest, ACutFileOrAnMp3WithoutInfoFrameDecodesToItsEnd) {
    for (Format format : {Format::Flac, Format::Mp3}) {
        const QByteArray whole = toneBytes(format, 44100);
        auto decoder = DecoderFactory::open(write("cut", whole.left(whole.size() / 2)));
        ASSERT_NE(decoder, nullptr) << static_cast<int>(format);
        const int64_t decodedFrames = static_cast<int64_t>(readAll(*decoder).size()) / 2;
        EXPECT_GT(decodedFrames, 0);
        EXPECT_LT(decodedFrames, 44100);
    }
    const QByteArray mp3 = toneBytes(Format::Mp3, 44100);
    const QByteArray bytes = GeneratedSounds::withoutInfoFrame(mp3);
    ASSERT_LT(bytes.size(), mp3.size());
    auto decoder = DecoderFactory::open(write("plain.mp3", bytes));
    ASSERT_NE(decoder, nullptr);
    // Without the info frame the encoder's delay and padding stay in: at most two frames more.
    EXPECT_GE(decoder->lengthFrames(), 44100);
    EXPECT_LE(decoder->lengthFrames(), 44100 + 3 * 1152);
    EXPECT_EQ(static_cast<int64_t>(readAll(*decoder).size()) / 2, decoder->lengthFrames());
}

using Fields = std::vector<std::pair<QString, QString>>;

double decibels(float factor) {
    return 20.0 * std::log10(factor);
}

TEST(ReplayGain, TheFactorOfEachMode) {
    const ReplayGainValues both{-6.0, 0.5, -3.0, 0.9};
    const ReplayGainValues trackOnly{-6.0, std::nullopt, std::nullopt, std::nullopt};
    const ReplayGainValues albumOnly{std::nullopt, std::nullopt, 4.0, std::nullopt};
    const ReplayGainValues loudPeak{6.0, 0.8, 9.0, 0.5};
    const struct {
        const char* name;
        ReplayGainValues values;
        ReplayGainMode mode;
        double preampDb;
        double expectedDb;
    } cases[] = {
        {"track", both, ReplayGainMode::Track, 0, -6.0},
        {"album", both, ReplayGainMode::Album, 0, -3.0},
        {"album falls back to track", trackOnly, ReplayGainMode::Album, 0, -6.0},
        {"track falls back to album", albumOnly, ReplayGainMode::Track, 0, 4.0},
        {"pre-amp", both, ReplayGainMode::Track, 2.5, -3.5},
        {"track peak limits", loudPeak, ReplayGainMode::Track, 0, -20.0 * std::log10(0.8)},
        {"album peak limits", loudPeak, ReplayGainMode::Album, 0, -20.0 * std::log10(0.5)},
        {"pre-amp up to the peak", both, ReplayGainMode::Track, 13.0, -20.0 * std::log10(0.5)},
        {"off", both, ReplayGainMode::Off, 3.0, 0.0},
        {"no values", {}, ReplayGainMode::Track, 3.0, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(decibels(replayGainFactor(c.values, c.mode, c.preampDb)), c.expectedDb, 1e-4)
            << c.name;
    }
}

TEST(ReplayGain, ValuesFromEveryKindOfTag) {
    QTemporaryDir dir;
    const Fields replayGain = {{"REPLAYGAIN_TRACK_GAIN", "-7.25 dB"},
                               {"REPLAYGAIN_TRACK_PEAK", "0.912"},
                               {"REPLAYGAIN_ALBUM_GAIN", "+1.5 dB"},
                               {"REPLAYGAIN_ALBUM_PEAK", "1.05"}};
    const ReplayGainValues expected{-7.25, 0.912, 1.5, 1.05};
    const ReplayGainValues r128{-10.0 + ReplayGainReader::r128ToReplayGainDb, std::nullopt,
                                2.0 + ReplayGainReader::r128ToReplayGainDb, std::nullopt};
    const struct {
        const char* name;
        Format format;
        Fields fields;
        ReplayGainValues expected;
    } cases[] = {
        {"a.flac", Format::Flac, replayGain, expected},
        {"a.ogg", Format::OggVorbis, replayGain, expected},
        {"a.mp3", Format::Mp3, replayGain, expected},  // ID3v2 TXXX frames
        {"a.opus", Format::Opus, replayGain, expected},
        {"b.opus", Format::Opus, {{"R128_TRACK_GAIN", "-2560"}, {"R128_ALBUM_GAIN", "512"}}, r128},
        {"c.flac", Format::Flac, {{"REPLAYGAIN_TRACK_GAIN", "loud"}}, {}},
        {"untagged.flac", Format::Flac, {}, {}},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        ASSERT_TRUE(GeneratedSounds::writeTone(path, c.format, 48000, 2, 0.2)) << c.name;
        ASSERT_TRUE(c.fields.empty() || GeneratedSounds::writeTags(path, c.fields)) << c.name;
        EXPECT_EQ(ReplayGainReader::read(path), c.expected) << c.name;
    }
    // APE tags, as some taggers put them on MP3 files.
    const QString ape = dir.filePath("ape.mp3");
    ASSERT_TRUE(GeneratedSounds::writeTone(ape, Format::Mp3, 44100, 2, 0.2));
    {
        TagLib::MPEG::File file(QFile::encodeName(ape).constData(), false);
        TagLib::PropertyMap properties;
        for (const auto& [key, value] : replayGain) {
            properties.insert(key.toStdString(), TagLib::String(value.toStdString()));
        }
        file.APETag(true)->setProperties(properties);
        ASSERT_TRUE(file.save(TagLib::MPEG::File::APE));
    }
    EXPECT_EQ(ReplayGainReader::read(ape), expected);
    EXPECT_EQ(ReplayGainReader::read(dir.filePath("missing.flac")), ReplayGainValues{});
}

}  // namespace
