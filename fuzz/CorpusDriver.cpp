// Runs a libFuzzer-style target over every file of the folders (or files) named on the command
// line, for builds without libFuzzer. A crash or sanitizer report fails the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void runFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}
}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path target(argv[i]);
        if (std::filesystem::is_directory(target)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(target)) {
                if (entry.is_regular_file()) {
                    runFile(entry.path());
                    ++count;
                }
            }
        } else {
            runFile(target);
            ++count;
        }
    }
    std::printf("ran %d inputs\n", count);
    return count > 0 ? 0 : 1;
}
