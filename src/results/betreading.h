// What the odds command and the evaluation share: which bet lists they take, the refresh of the
// tip odds table, the reading of a bet line's tip numbers and the summary lines they close with;
// and what a settlement counts for each tip and banker.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <vector>

#include "app/placeterms.h"

namespace kombinator {
class Form1;
}

namespace kombinator::results {

// Whether the bet list can be priced by the odds command: it has a first line whose first two tip
// fields read as numbers. An empty list and a list of singles are left alone.
bool betListPriceable(const Form1& form);
// Whether the bet list can be settled: it has a first line whose first tip field reads as a
// number. A list of singles is settled as every other bet list.
bool betListSettleable(const Form1& form);

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
// line names no tip or a tip without odds. The odds command gives such a bet no amount line. An
// any-to-come line is priced as its first tip's odds, then the return carried on at the second's.
float oddsProduct(const Form1& form, QStringView betLine);

// What a tip or banker of odds `odds` counts for in a settled bet, by its result flag: won, its
// odds; lost (no result) or placed, 0; cancelled or a non-runner, 1.00; half won, (odds + 1) / 2;
// half lost, 0.50; a dead heat among K for first, odds / K, for a lower place 0. Each in single
// precision, as the bet's product is. Odds 0 (none could be read) pay nothing where the result
// needs them. Public calculators settle quarter lines and dead heats the same way: a leg counts
// its won share at the odds and its void share at 1.
float settledFactor(qint16 result, float odds);

// The number tied in a dead heat result, 0 for any other result; the position they tied for
// (1 for first), 0 for any other result; the dead heat result itself.
int tiedOf(qint16 result);
int deadHeatPosition(qint16 result);
qint16 deadHeatResult(int tied, int position);

// What a tip counts for in the win line and in the place line of a settled bet.
struct SettledFactors {
    float win = 0.0f;
    float place = 0.0f;
};
// The one rule of a tip's settlement, each way. From the exact fraction of the odds text, a Rule
// 4 deduction of R pence taking R % of the winnings: win odds W = 1 + (odds - 1)(1 - R/100), place
// odds Q = 1 + (odds - 1)/F (1 - R/100) for place terms 1/F. Won: W and Q; placed: 0 and Q;
// unplaced: 0 and 0; cancelled or a non-runner: 1 and 1; a dead heat among K for position p with
// P places paid: W/K when p is 1 (else 0), and Q min(K, P - p + 1)/K; half won and half lost as
// settledFactor, in both lines. A tip without place terms counts in a place line as in the win
// line. Without Rule 4 the win factor is settledFactor's, to the last bit.
SettledFactors settledFactors(qint16 result, QStringView oddsText, const TipTerms& terms);

// Whether tip number `tip` names a tip row whose result is settled whatever happens to the
// other tips: cancelled, half won, half lost or a dead heat. A won mark is an assumed result.
bool isSettled(const Form1& form, int tip);

// What tip number `tip` counts for in a settled bet (settledFactor of its result and odds); 0
// for a number that names no tip row.
float settledOddsOf(const Form1& form, int tip);

// Both factors of tip number `tip` (settledFactors of its result, odds and terms); 0 for a number
// that names no tip row.
SettledFactors settledFactorsOf(const Form1& form, int tip);
// settledFactorsOf for every tip row, index 0 to the tip count, read once for a whole bet list.
std::vector<SettledFactors> settledFactorsTable(const Form1& form);
// Its entry for tip number `tip`; 0 and 0 for a number that names no tip row.
inline SettledFactors factorsAt(const std::vector<SettledFactors>& table, int tip) {
    return tip >= 1 && static_cast<std::size_t>(tip) < table.size() ? table[static_cast<std::size_t>(tip)]
                                                                    : SettledFactors{};
}
// What an open tip pays when it wins: its odds less any Rule 4 deduction.
float wonOddsOf(const Form1& form, int tip);

// The banker product of a settlement: every banker counts as won unless marked with another
// result; a banker whose odds do not convert counts as odds 1.
float settledBankerOdds(const Form1& form);
// The same for the win lines and the place lines of an each-way list.
SettledFactors settledBankerFactors(const Form1& form);

// How the bet list is priced: with the odds the grids hold now (the odds command), or settled
// against the marked results (the evaluation).
enum class Pricing { CurrentOdds, Settlement };
// Prices every bet of the bet list and shows the amounts with their summary lines; nothing when
// the list is not taken.
void priceBetList(Form1& form, Pricing pricing);

// Settles every bet of the bet list against the marked results and shows the returns with their
// summary lines; nothing when the list cannot be settled. An each-way bet returns its win line
// and its place line together, the two parts in the bet's tooltip.
void settleBetList(Form1& form);

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
