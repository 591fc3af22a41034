#include "playlist/PlayList.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/ScriptedPrompts.h"

namespace {

class CountingView : public PlaylistView {
public:
    void playlistChanged() override { ++changes; }
    int changes = 0;
};

// A playlist of songs, each named by one letter, whose files exist unless named in `missing`.
class PlayListTest : public ::testing::Test {
protected:
    void addSongs(const QString& names, const QString& missing = {}) {
        for (const QChar name : names) {
            const QString path = folder.filePath(QString(name) + ".mp3");
            if (!missing.contains(name)) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
            playlist.addSong({path, QString("artist ") + name, name});
        }
    }
    // Shuffle picks come from this script, in order.
    void scriptRandom(std::vector<uint32_t> values) {
        picks = std::move(values);
        playlist.setRandomSource([this] { return picks.at(draws++); });
    }
    QString titlesInList() const {
        QString titles;
        for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
            titles += song.title;
        }
        return titles;
    }

    QTemporaryDir folder;
    PlayList playlist;
    ScriptedPrompts prompts;
    std::vector<uint32_t> picks;
    size_t draws = 0;
    SongInfo out;
};

// Steps through the list: 'n' next, 'p' previous; each gives the title fetched or '-' for no
// song (and the record left alone).
struct WalkCase {
    const char* name;
    QString songs;
    uint32_t current;
    bool repeat;
    bool shuffle;
    QString steps;
    QString fetched;
    uint32_t currentAfter;
};

const WalkCase walkCases[] = {
    {"NextStopsOneBeyondTheEnd", "abc", 0, false, false, "nnn", "bc-", 3},
    {"NextOnTheLastWithRepeatGivesTheFirst", "abc", 2, true, false, "n", "a", 0},
    {"PreviousOnTheFirstWrapsBeyondTheEnd", "ab", 0, false, false, "p", "-", PlayList::beyondEnd},
    {"PreviousOnTheFirstWithRepeatGivesTheLast", "abc", 0, true, false, "p", "c", 2},
    {"PreviousWalksBack", "abc", 2, false, false, "pp", "ba", 0},
    {"EmptyListGivesNothingAndDrawsNothing", "", 0, true, true, "np", "--", 0},
};

void PrintTo(const WalkCase& c, std::ostream* out) {
    *out << c.name;
}

