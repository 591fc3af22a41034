#include "playlist/SeenFiles.h"

#include <sys/stat.h>

#include "common/NativePath.h"

std::optional<SeenFiles::FileId> SeenFiles::idOf(const QString& path) {
    struct stat status {};
    if (::stat(NativePath::toNative(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return FileId{status.st_dev, status.st_ino};
}

bool SeenFiles::contains(const QString& path) const {
    const auto id = idOf(path);
    return id && seen.count(*id) > 0;
}

void SeenFiles::add(const QString& path) {
    if (const auto id = idOf(path)) {
        seen.insert(*id);
    }
}
