// ReplayGain: the factor each mode gives and the values read from every kind of tag (the gain
// changing where one song hands over to the next is checked with the joints).
#include <taglib/apetag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

#include "audio/PlaybackProbes.h"
#include "audio/ReplayGainReader.h"

namespace {

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
