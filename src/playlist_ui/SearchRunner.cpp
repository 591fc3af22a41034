#include "playlist_ui/SearchRunner.h"

#include <algorithm>
#include <span>

#include "playlist/PlayList.h"

namespace {

// About a millisecond of matching: the longest the playlist's lock is held for a search.
constexpr uint32_t sliceSize = 16384;

}  // namespace

SearchRunner::SearchRunner(const PlayList& playlist, Deliver deliver)
    : playlist(playlist), deliver(std::move(deliver)), worker([this] { run(); }) {}

SearchRunner::~SearchRunner() {
    {
        std::lock_guard guard(mutex);
        stopping = true;
    }
    queued.notify_one();
    worker.join();
}

uint64_t SearchRunner::start(Query query) {
    uint64_t ticket = 0;
    {
        std::lock_guard guard(mutex);
        next = std::move(query);
        ticket = ++latest;
    }
    queued.notify_one();
    return ticket;
}

bool SearchRunner::cancelled(uint64_t ticket) {
    std::lock_guard guard(mutex);
    return stopping || ticket != latest;
}

void SearchRunner::run() {
    std::unique_lock lock(mutex);
    for (;;) {
        queued.wait(lock, [this] { return stopping || next; });
        if (stopping) {
            return;
        }
        Query query = std::move(*next);
        next.reset();
        const uint64_t ticket = latest;
        lock.unlock();
        std::optional<Result> result = search(std::move(query), ticket);
        if (result) {
            deliver(std::move(*result));
        }
        lock.lock();
    }
}

std::optional<SearchRunner::Result> SearchRunner::search(Query query, uint64_t ticket) {
    const auto keep = [&query](const SongInfo& song) { return query.search.matches(song); };
    for (;;) {
        std::vector<uint32_t> found;
        bool sameShape = true;
        const std::span<const uint32_t> among(query.among);
        for (size_t first = 0; sameShape && first < among.size(); first += sliceSize) {
            if (cancelled(ticket)) {
                return std::nullopt;
            }
            sameShape = playlist.matching(
                keep, among.subspan(first, std::min<size_t>(sliceSize, among.size() - first)),
                query.shape, found);
        }
        for (uint32_t first = query.from; sameShape && first < query.to; first += sliceSize) {
            if (cancelled(ticket)) {
                return std::nullopt;
            }
            sameShape = playlist.matching(keep, first, std::min(query.to, first + sliceSize),
                                          query.shape, found);
        }
        if (sameShape) {
            return Result{ticket, std::move(found), query.to, query.shape, query.whole};
        }
        // Songs were removed or moved: the indexes no longer name the songs meant.
        query.shape = playlist.shape();
        query.among.clear();
        query.from = 0;
        query.to = playlist.songCount();
        query.whole = true;
    }
}
