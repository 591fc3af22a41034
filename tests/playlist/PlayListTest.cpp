#include <gtest/gtest.h>
#include <QCoreApplication>
#include <atomic>
#include <set>
#include <thread>
#include "PlaylistTestFiles.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "support/ScriptedPrompts.h"

namespace {
class CountingView : public PlaylistView {
public:
    void playlistChanged() override { ++changes; }
    int changes = 0;
};

// A playlist of songs, each named by one letter, whose files exist unless named in `missing`
// (where a capital letter names a folder).
class PlayListTest : public ::testing::Test {
protected:
    void addSongs(const QString& names, const QString& missing = {}) {
        for (const QChar name : names) {
            const QString path = folder.path(QString(name) + ".mp3");
            if (!missing.contains(name)) {
                folder.write(QString(name) + ".mp3");
            } else if (name.isUpper()) {
                folder.mkdir(QString(name) + ".mp3");
            }
            playlist.addSong({path, QString("artist ") + name, name});
        }
    }
    // Shuffle picks come from this script, in order.
    void scriptRandom(std::vector<uint32_t> values) {
        picks = std::move(values);
        playlist.setRandomSource([this] { return picks.at(draws++); });
    }
    QString titles() const {
        QString all;
        for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
            all += song.title;
        }
        return all;
    }
    TestFolder folder;
    PlayList playlist;
    ScriptedPrompts prompts;
    std::vector<uint32_t> picks;
    size_t draws = 0;
    SongInfo out;
};

// Steps through the list: 'n' next, 'p' previous; each gives the title fetched or '-' for no
// song (and the record left alone). Shuffle draws exactly the picks scripted: each a place among
// the songs not yet picked in the round.
struct WalkCase {
    const char* name;
    QString songs;
    uint32_t current;
    bool repeat, shuffle;
    QString steps, fetched;
    uint32_t currentAfter;
    std::vector<uint32_t> picks = {};
};

const WalkCase walkCases[] = {
    {"NextStopsOneBeyondTheEnd", "abc", 0, false, false, "nnn", "bc-", 3},
    {"NextOnTheLastWithRepeatGivesTheFirst", "abc", 2, true, false, "n", "a", 0},
    {"PreviousOnTheFirstWrapsBeyondTheEnd", "ab", 0, false, false, "p", "-", PlayList::beyondEnd},
    {"PreviousOnTheFirstWithRepeatGivesTheLast", "abc", 0, true, false, "p", "c", 2},
    {"PreviousWalksBack", "abc", 2, false, false, "pp", "ba", 0},
    {"EmptyListGivesNothingAndDrawsNothing", "", 0, true, true, "np", "--", 0},
    // Picks 1 of {0, 1, 2, 4}, then 2 of {0, 4, 2}: the second 1 replays the pick made; the
    // last song is a new pick before the front of the history.
    {"ShuffleReplaysItsHistoryAndDrawsOnlyAtItsEnds",
     "01234",
     3,
     false,
     true,
     "npnpp",
     "13132",
     2,
     {1, 2}},
};

class PlayListWalk : public PlayListTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(PlayListWalk, FetchesTheSongsInTurn) {
    const WalkCase& c = GetParam();
    addSongs(c.songs);
    playlist.setCurrentIndex(c.current);
    playlist.setRepeat(c.repeat);
    scriptRandom(c.picks);
    playlist.setShuffle(c.shuffle);
    QString fetched;
    for (const QChar step : c.steps) {
        const QString before = out.title;
        const bool got = step == 'n' ? playlist.next(out) : playlist.previous(out);
        fetched += got ? out.title : "-";
        EXPECT_TRUE(got || out.title == before) << "a failed step leaves the record alone";
    }
    EXPECT_EQ(fetched, c.fetched);
    EXPECT_EQ(playlist.currentIndex(), c.currentAfter);
    EXPECT_EQ(draws, picks.size());
}

INSTANTIATE_TEST_SUITE_P(Steps, PlayListWalk, ::testing::ValuesIn(walkCases), caseName);

