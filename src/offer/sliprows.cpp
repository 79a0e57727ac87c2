// The slip reader's table rows: a header row names the columns of the rows below it; a tip's row
// holds its event, its outcome and its price, each in a cell told by its column or by what it
// holds; a row of an offer, of a race, of a price alone, or of an outcome beside its price, is
// read as the lines it stands for.
#include <algorithm>

#include "offer/slipreading.h"
#include "platform/text.h"

namespace kombinator::slip {

using namespace slipwords;
using enum RefusalCode;

// A race's row: the race, the runner, its price or "SP", and its each-way terms, each in a cell
// of its own; the cells of anything else are noise or a number (the runner's, the row's). False
// for a row that names no race.
bool Reader::raceRow(qsizetype i, const QString& text, const RowCells& r) {
    qsizetype raceCell = -1;
    for (qsizetype c = 0; c < r.n && raceCell < 0; ++c) {
        if (!r.pieces[c].race().isEmpty()) raceCell = c;
    }
    if (raceCell < 0) return false;
    QList<qsizetype> runners;
    QList<qsizetype> prices;
    QString terms;
    for (qsizetype c = 0; c < r.n; ++c) {
        const QStringView cell = r.cells.at(c);
        const Piece& piece = r.pieces[c];
        if (c == raceCell || cell.isEmpty()) continue;
        if (piece.terms()) {
            terms = cell.toString();
        } else if (piece.startingPrice() || duePriceOf(r, c).kind != PriceKind::None) {
            prices.append(c);
        } else if (!runnerOf(cell).isEmpty()) {
            runners.append(c);
        } else if (!piece.noise() && hasLetter(cell)) {
            return refuseBlock(UnknownLine, tipNumber(), cell, i, i), true;
        }
    }
    blockStart_ = i;
    if (unknownBetweenTips(i, EventRead())) return true;
    takeRace(i, r.cells.at(raceCell).toString(), r.pieces[raceCell].race());
    if (runners.size() != 1)
        return refuse(runners.isEmpty() ? OutcomeMissing : OutcomeUnclear, text, i), true;
    takeRunner(i, r.cells.at(runners.first()).toString(), runnerOf(r.cells.at(runners.first())));
    if (prices.size() > 1) return refuse(TwoPricesInLine, text, i), true;
    if (prices.isEmpty()) return refuse(PriceMissing, text, i), true;
    termsLine_ = terms;
    const QStringView price = r.cells.at(prices.first());
    if (r.pieces[prices.first()].startingPrice()) return racePrice(i, price.toString());
    const PriceRead& read = duePriceOf(r, prices.first());
    if (read.kind != PriceKind::One)
        return refuse(read.kind == PriceKind::Low ? PriceLow : TwoPricesInLine, text, i), true;
    takePrice(i, price.toString(), read.odds);
    return true;
}

// Row Event OfferedPrices: an offer's row, its event and a cell for each outcome's price ("1
// 3,27", "X 7,45"); the pick is stated on the line below.
bool Reader::offeredRow(qsizetype i, const RowCells& r) {
    QList<OfferedPrice> offer;
    qsizetype eventCell = -1;
    for (const qsizetype c : r.others) {
        const Piece& piece = r.pieces[size_t(c)];
        if (!piece.offered().isEmpty()) {
            offer += piece.offered();
            continue;
        }
        if (piece.teams()) {
            if (eventCell >= 0) return false;
            eventCell = c;
        } else if (!piece.noise()) {
            return false;
        }
    }
    if (eventCell < 0 || offer.size() < 2) return false;
    const EventRead& event = r.pieces[size_t(eventCell)].event();
    if (unknownBetweenTips(i, event)) return true;
    takeEvent(i, event.asWritten ? keep(r.cells.at(eventCell).toString()) : written(event), event);
    offer_ = offer;
    offerAt_ = i;
    return true;
}

// A header row: every cell a header word. Its columns tell the cells of the rows below.
bool Reader::header(const QList<QStringView>& cells) {
    QList<Column> columns;
    int named = 0;
    for (QStringView cell : cells) {
        if (cell.endsWith(u':')) return false;  // "Selection:⇥Home" is a label and its value
        Column column = Column::Other;
        if (!cell.isEmpty()) {
            bool known = false;  // a header's word or phrase ("To Return")
            for (const HeaderWord& word : headerWords()) {
                if (!same(cell, word.word)) continue;
                column = word.column;
                known = true;
            }
            if (!known && !isHeaderLine(cell)) return false;
            ++named;
            if (column == Column::Price) priceHeader_ = cell.toString();
        }
        columns.append(column);
    }
    if (named < 2) return false;
    columns_ = columns;
    return true;
}

Column Reader::columnOf(qsizetype cell, qsizetype cells) const {
    return columns_.size() == cells && cell < columns_.size() ? columns_.at(cell) : Column::Other;
}

// A cell's price, labelled by the header's word over it; read as due, a fraction or American
// odds as well (the header's word labels them).
const PriceRead& Reader::priceOf(const RowCells& r, qsizetype c) const {
    const Piece& piece = r.pieces[size_t(c)];
    return columnOf(c, r.n) == Column::Price ? piece.priceInColumn() : piece.price();
}

const PriceRead& Reader::duePriceOf(const RowCells& r, qsizetype c) const {
    const Piece& piece = r.pieces[size_t(c)];
    return columnOf(c, r.n) == Column::Price ? piece.priceInColumn() : piece.duePrice();
}

qsizetype Reader::cellOfColumn(Column column, qsizetype cells) const {
    if (columns_.size() != cells) return -1;
    return columns_.indexOf(column);
}

// A row whose price stood in a box: a browser that copies the box's value puts it on a line of
// its own under the row, and the row's cells after it on the line after. The price is the
// row's when that line is a price alone, written in the cell that waits for it.
bool Reader::boxedPrice(qsizetype i, const RowCells& r) {
    if (i + 1 >= lines_.size() || lines_.at(i + 1).contains(u'\t')) return false;
    const QStringView value = trimmed(lines_.at(i + 1));
    if (pieceAt(i + 1).duePrice().kind != PriceKind::One) return false;
    QList<QStringView> cells = r.cells;
    // The cells the row left for the line after are empty here.
    while (cells.size() < columns_.size())
        cells.append(QStringView());
    const qsizetype n = cells.size();
    qsizetype box = cellOfColumn(Column::Price, n);
    for (qsizetype c = 0; box < 0 && c < n; ++c) {
        if (c < r.n && r.pieces[size_t(c)].price().labelOnly) box = c;
    }
    if (box < 0) return false;
    const QString price = trimBlanks(cells.at(box).toString() + u' ' + value.toString());
    const Piece boxed(price);
    if ((columnOf(box, n) == Column::Price ? boxed.priceInColumn() : boxed.price()).kind != PriceKind::One)
        return false;
    QString joined;
    for (qsizetype c = 0; c < n; ++c) {
        if (c > 0) joined += u'\t';
        joined += c == box ? price : cells.at(c).toString();
    }
    row(i, keep(joined));
    next_ = i + 2;
    return true;
}

void Reader::row(qsizetype i, const QString& text) {
    plain_ = false;
    RowCells r;
    for (const QStringView cell : QStringView(text).split(u'\t'))
        r.cells.append(trimmed(cell));
    if (header(r.cells)) return;
    r.n = r.cells.size();
    r.pieces.reserve(size_t(r.n));
    for (const QStringView cell : std::as_const(r.cells))
        r.pieces.emplace_back(cell);
    if (slot_ == Slot::Event && raceRow(i, text, r)) return;
    // An offer's cells, each a code and its price ("1 7.09", "2 131.50"): none is a price of
    // its own, though "2 131.50" could be read as one with its thousands apart.
    const auto offered = [&](qsizetype c) { return !r.pieces[size_t(c)].offered().isEmpty(); };
    qsizetype offeredCells = 0;
    for (qsizetype c = 0; c < r.n; ++c)
        offeredCells += offered(c) ? 1 : 0;
    for (qsizetype c = 0; c < r.n; ++c) {
        if (r.cells.at(c).isEmpty()) continue;
        if (offeredCells >= 2 && offered(c)) {
            r.others.append(c);
            continue;
        }
        const PriceKind kind = priceOf(r, c).kind;
        if (kind == PriceKind::One || kind == PriceKind::Two ||
            (kind == PriceKind::Low && columnOf(c, r.n) == Column::Price))
            r.prices.append(c);
        else
            r.others.append(c);
    }
    // A row without a price is a line: an event of two cells, or a heading. A tip's row whose
    // price the copy did not carry ("Szorzó:" alone, an empty price column) is refused.
    if (r.prices.isEmpty() && slot_ == Slot::Event && offeredRow(i, r)) return;
    if (r.prices.isEmpty()) return rowWithoutPrice(i, text, r);
    if (slot_ == Slot::Price && priceRow(i, text, r)) return;
    if (slot_ == Slot::Outcome && outcomeBesidePrice(i, r)) return;
    if (slot_ == Slot::Outcome) return refuse(OutcomeMissing, lines_.at(eventAt_), i);
    if (slot_ == Slot::Price) return refuse(PriceMissing, text, i);
    blockStart_ = i;
    tipRow(i, text, r);
}

void Reader::rowWithoutPrice(qsizetype i, const QString& text, const RowCells& r) {
    const QList<QStringView>& cells = r.cells;
    const QList<qsizetype>& others = r.others;
    const qsizetype n = r.n;
    // A row cut short at its price's box ends where the header's price column begins.
    bool tipRow = cellOfColumn(Column::Price, n) >= 0 ||
                  (n < columns_.size() && columns_.indexOf(Column::Price) >= n - 1);
    bool event = false;
    for (const qsizetype c : others) {
        tipRow = tipRow || r.pieces[size_t(c)].price().labelOnly;
        event = event || r.pieces[size_t(c)].event().kind == EventKind::Teams;
    }
    event = event || (cellOfColumn(Column::Home, n) >= 0 && cellOfColumn(Column::Away, n) >= 0);
    if (tipRow && event && slot_ == Slot::Event) {
        if (boxedPrice(i, r)) return;
        blockStart_ = i;
        return refuse(PriceMissing, text, i);
    }
    // "Szorzó:⇥4": a label's cell and its value's.
    const QString joined = trimBlanks(QString(text).replace(u'\t', u' '));
    const Piece whole(joined);  // its views stay good in the kept copy, which shares its text
    if (whole.price().kind != PriceKind::None) return line(i, keep(joined), whole);
    // "Selection:⇥Home": a label's cell and its value's, which is read whatever it says.
    if (others.size() == 2 && cells.at(others.first()).endsWith(u':')) {
        if (isMetaLine(joined)) return noteMarket(whole);  // "Piac:⇥Hendikep", "Kezdés:⇥20:45"
        return line(i, keep(cells.at(others.last()).toString()));
    }
    QStringList parts;
    bool named = true;  // no part an event: two names, the teams in two cells
    for (const qsizetype c : others) {
        if (r.pieces[size_t(c)].noise()) continue;
        parts.append(cells.at(c).toString());
        named = named && r.pieces[size_t(c)].event().kind == EventKind::None;
    }
    if (parts.isEmpty()) return;
    return line(i, keep(parts.join(parts.size() == 2 && named ? u'\t' : u' ')));
}

// A price row for a tip read from the lines above: the price alone, or with noise.
bool Reader::priceRow(qsizetype i, const QString& text, const RowCells& r) {
    const QList<QStringView>& cells = r.cells;
    const QList<qsizetype>& prices = r.prices;
    const QList<qsizetype>& others = r.others;
    bool alone = prices.size() == 1;
    for (const qsizetype c : others)
        alone = alone && r.pieces[size_t(c)].noise();
    if (alone) {
        // "Szorzó:⇥1,65" stays one price line with its label.
        const QString joined = trimBlanks(QString(text).replace(u'\t', u' '));
        const Piece whole(joined);
        if (whole.price().kind == PriceKind::One) return line(i, keep(joined), whole), true;
        line(i, keep(cells.at(prices.first()).toString()));
        return true;
    }
    return false;
}

// The outcome and its price side by side, under the event's line ("Arsenal      @1,85").
bool Reader::outcomeBesidePrice(qsizetype i, const RowCells& r) {
    const QList<QStringView>& cells = r.cells;
    const QList<qsizetype>& prices = r.prices;
    const QList<qsizetype>& others = r.others;
    if (prices.size() != 1) return false;
    QList<qsizetype> named;  // "Away" is a header's word too, but here it is the outcome
    for (const qsizetype c : others) {
        if (readOutcome(cells.at(c), tip_.home, tip_.away).certain || !r.pieces[size_t(c)].noise())
            named.append(c);
    }
    if (named.size() == 1) {
        const PriceRead& price = r.pieces[size_t(prices.first())].price();
        const QString outcome = cells.at(named.first()).toString();
        const OutcomeRead read = readOutcome(outcome, tip_.home, tip_.away);
        if (price.kind == PriceKind::One &&
            (read.certain || r.pieces[size_t(named.first())].event().kind == EventKind::None)) {
            takeOutcome(i, outcome, read);
            takePrice(i, cells.at(prices.first()).toString(), price.odds);
            return true;
        }
    }
    return false;
}

// A tip's own row: its price, its event and its outcome, each in a cell of its own.
void Reader::tipRow(qsizetype i, const QString& text, const RowCells& r) {
    const QList<QStringView>& cells = r.cells;
    const QList<qsizetype>& prices = r.prices;
    const qsizetype n = r.n;
    const qsizetype priceCell = prices.size() == 1 ? prices.first() : cellOfColumn(Column::Price, n);
    if (priceCell < 0 || !prices.contains(priceCell)) return refuse(TwoPricesInLine, text, i);
    const PriceRead& price = priceOf(r, priceCell);
    if (price.kind == PriceKind::Two) return refuse(TwoPricesInLine, text, i);
    if (price.kind == PriceKind::Low) return refuse(PriceLow, text, i);
    EventRead event;
    QString eventLine;
    QList<qsizetype> rest;
    if (!rowEvent(i, text, r, event, eventLine, rest)) return;
    if (event.kind != EventKind::Teams) return refuse(NoTeams, text, i);
    if (eventLine.isEmpty()) eventLine = written(event);
    if (unknownBetweenTips(i, event)) return;
    takeEvent(i, eventLine, event);
    const qsizetype outcomeCell = rowOutcome(i, text, r, event, eventLine, rest);
    if (outcomeCell < 0) return;
    takeOutcome(i, cells.at(outcomeCell).toString(),
                readOutcome(cells.at(outcomeCell), event.home, event.away));
    // A whole number is a price only under the header's word, which its block keeps.
    const QString priceLine = r.pieces[size_t(priceCell)].price().kind == PriceKind::One
                                  ? cells.at(priceCell).toString()
                                  : priceHeader_ + QStringLiteral(": ") + cells.at(priceCell).toString();
    takePrice(i, priceLine, price.odds);
}

// The event of a tip's row: the header's column, or the one cell of two teams, or two name
// cells; the cells left go to `rest`. False when the row is refused.
bool Reader::rowEvent(qsizetype i, const QString& text, const RowCells& r, EventRead& event,
                      QString& eventLine, QList<qsizetype>& rest) {
    const QList<QStringView>& cells = r.cells;
    const QList<qsizetype>& others = r.others;
    const qsizetype n = r.n;
    const qsizetype eventColumn = cellOfColumn(Column::Event, n);
    const qsizetype homeColumn = cellOfColumn(Column::Home, n);
    const qsizetype awayColumn = cellOfColumn(Column::Away, n);
    // A cell parted by a spaced separator is the event before one parted at a bare hyphen
    // ("AS Saint-Étienne vagy AS Monaco" beside "AS Saint-Étienne vs AS Monaco").
    QList<qsizetype> events;
    QList<qsizetype> spaced;
    qsizetype unclear = -1;
    for (const qsizetype c : others) {
        const EventRead& read = r.pieces[size_t(c)].event();
        if (read.kind == EventKind::Cut) return refuse(TeamsCut, cells.at(c), i), false;
        if (read.kind == EventKind::Unclear && (eventColumn < 0 || eventColumn == c)) unclear = c;
        // A league and its kick-off before the teams ("DFB-Pokal · Fr., 10.06. 20:30 FC Augsburg –
        // 1. FC Heidenheim"): in a tip's row, beside its price, the cell is the event all the same.
        const bool afterKickOff =
            read.kind == EventKind::Teams && read.home.data() != trimmed(cells.at(c)).data();
        if (!r.pieces[size_t(c)].teams() && !afterKickOff) continue;
        events.append(c);
        if (!read.bare) spaced.append(c);
    }
    if (eventColumn >= 0 && events.contains(eventColumn)) events = {eventColumn};
    if (events.size() > 1 && spaced.size() == 1) events = spaced;
    if (events.isEmpty() && unclear >= 0) return refuse(TeamsUnclear, cells.at(unclear), i), false;
    if (homeColumn >= 0 && awayColumn >= 0 && !cells.at(homeColumn).isEmpty() &&
        !cells.at(awayColumn).isEmpty()) {
        event = teams(cells.at(homeColumn), cells.at(awayColumn));
        for (const qsizetype c : others) {
            if (c != homeColumn && c != awayColumn) rest.append(c);
        }
    } else if (events.size() == 1) {
        event = r.pieces[size_t(events.first())].event();
        eventLine = cells.at(events.first()).toString();
        for (const qsizetype c : others) {
            if (c != events.first()) rest.append(c);
        }
    } else if (events.size() > 1) {
        return refuse(TeamsUnclear, text, i), false;
    } else {
        QList<qsizetype> names;
        for (const qsizetype c : others) {
            if (hasLetter(cells.at(c)) && !r.pieces[size_t(c)].noise() && !r.pieces[size_t(c)].code())
                names.append(c);
        }
        if (names.size() < 2) return refuse(NoTeams, text, i), false;
        event = teams(cells.at(names.at(0)), cells.at(names.at(1)));
        for (const qsizetype c : others) {
            if (c != names.at(0) && c != names.at(1)) rest.append(c);
        }
    }
    return true;
}

// The outcome's cell of a tip's row: the header's column, or the one cell that names a side,
// or the one cell left that is neither a heading nor a market; -1 when the row is refused.
qsizetype Reader::rowOutcome(qsizetype i, const QString& text, const RowCells& r, const EventRead& event,
                             const QString& eventLine, const QList<qsizetype>& rest) {
    const QList<QStringView>& cells = r.cells;
    const qsizetype n = r.n;
    const qsizetype outcomeColumn = cellOfColumn(Column::Outcome, n);
    qsizetype outcomeCell = -1;
    if (outcomeColumn >= 0 && rest.contains(outcomeColumn)) {
        outcomeCell = outcomeColumn;
    } else {
        QList<qsizetype> certain;
        QList<qsizetype> other;
        for (const qsizetype c : rest) {
            if (columnOf(c, n) == Column::Other && columns_.size() == n) continue;
            if (readOutcome(cells.at(c), event.home, event.away).certain)
                certain.append(c);
            else if (!r.pieces[size_t(c)].noise())
                other.append(c);
        }
        const QList<qsizetype>& pick = certain.isEmpty() ? other : certain;
        if (pick.isEmpty()) return refuse(OutcomeMissing, eventLine, i), -1;
        if (pick.size() > 1) return refuse(OutcomeUnclear, text, i), -1;
        outcomeCell = pick.first();
    }
    return outcomeCell;
}

}  // namespace kombinator::slip
