// Key substitution: reading a key file's records and turning them into bet lines.
#include "keys/substitution.h"

#include <QCoreApplication>

#include <vector>

#include "app/form1.h"
#include "calc/output.h"
#include "keys/gyari.h"
#include "platform/files.h"

namespace kombinator::keys {

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");

bool isBlank(QChar ch) {
    return ch == u' ' || ch == u'\t';
}
bool isLineEnd(QChar ch) {
    return ch == u'\r' || ch == u'\n';
}

// Calls `take` with each record of one line (without its line end), in order.
template <typename Take>
void forEachRecordOfLine(QStringView line, Take& take) {
    const qsizetype length = line.size();
    qsizetype pos = 0;
    for (;;) {
        while (pos < length && isBlank(line.at(pos)))
            ++pos;
        qsizetype comma = -1;
        if (pos < length && line.at(pos) == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            const qsizetype end = close < 0 ? length : close;
            take(line.sliced(pos + 1, end - pos - 1));
            if (close >= 0) comma = line.indexOf(u',', close + 1);
        } else {
            // The record runs to the comma or the line's end, blanks included: they may make up
            // a last field of their own, which reads 0.
            comma = line.indexOf(u',', pos);
            const qsizetype end = comma < 0 ? length : comma;
            take(line.sliced(pos, end - pos));
        }
        if (comma < 0) return;
        pos = comma + 1;
        while (pos < length && isBlank(line.at(pos)))
            ++pos;
        if (pos >= length) return;  // the comma closed the line's last record
    }
}

// Calls `take` with every record of a key file's text, in file order.
template <typename Take>
void forEachRecord(QStringView text, Take&& take) {
    const qsizetype length = text.size();
    qsizetype start = 0;
    while (start < length) {
        qsizetype end = start;
        while (end < length && !isLineEnd(text.at(end)))
            ++end;
        forEachRecordOfLine(text.sliced(start, end - start), take);
        if (end < length) {
            const bool crlf = text.at(end) == u'\r' && end + 1 < length && text.at(end + 1) == u'\n';
            end += crlf ? 2 : 1;
        }
        start = end;
    }
}

// The bet line of one record; `rows` is scratch space reused from record to record.
QString betLineOf(QStringView record, std::vector<int>& rows) {
    const qsizetype fields = (record.size() + 1) / 4;
    rows.clear();
    for (qsizetype k = 0; k < fields; ++k)
        rows.push_back(calc::numberValue(record.sliced(4 * k, 3)));
    return calc::betLine(rows);
}

}  // namespace

QStringList keyRecords(QStringView text) {
    QStringList records;
    forEachRecord(text, [&records](QStringView record) { records.append(record.toString()); });
    return records;
}

QString recordBetLine(QStringView record) {
    std::vector<int> rows;
    return betLineOf(record, rows);
}

QStringList keyBetLines(QStringView text) {
    QStringList lines;
    std::vector<int> rows;
    forEachRecord(text, [&](QStringView record) { lines.append(betLineOf(record, rows)); });
    return lines;
}

int keyEvents(QStringView description) {
    return calc::numberValue(description.mid(3, 2));
}

QString keyFileName(const QString& description) {
    return QString::fromLatin1(gyari::kKeyFolder) + description.left(12);
}

namespace {

// The key must be made for as many events as there are tips now: the dialog is modeless, and the
// tips may have changed since it opened.
bool keyFitsTips(Form1& form, const QString& description) {
    const int tips = form.module1.tipCount;
    if (keyEvents(description) == tips) return true;
    form.platform().messageBox(
        QCoreApplication::translate("keys", "A kulcs nem felel meg az esemény számnak, ami %1 !").arg(tips),
        kCaption, MsgIcon::Stop, MsgButtons::Ok);
    return false;
}

void fillBetList(Form1& form, const QString& description, QStringView keyText) {
    form.List1.setLines(keyBetLines(keyText));
    form.List1.setToolTip(description);
    form.Label1.setCaption(QString::number(form.List1.count()));
}

}  // namespace

bool substituteKey(Form1& form, const ListBox& library, const QString& description) {
    if (library.listIndex() < 0) {
        form.platform().messageBox(QCoreApplication::translate("keys", "Nincs kulcs kiválasztva !"), kCaption,
                                   MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    if (!keyFitsTips(form, description)) return false;

    // A description whose file name would leave the key folder names no key file.
    const std::optional<QString> path = form.programFile(keyFileName(description));
    const files::ReadResult read =
        path ? files::readFile(*path) : files::ReadResult{{}, files::ReadFault::CannotOpen};
    // A key file refused as too large or as no file at all leaves the bet list as it was.
    if (path && form.reportRefusedRead(read.fault, *path)) return false;
    form.List1.clear();
    if (!read.ok()) return false;

    fillBetList(form, description, files::decode(read.bytes));
    return true;
}

bool substituteKeyText(Form1& form, const QString& description, QStringView keyText) {
    if (!keyFitsTips(form, description)) return false;
    fillBetList(form, description, keyText);
    return true;
}

}  // namespace kombinator::keys
