#pragma once

#include <memory>

class AudioOutput;
class Decoder;
class QString;
class SampleConverter;
struct ReplayGainValues;
struct SongTags;

// The door to the code that only playing and tag reading need: the decoders, the sound device
// and the resampler (SDL), and the tag readers (TagLib). The player program loads it as a module
// on the first call, so a player that has played nothing and read no tag has none of those
// libraries in memory; tests, benchmarks and fuzz targets link it in (see
// src/audio/CMakeLists.txt). Any thread may use it.
class SoundModule {
public:
    // Null when the module cannot be loaded: the debug log says so once, and every song is then
    // as one that cannot be played, with no tags.
    static SoundModule* get();

    // The decoder that reads the file (see DecoderFactory); null when none can.
    virtual std::unique_ptr<Decoder> openDecoder(const QString& path) = 0;
    // Null when the rates or channel counts cannot be converted.
    virtual std::unique_ptr<SampleConverter> newConverter(int fromRate, int fromChannels,
                                                          int toRate, int toChannels) = 0;
    // The sound device, in the format SdlOutput names.
    virtual std::unique_ptr<AudioOutput> newOutput() = 0;
    // See TagLibReader::read.
    virtual SongTags readTags(int descriptor, long long size, const QString& path) = 0;
    // See ReplayGainReader::read.
    virtual ReplayGainValues readReplayGain(const QString& path) = 0;

protected:
    ~SoundModule() = default;
};
