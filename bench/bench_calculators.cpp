// How fast the calculators fill the bet list and the amount list: the largest k-fold the buttons
// allow (6 of 13, 1716 bets), the 7-fold of 13, Goliath 247 and the singles, each through its real
// click handler on Form1's models, every line formatted and stored. A click must stay well within
// one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>

#include "app/form1.h"
#include "quietplatform.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::bench::QuietPlatform;

namespace {

// Tips with odds 1.10, 1.25, ... converted from offer lines by the real conversion.
void convertTips(Form1& form, int tips) {
    QStringList lines;
    for (int i = 1; i <= tips; ++i) {
        lines << QStringLiteral("Hazai%1 - Vendég%1").arg(i) << QStringLiteral("Hazai%1").arg(i)
              << QStringLiteral("Szorzó: %1,%2").arg(1 + i / 10).arg(10 + 15 * i % 90);
    }
    form.List5.setLines(lines);
    form.Command2_Click();
}

void runClicks(benchmark::State& state, int tips, Button& (*button)(Form1&), int bankers = 0) {
    QuietPlatform platform;
    Form1 form(platform);
    convertTips(form, tips);
    for (int m = 1; m <= bankers; ++m) {
        form.Grid2.setRow(m);
        form.Grid2.setCol(3);
        form.Grid2.setText(QStringLiteral("1.%1").arg(20 + m));
    }
    form.module1.bankerCount = static_cast<qint16>(bankers);
    Button& pressed = button(form);
    int bets = 0;
    for (auto _ : state) {
        pressed.click();
        bets = form.List1.count();
        benchmark::DoNotOptimize(form.List3.lines().constData());
    }
    state.counters["bets"] = bets;
    state.counters["bets/s"] =
        benchmark::Counter(static_cast<double>(bets), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

static void BM_KFold6Of13(benchmark::State& state) {
    runClicks(state, 13, [](Form1& f) -> Button& { return f.Command8[4]; });
}
BENCHMARK(BM_KFold6Of13)->Unit(benchmark::kMillisecond);

static void BM_KFold6Of13WithBankers(benchmark::State& state) {
    runClicks(
        state, 13, [](Form1& f) -> Button& { return f.Command8[4]; }, 2);
}
BENCHMARK(BM_KFold6Of13WithBankers)->Unit(benchmark::kMillisecond);

static void BM_KFold7Of13(benchmark::State& state) {
    runClicks(state, 13, [](Form1& f) -> Button& { return f.Command8[5]; });
}
BENCHMARK(BM_KFold7Of13)->Unit(benchmark::kMillisecond);

static void BM_Goliath247(benchmark::State& state) {
    runClicks(state, 8, [](Form1& f) -> Button& { return f.Command18; });
}
BENCHMARK(BM_Goliath247)->Unit(benchmark::kMillisecond);

static void BM_Singles13(benchmark::State& state) {
    runClicks(state, 13, [](Form1& f) -> Button& { return f.Command24; });
}
BENCHMARK(BM_Singles13)->Unit(benchmark::kMillisecond);

// Beyond what the enabled buttons allow (the handler sets no limit): 6 of 20 tips, 38760 bets.
static void BM_KFold6Of20(benchmark::State& state) {
    runClicks(state, 20, [](Form1& f) -> Button& { return f.Command8[4]; });
}
BENCHMARK(BM_KFold6Of20)->Unit(benchmark::kMillisecond);

// The whole click as the user has it: the real button of the real window pressed, the handler
// run, and both list views painted with the new lines.
static void BM_KFold6Of13InWindow(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    ui::MainWindow window(form);
    form.Form_Load();
    window.show();
    QCoreApplication::processEvents();
    convertTips(form, 13);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command8_4"));
    auto* bets = window.findChild<QAbstractItemView*>(QStringLiteral("List1"));
    auto* amounts = window.findChild<QAbstractItemView*>(QStringLiteral("List3"));
    if (!button || !bets || !amounts) {
        state.SkipWithError("the window has no such controls");
        return;
    }
    form.SSTab1.setCurrent(1);  // the bet list in view
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
        bets->viewport()->repaint();
        amounts->viewport()->repaint();
    }
    state.counters["bets"] = form.List1.count();
}
BENCHMARK(BM_KFold6Of13InWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Offscreen unless a display is asked for: the window is painted all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
