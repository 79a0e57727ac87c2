// Pieces of the conversion that other commands reuse.
#pragma once

#include <QString>

namespace kombinator {
class Form1;

// The odds text of an odds line: the number at its end, written with a point.
QString oddsText(const QString& oddsLine);
}  // namespace kombinator
