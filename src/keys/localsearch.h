// Weighted local search for unicost set cover (in the spirit of RWLS), the method behind the best
// published covering designs: its cost is the weight of the winner sets left without a bet.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "keys/coverinstance.h"

namespace kombinator::keys {

// splitmix64: tiny and defined bit for bit, so the same seed gives the same keys with any compiler.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // The modulo bias is irrelevant for bounds this small.
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

private:
    std::uint64_t state_;
};

// Weighted local search for unicost set cover (in the spirit of RWLS). Whenever the current
// family covers everything it is recorded and one bet is dropped; otherwise one bet is swapped:
// the bet whose loss hurts least leaves, and a bet covering a random uncovered target enters.
// Targets that stay uncovered gain weight, which steers the search away from local minima.
//
// For a bet in the family, score = -(weight of the targets only it covers); for a bet outside,
// score = weight of the uncovered targets it would cover. Both are kept up to date
// incrementally; the XOR of the covering bets' indices identifies the sole coverer of a target.
// A local-search run ends after this many steps without a smaller key; the next one starts
// elsewhere, since restarting at the same deep local optimum tends to end there again.
constexpr std::int64_t kStallSteps = 400'000;
// A bet that just changed state may not be added again for this many steps.
constexpr std::int64_t kTabuTenure = 6;
// How often (in work units) a running search tells its listener where it stands.
constexpr std::int64_t kReportWork = 1'000'000;

class WeightedLocalSearch {
public:
    WeightedLocalSearch(const CoverInstance& inst, const std::vector<int>& start, std::uint64_t seed)
        : inst_(inst),
          rng_(seed),
          familyPos_(static_cast<std::size_t>(inst.blockCount()), -1),
          coverCount_(static_cast<std::size_t>(inst.targetCount()), 0),
          coverXor_(static_cast<std::size_t>(inst.targetCount()), 0),
          weight_(static_cast<std::size_t>(inst.targetCount()), 1),
          score_(static_cast<std::size_t>(inst.blockCount()), inst.perBlock()),
          uncoveredPos_(static_cast<std::size_t>(inst.targetCount())),
          lastChange_(static_cast<std::size_t>(inst.blockCount()), -kTabuTenure) {
        uncovered_.resize(static_cast<std::size_t>(inst.targetCount()));
        for (int t = 0; t < inst.targetCount(); ++t)
            uncovered_[static_cast<std::size_t>(t)] = uncoveredPos_[static_cast<std::size_t>(t)] = t;
        for (int b : start)
            add(b);
    }

    std::int64_t work() const { return work_; }
    // The family as it stands: its size and the targets it leaves uncovered.
    std::size_t familySize() const { return family_.size(); }
    std::size_t uncoveredCount() const { return uncovered_.size(); }

    // The smallest complete cover met within the budgets; stops early at `lowerBound`, or when
    // `tick` (called every few thousand steps with the best size so far) returns false.
    std::vector<int> shrink(std::int64_t workBudget, std::int64_t lowerBound,
                            const std::function<bool(std::size_t)>& tick) {
        std::vector<int> best = family_;
        std::int64_t lastImprovement = 0;
        int lastAdded = -1;
        while (work_ < workBudget && step_ - lastImprovement < kStallSteps) {
            ++step_;
            if (work_ >= nextReport_) {
                nextReport_ = work_ + kReportWork;
                if (!tick(best.size())) break;
            }
            if (uncovered_.empty()) {
                if (family_.size() < best.size()) {
                    best = family_;
                    lastImprovement = step_;
                    if (!tick(best.size())) break;
                }
                if (static_cast<std::int64_t>(best.size()) <= lowerBound) break;
                remove(pickRemoval(-1));
                continue;
            }
            remove(pickRemoval(lastAdded));
            const int target = uncovered_[rng_.below(uncovered_.size())];
            lastAdded = pickAddition(target);
            add(lastAdded);
            for (int t : uncovered_) {
                ++weight_[static_cast<std::size_t>(t)];
                for (int b : inst_.blocksOf(t))
                    ++score_[static_cast<std::size_t>(b)];
            }
            work_ += static_cast<std::int64_t>(uncovered_.size()) * inst_.perTarget() * inst_.unitCost();
        }
        if (uncovered_.empty() && family_.size() < best.size()) best = family_;
        return best;
    }

private:
    void add(int b) {
        const auto ub = static_cast<std::size_t>(b);
        familyPos_[ub] = static_cast<int>(family_.size());
        family_.push_back(b);
        score_[ub] = -score_[ub];
        for (int t : inst_.targetsOf(b)) {
            const auto ut = static_cast<std::size_t>(t);
            const int count = ++coverCount_[ut];
            if (count == 1) {
                dropUncovered(t);
                for (int other : inst_.blocksOf(t)) {
                    if (other != b) score_[static_cast<std::size_t>(other)] -= weight_[ut];
                }
                work_ += inst_.perTarget() * inst_.unitCost();
            } else if (count == 2) {
                score_[static_cast<std::size_t>(coverXor_[ut])] += weight_[ut];
            }
            coverXor_[ut] ^= b;
        }
        lastChange_[ub] = step_;
        work_ += inst_.perBlock() * inst_.unitCost();
    }

