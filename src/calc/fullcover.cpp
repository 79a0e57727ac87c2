// The full-cover multiples of the systems' table: captions, descriptions and bet lines.
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <vector>

#include "app/form1.h"
#include "calc/combinations.h"
#include "calc/fullcover.h"
#include "calc/output.h"

namespace kombinator::calc {

namespace {

// Every double, treble, ... up to the (N-1)-fold over all tips, then the N-fold of tips 1 to N,
// then (for the types with singles) the singles of tips 1 to N. The enabling rule lets a button
// be pressed only with exactly N tips; with fewer, the N-fold and the singles would name rows
// that hold no tip, so such a click does nothing.
void writeFullCover(Form1& form, const FullCoverSystem& type) {
    const int n = form.module1.tipCount;
    const int N = type.tips;
    if (n <= 0 || n < N) return;

    calc::Output output(form);
    output.begin();
    std::int64_t bets = 1 + (type.singles ? N : 0);
    for (int k = 2; k < N; ++k)
        bets += calc::combinationCount(n, k);
    output.reserve(static_cast<qsizetype>(std::min<std::int64_t>(bets, 1 << 20)));

    const auto add = [&output](std::span<const int> rows) { output.add(rows); };
    for (int k = 2; k < N; ++k)
        calc::forEachCombination(n, k, add);
    std::vector<int> all(static_cast<size_t>(N));
    for (int r = 1; r <= N; ++r)
        all[static_cast<size_t>(r - 1)] = r;
    output.add(all);
    if (type.singles) {
        for (int r = 1; r <= N; ++r)
            output.add(std::array{r});
    }
    output.close();
}

}  // namespace

QString FullCoverSystem::caption() const {
    const QString text = QString::fromUtf8(name);
    const QString count = QString::number(bets);
    return text.endsWith(u' ' + count) ? text : text + u' ' + count;
}

QString FullCoverSystem::description() const {
    return QCoreApplication::translate("calc", "%1: %2 tipp, %3 fogadás")
        .arg(QString::fromUtf8(name))
        .arg(tips)
        .arg(bets);
}

}  // namespace kombinator::calc

namespace kombinator {

using calc::kFullCoverSystems;

void Form1::fullCoverClicked(size_t index) {
    calc::writeFullCover(*this, kFullCoverSystems[index]);
}

}  // namespace kombinator
