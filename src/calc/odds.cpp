#include "calc/odds.h"

#include <iterator>
#include <numeric>

namespace kombinator::calc {

namespace {

// Numbers of up to nine digits: their products stay far inside 64 bits.
constexpr qsizetype kMaxDigits = 9;

std::optional<qint64> wholeNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > kMaxDigits) return std::nullopt;
    qint64 n = 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9') return std::nullopt;
        n = n * 10 + (ch.unicode() - u'0');
    }
    return n;
}

OddsRatio reduced(qint64 num, qint64 den) {
    const qint64 g = std::gcd(num, den);
    return {num / g, den / g};
}

OddsFormat chosen = OddsFormat::AsRead;

// A fractional price as written: the winnings, then the stake they are won with.
struct Price {
    qint64 winnings;
    qint64 stake;
};

// The traditional ladder of fractional prices, shortest first: the steps British bookmakers
// price in and starting prices are returned in, as the British Horseracing Authority's
// starting-price ladder lists them. Where the reduced fraction differs, the ladder's way of
// writing it is the bookmakers' (6/4, not 3/2; 100/30, not 10/3; 85/40, not 17/8).
constexpr Price kLadder[] = {
    {1, 10},   {1, 9},   {1, 8},   {1, 7},   {1, 6},   {2, 11},  {1, 5},   {2, 9},  {1, 4},   {2, 7},
    {3, 10},   {1, 3},   {4, 11},  {2, 5},   {4, 9},   {1, 2},   {8, 15},  {4, 7},  {8, 13},  {4, 6},
    {8, 11},   {4, 5},   {5, 6},   {10, 11}, {1, 1},   {21, 20}, {11, 10}, {6, 5},  {5, 4},   {11, 8},
    {6, 4},    {13, 8},  {7, 4},   {15, 8},  {2, 1},   {85, 40}, {9, 4},   {5, 2},  {11, 4},  {3, 1},
    {100, 30}, {7, 2},   {4, 1},   {9, 2},   {5, 1},   {11, 2},  {6, 1},   {13, 2}, {7, 1},   {15, 2},
    {8, 1},    {17, 2},  {9, 1},   {10, 1},  {11, 1},  {12, 1},  {14, 1},  {16, 1}, {18, 1},  {20, 1},
    {22, 1},   {25, 1},  {28, 1},  {33, 1},  {40, 1},  {50, 1},  {66, 1},  {80, 1}, {100, 1}, {125, 1},
    {150, 1},  {200, 1}, {250, 1}, {500, 1}, {1000, 1}};

QString written(const Price& price) {
    if (price.winnings == 1 && price.stake == 1) return QStringLiteral("Evens");
    return QStringLiteral("%1/%2").arg(price.winnings).arg(price.stake);
}

// Decimal odds above evens as American odds, the half rounded away from zero.
qint64 americanOdds(const OddsRatio& odds) {
    const qint64 winnings = odds.num - odds.den;
    return odds.num >= 2 * odds.den ? (200 * winnings + odds.den) / (2 * odds.den)
                                    : -((200 * odds.den + winnings) / (2 * winnings));
}

// The ladder's price that a decimal or American price stands for: the one it equals, or the one
// that, written in the price's own form, becomes it (4.33 is 100/30 to two places, 2.38 is 11/8,
// and so is +138). Decimals of fewer than two places are taken as they stand.
std::optional<Price> ladderPrice(QStringView text, const OddsRatio& odds) {
    text = text.trimmed();
    const bool american = text.startsWith(u'+') || text.startsWith(u'-');
    const qsizetype point = text.indexOf(u'.');
    const qsizetype places = point < 0 ? 0 : text.size() - point - 1;
    qint64 scale = 1;
    for (qsizetype i = 0; i < places; ++i)
        scale *= 10;
    const qint64 scaled = scale / odds.den * odds.num;  // the price's digits; its places divide `scale`
    for (const Price& price : kLadder) {
        const OddsRatio step{price.winnings + price.stake, price.stake};
        if (step.num * odds.den == odds.num * step.den) return price;
        if (american ? americanOdds(step) == americanOdds(odds)
                     : places >= 2 && (2 * step.num * scale + step.den) / (2 * step.den) == scaled)
            return price;
    }
    return std::nullopt;
}

}  // namespace

