// Conversion of the offer list's tip blocks (event line, outcome line, odds line) into rows of
// the tip grid.
#include "offer/conversion.h"

#include <QCoreApplication>

#include "app/form1.h"
#include "offer/slipparts.h"
#include "offer/slipreader.h"
#include "platform/text.h"

namespace kombinator {

using slip::isAsciiDigit;

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");

// Lines that do not come in the three of a tip, and an offer of more tips than the grid holds.
constexpr const char* kNotThreeLines =
    QT_TRANSLATE_NOOP("offer", "Hibás kijelölés (nem 3 sor fogadásonként)!");
constexpr const char* kTooManyTips = QT_TRANSLATE_NOOP("offer", "Maximum 50 esemény választható ki!");
static_assert(Form1::kMaxTips == 50, "the message names the limit");

void refuse(Platform& platform, const QString& text) {
    platform.messageBox(text, kCaption, MsgIcon::Stop, MsgButtons::Ok);
}

void refuse(Platform& platform, const char* text) {
    refuse(platform, QCoreApplication::translate("offer", text));
}

}  // namespace

// The odds at the end of an odds line: the longest run at its end (trailing blanks ignored) made
// of digits and at most one decimal comma or point, written with a point. Odds of any length
// keep all their digits ("Szorzó: 150,00" gives 150.00); a separator after the last digit is a
// number cut short ("Szorzó: 3," gives 3); a line that ends in no digit gives "".
QString oddsText(const QString& copiedLine) {
    const QString oddsLine = plainLine(copiedLine);
    qsizetype end = oddsLine.size();
    while (end > 0 && oddsLine.at(end - 1) == u' ')
        --end;
    if (end > 1 && (oddsLine.at(end - 1) == u',' || oddsLine.at(end - 1) == u'.') &&
        isAsciiDigit(oddsLine.at(end - 2)))
        --end;
    if (end == 0 || !isAsciiDigit(oddsLine.at(end - 1))) return {};
    qsizetype begin = end;
    bool separatorSeen = false;
    while (begin > 0) {
        const QChar ch = oddsLine.at(begin - 1);
        if (isAsciiDigit(ch)) {
            --begin;
        } else if ((ch == u',' || ch == u'.') && !separatorSeen) {
            separatorSeen = true;
            --begin;
        } else {
            break;
        }
    }
    QString odds = oddsLine.mid(begin, end - begin);
    odds.replace(u',', u'.');
    return odds;
}

