// Tips made the way the user makes them: tip blocks in the offer list, then "Konvertálás".
#pragma once

#include <QString>
#include <QStringList>

#include "app/form1.h"
#include "fakeplatform.h"

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

// Converts one tip per odds text into the tip grid.
inline void convertTips(Form1& form, const QStringList& odds) {
    form.List5.setLines(offerLines(odds));
    form.Command2.click();
}

// The user clicks the row header of tip row r, then "Fix megadása".
inline void fixBanker(Form1& form, int r) {
    form.Grid1.clickCell(r, 0);
    form.Command22.click();
}

}  // namespace kombinator::test
