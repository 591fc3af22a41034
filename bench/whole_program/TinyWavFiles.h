#pragma once

#include <string>

// Writes count small but valid WAV files ("song 00000.wav", ...) into an existing folder: a
// tenth of a second of a quiet tone each, so every one is a real, playable song.
bool writeTinyWavFiles(const std::string& folder, int count);
