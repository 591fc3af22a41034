#pragma once

#include "audio/ReplayGain.h"

class QString;

// Reads a song's ReplayGain values with TagLib: REPLAYGAIN_TRACK_GAIN/PEAK and
// REPLAYGAIN_ALBUM_GAIN/PEAK from ID3v2 (TXXX frames), Vorbis comments and APE tags, and the
// R128_TRACK_GAIN / R128_ALBUM_GAIN of Opus files.
class ReplayGainReader {
public:
    // R128 gains aim at -23 LUFS, ReplayGain at -18 LUFS: an R128 gain plus this many dB plays
    // as loud as a ReplayGain gain.
    static constexpr double r128ToReplayGainDb = 5.0;

    // No values when the file has none, cannot be read, or is no regular file.
    static ReplayGainValues read(const QString& path);
};
