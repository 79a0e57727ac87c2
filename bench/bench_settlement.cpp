// The odds command and the evaluation over long bet lists: a key or a big system gives hundreds
// of thousands of lines, and both commands rewrite the whole amount list.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include "app/form1.h"
#include "calc/output.h"
#include "quietplatform.h"

namespace {

using namespace kombinator;
using kombinator::bench::QuietPlatform;

// 20 tips and a banker; every tip marked as won; `bets` fivefolds cycling through the tips.
void setUp(Form1& form, int bets) {
    bench::twentyTipsAndABanker(form);
    form.Grid1.clickCell(0, 3);
    QStringList lines;
    lines.reserve(bets);
    int rows[5];
    for (int i = 0; i < bets; ++i) {
        for (int k = 0; k < 5; ++k)
            rows[k] = 1 + (i + 4 * k) % 20;
        std::sort(rows, rows + 5);
        lines.append(calc::betLine(rows));
    }
    form.List1.setLines(lines);
}

void run(benchmark::State& state, void (Form1::*command)()) {
    QuietPlatform platform;
    Form1 form(platform);
    setUp(form, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        (form.*command)();
        benchmark::DoNotOptimize(form.List3.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_OddsCommand(benchmark::State& state) {
    run(state, &Form1::Command19_Click);
}
void BM_Evaluation(benchmark::State& state) {
    run(state, &Form1::Command21_Click);
}

BENCHMARK(BM_OddsCommand)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Evaluation)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
