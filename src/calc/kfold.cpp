// The k-fold systems "2" to "13": every combination of k tips as one bet.
#include <algorithm>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "calc/combinations.h"
#include "calc/output.h"

namespace kombinator {

namespace {

// The one bet of rows 1 to k when there are exactly k tips. It gets its amount line and its bet
// line (in that order) but no summary lines: Label1 keeps the empty caption the click gave it.
// The banker odds are multiplied into the product one by one, as the grid is read.
void writeExactCountBet(Form1& form, int k) {
    form.Grid1.setCol(3);
    form.workingProduct = 1.0f;
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(k));
    for (int r = 1; r <= k; ++r) {
        rows.push_back(r);
        form.Grid1.setRow(r);
        if (const std::optional<float> odds = calc::parseOdds(form.Grid1.text()))
            calc::multiplyInto(form.workingProduct, *odds);
    }
    if (form.module1.bankerCount > 0) {
        form.Grid2.setCol(3);
        for (int m = 1; m <= form.module1.bankerCount; ++m) {
            form.Grid2.setRow(m);
            if (const std::optional<float> odds = calc::parseOdds(form.Grid2.text()))
                calc::multiplyInto(form.workingProduct, *odds);
        }
    }
    form.List3.addItem(calc::formatAmount(form.workingProduct));
    form.List1.addItem(calc::betLine(rows));
}

}  // namespace

// Button "k" (index k - 2). With Check1 ticked the lists start afresh; unticked, the new bets are
// appended to the kept lists, List3 getting one empty separator line first.
void Form1::Command8_Click(int index) {
    const int n = module1.tipCount;
    if (n <= 0) return;
    const int k = index + 2;
    if (k < 2) return;

    calc::Output output(*this);
    if (Check1.value() == 1) {
        output.begin();
        Label1.setCaption({});
    } else {
        output.beginKeeping();
    }

    if (n == k) {
        writeExactCountBet(*this, k);
        return;
    }

    Grid1.setCol(3);
    output.reserve(static_cast<qsizetype>(std::min<std::int64_t>(calc::combinationCount(n, k), 1 << 20)));
    calc::forEachCombination(n, k, [&output](std::span<const int> rows) { output.add(rows); });
    output.close();
}

}  // namespace kombinator
