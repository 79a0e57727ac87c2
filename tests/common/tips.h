// Tips made the way the user makes them: tip blocks in the offer list, then "Konvertálás".
#pragma once

#include <QString>
#include <QStringList>

#include "app/form1.h"
#include "fakeplatform.h"
#include "offer/conversion.h"

namespace kombinator::test {

// The marker files the grid shows.
inline const QStringList kMarkerFiles{QStringLiteral("xxk.bmp"), QStringLiteral("xx.bmp"),
                                      QStringLiteral("Xxx.bmp"), QStringLiteral("xxz.bmp")};

// Tip r backs the home side ("Hazai r"); `odds` is written with a point and goes into the odds
// line with a decimal comma, as the coupon has it.
inline QStringList tipBlock(int r, QString odds) {
    return {QStringLiteral("Hazai %1 - Vendég %1").arg(r), QStringLiteral("Hazai %1").arg(r),
            QStringLiteral("Szorzó: ") + odds.replace(u'.', u',')};
}

inline QStringList offerLines(const QStringList& odds) {
    QStringList lines;
    for (int i = 0; i < odds.size(); ++i)
        lines += tipBlock(i + 1, odds.at(i));
    return lines;
}

// Converts tip blocks into the tip grid. An odds line without a number ("x") stands for an odds
// cell that cannot be read, which the calculators take as odds 1: the conversion prices no such
// tip, so it is converted at 1.00 and its odds cell emptied afterwards.
inline void convertOffer(Form1& form, QStringList lines) {
    std::vector<int> unreadable;
    for (int r = 1; 3 * r <= lines.size(); ++r) {
        if (!oddsText(lines.at(3 * r - 1)).isEmpty()) continue;
        unreadable.push_back(r);
        lines[3 * r - 1] = QStringLiteral("1,00");
    }
    form.List5.setLines(lines);
    form.Command2.click();
    for (const int r : unreadable) {
        form.Grid1.setRow(r);
        form.Grid1.setCol(3);
        form.Grid1.setText({});
    }
    form.Grid1.setCol(1);
    form.Grid1.setRow(1);
}

// Converts one tip per odds text into the tip grid.
inline void convertTips(Form1& form, const QStringList& odds) {
    convertOffer(form, offerLines(odds));
}

// The user clicks the row header of tip row r, then "Fix megadása".
inline void fixBanker(Form1& form, int r) {
    form.Grid1.clickCell(r, 0);
    form.Command22.click();
}

}  // namespace kombinator::test
