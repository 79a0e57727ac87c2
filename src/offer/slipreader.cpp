// The slip reader. It walks the lines once: between tips it looks for an event, after an event
// for its outcome, after the outcome for its price, and skips on the way only lines that the
// words of slipwords.h call headings, dates, buttons or summaries. A table row is a tip of its
// own: its cells are told apart by the table's header or by what each holds.
#include "offer/slipreader.h"

#include <QCoreApplication>

#include <algorithm>
#include <list>

#include "offer/conversion.h"
#include "offer/slipparts.h"
#include "offer/slipwords.h"
#include "platform/text.h"

namespace kombinator {

namespace {

using namespace slipwords;
using namespace slip;

// What stops the reading, told of the tip it stops at (%1) and the line that stops it (%2).
struct RefusalWords {
    RefusalCode code;
    const char* text;
};
constexpr RefusalWords kRefusalWords[] = {
    {RefusalCode::PriceMissing, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp szorzója hiányzik: „%2”")},
    {RefusalCode::PriceLow, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp szorzója 1.00 alatt van: „%2”")},
    {RefusalCode::TwoPricesInLine, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp: két szorzó egy sorban: „%2”")},
    {RefusalCode::ExtraPrice, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp után még egy szorzó áll: „%2”")},
    {RefusalCode::NoTeams, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp eseményében nincs két csapat: „%2”")},
    {RefusalCode::TeamsUnclear,
     QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp eseményében nem egyértelmű, hol válik el a két csapat: „%2”")},
    {RefusalCode::TeamsCut,
     QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp eseményében csonka a csapat neve: „%2”")},
    {RefusalCode::Removed, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp mellett törölt tipp is áll: „%2”")},
    {RefusalCode::UnknownLine, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp előtt ismeretlen sor áll: „%2”")},
    {RefusalCode::PickUnclear,
     QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp választott szorzója nem egyezik: „%2”")},
    {RefusalCode::OutcomeMissing, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp kimenete hiányzik: „%2”")},
    {RefusalCode::OutcomeUnclear, QT_TRANSLATE_NOOP("offer", "A(z) %1. tipp kimenete nem egyértelmű: „%2”")},
};

using enum RefusalCode;

// ---- Assembly

QString shown(QStringView line) {
    constexpr qsizetype kShown = 60;
    QString text = trimBlanks(plainLine(line));
    text.replace(u'\t', u' ');
    if (text.size() > kShown) text = text.left(kShown - 1) + QChar(0x2026);
    return text;
}

// A table row (a tab parts its cells), a printed receipt's line (three blanks or more part its
// columns), or a plain line; one look at each character.
enum class Shape { Line, Row, Columns };

Shape shapeOf(QStringView line) {
    if (line.contains(u'\t')) return Shape::Row;
    // Runs of blanks between the words part a receipt's columns; an indent parts none.
    int run = 0;
    for (const QChar ch : trimmed(line)) {
        run = ch == u' ' ? run + 1 : 0;
        if (run == 3) return Shape::Columns;
    }
    return Shape::Line;
}

// An offer's pick with the price it backs: "Selected: 2 (1,91)" picks "Selected: 2".
QStringView withoutStatedPrice(QStringView pick) {
    pick = trimmed(pick);
    const qsizetype open = pick.lastIndexOf(u'(');
    if (open <= 0 || !pick.endsWith(u')') ||
        readPrice(pick.sliced(open + 1).chopped(1)).kind != PriceKind::One)
        return pick;
    return trimmed(pick.first(open));
}

// An event line the way the offer list parts it: "home - away".
QString written(const EventRead& event) {
    QString line = event.home.toString();
    line += QStringLiteral(" - ");
    line += event.away;
    return line;
}

// A line of a printed receipt, its columns parted by runs of three blanks or more, as a table row.
QString columnsOf(const QString& line) {
    QString row = line;
    qsizetype run = 0;
    for (qsizetype i = row.size() - 1; i >= -1; --i) {
        if (i >= 0 && row.at(i) == u' ') {
            ++run;
            continue;
        }
        if (run >= 3) row.replace(i + 1, run, u'\t');
        run = 0;
    }
    return row;
}

class Reader {
public:
    Reader(const QStringList& lines, qsizetype enough) : lines_(lines), enough_(enough) {
        reading_.tips.reserve(std::min(lines.size() / 3, enough));
    }

    SlipReading read() {
        for (qsizetype i = 0; i < lines_.size() && !reading_.refused() && reading_.tips.size() < enough_;
             i = next_) {
            next_ = i + 1;
            const QString& line = lines_.at(i);
            const Shape shape = shapeOf(line);
            if (shape == Shape::Row)
                row(i, line);
            else if (shape == Shape::Columns)
                row(i, keep(columnsOf(line)));  // a receipt's columns, set with blanks
            else
                this->line(i, line);
        }
        if (!!reading_.refused() || reading_.tips.size() >= enough_) return reading_;
        const qsizetype last = lines_.size() - 1;
        if (slot_ == Slot::Outcome) {
            reading_.endedInsideTip = true;
            refuse(OutcomeMissing, lines_.at(eventAt_), last);
        } else if (slot_ == Slot::Price) {
            reading_.endedInsideTip = true;
            refuse(PriceMissing, lines_.at(afterOutcome_ >= 0 ? afterOutcome_ : outcomeAt_), last);
        } else if (reading_.tips.isEmpty() && !lines_.isEmpty()) {
            refuse(NoTeams, lines_.at(skipped_.isEmpty() ? 0 : skipped_.first()), last);
            reading_.nothingRead = true;
        }
        return reading_;
    }

private:
    enum class Slot { Event, Outcome, Price };

    // The tip in hand stands on its own three lines, as every tip before it, in a text of whole
    // blocks.
    bool plainBlock(qsizetype priceAt) const {
        const qsizetype eventAt = 3 * reading_.tips.size();
        return plain_ && lines_.size() % 3 == 0 && eventAt_ == eventAt && outcomeAt_ == eventAt + 1 &&
               priceAt == eventAt + 2;
    }

    int tipNumber() const { return static_cast<int>(reading_.tips.size()) + 1; }

    void refuse(RefusalCode code, QStringView quoted, qsizetype lastLine) {
        refuseBlock(code, tipNumber(), quoted, slot_ == Slot::Event ? blockStart_ : eventAt_, lastLine);
    }

    void refuseBlock(RefusalCode code, qsizetype tip, QStringView quoted, qsizetype first, qsizetype last) {
        if (reading_.refused()) return;  // the first reason found is the block's
        reading_.refusal = {code, tip, first, last, quoted.toString()};
    }

    // A line between two tips that is neither noise nor the next tip's outcome written above its
    // event: the reader does not drop what it cannot name.
    bool unknownBetweenTips(qsizetype i, const EventRead& event) {
        if (reading_.tips.isEmpty()) return false;
        for (const qsizetype at : std::as_const(skipped_)) {
            if (readOutcome(lines_.at(at), event.home, event.away).certain) continue;
            // The leg's number on a receipt ("3" over the third tip).
            if (trimmed(lines_.at(at)) == QString::number(tipNumber())) continue;
            refuseBlock(UnknownLine, tipNumber(), lines_.at(at), at, i);
            return true;
        }
        return false;
    }

    void takeEvent(qsizetype i, const QString& text, const EventRead& event) {
        tip_ = SlipTip();
        tip_.home = event.home;
        tip_.away = event.away;
        tip_.eventLine = event.asWritten ? text : written(event);
        tip_.firstLine = i;
        eventAt_ = i;
        eventBare_ = event.bare;
        slot_ = Slot::Outcome;
    }

    // A market named on a line of its own, for the outcome that follows it.
    void noteMarket(QStringView line) {
        const QStringView market = otherMarketOf(line);
        if (!market.isEmpty()) otherMarket_ = market.toString();
    }

    // The stated pick of an offer ("Az Ön tippje: 2", "Kiválasztva: Arsenal (1,85)") takes the price
    // the offer shows for its code; a price stated with the pick must be that one.
    void takePick(qsizetype i, const QString& text, const OutcomeRead& outcome) {
        const QString code = codeOf(outcome);
        const auto offered = std::find_if(offer_.cbegin(), offer_.cend(),
                                          [&](const OfferedPrice& price) { return price.code == code; });
        if (code.isEmpty() || offered == offer_.cend()) return refuse(OutcomeUnclear, text, i);
        const qsizetype open = text.lastIndexOf(u'(');
        if (open >= 0 && text.endsWith(u')')) {
            const QString stated = text.mid(open + 1, text.size() - open - 2);
            if (readPrice(stated).kind == PriceKind::One && readPrice(stated).odds != offered->odds)
                return refuse(PickUnclear, text, i);
        }
        const OfferedPrice price = *offered;
        const qsizetype offerAt = offerAt_;
        takeOutcome(i, withoutStatedPrice(text).toString(), outcome);
        takePrice(offerAt, price.written, price.odds);
        blockStart_ = i + 1;
    }

    void takeOutcome(qsizetype i, const QString& text, const OutcomeRead& outcome) {
        if (gluedToMarket(text)) refuse(OutcomeUnclear, text, i);
        tip_.outcomeLine = QString(text).replace(u'\t', u' ');
        tip_.homeMarker = outcome.home;
        tip_.awayMarker = outcome.away;
        // The block keeps the market it was told on another line, so that it reads the same again.
        if (!otherMarket_.isEmpty() &&
            (outcome.home != OutcomeMarker::None || outcome.away != OutcomeMarker::None)) {
            tip_.outcomeLine = otherMarket_ + QStringLiteral(": ") + trimBlanks(tip_.outcomeLine);
            tip_.homeMarker = tip_.awayMarker = OutcomeMarker::None;
        }
        outcomeCertain_ = outcome.certain;
        outcomeAt_ = i;
        afterOutcome_ = -1;
        slot_ = Slot::Price;
    }

    // One more pick of a bet builder's leg, which has one price for all: the leg backs no side
    // of the match alone.
    void addPick(qsizetype i, const QString& text) {
        tip_.outcomeLine += kPicksJoined.toString() + trimBlanks(QString(text).replace(u'\t', u' '));
        tip_.homeMarker = tip_.awayMarker = OutcomeMarker::None;
        outcomeAt_ = i;
        afterOutcome_ = -1;
    }

    void takePrice(qsizetype i, const QString& text, const QString& odds) {
        tip_.priceLine = QString(text).replace(u'\t', u' ');
        tip_.odds = odds;
        // The runner's each-way terms ride on its price line, so that its block reads the same again.
        if (!tip_.race.isEmpty() && !termsLine_.isEmpty()) {
            tip_.eachWay = parsePlaceTerms(termsLine_).value_or(PlaceTerms());
            tip_.priceLine += u' ' + termsLine_;
        }
        termsLine_.clear();
        tip_.lastLine = i;
        reading_.tips.append(std::move(tip_));
        slot_ = Slot::Event;
        blockStart_ = i + 1;
        skipped_.clear();
        offer_.clear();
        otherMarket_.clear();
        lastPriceAt_ = i;
    }

    // The last line skipped before the event in hand that names its outcome, or -1.
    qsizetype outcomeAbove() const {
        for (qsizetype k = skipped_.size() - 1; k >= 0; --k) {
            const QString& above = lines_.at(skipped_.at(k));
            if (readOutcome(above, tip_.home, tip_.away).certain && readEvent(above).kind == EventKind::None)
                return skipped_.at(k);
        }
        return -1;
    }

    // Teams one under the other with their separator between ("Arsenal", "-", "Chelsea").
    void stackedEvent(qsizetype i) {
        const EventRead event = teams(trimmed(lines_.at(i - 1)), trimmed(lines_.at(i + 1)));
        if (event.kind == EventKind::Cut) return refuse(TeamsCut, lines_.at(i + 1), i + 1);
        if (event.kind != EventKind::Teams) return;
        skipped_.removeLast();
        if (unknownBetweenTips(i - 1, event)) return;
        takeEvent(i - 1, written(event), event);
        next_ = i + 2;
    }

    // An offer's row: its event and a cell for each outcome's price ("1 3,27", "X 7,45"); the pick is
    // stated on the line below.
    bool offeredRow(qsizetype i, const QList<QStringView>& cells, const QList<qsizetype>& others) {
        QList<OfferedPrice> offer;
        qsizetype eventCell = -1;
        EventRead event;
        for (const qsizetype c : others) {
            const QList<OfferedPrice> pair = offeredPrices(cells.at(c), 1);
            if (!pair.isEmpty()) {
                offer += pair;
                continue;
            }
            const EventRead read = readEvent(cells.at(c));
            if (read.kind == EventKind::Teams && !startsHeading(cells.at(c))) {
                if (eventCell >= 0) return false;
                eventCell = c;
                event = read;
            } else if (!isNoise(cells.at(c))) {
                return false;
            }
        }
        if (eventCell < 0 || offer.size() < 2) return false;
        if (unknownBetweenTips(i, event)) return true;
        takeEvent(i, event.asWritten ? keep(cells.at(eventCell).toString()) : written(event), event);
        offer_ = offer;
        offerAt_ = i;
        return true;
    }

    // A line the reader made (a row's cells joined, a receipt's columns): the tips' names are views
    // into it, so it lives as long as the reading.
    const QString& keep(QString text) { return rewritten_.emplace_back(std::move(text)); }

    // A notice of a tip taken off the slip: which tip it was, the copy does not tell.
    void refuseRemoved(qsizetype i, const QString& text) {
        refuseBlock(Removed, std::max<qsizetype>(1, reading_.tips.size()), text,
                    reading_.tips.isEmpty() ? blockStart_ : reading_.tips.last().firstLine, i);
    }

    // A price where an event should stand: a second price of the last tip, or the price of a tip
    // whose event was not read.
    void strayPrice(qsizetype i, const QString& text) {
        // The value of a summary whose label stands on the line before ("Eredő szorzó", "15,83").
        if (summaryAt_ == i - 1) return;
        // The price just taken, written once more ("Odds 2.10" for a screen reader, then the
        // "2.10" the eye sees), is the same price.
        const bool labelBetween = lastPriceAt_ == i - 2 && readPrice(lines_.at(i - 1)).labelOnly;
        if ((lastPriceAt_ >= i - 1 || labelBetween) && readPrice(text).odds == reading_.tips.last().odds)
            return;
        if (lastPriceAt_ >= 0 && skipped_.isEmpty()) {
            return refuseBlock(ExtraPrice, reading_.tips.size(), text, reading_.tips.last().firstLine, i);
        }
        if (skipped_.contains(unclearAt_)) return refuse(TeamsUnclear, lines_.at(unclearAt_), i);
        const QString& quoted = skipped_.size() >= 2 ? lines_.at(skipped_.at(skipped_.size() - 2))
                                : skipped_.isEmpty() ? text
                                                     : lines_.at(skipped_.last());
        refuse(NoTeams, quoted, i);
    }

    // A line, or each piece of a leg written on one line.
    void line(qsizetype i, const QString& text) {
        if (slot_ == Slot::Event && readRace(text).isEmpty()) {
            const QStringList pieces = legPieces(text, reading_.tips.size() + 1);
            if (!pieces.isEmpty()) {
                for (qsizetype p = 0; p < pieces.size() && !reading_.refused(); ++p)
                    piece(i, pieces.at(p));
                return;
            }
        }
        piece(i, text);
    }

    void piece(qsizetype i, const QString& text) {
        switch (slot_) {
            case Slot::Event:
                return eventLine(i, text);
            case Slot::Outcome:
                return outcomeLine(i, text);
            case Slot::Price:
                return priceLine(i, text);
        }
    }

    // A line between tips: the next tip's event, or what stands around the tips.
    void eventLine(qsizetype i, const QString& text) {
        if (const QString race = readRace(text); !race.isEmpty()) {
            if (unknownBetweenTips(i, EventRead())) return;
            return takeRace(i, text, race);
        }
        if (lateTerms(i, text)) return;
        const EventRead event = readEvent(text);
        if (event.kind == EventKind::Teams && !startsHeading(text)) {
            if (unknownBetweenTips(i, event)) return;
            return takeEvent(i, text, event);
        }
        if (event.kind == EventKind::Cut) return refuse(TeamsCut, text, i);
        if (isSeparatorAlone(text) && !skipped_.isEmpty() && skipped_.last() == i - 1 &&
            i + 1 < lines_.size())
            return stackedEvent(i);
        // A line of several bare hyphens ("Szelvényszám: 7403-6309-445") is an event only
        // if a tip's outcome and price follow it; then it is refused for its unclear teams.
        if (event.kind == EventKind::Unclear && !isHeading(text)) unclearAt_ = i;
        const PriceRead price = readPrice(text);
        if (price.kind == PriceKind::One || price.kind == PriceKind::Two) return strayPrice(i, text);
        plain_ = false;
        // "Home" or "Away" alone may be the outcome written above its event, though a
        // header's word too: it is kept for the event below.
        if (isSummaryLabel(text)) summaryAt_ = i;
        // Teams under a heading's words, and a price at the end: a leg, never a heading.
        if (event.kind == EventKind::Teams && endsWithPrice(text)) return refuse(OutcomeMissing, text, i);
        if (isNoise(text) && !codeOutcome(trimmed(text), {}, {}).certain) return noteMarket(text);
        if (isRemovalNotice(text)) return refuseRemoved(i, text);
        skipped_.append(i);
        return;
    }

    // The line after an event: its outcome, or what stands between them.
    void outcomeLine(qsizetype i, const QString& text) {
        if (!tip_.race.isEmpty()) return runnerLine(i, text);
        // A name of a bare hyphen ("Szeged-Csanád Grosics Akadémia") above the event
        // written with a spaced separator was that event's outcome, not an event.
        if (eventBare_) {
            const EventRead spaced = readEvent(text);
            if (spaced.kind == EventKind::Teams && !spaced.bare) {
                skipped_.append(eventAt_);
                if (unknownBetweenTips(i, spaced)) return;
                return takeEvent(i, text, spaced);
            }
        }
        // A label of the pick alone on its line ("Selected:", "Ausgewählt:"): the pick follows.
        if (isResultLabelAlone(text)) return;
        const OutcomeRead outcome = readOutcome(
            offer_.isEmpty() ? QStringView(text) : withoutStatedPrice(text), tip_.home, tip_.away);
        // A fraction or American odds ("5/2", "+250") is due here only after an outcome
        // written above the event; there "1/2" is that price, not the double chance 1 or 2.
        const auto otherForm = [&] {
            return readPrice(text).kind == PriceKind::None &&
                   readPrice(text, false, true).kind == PriceKind::One;
        };
        if (outcome.certain && !(outcomeAbove() >= 0 && otherForm()))
            return offer_.isEmpty() ? takeOutcome(i, text, outcome) : takePick(i, text, outcome);
        if (isNoise(text)) return noteMarket(text);
        // An offer's prices under the event, its pick stated on the line after them.
        if (offer_.isEmpty() && (offer_ = offeredPrices(text)).size() > 0) {
            offerAt_ = i;
            return;
        }
        const EventRead event = readEvent(text);
        if (event.kind == EventKind::Teams && namesHeading(lines_.at(eventAt_)))
            return takeEvent(i, text, event);
        const PriceKind price = readPrice(text).kind;
        const bool other = price == PriceKind::None && otherForm();
        if (price == PriceKind::One || other) {
            // An outcome written above its event ("Tipp: 1", then the teams, then the price),
            // or below its price.
            if (const qsizetype above = outcomeAbove(); above >= 0) {
                takeOutcome(above, lines_.at(above), readOutcome(lines_.at(above), tip_.home, tip_.away));
                return line(i, text);
            }
            for (qsizetype j = i + 1; price == PriceKind::One && j < lines_.size(); ++j) {
                const QString& below = lines_.at(j);
                if (below.contains(u'\t')) break;
                const OutcomeRead read = readOutcome(below, tip_.home, tip_.away);
                if (read.certain && readEvent(below).kind == EventKind::None &&
                    readPrice(below).kind == PriceKind::None) {
                    takeOutcome(j, below, read);
                    takePrice(i, text, readPrice(text).odds);
                    next_ = j + 1;
                    return;
                }
                if (!isNoise(below)) break;
            }
        }
        if (event.kind != EventKind::None || price != PriceKind::None || other)
            return refuse(OutcomeMissing, lines_.at(eventAt_), i);
        if (isRemovalNotice(text)) return refuseRemoved(i, text);
        return takeOutcome(i, text, outcome);
    }

    // "Was 1.40" then "1.64", "statt" then "1,40" and "1,64", "Korábbi szorzó: 1,58 1,96": after
    // the word of a changed price, the last of the prices that follow it is the tip's, the one
    // before it the old one (which the page strikes out, and its HTML leaves out).
    bool oldAndNewPrice(qsizetype i, QStringView text) {
        QStringView rest = trimmed(text);
        const auto word = std::find_if(wordsOf(OldPrice).cbegin(), wordsOf(OldPrice).cend(),
                                       [&](QStringView w) { return startsWithWord(rest, w); });
        if (word == wordsOf(OldPrice).cend()) return false;
        rest = trimmed(rest.sliced(word->size()));
        if (rest.startsWith(u':')) rest = trimmed(rest.sliced(1));
        QList<std::pair<qsizetype, QString>> prices;  // the line and the odds of each price
        for (const QStringView piece : rest.split(u' ', Qt::SkipEmptyParts)) {
            const PriceRead price = readPrice(piece, false, true);
            if (price.kind != PriceKind::One) return false;
            prices.append({i, price.odds});
        }
        for (qsizetype at = i + 1; at < lines_.size() && prices.size() < 3; ++at) {
            const PriceRead price = readPrice(lines_.at(at), false, true);
            if (price.labelOnly) continue;  // "Odds" over the new price
            if (price.kind != PriceKind::One) break;
            prices.append({at, price.odds});
        }
        if (prices.isEmpty() || prices.size() > 2) return false;
        const auto& [at, odds] = prices.last();
        takePrice(at,
                  at == i ? QString(rest.split(u' ', Qt::SkipEmptyParts).last().toString()) : lines_.at(at),
                  odds);
        next_ = at + 1;
        return true;
    }

    // The line after an outcome: its price, or what stands between them.
    void priceLine(qsizetype i, const QString& text) {
        if (!tip_.race.isEmpty() && racePrice(i, text)) return;
        if (oldAndNewPrice(i, text)) return;
        const PriceRead price = readPrice(text, false, true);
        if (price.kind == PriceKind::One) {
            // A label on the line before ("Szorzó:") stays with its price.
            const bool labelled = i > 0 && afterOutcome_ == i - 1 && readPrice(lines_.at(i - 1)).labelOnly;
            return takePrice(i, labelled ? lines_.at(i - 1) + u' ' + text : text, price.odds);
        }
        if (price.kind == PriceKind::Two) return refuse(TwoPricesInLine, text, i);
        if (price.kind == PriceKind::Low) return refuse(PriceLow, text, i);
        // A label of a bet builder's next pick alone on its line: the pick follows.
        if (afterOutcome_ < 0 && isResultLabelAlone(text) && i + 1 < lines_.size() &&
            isFurtherPick(lines_.at(i + 1)))
            return;
        if (afterOutcome_ < 0) afterOutcome_ = i;
        // A price after a summary's label is the summary's, not the tip's.
        if (isSummaryLabel(text)) return refuse(PriceMissing, lines_.at(afterOutcome_), i);
        if (isNoise(text)) return;
        if (afterOutcome_ == i && isFurtherPick(text)) return addPick(i, text);
        if (!outcomeCertain_ && readOutcome(text, tip_.home, tip_.away).certain)
            return refuse(OutcomeUnclear, text, i);
        // Plain three-line blocks keep the offer list's own rule: the odds line ends in the odds.
        const QString odds = oddsText(text);
        if (plainBlock(i) && odds.contains(u'.') && readEvent(text).kind == EventKind::None)
            return odds.toDouble() < 1.0 ? refuse(PriceLow, text, i) : takePrice(i, text, odds);
        return refuse(PriceMissing, lines_.at(afterOutcome_), i);
    }

    // A table row's cells, those that hold a price and the others.
    struct RowCells {
        QList<QStringView> cells;
        QList<qsizetype> prices;
        QList<qsizetype> others;
        qsizetype n = 0;
    };

    // ---- Races

    void takeRace(qsizetype i, const QString& text, const QString& race) {
        tip_ = SlipTip();
        tip_.race = race;
        tip_.eventLine = QString(text).replace(u'\t', u' ');
        tip_.firstLine = i;
        eventAt_ = i;
        eventBare_ = false;
        termsLine_.clear();
        slot_ = Slot::Outcome;
    }

    void takeRunner(qsizetype i, const QString& text, QStringView runner) {
        tip_.runner = runner.toString();
        tip_.outcomeLine = trimBlanks(QString(text).replace(u'\t', u' '));
        outcomeCertain_ = true;
        outcomeAt_ = i;
        afterOutcome_ = -1;
        slot_ = Slot::Price;
    }

    // Each-way terms on a line of their own, held for the runner's price.
    bool holdTerms(QStringView text) {
        if (termsStart(text) != 0) return false;
        termsLine_ = trimmed(text).toString();
        return true;
    }

    // The terms printed under the last runner's price, before anything else.
    bool lateTerms(qsizetype i, const QString& text) {
        if (reading_.tips.isEmpty() || lastPriceAt_ != i - 1 || termsStart(text) != 0) return false;
        SlipTip& last = reading_.tips.last();
        if (last.race.isEmpty() || last.eachWay.eachWay()) return false;
        last.eachWay = *parsePlaceTerms(trimmed(text));
        last.priceLine += u' ' + trimmed(text).toString();
        last.lastLine = i;
        blockStart_ = i + 1;
        lastPriceAt_ = i;
        return true;
    }

    // The line after a race: its runner, each-way terms, or a label between them. A runner run
    // together with its price ("Desert Crown 5/2") is taken with it.
    void runnerLine(qsizetype i, const QString& text) {
        if (isResultLabelAlone(text) || holdTerms(text)) return;
        if (isNoise(text)) return;
        if (const QStringView runner = runnerOf(text); !runner.isEmpty()) return takeRunner(i, text, runner);
        QStringView line = trimmed(text);
        const qsizetype terms = termsStart(line);
        const QStringView priced = terms > 0 ? trimmed(line.first(terms)) : line;
        const qsizetype blank = priced.lastIndexOf(u' ');
        const QStringView runner = blank > 0 ? runnerOf(priced.first(blank)) : QStringView();
        if (runner.isEmpty()) return refuse(OutcomeMissing, lines_.at(eventAt_), i);
        takeRunner(i, priced.first(blank).toString(), runner);
        if (!racePrice(i, line.sliced(blank + 1).toString())) refuse(PriceMissing, text, i);
    }

    // A runner's price: a price, "SP", either with each-way terms after it, or the terms alone
    // above the price. False for a line that is none of them.
    bool racePrice(qsizetype i, const QString& text) {
        const QStringView line = trimmed(text);
        const qsizetype terms = termsStart(line);
        if (terms == 0) return holdTerms(line);
        const QStringView price = terms > 0 ? trimmed(line.first(terms)) : line;
        if (terms > 0) termsLine_ = line.sliced(terms).toString();
        if (isStartingPrice(price)) {
            tip_.startingPrice = true;
            takePrice(i, price.toString(), QString());
            return true;
        }
        const PriceRead read = readPrice(price, false, true);
        if (read.kind == PriceKind::Low) return refuse(PriceLow, text, i), true;
        if (read.kind != PriceKind::One) return terms > 0 ? (refuse(PriceMissing, text, i), true) : false;
        takePrice(i, price.toString(), read.odds);
        return true;
    }

    // A race's row: the race, the runner, its price or "SP", and its each-way terms, each in a cell
    // of its own; the cells of anything else are noise or a number (the runner's, the row's). False
    // for a row that names no race.
    bool raceRow(qsizetype i, const QString& text, const RowCells& r) {
        qsizetype raceCell = -1;
        for (qsizetype c = 0; c < r.n && raceCell < 0; ++c) {
            if (!readRace(r.cells.at(c)).isEmpty()) raceCell = c;
        }
        if (raceCell < 0) return false;
        QList<qsizetype> runners;
        QList<qsizetype> prices;
        QString terms;
        for (qsizetype c = 0; c < r.n; ++c) {
            const QStringView cell = r.cells.at(c);
            if (c == raceCell || cell.isEmpty()) continue;
            if (termsStart(cell) == 0) {
                terms = cell.toString();
            } else if (isStartingPrice(cell) ||
                       readPrice(cell, columnOf(c, r.n) == Column::Price, true).kind != PriceKind::None) {
                prices.append(c);
            } else if (!runnerOf(cell).isEmpty()) {
                runners.append(c);
            } else if (!isNoise(cell) && hasLetter(cell)) {
                return refuseBlock(UnknownLine, tipNumber(), cell, i, i), true;
            }
        }
        blockStart_ = i;
        if (unknownBetweenTips(i, EventRead())) return true;
        takeRace(i, r.cells.at(raceCell).toString(), readRace(r.cells.at(raceCell)));
        if (runners.size() != 1)
            return refuse(runners.isEmpty() ? OutcomeMissing : OutcomeUnclear, text, i), true;
        takeRunner(i, r.cells.at(runners.first()).toString(), runnerOf(r.cells.at(runners.first())));
        if (prices.size() > 1) return refuse(TwoPricesInLine, text, i), true;
        if (prices.isEmpty()) return refuse(PriceMissing, text, i), true;
        termsLine_ = terms;
        const QStringView price = r.cells.at(prices.first());
        if (isStartingPrice(price)) return racePrice(i, price.toString());
        const PriceRead read = readPrice(price, columnOf(prices.first(), r.n) == Column::Price, true);
        if (read.kind != PriceKind::One)
            return refuse(read.kind == PriceKind::Low ? PriceLow : TwoPricesInLine, text, i), true;
        takePrice(i, price.toString(), read.odds);
        return true;
    }

    // ---- Table rows

    // A header row: every cell a header word. Its columns tell the cells of the rows below.
    bool header(const QList<QStringView>& cells) {
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

    Column columnOf(qsizetype cell, qsizetype cells) const {
        return columns_.size() == cells && cell < columns_.size() ? columns_.at(cell) : Column::Other;
    }

    qsizetype cellOfColumn(Column column, qsizetype cells) const {
        if (columns_.size() != cells) return -1;
        return columns_.indexOf(column);
    }

    // A row whose price stood in a box: a browser that copies the box's value puts it on a line of
    // its own under the row, and the row's cells after it on the line after. The price is the
    // row's when that line is a price alone, written in the cell that waits for it.
    bool boxedPrice(qsizetype i, QList<QStringView> cells) {
        if (i + 1 >= lines_.size() || lines_.at(i + 1).contains(u'\t')) return false;
        const QStringView value = trimmed(lines_.at(i + 1));
        if (readPrice(value, false, true).kind != PriceKind::One) return false;
        // The cells the row left for the line after are empty here.
        while (cells.size() < columns_.size())
            cells.append(QStringView());
        const qsizetype n = cells.size();
        qsizetype box = cellOfColumn(Column::Price, n);
        for (qsizetype c = 0; box < 0 && c < n; ++c) {
            if (readPrice(cells.at(c)).labelOnly) box = c;
        }
        if (box < 0) return false;
        const QString price = trimBlanks(cells.at(box).toString() + u' ' + value.toString());
        if (readPrice(price, columnOf(box, n) == Column::Price).kind != PriceKind::One) return false;
        QString joined;
        for (qsizetype c = 0; c < n; ++c) {
            if (c > 0) joined += u'\t';
            joined += c == box ? price : cells.at(c).toString();
        }
        row(i, keep(joined));
        next_ = i + 2;
        return true;
    }

    void row(qsizetype i, const QString& text) {
        plain_ = false;
        RowCells r;
        for (const QStringView cell : QStringView(text).split(u'\t'))
            r.cells.append(trimmed(cell));
        if (header(r.cells)) return;
        r.n = r.cells.size();
        if (slot_ == Slot::Event && raceRow(i, text, r)) return;
        // An offer's cells, each a code and its price ("1 7.09", "2 131.50"): none is a price of
        // its own, though "2 131.50" could be read as one with its thousands apart.
        const auto offered = [&](qsizetype c) { return !offeredPrices(r.cells.at(c), 1).isEmpty(); };
        qsizetype offeredCells = 0;
        for (qsizetype c = 0; c < r.n; ++c)
            offeredCells += offered(c) ? 1 : 0;
        for (qsizetype c = 0; c < r.n; ++c) {
            if (r.cells.at(c).isEmpty()) continue;
            if (offeredCells >= 2 && offered(c)) {
                r.others.append(c);
                continue;
            }
            const PriceKind kind = readPrice(r.cells.at(c), columnOf(c, r.n) == Column::Price).kind;
            if (kind == PriceKind::One || kind == PriceKind::Two ||
                (kind == PriceKind::Low && columnOf(c, r.n) == Column::Price))
                r.prices.append(c);
            else
                r.others.append(c);
        }
        // A row without a price is a line: an event of two cells, or a heading. A tip's row whose
        // price the copy did not carry ("Szorzó:" alone, an empty price column) is refused.
        if (r.prices.isEmpty() && slot_ == Slot::Event && offeredRow(i, r.cells, r.others)) return;
        if (r.prices.isEmpty()) return rowWithoutPrice(i, text, r);
        if (slot_ == Slot::Price && priceRow(i, text, r)) return;
        if (slot_ == Slot::Outcome && outcomeBesidePrice(i, r)) return;
        if (slot_ == Slot::Outcome) return refuse(OutcomeMissing, lines_.at(eventAt_), i);
        if (slot_ == Slot::Price) return refuse(PriceMissing, text, i);
        blockStart_ = i;
        tipRow(i, text, r);
    }

    void rowWithoutPrice(qsizetype i, const QString& text, const RowCells& r) {
        const QList<QStringView>& cells = r.cells;
        const QList<qsizetype>& others = r.others;
        const qsizetype n = r.n;
        // A row cut short at its price's box ends where the header's price column begins.
        bool tipRow = cellOfColumn(Column::Price, n) >= 0 ||
                      (n < columns_.size() && columns_.indexOf(Column::Price) >= n - 1);
        bool event = false;
        for (const qsizetype c : others) {
            tipRow = tipRow || readPrice(cells.at(c)).labelOnly;
            event = event || readEvent(cells.at(c)).kind == EventKind::Teams;
        }
        event = event || (cellOfColumn(Column::Home, n) >= 0 && cellOfColumn(Column::Away, n) >= 0);
        if (tipRow && event && slot_ == Slot::Event) {
            if (boxedPrice(i, cells)) return;
            blockStart_ = i;
            return refuse(PriceMissing, text, i);
        }
        // "Szorzó:⇥4": a label's cell and its value's.
        const QString joined = trimBlanks(QString(text).replace(u'\t', u' '));
        if (readPrice(joined).kind != PriceKind::None) return line(i, keep(joined));
        // "Selection:⇥Home": a label's cell and its value's, which is read whatever it says.
        if (others.size() == 2 && cells.at(others.first()).endsWith(u':')) {
            if (isMetaLine(joined)) return noteMarket(joined);  // "Piac:⇥Hendikep", "Kezdés:⇥20:45"
            return line(i, keep(cells.at(others.last()).toString()));
        }
        QStringList parts;
        for (const qsizetype c : others) {
            if (!isNoise(cells.at(c))) parts.append(cells.at(c).toString());
        }
        if (parts.isEmpty()) return;
        const bool twoNames = parts.size() == 2 && readEvent(parts.at(0)).kind == EventKind::None &&
                              readEvent(parts.at(1)).kind == EventKind::None;
        return line(i, keep(parts.join(twoNames ? u'\t' : u' ')));
    }

    // A price row for a tip read from the lines above: the price alone, or with noise.
    bool priceRow(qsizetype i, const QString& text, const RowCells& r) {
        const QList<QStringView>& cells = r.cells;
        const QList<qsizetype>& prices = r.prices;
        const QList<qsizetype>& others = r.others;
        bool alone = prices.size() == 1;
        for (const qsizetype c : others)
            alone = alone && isNoise(cells.at(c));
        if (alone) {
            // "Szorzó:⇥1,65" stays one price line with its label.
            const QString joined = trimBlanks(QString(text).replace(u'\t', u' '));
            line(i, keep(readPrice(joined).kind == PriceKind::One ? joined
                                                                  : cells.at(prices.first()).toString()));
            return true;
        }
        return false;
    }

    // The outcome and its price side by side, under the event's line ("Arsenal      @1,85").
    bool outcomeBesidePrice(qsizetype i, const RowCells& r) {
        const QList<QStringView>& cells = r.cells;
        const QList<qsizetype>& prices = r.prices;
        const QList<qsizetype>& others = r.others;
        if (prices.size() != 1) return false;
        QList<qsizetype> named;  // "Away" is a header's word too, but here it is the outcome
        for (const qsizetype c : others) {
            if (readOutcome(cells.at(c), tip_.home, tip_.away).certain || !isNoise(cells.at(c)))
                named.append(c);
        }
        if (named.size() == 1) {
            const PriceRead price = readPrice(cells.at(prices.first()));
            const QString outcome = cells.at(named.first()).toString();
            const OutcomeRead read = readOutcome(outcome, tip_.home, tip_.away);
            if (price.kind == PriceKind::One &&
                (read.certain || readEvent(outcome).kind == EventKind::None)) {
                takeOutcome(i, outcome, read);
                takePrice(i, cells.at(prices.first()).toString(), price.odds);
                return true;
            }
        }
        return false;
    }

    // A tip's own row: its price, its event and its outcome, each in a cell of its own.
    void tipRow(qsizetype i, const QString& text, const RowCells& r) {
        const QList<QStringView>& cells = r.cells;
        const QList<qsizetype>& prices = r.prices;
        const qsizetype n = r.n;
        const qsizetype priceCell = prices.size() == 1 ? prices.first() : cellOfColumn(Column::Price, n);
        if (priceCell < 0 || !prices.contains(priceCell)) return refuse(TwoPricesInLine, text, i);
        const PriceRead price = readPrice(cells.at(priceCell), columnOf(priceCell, n) == Column::Price);
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
        const QString priceLine = readPrice(cells.at(priceCell)).kind == PriceKind::One
                                      ? cells.at(priceCell).toString()
                                      : priceHeader_ + QStringLiteral(": ") + cells.at(priceCell).toString();
        takePrice(i, priceLine, price.odds);
    }

    // The event of a tip's row: the header's column, or the one cell of two teams, or two name
    // cells; the cells left go to `rest`. False when the row is refused.
    bool rowEvent(qsizetype i, const QString& text, const RowCells& r, EventRead& event, QString& eventLine,
                  QList<qsizetype>& rest) {
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
            const EventRead read = readEvent(cells.at(c));
            if (read.kind == EventKind::Cut) return refuse(TeamsCut, cells.at(c), i), false;
            if (read.kind == EventKind::Unclear && (eventColumn < 0 || eventColumn == c)) unclear = c;
            if (read.kind != EventKind::Teams || startsHeading(cells.at(c))) continue;
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
            event = readEvent(cells.at(events.first()));
            eventLine = cells.at(events.first()).toString();
            for (const qsizetype c : others) {
                if (c != events.first()) rest.append(c);
            }
        } else if (events.size() > 1) {
            return refuse(TeamsUnclear, text, i), false;
        } else {
            QList<qsizetype> names;
            for (const qsizetype c : others) {
                if (hasLetter(cells.at(c)) && !isNoise(cells.at(c)) &&
                    codeOutcome(cells.at(c), {}, {}).certain == false)
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
    qsizetype rowOutcome(qsizetype i, const QString& text, const RowCells& r, const EventRead& event,
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
                else if (!isNoise(cells.at(c)))
                    other.append(c);
            }
            const QList<qsizetype>& pick = certain.isEmpty() ? other : certain;
            if (pick.isEmpty()) return refuse(OutcomeMissing, eventLine, i), -1;
            if (pick.size() > 1) return refuse(OutcomeUnclear, text, i), -1;
            outcomeCell = pick.first();
        }
        return outcomeCell;
    }

    const QStringList& lines_;
    const qsizetype enough_;
    SlipReading reading_;
    Slot slot_ = Slot::Event;
    SlipTip tip_;
    qsizetype eventAt_ = 0;
    qsizetype outcomeAt_ = 0;
    qsizetype afterOutcome_ = -1;
    qsizetype blockStart_ = 0;
    qsizetype lastPriceAt_ = -1;
    bool outcomeCertain_ = false;
    bool plain_ = true;          // no line skipped, no table row
    bool eventBare_ = false;     // the event in hand was parted at a bare hyphen
    QString otherMarket_;        // the market without markers named for the tip in hand
    QString termsLine_;          // each-way terms printed for the runner in hand, before its price
    QList<OfferedPrice> offer_;  // the prices an offer shows under the event in hand
    qsizetype offerAt_ = -1;
    qsizetype unclearAt_ = -1;      // the last line of several bare hyphens
    qsizetype summaryAt_ = -1;      // the last summary's label without its value
    qsizetype next_ = 0;            // the line read next
    QList<qsizetype> skipped_;      // lines between tips that are neither noise nor a tip's part
    QList<Column> columns_;         // the last header row's columns
    QString priceHeader_;           // its word over the prices
    std::list<QString> rewritten_;  // receipt lines as rows: the tips' names are views into them
};

}  // namespace

QString refusalText(const SlipRefusal& refusal) {
    for (const RefusalWords& words : kRefusalWords) {
        if (words.code == refusal.code)
            return QCoreApplication::translate("offer", words.text)
                .arg(QString::number(refusal.tip), shown(refusal.quoted));
    }
    return {};
}

SlipReading readSlip(const QStringList& lines, qsizetype enough) {
    return Reader(lines, enough).read();
}

}  // namespace kombinator
