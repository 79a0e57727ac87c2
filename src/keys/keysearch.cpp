#include "keys/keysearch.h"

#include <algorithm>
#include <bit>
#include <ctime>

#include "keys/coverinstance.h"
#include "keys/localsearch.h"

namespace kombinator::keys {

namespace {

constexpr int kGreedyRestarts = 8;
// Shapes whose every winner set takes longer than this to cover once (about 5 s of processor time
// here, such as 24 events with 12 winners) keep the constructed key: a search could not even set
// itself up within the window's budget, nor stop promptly when asked.
constexpr std::int64_t kMaxCoverageWork = 1'500'000'000;
// A greedy cover costing more work units than this share of the budget is left out.
constexpr std::int64_t kGreedyShare = 20;

// Processor time of the calling thread: a busy machine does not shorten the search.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool isKeyOfShape(KeyShape shape, const std::vector<Bet>& bets) {
    return !bets.empty() && std::all_of(bets.begin(), bets.end(), [&](Bet bet) {
        return std::popcount(bet) == shape.k && (shape.n >= 64 || (bet >> shape.n) == 0);
    });
}

}  // namespace

bool isSearchable(KeyShape s) {
    return s.k > 2 && CoverInstance::fits(s) && CoverInstance::coverageWork(s) <= kMaxCoverageWork;
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
    const double cpuStart = threadCpuSeconds();
    const auto report = [&](std::size_t size, std::int64_t work) {
        double done = effort.work > 0
                          ? std::min(1.0, static_cast<double>(work) / static_cast<double>(effort.work))
                          : 1.0;
        bool outOfTime = false;
        if (effort.cpuSeconds > 0) {
            const double used = threadCpuSeconds() - cpuStart;
            outOfTime = used >= effort.cpuSeconds;
            done = std::max(done, std::min(1.0, used / effort.cpuSeconds));
        }
        return (!listener || listener({size, done})) && !outOfTime;
    };
    const std::int64_t goal = searchGoal(shape);
    if (!isSearchable(shape)) {
        for (const std::vector<Bet>& start : starts) {
            if (start.size() <= best.size() && isKeyOfShape(shape, start) && provesGuarantee(shape, start))
                best = start;
        }
        if (listener) listener({best.size(), 1.0});
        return sortedUnique(best);
    }
    const CoverInstance inst(shape);
    const auto consider = [&](std::vector<int> cover) {
        dropRedundant(inst, cover);
        if (cover.size() < best.size()) best = inst.betsOf(cover);
        return cover;
    };
    // Only complete keys of this shape count as starts; the first of the smallest is the key to
    // beat, so a key in hand is only ever replaced by a smaller one.
    std::vector<std::vector<int>> valid = {inst.indicesOf(best)};
    bool startTaken = false;
    for (const std::vector<Bet>& start : starts) {
        if (!isKeyOfShape(shape, start)) continue;
        std::vector<int> cover = inst.indicesOf(sortedUnique(start));
        if (!inst.covers(cover)) continue;
        dropRedundant(inst, cover);
        if (cover.size() < best.size() || (cover.size() == best.size() && !startTaken)) {
            best = inst.betsOf(cover);
            startTaken = true;
        }
        valid.push_back(std::move(cover));
    }
    if (static_cast<std::int64_t>(best.size()) <= goal || !report(best.size(), 0)) {
        if (listener) listener({best.size(), 1.0});
        return sortedUnique(best);
    }

    Rng rng(effort.seed);
    std::int64_t work = 0;
    bool stopped = false;
    std::vector<int> rank(static_cast<std::size_t>(inst.blockCount()));
    const bool greedyPays = greedyWork(inst) * kGreedyShare <= effort.work;
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
    for (int restart = 0; greedyPays && restart < kGreedyRestarts && !stopped; ++restart) {
        shuffledGreedy(restart > 0);
        stopped = !report(best.size(), work) || static_cast<std::int64_t>(best.size()) <= goal;
    }

    // Every other run starts from a fresh greedy cover (or another start) instead of the best key.
    for (int run = 0; !stopped && work<effort.work&& static_cast<std::int64_t>(best.size())> goal; ++run) {
        std::vector<int> start = inst.indicesOf(best);
        if (run % 2 == 1) start = greedyPays ? shuffledGreedy(true) : valid[rng.below(valid.size())];
        WeightedLocalSearch search(inst, start, rng.next());
        const std::int64_t before = work;
        std::vector<int> found = search.shrink(effort.work - before, goal, [&](std::size_t size) {
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

std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener, SearchEffort effort,
                           const KeyBook& book) {
    return improveKey(shape, {}, listener, effort, book);
}

}  // namespace kombinator::keys
