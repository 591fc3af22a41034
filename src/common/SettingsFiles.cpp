#include "common/SettingsFiles.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/LineReader.h"
#include "common/StoredText.h"

namespace {

const QByteArray versionLine = "#VP-V1.0.0\r\n";

// Each file's layout is written once (the `layout` functions below) and walked by both of these:
// a key line, then its value lines. The version line and an empty line come first; the last
// value is left without a line end.
class SettingsWriter {
public:
    SettingsWriter() : bytes(versionLine) {}

    void key(const char* name) {
        bytes += "\r\n";
        bytes += name;
    }
    void flag(const bool& on) { number(on ? 1 : 0); }
    void count(const uint32_t& value) { number(value); }
    void number(const int64_t& value) { line(QByteArray::number(value)); }
    void text(const QString& value) { line(StoredText::encode(value)); }
    void colour(const uint32_t& colour) {
        number(colour & 0xFF);
        number((colour >> 8) & 0xFF);
        number((colour >> 16) & 0xFF);
    }

    QByteArray bytes;

private:
    void line(const QByteArray& value) {
        bytes += "\r\n";
        bytes += value;
    }
};

class SettingsReader {
public:
    explicit SettingsReader(const QByteArray& contents) : reader(contents) {}

    // The first key follows the version line and the empty line.
    void key(const char*) { reader.skipLines(std::exchange(first, false) ? 3 : 1); }
    void flag(bool& on) { on = reader.readBool(); }
    void count(uint32_t& value) { value = reader.readUnsigned(); }
    void number(int32_t& value) { value = reader.readInt(); }
    void text(QString& value) { value = reader.readLine(); }
    void colour(uint32_t& colour) {
        const int32_t red = reader.readInt();
        const int32_t green = reader.readInt();
        const int32_t blue = reader.readInt();
        colour = SettingsFiles::colourOf(red, green, blue);
    }

private:
    LineReader reader;
    bool first = true;
};

template <typename Walker, typename Colours>
void coloursLayout(Walker& file, Colours& colours) {
    file.key("-back color");
    file.colour(colours.backColour);
    file.key("-text color");
    file.colour(colours.textColour);
    file.key("-opacity color");
    file.colour(colours.opacityColour);
    file.key("-use opacity ");
    file.flag(colours.useOpacity);
}

template <typename Walker, typename State>
void playerStateLayout(Walker& file, State& state) {
    file.key("-cursong");
    file.count(state.currentSong);
    file.key("-volume");
    file.number(state.volume);
    file.key("-mute");
    file.flag(state.muted);
    file.key("-rep");
    file.flag(state.repeat);
    file.key("-shuf");
    file.flag(state.shuffle);
}

template <typename Walker, typename Options>
void optionsLayout(Walker& file, Options& options) {
    file.key("-on front");
    file.flag(options.onFront);
    file.key("-open last playlist");
    file.flag(options.openLastPlaylist);
    file.key("-skin");
    file.text(options.skinPath);
    file.key("-use tags");
    file.flag(options.useTags);
}

}  // namespace

SettingsFiles::Colours SettingsFiles::parseColours(const QByteArray& contents) {
    SettingsReader reader(contents);
    Colours colours;
    coloursLayout(reader, colours);
    return colours;
}

QByteArray SettingsFiles::serializeColours(const Colours& colours) {
    SettingsWriter writer;
    coloursLayout(writer, colours);
    return writer.bytes;
}

SettingsFiles::PlayerState SettingsFiles::parsePlayerState(const QByteArray& contents) {
    SettingsReader reader(contents);
    PlayerState state;
    playerStateLayout(reader, state);
    state.volume = std::clamp(state.volume, 0, 100);
    return state;
}

QByteArray SettingsFiles::serializePlayerState(const PlayerState& state) {
    SettingsWriter writer;
    playerStateLayout(writer, state);
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
    SettingsReader reader(contents);
    Options options;
    optionsLayout(reader, options);
    return options;
}

QByteArray SettingsFiles::serializeOptions(const Options& options) {
    SettingsWriter writer;
    optionsLayout(writer, options);
    return writer.bytes;
}
