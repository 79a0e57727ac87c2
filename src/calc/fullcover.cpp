// The full-cover multiples "Trixie 4" to "Goliath 247".
#include "app/form1.h"

namespace kombinator {

void Form1::Command9_Click() {}
void Form1::Command10_Click() {}
void Form1::Command11_Click() {}
void Form1::Command12_Click() {}
void Form1::Command13_Click() {}
void Form1::Command14_Click() {}
void Form1::Command15_Click() {}
void Form1::Command16_Click() {}
void Form1::Command17_Click() {}
void Form1::Command18_Click() {}

}  // namespace kombinator
