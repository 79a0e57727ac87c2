#include "keys/annealing.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "keys/coverinstance.h"

namespace kombinator::keys {

namespace {

// Bets looked at for a move when none lies next to the chosen uncovered winner set.
constexpr int kCandidates = 3;
// The temperature falls by this factor after each round of moves ...
constexpr double kCooling = 0.95;
// ... and rises again after this many rounds without a lower cost: each time somewhat higher than
// before, up to a limit, while the size tried stays out of reach.
constexpr int kFrozenRounds = 25;
constexpr double kReheating = 1.25;
constexpr double kMostHeat = 1.5;
// How often (in winner sets visited) the caller hears where the run stands.
constexpr std::int64_t kAnnealReportWork = 400'000;
// A move that raises the cost by the average rise is taken with about this probability at first:
// the search starts cold, since at higher temperatures the family drifts far from any key.
constexpr double kStartAcceptance = 1e-6;

Bet nthBit(Bet set, std::size_t n) {
    for (; n > 0; --n)
        set &= set - 1;
    return set & (~set + 1);
}

}  // namespace

KeyAnnealer::KeyAnnealer(KeyShape shape, const std::vector<Bet>& start, std::uint64_t seed)
    : shape_(shape),
      rng_(seed),
      count_(static_cast<std::size_t>(binomial(shape.n, shape.m)), 0),
      where_(static_cast<std::size_t>(binomial(shape.n, shape.m)), -1),
      perBet_(binomial(shape.n - shape.k, shape.m - shape.k)) {
    for (Bet bet : start)
        add(bet);
}

// Visits the winner sets through `bet` that leave out the events of `without`, while `visit`
// returns true.
template <typename Visit>
void KeyAnnealer::forEachTarget(Bet bet, Visit visit, Bet without) {
    int others[kMaxEvents];
    int count = 0;
    for (int event = 0; event < shape_.n; ++event) {
        if (!(((bet | without) >> event) & 1)) others[count++] = event;
    }
    const int r = shape_.m - shape_.k;
    const Bet end = bit(count);
    for (Bet compact = bit(r) - 1; compact < end;) {
        Bet set = bet;
        for (Bet rest = compact; rest != 0; rest &= rest - 1)
            set |= bit(others[std::countr_zero(rest)]);
        ++work_;
        if (!visit(static_cast<std::uint32_t>(set), colexRank(set)) || compact == 0) break;
        const Bet lowest = compact & (~compact + 1);
        const Bet ripple = compact + lowest;
        compact = ripple | (((compact ^ ripple) >> 2) / lowest);
    }
}

void KeyAnnealer::pushUncovered(std::uint32_t set, int rank) {
    where_[static_cast<std::size_t>(rank)] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(set);
}

void KeyAnnealer::dropUncovered(int rank) {
    const auto pos = static_cast<std::size_t>(where_[static_cast<std::size_t>(rank)]);
    const std::uint32_t last = uncovered_.back();
    uncovered_[pos] = last;
    where_[static_cast<std::size_t>(colexRank(last))] = static_cast<std::int32_t>(pos);
    uncovered_.pop_back();
    where_[static_cast<std::size_t>(rank)] = -1;
}

void KeyAnnealer::add(Bet bet) {
    bets_.push_back(bet);
    forEachTarget(bet, [&](std::uint32_t, int t) { return ++count_[static_cast<std::size_t>(t)] > 0; });
}

// The bet whose loss uncovers the fewest winner sets leaves.
void KeyAnnealer::dropWeakestBet() {
    std::size_t weakest = 0;
    std::int64_t weakestLoss = INT64_MAX;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        std::int64_t loss = 0;
        forEachTarget(bets_[i], [&](std::uint32_t, int t) {
            loss += count_[static_cast<std::size_t>(t)] == 1;
            return true;
        });
        if (loss < weakestLoss) {
            weakestLoss = loss;
            weakest = i;
        }
    }
    forEachTarget(bets_[weakest], [&](std::uint32_t set, int t) {
        if (--count_[static_cast<std::size_t>(t)] == 0) pushUncovered(set, t);
        return true;
    });
    bets_[weakest] = bets_.back();
    bets_.pop_back();
}

