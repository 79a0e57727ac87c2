// What the file helpers need from the operating system itself, beyond what Qt offers on every
// system alike. Each answer comes from the system's own calls.
#pragma once

#include <QFile>

namespace kombinator::files {

// Claims room on the disk for `size` bytes of the open `file` before it is written in place, so
// that a full disk stops the write before the old text is touched. True when the room is there,
// or when the file system cannot claim room ahead (it is written all the same).
bool reserveSpace(QFile& file, qint64 size);

}  // namespace kombinator::files
