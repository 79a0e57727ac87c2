// The key maker as the window and kombinator-cli run it: a key made with the shipped library as
// building blocks and proven by the exhaustive check. The table gives per shape the size made,
// the shipped size (0: not in the library), the bound the program proves, the best published
// size (0: none known) and the processor time ("CPU"), which is what the search's budget counts.
// Then what a key pays, for the largest keys the profile takes.
#include <benchmark/benchmark.h>

#include "keys/keymaker.h"
#include "keys/keysearch.h"

namespace {

using namespace kombinator::keys;

const KeyBook& shippedBook() {
    static const KeyBook book = readKeyBook(QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/tkulcs"));
    return book;
}

void BM_MakeAndProveKey(benchmark::State& state) {
    const KeyShape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2))};
    const KeyBook& book = shippedBook();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::vector<Bet> key = searchKey(shape, {}, onThreadClock(kInteractiveEffort), book);
        if (!provesGuarantee(shape, key)) state.SkipWithError("the key failed the exhaustive check");
        size = key.size();
    }
    const auto shipped = book.find(shape);
    state.SetLabel(keyName(shape));
    state.counters["size"] = static_cast<double>(size);
    state.counters["shipped"] = shipped == book.end() ? 0.0 : static_cast<double>(shipped->second.size());
    state.counters["bound"] = static_cast<double>(lowerBound(shape));
    state.counters["best_known"] = static_cast<double>(bestKnownSize(shape).value_or(0));
}
BENCHMARK(BM_MakeAndProveKey)
    ->Args({3, 10, 5})
    ->Args({4, 14, 6})
    ->Args({4, 15, 6})
    ->Args({4, 16, 6})
    ->Args({4, 16, 8})
    ->Args({6, 20, 10})
    ->Args({5, 20, 10})
    ->Args({4, 24, 12})
    ->Args({4, 18, 8})
    ->Args({3, 20, 7})
    ->Args({6, 24, 12})
    ->Args({2, 50, 10})
    // Shapes the search once left above their best published size.
    ->Args({3, 19, 5})
    ->Args({4, 17, 9})
    ->Args({5, 14, 9})
    ->Args({5, 24, 16})
    ->Args({6, 16, 10})
    ->Args({6, 20, 15})
    ->Args({6, 22, 15})
    ->Args({6, 24, 16})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The exhaustive check alone on the largest tables: every subset of 24 events.
void BM_ProveKey(benchmark::State& state) {
    const KeyShape shape{6, 24, 12};
    const std::vector<Bet> key = constructKey(shape);
    for (auto _ : state)
        benchmark::DoNotOptimize(provesGuarantee(shape, key));
    state.counters["size"] = static_cast<double>(key.size());
}
BENCHMARK(BM_ProveKey)->Unit(benchmark::kMillisecond);

// What a key of 24 events pays, for every number of winners: the key dialog's table.
void BM_KeyProfile(benchmark::State& state) {
    const KeyShape shape{static_cast<int>(state.range(0)), 24, static_cast<int>(state.range(1))};
    const std::vector<Bet> key = constructKey(shape, shippedBook());
    for (auto _ : state)
        benchmark::DoNotOptimize(keyProfile(shape.n, key));
    state.SetLabel(keyName(shape));
    state.counters["size"] = static_cast<double>(key.size());
}
BENCHMARK(BM_KeyProfile)->Args({4, 12})->Args({6, 12})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
