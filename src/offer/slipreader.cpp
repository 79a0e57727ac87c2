// The slip reader. It walks the lines once: between tips it looks for an event, after an event
// for its outcome, after the outcome for its price, and skips on the way only lines that the
// words of slipwords.h call headings, dates, buttons or summaries. A table row is a tip of its
// own: its cells are told apart by the table's header or by what each holds.
#include "offer/slipreader.h"

#include <QCoreApplication>

#include <algorithm>
#include <deque>
#include <list>
#include <optional>
#include <vector>

#include "offer/conversion.h"
#include "offer/slipparts.h"
#include "offer/sliptokens.h"
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
        Piece(pick.sliced(open + 1).chopped(1)).price().kind != PriceKind::One)
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
            forgetBefore(i);
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

    // ---- The pieces of the lines, each told once

    // The piece of line `i`, told when it is first asked for.
    const Piece& pieceAt(qsizetype i) {
        if (i < cacheFrom_) return stray_.emplace(lines_.at(i));
        while (cacheFrom_ + qsizetype(pieces_.size()) <= i)
            pieces_.emplace_back(lines_.at(cacheFrom_ + qsizetype(pieces_.size())));
        return pieces_[size_t(i - cacheFrom_)];
    }

    // The pieces no look back from line `i` reaches any more: before the two lines above it, the
    // lines skipped since the last tip and the event in hand.
    void forgetBefore(qsizetype i) {
        qsizetype keep = i - 2;
        if (!skipped_.isEmpty()) keep = std::min(keep, skipped_.first());
        if (slot_ != Slot::Event) keep = std::min(keep, eventAt_);
        while (cacheFrom_ < keep && !pieces_.empty()) {
            pieces_.pop_front();
            ++cacheFrom_;
        }
    }

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
            if (pieceAt(at).legNumber() && trimmed(lines_.at(at)) == QString::number(tipNumber())) continue;
            refuseBlock(UnknownLine, tipNumber(), lines_.at(at), at, i);
            return true;
        }
        return false;
    }

    // ---- The parts of the tip in hand

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
    void noteMarket(const Piece& piece) {
        const QStringView market = piece.market();
        if (!market.isEmpty()) otherMarket_ = market.toString();
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

    // A line the reader made (a row's cells joined, a receipt's columns): the tips' names are views
    // into it, so it lives as long as the reading.
    const QString& keep(QString text) { return rewritten_.emplace_back(std::move(text)); }

    // A notice of a tip taken off the slip: which tip it was, the copy does not tell.
    void refuseRemoved(qsizetype i, const QString& text) {
        refuseBlock(Removed, std::max<qsizetype>(1, reading_.tips.size()), text,
                    reading_.tips.isEmpty() ? blockStart_ : reading_.tips.last().firstLine, i);
    }

    // ---- The slots: what each piece is where it stands

    // A line, or each piece of a leg written on one line. A line of the slip is told once and kept
    // for the looks back and ahead; a line the reader made is told where it stands.
    void line(qsizetype i, const QString& text) {
        if (&text == &lines_.at(i)) return line(i, text, pieceAt(i));
        const Piece own(text);
        line(i, text, own);
    }

    void line(qsizetype i, const QString& text, const Piece& piece) {
        if (slot_ == Slot::Event && piece.race().isEmpty()) {
            const QStringList pieces = legPieces(text, reading_.tips.size() + 1);
            if (!pieces.isEmpty()) return legOnOneLine(i, pieces);
        }
        inSlot(i, text, piece);
    }

    // Leg: a leg written on one line, its pieces (event, pick, price, with their labels) read as
    // lines of their own.
    void legOnOneLine(qsizetype i, const QStringList& pieces) {
        for (qsizetype p = 0; p < pieces.size() && !reading_.refused(); ++p)
            inSlot(i, pieces.at(p), Piece(pieces.at(p)));
    }

    void inSlot(qsizetype i, const QString& text, const Piece& piece) {
        switch (slot_) {
            case Slot::Event:
                return eventLine(i, text, piece);
            case Slot::Outcome:
                return outcomeLine(i, text, piece);
            case Slot::Price:
                return priceLine(i, text, piece);
        }
    }

    // Between tips: the next tip's race or event, or what stands around the tips.
    void eventLine(qsizetype i, const QString& text, const Piece& piece) {
        const Token token = piece.token();
        if (token == Token::Race) {
            if (unknownBetweenTips(i, EventRead())) return;
            return takeRace(i, text, piece.race());
        }
        if (lateTerms(i, piece)) return;
        switch (token) {
            case Token::Event:
                if (unknownBetweenTips(i, piece.event())) return;
                return takeEvent(i, text, piece.event());
            case Token::CutEvent:
                return refuse(TeamsCut, text, i);
            case Token::Separator:
                if (!skipped_.isEmpty() && skipped_.last() == i - 1 && i + 1 < lines_.size())
                    return nameSeparatorName(i);
                break;
            default:
                break;
        }
        aroundTips(i, text, piece);
    }

    // What stands between tips and starts none: a price of the tip before, or the slip's own lines.
    void aroundTips(qsizetype i, const QString& text, const Piece& piece) {
        // A line of several bare hyphens ("Szelvényszám: 7403-6309-445") is an event only
        // if a tip's outcome and price follow it; then it is refused for its unclear teams.
        if (piece.unclear()) unclearAt_ = i;
        if (piece.price().kind == PriceKind::One || piece.price().kind == PriceKind::Two)
            return strayPrice(i, text, piece);
        plain_ = false;
        // "Home" or "Away" alone may be the outcome written above its event, though a
        // header's word too: it is kept for the event below.
        if (piece.summaryLabel()) summaryAt_ = i;
        switch (piece.token()) {
            case Token::PricedHeading:  // teams under a heading's words, and a price: a leg
                return refuse(OutcomeMissing, text, i);
            case Token::MarketLine:
            case Token::Market:
            case Token::Noise:
                return noteMarket(piece);
            case Token::Removal:
                return refuseRemoved(i, text);
            case Token::FurtherPick:
            case Token::LegNumber:
            case Token::UnclearEvent:
            case Token::Name:
                return skipped_.append(i);
            default:  // a token told before these may be one of them as well
                if (piece.pricedHeading()) return refuse(OutcomeMissing, text, i);
                if (piece.noise() && !piece.code()) return noteMarket(piece);
                if (piece.removal()) return refuseRemoved(i, text);
                return skipped_.append(i);
        }
    }

    // A price where an event should stand: a second price of the last tip, or the price of a tip
    // whose event was not read.
    void strayPrice(qsizetype i, const QString& text, const Piece& piece) {
        // The value of a summary whose label stands on the line before ("Eredő szorzó", "15,83").
        if (summaryAt_ == i - 1) return;
        // The price just taken, written once more ("Odds 2.10" for a screen reader, then the
        // "2.10" the eye sees), is the same price.
        const bool labelBetween = lastPriceAt_ == i - 2 && pieceAt(i - 1).price().labelOnly;
        if ((lastPriceAt_ >= i - 1 || labelBetween) && piece.price().odds == reading_.tips.last().odds)
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

    // After an event: its outcome, or what stands between them.
    void outcomeLine(qsizetype i, const QString& text, const Piece& piece) {
        if (!tip_.race.isEmpty()) return runnerLine(i, text, piece);
        // A name of a bare hyphen ("Szeged-Csanád Grosics Akadémia") above the event
        // written with a spaced separator was that event's outcome, not an event.
        if (eventBare_ && piece.event().kind == EventKind::Teams && !piece.event().bare) {
            skipped_.append(eventAt_);
            if (unknownBetweenTips(i, piece.event())) return;
            return takeEvent(i, text, piece.event());
        }
        // A label of the pick alone on its line ("Selected:", "Ausgewählt:"): the pick follows.
        if (piece.pickLabel()) return;
        const OutcomeRead outcome = readOutcome(
            offer_.isEmpty() ? QStringView(text) : withoutStatedPrice(text), tip_.home, tip_.away);
        // A fraction or American odds ("5/2", "+250") is due here only after an outcome
        // written above the event; there "1/2" is that price, not the double chance 1 or 2.
        if (outcome.certain && !(outcomeAbove() >= 0 && piece.otherForm()))
            return offer_.isEmpty() ? takeOutcome(i, text, outcome) : eventOfferedPick(i, text, outcome);
        if (piece.noise()) return noteMarket(piece);
        // An offer's prices under the event, its pick stated on the line after them.
        if (offer_.isEmpty() && piece.token() == Token::OfferedPrices) {
            offer_ = piece.offered();
            offerAt_ = i;
            return;
        }
        notOutcome(i, text, piece, outcome);
    }

    // After an event, a piece no outcome was told of: the next event under its heading, the price
    // with the outcome above the event or below the price, or a pick of other words.
    void notOutcome(qsizetype i, const QString& text, const Piece& piece, const OutcomeRead& outcome) {
        const EventKind event = piece.event().kind;
        if (event == EventKind::Teams && pieceAt(eventAt_).namesHeading())
            return takeEvent(i, text, piece.event());
        const PriceKind price = piece.price().kind;
        if ((price == PriceKind::One || piece.otherForm()) && pickEventPrice(i, text, piece)) return;
        if (event != EventKind::None || price != PriceKind::None || piece.otherForm())
            return refuse(OutcomeMissing, lines_.at(eventAt_), i);
        if (piece.removal()) return refuseRemoved(i, text);
        return takeOutcome(i, text, outcome);
    }

    // The last line skipped before the event in hand that names its outcome, or -1.
    qsizetype outcomeAbove() {
        for (qsizetype k = skipped_.size() - 1; k >= 0; --k) {
            const qsizetype at = skipped_.at(k);
            if (readOutcome(lines_.at(at), tip_.home, tip_.away).certain &&
                pieceAt(at).event().kind == EventKind::None)
                return at;
        }
        return -1;
    }

    // Pick Event Price: the outcome written above its event ("Tipp: 1", then the teams, then the
    // price); or Event Price Pick: the outcome below its price.
    bool pickEventPrice(qsizetype i, const QString& text, const Piece& piece) {
        if (const qsizetype above = outcomeAbove(); above >= 0) {
            takeOutcome(above, lines_.at(above), readOutcome(lines_.at(above), tip_.home, tip_.away));
            priceLine(i, text, piece);
            return true;
        }
        if (piece.price().kind != PriceKind::One) return false;
        for (qsizetype j = i + 1; j < lines_.size(); ++j) {
            const QString& below = lines_.at(j);
            if (below.contains(u'\t')) break;
            const Piece& under = pieceAt(j);
            const OutcomeRead read = readOutcome(below, tip_.home, tip_.away);
            if (read.certain && under.event().kind == EventKind::None &&
                under.price().kind == PriceKind::None) {
                takeOutcome(j, below, read);
                takePrice(i, text, piece.price().odds);
                next_ = j + 1;
                return true;
            }
            if (!under.noise()) break;
        }
        return false;
    }

    // Event OfferedPrices Pick: the stated pick of an offer ("Az Ön tippje: 2", "Kiválasztva: Arsenal
    // (1,85)") takes the price the offer shows for its code; a price stated with the pick must be
    // that one.
    void eventOfferedPick(qsizetype i, const QString& text, const OutcomeRead& outcome) {
        const QString code = codeOf(outcome);
        const auto offered = std::find_if(offer_.cbegin(), offer_.cend(),
                                          [&](const OfferedPrice& price) { return price.code == code; });
        if (code.isEmpty() || offered == offer_.cend()) return refuse(OutcomeUnclear, text, i);
        const qsizetype open = text.lastIndexOf(u'(');
        if (open >= 0 && text.endsWith(u')')) {
            const Piece stated(QStringView(text).sliced(open + 1, text.size() - open - 2));
            if (stated.price().kind == PriceKind::One && stated.price().odds != offered->odds)
                return refuse(PickUnclear, text, i);
        }
        const OfferedPrice price = *offered;
        const qsizetype offerAt = offerAt_;
        takeOutcome(i, withoutStatedPrice(text).toString(), outcome);
        takePrice(offerAt, price.written, price.odds);
        blockStart_ = i + 1;
    }

    // Name Separator Name: teams one under the other with their separator between ("Arsenal", "-",
    // "Chelsea").
    void nameSeparatorName(qsizetype i) {
        const EventRead event = teams(trimmed(lines_.at(i - 1)), trimmed(lines_.at(i + 1)));
        if (event.kind == EventKind::Cut) return refuse(TeamsCut, lines_.at(i + 1), i + 1);
        if (event.kind != EventKind::Teams) return;
        skipped_.removeLast();
        if (unknownBetweenTips(i - 1, event)) return;
        takeEvent(i - 1, written(event), event);
        next_ = i + 2;
    }

    // OldPrice Price [Price]: "Was 1.40" then "1.64", "statt" then "1,40" and "1,64", "Korábbi
    // szorzó: 1,58 1,96": after the word of a changed price, the last of the prices that follow it
    // is the tip's, the one before it the old one (which the page strikes out, and its HTML leaves
    // out).
    bool oldPricePrice(qsizetype i, const Piece& piece) {
        const QList<QStringView> inLine = piece.oldPrices().split(u' ', Qt::SkipEmptyParts);
        QList<std::pair<qsizetype, QString>> prices;  // the line and the odds of each price
        for (const QStringView written : inLine)
            prices.append({i, Piece(written).duePrice().odds});
        for (qsizetype at = i + 1; at < lines_.size() && prices.size() < 3; ++at) {
            const PriceRead& price = pieceAt(at).duePrice();
            if (price.labelOnly) continue;  // "Odds" over the new price
            if (price.kind != PriceKind::One) break;
            prices.append({at, price.odds});
        }
        if (prices.isEmpty() || prices.size() > 2) return false;
        const auto& [at, odds] = prices.last();
        takePrice(at, at == i ? inLine.last().toString() : lines_.at(at), odds);
        next_ = at + 1;
        return true;
    }

    // After an outcome: its price, or what stands between them.
    void priceLine(qsizetype i, const QString& text, const Piece& piece) {
        if (!tip_.race.isEmpty() && racePrice(i, text)) return;
        if (piece.oldPrice() && oldPricePrice(i, piece)) return;
        switch (piece.duePrice().kind) {
            case PriceKind::One: {
                // A label on the line before ("Szorzó:") stays with its price.
                const bool labelled = i > 0 && afterOutcome_ == i - 1 && pieceAt(i - 1).price().labelOnly;
                return takePrice(i, labelled ? lines_.at(i - 1) + u' ' + text : text, piece.duePrice().odds);
            }
            case PriceKind::Two:
                return refuse(TwoPricesInLine, text, i);
            case PriceKind::Low:
                return refuse(PriceLow, text, i);
            case PriceKind::None:
                break;
        }
        // A label of a bet builder's next pick alone on its line: the pick follows.
        if (afterOutcome_ < 0 && piece.pickLabel() && i + 1 < lines_.size() && pieceAt(i + 1).furtherPick())
            return;
        if (afterOutcome_ < 0) afterOutcome_ = i;
        // A price after a summary's label is the summary's, not the tip's.
        if (piece.summaryLabel()) return refuse(PriceMissing, lines_.at(afterOutcome_), i);
        if (piece.noise()) return;
        if (afterOutcome_ == i && piece.furtherPick()) return addPick(i, text);
        if (!outcomeCertain_ && readOutcome(text, tip_.home, tip_.away).certain)
            return refuse(OutcomeUnclear, text, i);
        // Plain three-line blocks keep the offer list's own rule: the odds line ends in the odds.
        const QString odds = oddsText(text);
        if (plainBlock(i) && odds.contains(u'.') && piece.event().kind == EventKind::None)
            return odds.toDouble() < 1.0 ? refuse(PriceLow, text, i) : takePrice(i, text, odds);
        return refuse(PriceMissing, lines_.at(afterOutcome_), i);
    }

    // A table row's cells, each told once, those that hold a price and the others.
    struct RowCells {
        QList<QStringView> cells;
        std::vector<Piece> pieces;
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
    bool holdTerms(const Piece& piece) {
        if (!piece.terms()) return false;
        termsLine_ = trimmed(piece.text()).toString();
        return true;
    }

    // The terms printed under the last runner's price, before anything else.
    bool lateTerms(qsizetype i, const Piece& piece) {
        if (reading_.tips.isEmpty() || lastPriceAt_ != i - 1 || !piece.terms()) return false;
        SlipTip& last = reading_.tips.last();
        if (last.race.isEmpty() || last.eachWay.eachWay()) return false;
        const QStringView terms = trimmed(piece.text());
        last.eachWay = *parsePlaceTerms(terms);
        last.priceLine += u' ' + terms.toString();
        last.lastLine = i;
        blockStart_ = i + 1;
        lastPriceAt_ = i;
        return true;
    }

    // Race Runner Price [Terms]: after a race, its runner, each-way terms, or a label between
    // them. A runner run together with its price ("Desert Crown 5/2") is taken with it.
    void runnerLine(qsizetype i, const QString& text, const Piece& piece) {
        if (piece.pickLabel() || holdTerms(piece)) return;
        if (piece.noise()) return;
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
        if (terms == 0) return holdTerms(Piece(line));
        const QStringView price = terms > 0 ? trimmed(line.first(terms)) : line;
        if (terms > 0) termsLine_ = line.sliced(terms).toString();
        const Piece told(price);
        if (told.startingPrice()) {
            tip_.startingPrice = true;
            takePrice(i, price.toString(), QString());
            return true;
        }
        const PriceRead& read = told.duePrice();
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

    // ---- Table rows

    // Row Event OfferedPrices: an offer's row, its event and a cell for each outcome's price ("1
    // 3,27", "X 7,45"); the pick is stated on the line below.
    bool offeredRow(qsizetype i, const RowCells& r) {
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

    // A cell's price, labelled by the header's word over it; read as due, a fraction or American
    // odds as well (the header's word labels them).
    const PriceRead& priceOf(const RowCells& r, qsizetype c) const {
        const Piece& piece = r.pieces[size_t(c)];
        return columnOf(c, r.n) == Column::Price ? piece.priceInColumn() : piece.price();
    }
    const PriceRead& duePriceOf(const RowCells& r, qsizetype c) const {
        const Piece& piece = r.pieces[size_t(c)];
        return columnOf(c, r.n) == Column::Price ? piece.priceInColumn() : piece.duePrice();
    }

    qsizetype cellOfColumn(Column column, qsizetype cells) const {
        if (columns_.size() != cells) return -1;
        return columns_.indexOf(column);
    }

    // A row whose price stood in a box: a browser that copies the box's value puts it on a line of
    // its own under the row, and the row's cells after it on the line after. The price is the
    // row's when that line is a price alone, written in the cell that waits for it.
    bool boxedPrice(qsizetype i, const RowCells& r) {
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
        if ((columnOf(box, n) == Column::Price ? boxed.priceInColumn() : boxed.price()).kind !=
            PriceKind::One)
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

    void row(qsizetype i, const QString& text) {
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

    void rowWithoutPrice(qsizetype i, const QString& text, const RowCells& r) {
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
    bool priceRow(qsizetype i, const QString& text, const RowCells& r) {
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
    bool outcomeBesidePrice(qsizetype i, const RowCells& r) {
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
    void tipRow(qsizetype i, const QString& text, const RowCells& r) {
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
            const EventRead& read = r.pieces[size_t(c)].event();
            if (read.kind == EventKind::Cut) return refuse(TeamsCut, cells.at(c), i), false;
            if (read.kind == EventKind::Unclear && (eventColumn < 0 || eventColumn == c)) unclear = c;
            if (!r.pieces[size_t(c)].teams()) continue;
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
    std::deque<Piece> pieces_;      // the lines told so far, from the first a look back reaches
    qsizetype cacheFrom_ = 0;       // the line of the first of them
    std::optional<Piece> stray_;    // a line told again after it was forgotten
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
