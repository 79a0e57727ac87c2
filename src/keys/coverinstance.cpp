#include "keys/coverinstance.h"

#include <algorithm>
#include <array>
#include <bit>

namespace kombinator::keys {

namespace {

// Shapes up to this many (target, block) incidences keep them in two tables of ints (about
// 100 MB at the limit); larger ones compute them.
constexpr std::int64_t kMaxTablePairs = 12'000'000;

// C(n, r) for the colex ranks of sets of up to kMaxEvents events. Both tables are worked out as
// the program is built: the window, which makes no key, does not pay for them as it opens.
struct Binomials {
    std::array<std::array<int, kMaxEvents + 1>, kMaxEvents + 1> value{};
    constexpr Binomials() {
        for (int n = 0; n <= kMaxEvents; ++n)
            for (int r = 0; r <= kMaxEvents; ++r)
                value[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] =
                    static_cast<int>(binomial(n, r));
    }
};
constexpr Binomials kBinomials;

// The colex rank sums C(position, i) over the i-th event of the set. Taken a byte of events at a
// time: what the events of one byte add, given how many events lie below it, and how many it holds.
constexpr int kByteCount = (kMaxEvents + 7) / 8;
struct ByteRanks {
    std::array<std::array<std::array<int, kMaxEvents + 1>, 256>, kByteCount> sum{};
    std::array<int, 256> count{};
    // A byte's sum is that of the byte without its highest event, plus what its highest event
    // adds: few enough steps for any compiler to work the table out.
    constexpr ByteRanks() {
        for (int byte = 1; byte < 256; ++byte) {
            const int high = std::bit_width(static_cast<unsigned>(byte)) - 1;
            const auto rest = static_cast<std::size_t>(byte & ~(1 << high));
            const auto at = static_cast<std::size_t>(byte);
            count[at] = count[rest] + 1;
            for (std::size_t part = 0; part < static_cast<std::size_t>(kByteCount); ++part) {
                const auto& binomials = kBinomials.value[8 * part + static_cast<std::size_t>(high)];
                for (int below = 0; below + count[at] <= kMaxEvents; ++below) {
                    const auto b = static_cast<std::size_t>(below);
                    sum[part][at][b] =
                        sum[part][rest][b] + binomials[b + static_cast<std::size_t>(count[rest]) + 1];
                }
            }
        }
    }
};
constexpr ByteRanks kByteRanks;

}  // namespace

int colexRank(Bet set) {
    int rank = 0;
    int below = 0;
    for (int part = 0; part < kByteCount; ++part) {
        const auto byte = static_cast<std::size_t>((set >> (8 * part)) & 0xFF);
        rank += kByteRanks.sum[static_cast<std::size_t>(part)][byte][static_cast<std::size_t>(below)];
        below += kByteRanks.count[byte];
    }
    return rank;
}

namespace {

// The next larger number with as many bits set (Gosper): walks the r-sets in colex order.
Bet nextSameCount(Bet set) {
    const Bet lowest = set & (~set + 1);
    const Bet ripple = set + lowest;
    return ripple | (((set ^ ripple) >> 2) / lowest);
}

template <typename Visit>
void forEachSubset(int n, int r, Visit visit) {
    if (r == 0) {
        visit(Bet{0});
        return;
    }
    const Bet end = bit(n);
    for (Bet set = bit(r) - 1; set < end; set = nextSameCount(set))
        visit(set);
}

// Spreads the low bits of `compact` onto the events listed in `events`.
Bet spread(Bet compact, const int* events) {
    Bet set = 0;
    for (Bet rest = compact; rest != 0; rest &= rest - 1)
        set |= bit(events[std::countr_zero(rest)]);
    return set;
}

}  // namespace

bool CoverInstance::fits(KeyShape s) {
    return isMakeable(s) && s.n <= kMaxEvents;
}

std::int64_t CoverInstance::coverageWork(KeyShape s) {
    const std::int64_t pairs = binomial(s.n, s.m) * binomial(s.m, s.k);
    return pairs <= kMaxTablePairs ? pairs : 3 * pairs;
}

bool CoverInstance::keepsTables(KeyShape s) {
    return coverageWork(s) <= kMaxTablePairs;
}

CoverInstance::CoverInstance(KeyShape shape)
    : shape_(shape),
      targetCount_(static_cast<int>(binomial(shape.n, shape.m))),
      perBlock_(static_cast<int>(binomial(shape.n - shape.k, shape.m - shape.k))),
      perTarget_(static_cast<int>(binomial(shape.m, shape.k))) {
    forEachSubset(shape.n, shape.k, [&](Bet set) { blocks_.push_back(set); });
    forEachSubset(shape.m, shape.k, [&](Bet local) {
        for (Bet rest = local; rest != 0; rest &= rest - 1)
            positions_.push_back(static_cast<std::uint8_t>(std::countr_zero(rest)));
    });
    tables_ = keepsTables(shape);
    targetSets_.reserve(static_cast<std::size_t>(targetCount_));
    forEachSubset(shape.n, shape.m, [&](Bet set) { targetSets_.push_back(static_cast<std::uint32_t>(set)); });
    targetBuffer_.reserve(static_cast<std::size_t>(perBlock_));
    blockBuffer_.reserve(static_cast<std::size_t>(perTarget_));
    if (!tables_) return;
    // The tables are filled from the computed incidences; then the target sets can go.
    std::vector<int> members;
    members.reserve(static_cast<std::size_t>(targetCount_) * static_cast<std::size_t>(perTarget_));
    cover_.assign(static_cast<std::size_t>(blockCount()) * static_cast<std::size_t>(perBlock_), -1);
    std::vector<int> filled(static_cast<std::size_t>(blockCount()), 0);
    for (int t = 0; t < targetCount_; ++t) {
        for (int b : blocksOf(t)) {
            members.push_back(b);
            cover_[static_cast<std::size_t>(b) * static_cast<std::size_t>(perBlock_) +
                   static_cast<std::size_t>(filled[static_cast<std::size_t>(b)]++)] = t;
        }
    }
    members_ = std::move(members);
    targetSets_ = {};
}

Bet CoverInstance::targetSet(int t) const {
    return targetSets_[static_cast<std::size_t>(t)];
}

int CoverInstance::indexOf(Bet set) const {
    return colexRank(set);
}

std::span<const int> CoverInstance::targetsOf(int b) const {
    if (tables_) {
        return {cover_.data() + static_cast<std::size_t>(b) * static_cast<std::size_t>(perBlock_),
                static_cast<std::size_t>(perBlock_)};
    }
    const Bet blockSet = block(b);
    int others[kMaxEvents];
    int count = 0;
    for (int event = 0; event < shape_.n; ++event) {
        if (!((blockSet >> event) & 1)) others[count++] = event;
    }
    targetBuffer_.clear();
    forEachSubset(count, shape_.m - shape_.k, [&](Bet compact) {
        targetBuffer_.push_back(colexRank(blockSet | spread(compact, others)));
    });
    return targetBuffer_;
}

std::span<const int> CoverInstance::blocksOf(int t) const {
    if (!members_.empty()) {
        return {members_.data() + static_cast<std::size_t>(t) * static_cast<std::size_t>(perTarget_),
                static_cast<std::size_t>(perTarget_)};
    }
    int events[kMaxEvents];
    int count = 0;
    for (Bet rest = targetSet(t); rest != 0; rest &= rest - 1)
        events[count++] = std::countr_zero(rest);
    blockBuffer_.clear();
    const std::uint8_t* position = positions_.data();
    for (int i = 0; i < perTarget_; ++i) {
        int rank = 0;
        for (int j = 0; j < shape_.k; ++j, ++position)
            rank += kBinomials
                        .value[static_cast<std::size_t>(events[*position])][static_cast<std::size_t>(j + 1)];
        blockBuffer_.push_back(rank);
    }
    return blockBuffer_;
}

std::vector<int> CoverInstance::indicesOf(const std::vector<Bet>& bets) const {
    std::vector<int> indices;
    indices.reserve(bets.size());
    for (Bet bet : bets)
        indices.push_back(indexOf(bet));
    return indices;
}

std::vector<Bet> CoverInstance::betsOf(const std::vector<int>& indices) const {
    std::vector<Bet> bets;
    bets.reserve(indices.size());
    for (int b : indices)
        bets.push_back(block(b));
    return bets;
}

bool CoverInstance::covers(const std::vector<int>& cover) const {
    std::vector<char> covered(static_cast<std::size_t>(targetCount_), 0);
    int count = 0;
    for (int b : cover) {
        for (int t : targetsOf(b)) {
            char& mark = covered[static_cast<std::size_t>(t)];
            count += mark == 0;
            mark = 1;
        }
    }
    return count == targetCount_;
}

std::int64_t greedyWork(const CoverInstance& inst) {
    return CoverInstance::coverageWork(inst.shape());
}

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
        const std::span<const int> targets = inst.targetsOf(static_cast<int>(best));
        const std::vector<int> newlyCovered(targets.begin(), targets.end());
        for (int t : newlyCovered) {
            if (covered[static_cast<std::size_t>(t)]) continue;
            covered[static_cast<std::size_t>(t)] = 1;
            --uncovered;
            for (int b : inst.blocksOf(t))
                --gain[static_cast<std::size_t>(b)];
        }
    }
    return chosen;
}

// Trying the latest additions first (in a greedy cover those contributed least). One pass is
// enough: dropping bets only lowers the coverage counts, so a bet that was needed when it was
// examined stays needed.
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

}  // namespace kombinator::keys
