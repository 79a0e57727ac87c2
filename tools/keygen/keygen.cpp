// keygen — builds the reduction keys ("kulcsok") that Kombinátor ships in resources/tkulcs.
//
// A key KK_NN_MM is a family of bets, each made of KK tips out of NN events, with the promise
// that whenever at least MM of the NN tips win, some bet has all of its tips won. Put
// differently: every MM-subset of {1..NN} contains at least one bet. The fewer bets a key has,
// the cheaper it is to play, so every key is the smallest of
//   - the known constructions implemented below,
//   - greedy covers (several deterministic tie-break orders), trimmed of redundant bets,
//   - a weighted local search that repeatedly drops a bet and repairs the cover.
// Everything is deterministic: seeds are fixed, the search runs on work budgets rather than
// wall-clock limits, and the random numbers never go through the implementation-defined
// standard distributions. Regenerating the library therefore reproduces the same files.
//
// Usage: keygen OUTDIR
// Writes one file per key (e.g. "03_10_06.txt") and the index "tippek.inf" into OUTDIR, and
// prints a table of key sizes to stdout.

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Mask = std::uint32_t;

constexpr int kMinEvents = 4;
constexpr int kMaxEvents = 16;
constexpr int kMinTipsPerBet = 2;
constexpr int kMaxTipsPerBet = 4;

// Search effort per key. The budgets count elementary score updates, which keeps the running
// time roughly proportional to the budget on any machine while staying reproducible.
constexpr int kGreedyRestarts = 24;
constexpr int kLocalSearchRuns = 4;
constexpr int kMaxLocalSearchRuns = 16;
constexpr std::int64_t kLocalSearchWork = 250'000'000;
constexpr std::int64_t kLocalSearchStallSteps = 400'000;
// A bet that just changed state may not be added again for this many steps.
constexpr std::int64_t kTabuTenure = 6;

struct KeyParams {
    int k;  // tips per bet (KK)
    int n;  // events, tips are numbered 1..n (NN)
    int m;  // this many winning tips guarantee a winning bet (MM)
};

std::int64_t binomial(int n, int r) {
    if (r < 0 || r > n) return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * (n - r + i) / i;
    return result;
}

// All r-subsets of {0..n-1} as bit masks, ordered lexicographically by their ascending element
// lists. This order is what "lexicographically smallest" means for tie-breaking and for the
// order of the lines in a key file.
std::vector<Mask> lexSubsets(int n, int r) {
    std::vector<Mask> result;
    std::vector<int> picked(r);
    for (int i = 0; i < r; ++i)
        picked[i] = i;
    while (true) {
        Mask mask = 0;
        for (int v : picked)
            mask |= Mask{1} << v;
        result.push_back(mask);
        int i = r - 1;
        while (i >= 0 && picked[i] == n - r + i)
            --i;
        if (i < 0) break;
        ++picked[i];
        for (int j = i + 1; j < r; ++j)
            picked[j] = picked[j - 1] + 1;
    }
    return result;
}

std::vector<int> elementsOf(Mask mask) {
    std::vector<int> result;
    for (int v = 0; mask != 0; ++v, mask >>= 1) {
        if (mask & 1) result.push_back(v);
    }
    return result;
}

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

