// Evaluation: settles the bet list against the results marked on the tip grid. A bet returns
// the product of its tips' and every banker's settled factors: a won tip counts at its odds, a
// lost one at 0, a cancelled tip or a non-runner at 1. An each-way bet is a win line and a place
// line of the same stake, each settled by its own factors; a list of singles is settled as any
// other. An any-to-come bet returns its first single, and what that carries on to the second.
#include <QCoreApplication>

#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

namespace results {

namespace {

// The Lucky bonuses as they fall on this bet list: the single that pays its winnings multiplied,
// and whether every tip won. Only a Lucky 15, 31 or 63 without bankers takes them: every one of the
// 2^n - 1 combinations of its n tips, the singles among them.
struct LuckyPlan {
    int soleWinner = 0;  // the tip number of the only winner, 0 when not one
    bool allWon = false;
};

LuckyPlan luckyPlan(const Form1& form) {
    const Form1::LuckyBonus& bonus = form.luckyBonus;
    const int tips = form.module1.tipCount;
    if (!bonus.on() || form.module1.bankerCount > 0 || tips < 4 || tips > 6) return {};
    if (form.List1.count() != (1 << tips) - 1) return {};
    LuckyPlan plan;
    int winners = 0;
    bool others = false;  // a tip that pays in the win line without winning outright
    for (int tip = 1; tip <= tips; ++tip) {
        if (form.resultFlags[static_cast<size_t>(tip)] == Form1::kWon) {
            ++winners;
            plan.soleWinner = tip;
        } else if (settledOddsOf(form, tip) != 0.0f) {
            others = true;
        }
    }
    if (winners != 1 || others) plan.soleWinner = 0;
    plan.allWon = winners == tips;
    return plan;
}

}  // namespace

void settleBetList(Form1& form) {
    if (!betListSettleable(form)) return;
    refreshTipOdds(form);
    const bool withBankers = form.module1.bankerCount > 0;
    const bool eachWay = form.eachWay();
    const SettledFactors bankers = withBankers ? settledBankerFactors(form) : SettledFactors{1.0f, 1.0f};
    const LuckyPlan lucky = luckyPlan(form);
    const std::vector<SettledFactors> factorsOf = settledFactorsTable(form);

    QStringList amounts;
    QStringList parts;
    amounts.reserve(form.List1.count());
    float total = 0.0f;
    for (const QString& line : form.List1.lines()) {
        SettledFactors bet{1.0f, 1.0f};
        int single = 0;
        int tips = 2;
        if (const std::optional<calc::AnyToCome> toCome = calc::readAnyToCome(line)) {
            // The win and the place parts are carried on apart, each to its own part of the next bet.
            const SettledFactors first = factorsAt(factorsOf, toCome->first);
            const SettledFactors second = factorsAt(factorsOf, toCome->second);
            bet.win = calc::anyToComeReturn(first.win, second.win, toCome->carry);
            bet.place = calc::anyToComeReturn(first.place, second.place, toCome->carry);
        } else {
            tips = forEachTipNumber(line, [&](int tip) {
                const SettledFactors factors = factorsAt(factorsOf, tip);
                calc::multiplyInto(bet.win, factors.win);
                calc::multiplyInto(bet.place, factors.place);
                single = tip;
            });
        }
        // A line that names no tip is no bet: it is neither priced as odds 1 nor paid.
        if (tips == 0) bet = {};
        if (tips == 1 && single == lucky.soleWinner && bet.win > 1.0f)
            bet.win = 1.0f + (bet.win - 1.0f) * static_cast<float>(form.luckyBonus.singleOddsTimes);
        if (lucky.allWon)
            calc::multiplyInto(bet.win, 1.0f + static_cast<float>(form.luckyBonus.allWonPercent) / 100.0f);
        // Bankers count as won unless marked otherwise, in every bet.
        if (bet.win != 0.0f && withBankers) calc::multiplyInto(bet.win, bankers.win);
        if (bet.place != 0.0f && withBankers) calc::multiplyInto(bet.place, bankers.place);
        float amount = bet.win;
        if (eachWay) {
            calc::addInto(amount, bet.place);
            //: The two parts of an each-way bet's return: its win line and its place line.
            parts.append(QCoreApplication::translate("results", "Győztes: %1 + helyezés: %2")
                             .arg(calc::formatAmount(bet.win), calc::formatAmount(bet.place)));
        }
        // Every bet gets its return, 0.00 for a lost one.
        form.workingProduct = amount;
        amounts.append(calc::formatAmount(amount));
        calc::addInto(total, amount);
    }
    form.returnParts = parts;
    showAmounts(form, std::move(amounts), total);
}

}  // namespace results

void Form1::Command21_Click() {
    results::priceBetList(*this, results::Pricing::Settlement);
}

}  // namespace kombinator
