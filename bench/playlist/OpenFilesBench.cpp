// Time to add a folder of 10,000 tagged files (5,000 MP3 with ID3v2 and ID3v1 tags, 5,000 FLAC
// with Vorbis comments) through the file worker until the last is in the list, with and without
// reading their tags. The files are made once, so the runs after the first meet a warm cache.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "common/DebugLog.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"

namespace {

constexpr int folderSize = 10000;

QByteArray id3v2Tag(const QByteArray& title, const QByteArray& artist) {
    QByteArray frames;
    for (const auto& [id, text] : {std::pair{QByteArray("TIT2"), title}, {"TPE1", artist}}) {
        const QByteArray payload = '\x03' + text;  // UTF-8
        frames += id;
        frames += QByteArray(3, '\0') + static_cast<char>(payload.size());
        frames += QByteArray(2, '\0') + payload;
    }
    QByteArray tag("ID3\x04\x00\x00\x00\x00\x00", 10);
    tag[9] = static_cast<char>(frames.size());
    return tag + frames;
}

QByteArray id3v1Tag() {
    QByteArray tag = "TAG";
    tag += QByteArray("Old title").leftJustified(30, '\0');
    tag += QByteArray("Old artist").leftJustified(30, '\0');
    return tag + QByteArray(128 - tag.size(), '\0');
}

// A small FLAC file with a title and an artist in its Vorbis comments, made by flac.
QByteArray taggedFlac(const QString& folder) {
    const QString wav = folder + "/tone.wav";
    QFile tone(wav);
    QByteArray header(
        "RIFF\x24\x10\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
        "\x40\x1f\x00\x00\x80\x3e\x00\x00\x02\x00\x10\x00"
        "data\x00\x10\x00\x00",
        44);
    if (!tone.open(QIODevice::WriteOnly) || tone.write(header + QByteArray(4096, '\x01')) < 0) {
        return {};
    }
    tone.close();
    QProcess flac;
    flac.start("flac", {"-s", "-f", "-T", "TITLE=A title", "-T", "ARTIST=An artist", "-o",
                        folder + "/tone.flac", wav});
    flac.waitForFinished(20000);
    QFile made(folder + "/tone.flac");
    return flac.exitCode() == 0 && made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
}

const QString& songFolder() {
    static QTemporaryDir dir;
    static QTemporaryDir scratch;
    static const bool made = [] {
        const QByteArray mp3 =
            id3v2Tag("A title", "An artist") + QByteArray(1024, '\x55') + id3v1Tag();
        const QByteArray flac = taggedFlac(scratch.path());
        if (flac.isEmpty()) {
            return false;
        }
        for (int i = 0; i < folderSize; ++i) {
            const bool even = i % 2 == 0;
            QFile file(dir.filePath(
                QString("song %1.%2").arg(i, 5, 10, QChar('0')).arg(even ? "mp3" : "flac")));
            const QByteArray& contents = even ? mp3 : flac;
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
        if (playlist.songCount() != folderSize ||
            (useTags && playlist.songAt(folderSize - 1).title != "A title")) {
            state.SkipWithError("not every song was added");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * folderSize);
    DebugLog::setSink({});
}

void BM_AddFolderOf10000TaggedSongsTagsOff(benchmark::State& state) {
    addFolder(state, false);
}
void BM_AddFolderOf10000TaggedSongsReadingTags(benchmark::State& state) {
    addFolder(state, true);
}

BENCHMARK(BM_AddFolderOf10000TaggedSongsTagsOff)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AddFolderOf10000TaggedSongsReadingTags)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
