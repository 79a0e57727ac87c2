// Result marking on the tip grid: a click on a row header shows the tip's offer lines, a click on
// a team cell sets or removes an outcome marker, a click on an odds cell marks the tip as won or
// takes the mark back. The odds cells' context menu also gives a tip or a banker a settled result:
// half won, half lost, a dead heat, cancelled, placed or a non-runner; a Rule 4 deduction; and
// each-way terms, for one tip or for all.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <optional>

#include "app/form1.h"
#include "app/language.h"
#include "results/betreading.h"

namespace kombinator {

namespace {

constexpr int kOddsCol = 3;
// How a result shows in an odds cell: its marker picture, and its word for a screen reader (a
// dead heat's with the number tied).
struct ResultLook {
    qint16 result;
    const char* marker;
    const char* word;
};
constexpr ResultLook kResultLooks[] = {
    {Form1::kWon, "\\xxz.bmp", QT_TRANSLATE_NOOP("results", "nyert")},
    {Form1::kCancelled, "\\xxt.bmp", QT_TRANSLATE_NOOP("results", "törölt")},
    {Form1::kHalfWon, "\\xxf.bmp", QT_TRANSLATE_NOOP("results", "félig nyert")},
    {Form1::kHalfLost, "\\xxv.bmp", QT_TRANSLATE_NOOP("results", "félig vesztett")},
    //: A dead heat's result; %1 is the number tied.
    {Form1::kDeadHeat, "\\xxh.bmp", QT_TRANSLATE_NOOP("results", "holtverseny (%1)")},
    {Form1::kPlaced, "\\xxp.bmp", QT_TRANSLATE_NOOP("results", "helyezett")},
    {Form1::kNonRunner, "\\xxt.bmp", QT_TRANSLATE_NOOP("results", "nem indult")},
};

const ResultLook* lookOf(qint16 result) {
    const qint16 kind = results::tiedOf(result) ? Form1::kDeadHeat : result;
    for (const ResultLook& look : kResultLooks) {
        if (look.result == kind) return &look;
    }
    return nullptr;
}

QString markerOf(qint16 result) {
    return QString::fromUtf8(lookOf(result)->marker);
}

QString wordOf(qint16 result) {
    const ResultLook* look = lookOf(result);
    if (!look) return {};
    const QString word = QCoreApplication::translate("results", look->word);
    const int tied = results::tiedOf(result);
    if (!tied) return word;
    const int position = results::deadHeatPosition(result);
    //: A dead heat for a lower place; %1 is the number tied, %2 the place.
    if (position > 1)
        return QCoreApplication::translate("results", "holtverseny (%1) a %2. helyért")
            .arg(tied)
            .arg(position);
    return word.arg(tied);
}

// What a tip's terms add to its odds cell's words: "each-way 1/4 1-2-3", "Rule 4: 25p".
QStringList termsWords(const TipTerms& terms) {
    QStringList words;
    if (terms.place.eachWay()) words << QStringLiteral("each-way ") + placeTermsText(terms.place);
    //: A Rule 4 deduction on a tip's price; %1 is the pence in the pound.
    if (terms.rule4) words << QCoreApplication::translate("results", "Rule 4: %1p").arg(terms.rule4);
    return words;
}

// The grid selects a whole row's data cells when its header is clicked.
bool isWholeRow(const GridRange& selection) {
    return selection.col1 == 1 && selection.col2 == 3;
}

// The grid selects a whole column's data rows when its header is clicked.
bool isWholeColumn(const GridRange& selection) {
    return selection.row1 == 1 && selection.row2 == Form1::kMaxTips;
}

// The outcome marker the option buttons ask for, in the order the buttons are looked at; empty
// when none is selected.
QString chosenOutcomeMarker(const OptionGroup& options) {
    if (options.value(1)) return QStringLiteral("\\xx.bmp");   // Döntetlen
    if (options.value(0)) return QStringLiteral("\\xxk.bmp");  // Nyer
    if (options.value(2)) return QStringLiteral("\\xxx.bmp");  // Nyer vagy döntetlen
    return {};
}

// Scrolls the offer list to the tip's block and brings the offer list's tab to the front.
void showTipBlock(Form1& form) {
    Grid& grid = form.Grid1;
    grid.setCol(1);
    // A failed scroll (an index past the offer list's end) is of no consequence.
    if (!grid.text().isEmpty()) form.List5.setTopIndex((grid.row() - 1) * 4);
    form.SSTab1.setCurrent(0);
}

// Sets the chosen outcome marker in an unmarked team cell, or removes whatever marker it shows.
void toggleOutcomeMarker(Form1& form) {
    Grid& grid = form.Grid1;
    if (isWholeColumn(grid.selection())) return;
    const QString marker = chosenOutcomeMarker(form.Option1);
    if (marker.isEmpty()) return;
    if (grid.text().isEmpty()) return;
    if (grid.picture().isEmpty()) {
        const QString picture = form.loadPicture(marker);
        if (!picture.isEmpty()) grid.setPicture(picture);
    } else {
        grid.setPicture({});
    }
}

// Every tip row marked as won; nothing is unmarked.
void markAllTips(Form1& form) {
    Grid& grid = form.Grid1;
    for (int r = 1; r <= form.module1.tipCount; ++r) {
        grid.setRow(r);
        const QString picture = form.loadPicture(markerOf(Form1::kWon));
        if (!picture.isEmpty()) grid.setPicture(picture);
        form.resultFlags[static_cast<size_t>(r)] = 1;
    }
}

// One tip marked as won, or its mark taken back. Picture first, then the flag.
void toggleResult(Form1& form) {
    Grid& grid = form.Grid1;
    if (grid.text().isEmpty()) return;
    const int r = grid.row();
    if (r < 1 || r > Form1::kMaxTips) return;
    qint16& flag = form.resultFlags[static_cast<size_t>(r)];
    if (!grid.picture().isEmpty()) {
        grid.setPicture({});
        flag = 0;
        return;
    }
    const QString picture = form.loadPicture(markerOf(Form1::kWon));
    if (!picture.isEmpty()) {
        grid.setPicture(picture);
        flag = 1;
    } else {
        // Without the marker file the cell cannot show the mark, so the flag alone switches;
        // otherwise a tip once marked could never be taken back by clicking.
        flag = flag == 1 ? 0 : 1;
    }
}

// The flag of the current odds cell's row in `flags`, null for a cell without odds or a row the
// flags do not cover.
qint16* flagOfCurrentRow(const Grid& grid, std::array<qint16, Form1::kGridRows>& flags) {
    if (grid.col() != kOddsCol || grid.text().isEmpty()) return nullptr;
    const int r = grid.row();
    if (r < 1 || r > Form1::kMaxTips) return nullptr;
    return &flags[static_cast<size_t>(r)];
}

// A result settled whatever else happens: cancelled, half won, half lost, a dead heat, placed or
// a non-runner.
bool isSettledResult(qint16 flag) {
    return flag != 0 && flag != Form1::kWon;
}

// The current odds cell's row given a settled result: its own marker in place of any other, then
// the flag. Without the marker file the cell shows no marker rather than a wrong one.
void markSettled(Form1& form, Grid& grid, qint16& flag, qint16 result) {
    grid.setPicture(form.loadPicture(markerOf(result)));
    flag = result;
}

// The current odds cell's Rule 4 deduction taken back with its result.
void clearRule4(Form1& form, Grid& grid) {
    TipTerms terms = form.termsAt(grid, grid.row());
    if (terms.rule4 == 0) return;
    terms.rule4 = 0;
    form.setTermsAt(grid, grid.row(), terms);
}

// A settled row's mark taken back: the row has no result again.
void clearSettled(Grid& grid, qint16& flag) {
    if (!isSettledResult(flag)) return;
    grid.setPicture({});
    flag = 0;
}

// The settled result a menu entry asks for; a dead heat asks for the number tied, showing the
// number given before, and for an each-way tip the place they tied for. nullopt for another entry, or when
// the user cancels.
std::optional<qint16> chosenSettlement(Form1& form, const Grid& grid, int entry, qint16 flag) {
    switch (entry) {
        case Form1::kChooseHalfWon:
            return Form1::kHalfWon;
        case Form1::kChooseHalfLost:
            return Form1::kHalfLost;
        case Form1::kChooseCancelled:
            return Form1::kCancelled;
        case Form1::kChoosePlaced:
            return Form1::kPlaced;
        case Form1::kChooseNonRunner:
            return Form1::kNonRunner;
        case Form1::kChooseDeadHeat: {
            const int before = results::tiedOf(flag);
            const std::optional<int> tied = form.platform().askNumber(
                {QCoreApplication::translate("results", "Hányan végeztek holtversenyben?"),
                 QCoreApplication::translate("results", "Holtverseny"), Form1::kMinTied, Form1::kMaxTied,
                 before ? before : Form1::kMinTied});
            if (!tied || *tied < Form1::kMinTied || *tied > Form1::kMaxTied) return std::nullopt;
            // An each-way tip may tie for any place paid; a win bet only for the win.
            const int places = form.termsAt(grid, grid.row()).place.places;
            int position = 1;
            if (places > 1) {
                const int was = results::deadHeatPosition(flag);
                const std::optional<int> asked = form.platform().askNumber(
                    {QCoreApplication::translate("results", "Hányadik helyért?"),
                     QCoreApplication::translate("results", "Holtverseny"), 1, places, was ? was : 1});
                if (!asked || *asked < 1 || *asked > places) return std::nullopt;
                position = *asked;
            }
            return results::deadHeatResult(*tied, position);
        }
        default:
            return std::nullopt;
    }
}

// A Rule 4 deduction for the current odds cell's tip, asked in pence; the one given before is
// offered again. Nothing changes when the user cancels.
void askRule4(Form1& form, Grid& grid) {
    TipTerms terms = form.termsAt(grid, grid.row());
    static_assert(kMinRule4 == 5 && kMaxRule4 == 90, "the question names the range");
    const std::optional<int> pence = form.platform().askNumber(
        {QCoreApplication::translate("results", "Rule 4 levonás fontonként, pennyben (5-90):"),
         QCoreApplication::translate("results", "Rule 4 levonás"), kMinRule4, kMaxRule4,
         terms.rule4 ? terms.rule4 : 25});
    if (!pence || *pence < kMinRule4 || *pence > kMaxRule4) return;
    terms.rule4 = *pence;
    form.setTermsAt(grid, grid.row(), terms);
    grid.reshow(kOddsCol);
}

// The place terms the user gave last, 1/4 odds for three places when none.
PlaceTerms defaultPlaceTerms() {
    const QStringList saved = savedChoice(QString::fromLatin1(Form1::kPlaceTermsKey)).split(u':');
    PlaceTerms terms{4, 3};
    if (saved.size() == 2) {
        const PlaceTerms read{saved.at(0).toInt(), saved.at(1).toInt()};
        if (validPlaceTerms(read)) terms = read;
    }
    return terms;
}

// Each-way terms for the current tip, or for every tip of the grid (`all`): the fraction of the
// odds, then the places paid; 0 places stakes the tips to win only. The terms given are offered
// the next time.
void askPlaceTerms(Form1& form, Grid& grid, bool all, int count) {
    const PlaceTerms shown = form.termsAt(grid, grid.row()).place.eachWay()
                                 ? form.termsAt(grid, grid.row()).place
                                 : defaultPlaceTerms();
    const QString caption = QCoreApplication::translate("results", "Each-way feltételek");
    const std::optional<int> fraction = form.platform().askNumber(
        {QCoreApplication::translate("results", "A helyezés az odds hányadát fizeti? (1/N, N 1-10)"), caption,
         kMinPlaceFraction, kMaxPlaceFraction, shown.fraction});
    if (!fraction || *fraction < kMinPlaceFraction || *fraction > kMaxPlaceFraction) return;
    const std::optional<int> places = form.platform().askNumber(
        {QCoreApplication::translate("results", "Hány helyezés fizet? (0: csak győztesre)"), caption, 0,
         kMaxPlaces, shown.places});
    if (!places || *places < 0 || *places > kMaxPlaces) return;
    const PlaceTerms terms = *places ? PlaceTerms{*fraction, *places} : PlaceTerms{};
    if (terms.eachWay())
        saveChoice(QString::fromLatin1(Form1::kPlaceTermsKey),
                   QStringLiteral("%1:%2").arg(terms.fraction).arg(terms.places));
    const int first = all ? 1 : grid.row();
    const int last = all ? std::min(count, Form1::kMaxTips) : grid.row();
    for (int row = first; row <= last; ++row) {
        if (grid.textAt(row, kOddsCol).isEmpty()) continue;
        TipTerms tip = form.termsAt(grid, row);
        tip.place = terms;
        form.setTermsAt(grid, row, tip);
    }
    grid.reshow(kOddsCol);
    // A bet count shown for the list in hand now counts its lines as the terms stake them.
    const int bets = form.List1.count();
    const QString label = form.Label1.caption();
    if (bets > 0 && (label == QString::number(bets) || label == QStringLiteral("%1×2").arg(bets)))
        form.Label1.setCaption(form.betCountText(bets));
}

// The Lucky bonuses, asked in turn: how many times its winnings a sole winner's single pays (1:
// no bonus), and the bonus in per cent on the win lines when every tip wins (0: none). Kept as
// the user's setting.
void askLuckyBonus(Form1& form) {
    const QString caption = QCoreApplication::translate("results", "Lucky bónusz");
    const std::optional<int> times = form.platform().askNumber(
        {QCoreApplication::translate(
             "results", "Egyetlen nyertes szólója hányszoros nyereményt fizet? (1: nincs bónusz)"),
         caption, 1, 3, form.luckyBonus.singleOddsTimes});
    if (!times || *times < 1 || *times > 3) return;
    const std::optional<int> percent = form.platform().askNumber(
        {QCoreApplication::translate("results", "Hány % bónusz jár, ha minden tipp nyer? (0: nincs)"),
         caption, 0, 100, form.luckyBonus.allWonPercent});
    if (!percent || *percent < 0 || *percent > 100) return;
    form.luckyBonus = {*times, *percent};
    saveChoice(QString::fromLatin1(Form1::kLuckyBonusKey), QStringLiteral("%1:%2").arg(*times).arg(*percent));
}

// The marker a cell's picture is, by its file's name: the pictures are loaded by name from the
// program's folder, whose names match without regard to case.
QString markerName(const QString& picture) {
    return picture.isEmpty() ? QString() : u'\\' + QFileInfo(picture).fileName().toLower();
}

// The outcome a team cell's marker shows, from that team's side (column 1 the home team's).
QString outcomeWords(const QString& marker, int col) {
    const bool home = col == 1;
    if (marker == QLatin1String("\\xxk.bmp"))
        return home ? QCoreApplication::translate("results", "hazai nyer")
                    : QCoreApplication::translate("results", "vendég nyer");
    if (marker == QLatin1String("\\xx.bmp")) return QCoreApplication::translate("results", "döntetlen");
    if (marker == QLatin1String("\\xxx.bmp"))
        return home ? QCoreApplication::translate("results", "hazai nyer vagy döntetlen")
                    : QCoreApplication::translate("results", "vendég nyer vagy döntetlen");
    return {};
}

// The entries of a grid's menu that ask for terms (a Lucky bonus, a Rule 4 deduction, each-way
// terms) rather than mark a result; false for any other entry.
bool askedForTerms(Form1& form, Grid& grid, int entry, int count) {
    if (entry == Form1::kChooseLuckyBonus) {
        askLuckyBonus(form);
    } else if (entry == Form1::kChooseRule4) {
        askRule4(form, grid);
    } else if (entry == Form1::kChooseEachWay || entry == Form1::kChooseEachWayAll) {
        askPlaceTerms(form, grid, entry == Form1::kChooseEachWayAll, count);
    } else {
        return false;
    }
    return true;
}

}  // namespace

void Form1::Grid1_MenuChosen(int entry) {
    qint16* flag = flagOfCurrentRow(Grid1, resultFlags);
    if (!flag || askedForTerms(*this, Grid1, entry, module1.tipCount)) return;
    if (entry == kChooseWon) {
        // A click marks the tip won, clearing a settled mark first.
        if (*flag != kWon) Grid1_Click();
    } else if (entry == kChooseNoResult) {
        clearRule4(*this, Grid1);
        if (isSettledResult(*flag)) {
            clearSettled(Grid1, *flag);
        } else if (*flag == kWon) {
            Grid1_Click();  // a click takes the won mark back
        }
    } else if (const std::optional<qint16> result = chosenSettlement(*this, Grid1, entry, *flag)) {
        markSettled(*this, Grid1, *flag, *result);
    }
}

void Form1::Grid2_MenuChosen(int entry) {
    // A banker has no won mark of its own: it counts as won unless it is marked otherwise.
    qint16* flag = flagOfCurrentRow(Grid2, bankerFlags);
    if (!flag || askedForTerms(*this, Grid2, entry, module1.bankerCount)) return;
    if (entry == kChooseWon || entry == kChooseNoResult) {
        if (entry == kChooseNoResult) clearRule4(*this, Grid2);
        clearSettled(Grid2, *flag);
    } else if (const std::optional<qint16> result = chosenSettlement(*this, Grid2, entry, *flag)) {
        markSettled(*this, Grid2, *flag, *result);
    }
}

QString Form1::cellDescription(const Grid& grid, int row, int col) const {
    if (row < 1 || row >= grid.rows() || grid.textAt(row, col).isEmpty()) return {};
    // One word per state the cell shows; a further state of a tip adds its word to the list.
    QStringList words;
    if (col == 1 || col == 2) {
        const QString outcome = outcomeWords(markerName(grid.pictureAt(row, col)), col);
        if (!outcome.isEmpty()) words << outcome;
    } else if (col == kOddsCol && row <= kMaxTips) {
        // A banker counts as won unless marked otherwise: only a tip's odds carry a won mark.
        const qint16 flag = (&grid == &Grid1 ? resultFlags : bankerFlags)[static_cast<size_t>(row)];
        const QString word = wordOf(flag);
        if (!word.isEmpty()) words << word;
        words << termsWords(termsAt(grid, row));
    }
    return words.join(QStringLiteral(", "));
}

void Form1::Grid1_Click() {
    if (isWholeRow(Grid1.selection())) {
        showTipBlock(*this);
    } else if (Grid1.col() == 1 || Grid1.col() == 2) {
        toggleOutcomeMarker(*this);
    } else if (Grid1.col() == kOddsCol) {
        if (isWholeColumn(Grid1.selection())) {
            markAllTips(*this);
        } else {
            // A click on a settled tip first takes the settled mark back, then marks as ever.
            if (qint16* flag = flagOfCurrentRow(Grid1, resultFlags)) clearSettled(Grid1, *flag);
            toggleResult(*this);
        }
    }
}

}  // namespace kombinator
