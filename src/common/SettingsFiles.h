#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The three settings files of the data folder: "sfo.0" colours, "sfo.1" player state and
// "sfo.2" options. Each is "#VP-V1.0.0", an empty line, then key and value lines; the readers
// take the lines by position (see LineReader) and the writers give the exact bytes to store,
// CR LF line ends and no line end after the last value.
//
// Reading gives every value the file holds or, for a short file, what its missing lines read
// as; a file that cannot be opened is not read at all, so the caller keeps what it has.
namespace SettingsFiles {

inline constexpr const char* coloursFileName = "sfo.0";
inline constexpr const char* playerStateFileName = "sfo.1";
inline constexpr const char* optionsFileName = "sfo.2";

// Colours are 0x00BBGGRR: red in the low byte, then green, then blue.
constexpr uint32_t colourOf(int32_t red, int32_t green, int32_t blue) {
    // Each component is taken modulo 256, so 300 reads as 44 and -1 as 255.
    return (static_cast<uint32_t>(red) & 0xFF) | ((static_cast<uint32_t>(green) & 0xFF) << 8) |
           ((static_cast<uint32_t>(blue) & 0xFF) << 16);
}

struct Colours {
    uint32_t backColour = colourOf(62, 73, 67);
    uint32_t textColour = colourOf(255, 255, 255);
    uint32_t opacityColour = colourOf(62, 73, 67);
    bool useOpacity = true;
};

struct PlayerState {
    uint32_t currentSong = 0;
    // Percent. Without a file the player starts at 50.
    int32_t volume = 50;
    // Restoring these is the caller's: each one set is replayed as a press of its button
    // (mute, repeat, shuffle), which toggles the state that starts off.
    bool muted = false;
    bool repeat = false;
    bool shuffle = false;
};

struct Options {
    bool onFront = true;
    bool openLastPlaylist = true;
    // The current skin folder relative to the data folder, as stored ("\" separators).
    QString skinPath = "skins\\default";
    bool useTags = true;
};

Colours parseColours(const QByteArray& contents);
QByteArray serializeColours(const Colours& colours);

// The volume read is kept within 0 to 100, the range of the volume sliders: a hand-edited
// value must not turn the master volume into an amplifier.
PlayerState parsePlayerState(const QByteArray& contents);
QByteArray serializePlayerState(const PlayerState& state);
// The percent saved as "-volume": the engine's master volume read back (0.0 to 1.0, and 0.0
// while muted) times 100, rounded to the nearest whole number.
int32_t savedVolumePercent(float masterVolume);

Options parseOptions(const QByteArray& contents);
QByteArray serializeOptions(const Options& options);

}  // namespace SettingsFiles
