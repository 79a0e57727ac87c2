// Simulated annealing over symmetric keys: keys that a permutation of the events maps onto
// themselves. Such a key is a union of whole orbits of bets, and it holds a bet in every winner set
// as soon as it holds one in a single winner set of each orbit, so the search chooses orbits of
// bets against orbits of winner sets: a space smaller by the order of the permutation. The best
// published keys of the hard shapes are mostly of this kind.
//
// The moves are those of KeyAnnealer (annealing.h), made on one bet of an orbit and carried to the
// whole orbit; the cost is the number of orbits of winner sets holding no bet.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "keys/annealing.h"
#include "keys/keyshape.h"
#include "keys/localsearch.h"

namespace kombinator::keys {

// A permutation of the events made of cycles of consecutive events, the given lengths in order,
// the events after them fixed: {4, 4, 4, 4} on 18 events moves events 1-16 and fixes 17 and 18.
// The image of each event, counted from 0; empty when the cycles do not fit the events.
std::vector<int> cyclePermutation(int events, const std::vector<int>& cycleLengths);

// The permutations the search tries on a shape, most promising first: cycles of 2 to 5 events
// with fixed points, one cycle of NN - 1 events with a fixed point and one of all NN, each kept
// where a key of `size` bets would hold a few orbits of them.
std::vector<std::vector<int>> searchPermutations(KeyShape shape, std::size_t size);

class OrbitAnnealer {
public:
    // Starts from orbits of the bets of `seedBets` (in a random order, as far as they fit) and
    // random orbits, `size` bets at most.
    OrbitAnnealer(KeyShape shape, std::vector<int> permutation, const std::vector<Bet>& seedBets,
                  std::size_t size, std::uint64_t seed);

    // The smallest complete key met (empty for none); stops at `goal` bets, or when `keepGoing`
    // (called about every few hundred thousand winner sets visited) returns false.
    std::vector<Bet> shrink(std::int64_t goal, const std::function<bool(const AnnealStatus&)>& keepGoing);

private:
    struct Orbit {
        Bet representative = 0;  // the smallest of its bets
        std::vector<Bet> bets;
    };

    Bet image(Bet set) const;
    Orbit orbitOf(Bet bet) const;
    template <typename Visit>
    void forEachTargetOrbit(Bet bet, Visit visit);
    bool holds(Bet representative) const;
    void offer(Bet bet);
    void fill();
    void add(Orbit orbit);
    std::int64_t removeCounting(const Orbit& orbit, std::int64_t allowed, const Orbit* spare);
    void restore();
    void dropWeakestOrbit();
    bool tryMove(double temperature, std::int64_t& delta, bool weighOnly);
    double startingTemperature();
    void pushUncovered(int orbit);
    void dropUncovered(int orbit);
    std::vector<Bet> keyBets() const;

    KeyShape shape_;
    std::vector<int> permutation_;
    Bet images_[(kMaxEvents + 7) / 8][256] = {};
    Rng rng_;
    std::vector<std::int32_t> targetOrbit_;      // by the colex rank of a winner set
    std::vector<std::uint32_t> representative_;  // of each orbit of winner sets
    std::vector<std::int32_t> count_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t stampNow_ = 0;
    std::vector<std::int32_t> uncovered_;
    std::vector<std::int32_t> where_;
    std::vector<Orbit> orbits_;
    std::size_t size_ = 0;
    std::size_t budget_ = 0;  // the size the family tries to cover with
    std::vector<std::int32_t> visited_;
    std::vector<std::pair<std::size_t, Bet>> near_;
    std::int64_t work_ = 0;
};

}  // namespace kombinator::keys
