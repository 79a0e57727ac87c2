// Windows-1250, the single-byte code page of the program's text files, by the program's own table:
// the same on every system, with or without a code page library behind Qt.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace kombinator::files {

// Every byte stands for one character: 00-7F for ASCII, 80-FF for the table's entry. The five
// bytes the code page leaves unassigned stand for the control characters of the same number.
QString decodeWindows1250(QByteArrayView bytes);

// The bytes of `text`; nullopt when any character has no byte in the code page.
std::optional<QByteArray> encodeWindows1250(QStringView text);

}  // namespace kombinator::files