// A song whose file is gone is asked about: kept (No, or no answer) or removed (Yes); then the
// next song that exists is fetched ("-" for none).
struct MissingCase {
    const char* name;
    QString songs, missing;
    uint32_t current;
    bool repeat;
    std::optional<PromptAnswer> answer;
    QString fetched;
    uint32_t currentAfter;
    QString listAfter;
    size_t questions;
};

const MissingCase missingCases[] = {
    {"AnsweredNoStays", "abc", "b", 1, false, PromptAnswer::No, "c", 2, "abc", 1},
    {"AnsweredYesIsRemoved", "abcd", "b", 1, false, PromptAnswer::Yes, "c", 1, "acd", 1},
    {"TheLastRemovedEndsTheList", "ab", "b", 1, false, PromptAnswer::Yes, "-", 1, "a", 1},
    {"AFolderCountsAsMissing", "aB", "B", 1, false, PromptAnswer::No, "-", 1, "aB", 1},
    // Unanswered questions count as No: with repeat on the walk would go round for ever.
    {"OnlyMissingFilesAskEachOnce", "abc", "abc", 0, true, std::nullopt, "-", 0, "abc", 3},
};

class PlayListMissing : public PlayListTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(PlayListMissing, AsksAndFetchesTheNextSongThatExists) {
    const MissingCase& c = GetParam();
    addSongs(c.songs, c.missing);
    CountingView view;
    playlist.addListView(&view);
    playlist.setCurrentIndex(c.current);
    playlist.setRepeat(c.repeat);
    if (c.answer) {
        prompts.answerNext(*c.answer);
    }
    const bool got = playlist.fetch(c.current, out);
    EXPECT_EQ(got ? out.title : "-", c.fetched);
    EXPECT_TRUE(!got || playlist.currentIndex() == c.currentAfter) << playlist.currentIndex();
    EXPECT_EQ(titles(), c.listAfter);
    EXPECT_EQ(prompts.shown.size(), c.questions);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view.changes, c.listAfter == c.songs ? 0 : 1);
    playlist.removeListView(&view);
    const PromptMessage& question = prompts.shown.at(0);
    const QString first = c.missing.left(1);
    EXPECT_EQ(question.caption, "File does not exists.");
    EXPECT_EQ(question.text, "song: " + first + "\nartist: artist " + first +
                                 "\npath: " + folder.path(first + ".mp3") +
                                 "\n\nDo want to remove this song out of the list?");
    EXPECT_EQ(question.icon, PromptIcon::Error);
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_TRUE(question.topmost);
}

INSTANTIATE_TEST_SUITE_P(Files, PlayListMissing, ::testing::ValuesIn(missingCases), caseName);

