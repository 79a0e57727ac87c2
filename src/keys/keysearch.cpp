#include "keys/keysearch.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <map>
#include <tuple>

namespace kombinator::keys {

namespace {

// The search tables hold every (MM-set, bet inside it) pair twice; beyond this many pairs a shape
// gets its constructed key only (about 130 MB of tables at the limit).
constexpr std::int64_t kMaxSearchPairs = 16'000'000;
constexpr int kGreedyRestarts = 8;
// A local-search run ends after this many steps without a smaller key; the next one starts
// elsewhere, since restarting at the same deep local optimum tends to end there again.
constexpr std::int64_t kStallSteps = 400'000;
// A bet that just changed state may not be added again for this many steps.
constexpr std::int64_t kTabuTenure = 6;
// How often (in steps) a running search tells its listener where it stands.
constexpr std::int64_t kReportEvery = 4096;

constexpr Bet bit(int event) {
    return Bet{1} << event;
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

// The next larger number with as many bits set (Gosper): walks the r-sets in colex order.
Bet nextSameCount(Bet set) {
    const Bet lowest = set & (~set + 1);
    const Bet ripple = set + lowest;
    return ripple | (((set ^ ripple) >> 2) / lowest);
}

std::vector<Bet> allSubsets(int n, int r) {
    std::vector<Bet> result;
    result.reserve(static_cast<std::size_t>(binomial(n, r)));
    if (r == 0) return {0};
    const Bet end = bit(n);
    for (Bet set = bit(r) - 1; set < end; set = nextSameCount(set))
        result.push_back(set);
    return result;
}

// Tip groups of sizes as equal as possible, consecutive events in each group.
std::vector<std::vector<int>> splitIntoGroups(int n, int groups) {
    std::vector<std::vector<int>> result(static_cast<std::size_t>(groups));
    int next = 0;
    for (int g = 0; g < groups; ++g) {
        const int size = n / groups + (g < n % groups ? 1 : 0);
        for (int i = 0; i < size; ++i)
            result[static_cast<std::size_t>(g)].push_back(next++);
    }
    return result;
}

std::vector<Bet> sortedUnique(std::vector<Bet> bets) {
    std::sort(bets.begin(), bets.end());
    bets.erase(std::unique(bets.begin(), bets.end()), bets.end());
    return bets;
}

// The key problem as a set cover: the elements are the MM-sets ("targets"), the sets are the
// possible bets ("blocks"). Every block lies in C(n-k, m-k) targets and every target holds C(m, k)
// blocks, so both incidence lists are flat arrays with fixed strides. Blocks are numbered in colex
// order, which has a closed-form rank.
class CoverInstance {
public:
    explicit CoverInstance(KeyShape shape)
        : shape_(shape),
          blocks_(allSubsets(shape.n, shape.k)),
          targetCount_(static_cast<int>(binomial(shape.n, shape.m))),
          perBlock_(static_cast<int>(binomial(shape.n - shape.k, shape.m - shape.k))),
          perTarget_(static_cast<int>(binomial(shape.m, shape.k))) {
        // Which of a target's m events form each of its blocks, by position.
        std::vector<std::vector<int>> positions;
        for (Bet local : allSubsets(shape.m, shape.k))
            positions.push_back(tipsOf(local));
        members_.reserve(static_cast<std::size_t>(targetCount_) * static_cast<std::size_t>(perTarget_));
        cover_.assign(static_cast<std::size_t>(blockCount()) * static_cast<std::size_t>(perBlock_), -1);
        std::vector<int> filled(static_cast<std::size_t>(blockCount()), 0);
        std::vector<int> events(static_cast<std::size_t>(shape.m));
        const Bet end = bit(shape.n);
        int t = 0;
        for (Bet target = bit(shape.m) - 1; target < end; target = nextSameCount(target), ++t) {
            Bet rest = target;
            for (int& event : events) {
                event = std::countr_zero(rest);
                rest &= rest - 1;
            }
            for (const std::vector<int>& position : positions) {
                std::int64_t rank = 0;
                for (std::size_t i = 0; i < position.size(); ++i)
                    rank +=
                        binomial(events[static_cast<std::size_t>(position[i] - 1)], static_cast<int>(i) + 1);
                const int b = static_cast<int>(rank);
                members_.push_back(b);
                cover_[static_cast<std::size_t>(b) * static_cast<std::size_t>(perBlock_) +
                       static_cast<std::size_t>(filled[static_cast<std::size_t>(b)]++)] = t;
            }
        }
    }

    const KeyShape& shape() const { return shape_; }
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    int targetCount() const { return targetCount_; }
    int perBlock() const { return perBlock_; }
    int perTarget() const { return perTarget_; }
    Bet block(int b) const { return blocks_[static_cast<std::size_t>(b)]; }

    int indexOf(Bet block) const {
        std::int64_t rank = 0;
        int i = 0;
        for (Bet rest = block; rest != 0; rest &= rest - 1)
            rank += binomial(std::countr_zero(rest), ++i);
        return static_cast<int>(rank);
    }

    // Targets that contain block b.
    std::span<const int> targetsOf(int b) const {
        return {cover_.data() + static_cast<std::size_t>(b) * static_cast<std::size_t>(perBlock_),
                static_cast<std::size_t>(perBlock_)};
    }
    // Blocks contained in target t.
    std::span<const int> blocksOf(int t) const {
        return {members_.data() + static_cast<std::size_t>(t) * static_cast<std::size_t>(perTarget_),
                static_cast<std::size_t>(perTarget_)};
    }

    std::vector<int> indicesOf(const std::vector<Bet>& bets) const {
        std::vector<int> indices;
        indices.reserve(bets.size());
        for (Bet bet : bets)
            indices.push_back(indexOf(bet));
        return indices;
    }
    std::vector<Bet> betsOf(const std::vector<int>& indices) const {
        std::vector<Bet> bets;
        bets.reserve(indices.size());
        for (int b : indices)
            bets.push_back(block(b));
        return bets;
    }

private:
    KeyShape shape_;
    std::vector<Bet> blocks_;
    int targetCount_;
    int perBlock_;
    int perTarget_;
    std::vector<int> cover_;
    std::vector<int> members_;
};

// Greedy cover: always take the block lying in the most still-uncovered targets; among equals
// the one with the smallest rank wins.
std::vector<int> greedyCover(const CoverInstance& inst, const std::vector<int>& rank) {
    std::vector<int> gain(static_cast<std::size_t>(inst.blockCount()), inst.perBlock());
    std::vector<char> covered(static_cast<std::size_t>(inst.targetCount()), 0);
    int uncovered = inst.targetCount();
    std::vector<int> chosen;
    while (uncovered > 0) {
        std::size_t best = 0;
        for (std::size_t b = 1; b < gain.size(); ++b) {
            if (gain[b] > gain[best] || (gain[b] == gain[best] && rank[b] < rank[best])) best = b;
        }
        chosen.push_back(static_cast<int>(best));
        for (int t : inst.targetsOf(static_cast<int>(best))) {
            if (covered[static_cast<std::size_t>(t)]) continue;
            covered[static_cast<std::size_t>(t)] = 1;
            --uncovered;
            for (int b : inst.blocksOf(t))
                --gain[static_cast<std::size_t>(b)];
        }
    }
    return chosen;
}

// Drops every bet the cover can do without, trying the latest additions first (in a greedy cover
// those contributed least). One pass is enough: dropping bets only lowers the coverage counts, so
// a bet that was needed when it was examined stays needed.
void dropRedundant(const CoverInstance& inst, std::vector<int>& cover) {
    std::vector<int> count(static_cast<std::size_t>(inst.targetCount()), 0);
    for (int b : cover) {
        for (int t : inst.targetsOf(b))
            ++count[static_cast<std::size_t>(t)];
    }
    std::vector<int> kept;
    for (auto it = cover.rbegin(); it != cover.rend(); ++it) {
        const auto targets = inst.targetsOf(*it);
        if (std::all_of(targets.begin(), targets.end(),
                        [&](int t) { return count[static_cast<std::size_t>(t)] >= 2; })) {
            for (int t : targets)
                --count[static_cast<std::size_t>(t)];
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

    // The smallest complete cover met within the budgets; stops early at `lowerBound`, or when
    // `tick` (called every few thousand steps with the best size so far) returns false.
    std::vector<int> shrink(std::int64_t workBudget, std::int64_t lowerBound,
                            const std::function<bool(std::size_t)>& tick) {
        std::vector<int> best = family_;
        std::int64_t lastImprovement = 0;
        int lastAdded = -1;
        while (work_ < workBudget && step_ - lastImprovement < kStallSteps) {
            ++step_;
            if (step_ % kReportEvery == 0 && !tick(best.size())) break;
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
            work_ += static_cast<std::int64_t>(uncovered_.size()) * inst_.perTarget();
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
                work_ += inst_.perTarget();
            } else if (count == 2) {
                score_[static_cast<std::size_t>(coverXor_[ut])] += weight_[ut];
            }
            coverXor_[ut] ^= b;
        }
        lastChange_[ub] = step_;
        work_ += inst_.perBlock();
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
                work_ += inst_.perTarget();
            } else if (count == 1) {
                score_[static_cast<std::size_t>(coverXor_[ut])] -= weight_[ut];
            }
        }
        lastChange_[ub] = step_;
        work_ += inst_.perBlock();
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
};

// Turán's construction for trebles with guarantee 4: three groups A0, A1, A2; every triple inside
// a group and every triple with two tips in Ai and one in A(i+1 mod 3). Four tips either put three
// in one group, or two in some Ai and one more in a neighbouring group, which in one of the two
// directions is a bet.
std::vector<Bet> turanTreblesFor4(int n) {
    const auto groups = splitIntoGroups(n, 3);
    std::vector<Bet> bets;
    for (Bet bet : allSubsets(n, 3)) {
        int inGroup[3] = {0, 0, 0};
        for (int g = 0; g < 3; ++g) {
            for (int v : groups[static_cast<std::size_t>(g)])
                inGroup[g] += static_cast<int>((bet >> v) & 1);
        }
        for (int g = 0; g < 3; ++g) {
            if (inGroup[g] == 3 || (inGroup[g] == 2 && inGroup[(g + 1) % 3] == 1)) bets.push_back(bet);
        }
    }
    return bets;
}

using ShapeKey = std::tuple<int, int, int>;

const std::vector<Bet>& constructed(KeyShape s, std::map<ShapeKey, std::vector<Bet>>& memo) {
    const ShapeKey id{s.k, s.n, s.m};
    if (const auto found = memo.find(id); found != memo.end()) return found->second;
    std::vector<Bet> best;
    if (s.m >= s.n) {
        best = {bit(s.k) - 1};  // all the events win: any one bet does
    } else if (s.k == 1) {
        for (int event = 0; event <= s.n - s.m; ++event)
            best.push_back(bit(event));  // MM winners miss at most NN - MM of these singles
    } else {
        best = groupConstruction(s);
        if (s.k == 3 && s.m == 4) {
            std::vector<Bet> turan = turanTreblesFor4(s.n);
            if (turan.size() < best.size()) best = std::move(turan);
        }
        if (s.k > 2 && s.m > s.k) {
            const std::vector<Bet>& same = constructed({s.k, s.n - 1, s.m}, memo);
            const std::vector<Bet>& less = constructed({s.k - 1, s.n - 1, s.m - 1}, memo);
            if (same.size() + less.size() < best.size()) best = extendByEvent(same, less, s.n);
        }
    }
    return memo[id] = std::move(best);
}

// The events of a set, counted from 0.
int firstEvent(Bet set) {
    return std::countr_zero(set);
}

// Doubles as a graph: a set of events holds no bet when it is independent. Branch and bound on
// "is there an independent set of `need` events among `candidates`", bounded by a greedy
// partition of the candidates into cliques (an independent set takes one event of each at most).
bool hasIndependentSet(const std::vector<Bet>& adjacent, Bet candidates, int need) {
    if (need <= 0) return true;
    if (std::popcount(candidates) < need) return false;
    int cliques = 0;
    for (Bet rest = candidates; rest != 0; ++cliques) {
        const int v = firstEvent(rest);
        Bet clique = bit(v);
        Bet joinable = rest & adjacent[static_cast<std::size_t>(v)];
        while (joinable != 0) {
            const int u = firstEvent(joinable);
            clique |= bit(u);
            joinable &= adjacent[static_cast<std::size_t>(u)];
        }
        rest &= ~clique;
    }
    if (cliques < need) return false;
    const int v = firstEvent(candidates);
    const Bet without = candidates & ~bit(v);
    return hasIndependentSet(adjacent, without & ~adjacent[static_cast<std::size_t>(v)], need - 1) ||
           hasIndependentSet(adjacent, without, need);
}

}  // namespace

bool isMakeable(KeyShape s) {
    if (s.k < kMinTipsPerBet || s.k > kMaxTipsPerBet) return false;
    if (s.m < s.k || s.m >= s.n) return false;
    return s.n <= (s.k == 2 ? kMaxEventsForDoubles : kMaxEvents);
}

std::string keyName(KeyShape s) {
    std::string name;
    for (int value : {s.k, s.n, s.m}) {
        if (!name.empty()) name += '_';
        if (value < 10) name += '0';
        name += std::to_string(value);
    }
    return name;
}

std::optional<KeyShape> parseKeyName(std::string_view name) {
    if (name.size() != 8 || name[2] != '_' || name[5] != '_') return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const char* first = name.data() + 3 * i;
        if (first[0] < '0' || first[0] > '9' || first[1] < '0' || first[1] > '9') return std::nullopt;
        std::from_chars(first, first + 2, values[i]);
    }
    return KeyShape{values[0], values[1], values[2]};
}

std::int64_t binomial(int n, int r) {
    if (r < 0 || n < 0 || r > n) return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * (n - r + i) / i;
    return result;
}

std::int64_t lowerBound(KeyShape s) {
    if (s.m >= s.n) return 1;
    if (s.m == s.k) return binomial(s.n, s.k);  // a k-set left out would be MM winners without a bet
    if (s.k == 2) {
        // Turán's theorem: no graph on NN events without MM independent ones has fewer edges than
        // MM - 1 disjoint, nearly equal cliques.
        std::int64_t total = 0;
        for (const auto& group : splitIntoGroups(s.n, s.m - 1))
            total += binomial(static_cast<int>(group.size()), 2);
        return total;
    }
    const std::int64_t smaller = lowerBound({s.k, s.n - 1, s.m});
    return (s.n * smaller + s.n - s.k - 1) / (s.n - s.k);
}

std::optional<std::int64_t> bestKnownSize(KeyShape s) {
    if (s.k == 2 || s.m == s.k || s.m == s.n) return lowerBound(s);
    if (s.k == 4 && s.m == 6 && s.n >= 7 && s.n <= 16) {
        constexpr int sizes[] = {3, 6, 12, 20, 34, 51, 79, 115, 161, 220};
        return sizes[s.n - 7];
    }
    if (s.k == 4 && s.m == 7 && s.n >= 8 && s.n <= 16) {
        constexpr int sizes[] = {2, 5, 10, 17, 26, 39, 56, 80, 108};
        return sizes[s.n - 8];
    }
    if (s.k == 3 && s.m == 5 && s.n == 8) return 8;
    return std::nullopt;
}

std::vector<Bet> groupConstruction(KeyShape s) {
    // An MM-set with at most KK-1 winners in each of the (MM-1)/(KK-1) groups would have fewer than
    // MM winners, so some group holds KK of them: a whole bet.
    std::vector<Bet> bets;
    for (const auto& group : splitIntoGroups(s.n, (s.m - 1) / (s.k - 1))) {
        if (static_cast<int>(group.size()) < s.k) continue;
        for (Bet local : allSubsets(static_cast<int>(group.size()), s.k)) {
            Bet bet = 0;
            for (int i : tipsOf(local))
                bet |= bit(group[static_cast<std::size_t>(i - 1)]);
            bets.push_back(bet);
        }
    }
    return bets;
}

std::vector<Bet> extendByEvent(const std::vector<Bet>& sameShape, const std::vector<Bet>& oneTipLess, int n) {
    std::vector<Bet> result = sameShape;
    for (Bet bet : oneTipLess)
        result.push_back(bet | bit(n - 1));
    return result;
}

std::vector<Bet> constructKey(KeyShape shape) {
    if (!isMakeable(shape)) return {};
    std::map<ShapeKey, std::vector<Bet>> memo;
    return sortedUnique(constructed(shape, memo));
}

bool provesGuarantee(KeyShape s, std::span<const Bet> bets) {
    if (s.n < 1 || s.m > s.n || s.n > 64) return false;
    const Bet events = s.n == 64 ? ~Bet{0} : bit(s.n) - 1;
    for (Bet bet : bets) {
        if ((bet & ~events) != 0) return false;
    }
    if (s.n <= kMaxEvents) {
        // containsBet[set]: the set is a bet, or one of its subsets with one event less holds one.
        std::vector<char> containsBet(std::size_t{1} << s.n, 0);
        for (Bet bet : bets)
            containsBet[static_cast<std::size_t>(bet)] = 1;
        for (std::size_t set = 1; set < containsBet.size(); ++set) {
            for (std::size_t rest = set; rest != 0 && !containsBet[set]; rest &= rest - 1)
                containsBet[set] = containsBet[set & ~(std::size_t{1} << std::countr_zero(rest))];
            if (!containsBet[set] && std::popcount(set) == s.m) return false;
        }
        return true;
    }
    // More events than a table of every set allows: doubles only, through the graph they form.
    std::vector<Bet> adjacent(static_cast<std::size_t>(s.n), 0);
    for (Bet bet : bets) {
        if (std::popcount(bet) != 2) return false;
        const int a = firstEvent(bet);
        const int b = firstEvent(bet & (bet - 1));
        adjacent[static_cast<std::size_t>(a)] |= bit(b);
        adjacent[static_cast<std::size_t>(b)] |= bit(a);
    }
    return !hasIndependentSet(adjacent, events, s.m);
}

bool isSearchable(KeyShape s) {
    if (!isMakeable(s) || s.n > kMaxEvents) return false;
    return binomial(s.n, s.m) * binomial(s.m, s.k) <= kMaxSearchPairs;
}

std::vector<Bet> withoutRedundantBets(KeyShape shape, std::vector<Bet> bets) {
    if (!isSearchable(shape)) return bets;
    const CoverInstance inst(shape);
    std::vector<int> cover = inst.indicesOf(bets);
    dropRedundant(inst, cover);
    return inst.betsOf(cover);
}

std::vector<Bet> improveKey(KeyShape shape, const std::vector<std::vector<Bet>>& starts,
                            const SearchListener& listener, SearchEffort effort) {
    // Only starts made of bets of this shape count; the first of the smallest is the key to beat.
    const auto fits = [&](const std::vector<Bet>& start) {
        return !start.empty() && std::all_of(start.begin(), start.end(), [&](Bet bet) {
            return std::popcount(bet) == shape.k && (shape.n >= 64 || (bet >> shape.n) == 0);
        });
    };
    std::vector<std::vector<Bet>> valid;
    for (const std::vector<Bet>& start : starts) {
        if (fits(start)) valid.push_back(start);
    }
    if (valid.empty() && isMakeable(shape)) valid.push_back(constructKey(shape));
    std::vector<Bet> best;
    for (const std::vector<Bet>& start : valid) {
        if (best.empty() || start.size() < best.size()) best = start;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    bool outOfTime = false;
    const auto report = [&](std::size_t size, std::int64_t work) {
        double done = effort.work > 0 ? std::min(1.0, static_cast<double>(work) / effort.work) : 1.0;
        if (effort.timeLimit.count() > 0) {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            outOfTime = elapsed >= effort.timeLimit;
            done = std::max(done,
                            std::min(1.0, static_cast<double>(elapsed.count()) / effort.timeLimit.count()));
        }
        return (!listener || listener({size, done})) && !outOfTime;
    };
    // Beating the best published size is not to be expected in seconds: reaching it is enough.
    const std::int64_t bound = std::max(lowerBound(shape), bestKnownSize(shape).value_or(0));
    // Doubles are made exactly; shapes too big for the tables keep their constructed key.
    if (!isSearchable(shape) || shape.k == 2 || static_cast<std::int64_t>(best.size()) <= bound) {
        if (listener) listener({best.size(), 1.0});
        return sortedUnique(best);
    }

    const CoverInstance inst(shape);
    std::int64_t work = 0;
    bool stopped = false;
    auto consider = [&](std::vector<int> cover) {
        dropRedundant(inst, cover);
        if (cover.size() < best.size()) best = inst.betsOf(cover);
        return cover;
    };
    for (const std::vector<Bet>& start : valid)
        consider(inst.indicesOf(start));
    if (!report(best.size(), 0)) return sortedUnique(best);

    Rng rng(effort.seed);
    std::vector<int> rank(static_cast<std::size_t>(inst.blockCount()));
    auto shuffledGreedy = [&](bool shuffle) {
        for (std::size_t b = 0; b < rank.size(); ++b)
            rank[b] = static_cast<int>(b);
        if (shuffle) {
            for (std::size_t i = rank.size() - 1; i > 0; --i)
                std::swap(rank[i], rank[rng.below(i + 1)]);
        }
        work += static_cast<std::int64_t>(inst.targetCount()) * inst.perTarget();
        return consider(greedyCover(inst, rank));
    };
    for (int restart = 0; restart < kGreedyRestarts && !stopped; ++restart) {
        shuffledGreedy(restart > 0);
        stopped = !report(best.size(), work);
    }

    // Every other run starts from a fresh greedy cover instead of the best key so far.
    for (int run = 0; !stopped && work<effort.work&& static_cast<std::int64_t>(best.size())> bound; ++run) {
        const std::vector<int> start = run % 2 == 0 ? inst.indicesOf(best) : shuffledGreedy(true);
        WeightedLocalSearch search(inst, start, rng.next());
        const std::int64_t before = work;
        std::vector<int> found = search.shrink(effort.work - before, bound, [&](std::size_t size) {
            const std::size_t shown = std::min(size, best.size());
            stopped = !report(shown, before + search.work());
            return !stopped;
        });
        work = before + std::max<std::int64_t>(search.work(), 1);
        consider(std::move(found));
    }
    if (listener) listener({best.size(), 1.0});
    return sortedUnique(best);
}

std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener, SearchEffort effort) {
    if (!isMakeable(shape)) return {};
    return improveKey(shape, {constructKey(shape)}, listener, effort);
}

std::vector<int> tipsOf(Bet bet) {
    std::vector<int> tips;
    for (Bet rest = bet; rest != 0; rest &= rest - 1)
        tips.push_back(firstEvent(rest) + 1);
    return tips;
}

std::string keyFileText(std::span<const Bet> bets) {
    std::vector<std::vector<int>> lines;
    lines.reserve(bets.size());
    for (Bet bet : bets)
        lines.push_back(tipsOf(bet));
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::vector<int>& tips : lines) {
        for (std::size_t i = 0; i < tips.size(); ++i) {
            if (i > 0) text += ' ';
            const std::string digits = std::to_string(tips[i]);
            text += std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
        }
        text += "\r\n";
    }
    return text;
}

std::string keyDescription(KeyShape s, std::size_t betCount) {
    // The suffix follows the number as it is said: kettes, hármas, négyes, ötös, hatos.
    static constexpr const char* kSuffixes[] = {"-es", "-es", "-es", "-as", "-es", "-ös", "-os"};
    const char* suffix = s.k >= 0 && s.k <= 6 ? kSuffixes[s.k] : "-es";
    return std::to_string(s.k) + suffix + " kötések, " + std::to_string(s.n) + " esemény: ha legalább " +
           std::to_string(s.m) + " tipp bejön, legalább egy kötés nyer; " + std::to_string(betCount) +
           " fogadás";
}

}  // namespace kombinator::keys
