#include "results/returntable.h"

#include <bit>
#include <cmath>
#include <limits>

#include "app/form1.h"
#include "calc/output.h"
#include "results/betreading.h"

namespace kombinator::results {

namespace {

// Amounts are summed in whole hundredths, held in doubles: exact far beyond any real system.
double toHundredths(double amount) {
    return std::round(amount * 100.0);
}

QString formatHundredths(double hundredths) {
    return QString::number(hundredths / 100.0, 'f', 2);
}

}  // namespace

ReturnTable computeReturnTable(int tips, const std::vector<MaskedBet>& bets) {
    ReturnTable table;
    table.tips = tips;
    table.stake = static_cast<int>(bets.size());
    if (tips < 0 || tips > kMaxTableTips) return table;

    // returns[W] starts as what the bets needing exactly the tips W pay; the subset-sum transform
    // turns it into what every bet whose tips all lie in W pays, for every set W of won tips.
    const std::size_t size = std::size_t{1} << tips;
    std::vector<double> returns(size, 0.0);
    std::vector<std::int32_t> winning(size, 0);
    for (const MaskedBet& bet : bets) {
        if (bet.amount <= 0 || bet.mask >= size) continue;
        returns[bet.mask] += toHundredths(bet.amount);
        winning[bet.mask] += 1;
    }
    for (int bit = 0; bit < tips; ++bit) {
        // The sets with this tip are the upper halves of blocks of twice its weight; each takes in
        // the set without it, a fixed distance below. Plain runs, no test per set.
        const std::size_t b = std::size_t{1} << bit;
        for (std::size_t block = 0; block < size; block += 2 * b) {
            double* upper = returns.data() + block + b;
            const double* lower = returns.data() + block;
            for (std::size_t i = 0; i < b; ++i)
                upper[i] += lower[i];
            std::int32_t* upperCount = winning.data() + block + b;
            const std::int32_t* lowerCount = winning.data() + block;
            for (std::size_t i = 0; i < b; ++i)
                upperCount[i] += lowerCount[i];
        }
    }

    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<double> minReturn(static_cast<std::size_t>(tips) + 1, inf);
    std::vector<double> maxReturn(static_cast<std::size_t>(tips) + 1, -inf);
    std::vector<int> minWinning(static_cast<std::size_t>(tips) + 1, std::numeric_limits<int>::max());
    std::vector<int> maxWinning(static_cast<std::size_t>(tips) + 1, 0);
    for (std::size_t w = 0; w < size; ++w) {
        const auto won = static_cast<std::size_t>(std::popcount(w));
        minReturn[won] = std::min(minReturn[won], returns[w]);
        maxReturn[won] = std::max(maxReturn[won], returns[w]);
        minWinning[won] = std::min(minWinning[won], winning[w]);
        maxWinning[won] = std::max(maxWinning[won], winning[w]);
    }

    const double stake = table.stake * 100.0;
    for (int won = 0; won <= tips; ++won) {
        const auto i = static_cast<std::size_t>(won);
        ReturnRow row;
        row.won = won;
        row.minReturn = minReturn[i] / 100.0;
        row.maxReturn = maxReturn[i] / 100.0;
        row.minWinning = minWinning[i];
        row.maxWinning = maxWinning[i];
        row.minProfit = (minReturn[i] - stake) / 100.0;
        row.maxProfit = (maxReturn[i] - stake) / 100.0;
        table.rows.push_back(row);
        // More won tips never pay less, so the first number that pays back holds from then on.
        if (!table.somePaysBack && table.stake > 0 && maxReturn[i] >= stake) table.somePaysBack = won;
        if (!table.everyPaysBack && table.stake > 0 && minReturn[i] >= stake) table.everyPaysBack = won;
    }
    return table;
}

std::optional<ReturnTable> returnTable(Form1& form) {
    const int tips = form.module1.tipCount;
    if (tips > kMaxTableTips) return std::nullopt;

    // The odds command's reading, step by step: the tip odds table afresh, each bet's product over
    // its tip numbers (0 for a number that names no tip or a tip without odds), the bankers on top
    // of a bet that can pay. Only the banker grid's current cell is left where the user put it.
    refreshTipOdds(form);
    const float bankers = form.module1.bankerCount > 0 ? calc::bankerOdds(form) : 1.0f;

    std::vector<MaskedBet> bets;
    bets.reserve(static_cast<std::size_t>(form.List1.count()));
    for (const QString& line : form.List1.lines()) {
        MaskedBet bet;
        float product = 1.0f;
        const int named = forEachTipNumber(line, [&](int tip) {
            calc::multiplyInto(product, tipOddsOf(form, tip));
            if (tip >= 1 && tip <= tips) bet.mask |= std::uint32_t{1} << (tip - 1);
        });
        if (named == 0) continue;  // a line that names no tip is no bet
        if (product != 0.0f && form.module1.bankerCount > 0) calc::multiplyInto(product, bankers);
        // What the evaluation would show for the bet when it wins.
        bet.amount = product != 0.0f ? calc::formatAmount(product).toDouble() : 0.0;
        bets.push_back(bet);
    }
    return computeReturnTable(tips, bets);
}

std::optional<ReturnTable> requestReturnTable(Form1& form) {
    static_assert(kMaxTableTips == 20, "the message names the limit");
    std::optional<ReturnTable> table = returnTable(form);
    if (!table) {
        form.platform().messageBox(QStringLiteral("A nyereménytábla legfeljebb 20 tippre számítható."),
                                   QStringLiteral("Kombinátor"), MsgIcon::Stop, MsgButtons::Ok);
    }
    return table;
}

QStringList formatReturnTable(const ReturnTable& table) {
    QStringList lines{
        QStringLiteral("Nyertes tippek\tMin. visszatérés\tMax. visszatérés\tMin. nyertes fogadás\t"
                       "Max. nyertes fogadás\tMin. nyereség\tMax. nyereség")};
    for (const ReturnRow& row : table.rows) {
        lines.append(QStringList{QString::number(row.won), formatHundredths(toHundredths(row.minReturn)),
                                 formatHundredths(toHundredths(row.maxReturn)),
                                 QString::number(row.minWinning), QString::number(row.maxWinning),
                                 formatHundredths(toHundredths(row.minProfit)),
                                 formatHundredths(toHundredths(row.maxProfit))}
                         .join(u'\t'));
    }
    const auto from = [](const std::optional<int>& won) {
        return won ? QStringLiteral("%1 nyertes tipptől").arg(*won) : QStringLiteral("-");
    };
    lines.append(QStringLiteral("Van megtérülő kimenet:\t") + from(table.somePaysBack));
    lines.append(QStringLiteral("Minden kimenet megtérül:\t") + from(table.everyPaysBack));
    return lines;
}

}  // namespace kombinator::results