// The key problem as a set cover: the elements are the m-sets ("targets"), the sets are the
// k-sets ("blocks"). Every block lies in exactly C(n-k, m-k) targets and every target holds
// exactly C(m, k) blocks, so both incidence lists are stored as flat arrays with fixed strides.
class CoverInstance {
public:
    explicit CoverInstance(KeyParams params)
        : params_(params),
          blocks_(lexSubsets(params.n, params.k)),
          targets_(lexSubsets(params.n, params.m)),
          perBlock_(static_cast<int>(binomial(params.n - params.k, params.m - params.k))),
          perTarget_(static_cast<int>(binomial(params.m, params.k))) {
        blockIndex_.assign(std::size_t{1} << params.n, -1);
        for (int b = 0; b < blockCount(); ++b)
            blockIndex_[blocks_[b]] = b;

        // Which of a target's m elements form each of its blocks, by position.
        const std::vector<Mask> positions = lexSubsets(params.m, params.k);
        members_.reserve(static_cast<std::size_t>(targetCount()) * perTarget_);
        cover_.assign(static_cast<std::size_t>(blockCount()) * perBlock_, -1);
        std::vector<int> filled(blockCount(), 0);
        for (int t = 0; t < targetCount(); ++t) {
            const std::vector<int> elements = elementsOf(targets_[t]);
            for (Mask position : positions) {
                Mask block = 0;
                for (int p : elementsOf(position))
                    block |= Mask{1} << elements[p];
                const int b = blockIndex_[block];
                members_.push_back(b);
                cover_[static_cast<std::size_t>(b) * perBlock_ + filled[b]++] = t;
            }
        }
    }

    const KeyParams& params() const { return params_; }
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    int targetCount() const { return static_cast<int>(targets_.size()); }
    int perBlock() const { return perBlock_; }
    int perTarget() const { return perTarget_; }
    Mask block(int b) const { return blocks_[b]; }
    int indexOf(Mask block) const { return blockIndex_[block]; }

    // Targets that contain block b.
    std::span<const int> targetsOf(int b) const {
        return {cover_.data() + static_cast<std::size_t>(b) * perBlock_, static_cast<std::size_t>(perBlock_)};
    }
    // Blocks contained in target t.
    std::span<const int> blocksOf(int t) const {
        return {members_.data() + static_cast<std::size_t>(t) * perTarget_,
                static_cast<std::size_t>(perTarget_)};
    }

private:
    KeyParams params_;
    std::vector<Mask> blocks_;
    std::vector<Mask> targets_;
    int perBlock_;
    int perTarget_;
    std::vector<int> blockIndex_;  // by mask, -1 for masks that are not k-sets
    std::vector<int> cover_;
    std::vector<int> members_;
};

// Greedy cover: always take the block lying in the most still-uncovered targets; among equals
// the one with the smallest rank wins.
std::vector<int> greedyCover(const CoverInstance& inst, const std::vector<int>& rank) {
    std::vector<int> gain(inst.blockCount(), inst.perBlock());
    std::vector<char> covered(inst.targetCount(), 0);
    int uncovered = inst.targetCount();
    std::vector<int> chosen;
    while (uncovered > 0) {
        int best = 0;
        for (int b = 1; b < inst.blockCount(); ++b) {
            if (gain[b] > gain[best] || (gain[b] == gain[best] && rank[b] < rank[best])) best = b;
        }
        chosen.push_back(best);
        for (int t : inst.targetsOf(best)) {
            if (covered[t]) continue;
            covered[t] = 1;
            --uncovered;
            for (int b : inst.blocksOf(t))
                --gain[b];
        }
    }
    return chosen;
}

// Drops every bet the cover can do without, trying the latest additions first (in a greedy cover
// those contributed least). A single pass is enough: dropping bets only lowers the coverage
// counts, so a bet that was needed when it was examined stays needed.
void dropRedundant(const CoverInstance& inst, std::vector<int>& cover) {
    std::vector<int> count(inst.targetCount(), 0);
    for (int b : cover) {
        for (int t : inst.targetsOf(b))
            ++count[t];
    }
    std::vector<int> kept;
    for (auto it = cover.rbegin(); it != cover.rend(); ++it) {
        const auto targets = inst.targetsOf(*it);
        if (std::all_of(targets.begin(), targets.end(), [&](int t) { return count[t] >= 2; })) {
            for (int t : targets)
                --count[t];
        } else {
            kept.push_back(*it);
        }
    }
    std::reverse(kept.begin(), kept.end());
    cover = std::move(kept);
}

