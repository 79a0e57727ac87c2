// The odds command: prices the bet list with the odds the grids hold now, above all a bet list
// that came from a key and has no amounts of its own.
#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

void Form1::Command19_Click() {
    const std::optional<float> bankerOdds = results::startPricing(*this);
    if (!bankerOdds) return;
    const float bankers = *bankerOdds;

    QStringList amounts;
    amounts.reserve(List1.count());
    float total = 0.0f;
    for (const QString& line : List1.lines()) {
        const float product = results::oddsProduct(*this, line);
        workingProduct = product;
        if (product == 0.0f) continue;  // a bet with a tip without odds gets no amount line
        float amount = product;
        if (module1.bankerCount > 0) calc::multiplyInto(amount, bankers);
        amounts.append(calc::formatAmount(amount));
        calc::addInto(total, product);
    }
    if (module1.bankerCount > 0) {
        workingProduct = bankers;
        calc::multiplyInto(total, workingProduct);
    }
    results::showAmounts(*this, std::move(amounts), total);
}

}  // namespace kombinator
