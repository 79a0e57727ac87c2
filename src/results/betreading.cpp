#include "results/betreading.h"

#include <algorithm>
#include <optional>

#include "app/form1.h"

namespace kombinator::results {

bool betListPriceable(const Form1& form) {
    if (form.List1.count() == 0) return false;
    const QString first = form.List1.line(0);
    return calc::readsAsNumber(calc::tipField(first, 1)) && calc::readsAsNumber(calc::tipField(first, 2));
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
    float product = 1.0f;
    const int tips =
        forEachTipNumber(betLine, [&](int tip) { calc::multiplyInto(product, tipOddsOf(form, tip)); });
    // A line that names no tip is no bet: it must not be priced as odds 1.
    return tips == 0 ? 0.0f : product;
}

bool isCancelled(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return false;
    return form.resultFlags[static_cast<size_t>(tip)] == Form1::kCancelled;
}

float settledOddsOf(const Form1& form, int tip) {
    if (isCancelled(form, tip)) return 1.0f;
    const float odds = tipOddsOf(form, tip);
    // A number that names no tip row has odds 0 already; its flag does not matter.
    const bool won =
        tip >= 1 && tip <= Form1::kMaxTips && form.resultFlags[static_cast<size_t>(tip)] == Form1::kWon;
    return won ? odds : 0.0f;
}

float settledBankerOdds(const Form1& form) {
    float product = 1.0f;
    const int bankers = std::min<int>(form.module1.bankerCount, Form1::kMaxTips);
    for (int m = 1; m <= bankers; ++m) {
        if (form.bankerFlags[static_cast<size_t>(m)] == Form1::kCancelled) continue;
        // A banker whose odds do not convert counts as 1, as in every banker product.
        if (const std::optional<float> odds = calc::parseOdds(form.Grid2.textAt(m, 3)))
            calc::multiplyInto(product, *odds);
    }
    return product;
}

void showAmounts(Form1& form, QStringList amounts, float total) {
    const int bets = form.List1.count();
    amounts.append(QString());
    amounts.append(QStringLiteral("Össz.: ") + calc::formatAmount(total));
    amounts.append(QStringLiteral("Ny/s.: ") + calc::formatAmount(total / static_cast<float>(bets)));
    form.List3.setLines(amounts);
    form.List3.setTopIndex(std::max(0, form.List3.count() - 7));
}

}  // namespace kombinator::results
