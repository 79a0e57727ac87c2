// The odds command: prices the bet list with the current odds.
#include "app/form1.h"

namespace kombinator {

void Form1::Command19_Click() {}

}  // namespace kombinator