// One move, as Nurmela and Östergård make it: an uncovered winner set is drawn, and a bet with all
// but one of its tips in it swaps that tip for one of the set's, so that the set is covered (where
// no bet is that close, the closest of a few drawn moves one tip nearer). Taken when the cost does
// not rise, otherwise with the probability exp(-rise / temperature). With `weighOnly` the move is
// only weighed: `delta` is its exact change of cost and nothing moves.
bool KeyAnnealer::tryMove(double temperature, std::int64_t& delta, bool weighOnly) {
    const Bet target = uncovered_[rng_.below(uncovered_.size())];
    near_.clear();
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        if (std::popcount(bets_[i] & ~target) == 1) near_.push_back(i);
    }
    std::size_t chosen = 0;
    if (!near_.empty()) {
        chosen = near_[rng_.below(near_.size())];
    } else {
        chosen = rng_.below(bets_.size());
        for (int c = 1; c < kCandidates; ++c) {
            const std::size_t other = rng_.below(bets_.size());
            if (std::popcount(bets_[other] & ~target) < std::popcount(bets_[chosen] & ~target))
                chosen = other;
        }
    }
    const Bet bet = bets_[chosen];
    const Bet out = bet & ~target;
    const Bet in = target & ~bet;
    const Bet moved = (bet & ~nthBit(out, rng_.below(static_cast<std::size_t>(std::popcount(out))))) |
                      nthBit(in, rng_.below(static_cast<std::size_t>(std::popcount(in))));
    // Winner sets holding both bets keep their count; the others through either bet change. The
    // sets the moved bet newly covers are found among the uncovered ones while those are fewer than
    // the sets through a bet. The rise the draw allows is known before the sets the bet alone
    // covers are counted, so most refused moves stop after a few of them.
    std::int64_t won = 0;
    coming_.clear();
    if (static_cast<std::int64_t>(uncovered_.size()) < perBet_) {
        for (std::uint32_t set : uncovered_)
            won += (set & moved) == moved;
        work_ += static_cast<std::int64_t>(uncovered_.size());
    } else {
        forEachTarget(
            moved,
            [&](std::uint32_t set, int t) {
                coming_.emplace_back(set, t);
                won += count_[static_cast<std::size_t>(t)] == 0;
                return true;
            },
            bet & ~moved);
    }
    std::int64_t allowed = INT64_MAX;
    if (!weighOnly) {
        const double draw = static_cast<double>(rng_.next() >> 11) * 0x1.0p-53;
        const double rise = temperature > 0 && draw > 0 ? -std::log(draw) * temperature : 0.0;
        allowed = won + static_cast<std::int64_t>(std::min(rise, 1e15));
    }
    leaving_.clear();
    std::int64_t lost = 0;
    forEachTarget(
        bet,
        [&](std::uint32_t set, int t) {
            leaving_.emplace_back(set, t);
            lost += count_[static_cast<std::size_t>(t)] == 1;
            return lost <= allowed;
        },
        moved & ~bet);
    delta = lost - won;
    if (lost > allowed || weighOnly) return false;
    if (coming_.empty()) {
        forEachTarget(
            moved,
            [&](std::uint32_t set, int t) {
                coming_.emplace_back(set, t);
                return true;
            },
            bet & ~moved);
    }
    for (const auto& [set, t] : leaving_) {
        if (--count_[static_cast<std::size_t>(t)] == 0) pushUncovered(set, t);
    }
    for (const auto& [set, t] : coming_) {
        if (count_[static_cast<std::size_t>(t)]++ == 0) dropUncovered(t);
    }
    bets_[chosen] = moved;
    return true;
}

// From the rises of a few moves tried and undone: the average rise is taken with probability
// kStartAcceptance.
double KeyAnnealer::startingTemperature() {
    std::int64_t rises = 0;
    std::int64_t total = 0;
    for (int i = 0; i < 64 && !uncovered_.empty(); ++i) {
        std::int64_t delta = 0;
        tryMove(0, delta, true);
        if (delta > 0) {
            total += delta;
            ++rises;
        }
    }
    const double average = rises > 0 ? static_cast<double>(total) / static_cast<double>(rises) : 1.0;
    return average / -std::log(kStartAcceptance);
}

std::vector<Bet> KeyAnnealer::shrink(std::int64_t goal,
                                     const std::function<bool(const AnnealStatus&)>& keepGoing) {
    std::vector<Bet> best;
    std::int64_t nextReport = work_ + kAnnealReportWork;
    AnnealStatus status;
    for (;;) {
        if (uncovered_.empty()) {
            best = bets_;
            status.bestSize = best.size();
            if (static_cast<std::int64_t>(best.size()) <= goal || bets_.size() <= 1) break;
            dropWeakestBet();
            status.trying = bets_.size();
            status.uncoveredAtStart = status.uncovered = static_cast<std::int64_t>(uncovered_.size());
            status.work = work_;
            if (!keepGoing(status)) break;
        }
        const double hot = startingTemperature();
        double temperature = hot;
        std::int64_t lowest = INT64_MAX;
        const std::int64_t movesPerRound = std::max<std::int64_t>(
            500, static_cast<std::int64_t>(bets_.size()) * shape_.k * (shape_.n - shape_.k) / 2);
        int frozen = 0;
        double heat = 1.0;
        bool stop = false;
        while (!uncovered_.empty() && !stop) {
            for (std::int64_t move = 0; move < movesPerRound && !uncovered_.empty(); ++move) {
                std::int64_t delta = 0;
                tryMove(temperature, delta, false);
                if (work_ >= nextReport) {
                    nextReport = work_ + kAnnealReportWork;
                    status.uncovered = std::min<std::int64_t>(status.uncovered,
                                                              static_cast<std::int64_t>(uncovered_.size()));
                    status.work = work_;
                    if (!keepGoing(status)) {
                        stop = true;
                        break;
                    }
                }
            }
            const auto now = static_cast<std::int64_t>(uncovered_.size());
            if (now < lowest) {
                lowest = now;
                frozen = 0;
            } else if (++frozen >= kFrozenRounds) {
                frozen = 0;
                heat = std::min(heat * kReheating, kMostHeat);
                temperature = hot * heat;
                lowest = INT64_MAX;
                continue;
            }
            temperature *= kCooling;
        }
        if (stop) break;
    }
    return best;
}

}  // namespace kombinator::keys
