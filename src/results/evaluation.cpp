// Evaluation: settles the bet list against the results marked on the tip grid. A bet returns
// the product of its tips' odds and of every banker's odds when all its tips are marked as won,
// and nothing otherwise.
#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

void Form1::Command21_Click() {
    const std::optional<float> bankerOdds = results::startPricing(*this);
    if (!bankerOdds) return;
    const float bankers = *bankerOdds;

    QStringList amounts;
    amounts.reserve(List1.count());
    float total = 0.0f;
    for (const QString& line : List1.lines()) {
        float product = 1.0f;
        const int tips = results::forEachTipNumber(line, [&](int tip) {
            calc::multiplyInto(product, results::tipOddsOf(*this, tip));
            // A number that names no tip row has odds 0 already; its flag does not matter.
            const bool won = tip >= 1 && tip <= Form1::kMaxTips && resultFlags[static_cast<size_t>(tip)] == 1;
            if (!won) product = 0.0f;
        });
        // A line that names no tip is no bet and returns nothing.
        if (tips == 0) product = 0.0f;
        if (product != 0.0f) {
            // Bankers count as won whatever was clicked for them.
            if (module1.bankerCount > 0) calc::multiplyInto(product, bankers);
            calc::addInto(total, product);
        }
        workingProduct = product;
        amounts.append(calc::formatAmount(product));
    }
    results::showAmounts(*this, std::move(amounts), total);
}

}  // namespace kombinator
