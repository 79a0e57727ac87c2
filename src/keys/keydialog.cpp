// The key button of the main window: opens the key library dialog `gyari`.
#include "app/form1.h"
#include "keys/gyari.h"

namespace kombinator {

void Form1::Command6_Click() {
    // Keys are substituted into the current tips: without tips there is nothing to open.
    if (module1.tipCount == 0) return;
    const bool opening = !gyari_;
    Dialog* dialog = showDialog(gyari_, [this] { return std::make_unique<gyari>(*this); });
    // The library is loaded once per opening, after the window exists so it can be made topmost;
    // showing the open dialog again reloads nothing.
    if (opening) static_cast<gyari*>(dialog)->Form_Load();
}

}  // namespace kombinator
