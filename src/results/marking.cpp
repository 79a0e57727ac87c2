// Result marking on the tip grid.
#include "app/form1.h"

namespace kombinator {

void Form1::Grid1_Click() {}

}  // namespace kombinator
