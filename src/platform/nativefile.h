// What the file helpers and the key search need from the operating system itself, beyond what Qt
// offers on every system alike. Each answer comes from the system's own calls.
#pragma once

#include <QFile>

namespace kombinator::files {

// Whether the system would take a part of a file name for something else than a file of its
// folder: on Windows a device (CON, NUL, COM1, ... also with an extension), or a name whose
// trailing dots or blanks it drops. No part is on other systems.
bool systemTakesOtherwise(const QString& part);
// Whether the system's file names ignore case (Windows): any spelling opens the file.
bool namesIgnoreCase();

// Claims room on the disk for `size` bytes of the open `file` before it is written in place, so
// that a full disk stops the write before the old text is touched. True when the room is there,
// or when the file system cannot claim room ahead (it is written all the same).
bool reserveSpace(QFile& file, qint64 size);

// A file opened for the capped read, through the system's own calls. It is opened without waiting,
// so that a pipe with no writer cannot hold the program, and what the name leads to is judged on
// the opened file itself, not on a name that may change meanwhile.
class NativeReader {
public:
    explicit NativeReader(const QString& path);
    // Standard input, as the program was given it; it is not closed.
    static NativeReader standardInput();
    ~NativeReader();
    NativeReader(const NativeReader&) = delete;
    NativeReader& operator=(const NativeReader&) = delete;
    NativeReader(NativeReader&& other) noexcept;
    NativeReader& operator=(NativeReader&&) = delete;

    bool isOpen() const;
    // A regular file of a disk: not a folder, a device or a pipe.
    bool isRegularFile() const;
    // The size a regular file says it has; 0 for anything else.
    qint64 size() const;
    // Reads up to `max` bytes: how many came, 0 at the end, -1 on a failure.
    qint64 read(char* into, qint64 max);

private:
    NativeReader() = default;
    qintptr handle_ = -1;
    bool owned_ = false;
};

// The processor time the calling thread has used, in seconds: what a search's budget counts, so
// that a busy machine does not cut it short.
double threadCpuSeconds();

}  // namespace kombinator::files
