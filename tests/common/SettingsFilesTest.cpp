#include <gtest/gtest.h>

#include <QStringList>
#include <limits>

#include "common/SettingsFiles.h"

using namespace SettingsFiles;

namespace {

QByteArray lines(const QStringList& values, bool endLast = false) {
    QByteArray bytes = values.join("\r\n").toLatin1();
    if (endLast) {
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace

TEST(ColoursFile, WritesTheExactBytes) {
    EXPECT_EQ(serializeColours(Colours()),
              QByteArray("#VP-V1.0.0\r\n\r\n-back color\r\n62\r\n73\r\n67\r\n"
                         "-text color\r\n255\r\n255\r\n255\r\n"
                         "-opacity color\r\n62\r\n73\r\n67\r\n-use opacity \r\n1"));
}

TEST(ColoursFile, KeepsEveryComponentAndTheOpacityFlag) {
    Colours colours;
    colours.backColour = colourOf(1, 2, 3);
    colours.textColour = colourOf(254, 0, 128);
    colours.opacityColour = colourOf(0, 255, 7);
    colours.useOpacity = false;
    const Colours back = parseColours(serializeColours(colours));
    EXPECT_EQ(back.backColour, 0x030201u);
    EXPECT_EQ(back.textColour, colourOf(254, 0, 128));
    EXPECT_EQ(back.opacityColour, colourOf(0, 255, 7));
    EXPECT_FALSE(back.useOpacity);
}

TEST(ColoursFile, ComponentsAreTakenModulo256) {
    const Colours colours = parseColours(lines({"#VP-V1.0.0", "", "x", "300", "256", "-1", "x",
                                                "10", "20", "30", "x", "0", "0", "0", "x", "1"}));
    EXPECT_EQ(colours.backColour, colourOf(44, 0, 255));
    EXPECT_EQ(colours.textColour, colourOf(10, 20, 30));
    EXPECT_TRUE(colours.useOpacity);
}

TEST(ColoursFile, AShortFileReadsZeroesOrItsUnendedLastLine) {
    const Colours ended = parseColours(lines({"#VP-V1.0.0", "", "-back color", "9"}, true));
    EXPECT_EQ(ended.backColour, colourOf(9, 0, 0));
    EXPECT_EQ(ended.textColour, 0u);
    EXPECT_FALSE(ended.useOpacity);

    const Colours unended = parseColours(lines({"#VP-V1.0.0", "", "-back color", "1"}));
    EXPECT_EQ(unended.backColour, colourOf(1, 1, 1));
    EXPECT_EQ(unended.opacityColour, colourOf(1, 1, 1));
    EXPECT_TRUE(unended.useOpacity) << "the last line \"1\" is read again for the flag";
}

TEST(PlayerStateFile, WritesTheExactBytes) {
    PlayerState state;
    state.currentSong = 12;
    state.volume = 57;
    state.repeat = true;
    EXPECT_EQ(serializePlayerState(state),
              QByteArray("#VP-V1.0.0\r\n\r\n-cursong\r\n12\r\n-volume\r\n57\r\n-mute\r\n0\r\n"
                         "-rep\r\n1\r\n-shuf\r\n0"));
}

TEST(PlayerStateFile, AVolumeOf57ReadBackFromTheEngineStays57) {
    // The engine keeps its master volume as a float: 57 / 100 is a hair below 0.57.
    const float masterVolume = static_cast<float>(57 / 100.0);
    PlayerState state;
    state.volume = savedVolumePercent(masterVolume);
    EXPECT_EQ(state.volume, 57);
    EXPECT_EQ(parsePlayerState(serializePlayerState(state)).volume, 57);
    for (int percent = 0; percent <= 100; ++percent) {
        EXPECT_EQ(savedVolumePercent(static_cast<float>(percent / 100.0)), percent);
    }
}

TEST(PlayerStateFile, SavedWhileMutedWritesVolume0AndRestoresMuted) {
    PlayerState state;
    state.volume = savedVolumePercent(0.0f);  // the engine reads back 0 while muted
    state.muted = true;
    const QByteArray bytes = serializePlayerState(state);
    EXPECT_TRUE(bytes.contains("-volume\r\n0\r\n-mute\r\n1\r\n"));
    const PlayerState back = parsePlayerState(bytes);
    EXPECT_EQ(back.volume, 0);
    EXPECT_TRUE(back.muted);
    EXPECT_FALSE(back.repeat);
    EXPECT_FALSE(back.shuffle);
}

TEST(PlayerStateFile, FlagsOtherThan1AreOff) {
    const PlayerState state =
        parsePlayerState(lines({"#VP-V1.0.0", "", "-cursong", "3", "-volume", "80", "-mute", "2",
                                "-rep", "1", "-shuf", "yes"}));
    EXPECT_EQ(state.currentSong, 3u);
    EXPECT_EQ(state.volume, 80);
    EXPECT_FALSE(state.muted) << "2 reads as false";
    EXPECT_TRUE(state.repeat);
    EXPECT_FALSE(state.shuffle);
}

TEST(PlayerStateFile, AVolumeOutsideThePercentRangeIsKeptWithinIt) {
    auto volumeOf = [](const char* line) {
        return parsePlayerState(lines({"#VP-V1.0.0", "", "-cursong", "0", "-volume", line}, true))
            .volume;
    };
    EXPECT_EQ(volumeOf("100000"), 100);
    EXPECT_EQ(volumeOf("-7"), 0);
    EXPECT_EQ(volumeOf("loud"), 0);
    EXPECT_EQ(savedVolumePercent(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(PlayerStateFile, AFileWithoutALineEndAfterTheLastValueReadsTheSame) {
    PlayerState state;
    state.shuffle = true;
    const QByteArray bytes = serializePlayerState(state);
    EXPECT_FALSE(bytes.endsWith("\n"));
    EXPECT_TRUE(parsePlayerState(bytes).shuffle);
    EXPECT_TRUE(parsePlayerState(bytes + "\r\n").shuffle);
}

TEST(OptionsFile, WritesTheExactBytesAndReadsThemBack) {
    Options options;
    options.openLastPlaylist = false;
    const QByteArray bytes = serializeOptions(options);
    EXPECT_EQ(bytes, QByteArray("#VP-V1.0.0\r\n\r\n-on front\r\n1\r\n-open last playlist\r\n0\r\n"
                                "-skin\r\nskins\\default\r\n-use tags\r\n1"));
    const Options back = parseOptions(bytes);
    EXPECT_TRUE(back.onFront);
    EXPECT_FALSE(back.openLastPlaylist);
    EXPECT_EQ(back.skinPath, QString("skins\\default"));
    EXPECT_TRUE(back.useTags);
}

TEST(OptionsFile, KeepsSkinPathsOutsideLatin1) {
    for (const QString& path : {QString("skins\\Björk"), QString("skins\\日本")}) {
        Options options;
        options.skinPath = path;
        EXPECT_EQ(parseOptions(serializeOptions(options)).skinPath, path);
    }
}

TEST(OptionsFile, AnEmptySkinLineGivesAnEmptySkinPath) {
    const Options options =
        parseOptions(lines({"#VP-V1.0.0", "", "-on front", "0", "-open last playlist", "1", "-skin",
                            "", "-use tags", "0"}));
    EXPECT_FALSE(options.onFront);
    EXPECT_TRUE(options.openLastPlaylist);
    EXPECT_EQ(options.skinPath, QString());
    EXPECT_FALSE(options.useTags);
}

TEST(OptionsFile, AShortFileRereadsItsUnendedLastLineAsTheSkin) {
    const Options options = parseOptions(lines({"#VP-V1.0.0", "", "-on front", "1"}));
    EXPECT_TRUE(options.onFront);
    EXPECT_TRUE(options.openLastPlaylist);
    EXPECT_EQ(options.skinPath, QString("1"));
    EXPECT_TRUE(options.useTags);
}
