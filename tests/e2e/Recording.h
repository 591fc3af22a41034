#pragma once

#include <QString>
#include <utility>
#include <vector>

class PlayerProcess;

// What the player outputs, taken by SDL's disk driver into a file instead of a sound card:
// interleaved stereo 32-bit floats at 44100 frames a second, a little faster than real time.
namespace Recording {

constexpr int rate = 44100;

// Sends the player's output (at its next start) to the file.
void recordInto(PlayerProcess& player, const QString& path);
// Waits until the recording holds the seconds of output or has stopped growing for a second (an
// ended song idles the output); false when it never started.
bool waitForSeconds(const QString& path, double seconds);
// The samples recorded so far.
std::vector<float> samples(const QString& path);
// The frames [begin, end) between the first and the last one that sounds.
std::pair<size_t, size_t> soundingSpan(const std::vector<float>& samples);

}  // namespace Recording
