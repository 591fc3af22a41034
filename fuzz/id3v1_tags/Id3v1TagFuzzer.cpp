// Any bytes saved as an MP3 file and read for its tags: no crash; the ID3 version 1 reader gives
// fields of at most 30 characters and nothing when the file ends in no "TAG" block, and the song
// has the file's path.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "InputFile.h"
#include "common/NativePath.h"
#include "playlist/SongFile.h"
#include "playlist/TagLibReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(data, size, "song.mp3");
    if (path.isEmpty()) {
        return 0;
    }

    const int descriptor = ::open(NativePath::toNative(path).constData(), O_RDONLY);
    if (descriptor < 0) {
        return 0;
    }
    const SongTags id3v1 = TagLibReader::readId3v1(descriptor, static_cast<long long>(size));
    ::close(descriptor);
    const bool tagged = size >= 128 && std::equal(data + size - 128, data + size - 125, "TAG");
    if (id3v1.title.has_value() != id3v1.artist.has_value() || (!tagged && id3v1.title) ||
        (id3v1.title && (id3v1.title->size() > 30 || id3v1.artist->size() > 30 ||
                         (id3v1.title->isEmpty() && id3v1.artist->isEmpty())))) {
        std::abort();
    }
    if (SongFile::fromTag(path).path != path) {
        std::abort();
    }
    return 0;
}
