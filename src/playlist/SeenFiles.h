#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>

// The folders and playlists one add has already been through, known by device and inode, so that
// every name of the same file (links, "..", a folder mounted twice) counts once.
class SeenFiles {
public:
    // False also when the path leads nowhere.
    bool contains(const QString& path) const;
    void add(const QString& path);

private:
    using FileId = std::pair<uint64_t, uint64_t>;
    static std::optional<FileId> idOf(const QString& path);

    std::set<FileId> seen;
};
