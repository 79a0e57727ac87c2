// The k-fold systems "2" to "13".
#include "app/form1.h"

namespace kombinator {

void Form1::Command8_Click(int index) {
    (void)index;
}

}  // namespace kombinator
