#include "playlist/ShuffleRound.h"

#include <chrono>
#include <utility>

ShuffleRound::ShuffleRound()
    : generator(
          static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

void ShuffleRound::restart(uint32_t count, uint32_t picked) {
    pool.clear();
    place.clear();
    // The playlist may still be filling (a restored shuffle before the songs are read back):
    // the picked song then leaves the round when it arrives.
    startedWith = picked;
    resize(count);
}

uint32_t ShuffleRound::draw(uint32_t count, uint32_t justPlayed) {
    if (count == 0) {
        return 0;
    }
    resize(count);
    bool newRound = false;
    if (pool.empty()) {
        startedWith = none;
        for (uint32_t song = 0; song < count; ++song) {
            place[song] = song;
            pool.push_back(song);
        }
        newRound = true;
    }
    uint32_t choices = static_cast<uint32_t>(pool.size());
    if (newRound && justPlayed < count && choices > 1) {
        // Park the song just played at the end of the pool, out of reach of this draw.
        const uint32_t parked = place[justPlayed];
        std::swap(pool[parked], pool.back());
        place[pool[parked]] = parked;
        place[pool.back()] = choices - 1;
        --choices;
    }
    const uint32_t song = pool[uniformBelow(choices)];
    take(song);
    return song;
}

void ShuffleRound::follow(const std::vector<uint32_t>& newIndexOf, uint32_t count) {
    const auto moved = [&](uint32_t song) {
        return song < newIndexOf.size() ? newIndexOf[song] : none;
    };
    std::vector<uint32_t> unpicked;
    unpicked.reserve(pool.size());
    for (const uint32_t song : pool) {
        if (moved(song) != none) {
            unpicked.push_back(moved(song));
        }
    }
    pool = std::move(unpicked);
    place.assign(count, none);
    for (uint32_t at = 0; at < pool.size(); ++at) {
        place[pool[at]] = at;
    }
    // A song the round began on that has not arrived yet keeps its coming index.
    if (startedWith < newIndexOf.size()) {
        startedWith = newIndexOf[startedWith];
    }
}

void ShuffleRound::setSource(std::function<uint32_t()> source) {
    scripted = std::move(source);
}

void ShuffleRound::resize(uint32_t count) {
    while (place.size() > count) {
        const uint32_t song = static_cast<uint32_t>(place.size() - 1);
        if (place[song] != none) {
            take(song);
        }
        place.pop_back();
    }
    while (place.size() < count) {
        const uint32_t song = static_cast<uint32_t>(place.size());
        if (song == startedWith) {
            place.push_back(none);
        } else {
            place.push_back(static_cast<uint32_t>(pool.size()));
            pool.push_back(song);
        }
    }
}

void ShuffleRound::take(uint32_t song) {
    const uint32_t at = place[song];
    const uint32_t last = pool.back();
    pool[at] = last;
    place[last] = at;
    pool.pop_back();
    place[song] = none;
}

uint32_t ShuffleRound::uniformBelow(uint32_t bound) {
    if (scripted) {
        return scripted() % bound;
    }
    return std::uniform_int_distribution<uint32_t>(0, bound - 1)(generator);
}
