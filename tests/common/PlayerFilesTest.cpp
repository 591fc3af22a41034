// The "player" and "resume" files: exact bytes, round trips, and damaged files read as nothing.
#include <gtest/gtest.h>
#include "common/PlayerFiles.h"

using namespace PlayerFiles;

TEST(PlayerFiles, ChoicesAndResumePointsRoundTripInTheirExactBytes) {
    EXPECT_EQ(serializeChoices({ReplayGainMode::Album, false}),
              QByteArray("#VP-V1.0.0\r\n\r\n-replaygain\r\nalbum\r\n-resume\r\n0"));
    EXPECT_EQ(serializeResumePoint({"/m/a.flac", 61500}),
              QByteArray("#VP-V1.0.0\r\n\r\n-song\r\n/m/a.flac\r\n-position\r\n61500"));
    for (const PlayerChoices& choices :
         {PlayerChoices{ReplayGainMode::Track, true}, PlayerChoices{ReplayGainMode::Album, false},
          PlayerChoices{ReplayGainMode::Off, true}}) {
        EXPECT_EQ(parseChoices(serializeChoices(choices)), choices);
    }
    for (const ResumePoint& point :
         {ResumePoint{"/m/a.flac", 0},
          ResumePoint{QString::fromUtf8("/m/Björk – 日本.opus"), 4294967295u}}) {
        EXPECT_EQ(parseResumePoint(serializeResumePoint(point)), point);
    }
}

TEST(PlayerFiles, ADamagedFileMeansTheDefaultsOrFromTheStart) {
    const QByteArray choices = "#VP-V1.0.0\r\n\r\n-replaygain\r\noff\r\n-resume\r\n0";
    const QByteArray resume = "#VP-V1.0.0\r\n\r\n-song\r\n/m/a.flac\r\n-position\r\n61500";
    ASSERT_EQ(parseChoices(choices), (PlayerChoices{ReplayGainMode::Off, false}));
    ASSERT_TRUE(parseResumePoint(resume));
    const struct {
        const char* name;
        QByteArray from;
        QByteArray to;
    } damage[] = {
        {"header", "#VP-V1.0.0", "#VP-V1.0.1"},
        {"key", "-re", "-Re"},
        {"line end", "\r\n\r\n", "\n\r\n"},
        {"value", "\r\n0", "\r\n2"},
        {"value", "\r\n6", "\r\n-6"},
        {"value", "off", "loud"},
        {"value", "61500", "615 00"},
        {"value", "61500", "99999999999"},
        {"value", "/m/a.flac", ""},
    };
    for (const auto& d : damage) {
        QByteArray damagedChoices = choices;
        if (damagedChoices.replace(d.from, d.to) != choices) {
            EXPECT_EQ(parseChoices(damagedChoices), PlayerChoices())
                << d.name << " " << d.to.data();
        }
        QByteArray damagedResume = resume;
        if (damagedResume.replace(d.from, d.to) != resume) {
            EXPECT_FALSE(parseResumePoint(damagedResume)) << d.name << " " << d.to.data();
        }
    }
    EXPECT_FALSE(parseResumePoint(resume.left(resume.size() - 1) + "\r\n"));
    EXPECT_FALSE(parseResumePoint(resume + "\r\n-extra\r\n1"));
    EXPECT_FALSE(parseResumePoint(""));
    EXPECT_EQ(parseChoices(""), PlayerChoices());
}
