// Clipboard intake: the copied coupon or offer becomes the lines of the offer list.
#include "app/form1.h"
#include "offer/htmlcopy.h"
#include "offer/slipreader.h"
#include "platform/text.h"

namespace kombinator {

namespace {

// A copied line as the offer list shows it: a tab is one blank.
QString shownLine(QString cells) {
    cells.replace(u'\t', u' ');
    return trimBlanks(cells);
}

// The copy is its tips' blocks already, line for line (plain text of three lines a tip): the
// offer list takes it as it is, without writing the blocks anew.
bool isCopiedAsRead(const QStringList& lines, const SlipReading& reading) {
    if (lines.size() != 3 * reading.tips.size()) return false;
    for (qsizetype r = 0; r < reading.tips.size(); ++r) {
        const SlipTip& tip = reading.tips.at(r);
        if (!tip.eventLine.isSharedWith(lines.at(3 * r)) ||
            !tip.outcomeLine.isSharedWith(lines.at(3 * r + 1)) ||
            !tip.priceLine.isSharedWith(lines.at(3 * r + 2)))
            return false;
    }
    return true;
}

// A copy's lines (a table row's cells parted by tabs) and what the reader makes of them.
struct Copy {
    QStringList cells;
    bool table = false;
    SlipReading reading;

    bool reads() const { return !reading.refused() && !reading.tips.isEmpty(); }
};

Copy copyOf(const QString& text) {
    Copy copy;
    forEachLine(
        text,
        [&](const QString& line, bool) {
            const bool row = line.contains(u'\t');
            if (row) {
                const QString shown = shownLine(line);
                if (shown.isEmpty() || shown == QLatin1String("B")) return;
            } else if (line.isEmpty() || line == QLatin1String("B")) {
                return;
            }
            copy.table = copy.table || row;
            copy.cells.append(line);
        },
        Tabs::Keep);
    copy.reading = readSlip(copy.cells);
    return copy;
}

}  // namespace

void Form1::Command1_Click() {
    const std::optional<QString> clipboard = platform_.clipboardText();
    if (!clipboard) {
        platform_.messageBox(tr("Hiba a *Vágólap* megnyitásakor"), QStringLiteral("Zelko-Soft/2013"),
                             MsgIcon::Stop, MsgButtons::Ok);
        return;
    }

    SSTab1.setCurrent(0);
    List5.clear();
    List6.clear();
    List5.setToolTip({});
    Command3.setEnabled(true);

    // Blank lines and the noise line "B" go; a table row keeps its cells for the reader. The
    // page's HTML, where the clipboard offers it, shows what the text has lost: where one element
    // ends and the next begins, and what the page hides or strikes out. Its reading holds when
    // it reads, the text's when only the text reads, and a copy neither reads shows the page's
    // lines as the HTML gives them. The text is read only when the HTML does not read.
    std::optional<Copy> page;
    if (const std::optional<QString> html = platform_.clipboardHtml()) {
        if (const std::optional<QStringList> lines = linesOfHtml(*html)) page = copyOf(lines->join(u'\r'));
    }
    Copy copy = page && page->reads() ? std::move(*page) : copyOf(*clipboard);
    if (page && !copy.reads() && !page->cells.isEmpty()) copy = std::move(*page);
    const SlipReading& reading = copy.reading;
    const QStringList& cells = copy.cells;
    copiedCells.clear();
    QStringList lines;
    if (!reading.refused() && isCopiedAsRead(cells, reading)) {
        lines = cells;
    } else if (!reading.refused()) {
        lines.reserve(reading.tips.size() * 3);
        for (const SlipTip& tip : reading.tips)
            lines << tip.eventLine << tip.outcomeLine << tip.priceLine;
    } else if (copy.table) {
        for (const QString& line : cells)
            lines.append(shownLine(line));
        copiedCells = cells;
    } else {
        lines = cells;
    }
    List5.addItems(lines);

    if (List5.count() == 0) return;
    List4.setLines(List5.lines());
    Label1.setCaption(QString::number(List5.count()));
}

}  // namespace kombinator