// Weighted local search for unicost set cover (in the spirit of RWLS). Whenever the current
// family covers everything it is recorded and one bet is dropped; otherwise one bet is swapped:
// the bet whose loss hurts least leaves, and a bet covering a random uncovered target enters.
// Targets that stay uncovered gain weight, which steers the search away from local minima.
//
// For a bet in the family, score = -(weight of the targets only it covers); for a bet outside,
// score = weight of the uncovered targets it would cover. Both are kept up to date
// incrementally; the XOR of the covering bets' indices identifies the sole coverer of a target.
class WeightedLocalSearch {
public:
    WeightedLocalSearch(const CoverInstance& inst, const std::vector<int>& start, std::uint64_t seed)
        : inst_(inst),
          rng_(seed),
          familyPos_(inst.blockCount(), -1),
          coverCount_(inst.targetCount(), 0),
          coverXor_(inst.targetCount(), 0),
          weight_(inst.targetCount(), 1),
          score_(inst.blockCount(), inst.perBlock()),
          uncoveredPos_(inst.targetCount()),
          lastChange_(inst.blockCount(), -kTabuTenure) {
        uncovered_.resize(inst.targetCount());
        for (int t = 0; t < inst.targetCount(); ++t)
            uncovered_[t] = uncoveredPos_[t] = t;
        for (int b : start)
            add(b);
    }

