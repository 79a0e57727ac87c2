// The parts of a copied slip, each told by what it holds. The slip reader puts them together
// into tips; the words they go by are slipwords.h's.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include "offer/slipreader.h"

namespace kombinator::slip {

// The digits of odds: 0 to 9 only, whatever else Unicode counts as a digit.
inline bool isAsciiDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

bool same(QStringView a, QStringView b);  // equal but for letter case

// The words of a text between blanks, without a list on the heap for the few a line holds.
QVarLengthArray<QStringView, 16> words(QStringView text);

template <typename List>
bool isOneOf(QStringView word, const List& list) {
    for (const QStringView item : list) {
        if (same(word, item)) return true;
    }
    return false;
}
bool hasLetter(QStringView text);
QStringView trimmed(QStringView text);                    // without blanks and tabs at both ends
bool startsWithWord(QStringView text, QStringView word);  // as a whole word, letter case aside

enum class PriceKind { None, One, Two, Low };

struct PriceRead {
    PriceKind kind = PriceKind::None;
    QString odds;
    bool labelOnly = false;  // "Szorzó:" with its price elsewhere
};

// A price line: an optional label ("Szorzó:", "Szorzó (régi → új):"), marks, and one number.
// `inPriceColumn`: the cell stands under a table's price header, which labels it as well.
// `due`: the line stands where the tip's price is due, after its outcome. A fraction ("5/2"),
// evens or American odds ("+250") is a price only there, after a label or under the price
// header; anywhere else "5/2" may as well be a date.
PriceRead readPrice(QStringView line, bool inPriceColumn = false, bool due = false);

// "SP" or "Starting Price", with a price's label or marks: a runner's price not set until the
// race is off.
bool isStartingPrice(QStringView line);

// ---- Races (sliprace.cpp)

// A race as a slip names it: its off time and course, either way round, with or without the race's
// name after them ("14:30 Cheltenham", "Cheltenham 14:30", "14:30 Cheltenham - Gold Cup Chase").
// The race as the grid shows it, "14:30 Cheltenham"; empty for any other line, an event of two
// teams ("15:00 Newcastle v Arsenal") among them.
QString readRace(QStringView line);
// A runner's name without its saddle-cloth number ("3. Desert Crown", "(3) Desert Crown", "Desert
// Crown (3)" are "Desert Crown"); empty for a line that is no runner's: a price, a race, noise.
QStringView runnerOf(QStringView line);
// Where the each-way terms printed after a runner's price begin ("5/2 E/W 1/4 1-2-3" at 4); 0 for
// a line of terms alone, -1 for a line without them.
qsizetype termsStart(QStringView line);

enum class EventKind { None, Teams, Unclear, Cut };

struct EventRead {
    EventKind kind = EventKind::None;
    QStringView home;  // the names as the line writes them
    QStringView away;
    // The line parts its teams the way the offer list always has (the first dash between blanks,
    // else the one hyphen), so its block keeps it as it is; any other is written with " - ".
    bool asWritten = false;
    bool bare = false;  // parted at a bare hyphen: the weakest of separators
};

// Two teams around a dash between blanks, "v", "vs", "vs.", a tab, or one bare hyphen.
EventRead readEvent(QStringView line);
EventRead teams(QStringView home, QStringView away);  // two names, checked as readEvent checks them

struct OutcomeRead {
    bool certain = false;  // the outcome names a team of the event, the draw or a code
    OutcomeMarker home = OutcomeMarker::None;
    OutcomeMarker away = OutcomeMarker::None;
};

// What an outcome line backs of the event of `home` and `away`.
OutcomeRead readOutcome(QStringView line, QStringView home, QStringView away);
// The picks of a bet builder's leg, written on one outcome line: "Arsenal + Over 2.5 Goals".
inline constexpr QStringView kPicksJoined = u" + ";
// A pick that a bet builder adds to a leg's first: a line ("Over 2.5 Goals", "Unter 9,5 Ecken")
// or another market's ("Both Teams To Score: Yes").
bool isFurtherPick(QStringView line);
// A line market's pick: "Több, mint 2,5", "Arsenal Over 1.5", "Unter 9,5 Ecken".
bool hasLinePick(QStringView outcome);
bool isResultLabelAlone(QStringView line);  // "Selected:", "Végeredmény:": the pick on the next line
// A leg written on one line, as a browser copies a row of pieces set side by side: "VfB
// Stuttgart – Paksi FC Kiválasztva: 2 Szorzó 2,46", "Millwall vs Manchester United Away 4.02".
// Its pieces (the event, the pick, the price, with their labels), or none for any other line.
// The number of the `leg`th leg before it is left out.
QStringList legPieces(QStringView line, qsizetype leg);
bool endsWithPrice(QStringView line);  // its last word is a price with decimals: "... Watford 2.81"
// A market's name run together with the pick, as a browser writes two elements with nothing
// between them ("VégeredményV", "KétesélyX2"): the text no longer tells the pick.
bool gluedToMarket(QStringView outcome);
// The codes of the 1X2 and double chance markets: "1", "X", "2", "1X", "X2", "12", "H", "D", "V".
OutcomeRead codeOutcome(QStringView code, QStringView home, QStringView away);

// An offer's price for one outcome code: "2 1,87" is {"2", "1,87", "1.87"}.
struct OfferedPrice {
    QString code;
    QString written;
    QString odds;
};
QList<OfferedPrice> offeredPrices(QStringView text, qsizetype least = 2);
QString codeOf(const OutcomeRead& outcome);  // "1", "X2": the code of the outcome's markers

// A line that is no part of a tip: a heading, a date or time alone, an amount of money, or other
// noise (a button, a summary, a label, a slip's data); None for any other line.
enum class NoiseKind { None, Heading, DateTime, Money, Other };
NoiseKind noiseOf(QStringView line);
inline bool isNoise(QStringView line) {
    return noiseOf(line) != NoiseKind::None;
}
bool isHeading(QStringView line);      // sports, leagues, countries, dates, titles
bool startsHeading(QStringView line);  // an event line whose first word makes it a heading
bool namesHeading(QStringView line);   // some part names a sport, a league, a country or a title
bool isHeaderLine(QStringView line);   // every word a table header's
bool isMarket(QStringView line);       // a market's name alone: "Kétesély", "1X2"
bool isRemovalNotice(QStringView line);
bool isMetaLine(QStringView line);
// A summary's label without its value ("Eredő szorzó", "Gesamtquote:"): the value stands on the
// line after it.
bool isSummaryLabel(QStringView line);
// "Piac: Hendikep": the market, one whose outcome has no markers; empty for any other line.
QStringView otherMarketOf(QStringView line);  //
                                              // "Szelvényszám: 1234", "Piac: Hendikep", "Eredmény: 2:1"
bool isSeparatorAlone(QStringView line);  // "-", "–", "v", "vs": the teams above and below it  // "Törölve",
                                          // "Visszaállít": a tip taken off the slip

}  // namespace kombinator::slip