TEST_F(PlayListTest, ViewsHearOfABurstOfChangesOnceAndNotAfterRemoval) {
    CountingView first, second;
    playlist.addListView(&first);
    playlist.addListView(&second);
    playlist.addListView(&second);
    for (int i = 0; i < 1000; ++i) {
        playlist.addSong({QString::number(i), "N/A", QString::number(i)});
    }
    EXPECT_EQ(first.changes, 0);  // reported on the next turn of the event loop
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(std::pair(first.changes, second.changes), std::pair(1, 2));
    playlist.removeListView(&second);  // every registration of it goes
    playlist.removeSong(0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(std::pair(first.changes, second.changes), std::pair(2, 2));
    playlist.removeListView(&first);
}

// Songs "a" to "f" are edited: indexes and `before` name songs, or with shuffle picks (one `next`
// each) places in the shuffle history, whose every pick must name the same song afterwards.
enum class Edit { Remove, Move };

struct EditCase {
    const char* name;
    uint32_t current;
    std::vector<uint32_t> shufflePicks;
    Edit edit;
    std::vector<uint32_t> indexes;
    uint32_t before;
    QString titlesAfter;
    uint32_t currentAfter;
};

const EditCase editCases[] = {
    {"RemoveBeforeCurrent", 3, {}, Edit::Remove, {0}, 0, "bcdef", 2},
    {"RemoveAfterCurrent", 1, {}, Edit::Remove, {5, 4}, 0, "abcd", 1},
    {"RemoveCurrentNamesTheNextSong", 2, {}, Edit::Remove, {2}, 0, "abdef", 2},
    {"RemoveAroundCurrent", 3, {}, Edit::Remove, {5, 0, 3, 1, 9}, 0, "ce", 1},
    {"MoveCurrentDown", 0, {}, Edit::Move, {0}, 3, "bcadef", 2},
    {"MoveOthersAboveCurrent", 2, {}, Edit::Move, {5, 4}, 0, "efabcd", 4},
    {"MoveBlockToTheEnd", 1, {}, Edit::Move, {0, 1}, 6, "cdefab", 5},
    {"MoveOntoItselfChangesNothing", 1, {}, Edit::Move, {1, 2}, 2, "abcdef", 1},
    {"CurrentBeyondTheEndStays", 6, {}, Edit::Remove, {0}, 0, "bcdef", 6},
    {"ShuffleHistoryIsRenumbered", 0, {2, 2}, Edit::Remove, {1}, 0, "", 0},
    {"ShufflePickBeingPlayedGoes", 0, {2, 0}, Edit::Remove, {2}, 0, "", 0},
    {"ShuffleHistoryFollowsAMove", 0, {2, 2}, Edit::Move, {2}, 0, "", 0},
};

class PlayListEdit : public PlayListTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(PlayListEdit, KeepsTheCurrentSongAndTheShuffleHistory) {
    const EditCase& c = GetParam();
    addSongs("abcdef");
    playlist.setCurrentIndex(c.current);
    scriptRandom(c.shufflePicks);
    playlist.setShuffle(!picks.empty());
    for (size_t i = 0; i < picks.size(); ++i) {
        ASSERT_TRUE(playlist.next(out));
    }
    const std::deque<uint32_t> historyBefore = playlist.shuffleHistory();
    const uint32_t positionBefore = playlist.shufflePosition();
    const QString titlesBefore = titles();
    std::vector<uint32_t> indexes = c.indexes;
    for (uint32_t& index : indexes) {
        index = picks.empty() ? index : historyBefore.at(index);
    }
    if (c.edit == Edit::Remove) {
        playlist.removeSongs(indexes);
    } else {
        playlist.moveSongs(indexes, c.before);
    }
    if (picks.empty()) {
        EXPECT_EQ(titles(), c.titlesAfter);
        EXPECT_EQ(playlist.currentIndex(), c.currentAfter);
        return;
    }
    // A removed pick is left out, but the one being played goes on as the current index.
    std::deque<uint32_t> expected;
    uint32_t expectedPosition = 0;
    for (uint32_t position = 0; position < historyBefore.size(); ++position) {
        const qsizetype now = titles().indexOf(titlesBefore.at(historyBefore[position]));
        if (position == positionBefore) {
            expectedPosition = static_cast<uint32_t>(expected.size());
            expected.push_back(now < 0 ? playlist.currentIndex() : static_cast<uint32_t>(now));
        } else if (now >= 0) {
            expected.push_back(static_cast<uint32_t>(now));
        }
    }
    EXPECT_EQ(playlist.shuffleHistory(), expected);
    EXPECT_EQ(playlist.shufflePosition(), expectedPosition);
    EXPECT_EQ(playlist.currentIndex(), expected[expectedPosition]);
}

INSTANTIATE_TEST_SUITE_P(Songs, PlayListEdit, ::testing::ValuesIn(editCases), caseName);

TEST_F(PlayListTest, TagsOfASongThatMovedAreReadAgainAtItsNewPlace) {
    playlist.addSongs({{"/m/a.mp3", "N/A", "a"}, {"/m/b.mp3", "N/A", "b"}}, PlayList::Tags::ToRead);
    const auto first = playlist.nextSongToTag();
    ASSERT_TRUE(first && first->index == 0);
    playlist.moveSongs({0}, 2);
    playlist.tagsRead(*first, {"/m/a.mp3", "Artist", "Title of a"});
    EXPECT_EQ(titles(), "ba");
    const auto again = playlist.nextSongToTag();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->index, 1u) << "the current song, which moved with it";
    EXPECT_EQ(again->song.path, "/m/a.mp3");
}