    // Returns the smallest complete cover met within the budgets; stops early at lowerBound.
    std::vector<int> shrink(std::int64_t workBudget, std::int64_t stallSteps, std::int64_t lowerBound) {
        std::vector<int> best = family_;
        std::int64_t lastImprovement = 0;
        int lastAdded = -1;
        while (work_ < workBudget && step_ - lastImprovement < stallSteps) {
            ++step_;
            if (uncovered_.empty()) {
                if (family_.size() < best.size()) {
                    best = family_;
                    lastImprovement = step_;
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
                ++weight_[t];
                for (int b : inst_.blocksOf(t))
                    ++score_[b];
            }
            work_ += static_cast<std::int64_t>(uncovered_.size()) * inst_.perTarget();
        }
        if (uncovered_.empty() && family_.size() < best.size()) best = family_;
        return best;
    }

private:
    void add(int b) {
        familyPos_[b] = static_cast<int>(family_.size());
        family_.push_back(b);
        score_[b] = -score_[b];
        for (int t : inst_.targetsOf(b)) {
            const int count = ++coverCount_[t];
            if (count == 1) {
                dropUncovered(t);
                for (int other : inst_.blocksOf(t)) {
                    if (other != b) score_[other] -= weight_[t];
                }
                work_ += inst_.perTarget();
            } else if (count == 2) {
                score_[coverXor_[t]] += weight_[t];
            }
            coverXor_[t] ^= b;
        }
        lastChange_[b] = step_;
        work_ += inst_.perBlock();
    }

    void remove(int b) {
        const int pos = familyPos_[b];
        family_[pos] = family_.back();
        familyPos_[family_[pos]] = pos;
        family_.pop_back();
        familyPos_[b] = -1;
        score_[b] = -score_[b];
        for (int t : inst_.targetsOf(b)) {
            const int count = --coverCount_[t];
            coverXor_[t] ^= b;
            if (count == 0) {
                uncoveredPos_[t] = static_cast<int>(uncovered_.size());
                uncovered_.push_back(t);
                for (int other : inst_.blocksOf(t)) {
                    if (other != b) score_[other] += weight_[t];
                }
                work_ += inst_.perTarget();
            } else if (count == 1) {
                score_[coverXor_[t]] -= weight_[t];
            }
        }
        lastChange_[b] = step_;
        work_ += inst_.perBlock();
    }

    void dropUncovered(int t) {
        const int pos = uncoveredPos_[t];
        uncovered_[pos] = uncovered_.back();
        uncoveredPos_[uncovered_[pos]] = pos;
        uncovered_.pop_back();
    }

    // Higher score first, then the bet that has been left alone the longest.
    bool better(int a, int b) const {
        return score_[a] > score_[b] || (score_[a] == score_[b] && lastChange_[a] < lastChange_[b]);
    }

    // The bet just added may not leave right away, or the search would only undo itself.
    int pickRemoval(int tabu) const {
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
            if (lastChange_[b] + kTabuTenure > step_) continue;
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
    mutable std::int64_t work_ = 0;
};

// --- Known constructions ------------------------------------------------------------------

// Tip groups of sizes as equal as possible, consecutive tips in each group.
std::vector<std::vector<int>> splitIntoGroups(int n, int groups) {
    std::vector<std::vector<int>> result(groups);
    int next = 0;
    for (int g = 0; g < groups; ++g) {
        const int size = n / groups + (g < n % groups ? 1 : 0);
        for (int i = 0; i < size; ++i)
            result[g].push_back(next++);
    }
    return result;
}

// Every k-set inside one of floor((m-1)/(k-1)) groups. An m-set with at most k-1 tips in each
// group would have at most m-1 tips, so some group holds k of them: a whole bet. For k = 2 this
// is the complement of the Turán graph and therefore optimal (Turán's theorem).
std::vector<Mask> groupConstruction(KeyParams p) {
    std::vector<Mask> bets;
    for (const auto& group : splitIntoGroups(p.n, (p.m - 1) / (p.k - 1))) {
        if (static_cast<int>(group.size()) < p.k) continue;
        for (Mask local : lexSubsets(static_cast<int>(group.size()), p.k)) {
            Mask bet = 0;
            for (int i : elementsOf(local))
                bet |= Mask{1} << group[i];
            bets.push_back(bet);
        }
    }
    return bets;
}

// Turán's construction for trebles with guarantee 4: three groups A0, A1, A2; take every triple
// inside a group and every triple with two tips in Ai and one in A(i+1 mod 3). Four tips either
// put three in one group, or two in Ai and at least one more in a neighbouring group, which in
// one of the two directions is a bet. Conjectured (and for small NN verified) to be optimal.
std::vector<Mask> turanTreblesFor4(int n) {
    const auto groups = splitIntoGroups(n, 3);
    std::vector<Mask> bets;
    for (Mask bet : lexSubsets(n, 3)) {
        int inGroup[3] = {0, 0, 0};
        for (int g = 0; g < 3; ++g) {
            for (int v : groups[g])
                inGroup[g] += (bet >> v) & 1;
        }
        for (int g = 0; g < 3; ++g) {
            if (inGroup[g] == 3 || (inGroup[g] == 2 && inGroup[(g + 1) % 3] == 1)) bets.push_back(bet);
        }
    }
    return bets;
}

std::vector<int> toBlockIndices(const CoverInstance& inst, const std::vector<Mask>& bets) {
    std::vector<int> indices;
    for (Mask bet : bets)
        indices.push_back(inst.indexOf(bet));
    return indices;
}

// Smallest sizes known from the literature (Turán numbers T(n, m, k), equivalently covering
// numbers C(n, n-k, n-m)). Used for the report and to decide which keys deserve extra search.
std::optional<int> bestKnownSize(KeyParams p) {
    if (p.k == 2) {
        // Turán's theorem: all pairs inside m-1 nearly equal groups, and no fewer will do.
        std::int64_t total = 0;
        for (const auto& group : splitIntoGroups(p.n, p.m - 1))
            total += binomial(static_cast<int>(group.size()), 2);
        return static_cast<int>(total);
    }
    if (p.k == 4 && p.m == 6 && p.n >= 7) {
        constexpr int sizes[] = {3, 6, 12, 20, 34, 51, 79, 115, 161, 220};
        return sizes[p.n - 7];
    }
    if (p.k == 4 && p.m == 7 && p.n >= 8) {
        constexpr int sizes[] = {2, 5, 10, 17, 26, 39, 56, 80, 108};
        return sizes[p.n - 8];
    }
    if (p.k == 3 && p.m == 5 && p.n == 8) return 8;
    return std::nullopt;
}

// Schönheim bound, applied to the complements: the complements of the bets are (n-k)-sets that
// must contain every (n-m)-set, i.e. a covering design C(n, n-k, n-m).
std::int64_t schoenheimBound(int v, int k, int t) {
    if (t == 0) return 1;
    const std::int64_t inner = schoenheimBound(v - 1, k - 1, t - 1);
    return (v * inner + k - 1) / k;
}

// --- Verification -------------------------------------------------------------------------

struct Verdict {
    bool guaranteesM = false;        // every m-set contains a bet
    bool guaranteesMMinus1 = false;  // every (m-1)-set contains a bet as well
};

// Brute force over all 2^n tip sets, deliberately independent of the search data structures:
// a set contains a bet iff it is a bet or one of its one-smaller subsets contains a bet.
Verdict verifyKey(KeyParams p, const std::vector<Mask>& bets) {
    const std::size_t universe = std::size_t{1} << p.n;
    std::vector<char> containsBet(universe, 0);
    for (Mask bet : bets)
        containsBet[bet] = 1;
    Verdict verdict{true, true};
    for (Mask set = 1; set < universe; ++set) {
        for (Mask rest = set; rest != 0 && !containsBet[set]; rest &= rest - 1) {
            containsBet[set] = containsBet[set & ~(Mask{1} << std::countr_zero(rest))];
        }
        const int size = std::popcount(set);
        if (size == p.m && !containsBet[set]) verdict.guaranteesM = false;
        if (size == p.m - 1 && !containsBet[set]) verdict.guaranteesMMinus1 = false;
    }
    return verdict;
}

// --- One key ------------------------------------------------------------------------------

struct KeyResult {
    KeyParams params;
    std::vector<Mask> bets;
    int greedySize = 0;
    std::int64_t lowerBound = 0;
    std::string method;
    Verdict verdict;
};

// Dropping one tip together with every bet that contains it turns a key for n events into a key
// for n-1 events with the same guarantee (an m-set avoiding the tip still contains a bet, and
// that bet avoids the tip too). Dropping the busiest tip leaves the fewest bets. Good large keys
// are often highly structured, and this hands their structure down to the smaller ones.
std::vector<Mask> dropBusiestTip(const std::vector<Mask>& bets, int n) {
    int busiest = 0;
    int busiestCount = -1;
    for (int tip = 0; tip < n; ++tip) {
        const auto count =
            std::count_if(bets.begin(), bets.end(), [&](Mask bet) { return (bet >> tip) & 1; });
        if (count > busiestCount) {
            busiest = tip;
            busiestCount = static_cast<int>(count);
        }
    }
    const Mask below = (Mask{1} << busiest) - 1;
    std::vector<Mask> result;
    for (Mask bet : bets) {
        if (!((bet >> busiest) & 1)) result.push_back((bet & below) | ((bet >> (busiest + 1)) << busiest));
    }
    return result;
}

// The other direction: a key for n-1 events plus the new tip added to every bet of a key with one
// tip less per bet and a guarantee one lower is a key for n events. An m-set without the new tip
// contains a bet of the first key; an m-set with it has m-1 further tips, which contain a bet of
// the second key.
std::vector<Mask> extendByTip(const std::vector<Mask>& sameShape, const std::vector<Mask>& oneTipLess,
                              int n) {
    std::vector<Mask> result = sameShape;
    const Mask newTip = Mask{1} << (n - 1);
    for (Mask bet : oneTipLess)
        result.push_back(bet | newTip);
    return result;
}

KeyResult initialKey(KeyParams p) {
    const char* method = p.k == 2 ? "groups (exact)" : "groups";
    return {p, groupConstruction(p), -1, schoenheimBound(p.n, p.n - p.k, p.n - p.m), method, {}};
}

enum class Effort {
    full,          // first visit: constructions, greedy covers, seeds, local search
    ifSeedWins,    // search again only when a seed beats the key found so far
    searchSeeded,  // search again anyway, alternately from the seed and from the key
};

// Tries to shrink `key`. seeds: families that are already valid keys for these parameters.
void improveKey(KeyResult& key, const std::vector<std::vector<Mask>>& seeds, const char* seedMethod,
                Effort effort, std::uint64_t seed) {
    const KeyParams p = key.params;
    if (p.k == 2) return;  // optimal by Turán's theorem

    const CoverInstance inst(p);
    bool improved = false;
    auto consider = [&](std::vector<int> cover, const char* method) {
        dropRedundant(inst, cover);
        if (cover.size() < key.bets.size()) {
            key.bets.clear();
            for (int b : cover)
                key.bets.push_back(inst.block(b));
            key.method = method;
            improved = true;
        }
        return cover;
    };

    std::vector<int> seedStart;
    for (const auto& family : seeds) {
        std::vector<int> cover = consider(toBlockIndices(inst, family), seedMethod);
        if (seedStart.empty() || cover.size() < seedStart.size()) seedStart = std::move(cover);
    }
    Rng rng(seed);
    const bool firstPass = effort == Effort::full;
    if (firstPass) {
        if (p.k == 3 && p.m == 4) consider(toBlockIndices(inst, turanTreblesFor4(p.n)), "Turan");
        std::vector<int> rank(inst.blockCount());
        for (int b = 0; b < inst.blockCount(); ++b)
            rank[b] = b;
        key.greedySize = static_cast<int>(consider(greedyCover(inst, rank), "greedy").size());
        // Further tie-break orders: reverse lexicographic, then fixed-seed shuffles.
        for (int restart = 0; restart < kGreedyRestarts; ++restart) {
            if (restart == 0) {
                std::reverse(rank.begin(), rank.end());
            } else {
                for (int i = inst.blockCount() - 1; i > 0; --i)
                    std::swap(rank[i], rank[rng.below(i + 1)]);
            }
            consider(greedyCover(inst, rank), "greedy");
        }
    } else if (!improved && effort == Effort::ifSeedWins) {
        return;
    }

    // The search outcome depends a lot on luck, so keys that are still bigger than the best known
    // size get extra runs.
    const std::optional<int> target = bestKnownSize(p);
    auto worthAnotherRun = [&](int run) {
        if (static_cast<std::int64_t>(key.bets.size()) <= key.lowerBound) return false;
        if (run < kLocalSearchRuns) return true;
        return firstPass && target && static_cast<int>(key.bets.size()) > *target &&
               run < kMaxLocalSearchRuns;
    };
    // Every other run starts elsewhere than at the best key: restarting from the same deep local
    // optimum tends to end there again. In the first pass that is a fresh greedy cover, later the seed.
    for (int run = 0; worthAnotherRun(run); ++run) {
        std::vector<int> start = toBlockIndices(inst, key.bets);
        if (effort == Effort::searchSeeded && run % 2 == 0 && !seedStart.empty()) {
            start = seedStart;
        } else if (firstPass && run % 2 == 1) {
            std::vector<int> rank(inst.blockCount());
            for (int b = 0; b < inst.blockCount(); ++b)
                rank[b] = b;
            for (int i = inst.blockCount() - 1; i > 0; --i)
                std::swap(rank[i], rank[rng.below(i + 1)]);
            start = consider(greedyCover(inst, rank), "greedy");
        }
        WeightedLocalSearch search(inst, start, rng.next());
        consider(search.shrink(kLocalSearchWork, kLocalSearchStallSteps, key.lowerBound), "local search");
    }
}

// --- Output -------------------------------------------------------------------------------

std::string twoDigits(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string keyFileName(KeyParams p) {
    return twoDigits(p.k) + "_" + twoDigits(p.n) + "_" + twoDigits(p.m) + ".txt";
}

std::vector<std::vector<int>> sortedTipLists(const std::vector<Mask>& bets) {
    std::vector<std::vector<int>> lists;
    for (Mask bet : bets) {
        std::vector<int> tips = elementsOf(bet);
        for (int& tip : tips)
            ++tip;
        lists.push_back(std::move(tips));
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

std::string keyFileContent(const std::vector<Mask>& bets) {
    std::string content;
    for (const auto& tips : sortedTipLists(bets)) {
        for (std::size_t i = 0; i < tips.size(); ++i) {
            char field[8];
            std::snprintf(field, sizeof field, "%s%03d", i == 0 ? "" : " ", tips[i]);
            content += field;
        }
        content += "\r\n";
    }
    return content;
}

// The program reads the index as Windows-1250 text. Only these few accented letters occur in it.
std::string toWindows1250(std::string_view utf8) {
    static constexpr struct {
        std::string_view utf8;
        char cp1250;
    } kLetters[] = {{"á", '\xE1'}, {"é", '\xE9'}, {"ö", '\xF6'}, {"ő", '\xF5'}};
    std::string result;
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            result += utf8[i++];
            continue;
        }
        bool known = false;
        for (const auto& letter : kLetters) {
            if (utf8.substr(i, letter.utf8.size()) == letter.utf8) {
                result += letter.cp1250;
                i += letter.utf8.size();
                known = true;
                break;
            }
        }
        if (!known) throw std::runtime_error("no Windows-1250 mapping for a character in the index text");
    }
    return result;
}

std::string indexLine(KeyParams p, std::size_t betCount) {
    const std::string kind = std::to_string(p.k) + (p.k == 2 ? "-es" : "-as");
    return toWindows1250(keyFileName(p) + "  " + kind + " kötések, " + std::to_string(p.n) + " esemény, " +
                         std::to_string(p.m) + " találat esetén biztos nyerő, " + std::to_string(betCount) +
                         " fogadás") +
           "\r\n";
}

void writeBinary(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<KeyParams> allKeyParams() {
    std::vector<KeyParams> params;
    for (int k = kMinTipsPerBet; k <= kMaxTipsPerBet; ++k) {
        for (int n = kMinEvents; n <= kMaxEvents; ++n) {
            for (int m = k + 1; m < n; ++m)
                params.push_back({k, n, m});
        }
    }
    return params;
}

// Runs job(i) for every index, spread over the available cores. Every job must be deterministic on
// its own and touch only its own key, so the thread count never changes the output.
template <typename Job>
void runInParallel(const std::vector<std::size_t>& indices, Job job) {
    std::atomic<std::size_t> next{0};
    std::mutex errorMutex;
    std::string error;
    auto worker = [&] {
        for (std::size_t i = next++; i < indices.size(); i = next++) {
            try {
                job(indices[i]);
            } catch (const std::exception& e) {
                const std::lock_guard lock(errorMutex);
                error = e.what();
            }
        }
    };
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
        threads.emplace_back(worker);
    threads.clear();  // joins
    if (!error.empty()) throw std::runtime_error(error);
}

// Three sweeps over the event counts, each building on neighbouring keys:
//   1. from the most events down: full search, seeded by the key with one event more;
//   2. upwards: seeded by extendByTip from the keys with one event less, searching again where the
//      key looks too big next to the smaller one;
//   3. downwards again, so that improvements from sweep 2 reach the smaller keys.
// Keys with the same number of events never depend on each other and run in parallel.
std::vector<KeyResult> buildAll(const std::vector<KeyParams>& params) {
    std::vector<KeyResult> keys;
    for (KeyParams p : params)
        keys.push_back(initialKey(p));
    auto find = [&](int k, int n, int m) -> const KeyResult* {
        for (const KeyResult& key : keys) {
            if (key.params.k == k && key.params.n == n && key.params.m == m) return &key;
        }
        return nullptr;
    };
    auto wave = [&](int n) {
        std::vector<std::size_t> indices;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].params.n == n) indices.push_back(i);
        }
        // Largest instances first, so the small ones fill the gaps at the end.
        auto cost = [](KeyParams p) { return binomial(p.n, p.m) * binomial(p.m, p.k); };
        std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
            return cost(keys[a].params) > cost(keys[b].params);
        });
        return indices;
    };
    auto seedFor = [](KeyParams p, int sweep) {
        return 0x4B6F6D62ULL * 1000003 +
               static_cast<std::uint64_t>(sweep * 1000000 + p.k * 10000 + p.n * 100 + p.m);
    };
    auto downwards = [&](int sweep) {
        for (int n = kMaxEvents; n >= kMinEvents; --n) {
            runInParallel(wave(n), [&](std::size_t i) {
                const KeyParams p = keys[i].params;
                std::vector<std::vector<Mask>> seeds;
                if (const KeyResult* larger = find(p.k, p.n + 1, p.m)) {
                    seeds.push_back(dropBusiestTip(larger->bets, p.n + 1));
                }
                improveKey(keys[i], seeds, "from larger key", sweep == 1 ? Effort::full : Effort::ifSeedWins,
                           seedFor(p, sweep));
            });
        }
    };

    downwards(1);
    for (int n = kMinEvents + 1; n <= kMaxEvents; ++n) {
        runInParallel(wave(n), [&](std::size_t i) {
            const KeyParams p = keys[i].params;
            const KeyResult* same = find(p.k, p.n - 1, p.m);
            const KeyResult* oneTipLess = find(p.k - 1, p.n - 1, p.m - 1);
            if (!same || !oneTipLess) return;
            // Each tip lies in at most a share k/n of the bets of a key for n events (else dropping the
            // busiest tip would beat the key for n-1), so a key clearly above n/(n-k) times the
            // smaller key has room left: search it again, also from the extended smaller key.
            const std::size_t averagingBound = (p.n * same->bets.size() + p.n - p.k - 1) / (p.n - p.k);
            const bool roomLeft =
                keys[i].bets.size() >= averagingBound + 2 && keys[i].bets.size() * 20 > averagingBound * 21;
            improveKey(keys[i], {extendByTip(same->bets, oneTipLess->bets, p.n)}, "from smaller keys",
                       roomLeft ? Effort::searchSeeded : Effort::ifSeedWins, seedFor(p, 2));
        });
    }
    downwards(3);
    return keys;
}

