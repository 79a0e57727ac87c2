// The return table: for every number of won tips, the smallest and largest return, number of
// winning bets and profit over all outcomes with exactly that many won tips, one unit staked on
// every bet. Computed exactly with a subset-sum transform over the tips' bit masks.
#pragma once

#include <QStringList>

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

struct ReturnTable {
    int tips = 0;
    int stake = 0;  // bets that name at least one tip, one unit each
    std::vector<ReturnRow> rows;
    std::optional<int> somePaysBack;   // fewest won tips with which some outcome returns the stake
    std::optional<int> everyPaysBack;  // fewest won tips from which every outcome does
};

// One bet: the tips it needs (bit t-1 for tip t) and what it pays when they all win, as the
// evaluation shows it (to the hundredth). A bet that can never win has amount 0.
struct MaskedBet {
    std::uint32_t mask = 0;
    double amount = 0;
};

// The table over `tips` tips (at most kMaxTableTips) for bets that each cost one unit.
ReturnTable computeReturnTable(int tips, const std::vector<MaskedBet>& bets);

// The bets of the bet list as it stands on the window, read with the odds command's rules: a tip
// whose odds do not convert, or a number outside 1 to the tip count, never wins; a line that
// names no tip is no bet. nullopt when there are more tips than the table can take.
std::optional<ReturnTable> returnTable(Form1& form);

// The user's request for the table: the table, or beyond kMaxTableTips tips the message that it
// cannot be had ("A nyereménytábla legfeljebb 20 tippre számítható.") and nothing.
std::optional<ReturnTable> requestReturnTable(Form1& form);

// The table as tab-separated lines: a header line, one line per number of won tips, then the two
// pay-back lines.
QStringList formatReturnTable(const ReturnTable& table);

}  // namespace kombinator::results
