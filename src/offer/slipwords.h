// The words a bookmaker's page puts around its tips: one table per language, each word with what
// it is on a slip (its roles, slipwordroles.h). The slip reader skips a line only when these words
// say what it is; a line they do not cover is never dropped from inside a tip. Words are compared
// without letter case, and a word may stand in several languages. A language is one more file of
// words and one more row of kLanguages.
#pragma once

#include <QList>
#include <QStringView>

#include <span>

#include "offer/slipwordroles.h"
#include "offer/slipwords_de.h"
#include "offer/slipwords_en.h"
#include "offer/slipwords_every.h"
#include "offer/slipwords_hu.h"

namespace kombinator::slipwords {

struct Language {
    const char* code;  // ISO 639-1; empty for the words of every language
    std::span<const Word> words;
};
inline constexpr Language kLanguages[] = {
    {"hu", kHungarian}, {"en", kEnglish}, {"de", kGerman}, {"", kEveryLanguage}};

// The words of `role` in every language, in the tables' order.
const QList<QStringView>& wordsOf(Role role);

// Marks that a page draws beside a price: trend arrows, the "at" of "@ 1.85", brackets.
inline constexpr QStringView kPriceMarks = u"▲▼△▽↑↓⬆⬇↗↘⇧⇩➚➘@()[]";

// The marks of money beside an amount ("£5.00", "€ 12,50"): a stake or a return, never a price.
inline constexpr QStringView kCurrencyMarks = u"£$€¥";

// The codes of an offer's outcomes, each shown with its price: "1 6,19 X 3,40 2 1,87".
inline constexpr QStringView kOfferCodes[] = {u"1", u"X", u"2", u"1X", u"X2", u"12"};

// A table's columns, as its header's words name them.
enum class Column { Other, Event, Home, Away, Outcome, Price };
struct HeaderWord {
    QStringView word;
    Column column;
};
// Every header word with its column.
const QList<HeaderWord>& headerWords();

}  // namespace kombinator::slipwords
