#include "results/returntable.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "app/form1.h"
#include "calc/output.h"
#include "results/anytocome.h"
#include "results/betreading.h"

namespace kombinator::results {

namespace {

// Amounts are summed in whole hundredths, held in doubles: exact far beyond any real system.
double toHundredths(double amount) {
    return std::round(amount * 100.0);
}

// What a bet of `amount` pays for a stake of `stakePerBet` hundredths, in whole hundredths, halves
// away from zero. The product is formed exactly in integers: in doubles, a large stake would lose
// the last cent (180.57 x 200.54 at 99 999 999.99 is ...887.88, not ...887.89).
double paidHundredths(double amount, qint64 stakePerBet) {
    if (!(amount > 0) || stakePerBet <= 0) return 0;
    int exponent = 0;
    const double fraction = std::frexp(amount, &exponent);  // amount = fraction * 2^exponent
    constexpr int kBits = std::numeric_limits<double>::digits;
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, kBits));
    const unsigned __int128 exact =
        static_cast<unsigned __int128>(mantissa) * static_cast<std::uint64_t>(stakePerBet);
    const int shift = kBits - exponent;  // the paid amount is exact / 2^shift
    if (shift <= 0) return std::ldexp(static_cast<double>(exact), -shift);
    if (shift >= 127) return 0;
    const unsigned __int128 whole = exact >> shift;
    const unsigned __int128 rest = exact - (whole << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    return static_cast<double>(rest >= half ? whole + 1 : whole);
}

QString formatHundredths(double hundredths) {
    return QString::number(hundredths / 100.0, 'f', 2);
}

// The table's columns, in the order of a row's cells.
constexpr const char* kColumnTitles[] = {
    QT_TRANSLATE_NOOP("results", "Nyertes tippek"),
    QT_TRANSLATE_NOOP("results", "Min. visszatérés"),
    QT_TRANSLATE_NOOP("results", "Max. visszatérés"),
    QT_TRANSLATE_NOOP("results", "Min. nyertes fogadás"),
    QT_TRANSLATE_NOOP("results", "Max. nyertes fogadás"),
    QT_TRANSLATE_NOOP("results", "Min. nyereség"),
    QT_TRANSLATE_NOOP("results", "Max. nyereség"),
};

// A line of the table below the rows: its label, a tab, its value.
QString labelled(const char* label, const QString& value) {
    return QCoreApplication::translate("results", label) + u'\t' + value;
}

}  // namespace

