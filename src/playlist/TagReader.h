#pragma once

#include <QString>
#include <optional>

// Title and artist as a file's tags give them; a field no tag gives stays empty (the caller's
// default stands).
struct SongTags {
    std::optional<QString> title;
    std::optional<QString> artist;

    bool operator==(const SongTags&) const = default;
};

// Reads title and artist from a sound file's tags through the sound module (TagLibReader, which
// tells the formats); no tags when the module cannot be loaded.
class TagReader {
public:
    // From an open descriptor of a regular file of the given size; the descriptor stays open.
    static SongTags read(int descriptor, long long size, const QString& path);
    // Opens the file under the regular-file rule first (nothing for a pipe or a device).
    static SongTags read(const QString& path);
};
