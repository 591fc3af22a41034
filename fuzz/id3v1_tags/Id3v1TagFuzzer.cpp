// Any bytes saved as an MP3 file and read for its ID3 version 1 tag: no crash, and the song has
// the file's path, fields of at most 30 characters, and the defaults when the tag gives nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "InputFile.h"
#include "playlist/SongFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(data, size, "song.mp3");
    if (path.isEmpty()) {
        return 0;
    }

    const SongInfo song = SongFile::fromTag(path);
    const SongInfo defaults = SongFile::withDefaults(path);
    if (song.path != path || song.title.size() > 30 ||
        (song.artist.size() > 30 && song.artist != defaults.artist)) {
        std::abort();
    }
    if (song.title.isEmpty() && song.artist.isEmpty()) {
        std::abort();  // two empty fields give the defaults
    }
    const bool tagged = size >= 128 && std::equal(data + size - 128, data + size - 125, "TAG");
    if (!tagged && !(song == defaults)) {
        std::abort();
    }
    return 0;
}
