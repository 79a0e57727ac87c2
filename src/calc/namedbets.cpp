// The named bets of their table: captions, descriptions and bet lines.
#include "calc/namedbets.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

#include "app/form1.h"
#include "calc/combinations.h"
#include "calc/output.h"

namespace kombinator::calc {

namespace {

// The tips of a part in ascending order: its own set, or every tip in hand.
std::vector<int> tipsOf(const Cover& cover, int tipCount) {
    std::vector<int> tips;
    for (int tip = 1; tip <= tipCount; ++tip) {
        if (cover.tips == 0 || (cover.tips >> (tip - 1)) & 1U) tips.push_back(tip);
    }
    return tips;
}

// Part by part: the doubles, trebles, ... in the order of the full covers, then the singles,
// then the any-to-come pairs, each pair both ways round ("01 > 02", "02 > 01").
void writeNamedBet(Form1& form, const NamedBet& bet) {
    const int n = form.module1.tipCount;
    if (!bet.fits(n)) return;
    Output output(form);
    output.begin();
    output.reserve(static_cast<qsizetype>(namedBetCount(bet, n)));
    for (const Cover& cover : bet.covers) {
        const std::vector<int> tips = tipsOf(cover, n);
        const int m = static_cast<int>(tips.size());
        std::vector<int> rows;
        for (int k = std::max(cover.fromFold, 2); k <= cover.toFold; ++k) {
            forEachCombination(m, k, [&](std::span<const int> at) {
                rows.clear();
                for (const int i : at)
                    rows.push_back(tips[static_cast<size_t>(i - 1)]);
                output.add(rows);
            });
        }
        if (cover.fromFold == 1 && cover.toFold >= 1) {
            for (const int tip : tips)
                output.add(std::array{tip});
        }
        if (cover.carry == 0) continue;
        for (int i = 0; i < m; ++i) {
            for (int j = i + 1; j < m; ++j) {
                const int a = tips[static_cast<size_t>(i)];
                const int b = tips[static_cast<size_t>(j)];
                output.addAnyToCome({a, b, cover.carry});
                output.addAnyToCome({b, a, cover.carry});
            }
        }
    }
    output.close();
}

}  // namespace

QString NamedBet::caption() const {
    const QString text = QString::fromUtf8(name);
    return tips == maxTips ? text + u' ' + QString::number(bets) : text;
}

QString NamedBet::description() const {
    if (tips == maxTips) {
        return QCoreApplication::translate("calc", "%1: %2 tipp, %3 fogadás")
            .arg(QString::fromUtf8(name))
            .arg(tips)
            .arg(bets);
    }
    //: An any-to-come bet over every pair of the tips: its name, its fewest tips, its bets per pair.
    return QCoreApplication::translate("calc", "%1: %2 vagy több tipp, páronként %3 fogadás")
        .arg(QString::fromUtf8(name))
        .arg(tips)
        .arg(bets);
}

}  // namespace kombinator::calc

namespace kombinator {

void Form1::namedBetClicked(size_t index) {
    if (index < calc::kNamedBets.size()) calc::writeNamedBet(*this, calc::kNamedBets[index]);
}

}  // namespace kombinator
