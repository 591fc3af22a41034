#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "playlist_ui/SongSearch.h"

class PlayList;

// Runs the playlist window's searches on a thread of its own, so that a keystroke over a million
// songs costs the window thread no more than handing the search over. The songs are looked at in
// slices, each under its own short hold of the playlist's lock; a newer search cancels the one
// running, and one whose list changed shape meanwhile (songs removed or moved) starts over on
// the whole list.
class SearchRunner {
public:
    struct Query {
        SongSearch search;
        // Looked at first: songs (in list order) that an earlier search, which this one narrows,
        // found.
        std::vector<uint32_t> among;
        // Then the songs from `from` up to `to`.
        uint32_t from = 0;
        uint32_t to = 0;
        // The list's shape the indexes belong to.
        uint64_t shape = 0;
        // The result stands for the whole list rather than songs to add to the last result.
        bool whole = true;
    };
    struct Result {
        uint64_t ticket = 0;
        std::vector<uint32_t> found;
        uint32_t to = 0;
        uint64_t shape = 0;
        bool whole = true;
    };
    // Called on the runner's thread with each search's result (not for cancelled ones).
    using Deliver = std::function<void(Result result)>;

    SearchRunner(const PlayList& playlist, Deliver deliver);
    ~SearchRunner();
    SearchRunner(const SearchRunner&) = delete;
    SearchRunner& operator=(const SearchRunner&) = delete;

    // Cancels the search running, if any; gives the ticket its result will carry.
    uint64_t start(Query query);

private:
    void run();
    // Nothing once a newer search came.
    std::optional<Result> search(Query query, uint64_t ticket);
    bool cancelled(uint64_t ticket);

    const PlayList& playlist;
    const Deliver deliver;
    std::mutex mutex;
    std::condition_variable queued;
    std::optional<Query> next;
    uint64_t latest = 0;
    bool stopping = false;
    std::thread worker;
};
