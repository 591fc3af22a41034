#include "audio/ReplayGain.h"

#include <algorithm>
#include <cmath>

float replayGainFactor(const ReplayGainValues& values, ReplayGainMode mode, double preampDb) {
    if (mode == ReplayGainMode::Off) {
        return 1.0f;
    }
    const bool album = mode == ReplayGainMode::Album;
    const bool useAlbum = album ? values.albumGainDb.has_value() : !values.trackGainDb.has_value();
    const std::optional<double>& gain = useAlbum ? values.albumGainDb : values.trackGainDb;
    const std::optional<double>& peak = useAlbum ? values.albumPeak : values.trackPeak;
    if (!gain) {
        return 1.0f;
    }
    double factor = std::pow(10.0, (*gain + preampDb) / 20.0);
    if (peak && *peak > 0.0) {
        factor = std::min(factor, 1.0 / *peak);
    }
    return static_cast<float>(factor);
}
