// Any text as a whole command line: no crash, no hang, no empty name, and nothing but blanks
// after the program's path gives no names.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "playlist/CommandLineTokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CommandLineTokenizer::Arguments arguments = CommandLineTokenizer::split(line);
    if (!arguments.given && !arguments.names.isEmpty()) {
        std::abort();
    }
    qsizetype characters = 0;
    for (const QString& name : arguments.names) {
        if (name.isEmpty()) {
            std::abort();
        }
        characters += name.size();
    }
    // An unclosed quote (no quote follows it) repeats the rest as pieces once more.
    if (characters > 2 * line.size()) {
        std::abort();
    }
    return 0;
}
