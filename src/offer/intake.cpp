// Clipboard intake: the copied coupon or offer becomes the lines of the offer list.
#include "app/form1.h"
#include "offer/layouts.h"

namespace kombinator {

void Form1::Command1_Click() {
    const std::optional<QString> clipboard = platform_.clipboardText();
    if (!clipboard) {
        platform_.messageBox(QStringLiteral("Hiba a *Vágólap* megnyitásakor"),
                             QStringLiteral("Zelko-Soft/2013"), MsgIcon::Stop, MsgButtons::Ok);
        return;
    }

    SSTab1.setCurrent(0);
    List5.clear();
    List6.clear();
    List5.setToolTip({});
    Command3.setEnabled(true);

    List5.addItems(copiedOfferLines(*clipboard));

    if (List5.count() == 0) return;
    List4.setLines(List5.lines());
    Label1.setCaption(QString::number(List5.count()));
}

}  // namespace kombinator
