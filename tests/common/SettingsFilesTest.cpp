#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <limits>

#include "common/SettingsFiles.h"

using namespace SettingsFiles;

namespace {

// Each file's values on one line, colours as hexadecimal 0xBBGGRR.
QString text(const Colours& c) {
    return QString("%1 %2 %3 %4")
        .arg(c.backColour, 6, 16, QChar('0'))
        .arg(c.textColour, 6, 16, QChar('0'))
        .arg(c.opacityColour, 6, 16, QChar('0'))
        .arg(c.useOpacity);
}
QString text(const PlayerState& s) {
    return QString("%1 %2 %3 %4 %5")
        .arg(s.currentSong)
        .arg(s.volume)
        .arg(s.muted)
        .arg(s.repeat)
        .arg(s.shuffle);
}
QString text(const Options& o) {
    return QString("%1 %2 %3 %4")
        .arg(o.onFront)
        .arg(o.openLastPlaylist)
        .arg(o.skinPath)
        .arg(o.useTags);
}

const std::function<QString(const QByteArray&)> colours = [](const QByteArray& bytes) {
    return text(parseColours(bytes));
};
const std::function<QString(const QByteArray&)> state = [](const QByteArray& bytes) {
    return text(parsePlayerState(bytes));
};
const std::function<QString(const QByteArray&)> options = [](const QByteArray& bytes) {
    return text(parseOptions(bytes));
};

}  // namespace

TEST(SettingsFiles, WriteTheExactBytesAndReadThemBack) {
    Colours someColours;
    someColours.backColour = colourOf(1, 2, 3);
    someColours.textColour = colourOf(254, 0, 128);
    someColours.opacityColour = colourOf(0, 255, 7);
    someColours.useOpacity = false;
    PlayerState someState;
    someState.currentSong = 12;
    someState.volume = 57;
    someState.repeat = true;
    PlayerState mutedState;  // the engine reads back 0 while muted
    mutedState.volume = 0;
    mutedState.muted = true;
    mutedState.shuffle = true;
    Options someOptions;
    someOptions.openLastPlaylist = false;
    EXPECT_EQ(serializeColours(Colours()),
              QByteArray("#VP-V1.0.0\r\n\r\n-back color\r\n62\r\n73\r\n67\r\n"
                         "-text color\r\n255\r\n255\r\n255\r\n"
                         "-opacity color\r\n62\r\n73\r\n67\r\n-use opacity \r\n1"));
    EXPECT_EQ(serializePlayerState(someState),
              QByteArray("#VP-V1.0.0\r\n\r\n-cursong\r\n12\r\n-volume\r\n57\r\n-mute\r\n0\r\n"
                         "-rep\r\n1\r\n-shuf\r\n0"));
    EXPECT_EQ(serializeOptions(someOptions),
              QByteArray("#VP-V1.0.0\r\n\r\n-on front\r\n1\r\n-open last playlist\r\n0\r\n"
                         "-skin\r\nskins\\default\r\n-use tags\r\n1"));

    EXPECT_EQ(colours(serializeColours(someColours)), text(someColours));
    for (const PlayerState& s : {someState, mutedState}) {
        EXPECT_EQ(state(serializePlayerState(s)), text(s));
        EXPECT_EQ(state(serializePlayerState(s) + "\r\n"), text(s)) << "an ended last line";
    }
    for (const QString& skin : {QString("skins\\Björk"), QString("skins\\日本"), QString()}) {
        someOptions.skinPath = skin;
        EXPECT_EQ(options(serializeOptions(someOptions)), text(someOptions));
    }
}

TEST(SettingsFiles, OddFilesReadAsTheLinesSay) {
    const struct {
        const char* what;
        const std::function<QString(const QByteArray&)>& read;
        QStringList lines;  // after the header and the empty line
        bool endsLast;
        QString expected;
    } cases[] = {
        {"components modulo 256",
         colours,
         {"x", "300", "256", "-1", "x", "10", "20", "30", "x", "0", "0", "0", "x", "1"},
         false,
         "ff002c 1e140a 000000 1"},
        {"short file reads zeroes", colours, {"-back color", "9"}, true, "000009 000000 000000 0"},
        {"short file rereads its unended last line",
         colours,
         {"-back color", "1"},
         false,
         "010101 010101 010101 1"},
        {"flags other than 1 are off",
         state,
         {"-cursong", "3", "-volume", "80", "-mute", "2", "-rep", "1", "-shuf", "yes"},
         false,
         "3 80 0 1 0"},
        {"volume kept to 100", state, {"-cursong", "0", "-volume", "100000"}, true, "0 100 0 0 0"},
        {"volume kept to 0", state, {"-cursong", "0", "-volume", "-7"}, true, "0 0 0 0 0"},
        {"volume not a number", state, {"-cursong", "0", "-volume", "loud"}, true, "0 0 0 0 0"},
        {"empty skin line",
         options,
         {"-on front", "0", "-open last playlist", "1", "-skin", "", "-use tags", "0"},
         false,
         "0 1  0"},
        {"short file rereads its last line as the skin",
         options,
         {"-on front", "1"},
         false,
         "1 1 1 1"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = ("#VP-V1.0.0\r\n\r\n" + c.lines.join("\r\n")).toLatin1();
        if (c.endsLast) {
            bytes += "\r\n";
        }
        EXPECT_EQ(c.read(bytes), c.expected) << c.what;
    }
}

TEST(SettingsFiles, TheVolumeReadBackFromTheEngineIsSavedAsTheSamePercent) {
    // The engine keeps its master volume as a float: 57 / 100 is a hair below 0.57.
    for (int percent = 0; percent <= 100; ++percent) {
        EXPECT_EQ(savedVolumePercent(static_cast<float>(percent / 100.0)), percent);
    }
    EXPECT_EQ(savedVolumePercent(std::numeric_limits<float>::quiet_NaN()), 0);
}
