#include "keys/keysearch.h"

#include <algorithm>
#include <bit>
#include <ctime>

#include "keys/annealing.h"
#include "keys/coverinstance.h"
#include "keys/localsearch.h"

namespace kombinator::keys {

namespace {

constexpr int kGreedyRestarts = 8;
// A greedy cover costing more work units than this share of kGreedyBudget (about 4 s of processor
// time here) is left out; one that pays may run past the local search's share of the time.
constexpr std::int64_t kGreedyShare = 20;
constexpr std::int64_t kGreedyBudget = 1'250'000'000;
// Shapes whose every winner set takes longer than this to cover once (about 5 s of processor time
// here, such as 24 events with 12 winners) are left to the annealing alone: the weighted local
// search could not even set itself up within the window's budget, nor stop promptly when asked.
constexpr std::int64_t kMaxLocalSearchSetup = 1'500'000'000;
// Elsewhere the weighted local search, which settles the small shapes quickly, has this share of
// the processor time (or, without a cap, this much work); the annealing, which gets further on the
// harder ones, takes the rest from the best key met.
constexpr double kLocalSearchShare = 0.1;
constexpr std::int64_t kLocalSearchWork = 250'000'000;

double processSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

bool isKeyOfShape(KeyShape shape, const std::vector<Bet>& bets) {
    return !bets.empty() && std::all_of(bets.begin(), bets.end(), [&](Bet bet) {
        return std::popcount(bet) == shape.k && (shape.n >= 64 || (bet >> shape.n) == 0);
    });
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
    std::vector<Bet> best = constructKey(shape, book);
    const CpuClock clock = effort.cpuClock ? effort.cpuClock : &processSeconds;
    const double cpuStart = clock();
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
        const double localLimit = effort.cpuSeconds * kLocalSearchShare;
        const std::int64_t localWork =
            std::min(kLocalSearchWork,
                     static_cast<std::int64_t>(static_cast<double>(effort.work) * kLocalSearchShare));
        const auto reportLocal = [&](std::size_t size, std::int64_t w) {
            return report(size, w, localLimit) && w < localWork;
        };
        std::vector<int> rank(static_cast<std::size_t>(inst.blockCount()));
        const bool greedyPays = greedyWork(inst) * kGreedyShare <= kGreedyBudget;
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
        bool localDone = false;
        for (int restart = 0; greedyPays && restart < kGreedyRestarts && !localDone; ++restart) {
            shuffledGreedy(restart > 0);
            localDone = !reportLocal(best.size(), work) || static_cast<std::int64_t>(best.size()) <= goal;
        }
        // Every other run starts from a fresh greedy cover (or another start) instead of the best key.
        for (int run = 0; !localDone && work<localWork&& static_cast<std::int64_t>(best.size())> goal;
             ++run) {
            std::vector<int> start = inst.indicesOf(best);
            if (run % 2 == 1) start = greedyPays ? shuffledGreedy(true) : valid[rng.below(valid.size())];
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
        stopped = !report(best.size(), work, effort.cpuSeconds);
    }
    if (!stopped && static_cast<std::int64_t>(best.size()) > goal) {
        KeyAnnealer annealer(shape, best, rng.next());
        const std::int64_t before = work;
        std::vector<Bet> found = annealer.shrink(goal, [&](const AnnealStatus& at) {
            status.trying = at.trying;
            status.uncovered = at.uncovered;
            status.uncoveredAtStart = at.uncoveredAtStart;
            return report(std::min(at.bestSize, best.size()), before + at.work, effort.cpuSeconds);
        });
        if (!found.empty() && found.size() < best.size()) best = std::move(found);
    }
    return finish();
}

std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener, SearchEffort effort,
                           const KeyBook& book) {
    return improveKey(shape, {}, listener, effort, book);
}

}  // namespace kombinator::keys
