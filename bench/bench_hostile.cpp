// Input far beyond any coupon: a 20 MB clipboard, 100 000 offer lines, a key of a million
// records. None of it may take the program long.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QStringList>

#include "app/form1.h"
#include "keys/substitution.h"
#include "platform/files.h"
#include "quietplatform.h"

namespace {

using namespace kombinator;
using kombinator::bench::QuietPlatform;

// Offer lines of `tips` tip blocks, as a coupon gives them.
QStringList offerLines(int tips) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(tips) * 3);
    for (int r = 1; r <= tips; ++r) {
        lines << QStringLiteral("Hazai %1 - Vendég %1").arg(r) << QStringLiteral("Hazai %1").arg(r)
              << QStringLiteral("Szorzó: 1,%1").arg(10 + r % 90);
    }
    return lines;
}

// "Vágólap betöltése" with about 20 MB of coupon text (CR LF line ends).
void BM_IntakeOf20MB(benchmark::State& state) {
    QuietPlatform platform;
    platform.clipboard = offerLines(180000).join(QStringLiteral("\r\n"));
    Form1 form(platform);
    for (auto _ : state) {
        form.Command1.click();
        benchmark::DoNotOptimize(form.List5.count());
    }
    if (form.List5.count() != 540000) state.SkipWithError("the offer list was not filled");
    state.SetBytesProcessed(state.iterations() * platform.clipboard.size() * 2);
}
BENCHMARK(BM_IntakeOf20MB)->Unit(benchmark::kMillisecond);

// The same tips as an offer table copies them: a header, then one tab-separated row per tip.
void BM_IntakeOfOfferTable(benchmark::State& state) {
    QuietPlatform platform;
    const QStringList lines = offerLines(180000);
    QStringList rows{QStringLiteral("Esemény\tTipp\tSzorzó")};
    for (qsizetype i = 0; i < lines.size(); i += 3)
        rows << lines.at(i) + u'\t' + lines.at(i + 1) + u'\t' + lines.at(i + 2);
    platform.clipboard = rows.join(QStringLiteral("\r\n"));
    Form1 form(platform);
    for (auto _ : state) {
        form.Command1.click();
        benchmark::DoNotOptimize(form.List5.count());
    }
    if (form.List5.count() != 540000) state.SkipWithError("the rows were not taken apart");
    state.SetBytesProcessed(state.iterations() * platform.clipboard.size() * 2);
}
BENCHMARK(BM_IntakeOfOfferTable)->Unit(benchmark::kMillisecond);

// "Konvertálás" of 100 002 offer lines (with the empty lines between blocks): refused with
// "Maximum 50 esemény választható ki!" after the empty lines are dropped.
void BM_ConversionOf100000Lines(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    QStringList offer;
    for (const QString& line : offerLines(33334)) {
        offer.append(line);
        if (offer.size() % 4 == 3) offer.append(QString());
    }
    for (auto _ : state) {
        state.PauseTiming();
        form.List5.setLines(offer);
        state.ResumeTiming();
        form.Command2.click();
    }
    if (form.module1.tipCount != 0 || platform.messages == 0) state.SkipWithError("not refused");
    state.SetItemsProcessed(state.iterations() * 100002);
}
BENCHMARK(BM_ConversionOf100000Lines)->Unit(benchmark::kMillisecond);

// A key file of a million records, decoded and substituted into the bet list.
void BM_SubstitutionOfMillionRecords(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    form.List5.setLines(offerLines(11));
    form.Command2.click();
    QByteArray bytes;
    bytes.reserve(25000000);
    for (int i = 0; i < 1000000; ++i) {
        bytes += QByteArray::number(1 + i % 6).rightJustified(3, '0');
        bytes += " 007 008 009 010 011\r\n";
    }
    const QString description = QStringLiteral("02_11_01.txt Egymillió");
    for (auto _ : state) {
        const QString text = files::decode(bytes);
        keys::substituteKeyText(form, description, text);
    }
    if (form.List1.count() != 1000000) state.SkipWithError("the bet list was not filled");
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_SubstitutionOfMillionRecords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
