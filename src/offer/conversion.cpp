// Conversion of the offer list's tip blocks (event line, outcome line, odds line) into rows of
// the tip grid.
#include "offer/conversion.h"

#include "app/form1.h"
#include "platform/text.h"

namespace kombinator {

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");
const QString kDraw = QStringLiteral("Döntetlen");
const QString kDoubleChance = QStringLiteral("Kétesély");

struct Teams {
    QString home;
    QString away;
};

// Splits an event line at its first dash with a blank on each side, or failing that at its first
// hyphen. A line without any hyphen names only the home team. The line's blanks are plain ones.
Teams splitTeams(const QString& eventLine) {
    qsizetype at = spacedDashAt(eventLine);
    if (at >= 0) return {eventLine.left(at - 1), eventLine.mid(at + 2)};
    at = eventLine.indexOf(u'-');
    if (at >= 0) return {eventLine.left(at), eventLine.mid(at + 1)};
    return {eventLine, QString()};
}

// An empty team name (an event line without a second team) never matches an outcome line.
bool mentions(const QString& line, const QString& team) {
    return !team.isEmpty() && line.contains(team);
}
bool startsWithTeam(const QString& line, const QString& team) {
    return !team.isEmpty() && line.startsWith(team);
}

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

// An outcome line that names the market first ("Végeredmény: MTK Budapest", "1X2: Ferencváros"):
// the outcome after the label. A colon with no blank after it ("20:45", "2:1") is no label's end.
QString withoutMarketLabel(const QString& line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0 || (colon + 1 < line.size() && line.at(colon + 1) != u' ')) return line;
    return trimBlanks(line.mid(colon + 1));
}

