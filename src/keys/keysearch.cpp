#include "keys/keysearch.h"

#include <algorithm>
#include <bit>
#include <ctime>

#include "keys/annealing.h"
#include "keys/coverinstance.h"
#include "keys/localsearch.h"
#include "keys/orbitannealing.h"

namespace kombinator::keys {

namespace {

constexpr int kGreedyRestarts = 8;
// Greedy covers are made wherever the local search could set itself up (kMaxLocalSearchSetup), the
// first whatever the budget, the others only while they stay within kGreedyShare of the processor
// time: every search then starts from the best of them.
constexpr std::int64_t kMaxGreedyWork = 1'500'000'000;
constexpr double kGreedyShare = 0.15;
// Where one costs less than a hundredth of that, the local search also starts every other run from a
// fresh greedy cover.
constexpr std::int64_t kCheapGreedies = 100;
// Shapes whose every winner set takes longer than this to cover once (about 5 s of processor time
// here, such as 24 events with 12 winners) are left to the annealing alone: the weighted local
// search could not even set itself up within the window's budget, nor stop promptly when asked.
constexpr std::int64_t kMaxLocalSearchSetup = 1'500'000'000;
// Elsewhere the weighted local search, which settles the small shapes quickly, has this share of
// the processor time (or, without a cap, this much work); the annealing, which gets further on the
// harder ones, takes the rest from the best key met. Where the incidences are kept in tables the
// local search is the stronger one, and has a larger share, counted in time alone.
constexpr double kLocalSearchShare = 0.1;
constexpr double kLocalSearchShareWithTables = 0.4;
constexpr std::int64_t kLocalSearchWork = 250'000'000;
// Of what is left, the searches over symmetric keys (orbitannealing.h) share this part, one
// permutation after another, before the plain annealing goes on from the best key met; without a
// cap on the time each has this much work.
constexpr double kSymmetricShare = 0.5;
constexpr std::size_t kSymmetricRuns = 3;
constexpr std::int64_t kSymmetricWork = 400'000'000;
// Where a bet lies in more winner sets than this, a move of a whole orbit costs too much for the
// symmetric search to get anywhere within the budget: the plain annealing has all the time.
constexpr std::int64_t kMaxSymmetricPerBet = 1'500;
// Keys of shapes with at most this many winner sets are searched in a moment, most to their
// published size: as the two parts of a key side by side (joinSideBySide) they make a far smaller
// key than constructed parts do. The parts of the few splits whose parts promise the smallest key
// are searched, each with this share of the processor time and at most this much work.
constexpr std::int64_t kMaxPartWinnerSets = 5'000;
constexpr std::size_t kSearchedSplits = 3;
constexpr double kPartShare = 0.02;
constexpr std::int64_t kPartWork = 50'000'000;

double processSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

bool isKeyOfShape(KeyShape shape, const std::vector<Bet>& bets) {
    return !bets.empty() && std::all_of(bets.begin(), bets.end(), [&](Bet bet) {
        return std::popcount(bet) == shape.k && (shape.n >= 64 || (bet >> shape.n) == 0);
    });
}

// The book with searched keys for the parts of the splits of `shape` whose parts promise, at the
// size a search ends at for each, a key smaller than `size`.
KeyBook withSearchedParts(KeyShape shape, std::size_t size, const KeyBook& book, SearchEffort effort) {
    std::vector<std::pair<std::int64_t, std::pair<KeyShape, KeyShape>>> promising;
    for (const auto& split : sideBySideSplits(shape)) {
        const auto small = [](KeyShape part) { return binomial(part.n, part.m) <= kMaxPartWinnerSets; };
        const std::int64_t promise = searchGoal(split.first) + searchGoal(split.second);
        if (small(split.first) && small(split.second) && promise < static_cast<std::int64_t>(size))
            promising.emplace_back(promise, split);
    }
    std::sort(promising.begin(), promising.end());
    if (promising.size() > kSearchedSplits) promising.resize(kSearchedSplits);
    KeyBook result = book;
    SearchEffort partEffort = effort;
    partEffort.work = kPartWork;
    partEffort.cpuSeconds = effort.cpuSeconds * kPartShare;
    for (const auto& [promise, split] : promising) {
        for (KeyShape part : {split.first, split.second}) {
            const auto known = result.find(part);
            if (known != result.end() && static_cast<std::int64_t>(known->second.size()) <= searchGoal(part))
                continue;
            std::vector<Bet> key = searchKey(part, {}, partEffort, book);
            if (known == result.end() || key.size() < known->second.size()) result[part] = std::move(key);
        }
    }
    return result;
}

}  // namespace

bool isSearchable(KeyShape s) {
    return s.k > 2 && CoverInstance::fits(s);
}

std::vector<Bet> withoutRedundantBets(KeyShape shape, std::vector<Bet> bets) {
    if (!CoverInstance::fits(shape)) return bets;
    const CoverInstance inst(shape);
    std::vector<int> cover = inst.indicesOf(bets);
    dropRedundant(inst, cover);
    return inst.betsOf(cover);
}

std::vector<Bet> improveKey(KeyShape shape, const std::vector<std::vector<Bet>>& starts,
                            const SearchListener& listener, SearchEffort effort, const KeyBook& book) {
    if (!isMakeable(shape)) return {};
    const CpuClock clock = effort.cpuClock ? effort.cpuClock : &processSeconds;
    const double cpuStart = clock();
    // The constructed key also seeds the symmetric searches: its structure suits them far better
    // than a key a search has shuffled.
    std::vector<Bet> constructed = constructKey(shape, book);
    if (isSearchable(shape))
        constructed = constructKey(shape, withSearchedParts(shape, constructed.size(), book, effort));
    std::vector<Bet> best = constructed;
    SearchStatus status;
    // Tells the listener where the search stands; false once it is to stop: asked to, out of
    // work, or past `cpuLimit` seconds.
    const auto report = [&](std::size_t size, std::int64_t work, double cpuLimit) {
        status.bestSize = size;
        status.seconds = clock() - cpuStart;
        double done = effort.work > 0 && effort.work < INT64_MAX
                          ? std::min(1.0, static_cast<double>(work) / static_cast<double>(effort.work))
                          : 0.0;
        bool outOfTime = false;
        if (effort.cpuSeconds > 0) {
            outOfTime = status.seconds >= cpuLimit;
            done = std::max(done, std::min(1.0, status.seconds / effort.cpuSeconds));
        }
        status.done = done;
        return (!listener || listener(status)) && !outOfTime && work < effort.work;
    };
    const auto finish = [&] {
        status = {};
        status.bestSize = best.size();
        status.done = 1.0;
        status.seconds = clock() - cpuStart;
        if (listener) listener(status);
        return sortedUnique(best);
    };
    const std::int64_t goal = searchGoal(shape);
    for (const std::vector<Bet>& start : starts) {
        if (start.size() <= best.size() && isKeyOfShape(shape, start) && provesGuarantee(shape, start))
            best = sortedUnique(start);
    }
    if (!isSearchable(shape) || static_cast<std::int64_t>(best.size()) <= goal ||
        !report(best.size(), 0, effort.cpuSeconds))
        return finish();

    std::int64_t work = 0;
    Rng rng(effort.seed);
    bool stopped = false;
    if (CoverInstance::coverageWork(shape) <= kMaxLocalSearchSetup) {
        const CoverInstance inst(shape);
        const auto consider = [&](std::vector<int> cover) {
            dropRedundant(inst, cover);
            if (cover.size() < best.size()) best = inst.betsOf(cover);
            return cover;
        };
        // The starts, the constructed key among them, for runs that begin elsewhere.
        std::vector<std::vector<int>> valid = {inst.indicesOf(best)};
        for (const std::vector<Bet>& start : starts) {
            if (!isKeyOfShape(shape, start)) continue;
            std::vector<int> cover = inst.indicesOf(sortedUnique(start));
            if (inst.covers(cover)) valid.push_back(consider(std::move(cover)));
        }
        std::vector<int> rank(static_cast<std::size_t>(inst.blockCount()));
        const bool greedyPays = greedyWork(inst) <= kMaxGreedyWork;
        auto shuffledGreedy = [&](bool shuffle) {
            for (std::size_t b = 0; b < rank.size(); ++b)
                rank[b] = static_cast<int>(b);
            if (shuffle) {
                for (std::size_t i = rank.size() - 1; i > 0; --i)
                    std::swap(rank[i], rank[rng.below(i + 1)]);
            }
            work += greedyWork(inst);
            return consider(greedyCover(inst, rank));
        };
        // The first greedy cover is made whatever the budget, so that no key comes out larger.
        bool localDone = false;
        const double greedyLimit = effort.cpuSeconds * kGreedyShare;
        for (int restart = 0; greedyPays && restart < kGreedyRestarts && !localDone; ++restart) {
            shuffledGreedy(restart > 0);
            localDone =
                static_cast<std::int64_t>(best.size()) <= goal || !report(best.size(), work, greedyLimit);
        }
        stopped = !report(best.size(), work, effort.cpuSeconds);
        localDone = localDone && (stopped || static_cast<std::int64_t>(best.size()) <= goal);
        // The weighted local search has its share from here.
        const bool tables = CoverInstance::keepsTables(shape);
        const double share = tables ? kLocalSearchShareWithTables : kLocalSearchShare;
        const double localLimit = clock() - cpuStart + effort.cpuSeconds * share;
        const std::int64_t localWork =
            tables && effort.cpuSeconds > 0 && effort.work == INT64_MAX
                ? INT64_MAX
                : work + std::min(
                             kLocalSearchWork,
                             static_cast<std::int64_t>(static_cast<double>(effort.work) * kLocalSearchShare));
        const auto reportLocal = [&](std::size_t size, std::int64_t w) {
            return report(size, w, localLimit) && w < localWork;
        };
        const bool greedyCheap = greedyWork(inst) * kCheapGreedies <= kMaxGreedyWork;
        // Every other run starts from a fresh greedy cover (or another start) instead of the best key.
        for (int run = 0; !localDone && work<localWork&& static_cast<std::int64_t>(best.size())> goal;
             ++run) {
            std::vector<int> start = inst.indicesOf(best);
            if (run % 2 == 1) start = greedyCheap ? shuffledGreedy(true) : valid[rng.below(valid.size())];
            WeightedLocalSearch search(inst, start, rng.next());
            const std::int64_t before = work;
            std::vector<int> found = search.shrink(localWork - before, goal, [&](std::size_t size) {
                // Below the best key the family tries a smaller size; the sets it leaves uncovered
                // are counted from the first time it is seen at that size.
                const auto uncovered = static_cast<std::int64_t>(search.uncoveredCount());
                if (search.familySize() >= best.size() || uncovered == 0) {
                    status.trying = 0;
                } else if (search.familySize() != status.trying) {
                    status.trying = search.familySize();
                    status.uncoveredAtStart = uncovered;
                } else {
                    status.uncoveredAtStart = std::max(status.uncoveredAtStart, uncovered);
                }
                status.uncovered = uncovered;
                localDone = !reportLocal(std::min(size, best.size()), before + search.work());
                return !localDone;
            });
            work = before + std::max<std::int64_t>(search.work(), 1);
            consider(std::move(found));
        }
        stopped = stopped || !report(best.size(), work, effort.cpuSeconds);
    }
    // Symmetric keys first, each permutation with an equal part of the time left; then the plain
    // annealing goes on from the best key, symmetric or not.
    const auto annealStatus = [&](const AnnealStatus& at, std::int64_t before, double cpuLimit) {
        status.trying = at.trying;
        status.uncovered = at.uncovered;
        status.uncoveredAtStart = at.uncoveredAtStart;
        return report(std::min(at.bestSize == 0 ? best.size() : at.bestSize, best.size()), before + at.work,
                      cpuLimit);
    };
    std::vector<std::vector<int>> permutations;
    if (!stopped && static_cast<std::int64_t>(best.size()) > goal &&
        binomial(shape.n - shape.k, shape.m - shape.k) <= kMaxSymmetricPerBet)
        permutations = searchPermutations(shape, best.size());
    if (permutations.size() > kSymmetricRuns) permutations.resize(kSymmetricRuns);
    const double symmetricFrom = clock() - cpuStart;
    const double symmetricEach = (effort.cpuSeconds - symmetricFrom) * kSymmetricShare /
                                 static_cast<double>(std::max<std::size_t>(permutations.size(), 1));
    const std::int64_t runWork =
        effort.work < INT64_MAX
            ? static_cast<std::int64_t>(static_cast<double>(effort.work - work) * kSymmetricShare /
                                        static_cast<double>(std::max<std::size_t>(permutations.size(), 1)))
            : kSymmetricWork;
    // A permutation's run goes on while it keeps making its key smaller, within the symmetric
    // searches' share; it gives way to the next once it has gone its equal part without a smaller
    // key.
    const double symmetricEnd = symmetricFrom + (effort.cpuSeconds - symmetricFrom) * kSymmetricShare;
    for (std::size_t run = 0; run < permutations.size() && !stopped; ++run) {
        if (static_cast<std::int64_t>(best.size()) <= goal) break;
        const std::int64_t before = work;
        OrbitAnnealer annealer(shape, permutations[run], constructed, best.size() - 1, rng.next());
        double lastGain = clock() - cpuStart;
        std::size_t runBest = SIZE_MAX;
        bool outOfRun = false;
        std::vector<Bet> found = annealer.shrink(goal, [&](const AnnealStatus& at) {
            work = before + at.work;
            if (!annealStatus(at, before, effort.cpuSeconds)) {
                stopped = true;
                return false;
            }
            const double now = clock() - cpuStart;
            if (at.bestSize != 0 && at.bestSize < runBest) {
                runBest = at.bestSize;
                lastGain = now;
            }
            outOfRun = (effort.cpuSeconds > 0 && (now >= symmetricEnd || now - lastGain >= symmetricEach)) ||
                       at.work >= runWork;
            return !outOfRun;
        });
        // The symmetric key is proven before it is kept: the orbits' bookkeeping stands for it.
        if (!found.empty() && found.size() < best.size() && provesGuarantee(shape, found))
            best = std::move(found);
    }
    if (!stopped && static_cast<std::int64_t>(best.size()) > goal) {
        KeyAnnealer annealer(shape, best, rng.next());
        const std::int64_t before = work;
        std::vector<Bet> found = annealer.shrink(
            goal, [&](const AnnealStatus& at) { return annealStatus(at, before, effort.cpuSeconds); });
        if (!found.empty() && found.size() < best.size()) best = std::move(found);
    }
    return finish();
}

std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener, SearchEffort effort,
                           const KeyBook& book) {
    return improveKey(shape, {}, listener, effort, book);
}

}  // namespace kombinator::keys