ReturnTable computeReturnTable(int tips, const std::vector<MaskedBet>& bets, qint64 stakePerBet) {
    ReturnTable table;
    table.tips = tips;
    table.stake = static_cast<int>(
        std::count_if(bets.begin(), bets.end(), [](const MaskedBet& bet) { return bet.staked; }));
    table.stakePerBet = stakePerBet;
    if (tips < 0 || tips > kMaxTableTips) return table;
    const auto perBet = static_cast<double>(stakePerBet);

    // returns[W] starts as what the bets needing exactly the tips W pay; the subset-sum transform
    // turns it into what every bet whose tips all lie in W pays, for every set W of won tips.
    const std::size_t size = std::size_t{1} << tips;
    std::vector<double> returns(size, 0.0);
    std::vector<std::int32_t> winning(size, 0);
    for (const MaskedBet& bet : bets) {
        if (bet.amount <= 0 || bet.mask >= size) continue;
        // Each bet pays its own rounded amount, as the bookmaker settles it.
        returns[bet.mask] += bet.weight * paidHundredths(bet.amount, stakePerBet);
        if (bet.staked) winning[bet.mask] += 1;
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

    const double stake = table.stake * perBet;
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

std::optional<ReturnBets> returnBets(Form1& form) {
    const int tipCount = form.module1.tipCount;
    // The tips still open get the bits of the masks in their order; a cancelled, half won, half
    // lost or dead-heat tip is settled already.
    std::vector<int> bitOf(static_cast<std::size_t>(std::max(tipCount, 0)) + 1, -1);
    int open = 0;
    for (int tip = 1; tip <= tipCount; ++tip) {
        if (!isSettled(form, tip)) bitOf[static_cast<std::size_t>(tip)] = open++;
    }
    if (open > kMaxTableTips) return std::nullopt;

    // The odds command's reading, step by step: the tip odds table afresh, each bet's product over
    // its tip numbers (0 for a number that names no tip or a tip without odds, a settled tip's
    // factor for a settled one, in its place in the line as the evaluation takes it), the bankers on top of a
    // bet that can pay. The banker grid's current cell is left where the user put it.
    refreshTipOdds(form);
    const float bankers = form.module1.bankerCount > 0 ? settledBankerOdds(form) : 1.0f;
    const std::vector<SettledFactors> settled = settledFactorsTable(form);
    std::vector<float> wonOdds(settled.size(), 0.0f);
    for (int tip = 1; tip < static_cast<int>(wonOdds.size()); ++tip)
        wonOdds[static_cast<std::size_t>(tip)] = wonOddsOf(form, tip);

    ReturnBets result;
    result.tips = open;
    result.bets.reserve(static_cast<std::size_t>(form.List1.count()));
    for (const QString& line : form.List1.lines()) {
        if (const std::optional<calc::AnyToCome> toCome = calc::readAnyToCome(line)) {
            const auto tipOf = [&](int tip) -> ToComeTip {
                if (isSettled(form, tip))
                    return {-1, factorsAt(settled, tip).win, factorsAt(settled, tip).win};
                if (tip < 1 || tip > tipCount) return {};
                return {bitOf[static_cast<std::size_t>(tip)], 0.0f, wonOdds[static_cast<std::size_t>(tip)]};
            };
            anyToComeTerms(tipOf(toCome->first), tipOf(toCome->second), toCome->carry, bankers,
                           [&](std::uint32_t mask, double amount, int weight, bool staked) {
                               result.bets.push_back({mask, amount, staked, weight});
                           });
            continue;
        }
        MaskedBet bet;
        std::optional<float> product = lineProduct(line, [&](int tip) {
            if (isSettled(form, tip)) return factorsAt(settled, tip).win;
            if (tip < 1 || tip > tipCount) return tipOddsOf(form, tip);
            bet.mask |= std::uint32_t{1} << bitOf[static_cast<std::size_t>(tip)];
            return wonOdds[static_cast<std::size_t>(tip)];
        });
        if (!product) continue;  // a line that names no tip is no bet
        if (*product != 0.0f && form.module1.bankerCount > 0) calc::multiplyInto(*product, bankers);
        bet.amount = static_cast<double>(*product);
        result.bets.push_back(bet);
    }
    return result;
}

std::optional<ReturnBets> requestReturnBets(Form1& form) {
    std::optional<ReturnBets> bets = returnBets(form);
    if (!bets)
        form.platform().messageBox(tooManyTipsText(), QString::fromUtf8(kProgramTitle), MsgIcon::Stop,
                                   MsgButtons::Ok);
    return bets;
}

QString tooManyTipsText() {
    static_assert(kMaxTableTips == 20, "the message names the limit");
    return QCoreApplication::translate("results", "A nyereménytábla legfeljebb 20 tippre számítható.");
}

std::optional<ReturnTable> returnTable(Form1& form, qint64 stakePerBet) {
    const std::optional<ReturnBets> bets = returnBets(form);
    if (!bets) return std::nullopt;
    return computeReturnTable(bets->tips, bets->bets, stakePerBet);
}

std::optional<ReturnTable> requestReturnTable(Form1& form) {
    const std::optional<ReturnBets> bets = requestReturnBets(form);
    if (!bets) return std::nullopt;
    return computeReturnTable(bets->tips, bets->bets);
}

QStringList returnTableTitles() {
    QStringList titles;
    for (const char* title : kColumnTitles)
        titles.append(QCoreApplication::translate("results", title));
    return titles;
}

QStringList returnRowCells(const ReturnRow& row) {
    return {QString::number(row.won),
            formatHundredths(toHundredths(row.minReturn)),
            formatHundredths(toHundredths(row.maxReturn)),
            QString::number(row.minWinning),
            QString::number(row.maxWinning),
            formatHundredths(toHundredths(row.minProfit)),
            formatHundredths(toHundredths(row.maxProfit))};
}

QStringList paysBackLines(const ReturnTable& table) {
    const auto from = [](const std::optional<int>& won) {
        return won ? QCoreApplication::translate("results", "%1 nyertes tipptől").arg(*won)
                   : QStringLiteral("-");
    };
    return {labelled(QT_TRANSLATE_NOOP("results", "Van megtérülő kimenet:"), from(table.somePaysBack)),
            labelled(QT_TRANSLATE_NOOP("results", "Minden kimenet megtérül:"), from(table.everyPaysBack))};
}

QStringList formatReturnTable(const ReturnTable& table) {
    QStringList lines{returnTableTitles().join(u'\t')};
    for (const ReturnRow& row : table.rows)
        lines.append(returnRowCells(row).join(u'\t'));
    lines += paysBackLines(table);
    // A table of unit stakes is the one every bettor knows; any other says what it was for.
    if (table.stakePerBet != kUnitStake) {
        lines.append(labelled(QT_TRANSLATE_NOOP("results", "Tét / kötés:"), formatStake(table.stakePerBet)));
        lines.append(
            labelled(QT_TRANSLATE_NOOP("results", "Össztét:"), formatStake(table.stake * table.stakePerBet)));
    }
    return lines;
}

EachWayTable computeEachWayTable(int tips, const std::vector<EachWayBet>& bets, qint64 stakePerBet) {
    EachWayTable table;
    table.tips = tips;
    table.bets = static_cast<int>(
        std::count_if(bets.begin(), bets.end(), [](const EachWayBet& bet) { return bet.staked; }));
    table.stakePerBet = stakePerBet;
    if (tips < 0 || tips > kMaxEachWayTableTips) return table;
    // What the win lines pay when the tips W win, and the place lines when the tips U are placed
    // (won or placed), each over every set by the subset-sum transform of the table of win bets.
    const std::size_t size = std::size_t{1} << tips;
    std::vector<double> winPay(size, 0.0);
    std::vector<double> placePay(size, 0.0);
    for (const EachWayBet& bet : bets) {
        if (bet.mask >= size) continue;
        winPay[bet.mask] += bet.weight * paidHundredths(bet.win, stakePerBet);
        placePay[bet.mask] += bet.weight * paidHundredths(bet.place, stakePerBet);
    }
    for (int bit = 0; bit < tips; ++bit) {
        const std::size_t b = std::size_t{1} << bit;
        for (std::size_t set = 0; set < size; ++set) {
            if (set & b) {
                winPay[set] += winPay[set ^ b];
                placePay[set] += placePay[set ^ b];
            }
        }
    }
    // Rows by (won, placed): every won set W inside every placed set U.
    const auto index = [tips](int won, int placed) {
        return static_cast<std::size_t>(won * (tips + 1) + placed);
    };
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::size_t cells = static_cast<std::size_t>((tips + 1) * (tips + 1));
    std::vector<double> low(cells, inf);
    std::vector<double> high(cells, -inf);
    for (std::size_t placedSet = 0; placedSet < size; ++placedSet) {
        const int inPlaces = std::popcount(placedSet);
        for (std::size_t wonSet = placedSet;; wonSet = (wonSet - 1) & placedSet) {
            const int won = std::popcount(wonSet);
            const double paid = winPay[wonSet] + placePay[placedSet];
            const std::size_t i = index(won, inPlaces - won);
            low[i] = std::min(low[i], paid);
            high[i] = std::max(high[i], paid);
            if (wonSet == 0) break;
        }
    }
    for (int won = 0; won <= tips; ++won) {
        for (int placed = 0; won + placed <= tips; ++placed) {
            const std::size_t i = index(won, placed);
            table.rows.push_back({won, placed, low[i] / 100.0, high[i] / 100.0});
        }
    }
    return table;
}

std::optional<EachWayTable> eachWayTable(Form1& form, qint64 stakePerBet) {
    const std::optional<EachWayBets> bets = eachWayBets(form);
    if (!bets) return std::nullopt;
    return computeEachWayTable(bets->tips, bets->bets, stakePerBet);
}

std::optional<EachWayBets> eachWayBets(Form1& form) {
    if (!form.eachWay()) return std::nullopt;
    const int tipCount = form.module1.tipCount;
    std::vector<int> bitOf(static_cast<std::size_t>(std::max(tipCount, 0)) + 1, -1);
    int open = 0;
    for (int tip = 1; tip <= tipCount; ++tip) {
        if (!isSettled(form, tip)) bitOf[static_cast<std::size_t>(tip)] = open++;
    }
    if (open > kMaxEachWayTableTips) return std::nullopt;
    refreshTipOdds(form);
    const SettledFactors bankers =
        form.module1.bankerCount > 0 ? settledBankerFactors(form) : SettledFactors{1.0f, 1.0f};
    EachWayBets result;
    result.tips = open;
    std::vector<EachWayBet>& bets = result.bets;
    const std::vector<SettledFactors> settled = settledFactorsTable(form);
    std::vector<SettledFactors> won(settled.size());
    for (int tip = 1; tip < static_cast<int>(won.size()); ++tip)
        won[static_cast<std::size_t>(tip)] =
            settledFactors(Form1::kWon, form.Grid1.textAt(tip, 3), form.termsAt(form.Grid1, tip));
    bets.reserve(static_cast<std::size_t>(form.List1.count()));
    for (const QString& line : form.List1.lines()) {
        if (const std::optional<calc::AnyToCome> toCome = calc::readAnyToCome(line)) {
            // The win terms over the won tips, the place terms over the placed ones: the two parts
            // are carried on apart.
            const auto tipOf = [&](int tip, bool place) -> ToComeTip {
                if (isSettled(form, tip) || tip < 1 || tip > tipCount) {
                    const SettledFactors factors = settledFactorsOf(form, tip);
                    return {-1, place ? factors.place : factors.win, place ? factors.place : factors.win};
                }
                const SettledFactors factors = won[static_cast<std::size_t>(tip)];
                return {bitOf[static_cast<std::size_t>(tip)], 0.0f, place ? factors.place : factors.win};
            };
            bool staked = false;
            for (const bool place : {false, true}) {
                anyToComeTerms(tipOf(toCome->first, place), tipOf(toCome->second, place), toCome->carry,
                               place ? bankers.place : bankers.win,
                               [&](std::uint32_t mask, double amount, int weight, bool first) {
                                   EachWayBet bet{mask, place ? 0.0 : amount, place ? amount : 0.0,
                                                  first && !staked, weight};
                                   staked = staked || bet.staked;
                                   if (amount > 0 || bet.staked) bets.push_back(bet);
                               });
            }
            if (!staked) bets.push_back({});
            continue;
        }
        EachWayBet bet;
        SettledFactors product{1.0f, 1.0f};
        // A settled tip at its factors; an open one as it pays when it wins, placed in the place line.
        const int fields = forEachTipNumber(line, [&](int tip) {
            SettledFactors factors;
            if (isSettled(form, tip) || tip < 1 || tip > tipCount) {
                factors = settledFactorsOf(form, tip);
            } else {
                bet.mask |= std::uint32_t{1} << bitOf[static_cast<std::size_t>(tip)];
                factors =
                    settledFactors(Form1::kWon, form.Grid1.textAt(tip, 3), form.termsAt(form.Grid1, tip));
            }
            calc::multiplyInto(product.win, factors.win);
            calc::multiplyInto(product.place, factors.place);
        });
        if (fields == 0) continue;  // a line that names no tip is no bet
        if (product.win != 0.0f) calc::multiplyInto(product.win, bankers.win);
        if (product.place != 0.0f) calc::multiplyInto(product.place, bankers.place);
        bet.win = static_cast<double>(product.win);
        bet.place = static_cast<double>(product.place);
        bets.push_back(bet);
    }
    return result;
}

QString eachWayStakeText(int bets) {
    //: The stake of an each-way bet list: every bet a win line and a place line of one unit.
    return QCoreApplication::translate("results", "Tét: %1 fogadás × 2 sor = %2 egység")
        .arg(bets)
        .arg(2 * bets);
}

QString tooManyEachWayTipsText() {
    static_assert(kMaxEachWayTableTips == 12, "the message names the limit");
    return QCoreApplication::translate("results",
                                       "A helyezéses nyereménytábla legfeljebb 12 tippre számítható.");
}

QStringList formatEachWayTable(const EachWayTable& table) {
    QStringList lines{QStringList{QCoreApplication::translate("results", "Nyertes tippek"),
                                  QCoreApplication::translate("results", "Helyezett tippek"),
                                  QCoreApplication::translate("results", "Min. visszatérés"),
                                  QCoreApplication::translate("results", "Max. visszatérés")}
                          .join(u'\t')};
    for (const EachWayRow& row : table.rows) {
        lines.append(QStringList{QString::number(row.won), QString::number(row.placed),
                                 formatHundredths(toHundredths(row.minReturn)),
                                 formatHundredths(toHundredths(row.maxReturn))}
                         .join(u'\t'));
    }
    lines.append(labelled(QT_TRANSLATE_NOOP("results", "Tét / kötés:"),
                          formatStake(table.stakePerBet) + QStringLiteral(" × 2")));
    lines.append(
        labelled(QT_TRANSLATE_NOOP("results", "Össztét:"), formatStake(2 * table.bets * table.stakePerBet)));
    return lines;
}

namespace {

// A stake's digits: at most eight before a point or a comma, at most two after it, blanks around.
struct StakeDigits {
    qint64 hundredths = 0;
    int digits = 0;
};
std::optional<StakeDigits> readStake(QStringView text) {
    text = text.trimmed();
    const auto digit = [&text](qsizetype i) { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; };
    StakeDigits stake;
    qsizetype i = 0;
    for (; digit(i); ++i) {
        if (++stake.digits > 8) return std::nullopt;
        stake.hundredths = stake.hundredths * 10 + (text[i].unicode() - u'0');
    }
    stake.hundredths *= 100;
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        for (qint64 place = 10; digit(++i); place /= 10) {
            if (place == 0) return std::nullopt;
            stake.hundredths += place * (text[i].unicode() - u'0');
            ++stake.digits;
        }
    }
    if (i != text.size()) return std::nullopt;
    return stake;
}

}  // namespace

std::optional<qint64> parseStake(QStringView text) {
    const std::optional<StakeDigits> stake = readStake(text);
    if (!stake || stake->digits == 0 || stake->hundredths <= 0) return std::nullopt;
    return stake->hundredths;
}

bool stakeTypable(QStringView text) {
    return readStake(text).has_value();
}

QString totalStakeText(const ReturnTable& table) {
    return QCoreApplication::translate("results", "Össztét: %1 (%2 fogadás × %3)")
        .arg(formatStake(table.stake * table.stakePerBet))
        .arg(table.stake)
        .arg(formatStake(table.stakePerBet));
}

QString formatStake(qint64 hundredths) {
    return formatHundredths(static_cast<double>(hundredths));
}

}  // namespace kombinator::results
