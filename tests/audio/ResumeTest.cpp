// Resuming: the first song opened starts at the kept position when it is the kept song, and the
// player tells where to resume at exit.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "audio/GeneratedSounds.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "support/ScriptedPrompts.h"

namespace {

using PlayerFiles::ResumePoint;

TEST(Resume, TheFirstPlayStartsTheKeptSongAtItsPosition) {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.flac");
    const QString second = dir.filePath("second.flac");
    for (const QString& path : {first, second}) {
        ASSERT_TRUE(GeneratedSounds::writeTone(path, GeneratedSounds::Format::Flac, 44100, 2, 3.0));
    }
    const struct {
        const char* name;
        std::optional<ResumePoint> kept;
        bool nextFirst;  // Next pressed before Play
        uint32_t expectedMs;
    } cases[] = {
        {"kept song", ResumePoint{first, 1800}, false, 1800},
        {"another song kept", ResumePoint{second, 1800}, false, 0},
        {"nothing kept", std::nullopt, false, 0},
        {"next before play", ResumePoint{second, 1800}, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        PlayList playList;
        playList.addSong({first, "Artist", "first"});
        playList.addSong({second, "Artist", "second"});
        auto nullOutput = std::make_unique<NullOutput>(44100, 2);
        NullOutput& output = *nullOutput;
        Sound sound(playList, std::move(nullOutput), SongOpener::Mode::Inline);
        if (c.kept) {
            sound.resumeAt(*c.kept);
        }
        EXPECT_EQ(sound.whereToResume(), c.kept) << "kept until a song sounds";
        ASSERT_TRUE(c.nextFirst ? sound.next() : sound.playPause());
        EXPECT_EQ(sound.positionMs(), c.expectedMs);
        output.pull(4410);
        const QString playing = c.nextFirst ? second : first;
        EXPECT_EQ(sound.whereToResume(), (ResumePoint{playing, c.expectedMs + 100}));
        sound.stop();
        EXPECT_EQ(sound.whereToResume(), std::nullopt);
        // Used up: playing again starts from the start.
        ASSERT_TRUE(sound.playPause());
        EXPECT_EQ(sound.positionMs(), 0u);
    }
}

}  // namespace
