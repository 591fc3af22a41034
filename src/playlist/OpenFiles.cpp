#include "playlist/OpenFiles.h"

#include <pthread.h>
#include <QDir>
#include <QFileInfo>

#include "common/DebugLog.h"
#include "common/NativePath.h"
#include "playlist/FolderEntries.h"
#include "playlist/PlayList.h"
#include "playlist/PlaylistFile.h"
#include "playlist/SongFile.h"

namespace {

// A batch goes to the list when it is this big or this old: one repaint per batch, and the
// first songs of a long add show at once.
constexpr size_t batchSize = 1000;
constexpr std::chrono::milliseconds batchAge{30};

OpenFiles* theInstance = nullptr;
std::mutex instanceMutex;

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

OpenFiles::OpenFiles(PlayList& target) : playlist(target), worker([this] { run(); }) {}

OpenFiles::~OpenFiles() {
    stop();
    worker.join();
}

void OpenFiles::stop() {
    stopping = true;
    {
        std::lock_guard guard(queueMutex);
        running = false;
        queue.clear();
    }
    pathQueued.notify_all();
}

OpenFiles& OpenFiles::instance() {
    std::lock_guard guard(instanceMutex);
    if (!theInstance) {
        theInstance = new OpenFiles(PlayList::instance());
    }
    return *theInstance;
}

void OpenFiles::deleteInstance() {
    std::lock_guard guard(instanceMutex);
    delete theInstance;
    theInstance = nullptr;
}

void OpenFiles::addPath(const QString& path) {
    {
        std::lock_guard guard(queueMutex);
        if (!running) {
            return;
        }
        queue.push_back(path);
    }
    pathQueued.notify_one();
}

void OpenFiles::setUseTags(bool on) {
    tagsOn = on;
}

bool OpenFiles::useTags() const {
    return tagsOn;
}

void OpenFiles::setSkinImport(SkinImport import, FoundSkinPackages found) {
    std::lock_guard guard(skinImportMutex);
    skinImport = std::move(import);
    foundSkinPackages = std::move(found);
}

void OpenFiles::waitUntilIdle() {
    std::unique_lock lock(queueMutex);
    queueDone.wait(lock, [this] { return queue.empty() && !busy && !tagsWaiting; });
}

void OpenFiles::run() {
    pthread_setname_np(pthread_self(), "openfiles");  // so profilers and benchmarks can find it
    DebugLog::write("started openfiles thread\n");
    std::unique_lock lock(queueMutex);
    for (;;) {
        pathQueued.wait(lock, [this] { return !queue.empty() || !running || tagsWaiting; });
        busy = true;
        if (!queue.empty()) {
            const QString path = queue.front();
            queue.pop_front();
            lock.unlock();
            classify(path);
            lock.lock();
        } else if (!running) {
            busy = false;
            break;  // stopped, and every queued path has been handled
        } else {
            // Paths come before tags: each tag read is short, so a drop is seen at once.
            const uint64_t batchesBefore = tagBatches;
            lock.unlock();
            const bool read = readNextTags();
            lock.lock();
            if (!read && tagBatches == batchesBefore) {
                tagsWaiting = false;  // every song has its tags, and none came meanwhile
            }
        }
        busy = false;
        if (queue.empty() && !tagsWaiting) {
            queueDone.notify_all();
        }
    }
    lock.unlock();
    queueDone.notify_all();
    DebugLog::write("ended openfiles thread\n");
}

bool OpenFiles::classify(const QString& path) {
    AddRun run;
    const bool known = classify(path, run);
    flush(run);
    if (!run.foundPackages.isEmpty() && !stopping) {
        offerFoundPackages(run.foundPackages);
    }
    return known;
}

void OpenFiles::addToBatch(SongInfo song, AddRun& run) {
    if (run.batch.empty()) {
        run.batchStart = std::chrono::steady_clock::now();
    }
    run.batch.push_back(std::move(song));
    if (run.batch.size() >= batchSize ||
        std::chrono::steady_clock::now() - run.batchStart >= batchAge) {
        flush(run);
    }
}

void OpenFiles::flush(AddRun& run) {
    if (run.batch.empty()) {
        return;
    }
    const bool readTags = tagsOn;
    playlist.addSongs(run.batch, readTags ? PlayList::Tags::ToRead : PlayList::Tags::Known);
    run.batch.clear();
    if (readTags) {
        {
            std::lock_guard guard(queueMutex);
            tagsWaiting = true;
            ++tagBatches;
        }
        pathQueued.notify_one();
    }
}

bool OpenFiles::readNextTags() {
    if (stopping) {
        return false;
    }
    const std::optional<PlayList::SongToTag> next = playlist.nextSongToTag();
    if (!next) {
        return false;
    }
    playlist.tagsRead(*next, SongFile::withTags(next->song, TagReader::read(next->song.path)));
    return true;
}

bool OpenFiles::classify(const QString& path, AddRun& run, const SongTags& information) {
    if (stopping) {
        return true;
    }
    switch (SongFile::kindOf(path)) {
        case PathKind::Empty:
            return true;
        case PathKind::Folder:
            walkFolder(path, run);
            return true;
        case PathKind::Mp3:
        case PathKind::Sound:
            addToBatch(SongFile::withTags(SongFile::withDefaults(path), information), run);
            return true;
        case PathKind::SkinPackage:
            // Given as such, it is imported with its own questions; met inside a folder or a
            // playlist, it waits for the end of the add and is offered with the others.
            if (!isRegularPackage(path)) {
                return true;
            }
            if (!run.inside) {
                importSkin(path);
            } else if (!run.foundPackages.contains(path)) {
                run.foundPackages << path;
            }
            return true;
        case PathKind::Other:
            return readPlaylist(path, run);
    }
    return false;
}

void OpenFiles::walkFolder(const QString& folder, AddRun& run) {
    if (run.folders.contains(folder)) {
        return;
    }
    run.folders.add(folder);
    run.inside = true;
    for (const FolderEntries::Entry& entry : FolderEntries::list(folder, stopping)) {
        // Only folders whose names have no dot are walked.
        if (stopping || (entry.isFolder && entry.name.contains(u'.'))) {
            continue;
        }
        classify(joined(folder, entry.name), run);
    }
}

bool OpenFiles::readPlaylist(const QString& path, AddRun& run) {
    if (run.playlists.contains(path)) {
        return true;  // read before in this add: its songs are there already
    }
    run.playlists.add(path);
    run.inside = true;
    // A relative entry names a file beside the playlist, as playlists carried between machines
    // (and every M3U writer) mean it.
    const QDir playlistFolder = QFileInfo(path).absoluteDir();
    const bool read = PlaylistFile::read(
        path,
        [&](const QString& entry, const SongTags& information) {
            if (!stopping) {
                classify(QDir::isRelativePath(entry)
                             ? QDir::cleanPath(playlistFolder.filePath(entry))
                             : entry,
                         run, information);
            }
        },
        stopping);
    if (!read) {
        return false;
    }
    if (!stopping) {
        DebugLog::write("playlist loaded \n");
    }
    return true;
}

void OpenFiles::offerFoundPackages(const QStringList& packagePaths) {
    FoundSkinPackages offer;
    {
        std::lock_guard guard(skinImportMutex);
        offer = foundSkinPackages;
    }
    if (!offer) {
        DebugLog::write("no skin import for " + packagePaths.join(' ').toStdString() + "\n");
        return;
    }
    offer(packagePaths);
}

bool OpenFiles::isRegularPackage(const QString& path) {
    // A named pipe or a device met here would hold the import's open forever; only what the
    // user chose in the open dialog is told about (by the import itself).
    if (NativePath::isRegularFile(path)) {
        return true;
    }
    DebugLog::write("skin package passed over, not a regular file: " + path.toStdString() + "\n");
    return false;
}

void OpenFiles::importSkin(const QString& path) {
    SkinImport import;
    {
        std::lock_guard guard(skinImportMutex);
        import = skinImport;
    }
    if (!import) {
        DebugLog::write("no skin import for " + path.toStdString() + "\n");
        return;
    }
    import(path);
}
