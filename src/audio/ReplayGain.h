#pragma once

#include <optional>

#include "common/PlayerFiles.h"

// ReplayGain: songs carry the gain (in dB) that brings them to a common loudness, and the peak
// sample they reach, for the song alone ("track") and for its album. The player scales each
// song by the chosen gain before the volume, never so far that the peak would clip.
using ReplayGainMode = PlayerFiles::ReplayGainMode;

struct ReplayGainValues {
    std::optional<double> trackGainDb;
    std::optional<double> trackPeak;
    std::optional<double> albumGainDb;
    std::optional<double> albumPeak;

    bool operator==(const ReplayGainValues&) const = default;
};

// The factor a song's samples are multiplied by: 10^((gain + preamp) / 20), at most 1 / peak.
// The chosen kind falls back to the other when the song lacks it; 1 when it has neither or the
// mode is Off.
float replayGainFactor(const ReplayGainValues& values, ReplayGainMode mode, double preampDb = 0.0);
