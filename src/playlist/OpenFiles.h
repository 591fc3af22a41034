#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "playlist/SeenFiles.h"
#include "playlist/SongInfo.h"
#include "playlist/TagReader.h"

class PlayList;

// The background worker that turns paths (dropped, from the command line, from the open dialog)
// into playlist songs. Paths are queued and handled in order on the worker's own thread, which
// wakes as soon as one arrives: sound files become songs, folders are walked, ".vps" skin packages
// go to the skin import, anything else is read as a playlist file.
//
// Songs are listed at once with their defaults, in batches; when tags are on, the worker reads
// them afterwards, whenever no path is waiting: the current song's first, then the songs a view
// shows, then the others in list order (PlayList::nextSongToTag).
class OpenFiles {
public:
    // Called on the worker thread with the path of a skin package given as such; the skin library
    // installs it (and carries the import over to the window thread).
    using SkinImport = std::function<void(const QString& packagePath)>;
    // Called on the worker thread once an add has ended, with the skin packages met inside it (in
    // its folders, named by its playlists), so they are offered together.
    using FoundSkinPackages = std::function<void(const QStringList& packagePaths)>;

    // Starts the worker; the songs go to the given playlist.
    explicit OpenFiles(PlayList& playlist);
    // Stops the worker (see stop) and waits for it to end.
    virtual ~OpenFiles();
    OpenFiles(const OpenFiles&) = delete;
    OpenFiles& operator=(const OpenFiles&) = delete;

    // The process's worker (adding to PlayList::instance()), created on first call.
    static OpenFiles& instance();
    static void deleteInstance();

    // Queues the path and returns at once.
    void addPath(const QString& path);

    // Handles one path on the calling thread. False only when it was neither a known kind nor a
    // readable playlist.
    bool classify(const QString& path);

    // "Use MP3 tags. (slower loading)": read title and artist of MP3 files from their tags.
    void setUseTags(bool on);
    bool useTags() const;

    void setSkinImport(SkinImport import, FoundSkinPackages found);

    // Returns once every queued path has been handled and every tag read.
    void waitUntilIdle();

    // Cuts a running add short (a long folder walk or playlist ends at its next entry), drops the
    // paths still queued and lets the worker end: the program closes at once, whatever is being
    // added.
    void stop();

private:
    // What one add (one queued path) has been through: each real folder is walked and each
    // playlist read once, so links that meet again, playlists naming each other and folders
    // named by several playlists cannot multiply the songs.
    struct AddRun {
        SeenFiles folders;
        SeenFiles playlists;
        std::vector<SongInfo> batch;
        std::chrono::steady_clock::time_point batchStart;
        // Set once a folder or playlist of it is being gone through: the skin packages met then
        // are collected, not imported one by one.
        bool inside = false;
        QStringList foundPackages;
    };

    // `information` is what a playlist line said of the song; the file's own tags come first.
    bool classify(const QString& path, AddRun& run, const SongTags& information = {});
    void walkFolder(const QString& folder, AddRun& run);
    bool readPlaylist(const QString& path, AddRun& run);
    static bool isRegularPackage(const QString& path);
    void importSkin(const QString& path);
    void addToBatch(SongInfo song, AddRun& run);
    void flush(AddRun& run);
    // Reads the tags of one song; false when no song waits for them.
    bool readNextTags();
    void offerFoundPackages(const QStringList& packagePaths);
    void run();

    PlayList& playlist;
    std::atomic<bool> tagsOn = false;

    std::mutex skinImportMutex;
    SkinImport skinImport;
    FoundSkinPackages foundSkinPackages;

    std::mutex queueMutex;
    std::condition_variable pathQueued;
    std::condition_variable queueDone;
    std::deque<QString> queue;
    bool busy = false;
    // Songs may wait for their tags (set by each batch added with tags on).
    bool tagsWaiting = false;
    uint64_t tagBatches = 0;
    bool running = true;
    std::atomic<bool> stopping = false;
    std::thread worker;
};
