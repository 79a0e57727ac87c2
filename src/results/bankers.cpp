// Bankers: the tip of the selected row leaves the tip grid and the offer list for the banker
// grid and the banker lines list, and the remaining tips are converted afresh.
#include "app/form1.h"

namespace kombinator {

namespace {

// Moves tip r's offer lines (its block and the empty line after it; the last tip has none) to the
// banker lines list, keeping a copy in the amount list in case the reconversion stops early.
void moveOfferLines(Form1& form, int r) {
    const int first = (r - 1) * 4;
    for (int i = 0; i < 4; ++i) {
        if (first >= form.List5.count()) break;
        const QString line = form.List5.line(first);
        form.List6.addItem(line);
        form.List3.addItem(line);
        form.List5.removeItem(first);
    }
}

// Copies the tip's cells into the banker row and empties them in the tip grid. Outcome markers go
// along through the picture holder; the result marker of the odds cell stays behind.
void moveTipRow(Form1& form, int r, int bankerRow) {
    Grid& tips = form.Grid1;
    Grid& bankers = form.Grid2;
    bankers.setRow(bankerRow);
    bankers.setCol(0);
    bankers.setText(QString::number(bankerRow));
    for (int c = 1; c <= 3; ++c) {
        tips.setRow(r);
        tips.setCol(c);
        bankers.setCol(c);
        bankers.setText(tips.text());
        tips.setText({});
        if (c < 3 && !tips.picture().isEmpty()) {
            form.Picture4.setPicture(tips.picture());
            bankers.setPicture(form.Picture4.picture());
            tips.setPicture({});
        }
    }
}

void selectFirstCell(Grid& grid) {
    grid.setSelection({1, 1, 1, 1});
    grid.setCol(1);
    grid.setRow(1);
}

}  // namespace

void Form1::Command22_Click() {
    const GridRange selection = Grid1.selection();
    if (selection.col1 != 1 || selection.col2 != 3) return;  // only a whole tip row
    Grid1.setCol(1);
    if (Grid1.text().isEmpty()) return;
    const int r = Grid1.row();

    List3.clear();
    moveOfferLines(*this, r);

    ++module1.bankerCount;
    --module1.tipCount;
    moveTipRow(*this, r, module1.bankerCount);
    for (int row = module1.tipCount + 1; row <= kMaxTips; ++row) {
        Grid1.setRow(row);
        Grid1.setCol(0);
        Grid1.setText({});
    }

    Command23_Click();

    // The reconversion empties the amount list whenever it rebuilds the tips; what is left are
    // the moved lines of a reconversion that stopped early (or had no tip left to read), and they
    // return to the offer list. They leave the banker lines, which were given them last: a save
    // writes both lists, and a block in each would load as two tips. The amount list only held
    // them: it is left empty, as after every other fix.
    List5.addItems(List3.lines());
    for (int i = 0; i < List3.count(); ++i)
        List6.removeItem(List6.count() - 1);
    List3.clear();
    List4.setLines(List5.lines());
    Label1.setCaption(QString::number(List5.count()));

    List1.clear();
    SSTab1.setCurrent(0);
    selectFirstCell(Grid1);
    selectFirstCell(Grid2);
}

}  // namespace kombinator
