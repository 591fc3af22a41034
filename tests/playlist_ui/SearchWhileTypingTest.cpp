#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"

namespace {
// What happens while the playlist window searches, "|" between steps; each may come before the
// search asked for earlier has been applied. "=" settles (waits for the search), "+" adds
// songs, "-a,b" removes songs, ">a,b>c" moves songs before c, anything else is typed.
struct SearchCase {
    const char* name;
    QString steps;
};

// Songs 0 to 39,999 (more than two slices of a search), titled "Song <n>".
constexpr uint32_t songCount = 40000;

const SearchCase cases[] = {
    {"NarrowingKeystrokes", "1|=|12|=|12 3"},   {"KeystrokesFasterThanTheSearch", "1|12|2"},
    {"WiderAfterNarrower", "12|=|1"},           {"ClearedWhileSearching", "9|"},
    {"RemovedWhileSearching", "3|-3,13,39999"}, {"RemovedWhileShown", "3|=|-0,3,13,39993"},
    {"MovedWhileShown", "4|=|>4,14,7>2"},       {"MovedToTheEnd", "4|=|>1,4,24>40000"},
    {"AddedWhileShown", "5|=|+|5 1"},           {"AddedWhileSearching", "5|+"},
};

std::vector<uint32_t> indexes(const QString& list) {
    std::vector<uint32_t> numbers;
    for (const QString& number : list.split(',')) {
        numbers.push_back(number.toUInt());
    }
    return numbers;
}

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

TEST_P(SearchWhileTyping, RowsEndAsTheSongsOfTheLastSearch) {
    QString typed;
    for (const QString& step : GetParam().steps.split('|')) {
        if (step == "=") {
            waitForSearch();
        } else if (step == "+") {
            playlist.addSongs({{"/m/new5.mp3", "N/A", "New 15"}, {"/m/new6.mp3", "N/A", "x"}});
            model->refresh();
        } else if (step.startsWith('-')) {
            playlist.removeSongs(indexes(step.mid(1)));
            model->songsRemoved(indexes(step.mid(1)));
        } else if (step.startsWith('>')) {
            const uint32_t before = step.section('>', 2).toUInt();
            playlist.moveSongs(indexes(step.section('>', 1, 1)), before);
            model->songsMoved(indexes(step.section('>', 1, 1)), before);
        } else {
            model->setSearch(typed = step);
        }
    }
    waitForSearch();
    ASSERT_FALSE(model->searching());
    const SongSearch search(typed);
    std::vector<uint32_t> expected, rows;
    const std::vector<SongInfo> songs = playlist.songs(0, playlist.songCount());
    for (uint32_t i = 0; i < songs.size(); ++i) {
        if (search.matches(songs[i])) {
            expected.push_back(i);
        }
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        rows.push_back(model->songIndexAt(row));
    }
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, SearchWhileTyping, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
