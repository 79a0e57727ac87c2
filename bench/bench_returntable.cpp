// The return table at its limit: 20 tips and a key-like list of 1000 fourfolds, read from the
// window's lists and grids as the menu entry and Ctrl+T do. It must be ready well within the
// blink the user waits for the window (100 ms).
#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

#include "app/form1.h"
#include "calc/output.h"
#include "quietplatform.h"
#include "results/returntable.h"

namespace {

using namespace kombinator;

// 20 tips with odds 1.11 to 1.30 and a banker; `bets` fourfolds of distinct tips drawn at random
// (the same every run), as a key of that size would hold.
void setUp(Form1& form, int bets) {
    bench::twentyTipsAndABanker(form);
    QRandomGenerator random(20);
    QStringList lines;
    lines.reserve(bets);
    for (int i = 0; i < bets; ++i) {
        int rows[4];
        for (int k = 0; k < 4; ++k) {
            do {
                rows[k] = 1 + static_cast<int>(random.bounded(20));
            } while (std::find(rows, rows + k, rows[k]) != rows + k);
        }
        std::sort(rows, rows + 4);
        lines.append(calc::betLine(rows));
    }
    form.List1.setLines(lines);
}

void BM_ReturnTable(benchmark::State& state) {
    bench::QuietPlatform platform;
    Form1 form(platform);
    setUp(form, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::optional<results::ReturnTable> table = results::returnTable(form);
        benchmark::DoNotOptimize(table->rows.back().maxReturn);
    }
    state.counters["tips"] = form.module1.tipCount;
}

}  // namespace

BENCHMARK(BM_ReturnTable)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
