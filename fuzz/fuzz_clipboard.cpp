// The clipboard's text through intake, conversion and a calculator, then a few of the user's
// clicks on the result: odds cells, bankers, the odds command, the evaluation, the list clicks.
//
// Input: byte 0 picks the calculator ("2" to "13", the full-cover multiples, "1"), byte 1 holds
// switches (bit 0: Check1 ticked; bit 1: line feeds handed in as CR LF, as the desktop does),
// bytes 2 to 13 are six clicks (what, where), and the rest is the clipboard's bytes, decoded as
// a text file is.
#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>

#include "app/form1.h"
#include "fuzzplatform.h"
#include "platform/files.h"
#include "results/betreading.h"
#include "results/returntable.h"

using namespace kombinator;
using kombinator::fuzz::require;

namespace {

constexpr std::size_t kHeader = 14;
constexpr int kCalculators = 23;

// "####0.00": a sign only for a negative amount, digits, a point, two digits.
bool isAmount(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && text.at(i) == u'-') ++i;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
        ++i;
    if (i == digitsFrom || text.size() - i != 3 || text.at(i) != u'.') return false;
    return text.at(i + 1).isDigit() && text.at(i + 2).isDigit();
}

// Every line of the amount list is an amount, the empty separator or a summary line: never
// "inf", "nan" or anything else a broken product could print.
void requireAmountList(const Form1& form) {
    for (const QString& line : form.List3.lines()) {
        if (line.isEmpty()) continue;
        if (line.startsWith(QStringLiteral("Össz.: "))) {
            require(isAmount(QStringView(line).sliced(7)));
        } else if (line.startsWith(QStringLiteral("Ny/s.: "))) {
            require(isAmount(QStringView(line).sliced(7)));
        } else {
            require(isAmount(line));
        }
    }
}

QString digitsOf(QString text) {
    text.removeIf([](QChar ch) { return ch < u'0' || ch > u'9'; });
    return text;
}

// Every tip's odds stand on the price line of its block in the offer list: a price is never
// taken from an event, an outcome or a line beside them.
void requireOddsFromTheirLine(const Form1& form) {
    for (int r = 1; r <= form.module1.tipCount; ++r)
        require(digitsOf(form.List5.line(4 * (r - 1) + 2)).contains(digitsOf(form.Grid1.textAt(r, 3))));
}

Button* calculator(Form1& form, int index) {
    if (index == kCalculators - 1) return &form.Command24;
    return form.calculatorButtons().at(static_cast<std::size_t>(index));
}

// A calculator as the user presses it: only while it is enabled ("1" always is).
void pressCalculator(Form1& form, int index) {
    Button* button = calculator(form, index);
    if (!button->isEnabled() && button != &form.Command24) return;
    const int tips = form.module1.tipCount;
    button->click();
    if (form.Check1.value() != 1 || tips <= 0) return;
    requireAmountList(form);
    // Every calculation but the exact-count one closes with the three summary lines.
    const bool exactCount = index < 12 && index + 2 == tips;
    if (!exactCount && form.List1.count() > 0) require(form.List3.count() == form.List1.count() + 3);
}

void click(Form1& form, std::uint8_t what, std::uint8_t where) {
    const int row = where % Form1::kGridRows;
    switch (what % 10) {
        case 0:  // an odds cell (row 0: the column header marks every tip)
            form.Grid1.clickCell(row, 3);
            break;
        case 1:  // a row header, then "Fix megadása"
            form.Grid1.clickCell(row, 0);
            form.Command22.click();
            break;
        case 2:
        case 3: {
            const bool priced = results::betListPriceable(form);
            (what % 10 == 2 ? form.Command19 : form.Command21).click();
            if (priced) {
                requireAmountList(form);
                if (what % 10 == 3) require(form.List3.count() == form.List1.count() + 3);
            }
            break;
        }
        case 4:
            pressCalculator(form, where % kCalculators);
            break;
        case 5:  // an outcome marker set or taken away
            form.Option1.select(where % 3);
            form.Grid1.clickCell(row, where >= 128 ? 2 : 1);
            break;
        case 6:
            form.List1.clickLine(where);
            form.List3.clickLine(where);
            break;
        case 7:  // an offer line deleted, the rest converted again
            if (form.List5.count() > 0) form.List5.setSelected(where % form.List5.count(), true);
            form.Command3.click();
            form.Command2.click();
            break;
        case 8:
            if (form.module1.tipCount <= 14) {
                if (const auto table = results::returnTable(form)) {
                    for (const QString& line : results::formatReturnTable(*table))
                        require(!line.contains(QStringLiteral("inf")) &&
                                !line.contains(QStringLiteral("nan")));
                }
            }
            break;
        default:
            form.Command2.click();
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kHeader> header{};
    for (std::size_t i = 0; i < kHeader && i < size; ++i)
        header[i] = data[i];
    const std::size_t skip = size < kHeader ? size : kHeader;
    const QByteArray bytes(reinterpret_cast<const char*>(data + skip), static_cast<qsizetype>(size - skip));

    static fuzz::FuzzPlatform platform;
    QString text = files::decode(bytes);
    if (header[1] & 2) text = files::withCrLf(text);
    platform.clipboard = text;

    Form1 form(platform);
    form.Check1.setValue(header[1] & 1);
    form.Command1.click();
    if (form.List5.count() > 0) require(form.Label1.caption() == QString::number(form.List5.count()));
    form.Command2.click();
    require(form.module1.tipCount >= 0 && form.module1.tipCount <= Form1::kMaxTips);
    requireOddsFromTheirLine(form);
    pressCalculator(form, header[0] % kCalculators);
    for (std::size_t i = 2; i + 1 < kHeader; i += 2)
        click(form, header[i], header[i + 1]);
    require(form.module1.tipCount >= 0 && form.module1.bankerCount >= 0);
    require(form.module1.tipCount + form.module1.bankerCount <= Form1::kMaxTips);
    return 0;
}
