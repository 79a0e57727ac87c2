#include "calc/output.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "app/form1.h"
#include "calc/odds.h"

namespace kombinator::calc {

QString formatAmount(float value) {
    // The float widened to double is exact, and so is its product with 100 (24 + 7 bits); ties
    // (x.xx5 exactly) therefore stay ties and std::round rounds them away from zero.
    const double hundredths = std::round(static_cast<double>(value) * 100.0);
    if (!std::isfinite(hundredths)) return QStringLiteral("0.00");
    if (std::fabs(hundredths) >= 1e15) return QString::number(hundredths / 100.0, 'f', 2);
    // Written digit by digit: every bet of a calculation gets an amount, and this keeps it to the
    // one allocation of the text itself. A value that rounds to zero has no sign.
    const auto whole = static_cast<long long>(hundredths);
    unsigned long long rest =
        whole < 0 ? 0ULL - static_cast<unsigned long long>(whole) : static_cast<unsigned long long>(whole);
    char buffer[24];
    char* at = buffer + sizeof buffer;
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
    *--at = '.';
    do {
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (whole < 0) *--at = '-';
    return QString::fromLatin1(at, buffer + sizeof buffer - at);
}

QString totalLine(float total) {
    //: The total of a bet list's amounts, written right before it.
    return QCoreApplication::translate("calc", "Össz.: ") + formatAmount(total);
}

QString perBetLine(float mean) {
    //: The mean amount per bet of a bet list, written right before it.
    return QCoreApplication::translate("calc", "Ny/s.: ") + formatAmount(mean);
}

QString betLine(std::span<const int> rows) {
    QString line;
    line.reserve(static_cast<qsizetype>(rows.size()) * 3);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) line += u' ';
        const int r = rows[i];
        if (r >= 0 && r < 100) {
            line += QChar(static_cast<char16_t>(u'0' + r / 10));
            line += QChar(static_cast<char16_t>(u'0' + r % 10));
        } else {
            line += QString::number(r);
        }
    }
    return line;
}

QString anyToComeLine(const AnyToCome& bet) {
    const std::array<int, 1> first{bet.first};
    const std::array<int, 1> second{bet.second};
    return betLine(first) + (bet.carry == 2 ? QStringLiteral(" >> ") : QStringLiteral(" > ")) +
           betLine(second);
}

std::optional<AnyToCome> readAnyToCome(QStringView line) {
    const auto twoDigits = [](QStringView field) {
        return field.size() == 2 && field.at(0) >= u'0' && field.at(0) <= u'9' && field.at(1) >= u'0' &&
               field.at(1) <= u'9';
    };
    for (const int carry : {1, 2}) {
        const QLatin1StringView arrow = carry == 2 ? QLatin1StringView(" >> ") : QLatin1StringView(" > ");
        if (line.size() == 4 + arrow.size() && line.mid(2, arrow.size()) == arrow &&
            twoDigits(line.left(2)) && twoDigits(line.right(2)))
            return AnyToCome{numberValue(line.left(2)), numberValue(line.right(2)), carry};
    }
    return std::nullopt;
}

float anyToComeReturn(float first, float second, int carry) {
    if (!(first > 0.0f)) return 0.0f;
    const float carried = std::min(first, static_cast<float>(carry));
    float paid = first - carried;
    float onward = carried;
    multiplyInto(onward, second);
    addInto(paid, onward);
    return paid;
}

std::optional<float> parseOdds(QStringView text) {
    // Fractional and American odds from their exact fraction, rounded once.
    if (otherOddsForm(text)) {
        const OddsRatio odds = *oddsRatio(text);
        return static_cast<float>(static_cast<double>(odds.num) / static_cast<double>(odds.den));
    }
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 64) return std::nullopt;
    char buffer[65];
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch >= u'0' && ch <= u'9') {
            ++digits;
        } else if (ch == u'.') {
            ++points;
        } else if (!((ch == u'-' || ch == u'+') && i == 0)) {
            return std::nullopt;
        }
        buffer[i] = static_cast<char>(ch);
    }
    if (digits == 0 || points > 1) return std::nullopt;
    const char* begin = buffer[0] == '+' ? buffer + 1 : buffer;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(begin, buffer + text.size(), value);
    if (error != std::errc() || end != buffer + text.size()) return std::nullopt;
    return value;
}

