// Evaluation: settles the bet list against the marked results.
#include "app/form1.h"

namespace kombinator {

void Form1::Command21_Click() {}

}  // namespace kombinator
