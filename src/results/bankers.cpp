// Bankers: a tip moved to the banker grid enters every bet.
#include "app/form1.h"

namespace kombinator {

void Form1::Command22_Click() {}

}  // namespace kombinator
