#include "TinyWavFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr uint32_t sampleRate = 8000;
constexpr uint32_t sampleCount = sampleRate / 10;

void putLittleEndian(std::vector<char>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

void putTag(std::vector<char>& bytes, const char (&tag)[5]) {
    bytes.insert(bytes.end(), tag, tag + 4);
}

std::vector<char> toneWave() {
    const uint32_t dataSize = sampleCount * 2;
    std::vector<char> bytes;
    putTag(bytes, "RIFF");
    putLittleEndian(bytes, 36 + dataSize, 4);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putLittleEndian(bytes, 16, 4);              // format chunk size
    putLittleEndian(bytes, 1, 2);               // PCM
    putLittleEndian(bytes, 1, 2);               // mono
    putLittleEndian(bytes, sampleRate, 4);      // frames per second
    putLittleEndian(bytes, sampleRate * 2, 4);  // bytes per second
    putLittleEndian(bytes, 2, 2);               // bytes per frame
    putLittleEndian(bytes, 16, 2);              // bits per sample
    putTag(bytes, "data");
    putLittleEndian(bytes, dataSize, 4);
    for (uint32_t i = 0; i < sampleCount; ++i) {
        const double sample = 2000.0 * std::sin(2.0 * M_PI * 440.0 * i / sampleRate);
        putLittleEndian(bytes, static_cast<uint32_t>(static_cast<int16_t>(sample)), 2);
    }
    return bytes;
}

}  // namespace

bool writeTinyWavFiles(const std::string& folder, int count) {
    const std::vector<char> contents = toneWave();
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/song %05d.wav", i);
        std::ofstream file(folder + name, std::ios::binary);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        if (!file) {
            return false;
        }
    }
    return true;
}
