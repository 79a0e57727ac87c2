#include "calc/odds.h"

#include <cmath>
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

OddsFormat chosen = OddsFormat::Decimal;

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
    const bool decimal = !otherOddsForm(text);
    if (format == OddsFormat::Decimal && decimal) return text;
    const std::optional<OddsRatio> odds = oddsRatio(text);
    if (!odds || odds->num <= odds->den) return text;
    const double value = static_cast<double>(odds->num) / static_cast<double>(odds->den);
    switch (format) {
        case OddsFormat::Decimal:
            return QString::number(value, 'f', 2);
        case OddsFormat::Fractional: {
            const OddsRatio winnings = reduced(odds->num - odds->den, odds->den);
            return QStringLiteral("%1/%2").arg(winnings.num).arg(winnings.den);
        }
        case OddsFormat::American: {
            const double american = value >= 2.0 ? 100.0 * (value - 1.0) : -100.0 / (value - 1.0);
            const auto rounded = static_cast<qint64>(std::llround(american));
            return (rounded > 0 ? QStringLiteral("+") : QString()) + QString::number(rounded);
        }
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
