#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"

namespace {

// What happens while the playlist window searches; each step may come before the search asked
// for earlier has been applied.
struct Step {
    enum Kind { Type, Settle, Remove, Move, Add } kind;
    QString text = {};
    std::vector<uint32_t> songs = {};
    uint32_t before = 0;
};

Step type(const QString& text) {
    return {Step::Type, text};
}
const Step settle{Step::Settle};

struct SearchCase {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const SearchCase& row, std::ostream* out) {
    *out << row.name;
}

// Songs 0 to 39,999 (more than two slices of a search), titled "Song <n>".
constexpr uint32_t songCount = 40000;

const SearchCase cases[] = {
    {"NarrowingKeystrokes", {type("1"), settle, type("12"), settle, type("12 3")}},
    {"KeystrokesFasterThanTheSearch", {type("1"), type("12"), type("2")}},
    {"WiderAfterNarrower", {type("12"), settle, type("1")}},
    {"ClearedWhileSearching", {type("9"), type("")}},
    {"RemovedWhileSearching", {type("3"), {Step::Remove, {}, {3, 13, 39999}}}},
    {"RemovedWhileShown", {type("3"), settle, {Step::Remove, {}, {0, 3, 13, 39993}}}},
    {"MovedWhileShown", {type("4"), settle, {Step::Move, {}, {4, 14, 7}, 2}}},
    {"MovedToTheEnd", {type("4"), settle, {Step::Move, {}, {1, 4, 24}, songCount}}},
    {"AddedWhileShown", {type("5"), settle, {Step::Add}, type("5 1")}},
    {"AddedWhileSearching", {type("5"), {Step::Add}}},
};

class SearchWhileTyping : public ::testing::TestWithParam<SearchCase> {
protected:
    void SetUp() override {
        std::vector<SongInfo> songs;
        for (uint32_t i = 0; i < songCount; ++i) {
            songs.push_back(
                {"/m/" + QString::number(i) + ".mp3", "N/A", "Song " + QString::number(i)});
        }
        playlist.addSongs(songs);
        model = std::make_unique<PlaylistModel>(playlist);
    }

    void waitForSearch() {
        QElapsedTimer waited;
        waited.start();
        while (model->searching() && waited.elapsed() < 10000) {
            QTest::qWait(1);
        }
        QCoreApplication::sendPostedEvents();
    }

    PlayList playlist;
    std::unique_ptr<PlaylistModel> model;
};

// Whatever came between, the rows end as the songs of the last search typed, in list order.
TEST_P(SearchWhileTyping, RowsEndAsTheSongsOfTheLastSearch) {
    QString typed;
    for (const Step& step : GetParam().steps) {
        switch (step.kind) {
            case Step::Type:
                typed = step.text;
                model->setSearch(typed);
                break;
            case Step::Settle:
                waitForSearch();
                break;
            case Step::Remove:
                playlist.removeSongs(step.songs);
                model->songsRemoved(step.songs);
                break;
            case Step::Move:
                playlist.moveSongs(step.songs, step.before);
                model->songsMoved(step.songs, step.before);
                break;
            case Step::Add:
                playlist.addSongs({{"/m/new5.mp3", "N/A", "New 15"}, {"/m/new6.mp3", "N/A", "x"}});
                model->refresh();
                break;
        }
    }
    waitForSearch();
    ASSERT_FALSE(model->searching());
    const SongSearch search(typed);
    std::vector<uint32_t> expected;
    const std::vector<SongInfo> songs = playlist.songs(0, playlist.songCount());
    for (uint32_t i = 0; i < songs.size(); ++i) {
        if (search.matches(songs[i])) {
            expected.push_back(i);
        }
    }
    std::vector<uint32_t> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows.push_back(model->songIndexAt(row));
    }
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, SearchWhileTyping, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
