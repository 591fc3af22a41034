// Any bytes read as each of the three settings files: no crash, and whatever is read survives
// being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/SettingsFiles.h"
#include "common/StoredText.h"

using namespace SettingsFiles;

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkColours(const QByteArray& bytes) {
    const Colours colours = parseColours(bytes);
    require((colours.backColour | colours.textColour | colours.opacityColour) <= 0xFFFFFFu);
    const Colours reread = parseColours(serializeColours(colours));
    require(reread.backColour == colours.backColour && reread.textColour == colours.textColour &&
            reread.opacityColour == colours.opacityColour &&
            reread.useOpacity == colours.useOpacity);
}

void checkPlayerState(const QByteArray& bytes) {
    const PlayerState state = parsePlayerState(bytes);
    require(state.volume >= 0 && state.volume <= 100);
    const PlayerState reread = parsePlayerState(serializePlayerState(state));
    require(reread.currentSong == state.currentSong && reread.volume == state.volume &&
            reread.muted == state.muted && reread.repeat == state.repeat &&
            reread.shuffle == state.shuffle);
}

void checkOptions(const QByteArray& bytes) {
    const Options options = parseOptions(bytes);
    const Options reread = parseOptions(serializeOptions(options));
    require(reread.onFront == options.onFront &&
            reread.openLastPlaylist == options.openLastPlaylist &&
            reread.useTags == options.useTags);
    // Text whose one-byte form reads back as other text (Latin-1 that looks like UTF-8) cannot
    // come back the same; any other skin path must.
    const QString& path = options.skinPath;
    if (StoredText::decode(StoredText::encode(path)) == path) {
        require(reread.skinPath == path);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkColours(bytes);
    checkPlayerState(bytes);
    checkOptions(bytes);
    return 0;
}
