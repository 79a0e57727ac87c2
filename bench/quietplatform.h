// The platform of the benchmarks: nothing outside the program is needed, every question is
// answered with OK, and the program's folder is a temporary one.
#pragma once

#include <QTemporaryDir>

#include "app/form1.h"
#include "platform/basicplatform.h"

namespace kombinator::bench {

class QuietPlatform : public BasicPlatform {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override {
        ++messages;
        return MsgAnswer::Ok;
    }
    std::optional<QString> clipboardText() override { return clipboard; }
    std::optional<QString> clipboardHtml() override { return clipboardHtmlFlavour; }
    QString programFolder() override { return dir.path(); }

    QString clipboard;
    std::optional<QString> clipboardHtmlFlavour;
    int messages = 0;
    QTemporaryDir dir;
};

// 20 tips with odds 1.11 to 1.30 and a banker of 1.31: 21 tips converted from offer lines, the
// last one then fixed as a banker, as the user would do it.
inline void twentyTipsAndABanker(Form1& form) {
    QStringList offer;
    for (int r = 1; r <= 21; ++r) {
        offer << QStringLiteral("Hazai %1 - Vendég %1").arg(r) << QStringLiteral("Hazai %1").arg(r)
              << QStringLiteral("Szorzó: 1,%1").arg(10 + r);
    }
    form.List5.setLines(offer);
    form.Command2.click();
    form.Grid1.clickCell(21, 0);
    form.Command22.click();
}

}  // namespace kombinator::bench
