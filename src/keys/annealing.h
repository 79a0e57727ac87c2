// Simulated annealing for keys, after Nurmela and Östergård's method for covering designs: the
// cost of a family of bets is the number of winner sets (MM-sets of the events) holding no bet,
// a move swaps one tip of one bet for another, and a move that raises the cost is taken with a
// probability that shrinks as the temperature falls. Whenever the cost reaches 0 the key is
// recorded and one bet is dropped, and the search goes on one size smaller.
//
// Only a coverage count per winner set is kept (two bytes, plus a place in the list of sets still
// uncovered), and the sets through a bet are enumerated on the fly, so it takes every shape of
// up to 24 events: at most C(24, 12) winner sets.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "keys/keyshape.h"
#include "keys/localsearch.h"

namespace kombinator::keys {

// Where an annealing run stands: the smallest complete key so far, the size it now tries, the
// winner sets that size leaves uncovered at best and when it began.
struct AnnealStatus {
    std::size_t bestSize = 0;
    std::size_t trying = 0;
    std::int64_t uncovered = 0;
    std::int64_t uncoveredAtStart = 0;
    std::int64_t work = 0;  // winner sets visited so far
};

class KeyAnnealer {
public:
    // `start` must be a complete key of the shape.
    KeyAnnealer(KeyShape shape, const std::vector<Bet>& start, std::uint64_t seed);

    // The smallest complete key met; stops at `goal` bets, or when `keepGoing` (called about every
    // few hundred thousand winner sets visited) returns false.
    std::vector<Bet> shrink(std::int64_t goal, const std::function<bool(const AnnealStatus&)>& keepGoing);

private:
    template <typename Visit>
    void forEachTarget(Bet bet, Visit visit, Bet without = 0);
    void add(Bet bet);
    void dropWeakestBet();
    bool tryMove(double temperature, std::int64_t& delta, bool weighOnly);
    double startingTemperature();
    void pushUncovered(std::uint32_t set, int rank);
    void dropUncovered(int rank);

    KeyShape shape_;
    Rng rng_;
    std::vector<Bet> bets_;
    std::vector<std::uint16_t> count_;
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::int32_t> where_;
    std::vector<std::size_t> near_;
    std::vector<std::pair<std::uint32_t, int>> leaving_;
    std::vector<std::pair<std::uint32_t, int>> coming_;
    std::int64_t work_ = 0;
    std::int64_t perBet_ = 0;  // winner sets through one bet
};

}  // namespace kombinator::keys
