// The key library dialog `gyari` and key substitution.
#include "app/form1.h"

namespace kombinator {

void Form1::Command6_Click() {}

}  // namespace kombinator
