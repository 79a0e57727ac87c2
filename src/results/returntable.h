// The return table: for every number of won tips, the smallest and largest return, number of
// winning bets and profit over all outcomes with exactly that many won tips, the same stake on
// every bet (one unit unless the bettor names another). Computed exactly with a subset-sum
// transform over the tips' bit masks. Cancelled, half won, half lost and dead-heat tips are
// settled already, each at its factor: the table runs over the other tips.
#pragma once

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace kombinator {
class Form1;
}

namespace kombinator::results {

constexpr int kMaxTableTips = 20;

struct ReturnRow {
    int won = 0;
    double minReturn = 0;
    double maxReturn = 0;
    int minWinning = 0;
    int maxWinning = 0;
    double minProfit = 0;
    double maxProfit = 0;
};

// One unit of stake in hundredths, the table's stake unless the bettor names another.
constexpr qint64 kUnitStake = 100;

struct ReturnTable {
    int tips = 0;
    int stake = 0;  // bets that name at least one tip: the stake in units of the stake per bet
    qint64 stakePerBet = kUnitStake;  // in hundredths
    double totalStake() const {
        return static_cast<double>(stake) * static_cast<double>(stakePerBet) / 100.0;
    }
    std::vector<ReturnRow> rows;
    std::optional<int> somePaysBack;   // fewest won tips with which some outcome returns the stake
    std::optional<int> everyPaysBack;  // fewest won tips from which every outcome does
};

// One bet: the tips it needs (bit t-1 for tip t) and what it pays for one unit staked when they
// all win, the odds product as the evaluation forms it. A bet that can never win has amount 0.
// An any-to-come bet is several terms, each needing its own tips, some taken off again; only one
// of them is staked and counted as a winning bet.
struct MaskedBet {
    std::uint32_t mask = 0;
    double amount = 0;
    bool staked = true;  // false: a further term of the bet before it
    int weight = 1;      // -1: the term is taken off
};

// The table over `tips` tips (at most kMaxTableTips) for bets that each cost `stakePerBet`
// hundredths; each bet pays its amount times the stake, to the hundredth, halves away from zero.
ReturnTable computeReturnTable(int tips, const std::vector<MaskedBet>& bets, qint64 stakePerBet = kUnitStake);

// The bets of the bet list as the table takes them: `tips` tips that are still open, each bet's
// mask over them (bit i for the i-th open tip).
struct ReturnBets {
    int tips = 0;
    std::vector<MaskedBet> bets;
};

// The bets of the bet list as it stands on the window, read with the odds command's rules: a tip
// whose odds do not convert, or a number outside 1 to the tip count, never wins; a line that
// names no tip is no bet. A settled tip or banker counts at its factor and is no longer open.
// nullopt when more tips are open than the table can take.
std::optional<ReturnBets> returnBets(Form1& form);
// The user's request for the bets of the table: beyond kMaxTableTips open tips the message that
// the table cannot be had (tooManyTipsText) and nothing.
std::optional<ReturnBets> requestReturnBets(Form1& form);
// "A nyereménytábla legfeljebb 20 tippre számítható."
QString tooManyTipsText();

// The table of the bet list as it stands on the window (see returnBets), for `stakePerBet`
// hundredths on every bet.
std::optional<ReturnTable> returnTable(Form1& form, qint64 stakePerBet = kUnitStake);
// The same as the user asks for it, with the message beyond kMaxTableTips open tips.
std::optional<ReturnTable> requestReturnTable(Form1& form);

// The table as tab-separated lines: a header line, one line per number of won tips, then the two
// pay-back lines; for a stake other than one unit also the stake per bet and the total stake.
QStringList formatReturnTable(const ReturnTable& table);
// Its parts, as the window shows them apart: the column titles, one row's cells, and the two
// pay-back lines ("Van megtérülő kimenet:\t2 nyertes tipptől").
QStringList returnTableTitles();
QStringList returnRowCells(const ReturnRow& row);
QStringList paysBackLines(const ReturnTable& table);
// The total stake in words beside the stake field: "Össztét: 500.00 (5 fogadás × 100.00)".
QString totalStakeText(const ReturnTable& table);

// The return table of an each-way list: for each number of won tips and number of other tips
// placed, the smallest and largest return over all outcomes with exactly those numbers. Every bet
// is a win line and a place line of the stake per bet, each paid to the hundredth; a won tip is
// placed too in the place lines. Every outcome of three per tip is looked at, so it takes fewer
// tips than the table of win bets.
constexpr int kMaxEachWayTableTips = 12;

struct EachWayBet {
    std::uint32_t mask = 0;  // the open tips the bet needs
    double win = 0;          // its win line's pay for one unit when they all win
    double place = 0;        // its place line's pay for one unit when they are all placed
    bool staked = true;      // false: a further term of the bet before it
    int weight = 1;          // -1: the term is taken off
};

struct EachWayRow {
    int won = 0;
    int placed = 0;  // placed and not won
    double minReturn = 0;
    double maxReturn = 0;
};

struct EachWayTable {
    int tips = 0;
    int bets = 0;                     // each a win line and a place line
    qint64 stakePerBet = kUnitStake;  // in hundredths, on each line
    std::vector<EachWayRow> rows;     // by won tips, then by placed tips
};

EachWayTable computeEachWayTable(int tips, const std::vector<EachWayBet>& bets,
                                 qint64 stakePerBet = kUnitStake);
// The bets of an each-way list as its table takes them: `tips` open tips, each bet's mask over them.
struct EachWayBets {
    int tips = 0;
    std::vector<EachWayBet> bets;
};
// nullopt when more tips are open than the table can take or the list is not each-way.
std::optional<EachWayBets> eachWayBets(Form1& form);
// The each-way table of the bet list on the window; nullopt when more tips are open than it can
// take or the list is not each-way.
std::optional<EachWayTable> eachWayTable(Form1& form, qint64 stakePerBet = kUnitStake);
// "A helyezéses nyereménytábla legfeljebb 12 tippre számítható."
QString tooManyEachWayTipsText();
// The table as tab-separated lines: a header line, one line per row, then the stake lines.
QStringList formatEachWayTable(const EachWayTable& table);

// The stake of an each-way list of `bets` bets in units: "Tét: 15 fogadás × 2 sor = 30 egység".
QString eachWayStakeText(int bets);

// A stake per bet as the bettor writes it ("100", "2.50", "2,5"): a positive number with at most
// two decimals after a point or a comma, at most 99 999 999.99; in hundredths, nullopt otherwise.
std::optional<qint64> parseStake(QStringView text);
// Whether the stake field may hold `text` while the bettor types: a stake as parseStake takes it,
// or the start of one ("", "0", "12,"); anything else is refused as it is typed.
bool stakeTypable(QStringView text);
// A stake in hundredths with two decimals and a point: "100.00".
QString formatStake(qint64 hundredths);

}  // namespace kombinator::results
