// Shuffle without repeats, with the clock-seeded generator the player uses: every song once per
// round, the history walk replays picks, and lists far beyond 32,768 songs are reached whole.
#include <gtest/gtest.h>

#include <set>

#include "PlaylistTestFiles.h"
#include "playlist/PlayList.h"
#include "support/ScriptedPrompts.h"

namespace {

struct ListSize {
    uint32_t songs;
    uint32_t startAt;
};

class ShuffleRounds : public ::testing::TestWithParam<ListSize> {
protected:
    void SetUp() override {
        // One existing file under every entry: each fetch finds its song.
        const QString song = folder.write("song.mp3");
        playlist.addSongs(std::vector<SongInfo>(GetParam().songs, SongInfo{song, "a", "t"}));
        playlist.setCurrentIndex(GetParam().startAt);
        playlist.setShuffle(true);
    }

    // The indexes of `count` further songs.
    std::vector<uint32_t> walk(uint32_t count, bool forward) {
        std::vector<uint32_t> indexes;
        SongInfo out;
        for (uint32_t i = 0; i < count; ++i) {
            EXPECT_TRUE(forward ? playlist.next(out) : playlist.previous(out));
            indexes.push_back(playlist.currentIndex());
        }
        return indexes;
    }

    TestFolder folder;
    ScriptedPrompts prompts;
    PlayList playlist;
};

TEST_P(ShuffleRounds, EverySongOncePerRoundAndTheHistoryWalksBackAndForth) {
    const uint32_t count = GetParam().songs;
    // The song shuffle began on counts as picked in the first round.
    std::vector<uint32_t> firstRound = walk(count - 1, true);
    firstRound.insert(firstRound.begin(), GetParam().startAt);
    const std::vector<uint32_t> secondRound = walk(count, true);

    for (const std::vector<uint32_t>* round :
         std::initializer_list<const std::vector<uint32_t>*>{&firstRound, &secondRound}) {
        const std::set<uint32_t> distinct(round->begin(), round->end());
        ASSERT_EQ(distinct.size(), count);
        EXPECT_EQ(*distinct.begin(), 0u);
        EXPECT_EQ(*distinct.rbegin(), count - 1);  // the last index is reached
    }
    EXPECT_NE(secondRound.front(), firstRound.back());

    // Back over everything drawn replays it in reverse; forward again replays it in order.
    const std::vector<uint32_t> back = walk(2 * count - 1, false);
    std::vector<uint32_t> drawn = firstRound;
    drawn.insert(drawn.end(), secondRound.begin(), secondRound.end());
    EXPECT_TRUE(std::equal(back.begin(), back.end(), drawn.rbegin() + 1));
    const std::vector<uint32_t> forward = walk(2 * count - 1, true);
    EXPECT_TRUE(std::equal(forward.begin(), forward.end(), drawn.begin() + 1));
    EXPECT_EQ(playlist.shuffleHistory().size(), drawn.size());
}

INSTANTIATE_TEST_SUITE_P(ListSizes, ShuffleRounds,
                         ::testing::Values(ListSize{3, 0}, ListSize{40, 39},
                                           ListSize{70000, 69999}),
                         [](const auto& info) { return std::to_string(info.param.songs); });

TEST(ShuffleRound, SongsAddedDuringARoundJoinIt) {
    ShuffleRound round;
    round.restart(2, 0);
    std::set<uint32_t> picks{round.draw(2, 0)};
    for (int i = 0; i < 3; ++i) {
        picks.insert(round.draw(5, ShuffleRound::none));
    }
    EXPECT_EQ(picks, (std::set<uint32_t>{1, 2, 3, 4}));
}

TEST(ShuffleRound, ARoundFollowsRemovedAndMovedSongs) {
    ShuffleRound round;
    round.restart(6, 0);
    const uint32_t first = round.draw(6, 0);
    const uint32_t removed = first == 1 ? 2 : 1;
    // The order is reversed, the first pick and one unpicked song are removed and the rest close
    // up: the round goes on with the songs it had not picked, at their new indexes.
    std::vector<uint32_t> newIndexOf(6, ShuffleRound::none);
    std::set<uint32_t> unpicked;
    uint32_t next = 0;
    for (int song = 5; song >= 0; --song) {
        if (song != static_cast<int>(first) && song != static_cast<int>(removed)) {
            newIndexOf[song] = next++;
            if (song != 0) {  // the song the round began on counts as picked
                unpicked.insert(newIndexOf[song]);
            }
        }
    }
    round.follow(newIndexOf, 4);
    std::set<uint32_t> rest;
    for (size_t i = 0; i < unpicked.size(); ++i) {
        rest.insert(round.draw(4, ShuffleRound::none));
    }
    EXPECT_EQ(rest, unpicked);
}

}  // namespace
