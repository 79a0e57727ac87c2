// What the odds command and the evaluation share: which bet lists they take, the refresh of the
// tip odds table, the reading of a bet line's tip numbers and the summary lines they close with;
// and what a settlement counts for each tip and banker.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace kombinator {
class Form1;
}

namespace kombinator::results {

// Whether the bet list can be priced: it has a first line whose first two tip fields read as
// numbers. An empty list and a list of singles are left alone.
bool betListPriceable(const Form1& form);

// The tip odds table afresh: every entry 0, then the odds of tip rows 1 to the tip count from
// the tip grid; an odds cell that is empty or not a number leaves its entry at 0.
void refreshTipOdds(Form1& form);

// The start of pricing or settling the bet list: nullopt when the list is not taken; otherwise
// the tip odds table refreshed and the banker product returned (1 without bankers), the same
// for every bet.
std::optional<float> startPricing(Form1& form);

// The tip numbers of one bet, as read from the fields of its bet line, handed in turn to `use`.
// Returns the number of fields read; a line with none names no tip.
template <typename Use>
int forEachTipNumber(QStringView betLine, Use use);

// The product of one bet line: the factor `factorOf` gives each tip number, in the line's order,
// rounded to single precision after every tip as every bet's product is; nullopt for a line that
// names no tip, which is no bet. Pricing, settling and the return table all multiply through it.
template <typename Factor>
std::optional<float> lineProduct(QStringView betLine, Factor factorOf);

// The odds of tip number `tip` from the tip odds table; 0 for a number that names no tip row
// (00, or beyond the tip count), so a bet naming it never pays.
float tipOddsOf(const Form1& form, int tip);

// The odds product of one bet line from the tip odds table, rounded after every tip; 0 when the
// line names no tip or a tip without odds. The odds command gives such a bet no amount line.
float oddsProduct(const Form1& form, QStringView betLine);

// What a tip or banker of odds `odds` counts for in a settled bet, by its result flag: won, its
// odds; lost (no result), 0; cancelled, 1.00; half won, (odds + 1) / 2; half lost, 0.50; a dead
// heat among K, odds / K. Each in single precision, as the bet's product is. Odds 0 (none could
// be read) pay nothing where the result needs them. Public calculators settle quarter lines and
// dead heats the same way: a leg counts its won share at the odds and its void share at 1.
float settledFactor(qint16 result, float odds);

// The number tied in a dead heat result, 0 for any other result.
int tiedOf(qint16 result);

// Whether tip number `tip` names a tip row whose result is settled whatever happens to the
// other tips: cancelled, half won, half lost or a dead heat. A won mark is an assumed result.
bool isSettled(const Form1& form, int tip);

// What tip number `tip` counts for in a settled bet (settledFactor of its result and odds); 0
// for a number that names no tip row.
float settledOddsOf(const Form1& form, int tip);

// The banker product of a settlement: every banker counts as won unless marked with another
// result; a banker whose odds do not convert counts as odds 1.
float settledBankerOdds(const Form1& form);

// How the bet list is priced: with the odds the grids hold now (the odds command), or settled
// against the marked results (the evaluation).
enum class Pricing { CurrentOdds, Settlement };
// Prices every bet of the bet list and shows the amounts with their summary lines; nothing when
// the list is not taken.
void priceBetList(Form1& form, Pricing pricing);

// Replaces the amount list by `amounts`, an empty line, the total line and the mean line (the
// total over the number of bet lines), and scrolls it so that its last seven lines are in view.
void showAmounts(Form1& form, QStringList amounts, float total);

}  // namespace kombinator::results

#include "calc/output.h"

namespace kombinator::results {

template <typename Use>
int forEachTipNumber(QStringView betLine, Use use) {
    const int fields = calc::tipFieldCount(betLine);
    for (int k = 1; k <= fields; ++k)
        use(calc::numberValue(calc::tipField(betLine, k)));
    return fields;
}

template <typename Factor>
std::optional<float> lineProduct(QStringView betLine, Factor factorOf) {
    float product = 1.0f;
    const int tips = forEachTipNumber(betLine, [&](int tip) { calc::multiplyInto(product, factorOf(tip)); });
    if (tips == 0) return std::nullopt;
    return product;
}

}  // namespace kombinator::results
