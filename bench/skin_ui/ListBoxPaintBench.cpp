// Paint time of a playlist view (the 275 x 155 list box of the default skin) for a short and a
// very long playlist: only the rows that fit are fetched and drawn, so both should cost the same.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ListBox.h"
#include "support/RecordingSkinHost.h"

namespace {

void fillPlaylist(uint32_t count) {
    PlayList& playlist = PlayList::instance();
    while (playlist.songCount() > 0) {
        playlist.removeSong(playlist.songCount() - 1);
    }
    std::vector<SongInfo> songs;
    songs.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        songs.push_back({"/music/song" + QString::number(i) + ".mp3",
                         "Artist " + QString::number(i), "Title of song " + QString::number(i)});
    }
    playlist.addSongs(songs);
}

RecordingSkinHost host;

void ListBoxPaint(benchmark::State& state) {
    fillPlaylist(static_cast<uint32_t>(state.range(0)));
    MainWindow window(host, host.context);
    window.setCollapsedSize(285, 210);
    ListBox list(&window);
    list.setSize(275, 155);
    QImage target(list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        list.paint(painter);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["songs"] = static_cast<double>(state.range(0));
}
BENCHMARK(ListBoxPaint)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataFolder;
    QApplication app(argc, argv);
    host.setDataFolder(dataFolder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
