#pragma once

#include <QSet>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class PlayList;

// The background worker that turns paths (dropped, from the command line, from the open dialog)
// into playlist songs. Paths are queued and handled in order on the worker's own thread, which
// wakes as soon as one arrives: sound files become songs, folders are walked, ".vps" skin packages
// go to the skin import, anything else is read as a playlist file.
class OpenFiles {
public:
    // Called on the worker thread with the path of a skin package; the skin library installs it
    // (and carries the import over to the window thread).
    using SkinImport = std::function<void(const QString& packagePath)>;

    // Starts the worker; the songs go to the given playlist.
    explicit OpenFiles(PlayList& playlist);
    // Handles every path still queued, then ends the worker.
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

    void setSkinImport(SkinImport import);

    // Returns once every queued path has been handled.
    void waitUntilIdle();

private:
    // The playlists being read and folders being walked on the way to a path, so that a playlist
    // naming itself, or a link back to a parent folder, is entered only once.
    struct Route {
        QSet<QString> playlists;
        QSet<QString> folders;
    };

    bool classify(const QString& path, Route& route);
    void walkFolder(const QString& folder, Route& route);
    bool readPlaylist(const QString& path, Route& route);
    void importSkin(const QString& path);
    void run();

    PlayList& playlist;
    std::atomic<bool> tagsOn = false;

    std::mutex skinImportMutex;
    SkinImport skinImport;

    std::mutex queueMutex;
    std::condition_variable pathQueued;
    std::condition_variable queueDone;
    std::deque<QString> queue;
    bool handlingPath = false;
    bool running = true;
    std::thread worker;
};
