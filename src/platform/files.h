// Files of the program's folder: name resolution and the text-file rules.
//
// Names are written as on the system the program was born on: relative to the program's folder,
// starting with a backslash, components separated by backslashes ("\tkulcs\tippek.inf"), matched
// without regard to letter case. A name never resolves outside its folder.
//
// Text files are read as UTF-8 when their bytes are valid UTF-8 and as Windows-1250 otherwise,
// with lines ended by CR LF, LF or CR. They are written in Windows-1250 when every character fits
// and the bytes read back as the same text, and in UTF-8 otherwise, each line ended by CR LF, and
// saved so that a failure leaves the old file whole. What is written reads back unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kombinator::files {

// The full path of `name` under `folder`, each component matched case-insensitively against what
// exists (a component that does not exist yet keeps its spelling). nullopt for a name that would
// leave the folder: "..", ".", an empty component, a drive, a slash, a NUL.
std::optional<QString> resolve(const QString& folder, const QString& name);

QString decode(const QByteArray& bytes);
// Native text with every line feed that no carriage return precedes turned into CR LF: the
// handlers end lines at carriage returns, as the clipboard of the program's first home did.
QString withCrLf(const QString& text);
QByteArray encode(const QString& text);
bool fitsWindows1250(const QString& text);

// Lines of a decoded text: a line ends at CR LF, LF or CR; a last line without end counts when
// it is not empty.
QStringList splitLines(const QString& text);

// Every read of a file or of standard input stops here. A real coupon, selection, key or library
// is far smaller (a key of a million bets is about 20 MB); anything larger is a mistake or an
// attack, and reading it whole would only exhaust the memory.
constexpr qint64 kReadCap = 64 * 1024 * 1024;

enum class ReadFault {
    None,
    CannotOpen,  // missing or unreadable: as silent as it always was
    NotAFile,    // a device, a FIFO, a folder (also behind a link): reading it might never end
    TooLarge,    // more than kReadCap bytes
};

struct ReadResult {
    QByteArray bytes;
    ReadFault fault = ReadFault::None;
    bool ok() const { return fault == ReadFault::None; }
};

// The whole content of a regular file (a link counts when it leads to one), at most kReadCap
// bytes. Nothing else is read, and a FIFO is not even waited for.
ReadResult readFile(const QString& path);
// Standard input up to its end, at most kReadCap bytes; a pipe or a terminal is fine here.
ReadResult readStandardInput();

// What the user is told about a refused read of `name`: "A fájl túl nagy: <name>" or
// "Nem fájl: <name>"; the empty text for a read that is not refused (None, CannotOpen).
QString readRefusal(ReadFault fault, const QString& name);

// The lines of a text file; nullopt when it cannot be read, with the reason in `fault`.
std::optional<QStringList> readLines(const QString& path, ReadFault* fault = nullptr);

// Replaces the file with `lines`, each followed by CR LF. The text goes to a temporary file that
// then takes the old one's place; in a folder where no temporary file can be made, a writable
// file is written in place, with the room for the new text claimed before the old is touched.
// A read-only file is not written. False when the file could not be written; the old one is
// then unchanged.
bool writeLines(const QString& path, const QStringList& lines);

// Resets a file's read-only state, so that it can be replaced. A missing file is no error.
void makeWritable(const QString& path);

}  // namespace kombinator::files
