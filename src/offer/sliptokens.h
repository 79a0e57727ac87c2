// A piece of a copied slip (a line, a table's cell, a piece of a leg written on one line) told
// once, without the tip around it: its token, and what was read on the way. The reader asks the
// piece, never the part readers again; each reading is made when it is first asked for.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "offer/slipparts.h"

namespace kombinator::slip {

// What a piece is. Where a piece could be told as two of them, the first in this order is its
// token; the reading between tips asks them in this order too.
enum class Token {
    Race,           // a race's off time and course: "14:30 Cheltenham"
    Event,          // two teams, not a heading's words: "Arsenal - Chelsea"
    CutEvent,       // two teams, one of them cut short
    Separator,      // "-", "v" alone: the teams stand above and below it
    OldPrice,       // the word of a changed price first: "Korábbi szorzó: 1,58 1,96"
    OfferedPrices,  // an offer's codes each with its price: "1 3,27 X 7,45"
    Price,          // one price, with its label or without: "Szorzó: 1,85", "@1.85"
    TwoPrices,      // two prices on one piece
    EachWayTerms,   // a runner's each-way terms: "E/W 1/4 1-2-3"
    DuePrice,       // a price only where one is due: "5/2", "+250"
    LowPrice,       // a price below evens: "0,95"
    StartingPrice,  // "SP": a runner's price not yet set
    PriceLabel,     // a price's label alone: "Szorzó:"
    SummaryLabel,   // a summary's label, its value on the next line: "Eredő szorzó"
    PricedHeading,  // teams after a heading's words and a price at the end
    PickLabel,      // a pick's label alone, the pick on the next line: "Selected:"
    MarketLine,     // a market named with its label: "Piac: Szettek száma"
    Market,         // a market's name alone: "Kétesély"
    Code,           // a side's code that is a header's word as well: "Home", "2"
    Money,          // an amount: a stake or a return, "1 500 Ft"
    DateTime,       // a date or a time alone: "12.12. 20:45"
    Heading,        // a sport, a league, a country: "Labdarúgás · Anglia"
    Noise,          // a button, a summary, a slip's data, a table's header
    Removal,        // a notice of a tip taken off the slip
    FurtherPick,    // a bet builder's further pick: "Over 2.5 Goals"
    LegNumber,      // a number alone: the leg's on a receipt
    UnclearEvent,   // several bare hyphens: where the teams part is not told
    Name,           // anything else: a pick or a runner, as the event in hand tells
};

QString tokenName(Token token);  // "Event", "OfferedPrices": the token as a test names it

class Piece {
public:
    explicit Piece(QStringView text) : text_(text) {}

    QStringView text() const { return text_; }
    Token token() const;

    const QString& race() const;
    const EventRead& event() const;
    bool teams() const;  // two teams, and no heading's words before them
    const PriceRead& price() const;
    const PriceRead& duePrice() const;  // read where a price is due: fractions and American odds too
    bool otherForm() const { return price().kind == PriceKind::None && duePrice().kind == PriceKind::One; }
    const QList<OfferedPrice>& offered() const;  // one pair or more: "1 3,27", "1 3,27 X 7,45"
    const PriceRead& priceInColumn() const;      // read under a table's price header
    bool terms() const;                          // each-way terms alone
    bool oldPrice() const;
    QStringView oldPrices() const;  // the prices after the word of a changed price
    bool separator() const;
    bool unclear() const;  // several bare hyphens, and no heading
    bool summaryLabel() const;
    bool pricedHeading() const;
    bool pickLabel() const;
    bool noise() const;
    bool code() const;  // a side's code whatever the teams
    bool removal() const;
    bool furtherPick() const;
    bool namesHeading() const;
    bool legNumber() const;
    bool startingPrice() const;
    QStringView market() const;  // the market a market's line names

private:
    enum Fact : unsigned {
        Teams = 1u << 0,
        Terms = 1u << 1,
        Old = 1u << 2,
        Separator = 1u << 3,
        Unclear = 1u << 4,
        SummaryLabel = 1u << 5,
        PricedHeading = 1u << 6,
        PickLabel = 1u << 7,
        Code = 1u << 9,
        Removal = 1u << 10,
        FurtherPick = 1u << 11,
        NamesHeading = 1u << 12,
        StartingPrice = 1u << 13,
    };
    template <typename Read>
    bool fact(Fact which, Read&& read) const {
        if ((known_ & which) == 0) {
            known_ |= which;
            if (read()) holds_ |= which;
        }
        return (holds_ & which) != 0;
    }

    QStringView text_;
    mutable unsigned known_ = 0;
    mutable unsigned holds_ = 0;
    mutable std::optional<Token> token_;
    mutable std::optional<QString> race_;
    mutable std::optional<EventRead> event_;
    mutable std::optional<PriceRead> price_;
    mutable std::optional<PriceRead> due_;
    mutable std::optional<PriceRead> inColumn_;
    mutable std::optional<QList<OfferedPrice>> offered_;
    mutable std::optional<QStringView> market_;
    mutable std::optional<NoiseKind> noise_;
};

}  // namespace kombinator::slip
