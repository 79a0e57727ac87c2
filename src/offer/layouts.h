// The lines of a copied coupon as the offer list shows them.
#pragma once

#include <QStringList>
#include <QStringView>

namespace kombinator {

// The offer lines of a copied text: its lines under the program's line rules, without blank lines
// and noise lines "B", and with two page layouts written as the tip blocks they stand for. A row of
// an offer table (tab-separated fields ending in the odds) becomes its event, outcome and odds
// lines, and the table's header rows go; an odds label on a line of its own ("Szorzó:") joins the
// price on the next line.
QStringList copiedOfferLines(QStringView text);

}  // namespace kombinator
