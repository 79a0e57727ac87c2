// Evaluation: settles the bet list against the results marked on the tip grid. A bet returns
// the product of its tips' odds and of every banker's odds when all its tips are marked as won,
// and nothing otherwise. A cancelled tip or banker stands in the product at odds 1.
#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

void Form1::Command21_Click() {
    if (!results::startPricing(*this)) return;
    const float bankers = results::settledBankerOdds(*this);

    QStringList amounts;
    amounts.reserve(List1.count());
    float total = 0.0f;
    for (const QString& line : List1.lines()) {
        float product = 1.0f;
        const int tips = results::forEachTipNumber(
            line, [&](int tip) { calc::multiplyInto(product, results::settledOddsOf(*this, tip)); });
        // A line that names no tip is no bet and returns nothing.
        if (tips == 0) product = 0.0f;
        if (product != 0.0f) {
            // Bankers count as won whatever was clicked for them; cancelled ones at odds 1.
            if (module1.bankerCount > 0) calc::multiplyInto(product, bankers);
            calc::addInto(total, product);
        }
        workingProduct = product;
        amounts.append(calc::formatAmount(product));
    }
    results::showAmounts(*this, std::move(amounts), total);
}

}  // namespace kombinator
