// Repaint time of the whole default skin window (285 x 210, expanded, 17 elements) with a song
// playing in the now-playing text and 1,000 songs in the list.
#include <benchmark/benchmark.h>

#include <QPixmap>

#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"

namespace {

void DefaultWindowRepaint(benchmark::State& state) {
    Variables& variables = Variables::instance();
    Sound::createInstance(std::make_unique<NullOutput>());
    std::vector<SongInfo> songs;
    for (int i = 0; i < 1000; ++i) {
        songs.push_back({"/music/" + QString::number(i) + ".mp3", "Artist " + QString::number(i),
                         "A title long enough to scroll in the strip " + QString::number(i)});
    }
    PlayList::instance().addSongs(songs);
    variables.loadWindows();
    MainWindow* window = variables.skinWindows().window(0);
    for (auto _ : state) {
        // grab() paints the window and every element into a pixmap, as a full repaint does.
        QPixmap frame = window->grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
    state.counters["elements"] = static_cast<double>(variables.skinWindows().elementsOf(0).size());
}
BENCHMARK(DefaultWindowRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