std::optional<OddsFormat> oddsFormatNamed(QStringView name) {
    for (size_t i = 0; i < std::size(kOddsFormatNames); ++i) {
        if (name.compare(QLatin1String(kOddsFormatNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<OddsFormat>(i);
    }
    return std::nullopt;
}

std::optional<QString> otherOddsForm(QStringView text) {
    text = text.trimmed();
    for (const QStringView evens : {u"Evens", u"EVS", u"Evs", u"evens"}) {
        if (text == evens) return QStringLiteral("1/1");
    }
    if (const qsizetype slash = text.indexOf(u'/'); slash > 0) {
        const std::optional<qint64> a = wholeNumber(text.first(slash));
        const std::optional<qint64> b = wholeNumber(text.sliced(slash + 1));
        if (!a || !b || *b == 0) return std::nullopt;
        return QStringLiteral("%1/%2").arg(*a).arg(*b);
    }
    if (text.size() > 1 && (text.front() == u'+' || text.front() == u'-')) {
        const std::optional<qint64> n = wholeNumber(text.sliced(1));
        if (!n || *n < 100) return std::nullopt;
        return text.front() + QString::number(*n);
    }
    return std::nullopt;
}

std::optional<OddsRatio> oddsRatio(QStringView text) {
    const std::optional<QString> form = otherOddsForm(text);
    if (!form) {
        // Decimal odds: digits with at most one point.
        text = text.trimmed();
        const qsizetype point = text.indexOf(u'.');
        const QStringView whole = point < 0 ? text : text.first(point);
        const QStringView decimals = point < 0 ? QStringView() : text.sliced(point + 1);
        if (decimals.size() > 6) return std::nullopt;
        const std::optional<qint64> w = wholeNumber(whole);
        const std::optional<qint64> d = decimals.isEmpty() ? std::optional<qint64>(0) : wholeNumber(decimals);
        if (!w || !d) return std::nullopt;
        qint64 den = 1;
        for (qsizetype i = 0; i < decimals.size(); ++i)
            den *= 10;
        return reduced(*w * den + *d, den);
    }
    if (form->front() == u'+') return reduced(form->sliced(1).toLongLong() + 100, 100);
    if (form->front() == u'-') {
        const qint64 n = form->sliced(1).toLongLong();
        return reduced(n + 100, n);
    }
    const qsizetype slash = form->indexOf(u'/');
    const qint64 a = form->first(slash).toLongLong();
    const qint64 b = form->sliced(slash + 1).toLongLong();
    return reduced(a + b, b);
}

QString shownOdds(const QString& text, OddsFormat format) {
    const std::optional<QString> other = otherOddsForm(text);
    const bool fraction = other && other->contains(u'/');
    const bool asRead = format == OddsFormat::AsRead || (format == OddsFormat::Decimal && !other) ||
                        (format == OddsFormat::Fractional && fraction) ||
                        (format == OddsFormat::American && other && !fraction);
    if (asRead) return fraction && *other == QLatin1String("1/1") ? written({1, 1}) : text;
    const std::optional<OddsRatio> odds = oddsRatio(text);
    if (!odds || odds->num <= odds->den) return text;
    switch (format) {
        case OddsFormat::Decimal:
            return QString::number(static_cast<double>(odds->num) / static_cast<double>(odds->den), 'f', 2);
        case OddsFormat::Fractional: {
            if (const std::optional<Price> price = ladderPrice(text, *odds)) return written(*price);
            const OddsRatio winnings = reduced(odds->num - odds->den, odds->den);
            return written({winnings.num, winnings.den});
        }
        case OddsFormat::American: {
            const qint64 american = americanOdds(*odds);
            return (american > 0 ? QStringLiteral("+") : QString()) + QString::number(american);
        }
        case OddsFormat::AsRead:
            break;
    }
    return text;
}

OddsFormat oddsFormat() {
    return chosen;
}

void setOddsFormat(OddsFormat format) {
    chosen = format;
}

}  // namespace kombinator::calc
