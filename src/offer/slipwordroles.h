// What a word is on a slip (its roles), the roles no word may have together, and a word of the
// tables with its roles. Each language's words are a file of their own (slipwords_hu.h ...).
#pragma once

#include <QStringView>
#include <QtGlobal>

namespace kombinator::slipwords {

// What a word is on a slip. A word may have several roles ("Tipp" labels an outcome and heads a
// table's column); kClashes lists the roles no word may have together.
enum Role : quint64 {
    PriceLabel = 1u << 0,            // introduces a price: "Szorzó: 1,85", "Odds 2.10"
    Draw = 1u << 1,                  // the draw as an outcome or a code
    Home = 1u << 2,                  // the home side's code or word: "1", "H", "Home"
    Away = 1u << 3,                  // the away side's: "2", "V", "Away"
    DrawAnywhere = 1u << 4,          // the draw found anywhere in an outcome line
    DoubleChanceAnywhere = 1u << 5,  // the double chance found anywhere in an outcome line
    ResultLabel = 1u << 6,           // a market whose outcome the grid's markers show
    MetaLabel = 1u << 7,             // a slip's number, time, sport, state: "Szelvényszám: 1234"
    ScoreLabel = 1u << 8,            // a label only before a score: "Eredmény: 2:1"
    MarketLabel = 1u << 9,           // names a tip's market on a line of its own: "Piac: ..."
    TipWord = 1u << 10,              // the heading over a tip: "2. tipp"
    Removed = 1u << 11,              // a tip taken off the slip: "Törölve"
    Or = 1u << 12,                   // between the two sides of a double chance, with its blanks
    Versus = 1u << 13,               // between the two teams of an event, with its blanks
    Market = 1u << 14,               // a market's name alone: it names the bet, not the outcome
    HeaderEvent = 1u << 15,          // the words of a table's header row, by their column
    HeaderHome = 1u << 16,
    HeaderAway = 1u << 17,
    HeaderOutcome = 1u << 18,
    HeaderPrice = 1u << 19,
    HeaderOther = 1u << 20,
    Currency = 1u << 21,  // a currency's code after an amount: "500 Ft"
    Summary = 1u << 22,   // begins a line that sums the slip up: total odds, stake, return
    Button = 1u << 23,    // a button, badge, state or title, alone on its line
    Sport = 1u << 24,     // the words of headings: sports, leagues, countries, days
    League = 1u << 25,
    Country = 1u << 26,
    RelativeDay = 1u << 27,      // a day named from today: alone on a line it tells a kick-off
    Day = 1u << 28,              // days, months and the words of a kick-off
    LinePick = 1u << 29,         // before a line's number in a pick: "Több, mint 2,5", "Over 2.5"
    WinPrefix = 1u << 30,        // before a team that wins: "Sieg Hertha BSC"
    OldPrice = 1u << 31,         // before a price the page has changed: "Korábbi szorzó: 1,58 1,96"
    StartingPrice = 1ull << 32,  // a runner's price set when the race is off: "SP"
    Racecourse = 1ull << 33,     // a course's name, which with the off time names a race
};
inline constexpr int kRoles = 34;

// Outcomes, and the words of what stands around them.
inline constexpr quint64 kOutcomeRoles = Draw | Home | Away;
inline constexpr quint64 kHeaderRoles =
    HeaderEvent | HeaderHome | HeaderAway | HeaderOutcome | HeaderPrice | HeaderOther;

// Roles that no word may have together, in one language or across them: a word that is both
// could be read either way, and the reader could take a button for an outcome or a summary for a
// price. (A day's one-letter name, "H" or "V", is also a side's code: it is a day only beside a
// date, so the two never meet.)
inline constexpr quint64 kClashes[][2] = {
    {kOutcomeRoles, PriceLabel | Summary | Button | Sport | League | Country | Removed | Currency |
                        MetaLabel | Market | StartingPrice},
    {StartingPrice | Racecourse, Summary | Button | Market | ResultLabel | Removed | Currency | MetaLabel},
    {PriceLabel, Summary | Button | Market | ResultLabel | Sport | League | Country | Day | Removed},
    {Removed, ~quint64(Removed)},
    {Or | Versus, ~quint64(Or | Versus)},
};

struct Word {
    QStringView text;
    quint64 roles;
};

}  // namespace kombinator::slipwords
