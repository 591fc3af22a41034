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

// A playlist of songs whose files exist (unless named in `missing`), in a temporary folder.
class PlayListTest : public ::testing::Test {
protected:
    void addSongs(const QStringList& names, const QStringList& missing = {}) {
        for (const QString& name : names) {
            const QString path = folder.filePath(name + ".mp3");
            if (!missing.contains(name)) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
            playlist.addSong({path, "artist " + name, name});
        }
    }

    // Shuffle picks come from this script, in order.
    void scriptRandom(std::vector<uint32_t> values) {
        picks = std::move(values);
        playlist.setRandomSource([this] {
            ++draws;
            return picks.at(draws - 1);
        });
    }

    QStringList titlesInList() const {
        QStringList titles;
        for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
            titles.append(song.title);
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

TEST_F(PlayListTest, StartsEmptyAtIndexZeroWithBothSwitchesOff) {
    EXPECT_EQ(playlist.songCount(), 0u);
    EXPECT_EQ(playlist.currentIndex(), 0u);
    EXPECT_FALSE(playlist.shuffle());
    EXPECT_FALSE(playlist.repeat());
    EXPECT_TRUE(playlist.shuffleHistory().empty());
}

TEST_F(PlayListTest, EmptyListGivesNoSongInAnyModeAndDrawsNothing) {
    scriptRandom({});
    EXPECT_FALSE(playlist.fetch(0, out));
    EXPECT_FALSE(playlist.next(out));
    EXPECT_FALSE(playlist.previous(out));
    playlist.setRepeat(true);
    playlist.setShuffle(true);
    EXPECT_FALSE(playlist.next(out));
    EXPECT_FALSE(playlist.previous(out));
    EXPECT_EQ(draws, 0u);
}

TEST_F(PlayListTest, NextWalksTheListAndStopsOneBeyondTheEndWithoutRepeat) {
    addSongs({"a", "b", "c"});
    ASSERT_TRUE(playlist.next(out));
    EXPECT_EQ(out.title, "b");
    ASSERT_TRUE(playlist.next(out));
    EXPECT_EQ(out.title, "c");
    EXPECT_FALSE(playlist.next(out));
    EXPECT_EQ(playlist.currentIndex(), 3u);
    EXPECT_EQ(out.title, "c");  // a failed step leaves the record alone
}

TEST_F(PlayListTest, NextOnTheLastSongWithRepeatFetchesTheFirst) {
    addSongs({"a", "b", "c"});
    playlist.setRepeat(true);
    playlist.setCurrentIndex(2);
    ASSERT_TRUE(playlist.next(out));
    EXPECT_EQ(out.title, "a");
    EXPECT_EQ(playlist.currentIndex(), 0u);
}

TEST_F(PlayListTest, PreviousOnTheFirstSongWrapsBeyondTheEndWithoutRepeat) {
    addSongs({"a", "b"});
    EXPECT_FALSE(playlist.previous(out));
    EXPECT_EQ(playlist.currentIndex(), 4294967295u);
    EXPECT_EQ(playlist.currentIndex(), PlayList::beyondEnd);
}

TEST_F(PlayListTest, PreviousOnTheFirstSongWithRepeatFetchesTheLast) {
    addSongs({"a", "b", "c"});
    playlist.setRepeat(true);
    ASSERT_TRUE(playlist.previous(out));
    EXPECT_EQ(out.title, "c");
    EXPECT_EQ(playlist.currentIndex(), 2u);
}

TEST_F(PlayListTest, FetchBeyondTheEndGivesNoSong) {
    addSongs({"a"});
    EXPECT_FALSE(playlist.fetch(1, out));
    EXPECT_FALSE(playlist.fetch(PlayList::beyondEnd, out));
    ASSERT_TRUE(playlist.fetch(0, out));
    EXPECT_EQ(out, (SongInfo{folder.filePath("a.mp3"), "artist a", "a"}));
}

TEST_F(PlayListTest, ShuffleWalksItsHistoryAndDrawsOnlyAtItsEnds) {
    addSongs({"s0", "s1", "s2", "s3", "s4"});
    playlist.setCurrentIndex(3);
    scriptRandom({1, 2});  // places among the songs not yet picked: {0, 1, 2, 4}, then {0, 4, 2}
    playlist.setShuffle(true);
    EXPECT_EQ(playlist.shuffleHistory(), std::deque<uint32_t>{3});
    EXPECT_EQ(playlist.shufflePosition(), 0u);

    ASSERT_TRUE(playlist.next(out));
    EXPECT_EQ(out.title, "s1");
    EXPECT_EQ(playlist.shuffleHistory(), (std::deque<uint32_t>{3, 1}));
    ASSERT_TRUE(playlist.previous(out));
    EXPECT_EQ(out.title, "s3");
    ASSERT_TRUE(playlist.next(out));  // replays the pick already made
    EXPECT_EQ(out.title, "s1");
    EXPECT_EQ(draws, 1u);

    playlist.previous(out);
    ASSERT_TRUE(playlist.previous(out));  // before the front: a new pick goes in front
    EXPECT_EQ(out.title, "s2");
    EXPECT_EQ(playlist.shuffleHistory(), (std::deque<uint32_t>{2, 3, 1}));
    EXPECT_EQ(playlist.shufflePosition(), 0u);
    EXPECT_EQ(draws, 2u);
}

TEST_F(PlayListTest, SwitchingShuffleEitherWayRestartsTheHistoryAtTheCurrentSong) {
    addSongs({"a", "b", "c"});
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

TEST_F(PlayListTest, MissingFileAnsweredNoStaysAndTheFollowingSongIsFetched) {
    addSongs({"a", "b", "c"}, {"b"});
    playlist.setCurrentIndex(1);
    prompts.answerNext(PromptAnswer::No);
    ASSERT_TRUE(playlist.fetch(1, out));
    EXPECT_EQ(out.title, "c");
    EXPECT_EQ(playlist.currentIndex(), 2u);
    EXPECT_EQ(playlist.songCount(), 3u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const ScriptedPrompts::Shown& question = prompts.shown.back();
    EXPECT_EQ(question.caption, "File does not exists.");
    EXPECT_EQ(question.text, "song: b\nartist: artist b\npath: " + folder.filePath("b.mp3") +
                                 "\n\nDo want to remove this song out of the list?");
    EXPECT_EQ(question.icon, PromptIcon::Error);
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_TRUE(question.topmost);
}

TEST_F(PlayListTest, MissingFileAnsweredYesIsRemovedAndTheSongMovedIntoItsPlaceIsFetched) {
    addSongs({"a", "b", "c", "d"}, {"b"});
    CountingView view;
    playlist.addListView(&view);
    playlist.setCurrentIndex(1);
    prompts.answerNext(PromptAnswer::Yes);
    ASSERT_TRUE(playlist.fetch(1, out));
    EXPECT_EQ(out.title, "c");
    EXPECT_EQ(playlist.currentIndex(), 1u);
    EXPECT_EQ(titlesInList(), (QStringList{"a", "c", "d"}));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view.changes, 1);
    playlist.removeListView(&view);
}

TEST_F(PlayListTest, RemovingTheLastMissingSongEndsTheListWithoutRepeat) {
    addSongs({"a", "b"}, {"b"});
    playlist.setCurrentIndex(1);
    prompts.answerNext(PromptAnswer::Yes);
    EXPECT_FALSE(playlist.fetch(1, out));
    EXPECT_EQ(playlist.songCount(), 1u);
}

TEST_F(PlayListTest, AListOfOnlyMissingFilesGivesUpAfterAskingAboutEachOnce) {
    addSongs({"a", "b", "c"}, {"a", "b", "c"});
    playlist.setRepeat(true);
    // Unanswered questions count as No: with repeat on the walk would go round for ever.
    EXPECT_FALSE(playlist.fetch(0, out));
    EXPECT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(playlist.songCount(), 3u);
}

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

TEST_F(PlayListTest, SongsGivesTheRangeThatExists) {
    addSongs({"a", "b", "c"});
    EXPECT_EQ(playlist.songs(1, 10).size(), 2u);
    EXPECT_TRUE(playlist.songs(3, 1).empty());
    EXPECT_EQ(playlist.songs(0, 1).at(0).title, "a");
    EXPECT_EQ(playlist.songAt(5), SongInfo{});
}

TEST(PlayListInstance, IsCreatedOnFirstUseAndMadeAnewAfterDeletion) {
    PlayList& first = PlayList::instance();
    EXPECT_EQ(&first, &PlayList::instance());
    first.setRepeat(true);
    PlayList::deleteInstance();
    EXPECT_FALSE(PlayList::instance().repeat());
    PlayList::deleteInstance();
}

}  // namespace