// Shuffle with the clock-seeded generator the player uses: every song once per round, the
// history walk replays picks, and lists far beyond 32,768 songs are reached whole.
class ShuffleRounds : public PlayListTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    // The indexes of `count` further songs.
    std::vector<uint32_t> walk(uint32_t count, bool forward) {
        std::vector<uint32_t> indexes;
        for (uint32_t i = 0; i < count; ++i) {
            EXPECT_TRUE(forward ? playlist.next(out) : playlist.previous(out));
            indexes.push_back(playlist.currentIndex());
        }
        return indexes;
    }
};

TEST_P(ShuffleRounds, EverySongOncePerRoundAndTheHistoryWalksBackAndForth) {
    const uint32_t count = GetParam();
    playlist.addSongs(std::vector<SongInfo>(count, SongInfo{folder.write("song.mp3"), "a", "t"}));
    playlist.setCurrentIndex(count - 1);
    playlist.setShuffle(true);
    // The song shuffle began on counts as picked in the first round.
    std::vector<uint32_t> drawn = walk(count - 1, true);
    drawn.insert(drawn.begin(), count - 1);
    const std::vector<uint32_t> secondRound = walk(count, true);
    EXPECT_NE(secondRound.front(), drawn.back());
    drawn.insert(drawn.end(), secondRound.begin(), secondRound.end());
    for (const auto round : {drawn.begin(), drawn.begin() + count}) {
        const std::set<uint32_t> distinct(round, round + count);
        ASSERT_EQ(distinct.size(), count);
        EXPECT_EQ(*distinct.rbegin(), count - 1);  // the last index is reached
    }
    // Back over everything drawn replays it in reverse; forward again replays it in order.
    const std::vector<uint32_t> back = walk(2 * count - 1, false);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), drawn.rbegin() + 1));
    const std::vector<uint32_t> forward = walk(2 * count - 1, true);
    EXPECT_TRUE(std::equal(forward.begin(), forward.end(), drawn.begin() + 1));
    EXPECT_EQ(playlist.shuffleHistory().size(), drawn.size());
}

INSTANTIATE_TEST_SUITE_P(ListSizes, ShuffleRounds, ::testing::Values(3, 40, 70000));

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
    std::set<uint32_t> unpicked, rest;
    uint32_t next = 0;
    for (uint32_t song = 6; song-- > 0;) {
        if (song != first && song != removed) {
            newIndexOf[song] = next++;
            if (song != 0) {  // the song the round began on counts as picked
                unpicked.insert(newIndexOf[song]);
            }
        }
    }
    round.follow(newIndexOf, 4);
    for (size_t i = 0; i < unpicked.size(); ++i) {
        rest.insert(round.draw(4, ShuffleRound::none));
    }
    EXPECT_EQ(rest, unpicked);
}

// The worker appends while another thread plays, skips and switches shuffle and a view repaints:
// run under ThreadSanitizer, this shows the playlist's sharing is serialised.
TEST_F(PlayListTest, AddingTenThousandSongsWhilePlayingAndSkipping) {
    constexpr int songCount = 10000;
    const QString song = folder.write("real.wav");  // one existing file under many names
    CountingView view;
    playlist.addListView(&view);
    OpenFiles files(playlist);
    std::atomic<bool> adding = true;
    std::thread player([&] {
        SongInfo played;
        for (int steps = 1; adding; ++steps) {
            playlist.next(played);
            playlist.previous(played);
            if (steps % 50 == 0) {
                playlist.setShuffle(!playlist.shuffle());
                playlist.setRepeat(!playlist.repeat());
                playlist.setCurrentIndex(playlist.songCount() / 2);
            }
            playlist.songs(playlist.currentIndex(), 20);
        }
    });
    for (int i = 0; i < songCount; ++i) {
        files.addPath(i % 100 == 0 ? song : folder.path(QString("missing %1.wav").arg(i)));
        if (i % 500 == 0) {
            QCoreApplication::sendPostedEvents();
        }
    }
    files.waitUntilIdle();
    adding = false;
    player.join();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(playlist.songCount(), uint32_t{songCount});
    EXPECT_EQ(playlist.songAt(0).path, song);
    EXPECT_GE(view.changes, 1);
    EXPECT_LT(view.changes, songCount / 10);
    playlist.removeListView(&view);
}
}  // namespace
