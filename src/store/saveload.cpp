// Saving and loading tip selections.
#include "app/form1.h"

namespace kombinator {

void Form1::Command4_Click() {}

void Form1::Command20_Click() {}

}  // namespace kombinator
