// What every calculator shares: the bet-line format, the amount format, reading odds and tip
// numbers, single-precision products, and the calculation output (begin / add a bet / close).
// Every other part of the program that writes or reads bet lines and amounts uses these.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace kombinator {
class Form1;
class Grid;
}  // namespace kombinator

namespace kombinator::calc {

// An amount, a total or a mean with two decimals and a point ("####0.00"): 3.75, 0.50, 1234.00.
// A value halfway between two hundredths rounds away from zero.
QString formatAmount(float value);

// The summary lines under the amounts of a bet list: "Össz.: " and the total of its bets, and
// "Ny/s.: " and the mean amount per bet.
QString totalLine(float total);
QString perBetLine(float mean);

// The bet line of tip rows r1 < r2 < ...: each number with at least two digits, single blanks
// between them ("01 03 07").
QString betLine(std::span<const int> rows);

// An any-to-come bet: a single on `first`; what it returns, up to `carry` stakes, goes on as a
// single on `second`, and the rest is paid out. Its bet line names the first tip first, "01 > 02";
// carrying two stakes on, "01 >> 02".
struct AnyToCome {
    int first = 0;
    int second = 0;
    int carry = 1;
};
QString anyToComeLine(const AnyToCome& bet);
// The any-to-come bet a bet line names; nullopt for a line of any other form.
std::optional<AnyToCome> readAnyToCome(QStringView line);
// What an any-to-come bet returns for one stake when its first single returns `first` and its
// second `second` per stake: a first return below the carried stakes goes on whole, nothing
// goes on when it is 0. In single precision, as every bet's product.
float anyToComeReturn(float first, float second, int carry);

// Odds text ("1.85", a point as decimal separator, blanks around it allowed) as a single-precision
// number; nullopt for an empty text or one that is not a number.
std::optional<float> parseOdds(QStringView text);

// `product` times `factor` in single precision. A result outside the single-precision range is
// not taken: the product keeps its value and false is returned.
bool multiplyInto(float& product, float factor);
// `sum` plus `term` in single precision, with the same rule: a sum outside the range is not
// taken, so a total never shows as infinite.
bool addInto(float& sum, float term);

// The value of a run of characters as the program reads tip numbers and event counts: blanks are
// ignored, the reading stops at the first character that is not a digit, a sign included ("-01"
// reads 0); no leading digit reads 0.
int numberValue(QStringView text);

// Whether a field of a bet line reads as a number at all (a missing or empty field does not).
bool readsAsNumber(QStringView field);

// The k-th tip number field (1-based) of a bet line: characters 3k-2 and 3k-1.
QStringView tipField(QStringView line, int k);
// The number of tip fields of a bet line of this length: (length + 1) / 3.
inline int tipFieldCount(QStringView line) {
    return static_cast<int>((line.size() + 1) / 3);
}

// The banker product: 1 times the odds of banker rows 1 to the banker count; a banker whose odds
// do not convert counts as 1. Like the grid it reads, it leaves the banker grid's current cell on
// the last banker's odds.
float bankerProduct(Form1& form);
// The same product read without touching the banker grid, for views that only look.
float bankerOdds(const Form1& form);

// The calculation output of the calculators: bet lines into List1, amounts into List3, then the
// empty line, "Össz.: " and "Ny/s.: ", and the bet count in Label1.
class Output {
public:
    explicit Output(Form1& form);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // A new list: both lists cleared, List1's tooltip emptied, the running total 0.
    void begin();
    // Keeps the lists (k-fold systems with Check1 unticked): List3 gets an empty separator line
    // when it holds any line; Label1 and List1's tooltip are emptied.
    void beginKeeping();
    // Room for this many bets, so that adding them never grows the buffers.
    void reserve(qsizetype bets);
    // One bet of tip rows r1 < r2 < ... < rk. A tip whose odds do not convert counts as odds 1.
    void add(std::span<const int> rows);
    // One any-to-come bet, its amount what it returns when both tips win.
    void addAnyToCome(const AnyToCome& bet);
    // The summary lines and the bet count.
    void close();
    // Writes what was added without closing (the exact-count case of the k-fold systems).
    void flush();

private:
    float tipOdds(int row);
    void addAmount(float product);

    Form1& form_;
    float total_ = 0.0f;
    float bankers_ = 1.0f;
    int lastTipRow_ = 0;
    QStringList bets_;
    QStringList amounts_;
    std::vector<std::optional<float>> oddsCache_;
    std::vector<bool> oddsRead_;
};

}  // namespace kombinator::calc
