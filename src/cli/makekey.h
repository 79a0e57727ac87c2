// kombinator-cli --make-key: a reduction key made to order, checked and written as a key file;
// --key-profile: what a key pays.
#pragma once

#include <QString>

namespace kombinator::cli {

// Makes the key `name` (KK_NN_MM) within `seconds` of processor time (0: the key maker's own
// budget) and writes its key file to `out`, or to standard output when `out` is empty. The keys of
// the program's key folder serve as building blocks. 0, or 1 when the numbers are out of range or
// the file cannot be written.
int makeKey(const QString& name, const QString& out, int seconds = 0);

// Prints the profile of the key file `file`: for each number of winners from the key's guarantee
// to every event, the fewest and the most winning bets. 0, or 1 when the file cannot be read or
// holds no key of up to 24 events.
int printKeyProfile(const QString& file);

}  // namespace kombinator::cli
