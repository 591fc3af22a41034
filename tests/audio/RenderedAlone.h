#pragma once

#include <QString>
#include <vector>

#include "audio/PlayingSound.h"

// What a song renders alone at 44100 Hz stereo, through a converter of its own and unscaled:
// what each side of a joint must be.
inline std::vector<float> renderedAlone(const QString& path) {
    const auto sound = PlayingSound::open(path, 44100, 2);
    std::vector<float> samples;
    std::vector<float> block(1024 * 2);
    while (const size_t frames = sound ? sound->render(block.data(), 1024) : 0) {
        samples.insert(samples.end(), block.begin(), block.begin() + frames * 2);
    }
    return samples;
}
