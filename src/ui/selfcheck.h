// A diagnostic for whoever installs or packages the program: does a copy find its data where it
// runs? With KOMBINATOR_SELF_CHECK=1 in the environment the program starts as usual, then, instead
// of waiting for the user, converts a small coupon, opens the key library and reports on standard
// output what it found.
#pragma once

class QWidget;

namespace kombinator {
class Form1;
}

namespace kombinator::ui {

// Whether the environment asks for the check.
bool selfCheckRequested();

// The report: the data folder, the keys the key dialog lists, each marker picture and the window
// icon. 0 when everything was found, else 1.
int selfCheck(Form1& form, const QWidget& window);

}  // namespace kombinator::ui
