// The singles: every tip as a bet of its own.
#include "app/form1.h"

namespace kombinator {

void Form1::Command24_Click() {}

}  // namespace kombinator
