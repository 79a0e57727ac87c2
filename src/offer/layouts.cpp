// Page layouts that a plain copy does not give as three lines per tip. A browser copies a table
// row as one line of tab-separated cells, and a price in an element of its own onto its own line;
// read as they come, both turn into tips the page never showed.
#include "offer/layouts.h"

#include "offer/conversion.h"
#include "platform/text.h"

namespace kombinator {

namespace {

// The words a slip writes before its odds, compared without letter case.
constexpr QStringView kOddsLabels[] = {u"Szorzó", u"Odds"};

// "Szorzó:", "Odds :", "SZORZÓ": a label alone, its price in the next element.
bool isOddsLabel(QStringView line) {
    if (line.endsWith(u':')) line.chop(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    for (const QStringView label : kOddsLabels) {
        if (line.compare(label, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

bool endsInNumber(const QString& line) {
    return !oddsText(line).isEmpty();
}

// Where the number at the end of a line begins (the line's length when it ends in none).
qsizetype numberStart(const QString& line) {
    qsizetype at = line.size();
    while (at > 0 && isBlank(line.at(at - 1)))
        --at;
    while (at > 0) {
        const QChar ch = line.at(at - 1);
        if ((ch < u'0' || ch > u'9') && ch != u',' && ch != u'.') break;
        --at;
    }
    return at;
}

// The price on the line after an odds label: a number, with nothing but marks before it ("▲ 2,05").
// A line with a letter or another number before ("Schalke 04 - Hannover 96") is the next tip.
bool isPriceLine(const QString& line) {
    if (!endsInNumber(line)) return false;
    const QString before = line.left(numberStart(line));
    for (const QChar ch : before) {
        if (ch.isLetterOrNumber()) return false;
    }
    return true;
}

// A cell that holds nothing but a price: such a cell names no outcome.
bool isPrice(const QString& field) {
    const qsizetype at = numberStart(field);
    return at == 0 && endsInNumber(field) && (field.contains(u',') || field.contains(u'.'));
}

QStringList fieldsOf(const QString& line) {
    QStringList fields;
    for (const QString& field : line.split(u'\t')) {
        const QString text = trimBlanks(field);
        if (!text.isEmpty()) fields.append(text);
    }
    return fields;
}

// The tip block of a table row: three or more cells, the last ending in the odds; the event is
// the first cell with two teams parted by a dash (a dash between blanks before a bare hyphen, so
// that a date such as 2026-12-08 is no event), the outcome the cell after it. Empty for any other
// line.
QStringList tipBlockOfRow(const QStringList& fields) {
    if (fields.size() < 3 || !endsInNumber(fields.last())) return {};
    const qsizetype last = fields.size() - 1;
    qsizetype event = -1;
    for (qsizetype i = 0; i + 1 < last && event < 0; ++i) {
        if (spacedDashAt(fields.at(i)) >= 0) event = i;
    }
    for (qsizetype i = 0; i + 1 < last && event < 0; ++i) {
        const qsizetype hyphen = fields.at(i).indexOf(u'-');
        if (hyphen > 0 && hyphen + 1 < fields.at(i).size()) event = i;
    }
    if (event < 0 || isPrice(fields.at(event + 1))) return {};
    return {fields.at(event), fields.at(event + 1), fields.at(last)};
}

bool isHeaderRow(const QStringList& fields) {
    return fields.size() >= 3 && !endsInNumber(fields.last());
}

}  // namespace

QStringList copiedOfferLines(QStringView text) {
    // An odds label alone takes the price on the next line.
    QStringList lines;
    bool labelLast = false;
    const auto append = [&](const QString& line) {
        if (labelLast && isPriceLine(line)) {
            lines.last() += u' ' + line;
            labelLast = false;
        } else {
            lines.append(line);
            labelLast = isOddsLabel(line);
        }
    };
    const auto take = [&](const QString& line) {
        if (!line.isEmpty() && line != QLatin1String("B")) append(line);
    };
    if (!text.contains(u'\t')) {  // no table: one walk
        forEachLine(text, [&](const QString& line, bool) { take(line); });
        return lines;
    }

    QStringList copied;
    forEachLine(
        text, [&](const QString& line, bool) { copied.append(line); }, Tabs::Keep);
    // The table spans from its first row of cells (its header, as a rule) to its last tip row;
    // inside it, a line without cells and without a number is a section title ("NB I").
    qsizetype tableBegin = -1;
    qsizetype tableEnd = -1;
    for (qsizetype i = 0; i < copied.size(); ++i) {
        if (!copied.at(i).contains(u'\t')) continue;
        const QStringList fields = fieldsOf(copied.at(i));
        if (fields.size() >= 3 && tableBegin < 0) tableBegin = i;
        if (!tipBlockOfRow(fields).isEmpty()) tableEnd = i;
    }
    const bool table = tableEnd >= 0;

    for (qsizetype i = 0; i < copied.size(); ++i) {
        QString& line = copied[i];
        if (line.contains(u'\t')) {
            if (table) {
                const QStringList fields = fieldsOf(line);
                const QStringList block = tipBlockOfRow(fields);
                for (const QString& blockLine : block)
                    append(blockLine);
                if (!block.isEmpty() || isHeaderRow(fields)) continue;
            }
            line.replace(u'\t', u' ');
            line = trimBlanks(line);
        }
        if (!table || i <= tableBegin || i >= tableEnd || endsInNumber(line)) take(line);
    }
    return lines;
}

}  // namespace kombinator