class PlayListWalk : public PlayListTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(PlayListWalk, FetchesTheSongsInTurn) {
    const WalkCase& c = GetParam();
    addSongs(c.songs);
    playlist.setCurrentIndex(c.current);
    playlist.setRepeat(c.repeat);
    scriptRandom({});
    playlist.setShuffle(c.shuffle);
    QString fetched;
    for (const QChar step : c.steps) {
        const QString before = out.title;
        const bool got = step == 'n' ? playlist.next(out) : playlist.previous(out);
        fetched += got ? out.title : "-";
        if (!got) {
            EXPECT_EQ(out.title, before) << "a failed step leaves the record alone";
        }
    }
    EXPECT_EQ(fetched, c.fetched);
    EXPECT_EQ(playlist.currentIndex(), c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(Steps, PlayListWalk, ::testing::ValuesIn(walkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayListTest, StartsEmptyWithBothSwitchesOffAndGivesTheRangeThatExists) {
    EXPECT_EQ(playlist.currentIndex(), 0u);
    EXPECT_FALSE(playlist.shuffle());
    EXPECT_FALSE(playlist.repeat());
    addSongs("abc");
    EXPECT_EQ(playlist.songs(1, 10).size(), 2u);
    EXPECT_TRUE(playlist.songs(3, 1).empty());
    EXPECT_EQ(playlist.songAt(5), SongInfo{});
    EXPECT_FALSE(playlist.fetch(3, out));
    EXPECT_FALSE(playlist.fetch(PlayList::beyondEnd, out));
    ASSERT_TRUE(playlist.fetch(0, out));
    EXPECT_EQ(out, (SongInfo{folder.filePath("a.mp3"), "artist a", "a"}));
}

TEST_F(PlayListTest, ShuffleWalksItsHistoryAndDrawsOnlyAtItsEnds) {
    addSongs("01234");
    playlist.setCurrentIndex(3);
    scriptRandom({1, 2});  // places among the songs not yet picked: {0, 1, 2, 4}, then {0, 4, 2}
    playlist.setShuffle(true);
    EXPECT_EQ(playlist.shuffleHistory(), std::deque<uint32_t>{3});
    EXPECT_EQ(playlist.shufflePosition(), 0u);

    ASSERT_TRUE(playlist.next(out));
    EXPECT_EQ(out.title, "1");
    EXPECT_EQ(playlist.shuffleHistory(), (std::deque<uint32_t>{3, 1}));
    ASSERT_TRUE(playlist.previous(out));
    EXPECT_EQ(out.title, "3");
    ASSERT_TRUE(playlist.next(out));  // replays the pick already made
    EXPECT_EQ(out.title, "1");
    EXPECT_EQ(draws, 1u);

    playlist.previous(out);
    ASSERT_TRUE(playlist.previous(out));  // before the front: a new pick goes in front
    EXPECT_EQ(out.title, "2");
    EXPECT_EQ(playlist.shuffleHistory(), (std::deque<uint32_t>{2, 3, 1}));
    EXPECT_EQ(playlist.shufflePosition(), 0u);
    EXPECT_EQ(draws, 2u);
}

TEST_F(PlayListTest, SwitchingShuffleEitherWayRestartsTheHistoryAtTheCurrentSong) {
    addSongs("abc");
    scriptRandom({0, 0});  // songs 1, then 2
    playlist.setShuffle(true);
    playlist.next(out);
    playlist.next(out);
    EXPECT_EQ(playlist.shuffleHistory().size(), 3u);
    playlist.setShuffle(false);
    EXPECT_EQ(playlist.shuffleHistory(), std::deque<uint32_t>{2});
    EXPECT_EQ(playlist.shufflePosition(), 0u);
    ASSERT_FALSE(playlist.next(out));  // sequential again, from song 2
}

// A song whose file is gone is asked about: kept (No, or no answer) or removed (Yes); then the
// next song that exists is fetched.
struct MissingCase {
    const char* name;
    QString songs;
    QString missing;
    uint32_t current;
    bool repeat;
    std::optional<PromptAnswer> answer;
    QString fetched;  // "-" for none
    uint32_t currentAfter;
    QString listAfter;
    size_t questions;
};

const MissingCase missingCases[] = {
    {"AnsweredNoStays", "abc", "b", 1, false, PromptAnswer::No, "c", 2, "abc", 1},
    {"AnsweredYesIsRemoved", "abcd", "b", 1, false, PromptAnswer::Yes, "c", 1, "acd", 1},
    {"TheLastRemovedEndsTheList", "ab", "b", 1, false, PromptAnswer::Yes, "-", 1, "a", 1},
    // Unanswered questions count as No: with repeat on the walk would go round for ever.
    {"OnlyMissingFilesAskEachOnce", "abc", "abc", 0, true, std::nullopt, "-", 0, "abc", 3},
};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << c.name;
}

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
    if (got) {
        EXPECT_EQ(playlist.currentIndex(), c.currentAfter);
    }
    EXPECT_EQ(titlesInList(), c.listAfter);
    EXPECT_EQ(prompts.shown.size(), c.questions);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view.changes, c.listAfter == c.songs ? 0 : 1);
    playlist.removeListView(&view);

    const ScriptedPrompts::Shown& question = prompts.shown.at(0);
    const QString first = c.missing.left(1);
    EXPECT_EQ(question.caption, "File does not exists.");
    EXPECT_EQ(question.text, "song: " + first + "\nartist: artist " + first +
                                 "\npath: " + folder.filePath(first + ".mp3") +
                                 "\n\nDo want to remove this song out of the list?");
    EXPECT_EQ(question.icon, PromptIcon::Error);
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_TRUE(question.topmost);
}

INSTANTIATE_TEST_SUITE_P(Files, PlayListMissing, ::testing::ValuesIn(missingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayListTest, AFolderCountsAsAMissingSong) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("album"));
    playlist.addSong({folder.filePath("album"), "N/A", "album"});
    EXPECT_FALSE(playlist.fetch(0, out));
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(PlayListTest, ViewsHearOfABurstOfChangesOnceAndNotAfterRemoval) {
    CountingView first;
    CountingView second;
    playlist.addListView(&first);
    playlist.addListView(&second);
    playlist.addListView(&second);
    for (int i = 0; i < 1000; ++i) {
        playlist.addSong({QString::number(i), "N/A", QString::number(i)});
    }
    EXPECT_EQ(first.changes, 0);  // reported on the next turn of the event loop
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first.changes, 1);
    EXPECT_EQ(second.changes, 2);

    playlist.removeListView(&second);  // every registration of it goes
    playlist.removeSong(0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first.changes, 2);
    EXPECT_EQ(second.changes, 2);
    playlist.removeListView(&first);
}

}  // namespace
