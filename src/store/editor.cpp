// The tip-list editor `Form2`.
#include "app/form1.h"

namespace kombinator {

void Form1::Command7_Click() {}

}  // namespace kombinator
