// Time to add a folder of 10,000 tagged files (5,000 MP3 with ID3v2 and ID3v1 tags, 5,000 FLAC
// with Vorbis comments) through the file worker until every tag is read, with and without
// reading them. The files are made once, so the runs after the first meet a warm cache.
//
// The same folder, and an M3U playlist of its 10,000 files, are also timed until every song is
// listed (goal: within twice the reference) and until every tag is read (goal: 1.5 s), beside a
// reference measured in the same iteration: a walk of the same files (the folder read, or the
// playlist's lines) that opens each file once, the least any adder that looks at its files does.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>

#include "common/DebugLog.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/PlaylistView.h"

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

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point end = Clock::now()) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void openOnce(const char* path) {
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor >= 0) {
        ::close(descriptor);
    }
}

// The reference: the folder read and each file opened once.
void walkFolder(const QByteArray& folder) {
    DIR* directory = ::opendir(folder.constData());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        if (entry->d_name[0] != '.') {
            openOnce((folder + '/' + entry->d_name).constData());
        }
    }
    ::closedir(directory);
}

// The reference: the playlist's lines read and each file opened once.
void walkPlaylist(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#')) {
            openOnce(line.constData());
        }
    }
}

const QString& songPlaylist() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString& folder = songFolder();
        if (folder.isEmpty()) {
            return QString();
        }
        QByteArray contents = "#EXTM3U\n";
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            contents += QFile::encodeName(folder + '/' + name) + '\n';
        }
        QFile file(dir.filePath("songs.m3u"));
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size()
                   ? file.fileName()
                   : QString();
    }();
    return path;
}

// Told on the worker's thread (the benchmark has no event loop) each time songs are added.
class ListedWatch : public PlaylistView {
public:
    ListedWatch(PlayList& playlist, uint32_t expected) : playlist(playlist), expected(expected) {
        playlist.addListView(this);
    }
    ~ListedWatch() override { playlist.removeListView(this); }
    void playlistChanged() override {
        if (!listedAt && playlist.songCount() >= expected) {
            listedAt = Clock::now();
        }
    }
    std::optional<Clock::time_point> listedAt;

private:
    PlayList& playlist;
    const uint32_t expected;
};

// One iteration: the reference walk, then the add with tags on, timed until every song is
// listed and until every tag is read.
void addUntilListedAndTagged(benchmark::State& state, const QString& path,
                             const std::function<void()>& referenceWalk) {
    if (path.isEmpty()) {
        state.SkipWithError("could not make the songs");
        return;
    }
    DebugLog::setSink([](std::string_view) {});
    double reference = 0;
    double listed = 0;
    double tagged = 0;
    for (auto _ : state) {
        const Clock::time_point walkStart = Clock::now();
        referenceWalk();
        reference += msSince(walkStart);

        PlayList playlist;
        ListedWatch watch(playlist, folderSize);
        OpenFiles files(playlist);
        files.setUseTags(true);
        const Clock::time_point start = Clock::now();
        files.addPath(path);
        files.waitUntilIdle();
        tagged += msSince(start);
        if (!watch.listedAt || playlist.songAt(folderSize - 1).title != "A title") {
            state.SkipWithError("not every song was added and tagged");
            return;
        }
        listed += msSince(start, *watch.listedAt);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["reference_ms"] = reference / runs;
    state.counters["listed_ms"] = listed / runs;
    state.counters["listed_per_reference"] = listed / reference;
    state.counters["tags_read_ms"] = tagged / runs;
    DebugLog::setSink({});
}

void BM_M3uOf10000SongsListedThenTagged(benchmark::State& state) {
    addUntilListedAndTagged(state, songPlaylist(), [] { walkPlaylist(songPlaylist()); });
}
void BM_FolderOf10000SongsListedThenTagged(benchmark::State& state) {
    addUntilListedAndTagged(state, songFolder(),
                            [] { walkFolder(QFile::encodeName(songFolder())); });
}

BENCHMARK(BM_M3uOf10000SongsListedThenTagged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FolderOf10000SongsListedThenTagged)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
