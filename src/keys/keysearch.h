// Making reduction keys to order: the search, over the constructions, bounds and proof it builds
// on (keyshape.h, keybounds.h, construction.h, keyproof.h).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "keys/construction.h"
#include "keys/keybounds.h"
#include "keys/keyproof.h"
#include "keys/keyshape.h"

namespace kombinator::keys {

// What the search reports while it runs: the size of the best key so far, the share of the
// work done (0 to 1) and the processor time spent; while it tries a size below the best, that
// size and the winner sets it leaves uncovered at best, against how many when it began.
struct SearchStatus {
    std::size_t bestSize = 0;
    double done = 0;
    double seconds = 0;
    std::size_t trying = 0;
    std::int64_t uncovered = 0;
    std::int64_t uncoveredAtStart = 0;
};
// Called from the searching thread now and then, and whenever the key got smaller; returning
// false stops the search, which then returns the best key found.
using SearchListener = std::function<bool(const SearchStatus&)>;

// The processor time the calling thread has used, in seconds.
using CpuClock = double (*)();

// How much the search may do. The work counts elementary steps, so on a work budget alone the
// result does not depend on the machine or on how busy it is; the processor time of the
// searching thread (not the time on the clock, so a busy machine does not shorten it) caps it.
// Under a cap alone the search is the same for a seed, and so is its result on one machine but
// for a step that falls right at the cap.
struct SearchEffort {
    std::int64_t work = 1'500'000'000;
    double cpuSeconds = 0;  // 0: no cap
    std::uint64_t seed = 0x4B6F6D62;
    CpuClock cpuClock = nullptr;  // nullptr: the process's time (std::clock), for tools of their own
};
// What the key maker's window and kombinator-cli allow a search: 10 s of processor time, all of
// it unless the key reaches its goal before.
constexpr SearchEffort kInteractiveEffort{INT64_MAX, 10.0, 0x4B6F6D62};
// "Tovább javítom": on until the user stops it.
constexpr SearchEffort kEndlessEffort{INT64_MAX, 0, 0x4B6F6D62};

// Whether the search improves on the constructions for this shape: doubles are made exactly.
bool isSearchable(KeyShape shape);

// The smallest key the search finds: starts from the smallest of the constructions (with the keys
// of `book`, and keys of small shapes searched at once for two keys side by side, as building
// blocks, and the book's own key of this shape) and a few randomised greedy covers, improves with a
// weighted local search where the shape's tables fit, then with simulated annealing over keys
// symmetric under a few permutations of the events (orbitannealing.h) and over plain
// keys (annealing.h), and stops at once at the proven bound or the best published size.
// Never larger than the start: the best proven key met is kept. Always a valid key when the shape
// is makeable and the book's keys are valid.
std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener = {}, SearchEffort effort = {},
                           const KeyBook& book = {});
// The same, improving on keys the caller already has (those that are not valid keys of this
// shape are passed over).
std::vector<Bet> improveKey(KeyShape shape, const std::vector<std::vector<Bet>>& starts,
                            const SearchListener& listener, SearchEffort effort, const KeyBook& book = {});

// Drops every bet the key can do without, latest first.
std::vector<Bet> withoutRedundantBets(KeyShape shape, std::vector<Bet> bets);

}  // namespace kombinator::keys
