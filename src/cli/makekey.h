// kombinator-cli --make-key: a reduction key made to order, checked and written as a key file.
#pragma once

#include <QString>

namespace kombinator::cli {

// Makes the key `name` (KK_NN_MM) and writes its key file to `out`, or to standard output when
// `out` is empty. 0, or 1 when the numbers are out of range or the file cannot be written.
int makeKey(const QString& name, const QString& out);

}  // namespace kombinator::cli
