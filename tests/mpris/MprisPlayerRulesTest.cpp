// The rules the media-controls adaptor keeps for whatever a D-Bus client sends, checked through a
// fake of the media controls that records what the adaptor asks of the player.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "mpris/MprisPlayerAdaptor.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"

namespace {

constexpr qlonglong int64Max = std::numeric_limits<qlonglong>::max();
const QString trackOfSongZero = "/io/github/veskplayer/VeskPlayer/track/0";
const QString runNext = QString("run %1").arg(static_cast<int>(ButtonCommand::next));

struct RuleCase {
    const char* name;
    std::function<void(MprisPlayerAdaptor&)> request;
    QStringList asked;  // what the adaptor asked of the player, in order
};

// One song of one second plays through the null output, a quarter of a second in.
class MprisPlayerRules : public ::testing::TestWithParam<RuleCase> {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        const QString path = folder->filePath("song.wav");
        ASSERT_TRUE(GeneratedSounds::writeTone(path, GeneratedSounds::Format::Wav, 44100, 2, 1.0));
        PlayList::instance().addSong({path, "Artist", "Song"});
        auto output = std::make_unique<NullOutput>();
        NullOutput& played = *output;
        Sound& sound = Sound::createInstance(std::move(output));
        ASSERT_TRUE(sound.playPause());
        ASSERT_TRUE(QTest::qWaitFor([&] { return sound.lengthMs() != 0; }, 5000));
        ASSERT_EQ(sound.lengthMs(), 1000u);
        played.pullSeconds(0.25);
        ASSERT_EQ(sound.positionMs(), 250u);
    }
    static void TearDownTestSuite() {
        Sound::deleteInstance();
        delete folder;
    }
    void SetUp() override {
        controls.run = [this](ButtonCommand command) {
            asked << QString("run %1").arg(static_cast<int>(command));
        };
        controls.setVolume = [this](int percent) { asked << QString("volume %1").arg(percent); };
        controls.seek = [this](uint32_t ms) { asked << QString("seek %1").arg(ms); };
        controls.open = [this](const QString& path) { asked << "open " + path; };
        controls.raise = [this] { asked << "raise"; };
        adaptor.setSong(PlayList::instance().songAt(0));
    }

    static QTemporaryDir* folder;
    DebugCapture debug;
    QStringList asked;
    MediaControls controls;
    QObject parent;
    MprisPlayerAdaptor adaptor{&parent, controls};
};

QTemporaryDir* MprisPlayerRules::folder = nullptr;

}  // namespace

TEST_P(MprisPlayerRules, AskThePlayerOnlyForWhatMakesSense) {
    ASSERT_EQ(Sound::instance().state(), PlayState::Playing);
    GetParam().request(adaptor);
    EXPECT_EQ(asked, GetParam().asked);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, MprisPlayerRules,
    ::testing::Values(
        RuleCase{"SeekWithin", [](auto& a) { a.Seek(250000); }, {"seek 500"}},
        RuleCase{"SeekPastTheEndGoesToTheNextSong", [](auto& a) { a.Seek(2000000); }, {runNext}},
        RuleCase{"SeekByTheLargestOffset", [](auto& a) { a.Seek(int64Max); }, {runNext}},
        RuleCase{"SeekByTheSmallestOffset", [](auto& a) { a.Seek(-int64Max - 1); }, {"seek 0"}},
        RuleCase{"SetPositionOfThisTrack",
                 [](auto& a) { a.SetPosition(QDBusObjectPath(trackOfSongZero), 500000); },
                 {"seek 500"}},
        RuleCase{"SetPositionOfAStaleTrack",
                 [](auto& a) { a.SetPosition(QDBusObjectPath(trackOfSongZero + "7"), 0); },
                 {}},
        RuleCase{"SetPositionPastTheEnd",
                 [](auto& a) { a.SetPosition(QDBusObjectPath(trackOfSongZero), int64Max); },
                 {}},
        RuleCase{"LoopTrackIsNoModeHere", [](auto& a) { a.setLoopStatus("Track"); }, {}},
        RuleCase{"PlayWhilePlaying", [](auto& a) { a.Play(); }, {}},
        RuleCase{"VolumeHalf", [](auto& a) { a.setVolume(0.5); }, {"volume 50"}},
        RuleCase{"VolumeAboveFullIsFull", [](auto& a) { a.setVolume(7.0); }, {"volume 100"}},
        RuleCase{"VolumeNotANumber", [](auto& a) { a.setVolume(std::nan("")); }, {}},
        RuleCase{"VolumeInfinite", [](auto& a) { a.setVolume(qInf()); }, {}},
        RuleCase{"VolumeMinusInfinite", [](auto& a) { a.setVolume(-qInf()); }, {}},
        RuleCase{
            "OpenASongUri", [](auto& a) { a.OpenUri("file:///m/a%20b.mp3"); }, {"open /m/a b.mp3"}},
        RuleCase{"OpenAnOtherFileIsIgnored", [](auto& a) { a.OpenUri("file:///m/a.vps"); }, {}},
        RuleCase{
            "OpenAWebUriIsIgnored", [](auto& a) { a.OpenUri("https://example.org/a.mp3"); }, {}}),
    [](const auto& info) { return std::string(info.param.name); });