bool multiplyInto(float& product, float factor) {
    const float result = factor * product;
    if (!std::isfinite(result)) return false;
    product = result;
    return true;
}

bool addInto(float& sum, float term) {
    const float result = sum + term;
    if (!std::isfinite(result)) return false;
    sum = result;
    return true;
}

int numberValue(QStringView text) {
    long value = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u' ') continue;
        if (c < u'0' || c > u'9') break;  // a sign ends the number too
        if (value < 100000000) value = value * 10 + (c - u'0');
    }
    return static_cast<int>(value);
}

bool readsAsNumber(QStringView field) {
    field = field.trimmed();
    if (field.isEmpty()) return false;
    qsizetype i = field.at(0) == u'-' || field.at(0) == u'+' ? 1 : 0;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i) {
        if (!field.at(i).isDigit() || field.at(i).unicode() > 127) return false;
    }
    return true;
}

QStringView tipField(QStringView line, int k) {
    const qsizetype at = 3 * static_cast<qsizetype>(k) - 3;
    if (k < 1 || at >= line.size()) return {};
    return line.mid(at, 2);
}

float bankerOdds(const Form1& form) {
    float product = 1.0f;
    for (int m = 1; m <= form.module1.bankerCount; ++m) {
        if (const std::optional<float> odds = parseOdds(form.Grid2.textAt(m, 3)))
            multiplyInto(product, *odds);
    }
    return product;
}

float bankerProduct(Form1& form) {
    const float product = bankerOdds(form);
    if (form.module1.bankerCount > 0) {
        form.Grid2.setCol(3);
        form.Grid2.setRow(form.module1.bankerCount);
    }
    return product;
}

Output::Output(Form1& form) : form_(form) {}

Output::~Output() = default;

void Output::begin() {
    form_.List1.clear();
    form_.List1.setToolTip({});
    form_.List3.clear();
    form_.returnParts.clear();
    total_ = 0.0f;
    bankers_ = bankerProduct(form_);
}

void Output::reserve(qsizetype bets) {
    bets_.reserve(bets);
    amounts_.reserve(bets);
}

void Output::beginKeeping() {
    if (form_.List3.count() > 0) form_.List3.addItem(QString());
    form_.Label1.setCaption({});
    form_.List1.setToolTip({});
    total_ = 0.0f;
    bankers_ = bankerProduct(form_);
}

float Output::tipOdds(int row) {
    const size_t i = static_cast<size_t>(row);
    if (i >= oddsRead_.size()) {
        oddsRead_.resize(i + 1, false);
        oddsCache_.resize(i + 1);
    }
    if (!oddsRead_[i]) {
        oddsCache_[i] = parseOdds(form_.Grid1.textAt(row, 3));
        oddsRead_[i] = true;
    }
    lastTipRow_ = row;
    return oddsCache_[i].value_or(1.0f);
}

void Output::add(std::span<const int> rows) {
    float product = 1.0f;
    bets_.append(betLine(rows));
    for (const int r : rows)
        multiplyInto(product, tipOdds(r));
    addAmount(product);
}

void Output::addAnyToCome(const AnyToCome& bet) {
    bets_.append(anyToComeLine(bet));
    const float first = tipOdds(bet.first);
    addAmount(anyToComeReturn(first, tipOdds(bet.second), bet.carry));
}

void Output::addAmount(float product) {
    addInto(total_, product);
    if (form_.module1.bankerCount > 0) multiplyInto(product, bankers_);
    form_.workingProduct = product;
    amounts_.append(formatAmount(product));
}

void Output::flush() {
    form_.List1.addItems(bets_);
    form_.List3.addItems(amounts_);
    bets_.clear();
    amounts_.clear();
    if (lastTipRow_ > 0) {
        form_.Grid1.setCol(3);
        form_.Grid1.setRow(lastTipRow_);
    }
}

void Output::close() {
    flush();
    QStringList summary{QString()};
    if (form_.module1.bankerCount > 0) {
        form_.workingProduct = bankerProduct(form_);
        multiplyInto(total_, form_.workingProduct);
    }
    summary.append(totalLine(total_));
    const int bets = form_.List1.count();
    if (bets > 0) summary.append(perBetLine(total_ / static_cast<float>(bets)));
    form_.List3.addItems(summary);
    form_.Label1.setCaption(form_.betCountText(bets));
}

}  // namespace kombinator::calc