int run(const std::filesystem::path& outDir) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<KeyResult> results = buildAll(allKeyParams());

    std::filesystem::create_directories(outDir);
    std::vector<std::string> index;
    bool allValid = true;
    std::printf("%2s %2s %2s %5s %5s %6s %5s  %s\n", "KK", "NN", "MM", "size", "best", "greedy", "bound",
                "method");
    for (KeyResult& r : results) {
        const KeyParams p = r.params;
        if (static_cast<std::int64_t>(r.bets.size()) >= binomial(p.n, p.k)) continue;  // no saving
        r.verdict = verifyKey(p, r.bets);
        const std::optional<int> best = bestKnownSize(p);
        std::printf("%2d %2d %2d %5zu %5s %6s %5lld  %s%s%s\n", p.k, p.n, p.m, r.bets.size(),
                    best ? std::to_string(*best).c_str() : "-",
                    r.greedySize < 0 ? "-" : std::to_string(r.greedySize).c_str(),
                    static_cast<long long>(r.lowerBound), r.method.c_str(),
                    best && static_cast<int>(r.bets.size()) > *best ? "  ABOVE BEST KNOWN" : "",
                    r.verdict.guaranteesMMinus1 ? "  (also guarantees MM-1)" : "");
        if (!r.verdict.guaranteesM) {
            std::fprintf(stderr, "error: %s does not guarantee %d\n", keyFileName(p).c_str(), p.m);
            allValid = false;
            continue;
        }
        writeBinary(outDir / keyFileName(p), keyFileContent(r.bets));
        index.push_back(indexLine(p, r.bets.size()));
    }
    std::sort(index.begin(), index.end());
    std::string indexBytes;
    for (const std::string& line : index)
        indexBytes += line;
    writeBinary(outDir / "tippek.inf", indexBytes);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu keys written to %s in %.1f s\n", index.size(), outDir.string().c_str(), seconds);
    return allValid ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "keygen");
        return 2;
    }
    try {
        return run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "keygen: %s\n", e.what());
        return 1;
    }
}
