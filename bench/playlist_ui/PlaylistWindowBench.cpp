// The playlist window over 1,000,000 songs, on the offscreen platform: from its construction to
// its first paint (goal: 100 ms), and one keystroke of search, from the key to the list painted
// again (goal: 30 ms): the first letter over every song, and a letter that narrows the last
// search. The search runs on the window thread, so its time is also how long that thread is
// kept.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"
#include "playlist_ui/PlaylistWindow.h"

namespace {

constexpr int songCount = 1000000;

PlayList& millionSongs() {
    static PlayList playlist;
    if (playlist.songCount() == 0) {
        std::vector<SongInfo> songs;
        songs.reserve(songCount);
        for (int i = 0; i < songCount; ++i) {
            const QString number = QString::number(i);
            songs.push_back({"/home/user/Music/Artist " + QString::number(i / 1000) + "/Album/" +
                                 number + " Song.mp3",
                             "Artist " + QString::number(i / 1000), "Song title " + number});
        }
        playlist.addSongs(songs);
    }
    return playlist;
}

void OpenOverAMillionSongs(benchmark::State& state) {
    PlayList& playlist = millionSongs();
    SkinContext context;
    QWidget owner;
    for (auto _ : state) {
        auto* window = new PlaylistWindow(
            playlist, context, [](uint32_t) {}, &owner);
        window->show();
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(OpenOverAMillionSongs)->Unit(benchmark::kMillisecond);

// state.range(0): 0 the first letter typed, 1 a letter that narrows "7" to "77".
void SearchKeystrokeOverAMillionSongs(benchmark::State& state) {
    PlayList& playlist = millionSongs();
    SkinContext context;
    QWidget owner;
    PlaylistWindow window(
        playlist, context, [](uint32_t) {}, &owner);
    window.show();
    const bool narrowing = state.range(0) == 1;
    int shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.searchField()->setText(narrowing ? "7" : "");
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(window.searchField(), '7');
        window.songList()->viewport()->repaint();
        shown = window.model()->rowCount();
    }
    state.counters["rows shown"] = shown;
}
BENCHMARK(SearchKeystrokeOverAMillionSongs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
