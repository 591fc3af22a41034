#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "playlist/PlayList.h"
#include "support/ScriptedPrompts.h"

namespace {

enum class Edit { Remove, Move };

struct EditCase {
    const char* name;
    uint32_t current;
    // Shuffle on and one `next` per value when not empty; `indexes` then name places in the
    // shuffle history, whose songs are edited, and the history after is checked against the
    // songs' titles before and after.
    std::vector<uint32_t> shufflePicks;
    Edit edit;
    std::vector<uint32_t> indexes;
    uint32_t before;  // for a move
    QString titlesAfter;
    uint32_t currentAfter;
    std::deque<uint32_t> historyAfter;  // checked with shuffle on
    uint32_t shufflePositionAfter;
};

void PrintTo(const EditCase& row, std::ostream* out) {
    *out << row.name;
}

// Songs "a" to "f" (index 0 to 5), each a file that exists.
const EditCase cases[] = {
    {"RemoveBeforeCurrent", 3, {}, Edit::Remove, {0}, 0, "bcdef", 2, {}, 0},
    {"RemoveAfterCurrent", 1, {}, Edit::Remove, {5, 4}, 0, "abcd", 1, {}, 0},
    {"RemoveCurrentNamesTheNextSong", 2, {}, Edit::Remove, {2}, 0, "abdef", 2, {}, 0},
    {"RemoveAroundCurrent", 3, {}, Edit::Remove, {5, 0, 3, 1, 9}, 0, "ce", 1, {}, 0},
    {"MoveCurrentDown", 0, {}, Edit::Move, {0}, 3, "bcadef", 2, {}, 0},
    {"MoveOthersAboveCurrent", 2, {}, Edit::Move, {5, 4}, 0, "efabcd", 4, {}, 0},
    {"MoveBlockToTheEnd", 1, {}, Edit::Move, {0, 1}, 6, "cdefab", 5, {}, 0},
    {"MoveOntoItselfChangesNothing", 1, {}, Edit::Move, {1, 2}, 2, "abcdef", 1, {}, 0},
    {"CurrentBeyondTheEndStays", 6, {}, Edit::Remove, {0}, 0, "bcdef", 6, {}, 0},
    {"ShuffleHistoryIsRenumbered", 0, {2, 2}, Edit::Remove, {1}, 0, "", 0, {}, 0},
    {"ShufflePickBeingPlayedGoes", 0, {2, 0}, Edit::Remove, {2}, 0, "", 0, {}, 0},
    {"ShuffleHistoryFollowsAMove", 0, {2, 2}, Edit::Move, {2}, 0, "", 0, {}, 0},
};

class PlayListEdit : public ::testing::TestWithParam<EditCase> {
protected:
    void SetUp() override {
        for (const char name : std::string("abcdef")) {
            const QString path = folder.filePath(QString(name) + ".mp3");
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            playlist.addSong({path, "N/A", QString(name)});
        }
    }

    QString titles() const {
        QString all;
        for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
            all += song.title;
        }
        return all;
    }

    QTemporaryDir folder;
    PlayList playlist;
    ScriptedPrompts prompts;
};

TEST_P(PlayListEdit, KeepsTheCurrentSongAndTheShuffleHistory) {
    const EditCase& row = GetParam();
    playlist.setCurrentIndex(row.current);
    size_t drawn = 0;
    const std::vector<uint32_t> picks = row.shufflePicks;
    playlist.setRandomSource([&] { return picks.at(drawn++); });
    if (!picks.empty()) {
        playlist.setShuffle(true);
        SongInfo out;
        for (size_t i = 0; i < picks.size(); ++i) {
            ASSERT_TRUE(playlist.next(out));
        }
    }
    std::vector<uint32_t> indexes = row.indexes;
    const std::deque<uint32_t> historyBefore = playlist.shuffleHistory();
    const uint32_t positionBefore = playlist.shufflePosition();
    const QString titlesBefore = titles();
    if (!picks.empty()) {
        for (uint32_t& index : indexes) {
            index = historyBefore.at(index);
        }
    }
    if (row.edit == Edit::Remove) {
        playlist.removeSongs(indexes);
    } else {
        playlist.moveSongs(indexes, row.before);
    }
    if (picks.empty()) {
        EXPECT_EQ(titles(), row.titlesAfter);
        EXPECT_EQ(playlist.currentIndex(), row.currentAfter);
        return;
    }
    // Each pick names the same song as before; a removed pick is left out, but the one being
    // played goes on as the current index.
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

INSTANTIATE_TEST_SUITE_P(Songs, PlayListEdit, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
