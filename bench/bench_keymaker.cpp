// The key maker as the window and kombinator-cli run it: a key made and proven by the exhaustive
// check, with the time it takes, its size, the bound the program proves and, where one is
// published, the best known size (0 when none is known).
#include <benchmark/benchmark.h>

#include "keys/keysearch.h"

namespace {

using namespace kombinator::keys;

void BM_MakeAndProveKey(benchmark::State& state) {
    const KeyShape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2))};
    std::size_t size = 0;
    for (auto _ : state) {
        const std::vector<Bet> key = searchKey(shape, {}, kInteractiveEffort);
        if (!provesGuarantee(shape, key)) state.SkipWithError("the key failed the exhaustive check");
        size = key.size();
    }
    state.SetLabel(keyName(shape));
    state.counters["size"] = static_cast<double>(size);
    state.counters["bound"] = static_cast<double>(lowerBound(shape));
    state.counters["best_known"] = static_cast<double>(bestKnownSize(shape).value_or(0));
}
BENCHMARK(BM_MakeAndProveKey)
    ->Args({4, 18, 8})
    ->Args({3, 20, 7})
    ->Args({4, 13, 7})
    ->Args({2, 50, 10})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The exhaustive check alone on the largest tables: every subset of 24 events.
void BM_ProveKey(benchmark::State& state) {
    const KeyShape shape{6, 24, 12};
    const std::vector<Bet> key = constructKey(shape);
    for (auto _ : state)
        benchmark::DoNotOptimize(provesGuarantee(shape, key));
    state.counters["size"] = static_cast<double>(key.size());
}
BENCHMARK(BM_ProveKey)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
