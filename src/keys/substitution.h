// Key substitution: a reduction key's rows become the main window's bet list, with the current
// tips in the key's positions.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kombinator {
class Form1;
class ListBox;
}  // namespace kombinator

namespace kombinator::keys {

// The records of a key file's text. A record ends at a comma or at a line end (CR LF, LF or CR);
// blanks (spaces, tabs) before it are skipped. A record that begins with a double quote runs to
// the next double quote on its line (to the line end when there is none), without the quotes;
// whatever follows the closing quote up to the next comma or line end is dropped. An unquoted
// record loses its trailing blanks. An empty line is one empty record; a comma right before a
// line end closes its record without opening an empty one; the end of the text ends the last
// line without adding an empty record.
QStringList keyRecords(QStringView text);

// The bet line of one record: tip number k stands in characters 4k-3 to 4k-1, read as the
// program reads numbers; (length + 1) / 4 whole fields count. A record without a whole field
// gives the empty line.
QString recordBetLine(QStringView record);

// The bet lines of a whole key file's text, one per record, in file order.
QStringList keyBetLines(QStringView text);

// The number of events a key description is made for: its characters 4 and 5.
int keyEvents(QStringView description);

// The program's name of the key file of a description: the key folder and the description's
// first 12 characters.
QString keyFileName(const QString& description);

// "Kiválaszt" of the key dialog: checks that a library line is selected in `library` and that
// the key in `description` fits the tip count, then fills the main window's bet list from the
// key file, with the description as the list's tooltip and the bet count in Label1. False when
// a check failed (its message is shown) or the key file could not be read (the bet list is then
// empty); the dialog stays open in those cases.
bool substituteKey(Form1& form, const ListBox& library, const QString& description);

// The same with the key's text at hand (the command-line front end reads a key file of its
// own): checks the event count, then fills the bet list.
bool substituteKeyText(Form1& form, const QString& description, QStringView keyText);

}  // namespace kombinator::keys
