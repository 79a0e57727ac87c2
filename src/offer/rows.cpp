// Deleting offer lines, and keeping the bet list and the amount list selections in step.
#include "app/form1.h"

namespace kombinator {

namespace {
constexpr qint16 kGuardIdle = 0;
constexpr qint16 kGuardBetListClick = 1;     // List1's click is selecting a line of List3
constexpr qint16 kGuardAmountListClick = 3;  // List3's click is selecting a line of List1
}  // namespace

void Form1::Command3_Click() {
    if (SSTab1.current() != 0) return;  // only while the offer list is in view
    List2.clear();
    // Every selected line goes, the others keep their order; one pass, however long the list.
    List5.removeSelected();
    Label1.setCaption(QString::number(List5.count()));
    List4.setLines(List5.lines());
    Label1.setCaption(QString::number(List5.count()));
}

void Form1::List1_Click() {
    if (module1.selectionGuard == kGuardAmountListClick) return;
    if (List1.count() == 0) return;
    const int i = List1.listIndex();
    List3.setTopIndex(i);
    module1.selectionGuard = kGuardBetListClick;
    List3.setListIndex(i);
    module1.selectionGuard = kGuardIdle;
}

void Form1::List3_Click() {
    if (module1.selectionGuard == kGuardBetListClick) return;
    if (List3.count() == 0) return;
    SSTab1.setCurrent(1);  // the bet list's tab
    const int i = List3.listIndex();
    // A summary line has no bet beside it: scrolling and selecting fail and List1 stays as it is.
    List1.setTopIndex(i);
    module1.selectionGuard = kGuardAmountListClick;
    List1.setListIndex(i);
    module1.selectionGuard = kGuardIdle;
}

}  // namespace kombinator
