#include <gtest/gtest.h>
#include <QStringList>
#include <limits>
#include "common/SettingsFiles.h"

using namespace SettingsFiles;

namespace {
enum class File { Colours, State, Options };

// The file read back: its values on one line, colours as hexadecimal 0xBBGGRR.
QString readBack(File file, const QByteArray& bytes) {
    const Colours c = parseColours(bytes);
    const PlayerState s = parsePlayerState(bytes);
    const Options o = parseOptions(bytes);
    return file == File::Colours ? QString::asprintf("%06x %06x %06x %d", c.backColour,
                                                     c.textColour, c.opacityColour, c.useOpacity)
           : file == File::State ? QString::asprintf("%u %d %d %d %d", s.currentSong, s.volume,
                                                     s.muted, s.repeat, s.shuffle)
                                 : QString::asprintf("%d %d %s %d", o.onFront, o.openLastPlaylist,
                                                     qPrintable(o.skinPath), o.useTags);
}
}  // namespace

// Written, read back and written again: the same bytes.
TEST(SettingsFiles, WriteTheExactBytesAndReadThemBack) {
    const Colours colours{colourOf(1, 2, 3), colourOf(254, 0, 128), colourOf(0, 255, 7), false};
    const PlayerState state{12, 57, false, true, false};
    const PlayerState muted{0, 0, true, false, true};  // the engine reads back 0 while muted
    Options options{true, false, "skins\\default", true};
    EXPECT_EQ(serializeColours(Colours()),
              QByteArray("#VP-V1.0.0\r\n\r\n-back color\r\n62\r\n73\r\n67\r\n"
                         "-text color\r\n255\r\n255\r\n255\r\n"
                         "-opacity color\r\n62\r\n73\r\n67\r\n-use opacity \r\n1"));
    EXPECT_EQ(serializePlayerState(state),
              QByteArray("#VP-V1.0.0\r\n\r\n-cursong\r\n12\r\n-volume\r\n57\r\n-mute\r\n0\r\n"
                         "-rep\r\n1\r\n-shuf\r\n0"));
    EXPECT_EQ(serializeOptions(options),
              QByteArray("#VP-V1.0.0\r\n\r\n-on front\r\n1\r\n-open last playlist\r\n0\r\n"
                         "-skin\r\nskins\\default\r\n-use tags\r\n1"));
    const QByteArray colourBytes = serializeColours(colours);
    EXPECT_EQ(serializeColours(parseColours(colourBytes)), colourBytes);
    for (const PlayerState& s : {state, muted}) {
        const QByteArray bytes = serializePlayerState(s);
        EXPECT_EQ(serializePlayerState(parsePlayerState(bytes)), bytes);
        EXPECT_EQ(serializePlayerState(parsePlayerState(bytes + "\r\n")), bytes)
            << "an ended last line";
    }
    for (const QString& skin : {QString("skins\\Björk"), QString("skins\\日本"), QString()}) {
        options.skinPath = skin;
        const QByteArray bytes = serializeOptions(options);
        EXPECT_EQ(serializeOptions(parseOptions(bytes)), bytes);
    }
}

TEST(SettingsFiles, OddFilesReadAsTheLinesSay) {
    // The lines after the header and the empty line, "|" between them.
    const struct {
        const char* what;
        File file;
        QString lines;
        bool endsLast;
        QString expected;
    } cases[] = {
        {"components modulo 256", File::Colours, "x|300|256|-1|x|10|20|30|x|0|0|0|x|1", false,
         "ff002c 1e140a 000000 1"},
        {"short: zeroes", File::Colours, "-back color|9", true, "000009 000000 000000 0"},
        {"short: the unended last line again", File::Colours, "-back color|1", false,
         "010101 010101 010101 1"},
        {"flags other than 1 are off", File::State,
         "-cursong|3|-volume|80|-mute|2|-rep|1|-shuf|yes", false, "3 80 0 1 0"},
        {"volume kept to 100", File::State, "-cursong|0|-volume|100000", true, "0 100 0 0 0"},
        {"volume kept to 0", File::State, "-cursong|0|-volume|-7", true, "0 0 0 0 0"},
        {"volume not a number", File::State, "-cursong|0|-volume|loud", true, "0 0 0 0 0"},
        {"empty skin line", File::Options, "-on front|0|-open last playlist|1|-skin||-use tags|0",
         false, "0 1  0"},
        {"short: the last line as the skin", File::Options, "-on front|1", false, "1 1 1 1"},
    };
    for (const auto& c : cases) {
        const QByteArray bytes =
            "#VP-V1.0.0\r\n\r\n" + QString(c.lines).replace('|', "\r\n").toLatin1();
        EXPECT_EQ(readBack(c.file, c.endsLast ? bytes + "\r\n" : bytes), c.expected) << c.what;
    }
}

TEST(SettingsFiles, TheVolumeReadBackFromTheEngineIsSavedAsTheSamePercent) {
    // The engine keeps its master volume as a float: 57 / 100 is a hair below 0.57.
    for (int percent = 0; percent <= 100; ++percent) {
        EXPECT_EQ(savedVolumePercent(static_cast<float>(percent / 100.0)), percent);
    }
    EXPECT_EQ(savedVolumePercent(std::numeric_limits<float>::quiet_NaN()), 0);
}
