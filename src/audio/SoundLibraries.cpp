#include "audio/DecoderFactory.h"
#include "audio/ReplayGainReader.h"
#include "audio/SdlConverter.h"
#include "audio/SdlOutput.h"
#include "common/SoundModule.h"
#include "playlist/TagLibReader.h"

// The SoundModule over the libraries themselves. Tests, benchmarks and fuzz targets link it in
// and reach it through SoundModule::get here; the module file the player program loads hands out
// the same (SoundModuleEntry.cpp).

namespace {

class SoundLibraries final : public SoundModule {
public:
    std::unique_ptr<Decoder> openDecoder(const QString& path) override {
        return DecoderFactory::open(path);
    }
    std::unique_ptr<SampleConverter> newConverter(int fromRate, int fromChannels, int toRate,
                                                  int toChannels) override {
        return SdlConverter::create(fromRate, fromChannels, toRate, toChannels);
    }
    std::unique_ptr<AudioOutput> newOutput() override { return std::make_unique<SdlOutput>(); }
    SongTags readTags(int descriptor, long long size, const QString& path) override {
        return TagLibReader::read(descriptor, size, path);
    }
    ReplayGainValues readReplayGain(const QString& path) override {
        return ReplayGainReader::read(path);
    }
};

}  // namespace

SoundModule* SoundModule::get() {
    static SoundLibraries libraries;
    return &libraries;
}
