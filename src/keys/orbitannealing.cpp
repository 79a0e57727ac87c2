#include "keys/orbitannealing.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "keys/construction.h"
#include "keys/coverinstance.h"

namespace kombinator::keys {

namespace {

// As in KeyAnnealer: bets looked at for a move when none lies next to the winner set drawn, the
// cooling and reheating, and how often the caller hears where the run stands.
constexpr int kCandidates = 3;
constexpr double kCooling = 0.95;
constexpr int kFrozenRounds = 25;
constexpr double kReheating = 1.25;
constexpr double kMostHeat = 1.5;
constexpr std::int64_t kOrbitReportWork = 400'000;
constexpr double kStartAcceptance = 1e-6;
// Random orbits tried to fill the start up to its size.
constexpr int kFillAttempts = 2000;
// A permutation is worth trying while a key of the size sought holds at least this many orbits.
constexpr std::size_t kFewestOrbits = 4;

Bet nthBit(Bet set, std::size_t n) {
    for (; n > 0; --n)
        set &= set - 1;
    return set & (~set + 1);
}

}  // namespace

std::vector<int> cyclePermutation(int events, const std::vector<int>& cycleLengths) {
    std::vector<int> image(static_cast<std::size_t>(std::max(events, 0)));
    for (int e = 0; e < events; ++e)
        image[static_cast<std::size_t>(e)] = e;
    int start = 0;
    for (int length : cycleLengths) {
        if (length < 1 || start + length > events) return {};
        for (int j = 0; j < length; ++j)
            image[static_cast<std::size_t>(start + j)] = start + (j + 1) % length;
        start += length;
    }
    return image;
}

std::vector<std::vector<int>> searchPermutations(KeyShape shape, std::size_t size) {
    std::vector<std::vector<int>> result;
    const auto offer = [&](const std::vector<int>& cycles, int order) {
        if (size / static_cast<std::size_t>(order) < kFewestOrbits) return;
        std::vector<int> permutation = cyclePermutation(shape.n, cycles);
        if (!permutation.empty() && std::find(result.begin(), result.end(), permutation) == result.end())
            result.push_back(std::move(permutation));
    };
    for (int length : {4, 3, 5}) {
        offer(std::vector<int>(static_cast<std::size_t>(shape.n / length), length), length);
        offer({shape.n - 1}, shape.n - 1);
    }
    offer({shape.n}, shape.n);
    offer(std::vector<int>(static_cast<std::size_t>(shape.n / 2), 2), 2);
    return result;
}

OrbitAnnealer::OrbitAnnealer(KeyShape shape, std::vector<int> permutation, const std::vector<Bet>& seedBets,
                             std::size_t size, std::uint64_t seed)
    : shape_(shape), permutation_(std::move(permutation)), rng_(seed), budget_(size) {
    for (int e = 0; e < shape_.n; ++e) {
        for (int byte = 0; byte < 256; ++byte) {
            if ((byte >> (e % 8)) & 1) images_[e / 8][byte] |= bit(permutation_[static_cast<std::size_t>(e)]);
        }
    }
    // The orbits of the winner sets, numbered in the colex order of their smallest sets.
    const auto targets = static_cast<std::size_t>(binomial(shape_.n, shape_.m));
    targetOrbit_.assign(targets, -1);
    const Bet end = bit(shape_.n);
    std::size_t rank = 0;
    for (Bet set = bit(shape_.m) - 1; set < end; ++rank) {
        if (targetOrbit_[rank] < 0) {
            const auto id = static_cast<std::int32_t>(representative_.size());
            representative_.push_back(static_cast<std::uint32_t>(set));
            Bet other = set;
            do {
                targetOrbit_[static_cast<std::size_t>(colexRank(other))] = id;
                other = image(other);
            } while (other != set);
        }
        const Bet lowest = set & (~set + 1);
        const Bet ripple = set + lowest;
        set = ripple | (((set ^ ripple) >> 2) / lowest);
    }
    const std::size_t orbitCount = representative_.size();
    count_.assign(orbitCount, 0);
    stamp_.assign(orbitCount, 0);
    uncovered_.resize(orbitCount);
    where_.resize(orbitCount);
    for (std::size_t r = 0; r < orbitCount; ++r) {
        uncovered_[r] = static_cast<std::int32_t>(r);
        where_[r] = static_cast<std::int32_t>(r);
    }
    std::vector<Bet> seeds = seedBets;
    for (std::size_t i = seeds.size(); i > 1; --i)
        std::swap(seeds[i - 1], seeds[rng_.below(i)]);
    for (Bet bet : seeds)
        offer(bet);
    fill();
}

void OrbitAnnealer::offer(Bet bet) {
    Orbit orbit = orbitOf(bet);
    if (size_ + orbit.bets.size() <= budget_ && !holds(orbit.representative)) add(std::move(orbit));
}

// Random orbits, as many as fit in the size tried.
void OrbitAnnealer::fill() {
    for (int attempt = 0; attempt < kFillAttempts && size_ < budget_; ++attempt) {
        Bet bet = 0;
        while (std::popcount(bet) < shape_.k)
            bet |= bit(static_cast<int>(rng_.below(static_cast<std::size_t>(shape_.n))));
        offer(bet);
    }
}

Bet OrbitAnnealer::image(Bet set) const {
    Bet result = 0;
    for (int part = 0; part * 8 < shape_.n; ++part)
        result |= images_[part][(set >> (8 * part)) & 0xFF];
    return result;
}

OrbitAnnealer::Orbit OrbitAnnealer::orbitOf(Bet bet) const {
    Orbit orbit;
    orbit.representative = bet;
    Bet other = bet;
    do {
        orbit.bets.push_back(other);
        orbit.representative = std::min(orbit.representative, other);
        other = image(other);
    } while (other != bet);
    return orbit;
}

bool OrbitAnnealer::holds(Bet representative) const {
    return std::any_of(orbits_.begin(), orbits_.end(),
                       [&](const Orbit& orbit) { return orbit.representative == representative; });
}

// Visits the orbit of every winner set through `bet`, once for each such set: counted this way from
// an orbit's one bet, a count is positive exactly when some bet of the orbit lies in the orbit's
// smallest winner set.
template <typename Visit>
void OrbitAnnealer::forEachTargetOrbit(Bet bet, Visit visit) {
    int others[kMaxEvents];
    int count = 0;
    for (int event = 0; event < shape_.n; ++event) {
        if (!((bet >> event) & 1)) others[count++] = event;
    }
    const int r = shape_.m - shape_.k;
    const Bet end = bit(count);
    for (Bet compact = bit(r) - 1; compact < end;) {
        Bet set = bet;
        for (Bet rest = compact; rest != 0; rest &= rest - 1)
            set |= bit(others[std::countr_zero(rest)]);
        ++work_;
        if (!visit(targetOrbit_[static_cast<std::size_t>(colexRank(set))]) || compact == 0) break;
        const Bet lowest = compact & (~compact + 1);
        const Bet ripple = compact + lowest;
        compact = ripple | (((compact ^ ripple) >> 2) / lowest);
    }
}

void OrbitAnnealer::pushUncovered(int orbit) {
    where_[static_cast<std::size_t>(orbit)] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(orbit);
}

void OrbitAnnealer::dropUncovered(int orbit) {
    const auto pos = static_cast<std::size_t>(where_[static_cast<std::size_t>(orbit)]);
    const std::int32_t last = uncovered_.back();
    uncovered_[pos] = last;
    where_[static_cast<std::size_t>(last)] = static_cast<std::int32_t>(pos);
    uncovered_.pop_back();
    where_[static_cast<std::size_t>(orbit)] = -1;
}

void OrbitAnnealer::add(Orbit orbit) {
    forEachTargetOrbit(orbit.representative, [&](std::int32_t t) {
        if (count_[static_cast<std::size_t>(t)]++ == 0) dropUncovered(t);
        return true;
    });
    size_ += orbit.bets.size();
    orbits_.push_back(std::move(orbit));
}

// Takes the orbit's counts away, counting the orbits of winner sets left without a bet, but for
// those that `spare` covers, until more than `allowed`; restore() undoes it.
std::int64_t OrbitAnnealer::removeCounting(const Orbit& orbit, std::int64_t allowed, const Orbit* spare) {
    visited_.clear();
    std::int64_t lost = 0;
    forEachTargetOrbit(orbit.representative, [&](std::int32_t t) {
        visited_.push_back(t);
        if (--count_[static_cast<std::size_t>(t)] == 0) {
            pushUncovered(t);
            const Bet set = representative_[static_cast<std::size_t>(t)];
            lost += !spare || std::none_of(spare->bets.begin(), spare->bets.end(),
                                           [&](Bet bet) { return (bet & ~set) == 0; });
        }
        return lost <= allowed;
    });
    return lost;
}

void OrbitAnnealer::restore() {
    for (std::int32_t t : visited_) {
        if (count_[static_cast<std::size_t>(t)]++ == 0) dropUncovered(t);
    }
    visited_.clear();
}

// The orbit whose loss leaves the fewest winner sets without a bet, for each bet it frees, leaves,
// and the key tries one bet less than before: orbits smaller than the one that left fill the room.
void OrbitAnnealer::dropWeakestOrbit() {
    const std::size_t before = size_;
    std::size_t weakest = 0;
    double weakestLoss = INFINITY;
    for (std::size_t i = 0; i < orbits_.size(); ++i) {
        const double loss = static_cast<double>(removeCounting(orbits_[i], INT64_MAX, nullptr)) /
                            static_cast<double>(orbits_[i].bets.size());
        restore();
        if (loss < weakestLoss) {
            weakestLoss = loss;
            weakest = i;
        }
    }
    removeCounting(orbits_[weakest], INT64_MAX, nullptr);
    visited_.clear();
    size_ -= orbits_[weakest].bets.size();
    orbits_[weakest] = std::move(orbits_.back());
    orbits_.pop_back();
    budget_ = before - 1;
    fill();
}

// A move of KeyAnnealer::tryMove made on one bet of an orbit: that bet swaps a tip so that it lies
// in an uncovered winner set, and its whole orbit follows. Taken when the cost does not rise and
// the key stays within its size, otherwise with the probability exp(-rise / temperature).
bool OrbitAnnealer::tryMove(double temperature, std::int64_t& delta, bool weighOnly) {
    delta = 0;
    const Bet target = representative_[static_cast<std::size_t>(uncovered_[rng_.below(uncovered_.size())])];
    near_.clear();
    for (std::size_t i = 0; i < orbits_.size(); ++i) {
        for (Bet bet : orbits_[i].bets) {
            if (std::popcount(bet & ~target) == 1) near_.emplace_back(i, bet);
        }
    }
    work_ += static_cast<std::int64_t>(size_);
    std::size_t chosen = 0;
    Bet bet = 0;
    if (!near_.empty()) {
        std::tie(chosen, bet) = near_[rng_.below(near_.size())];
    } else {
        int distance = INT32_MAX;
        for (int c = 0; c < kCandidates; ++c) {
            const std::size_t i = rng_.below(orbits_.size());
            for (Bet other : orbits_[i].bets) {
                if (std::popcount(other & ~target) < distance) {
                    distance = std::popcount(other & ~target);
                    chosen = i;
                    bet = other;
                }
            }
        }
    }
    const Bet out = bet & ~target;
    const Bet in = target & ~bet;
    const Bet moved = (bet & ~nthBit(out, rng_.below(static_cast<std::size_t>(std::popcount(out))))) |
                      nthBit(in, rng_.below(static_cast<std::size_t>(std::popcount(in))));
    Orbit next = orbitOf(moved);
    const Orbit& leaving = orbits_[chosen];
    if (holds(next.representative) || size_ - leaving.bets.size() + next.bets.size() > budget_) return false;
    // Orbits of winner sets the new orbit covers that are now uncovered: from the list of them while
    // it is short, otherwise from the winner sets through the new orbit's bet.
    std::int64_t won = 0;
    const auto perBet = binomial(shape_.n - shape_.k, shape_.m - shape_.k);
    if (static_cast<std::int64_t>(uncovered_.size() * next.bets.size()) < perBet) {
        for (std::int32_t t : uncovered_) {
            const Bet set = representative_[static_cast<std::size_t>(t)];
            won += std::any_of(next.bets.begin(), next.bets.end(), [&](Bet b) { return (b & ~set) == 0; });
        }
        work_ += static_cast<std::int64_t>(uncovered_.size() * next.bets.size());
    } else {
        ++stampNow_;
        forEachTargetOrbit(next.representative, [&](std::int32_t t) {
            if (stamp_[static_cast<std::size_t>(t)] != stampNow_) {
                stamp_[static_cast<std::size_t>(t)] = stampNow_;
                won += count_[static_cast<std::size_t>(t)] == 0;
            }
            return true;
        });
    }
    std::int64_t allowed = INT64_MAX;
    if (!weighOnly) {
        const double draw = static_cast<double>(rng_.next() >> 11) * 0x1.0p-53;
        const double rise = temperature > 0 && draw > 0 ? -std::log(draw) * temperature : 0.0;
        allowed = won + static_cast<std::int64_t>(std::min(rise, 1e15));
    }
    const std::int64_t lost = removeCounting(leaving, allowed, &next);
    delta = lost - won;
    if (lost > allowed || weighOnly) {
        restore();
        return false;
    }
    visited_.clear();
    size_ -= leaving.bets.size();
    const std::size_t last = orbits_.size() - 1;
    if (chosen != last) std::swap(orbits_[chosen], orbits_[last]);
    orbits_.pop_back();
    add(std::move(next));
    return true;
}

double OrbitAnnealer::startingTemperature() {
    std::int64_t rises = 0;
    std::int64_t total = 0;
    for (int i = 0; i < 64 && !uncovered_.empty() && !orbits_.empty(); ++i) {
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

std::vector<Bet> OrbitAnnealer::keyBets() const {
    std::vector<Bet> bets;
    bets.reserve(size_);
    for (const Orbit& orbit : orbits_)
        bets.insert(bets.end(), orbit.bets.begin(), orbit.bets.end());
    return sortedUnique(std::move(bets));
}

std::vector<Bet> OrbitAnnealer::shrink(std::int64_t goal,
                                       const std::function<bool(const AnnealStatus&)>& keepGoing) {
    std::vector<Bet> best;
    std::int64_t nextReport = work_ + kOrbitReportWork;
    AnnealStatus status;
    status.trying = budget_;
    status.uncoveredAtStart = status.uncovered = static_cast<std::int64_t>(uncovered_.size());
    if (orbits_.empty()) return best;
    for (;;) {
        if (uncovered_.empty()) {
            best = keyBets();
            status.bestSize = best.size();
            if (static_cast<std::int64_t>(best.size()) <= goal || orbits_.size() <= 1) break;
            dropWeakestOrbit();
            status.trying = size_;
            status.uncoveredAtStart = status.uncovered = static_cast<std::int64_t>(uncovered_.size());
            status.work = work_;
            if (!keepGoing(status)) break;
        }
        const double hot = startingTemperature();
        double temperature = hot;
        std::int64_t lowest = INT64_MAX;
        const std::int64_t movesPerRound = std::max<std::int64_t>(
            200, static_cast<std::int64_t>(orbits_.size()) * shape_.k * (shape_.n - shape_.k) / 2);
        int frozen = 0;
        double heat = 1.0;
        bool stop = false;
        while (!uncovered_.empty() && !stop) {
            for (std::int64_t move = 0; move < movesPerRound && !uncovered_.empty(); ++move) {
                std::int64_t delta = 0;
                tryMove(temperature, delta, false);
                if (work_ >= nextReport) {
                    nextReport = work_ + kOrbitReportWork;
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
