#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// The songs not yet picked in the current shuffle round. Each draw is uniform among them and
// takes the pick out; when every song was picked once a new round begins, whose first pick is
// never the song just played. A draw costs O(1) amortised at any list size: the unpicked songs
// are kept in an unordered pool with each song's place in it, and a pick leaves by swapping
// with the pool's last entry.
class ShuffleRound {
public:
    static constexpr uint32_t none = 0xFFFFFFFFu;

    ShuffleRound();

    // A new round over `count` songs in which `picked` (when on the list) counts as played.
    void restart(uint32_t count, uint32_t picked);
    // The next pick among `count` songs; songs added since the last draw join the round, songs
    // gone from the end leave it. `justPlayed` is never the first pick of a new round (unless it
    // is the only song).
    uint32_t draw(uint32_t count, uint32_t justPlayed);

    // The songs were reordered or removed: song i is now newIndexOf[i] (none when removed) of
    // `count` songs. The round goes on with the same songs unpicked.
    void follow(const std::vector<uint32_t>& newIndexOf, uint32_t count);

    // Tests script the picks: the source's value modulo the number of unpicked songs chooses
    // one of them. Without it, a generator seeded from the clock chooses.
    void setSource(std::function<uint32_t()> source);

private:
    void resize(uint32_t count);
    void take(uint32_t song);
    uint32_t uniformBelow(uint32_t bound);

    std::vector<uint32_t> pool;   // the unpicked songs, in no order
    std::vector<uint32_t> place;  // for each song of the list: its place in pool, or none
    uint32_t startedWith = none;  // the song the round began on
    std::mt19937_64 generator;
    std::function<uint32_t()> scripted;
};
