#include "common/SettingsFiles.h"

#include <algorithm>
#include <cmath>

#include "common/LineReader.h"
#include "common/StoredText.h"

namespace {

const QByteArray versionLine = "#VP-V1.0.0\r\n";

// The writers start each key with the line end of the line before it, so the last value is
// left without one.
class SettingsWriter {
public:
    SettingsWriter() : bytes(versionLine) {}

    void key(const char* name) {
        bytes += "\r\n";
        bytes += name;
    }
    void value(const QByteArray& text) {
        bytes += "\r\n";
        bytes += text;
    }
    void number(int64_t number) { value(QByteArray::number(number)); }
    void colour(uint32_t colour) {
        number(colour & 0xFF);
        number((colour >> 8) & 0xFF);
        number((colour >> 16) & 0xFF);
    }

    QByteArray bytes;
};

uint32_t readColour(LineReader& reader) {
    const int32_t red = reader.readInt();
    const int32_t green = reader.readInt();
    const int32_t blue = reader.readInt();
    return SettingsFiles::colourOf(red, green, blue);
}

}  // namespace

SettingsFiles::Colours SettingsFiles::parseColours(const QByteArray& contents) {
    LineReader reader(contents);
    Colours colours;
    reader.skipLines(3);
    colours.backColour = readColour(reader);
    reader.skipLines(1);
    colours.textColour = readColour(reader);
    reader.skipLines(1);
    colours.opacityColour = readColour(reader);
    reader.skipLines(1);
    colours.useOpacity = reader.readBool();
    return colours;
}

QByteArray SettingsFiles::serializeColours(const Colours& colours) {
    SettingsWriter writer;
    writer.key("-back color");
    writer.colour(colours.backColour);
    writer.key("-text color");
    writer.colour(colours.textColour);
    writer.key("-opacity color");
    writer.colour(colours.opacityColour);
    writer.key("-use opacity ");
    writer.number(colours.useOpacity ? 1 : 0);
    return writer.bytes;
}

SettingsFiles::PlayerState SettingsFiles::parsePlayerState(const QByteArray& contents) {
    LineReader reader(contents);
    PlayerState state;
    reader.skipLines(3);
    state.currentSong = reader.readUnsigned();
    reader.skipLines(1);
    state.volume = std::clamp(reader.readInt(), 0, 100);
    reader.skipLines(1);
    state.muted = reader.readBool();
    reader.skipLines(1);
    state.repeat = reader.readBool();
    reader.skipLines(1);
    state.shuffle = reader.readBool();
    return state;
}

QByteArray SettingsFiles::serializePlayerState(const PlayerState& state) {
    SettingsWriter writer;
    writer.key("-cursong");
    writer.number(state.currentSong);
    writer.key("-volume");
    writer.number(state.volume);
    writer.key("-mute");
    writer.number(state.muted ? 1 : 0);
    writer.key("-rep");
    writer.number(state.repeat ? 1 : 0);
    writer.key("-shuf");
    writer.number(state.shuffle ? 1 : 0);
    return writer.bytes;
}

int32_t SettingsFiles::savedVolumePercent(float masterVolume) {
    const double percent = static_cast<double>(masterVolume) * 100.0;
    if (!std::isfinite(percent)) {
        return 0;
    }
    return static_cast<int32_t>(std::lround(std::clamp(percent, -1.0e9, 1.0e9)));
}

SettingsFiles::Options SettingsFiles::parseOptions(const QByteArray& contents) {
    LineReader reader(contents);
    Options options;
    reader.skipLines(3);
    options.onFront = reader.readBool();
    reader.skipLines(1);
    options.openLastPlaylist = reader.readBool();
    reader.skipLines(1);
    options.skinPath = reader.readLine();
    reader.skipLines(1);
    options.useTags = reader.readBool();
    return options;
}

QByteArray SettingsFiles::serializeOptions(const Options& options) {
    SettingsWriter writer;
    writer.key("-on front");
    writer.number(options.onFront ? 1 : 0);
    writer.key("-open last playlist");
    writer.number(options.openLastPlaylist ? 1 : 0);
    writer.key("-skin");
    writer.value(StoredText::encode(options.skinPath));
    writer.key("-use tags");
    writer.number(options.useTags ? 1 : 0);
    return writer.bytes;
}
