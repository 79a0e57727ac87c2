// Result marking on the tip grid: a click on a row header shows the tip's offer lines, a click on
// a team cell sets or removes an outcome marker, a click on an odds cell marks the tip as won or
// takes the mark back.
#include <QFileInfo>
#include <QStringList>

#include "app/form1.h"

namespace kombinator {

namespace {

constexpr int kOddsCol = 3;
const QString kResultMarker = QStringLiteral("\\xxz.bmp");

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
        const QString picture = form.loadPicture(kResultMarker);
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
    const QString picture = form.loadPicture(kResultMarker);
    if (!picture.isEmpty()) {
        grid.setPicture(picture);
        flag = 1;
    } else {
        // Without the marker file the cell cannot show the mark, so the flag alone switches;
        // otherwise a tip once marked could never be taken back by clicking.
        flag = flag == 1 ? 0 : 1;
    }
}

// The marker a cell's picture is, by its file's name: the pictures are loaded by name from the
// program's folder, whose names match without regard to case.
QString markerName(const QString& picture) {
    return picture.isEmpty() ? QString() : u'\\' + QFileInfo(picture).fileName().toLower();
}

// The outcome a team cell's marker shows, from that team's side.
QString outcomeWords(const QString& marker, int col) {
    const QString side = col == 1 ? QStringLiteral("hazai") : QStringLiteral("vendég");
    if (marker == QLatin1String("\\xxk.bmp")) return side + QStringLiteral(" nyer");
    if (marker == QLatin1String("\\xx.bmp")) return QStringLiteral("döntetlen");
    if (marker == QLatin1String("\\xxx.bmp")) return side + QStringLiteral(" nyer vagy döntetlen");
    return {};
}

}  // namespace

QString Form1::cellDescription(const Grid& grid, int row, int col) const {
    if (row < 1 || row >= grid.rows() || grid.textAt(row, col).isEmpty()) return {};
    // One word per state the cell shows; a further state of a tip adds its word to the list.
    QStringList words;
    if (col == 1 || col == 2) {
        const QString outcome = outcomeWords(markerName(grid.pictureAt(row, col)), col);
        if (!outcome.isEmpty()) words << outcome;
    } else if (col == kOddsCol && &grid == &Grid1) {
        // Bankers have no result of their own: only a tip's odds can be marked as won.
        if (row <= kMaxTips && resultFlags[static_cast<size_t>(row)] == 1) words << QStringLiteral("nyert");
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
            toggleResult(*this);
        }
    }
}

}  // namespace kombinator
