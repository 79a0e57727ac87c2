// The singles: every tip as a bet of its own.
#include <array>

#include "app/form1.h"
#include "calc/output.h"

namespace kombinator {

// Button "1". The lists are always replaced, whatever Check1 says.
void Form1::Command24_Click() {
    const int n = module1.tipCount;
    if (n <= 0) return;
    calc::Output output(*this);
    output.begin();
    output.reserve(n);
    for (int r = 1; r <= n; ++r)
        output.add(std::array{r});
    output.close();
}

}  // namespace kombinator
