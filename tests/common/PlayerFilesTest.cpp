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
    // Header, key, line end and values, each damaged: (what, made into).
    const char* damage[][2] = {
        {"#VP-V1.0.0", "#VP-V1.0.1"}, {"-re", "-Re"},           {"\r\n\r\n", "\n\r\n"},
        {"\r\n0", "\r\n2"},           {"\r\n6", "\r\n-6"},      {"off", "loud"},
        {"61500", "615 00"},          {"61500", "99999999999"}, {"/m/a.flac", ""}};
    for (const auto& [from, to] : damage) {
        if (QByteArray(choices).replace(from, to) != choices) {
            EXPECT_EQ(parseChoices(QByteArray(choices).replace(from, to)), PlayerChoices()) << to;
        }
        if (QByteArray(resume).replace(from, to) != resume) {
            EXPECT_FALSE(parseResumePoint(QByteArray(resume).replace(from, to))) << to;
        }
    }
    EXPECT_FALSE(parseResumePoint(resume.left(resume.size() - 1) + "\r\n"));
    EXPECT_FALSE(parseResumePoint(resume + "\r\n-extra\r\n1"));
    EXPECT_FALSE(parseResumePoint(""));
    EXPECT_EQ(parseChoices(""), PlayerChoices());
}
