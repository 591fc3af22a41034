// Time to add a folder of 10,000 MP3 files through the file worker, with and without reading
// their tags.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/DebugLog.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"

namespace {

constexpr int folderSize = 10000;

// 10,000 small MP3 files, each ending in an ID3 version 1 tag, made once.
const QString& songFolder() {
    static QTemporaryDir dir;
    static const bool made = [] {
        QByteArray tag = "TAG";
        tag += QByteArray("A title").leftJustified(30, '\0');
        tag += QByteArray("An artist").leftJustified(30, '\0');
        tag += QByteArray(128 - tag.size(), '\0');
        const QByteArray contents = QByteArray(1024, '\x55') + tag;
        for (int i = 0; i < folderSize; ++i) {
            QFile file(dir.filePath(QString("song %1.mp3").arg(i, 5, 10, QChar('0'))));
            if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
                return false;
            }
        }
        return true;
    }();
    static const QString path = made ? dir.path() : QString();
    return path;
}

void addFolder(benchmark::State& state, bool useTags) {
    const QString& folder = songFolder();
    if (folder.isEmpty()) {
        state.SkipWithError("could not make the song folder");
        return;
    }
    DebugLog::setSink([](std::string_view) {});  // the worker's start and end lines
    for (auto _ : state) {
        PlayList playlist;
        OpenFiles files(playlist);
        files.setUseTags(useTags);
        files.addPath(folder);
        files.waitUntilIdle();
        if (playlist.songCount() != folderSize) {
            state.SkipWithError("not every song was added");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * folderSize);
    DebugLog::setSink({});
}

void BM_AddFolderOf10000Songs(benchmark::State& state) {
    addFolder(state, false);
}
void BM_AddFolderOf10000SongsReadingTags(benchmark::State& state) {
    addFolder(state, true);
}

BENCHMARK(BM_AddFolderOf10000Songs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AddFolderOf10000SongsReadingTags)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
