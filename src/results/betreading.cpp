#include "results/betreading.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

#include "app/form1.h"
#include "calc/odds.h"

namespace kombinator::results {

bool betListPriceable(const Form1& form) {
    if (form.List1.count() == 0) return false;
    const QString first = form.List1.line(0);
    return (calc::readsAsNumber(calc::tipField(first, 1)) && calc::readsAsNumber(calc::tipField(first, 2))) ||
           calc::readAnyToCome(first);
}

bool betListSettleable(const Form1& form) {
    return form.List1.count() > 0 && calc::readsAsNumber(calc::tipField(form.List1.line(0), 1));
}

void refreshTipOdds(Form1& form) {
    form.tipOdds.fill(0.0f);
    const int tips = std::min<int>(form.module1.tipCount, Form1::kMaxTips);
    for (int i = 1; i <= tips; ++i) {
        if (const std::optional<float> odds = calc::parseOdds(form.Grid1.textAt(i, 3)))
            form.tipOdds[static_cast<size_t>(i)] = *odds;
    }
}

std::optional<float> startPricing(Form1& form) {
    if (!betListPriceable(form)) return std::nullopt;
    refreshTipOdds(form);
    return form.module1.bankerCount > 0 ? calc::bankerProduct(form) : 1.0f;
}

float tipOddsOf(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return 0.0f;
    return form.tipOdds[static_cast<size_t>(tip)];
}

float oddsProduct(const Form1& form, QStringView betLine) {
    const auto odds = [&](int tip) { return tipOddsOf(form, tip); };
    if (const std::optional<calc::AnyToCome> bet = calc::readAnyToCome(betLine)) {
        const float first = odds(bet->first);
        const float second = odds(bet->second);
        return first == 0.0f || second == 0.0f ? 0.0f : calc::anyToComeReturn(first, second, bet->carry);
    }
    // A line that names no tip is no bet: it must not be priced as odds 1.
    return lineProduct(betLine, odds).value_or(0.0f);
}

float settledFactor(qint16 result, float odds) {
    if (result == Form1::kCancelled || result == Form1::kNonRunner) return 1.0f;
    if (result == Form1::kHalfLost) return 0.5f;
    if (odds == 0.0f) return 0.0f;
    if (result == Form1::kWon) return odds;
    if (result == Form1::kHalfWon) return (odds + 1.0f) / 2.0f;
    if (const int tied = tiedOf(result))
        return deadHeatPosition(result) == 1 ? odds / static_cast<float>(tied) : 0.0f;
    return 0.0f;
}

int tiedOf(qint16 result) {
    if (result < Form1::kDeadHeat) return 0;
    const int tied = result % Form1::kDeadHeat;
    const int position = result / Form1::kDeadHeat;
    return position <= kMaxPlaces && tied >= Form1::kMinTied && tied <= Form1::kMaxTied ? tied : 0;
}

int deadHeatPosition(qint16 result) {
    return tiedOf(result) ? result / Form1::kDeadHeat : 0;
}

qint16 deadHeatResult(int tied, int position) {
    return static_cast<qint16>(Form1::kDeadHeat * position + tied);
}

SettledFactors settledFactors(qint16 result, QStringView oddsText, const TipTerms& terms) {
    if (result == Form1::kCancelled || result == Form1::kNonRunner) return {1.0f, 1.0f};
    if (result == Form1::kHalfLost) return {0.5f, 0.5f};
    const float odds = calc::parseOdds(oddsText).value_or(0.0f);
    const std::optional<calc::OddsRatio> exact = calc::oddsRatio(oddsText);
    if (odds == 0.0f || !exact || exact->den <= 0) return {};
    const bool eachWay = terms.place.eachWay();
    const int tied = tiedOf(result);
    const int position = deadHeatPosition(result);

    // The winnings' share that is paid, in hundredths of a pound: all of it less Rule 4's pence.
    const int kept = 100 - std::clamp(terms.rule4, 0, kMaxRule4);
    const auto oddsLessWinnings = [&](qint64 fraction) {
        // 1 + (num - den) / den / fraction * kept / 100, from the exact fraction, rounded once.
        return 1.0 + static_cast<double>(exact->num - exact->den) * kept /
                         (static_cast<double>(exact->den) * static_cast<double>(fraction) * 100.0);
    };
    const double winOdds = oddsLessWinnings(1);
    const double placeOdds = eachWay ? oddsLessWinnings(terms.place.fraction) : winOdds;

    SettledFactors factors;
    if (terms.rule4 == 0) {
        factors.win = settledFactor(result, odds);
    } else if (result == Form1::kWon) {
        factors.win = static_cast<float>(winOdds);
    } else if (result == Form1::kHalfWon) {
        factors.win = static_cast<float>((winOdds + 1.0) / 2.0);
    } else if (tied && position == 1) {
        factors.win = static_cast<float>(winOdds / tied);
    }
    if (!eachWay) {
        factors.place = factors.win;
    } else if (result == Form1::kWon || result == Form1::kPlaced) {
        factors.place = static_cast<float>(placeOdds);
    } else if (result == Form1::kHalfWon) {
        factors.place = static_cast<float>((placeOdds + 1.0) / 2.0);
    } else if (tied && position <= terms.place.places) {
        const int paid = std::min(tied, terms.place.places - position + 1);
        factors.place = static_cast<float>(placeOdds * paid / tied);
    }
    return factors;
}

namespace {

qint16 resultOf(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return 0;
    return form.resultFlags[static_cast<size_t>(tip)];
}

}  // namespace

bool isSettled(const Form1& form, int tip) {
    const qint16 result = resultOf(form, tip);
    return result != 0 && result != Form1::kWon;
}

float settledOddsOf(const Form1& form, int tip) {
    return settledFactorsOf(form, tip).win;
}

SettledFactors settledFactorsOf(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return {};
    return settledFactors(resultOf(form, tip), form.Grid1.textAt(tip, 3), form.termsAt(form.Grid1, tip));
}

std::vector<SettledFactors> settledFactorsTable(const Form1& form) {
    const int tips = std::clamp<int>(form.module1.tipCount, 0, Form1::kMaxTips);
    std::vector<SettledFactors> table(static_cast<std::size_t>(tips) + 1);
    for (int tip = 1; tip <= tips; ++tip)
        table[static_cast<std::size_t>(tip)] = settledFactorsOf(form, tip);
    return table;
}

float wonOddsOf(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return 0.0f;
    // No Rule 4: the odds as the odds command reads them.
    if (form.termsAt(form.Grid1, tip).rule4 == 0) return tipOddsOf(form, tip);
    return settledFactors(Form1::kWon, form.Grid1.textAt(tip, 3), form.termsAt(form.Grid1, tip)).win;
}

float settledBankerOdds(const Form1& form) {
    return settledBankerFactors(form).win;
}

SettledFactors settledBankerFactors(const Form1& form) {
    SettledFactors product{1.0f, 1.0f};
    const int bankers = std::min<int>(form.module1.bankerCount, Form1::kMaxTips);
    for (int m = 1; m <= bankers; ++m) {
        const qint16 flag = form.bankerFlags[static_cast<size_t>(m)];
        const qint16 result = flag == 0 ? Form1::kWon : flag;
        // A banker whose odds do not convert counts as 1, as in every banker product.
        const QString odds = form.Grid2.textAt(m, 3);
        SettledFactors factors{1.0f, 1.0f};
        if (calc::parseOdds(odds)) factors = settledFactors(result, odds, form.termsAt(form.Grid2, m));
        calc::multiplyInto(product.win, factors.win);
        calc::multiplyInto(product.place, factors.place);
    }
    return product;
}

void showAmounts(Form1& form, QStringList amounts, float total) {
    const int bets = form.List1.count();
    amounts.append(QString());
    amounts.append(calc::totalLine(total));
    amounts.append(calc::perBetLine(total / static_cast<float>(bets)));
    form.List3.setLines(amounts);
    form.List3.setTopIndex(std::max(0, form.List3.count() - 7));
}

namespace {

// A runner taken at "SP" whose odds the user has not typed yet: the bet list cannot be priced or
// settled without them, and the user is told which tip (or banker) waits. True when one waits.
bool waitsForStartingPrice(Form1& form) {
    if (form.List1.count() == 0 || form.startingPrices.isEmpty()) return false;
    const auto waiting = [&](const Grid& grid, int count, const char* text) {
        for (int row = 1; row <= std::min(count, Form1::kMaxTips); ++row) {
            if (!grid.textAt(row, 3).isEmpty() || !form.startingPrices.contains(Form1::tipKey(grid, row)))
                continue;
            const QString tip = grid.textAt(row, 1) + QStringLiteral(" – ") + grid.textAt(row, 2);
            form.platform().messageBox(QCoreApplication::translate("results", text).arg(row).arg(tip),
                                       QString::fromUtf8(kProgramTitle), MsgIcon::Stop, MsgButtons::Ok);
            return true;
        }
        return false;
    };
    return waiting(form.Grid1, form.module1.tipCount,
                   QT_TRANSLATE_NOOP("results", "A(z) %1. tipp szorzója még nincs megadva (SP): %2")) ||
           waiting(form.Grid2, form.module1.bankerCount,
                   QT_TRANSLATE_NOOP("results", "A(z) F%1 fix tipp szorzója még nincs megadva (SP): %2"));
}

}  // namespace

void priceBetList(Form1& form, Pricing pricing) {
    if (waitsForStartingPrice(form)) return;
    if (pricing == Pricing::Settlement) return settleBetList(form);
    const std::optional<float> startBankers = startPricing(form);
    if (!startBankers) return;
    const bool withBankers = form.module1.bankerCount > 0;
    const float bankers = *startBankers;

    QStringList amounts;
    amounts.reserve(form.List1.count());
    float total = 0.0f;
    for (const QString& line : form.List1.lines()) {
        // A line that names no tip is no bet: it is neither priced as odds 1 nor paid.
        const float product = oddsProduct(form, line);
        // A bet with a tip without odds gets no amount line; the bankers scale the total once.
        form.workingProduct = product;
        if (product == 0.0f) continue;
        float amount = product;
        if (withBankers) calc::multiplyInto(amount, bankers);
        amounts.append(calc::formatAmount(amount));
        calc::addInto(total, product);
    }
    if (withBankers) {
        form.workingProduct = bankers;
        calc::multiplyInto(total, bankers);
    }
    showAmounts(form, std::move(amounts), total);
}

}  // namespace kombinator::results