namespace {

QString markerFile(OutcomeMarker marker) {
    switch (marker) {
        case OutcomeMarker::Win:
            return QStringLiteral("\\xxk.bmp");
        case OutcomeMarker::Draw:
            return QStringLiteral("\\xx.bmp");
        case OutcomeMarker::WinOrDraw:
            return QStringLiteral("\\Xxx.bmp");
        case OutcomeMarker::None:
            break;
    }
    return {};
}

// A missing win-or-draw picture leaves the draw marker, as the cell showed before it was replaced.
void setMarker(Form1& form, int col, OutcomeMarker marker) {
    if (marker == OutcomeMarker::None) return;
    QString picture = form.loadPicture(markerFile(marker));
    if (picture.isEmpty() && marker == OutcomeMarker::WinOrDraw)
        picture = form.loadPicture(markerFile(OutcomeMarker::Draw));
    if (picture.isEmpty()) return;  // a missing marker file leaves the cell as it is
    form.Grid1.setCol(col);
    form.Grid1.setPicture(picture);
}

// The lines the reader takes: the copied cells of a table while the offer list still shows them.
// Lines loaded from a file or set by another command may still carry a page's blanks and marks.
QStringList readableLines(const Form1& form, const QStringList& lines) {
    const QStringList& cells = form.copiedCells;
    bool copied = cells.size() == lines.size();
    for (qsizetype i = 0; copied && i < lines.size(); ++i)
        copied = trimBlanks(QString(cells.at(i)).replace(u'\t', u' ')) == lines.at(i);
    if (copied) return cells;
    QStringList plain;
    plain.reserve(lines.size());
    for (const QString& line : lines)
        plain.append(plainLine(line));
    return plain;
}

void clearGrid(Grid& grid, int firstCol) {
    for (int r = 1; r < grid.rows(); ++r) {
        grid.setRow(r);
        for (int c = firstCol; c < grid.cols(); ++c) {
            grid.setCol(c);
            grid.setText({});
            grid.setPicture({});
        }
    }
}

// A racing tip's row: the race where a match's home side stands, the runner where its away side
// does, no markers, and the odds, empty at "SP" for the user to type. The each-way terms the slip
// printed become the tip's place terms; a Rule 4 deduction already set stays.
void setRaceTip(Form1& form, const SlipTip& tip) {
    Grid& grid = form.Grid1;
    grid.setCol(1);
    grid.setText(tip.race);
    grid.setCol(2);
    grid.setText(tip.runner);
    grid.setCol(3);
    grid.setText(tip.odds);
    const int row = grid.row();
    if (tip.startingPrice) form.startingPrices.insert(Form1::tipKey(grid, row));
    if (!tip.eachWay.eachWay()) return;
    TipTerms terms = form.termsAt(grid, row);
    terms.place = tip.eachWay;
    form.setTermsAt(grid, row, terms);
}

// Both conversions; `keepBankers` is the hidden Command23's way, run after a banker move.
void convert(Form1& form, bool keepBankers) {
    form.List5.setToolTip({});
    if (form.List5.count() == 0) return;

    QStringList lines;
    for (const QString& line : form.List5.lines()) {
        if (!line.isEmpty()) lines.append(line);
    }
    form.List2.setLines(lines);
    form.List5.setLines(form.List2.lines());
    const int n = static_cast<int>(lines.size());

    // The reader takes a tip only when every part of it is certain; anything else stops the whole
    // conversion at its block, shown selected, and the grids keep the tips of the last one.
    Platform& platform = form.platform();
    const QStringList readable = readableLines(form, lines);  // the tips' names are views into it
    const SlipReading reading = readSlip(readable, Form1::kMaxTips + 1);
    if (reading.refused()) {
        // Lines that hold no tip's part, or stop inside a tip, are told by their count.
        if (reading.nothingRead || reading.endedInsideTip) {
            if (n % 3 != 0) return refuse(platform, kNotThreeLines);
            if (n / 3 > Form1::kMaxTips) return refuse(platform, kTooManyTips);
        }
        for (qsizetype i = reading.refusal.first; i <= reading.refusal.last; ++i)
            form.List5.setSelected(static_cast<int>(i), true);
        form.List5.setTopIndex(static_cast<int>(reading.refusal.first));
        return refuse(platform, refusalText(reading.refusal));
    }
    const int tips = static_cast<int>(reading.tips.size());
    if (tips > Form1::kMaxTips) {
        // The reading stops at the first tip too many. An offer of plain three-line blocks is
        // first told that its lines do not come in threes, as a shorter one is.
        const bool blocks = reading.tips.last().lastLine == 3 * qsizetype{tips} - 1;
        return refuse(platform, blocks && n % 3 != 0 ? kNotThreeLines : kTooManyTips);
    }
    form.copiedCells.clear();

    clearGrid(form.Grid1, keepBankers ? 1 : 0);
    if (!keepBankers) {
        clearGrid(form.Grid2, 0);
        form.bankerFlags.fill(0);  // the cancelled marks went with the banker rows
    }
    form.List3.clear();

    Grid& grid = form.Grid1;
    for (int r = 1; r <= tips; ++r) {
        const SlipTip& tip = reading.tips.at(r - 1);
        grid.setRow(r);
        grid.setCol(0);
        grid.setText(QString::number(r));
        if (!tip.race.isEmpty()) {
            setRaceTip(form, tip);
            continue;
        }
        grid.setCol(1);
        grid.setText(tip.home.toString());
        grid.setCol(2);
        grid.setText(tip.away.toString());
        setMarker(form, 1, tip.homeMarker);
        setMarker(form, 2, tip.awayMarker);
        grid.setCol(3);
        grid.setText(tip.odds);
    }

    form.module1.tipCount = static_cast<qint16>(tips);
    if (!keepBankers) form.module1.bankerCount = 0;
    form.enableCalculators(tips);
    form.resultFlags.fill(0);

    // Regroup: the tip blocks as read, one empty line between them, so tip r starts at line
    // 4 * (r - 1).
    QStringList grouped;
    grouped.reserve(4 * tips);
    for (const SlipTip& tip : reading.tips) {
        if (!grouped.isEmpty()) grouped.append(QString());
        grouped << tip.eventLine << tip.outcomeLine << tip.priceLine;
    }
    form.List2.clear();
    form.List5.setLines(grouped);

    grid.setSelection({1, 1, 1, 1});
    grid.setCol(1);
    grid.setRow(1);
    grid.setFocus();
}

}  // namespace

void Form1::Command2_Click() {
    convert(*this, false);
}

void Form1::Command23_Click() {
    convert(*this, true);
}

}  // namespace kombinator