    void remove(int b) {
        const auto ub = static_cast<std::size_t>(b);
        const auto pos = static_cast<std::size_t>(familyPos_[ub]);
        family_[pos] = family_.back();
        familyPos_[static_cast<std::size_t>(family_[pos])] = static_cast<int>(pos);
        family_.pop_back();
        familyPos_[ub] = -1;
        score_[ub] = -score_[ub];
        for (int t : inst_.targetsOf(b)) {
            const auto ut = static_cast<std::size_t>(t);
            const int count = --coverCount_[ut];
            coverXor_[ut] ^= b;
            if (count == 0) {
                uncoveredPos_[ut] = static_cast<int>(uncovered_.size());
                uncovered_.push_back(t);
                for (int other : inst_.blocksOf(t)) {
                    if (other != b) score_[static_cast<std::size_t>(other)] += weight_[ut];
                }
                work_ += inst_.perTarget() * inst_.unitCost();
            } else if (count == 1) {
                score_[static_cast<std::size_t>(coverXor_[ut])] -= weight_[ut];
            }
        }
        lastChange_[ub] = step_;
        work_ += inst_.perBlock() * inst_.unitCost();
    }

    void dropUncovered(int t) {
        const auto pos = static_cast<std::size_t>(uncoveredPos_[static_cast<std::size_t>(t)]);
        uncovered_[pos] = uncovered_.back();
        uncoveredPos_[static_cast<std::size_t>(uncovered_[pos])] = static_cast<int>(pos);
        uncovered_.pop_back();
    }

    // Higher score first, then the bet that has been left alone the longest.
    bool better(int a, int b) const {
        const auto ua = static_cast<std::size_t>(a);
        const auto ub = static_cast<std::size_t>(b);
        return score_[ua] > score_[ub] || (score_[ua] == score_[ub] && lastChange_[ua] < lastChange_[ub]);
    }

    // The bet just added may not leave right away, or the search would only undo itself.
    int pickRemoval(int tabu) {
        int best = -1;
        for (int b : family_) {
            if (b == tabu && family_.size() > 1) continue;
            if (best < 0 || better(b, best)) best = b;
        }
        work_ += static_cast<std::int64_t>(family_.size());
        return best;
    }

    // Likewise a recently removed bet may not come straight back, unless nothing else fits.
    int pickAddition(int target) const {
        int best = -1;
        for (int b : inst_.blocksOf(target)) {
            if (lastChange_[static_cast<std::size_t>(b)] + kTabuTenure > step_) continue;
            if (best < 0 || better(b, best)) best = b;
        }
        if (best >= 0) return best;
        for (int b : inst_.blocksOf(target)) {
            if (best < 0 || better(b, best)) best = b;
        }
        return best;
    }

    const CoverInstance& inst_;
    Rng rng_;
    std::vector<int> family_;
    std::vector<int> familyPos_;
    std::vector<int> coverCount_;
    std::vector<int> coverXor_;
    std::vector<std::int64_t> weight_;
    std::vector<std::int64_t> score_;
    std::vector<int> uncovered_;
    std::vector<int> uncoveredPos_;
    std::vector<std::int64_t> lastChange_;
    std::int64_t step_ = 0;
    std::int64_t work_ = 0;
    std::int64_t nextReport_ = kReportWork;
};

}  // namespace kombinator::keys
