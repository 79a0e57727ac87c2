// The token of a piece: the part readers asked in the order the reading between tips asks them.
#include "offer/sliptokens.h"

#include <algorithm>

#include "offer/slipwords.h"

namespace kombinator::slip {

using namespace slipwords;

QString tokenName(Token token) {
    static constexpr const char* kNames[] = {
        "Race",        "Event",        "CutEvent",      "Separator", "OldPrice",   "OfferedPrices",
        "Price",       "TwoPrices",    "EachWayTerms",  "DuePrice",  "LowPrice",   "StartingPrice",
        "PriceLabel",  "SummaryLabel", "PricedHeading", "PickLabel", "MarketLine", "Market",
        "Code",        "Money",        "DateTime",      "Heading",   "Noise",      "Removal",
        "FurtherPick", "LegNumber",    "UnclearEvent",  "Name",
    };
    return QString::fromLatin1(kNames[static_cast<int>(token)]);
}

Token Piece::token() const {
    if (token_) return *token_;
    const auto told = [&] {
        if (!race().isEmpty()) return Token::Race;
        if (teams()) return Token::Event;
        if (event().kind == EventKind::Cut) return Token::CutEvent;
        if (separator()) return Token::Separator;
        if (oldPrice()) return Token::OldPrice;
        if (offered().size() >= 2) return Token::OfferedPrices;
        if (price().kind == PriceKind::One) return Token::Price;
        if (price().kind == PriceKind::Two) return Token::TwoPrices;
        if (terms()) return Token::EachWayTerms;
        if (otherForm()) return Token::DuePrice;
        if (price().kind == PriceKind::Low || duePrice().kind == PriceKind::Low) return Token::LowPrice;
        if (startingPrice()) return Token::StartingPrice;
        if (price().labelOnly) return Token::PriceLabel;
        if (summaryLabel()) return Token::SummaryLabel;
        if (pricedHeading()) return Token::PricedHeading;
        if (pickLabel()) return Token::PickLabel;
        if (noise()) {
            if (!market().isEmpty()) return Token::MarketLine;
            if (isMarket(text_)) return Token::Market;
            if (code()) return Token::Code;
            switch (*noise_) {
                case NoiseKind::Money:
                    return Token::Money;
                case NoiseKind::DateTime:
                    return Token::DateTime;
                case NoiseKind::Heading:
                    return Token::Heading;
                default:
                    return Token::Noise;
            }
        }
        if (removal()) return Token::Removal;
        if (furtherPick()) return Token::FurtherPick;
        if (legNumber()) return Token::LegNumber;
        if (unclear()) return Token::UnclearEvent;
        return Token::Name;
    };
    token_ = told();
    return *token_;
}

const QString& Piece::race() const {
    if (!race_) race_ = readRace(text_);
    return *race_;
}

const EventRead& Piece::event() const {
    if (!event_) event_ = readEvent(text_);
    return *event_;
}

bool Piece::teams() const {
    return fact(Teams, [&] { return event().kind == EventKind::Teams && !startsHeading(text_); });
}

const PriceRead& Piece::price() const {
    if (!price_) price_ = readPrice(text_);
    return *price_;
}

const PriceRead& Piece::duePrice() const {
    if (!due_) due_ = readPrice(text_, false, true);
    return *due_;
}

const QList<OfferedPrice>& Piece::offered() const {
    if (!offered_) offered_ = offeredPrices(text_, 1);
    return *offered_;
}

const PriceRead& Piece::priceInColumn() const {
    if (!inColumn_) inColumn_ = readPrice(text_, true);
    return *inColumn_;
}

bool Piece::terms() const {
    return fact(Terms, [&] { return termsStart(text_) == 0; });
}

// What follows the word of a changed price at the piece's start; a null view without one.
QStringView Piece::oldPrices() const {
    QStringView rest = trimmed(text_);
    const QList<QStringView>& words = wordsOf(OldPrice);
    const auto word =
        std::find_if(words.cbegin(), words.cend(), [&](QStringView w) { return startsWithWord(rest, w); });
    if (word == words.cend()) return {};
    rest = trimmed(rest.sliced(word->size()));
    if (rest.startsWith(u':')) rest = trimmed(rest.sliced(1));
    return rest.isNull() ? text_.last(0) : rest;
}

// The word of a changed price, then nothing but prices on the piece.
bool Piece::oldPrice() const {
    return fact(Old, [&] {
        const QStringView rest = oldPrices();
        if (rest.isNull()) return false;
        for (const QStringView piece : rest.split(u' ', Qt::SkipEmptyParts)) {
            if (readPrice(piece, false, true).kind != PriceKind::One) return false;
        }
        return true;
    });
}

bool Piece::separator() const {
    return fact(Separator, [&] { return isSeparatorAlone(text_); });
}

bool Piece::unclear() const {
    return fact(Unclear, [&] { return event().kind == EventKind::Unclear && !isHeading(text_); });
}

bool Piece::summaryLabel() const {
    return fact(SummaryLabel, [&] { return isSummaryLabel(text_); });
}

bool Piece::pricedHeading() const {
    return fact(PricedHeading, [&] { return event().kind == EventKind::Teams && endsWithPrice(text_); });
}

bool Piece::pickLabel() const {
    return fact(PickLabel, [&] { return isResultLabelAlone(text_); });
}

bool Piece::noise() const {
    if (!noise_) noise_ = noiseOf(text_);
    return *noise_ != NoiseKind::None;
}

bool Piece::code() const {
    return fact(Code, [&] { return codeOutcome(trimmed(text_), {}, {}).certain; });
}

bool Piece::removal() const {
    return fact(Removal, [&] { return isRemovalNotice(text_); });
}

bool Piece::furtherPick() const {
    return fact(FurtherPick, [&] { return isFurtherPick(text_); });
}

bool Piece::namesHeading() const {
    return fact(NamesHeading, [&] { return slip::namesHeading(text_); });
}

bool Piece::legNumber() const {
    const QStringView digits = trimmed(text_);
    return !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), isAsciiDigit);
}

bool Piece::startingPrice() const {
    return fact(StartingPrice, [&] { return isStartingPrice(text_); });
}

QStringView Piece::market() const {
    if (!market_) market_ = otherMarketOf(text_);
    return *market_;
}

}  // namespace kombinator::slip