// Why the odds line of tip `tip` prices no tip: it ends in no number, or in odds below 1.00 that
// no bookmaker pays. Empty when the odds stand. A megabyte line is shown by its start only.
QString oddsRefusal(int tip, const QString& oddsLine) {
    const QString odds = oddsText(oddsLine);
    if (!odds.isEmpty() && odds.toDouble() >= 1.0) return {};
    constexpr qsizetype kShown = 60;
    QString shown = trimBlanks(plainLine(oddsLine));
    if (shown.size() > kShown) shown = shown.left(kShown - 1) + QChar(0x2026);
    const QString text = odds.isEmpty() ? QStringLiteral("A(z) %1. tipp szorzója hiányzik: „%2”")
                                        : QStringLiteral("A(z) %1. tipp szorzója 1.00 alatt van: „%2”");
    return text.arg(QString::number(tip), shown);
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
        isDigit(oddsLine.at(end - 2)))
        --end;
    if (end == 0 || !isDigit(oddsLine.at(end - 1))) return {};
    qsizetype begin = end;
    bool separatorSeen = false;
    while (begin > 0) {
        const QChar ch = oddsLine.at(begin - 1);
        if (isDigit(ch)) {
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

// Enables exactly the calculators that fit `tips`: the k-fold "k" for 2 <= k <= tips <= 13, and
// each full-cover multiple for its own number of selections only.
void enableCalculators(Form1& form, int tips) {
    static constexpr int kSelections[] = {3, 3, 4, 4, 5, 5, 6, 6, 7, 8};
    const std::vector<Button*> buttons = form.calculatorButtons();
    for (Button* b : buttons)
        b->setEnabled(false);
    for (int i = 0; i < 12; ++i) {
        const int k = i + 2;
        if (k <= tips && tips <= 13) buttons[static_cast<size_t>(i)]->setEnabled(true);
    }
    for (int i = 0; i < 10; ++i) {
        if (kSelections[i] == tips) buttons[static_cast<size_t>(12 + i)]->setEnabled(true);
    }
}

namespace {

void setMarker(Form1& form, int col, const QString& file) {
    const QString picture = form.loadPicture(file);
    if (picture.isEmpty()) return;  // a missing marker file leaves the cell as it is
    form.Grid1.setCol(col);
    form.Grid1.setPicture(picture);
}

// The outcome markers of the current row of the tip grid, from the outcome line.
void placeOutcomeMarkers(Form1& form, const QString& outcome, const Teams& teams) {
    const bool draw = outcome.contains(kDraw);
    const bool doubleChance = outcome.contains(kDoubleChance);
    if (draw) {
        setMarker(form, 1, QStringLiteral("\\xx.bmp"));
        setMarker(form, 2, QStringLiteral("\\xx.bmp"));
    }
    if (doubleChance) {
        const QString marker = draw ? QStringLiteral("\\xx.bmp") : QStringLiteral("\\xxk.bmp");
        setMarker(form, 1, marker);
        setMarker(form, 2, marker);
    }
    if (draw && doubleChance) {
        if (mentions(outcome, teams.home)) setMarker(form, 1, QStringLiteral("\\Xxx.bmp"));
        if (mentions(outcome, teams.away)) setMarker(form, 2, QStringLiteral("\\Xxx.bmp"));
    } else {
        QString line = trimBlanks(outcome);
        if (!doubleChance && !startsWithTeam(line, teams.home) && !startsWithTeam(line, teams.away))
            line = withoutMarketLabel(line);
        if (startsWithTeam(line, teams.home)) setMarker(form, 1, QStringLiteral("\\xxk.bmp"));
        if (startsWithTeam(line, teams.away)) setMarker(form, 2, QStringLiteral("\\xxk.bmp"));
    }
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

    Platform& platform = form.platform();
    if (n % 3 != 0) {
        platform.messageBox(QStringLiteral("Hibás kijelölés (nem 3 sor fogadásonként)!"), kCaption,
                            MsgIcon::Stop, MsgButtons::Ok);
        return;
    }
    const int tips = n / 3;
    if (tips > Form1::kMaxTips) {
        platform.messageBox(QStringLiteral("Maximum 50 esemény választható ki!"), kCaption, MsgIcon::Stop,
                            MsgButtons::Ok);
        return;
    }

    // A block without a price stops the whole conversion: its lines are shown selected, and the
    // grids keep the tips of the last conversion.
    for (int r = 1; r <= tips; ++r) {
        const QString refusal = oddsRefusal(r, lines.at(3 * (r - 1) + 2));
        if (refusal.isEmpty()) continue;
        for (int i = 3 * (r - 1); i < 3 * r; ++i)
            form.List5.setSelected(i, true);
        form.List5.setTopIndex(3 * (r - 1));
        platform.messageBox(refusal, kCaption, MsgIcon::Stop, MsgButtons::Ok);
        return;
    }

    clearGrid(form.Grid1, keepBankers ? 1 : 0);
    if (!keepBankers) {
        clearGrid(form.Grid2, 0);
        form.bankerFlags.fill(0);  // the cancelled marks went with the banker rows
    }
    form.List3.clear();

    Grid& grid = form.Grid1;
    for (int r = 1; r <= tips; ++r) {
        // Lines loaded from a file or set by another command may still carry a page's blanks.
        const QString eventLine = plainLine(lines.at(3 * (r - 1)));
        const QString outcomeLine = plainLine(lines.at(3 * (r - 1) + 1));
        const QString& oddsLine = lines.at(3 * (r - 1) + 2);
        const Teams teams = splitTeams(eventLine);
        grid.setRow(r);
        grid.setCol(0);
        grid.setText(QString::number(r));
        grid.setCol(1);
        grid.setText(teams.home);
        grid.setCol(2);
        grid.setText(teams.away);
        placeOutcomeMarkers(form, outcomeLine, teams);
        grid.setCol(3);
        grid.setText(oddsText(oddsLine));
    }

    form.module1.tipCount = static_cast<qint16>(tips);
    if (!keepBankers) form.module1.bankerCount = 0;
    enableCalculators(form, tips);
    form.resultFlags.fill(0);

    // Regroup: one empty line between tip blocks, so tip r starts at line 4 * (r - 1).
    QStringList grouped;
    grouped.reserve(n + tips);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && i % 3 == 0) grouped.append(QString());
        grouped.append(lines.at(i));
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
