// Key substitution of a large key file: reading the records and filling the bet list.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/form1.h"
#include "keys/gyari.h"
#include "keys/substitution.h"
#include "quietplatform.h"

namespace {

using namespace kombinator;
using kombinator::bench::QuietPlatform;

QByteArray keyText(int records) {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(records) * 25);
    for (int i = 0; i < records; ++i) {
        text += QByteArray::number(1 + i % 7).rightJustified(3, '0');
        text += " 008 009 010 011 012\r\n";
    }
    return text;
}

void BM_KeyBetLines(benchmark::State& state) {
    const QString text = QString::fromLatin1(keyText(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        QStringList lines = keys::keyBetLines(text);
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KeyBetLines)->Arg(1000000)->Unit(benchmark::kMillisecond);

// "Kiválaszt" in the key dialog: the key file read, decoded, converted and put into the bet list.
void BM_SubstituteThroughDialog(benchmark::State& state) {
    QuietPlatform platform;
    QDir(platform.dir.path()).mkpath(QStringLiteral("tkulcs"));
    QFile library(platform.dir.filePath(QStringLiteral("tkulcs/tippek.inf")));
    if (!library.open(QIODevice::WriteOnly)) return;
    library.write("06_12_01.txt Nagy kulcs\r\n");
    library.close();
    QFile key(platform.dir.filePath(QStringLiteral("tkulcs/06_12_01.txt")));
    if (!key.open(QIODevice::WriteOnly)) return;
    key.write(keyText(static_cast<int>(state.range(0))));
    key.close();

    Form1 form(platform);
    form.module1.tipCount = 12;
    for (auto _ : state) {
        form.Command6.click();
        auto* dialog = static_cast<gyari*>(form.gyariDialog());
        dialog->List1.clickLine(0);
        dialog->Command3.click();
    }
    if (form.List1.count() != state.range(0)) state.SkipWithError("the bet list was not filled");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SubstituteThroughDialog)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
