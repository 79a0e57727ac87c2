// Evaluation: settles the bet list against the results marked on the tip grid. A bet returns
// the product of its tips' odds and of every banker's odds when all its tips are marked as won,
// and nothing otherwise. A cancelled tip or banker stands in the product at odds 1.
#include "app/form1.h"
#include "results/betreading.h"

namespace kombinator {

void Form1::Command21_Click() {
    results::priceBetList(*this, results::Pricing::Settlement);
}

}  // namespace kombinator
