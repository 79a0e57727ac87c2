// Input far beyond any coupon: a 20 MB clipboard, 100 000 offer lines, a key of a million
// records, a million offer lines deleted at once. None of it may take the program long, and a
// read may not take memory beyond a few times the size of its file.
#include <benchmark/benchmark.h>

#include <algorithm>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "app/form1.h"
#include "keys/gyari.h"
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

// "Vágólap betöltése" of a slip page as a browser copies it, text and HTML, about 5 MB of HTML:
// one leg a card of nested boxes, its old price struck out and a hidden label beside the new one.
void BM_IntakeOfHtml5MB(benchmark::State& state) {
    QuietPlatform platform;
    const QStringList lines = offerLines(16000);
    QString html = QStringLiteral("<html><body><div class=\"slip\">");
    for (qsizetype i = 0; i < lines.size(); i += 3) {
        html += QStringLiteral(
                    "<div class=\"leg\" style=\"display: flex;\"><div class=\"ev\"><span>%1</span></div>"
                    "<div class=\"pick\"><b>%2</b></div><span style=\"text-decoration: "
                    "line-through;\">9,99</span>"
                    "<span class=\"sr-only\">Szorzó</span><span class=\"odds\">%3</span></div>\n")
                    .arg(lines.at(i), lines.at(i + 1), lines.at(i + 2));
    }
    html += QStringLiteral("</div></body></html>");
    platform.clipboard = lines.join(QStringLiteral("\r\n"));
    platform.clipboardHtmlFlavour = html;
    Form1 form(platform);
    for (auto _ : state) {
        form.Command1.click();
        benchmark::DoNotOptimize(form.List5.count());
    }
    if (form.List5.count() != 48000) state.SkipWithError("the page was not read");
    state.SetBytesProcessed(state.iterations() * html.toUtf8().size());
}
BENCHMARK(BM_IntakeOfHtml5MB)->Unit(benchmark::kMillisecond);

// A hostile page's shape: a few hundred boxes deep, two hundred thousand empty elements side by
// side at the bottom. Every element is asked whether it is a leg or a removed tip's notice; the
// answer must not walk its siblings or its subtree again for each one.
void BM_IntakeOfHtmlWideAndDeep(benchmark::State& state) {
    QuietPlatform platform;
    QString html = QStringLiteral("<div>").repeated(400) + QStringLiteral("<i></i>").repeated(200000) +
                   QStringLiteral("<div>Removed <button>Undo</button></div>") +
                   QStringLiteral("</div>").repeated(400);
    platform.clipboard = QStringLiteral("Removed Undo");
    platform.clipboardHtmlFlavour = html;
    Form1 form(platform);
    for (auto _ : state) {
        form.Command1.click();
        benchmark::DoNotOptimize(form.List5.count());
    }
    state.SetBytesProcessed(state.iterations() * html.toUtf8().size());
}
BENCHMARK(BM_IntakeOfHtmlWideAndDeep)->Unit(benchmark::kMillisecond);

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

// A key file of a million bets over 11 tips, about 22 MB.
QByteArray millionBetKey() {
    QByteArray bytes;
    bytes.reserve(25000000);
    for (int i = 0; i < 1000000; ++i) {
        bytes += QByteArray::number(1 + i % 6).rightJustified(3, '0');
        bytes += " 007 008 009 010 011\r\n";
    }
    return bytes;
}

// A key file of a million records, decoded and substituted into the bet list.
void BM_SubstitutionOfMillionRecords(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    form.List5.setLines(offerLines(11));
    form.Command2.click();
    const QByteArray bytes = millionBetKey();
    const QString description = QStringLiteral("02_11_01.txt Egymillió");
    for (auto _ : state) {
        const QString text = files::decode(bytes);
        keys::substituteKeyText(form, description, text);
    }
    if (form.List1.count() != 1000000) state.SkipWithError("the bet list was not filled");
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_SubstitutionOfMillionRecords)->Unit(benchmark::kMillisecond);

// "Sor töröl" on a million offer lines: every line selected (range 0), or every other (range 1).
void BM_DeletionOfMillionLines(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    const QStringList offer = offerLines(333334).mid(0, 1000000);
    for (auto _ : state) {
        state.PauseTiming();
        form.List5.setLines(offer);
        for (int i = 0; i < form.List5.count(); i += 1 + static_cast<int>(state.range(0)))
            form.List5.setSelected(i, true);
        state.ResumeTiming();
        form.Command3.click();
    }
    if (form.List5.count() != (state.range(0) == 0 ? 0 : 500000)) state.SkipWithError("wrong lines deleted");
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_DeletionOfMillionLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Kilobytes of the process's resident memory: now, or at its peak since the peak was reset.
long residentKilobytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// "Kiválaszt" on a key file of a million bets (about 22 MB), read from the key folder into the
// bet list: the time, and the memory the read takes at its peak beyond what was in use before,
// as a multiple of the file's size.
void BM_KeyReadOfMillionBets(benchmark::State& state) {
    QuietPlatform platform;
    Form1 form(platform);
    form.List5.setLines(offerLines(11));
    form.Command2.click();
    QByteArray bytes = millionBetKey();
    QDir().mkpath(platform.dir.filePath(QStringLiteral("tkulcs")));
    QFile key(platform.dir.filePath(QStringLiteral("tkulcs/02_11_01.txt")));
    if (!key.open(QIODevice::WriteOnly) || key.write(bytes) != bytes.size())
        state.SkipWithError("no key file");
    key.close();
    const qsizetype size = bytes.size();
    bytes = QByteArray();
    ListBox library;
    library.setLines({QStringLiteral("02_11_01.txt Egymillió")});
    library.setListIndex(0);
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.List1.clear();
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly)) clear.write("5");  // the peak starts again from now
        clear.close();
        const long before = residentKilobytes("VmRSS:");
        state.ResumeTiming();
        keys::substituteKey(form, library, library.line(0));
        state.PauseTiming();
        peak = std::max(peak, static_cast<double>(residentKilobytes("VmHWM:") - before) * 1024.0 /
                                  static_cast<double>(size));
        state.ResumeTiming();
    }
    if (form.List1.count() != 1000000) state.SkipWithError("the bet list was not filled");
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    state.counters["peak_x_file"] = peak;
}
BENCHMARK(BM_KeyReadOfMillionBets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
