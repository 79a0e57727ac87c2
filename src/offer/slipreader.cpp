// The slip reader. It walks the lines once: between tips it looks for an event, after an event
// for its outcome, after the outcome for its price, and skips on the way only lines that the
// words of slipwords.h call headings, dates, buttons or summaries. Each line is told once
// (sliptokens.h) and each slot switches on what it was told; a table row is a tip of its own
// (sliprows.cpp).
#include "offer/slipreader.h"

#include <QCoreApplication>

#include <algorithm>

#include "offer/conversion.h"
#include "offer/slipreading.h"
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

}  // namespace

namespace slip {

using namespace slipwords;
using enum RefusalCode;

QString written(const EventRead& event) {
    QString line = event.home.toString();
    line += QStringLiteral(" - ");
    line += event.away;
    return line;
}

Reader::Reader(const QStringList& lines, qsizetype enough) : lines_(lines), enough_(enough) {
    reading_.tips.reserve(std::min(lines.size() / 3, enough));
}

SlipReading Reader::read() {
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

// The piece of line `i`, told when it is first asked for.
const Piece& Reader::pieceAt(qsizetype i) {
    if (i < cacheFrom_) return stray_.emplace(lines_.at(i));
    while (cacheFrom_ + qsizetype(pieces_.size()) <= i)
        pieces_.emplace_back(lines_.at(cacheFrom_ + qsizetype(pieces_.size())));
    return pieces_[size_t(i - cacheFrom_)];
}

// The pieces no look back from line `i` reaches any more: before the two lines above it, the
// lines skipped since the last tip and the event in hand. A window keeps the pieces few on a text
// of nothing but unknown lines; a piece before it is told again when it is asked for.
void Reader::forgetBefore(qsizetype i) {
    constexpr qsizetype kWindow = 64;
    qsizetype keep = i - 2;
    if (!skipped_.isEmpty()) keep = std::min(keep, skipped_.first());
    if (slot_ != Slot::Event) keep = std::min(keep, eventAt_);
    keep = std::max(keep, i - kWindow);
    for (; cacheFrom_ < keep && !pieces_.empty(); ++cacheFrom_)
        pieces_.pop_front();
    cacheFrom_ = std::max(cacheFrom_, keep);  // lines jumped over were never told
}

// The tip in hand stands on its own three lines, as every tip before it, in a text of whole
// blocks.
bool Reader::plainBlock(qsizetype priceAt) const {
    const qsizetype eventAt = 3 * reading_.tips.size();
    return plain_ && lines_.size() % 3 == 0 && eventAt_ == eventAt && outcomeAt_ == eventAt + 1 &&
           priceAt == eventAt + 2;
}

int Reader::tipNumber() const {
    return static_cast<int>(reading_.tips.size()) + 1;
}

void Reader::refuse(RefusalCode code, QStringView quoted, qsizetype lastLine) {
    refuseBlock(code, tipNumber(), quoted, slot_ == Slot::Event ? blockStart_ : eventAt_, lastLine);
}

void Reader::refuseBlock(RefusalCode code, qsizetype tip, QStringView quoted, qsizetype first,
                         qsizetype last) {
    if (reading_.refused()) return;  // the first reason found is the block's
    reading_.refusal = {code, tip, first, last, quoted.toString()};
}

// A line between two tips that is neither noise nor the next tip's outcome written above its
// event: the reader does not drop what it cannot name.
bool Reader::unknownBetweenTips(qsizetype i, const EventRead& event) {
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

void Reader::takeEvent(qsizetype i, const QString& text, const EventRead& event) {
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
void Reader::noteMarket(const Piece& piece) {
    const QStringView market = piece.market();
    if (!market.isEmpty()) otherMarket_ = market.toString();
}

void Reader::takeOutcome(qsizetype i, const QString& text, const OutcomeRead& outcome) {
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
void Reader::addPick(qsizetype i, const QString& text) {
    tip_.outcomeLine += kPicksJoined.toString() + trimBlanks(QString(text).replace(u'\t', u' '));
    tip_.homeMarker = tip_.awayMarker = OutcomeMarker::None;
    outcomeAt_ = i;
    afterOutcome_ = -1;
}

void Reader::takePrice(qsizetype i, const QString& text, const QString& odds) {
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
const QString& Reader::keep(QString text) {
    return rewritten_.emplace_back(std::move(text));
}

// A notice of a tip taken off the slip: which tip it was, the copy does not tell.
void Reader::refuseRemoved(qsizetype i, const QString& text) {
    refuseBlock(Removed, std::max<qsizetype>(1, reading_.tips.size()), text,
                reading_.tips.isEmpty() ? blockStart_ : reading_.tips.last().firstLine, i);
}

// A line, or each piece of a leg written on one line. A line of the slip is told once and kept
// for the looks back and ahead; a line the reader made is told where it stands.
void Reader::line(qsizetype i, const QString& text) {
    if (&text == &lines_.at(i)) return line(i, text, pieceAt(i));
    const Piece own(text);
    line(i, text, own);
}

void Reader::line(qsizetype i, const QString& text, const Piece& piece) {
    if (slot_ == Slot::Event && piece.race().isEmpty()) {
        const QStringList pieces = legPieces(text, reading_.tips.size() + 1);
        if (!pieces.isEmpty()) return legOnOneLine(i, pieces);
    }
    inSlot(i, text, piece);
}

// Leg: a leg written on one line, its pieces (event, pick, price, with their labels) read as
// lines of their own.
void Reader::legOnOneLine(qsizetype i, const QStringList& pieces) {
    for (qsizetype p = 0; p < pieces.size() && !reading_.refused(); ++p)
        inSlot(i, pieces.at(p), Piece(pieces.at(p)));
}

void Reader::inSlot(qsizetype i, const QString& text, const Piece& piece) {
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
void Reader::eventLine(qsizetype i, const QString& text, const Piece& piece) {
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
void Reader::aroundTips(qsizetype i, const QString& text, const Piece& piece) {
    // A line of several bare hyphens ("Szelvényszám: 7403-6309-445") is an event only
    // if a tip's outcome and price follow it; then it is refused for its unclear teams.
    if (piece.unclear()) unclearAt_ = i;
    if (piece.price().kind == PriceKind::One || piece.price().kind == PriceKind::Two)
        return strayPrice(i, text, piece);
    plain_ = false;
    if (piece.summaryLabel()) summaryAt_ = i;  // its value, a price, stands on the next line
    switch (piece.token()) {
        case Token::PricedHeading:  // teams under a heading's words, and a price: a leg
            return refuse(OutcomeMissing, text, i);
        case Token::MarketLine:
        case Token::Market:
        case Token::Money:
        case Token::DateTime:
        case Token::Heading:
        case Token::Noise:
            return noteMarket(piece);
        // "Home" or "Away" alone may be the outcome written above its event, though a
        // header's word too: it is kept for the event below.
        case Token::Code:
            return piece.removal() ? refuseRemoved(i, text) : skipped_.append(i);
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
void Reader::strayPrice(qsizetype i, const QString& text, const Piece& piece) {
    // The value of a summary whose label stands on the line before ("Eredő szorzó", "15,83").
    if (summaryAt_ == i - 1) return;
    // The price just taken, written once more ("Odds 2.10" for a screen reader, then the
    // "2.10" the eye sees), is the same price; before the first tip no price was taken.
    const bool labelBetween = lastPriceAt_ == i - 2 && pieceAt(i - 1).price().labelOnly;
    if (lastPriceAt_ >= 0 && (lastPriceAt_ >= i - 1 || labelBetween) &&
        piece.price().odds == reading_.tips.last().odds)
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
void Reader::outcomeLine(qsizetype i, const QString& text, const Piece& piece) {
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
    const OutcomeRead outcome =
        readOutcome(offer_.isEmpty() ? QStringView(text) : withoutStatedPrice(text), tip_.home, tip_.away);
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
void Reader::notOutcome(qsizetype i, const QString& text, const Piece& piece, const OutcomeRead& outcome) {
    const EventKind event = piece.event().kind;
    if (event == EventKind::Teams && pieceAt(eventAt_).namesHeading())
        return takeEvent(i, text, piece.event());
    const PriceKind price = piece.price().kind;
    if (price == PriceKind::One || piece.otherForm()) {
        if (pickEventPrice(i, text, piece)) return;
        if (price == PriceKind::One && eventPricePick(i, text, piece)) return;
    }
    if (event != EventKind::None || price != PriceKind::None || piece.otherForm())
        return refuse(OutcomeMissing, lines_.at(eventAt_), i);
    if (piece.removal()) return refuseRemoved(i, text);
    return takeOutcome(i, text, outcome);
}

// The last line skipped before the event in hand that names its outcome, or -1.
qsizetype Reader::outcomeAbove() {
    for (qsizetype k = skipped_.size() - 1; k >= 0; --k) {
        const qsizetype at = skipped_.at(k);
        if (readOutcome(lines_.at(at), tip_.home, tip_.away).certain &&
            pieceAt(at).event().kind == EventKind::None)
            return at;
    }
    return -1;
}

// Pick Event Price: the outcome written above its event ("Tipp: 1", then the teams, then the
// price).
bool Reader::pickEventPrice(qsizetype i, const QString& text, const Piece& piece) {
    const qsizetype above = outcomeAbove();
    if (above < 0) return false;
    takeOutcome(above, lines_.at(above), readOutcome(lines_.at(above), tip_.home, tip_.away));
    priceLine(i, text, piece);
    return true;
}

// Event Price Pick: the outcome below its price, noise allowed between.
bool Reader::eventPricePick(qsizetype i, const QString& text, const Piece& piece) {
    for (qsizetype j = i + 1; j < lines_.size(); ++j) {
        const QString& below = lines_.at(j);
        if (below.contains(u'\t')) break;
        const Piece& under = pieceAt(j);
        const OutcomeRead read = readOutcome(below, tip_.home, tip_.away);
        if (read.certain && under.event().kind == EventKind::None && under.price().kind == PriceKind::None) {
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
void Reader::eventOfferedPick(qsizetype i, const QString& text, const OutcomeRead& outcome) {
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
void Reader::nameSeparatorName(qsizetype i) {
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
bool Reader::oldPricePrice(qsizetype i, const Piece& piece) {
    const QList<QStringView> inLine = piece.oldPrices().split(u' ', Qt::SkipEmptyParts);
    QList<std::pair<qsizetype, QString>> prices;  // the line and the odds of each price
    for (const QStringView written : inLine)
        prices.append({i, Piece(written).duePrice().odds});
    for (qsizetype at = i + 1; at < lines_.size() && prices.size() < 3; ++at) {
        const PriceRead& price = pieceAt(at).duePrice();
        if (price.labelOnly) continue;  // "Odds" over the new price
        if (price.kind != PriceKind::One) break;
        // The new price written once more, for a screen reader and for the eye ("Szorzó 3,0", "3,0").
        if (!prices.isEmpty() && prices.last().first > i && prices.last().second == price.odds) break;
        prices.append({at, price.odds});
    }
    if (prices.isEmpty() || prices.size() > 2) return false;
    const auto& [at, odds] = prices.last();
    takePrice(at, at == i ? inLine.last().toString() : lines_.at(at), odds);
    next_ = at + 1;
    return true;
}

// After an outcome: its price, or what stands between them.
void Reader::priceLine(qsizetype i, const QString& text, const Piece& piece) {
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

void Reader::takeRace(qsizetype i, const QString& text, const QString& race) {
    tip_ = SlipTip();
    tip_.race = race;
    tip_.eventLine = QString(text).replace(u'\t', u' ');
    tip_.firstLine = i;
    eventAt_ = i;
    eventBare_ = false;
    termsLine_.clear();
    slot_ = Slot::Outcome;
}

void Reader::takeRunner(qsizetype i, const QString& text, QStringView runner) {
    tip_.runner = runner.toString();
    tip_.outcomeLine = trimBlanks(QString(text).replace(u'\t', u' '));
    outcomeCertain_ = true;
    outcomeAt_ = i;
    afterOutcome_ = -1;
    slot_ = Slot::Price;
}

// Each-way terms on a line of their own, held for the runner's price.
bool Reader::holdTerms(const Piece& piece) {
    if (!piece.terms()) return false;
    termsLine_ = trimmed(piece.text()).toString();
    return true;
}

// The terms printed under the last runner's price, before anything else.
bool Reader::lateTerms(qsizetype i, const Piece& piece) {
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
void Reader::runnerLine(qsizetype i, const QString& text, const Piece& piece) {
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
bool Reader::racePrice(qsizetype i, const QString& text) {
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

}  // namespace slip

QString refusalText(const SlipRefusal& refusal) {
    for (const RefusalWords& words : kRefusalWords) {
        if (words.code == refusal.code)
            return QCoreApplication::translate("offer", words.text)
                .arg(QString::number(refusal.tip), shown(refusal.quoted));
    }
    return {};
}

SlipReading readSlip(const QStringList& lines, qsizetype enough) {
    return slip::Reader(lines, enough).read();
}

}  // namespace kombinator
