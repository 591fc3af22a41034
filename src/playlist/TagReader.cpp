#include "playlist/TagReader.h"

#include <sys/stat.h>
#include <unistd.h>

#include "common/RegularFile.h"
#include "common/SoundModule.h"

SongTags TagReader::read(int descriptor, long long size, const QString& path) {
    SoundModule* module = SoundModule::get();
    return module ? module->readTags(descriptor, size, path) : SongTags{};
}

SongTags TagReader::read(const QString& path) {
    // One open and one fstat reach the file; the tags are read from that descriptor.
    struct stat status {};
    const int descriptor = RegularFile::openOnce(path, status);
    if (descriptor < 0) {
        return {};
    }
    const SongTags tags = read(descriptor, status.st_size, path);
    ::close(descriptor);
    return tags;
}
