// The table of what a key pays, as the key maker and the key dialog show it: for each number of
// winning tips from the key's guarantee on, the fewest and the most winning bets.
#pragma once

#include <vector>

#include "keys/keyproof.h"

class QTableWidget;
class QWidget;

namespace kombinator::ui {

QTableWidget* newKeyProfileTable(QWidget* parent);
// Fills the table with the rows from the key's guarantee on; empty rows empty it.
void showKeyProfile(QTableWidget& table, const std::vector<keys::ProfileRow>& rows);

}  // namespace kombinator::ui
