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
    // A line that names no tip is no bet: it must not be priced as odds 1.
    return lineProduct(betLine, [&](int tip) { return tipOddsOf(form, tip); }).value_or(0.0f);
}

float settledFactor(qint16 result, float odds) {
    if (result == Form1::kCancelled) return 1.0f;
    if (result == Form1::kHalfLost) return 0.5f;
    if (odds == 0.0f) return 0.0f;
    if (result == Form1::kWon) return odds;
    if (result == Form1::kHalfWon) return (odds + 1.0f) / 2.0f;
    if (const int tied = tiedOf(result)) return odds / static_cast<float>(tied);
    return 0.0f;
}

int tiedOf(qint16 result) {
    const int tied = result - Form1::kDeadHeat;
    return tied >= Form1::kMinTied && tied <= Form1::kMaxTied ? tied : 0;
}

namespace {

qint16 resultOf(const Form1& form, int tip) {
    if (tip < 1 || tip > form.module1.tipCount || tip > Form1::kMaxTips) return 0;
    return form.resultFlags[static_cast<size_t>(tip)];
}

}  // namespace

bool isSettled(const Form1& form, int tip) {
    const qint16 result = resultOf(form, tip);
    return result != 0 && result != Form1::kWon;
}

float settledOddsOf(const Form1& form, int tip) {
    return settledFactor(resultOf(form, tip), tipOddsOf(form, tip));
}

float settledBankerOdds(const Form1& form) {
    float product = 1.0f;
    const int bankers = std::min<int>(form.module1.bankerCount, Form1::kMaxTips);
    for (int m = 1; m <= bankers; ++m) {
        const qint16 result = form.bankerFlags[static_cast<size_t>(m)];
        // A banker whose odds do not convert counts as 1, as in every banker product.
        const float odds = calc::parseOdds(form.Grid2.textAt(m, 3)).value_or(1.0f);
        calc::multiplyInto(product, settledFactor(result == 0 ? Form1::kWon : result, odds));
    }
    return product;
}

void showAmounts(Form1& form, QStringList amounts, float total) {
    const int bets = form.List1.count();
    amounts.append(QString());
    amounts.append(calc::totalLine(total));
    amounts.append(calc::perBetLine(total / static_cast<float>(bets)));
    form.List3.setLines(amounts);
    form.List3.setTopIndex(std::max(0, form.List3.count() - 7));
}

void priceBetList(Form1& form, Pricing pricing) {
    const std::optional<float> startBankers = startPricing(form);
    if (!startBankers) return;
    const bool settling = pricing == Pricing::Settlement;
    const bool withBankers = form.module1.bankerCount > 0;
    const float bankers = settling ? settledBankerOdds(form) : *startBankers;
    float (*const oddsOf)(const Form1&, int) = settling ? settledOddsOf : tipOddsOf;

    QStringList amounts;
    amounts.reserve(form.List1.count());
    float total = 0.0f;
    for (const QString& line : form.List1.lines()) {
        // A line that names no tip is no bet: it is neither priced as odds 1 nor paid.
        const float product = lineProduct(line, [&](int tip) { return oddsOf(form, tip); }).value_or(0.0f);
        float amount = product;
        if (amount != 0.0f && withBankers) calc::multiplyInto(amount, bankers);
        if (settling) {
            // Every bet gets its return, 0.00 for a lost one; bankers count as won in each.
            form.workingProduct = amount;
            amounts.append(calc::formatAmount(amount));
            calc::addInto(total, amount);
        } else {
            // A bet with a tip without odds gets no amount line; the bankers scale the total once.
            form.workingProduct = product;
            if (product == 0.0f) continue;
            amounts.append(calc::formatAmount(amount));
            calc::addInto(total, product);
        }
    }
    if (!settling && withBankers) {
        form.workingProduct = bankers;
        calc::multiplyInto(total, bankers);
    }
    showAmounts(form, std::move(amounts), total);
}

}  // namespace kombinator::results
