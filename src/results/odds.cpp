// The odds command: prices the bet list with the odds the grids hold now, above all a bet list
// that came from a key and has no amounts of its own.
#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

void Form1::Command19_Click() {
    results::priceBetList(*this, results::Pricing::CurrentOdds);
}

}  // namespace kombinator
