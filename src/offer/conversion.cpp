// Conversion of the offer list's tip blocks into rows of the tip grid.
#include "app/form1.h"

namespace kombinator {

void Form1::Command2_Click() {}

void Form1::Command23_Click() {}

}  // namespace kombinator
