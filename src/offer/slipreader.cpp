// The slip reader. It walks the lines once: between tips it looks for an event, after an event
// for its outcome, after the outcome for its price, and skips on the way only lines that the
// words of slipwords.h call headings, dates, buttons or summaries. A table row is a tip of its
// own: its cells are told apart by the table's header or by what each holds.
#include "offer/slipreader.h"

#include <iterator>

#include <QHash>
#include <QVarLengthArray>

#include "offer/conversion.h"
#include "offer/slipwords.h"
#include "platform/text.h"

namespace kombinator {

namespace {

using namespace slipwords;

const QString kPriceMissing = QStringLiteral("A(z) %1. tipp szorzója hiányzik: „%2”");
const QString kPriceLow = QStringLiteral("A(z) %1. tipp szorzója 1.00 alatt van: „%2”");
const QString kTwoPricesInLine = QStringLiteral("A(z) %1. tipp: két szorzó egy sorban: „%2”");
const QString kExtraPrice = QStringLiteral("A(z) %1. tipp után még egy szorzó áll: „%2”");
const QString kNoTeams = QStringLiteral("A(z) %1. tipp eseményében nincs két csapat: „%2”");
const QString kTeamsUnclear =
    QStringLiteral("A(z) %1. tipp eseményében nem egyértelmű, hol válik el a két csapat: „%2”");
const QString kOutcomeMissing = QStringLiteral("A(z) %1. tipp kimenete hiányzik: „%2”");
const QString kOutcomeUnclear = QStringLiteral("A(z) %1. tipp kimenete nem egyértelmű: „%2”");

bool same(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <typename List>
bool isOneOf(QStringView word, const List& list) {
    for (const QStringView item : list) {
        if (same(word, item)) return true;
    }
    return false;
}

// What a word or a whole line is to the words of slipwords.h, looked up once per word.
enum WordKind : unsigned {
    kSportWord = 1,
    kLeagueWord = 2,
    kCountryWord = 4,
    kDayWord = 8,
    kHeaderWord = 16,
    kButtonLine = 32,
    kMarketLine = 64,
};

const QHash<QString, unsigned>& wordKinds() {
    static const QHash<QString, unsigned> kinds = [] {
        QHash<QString, unsigned> map;
        const auto add = [&](const auto& list, unsigned kind) {
            for (const QStringView word : list)
                map[word.toString().toCaseFolded()] |= kind;
        };
        add(kSports, kSportWord);
        add(kLeagueWords, kLeagueWord);
        add(kCountries, kCountryWord);
        add(kDayWords, kDayWord);
        add(kButtons, kButtonLine);
        add(kMarkets, kMarketLine);
        for (const HeaderWord& header : kHeaderWords)
            map[header.word.toString().toCaseFolded()] |= kHeaderWord;
        return map;
    }();
    return kinds;
}

unsigned kindsOf(QStringView word) {
    static thread_local QString key;  // reused: a slip has hundreds of thousands of words
    key.resize(word.size());
    QChar* folded = key.data();
    for (const QChar ch : word) {
        const char16_t c = ch.unicode();
        *folded++ = c < 0x80 ? QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c) : ch.toCaseFolded();
    }
    return wordKinds().value(key, 0);
}

bool hasLetter(QStringView text) {
    for (const QChar ch : text) {
        if (ch.isLetter()) return true;
    }
    return false;
}

QStringView trimmed(QStringView text) {
    while (!text.isEmpty() && (isBlank(text.front()) || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (isBlank(text.back()) || text.back() == u'\t'))
        text.chop(1);
    return text;
}

// `text` begins with `word` as a whole word (what follows is no letter).
bool startsWithWord(QStringView text, QStringView word) {
    return text.startsWith(word, Qt::CaseInsensitive) &&
           (text.size() == word.size() || !text.at(word.size()).isLetter());
}

// ---- Prices

enum class PriceKind { None, One, Two, Low };

struct PriceRead {
    PriceKind kind = PriceKind::None;
    QString odds;
    bool labelOnly = false;  // "Szorzó:" with its price elsewhere
};

// A number as it stands in the line: its whole part (with any group marks) and its decimals.
struct Number {
    qsizetype end = 0;
    QStringView whole;
    QChar groupMark;  // the mark between thousands groups, or none
    QStringView decimals;
    bool decimal = false;

    // The digits with a point: "1 001,00" gives "1001.00".
    QString odds() const {
        QString odds;
        odds.reserve(whole.size() + 1 + decimals.size());
        for (const QChar ch : whole) {
            if (ch != groupMark) odds += ch;
        }
        if (decimal) {
            odds += u'.';
            odds += decimals;
        }
        return odds;
    }
};

qsizetype digitRun(QStringView s, qsizetype at) {
    qsizetype end = at;
    while (end < s.size() && isAsciiDigit(s.at(end)))
        ++end;
    return end - at;
}

bool isGroupMark(QChar ch) {
    return ch == u' ' || ch == u'\'' || ch == QChar(0x2019) || ch == u'.' || ch == u',';
}

// The number at `at`: digits, thousands groups ("1 001", "1'001", "1.001,00", "1,001.00") and
// one decimal comma or point. A separator after the last digit is a number cut short.
Number numberAt(QStringView s, qsizetype at) {
    Number n;
    qsizetype i = at + digitRun(s, at);
    // Thousands groups: a mark, then exactly three digits, the same mark each time. A point or
    // comma groups only when the other one parts the decimals after the groups.
    if (i - at <= 3 && i + 4 <= s.size() && isGroupMark(s.at(i))) {
        const QChar mark = s.at(i);
        qsizetype j = i;
        while (j + 4 <= s.size() && s.at(j) == mark && digitRun(s, j + 1) == 3)
            j += 4;
        const bool decimalFollows = j + 1 < s.size() && (s.at(j) == u',' || s.at(j) == u'.') &&
                                    s.at(j) != mark && isAsciiDigit(s.at(j + 1));
        const bool markIsSeparator = mark == u'.' || mark == u',';
        if (j > i && (!markIsSeparator || decimalFollows)) {
            n.groupMark = mark;
            i = j;
        }
    }
    n.whole = s.sliced(at, i - at);
    if (i < s.size() && (s.at(i) == u',' || s.at(i) == u'.')) {
        const qsizetype decimals = digitRun(s, i + 1);
        if (decimals > 0) {
            n.decimals = s.sliced(i + 1, decimals);
            n.decimal = true;
            i += 1 + decimals;
        } else if (i + 1 == s.size() || s.at(i + 1) == u' ') {
            ++i;  // "3," and "12. ": cut short after the digits
        }
    }
    n.end = i;
    return n;
}

// Odds digits with a point whose whole part is zero.
bool isBelowOne(QStringView odds) {
    for (const QChar ch : odds) {
        if (ch == u'.') break;
        if (ch != u'0') return false;
    }
    return true;
}

bool isPriceMark(QChar ch) {
    return kPriceMarks.contains(ch);
}

// A price line: an optional label ("Szorzó:", "Szorzó (régi → új):"), marks, and one number.
// `inPriceColumn`: the cell stands under a table's price header, which labels it as well.
PriceRead readPrice(QStringView line, bool inPriceColumn = false) {
    PriceRead read;
    QStringView s = trimmed(line);
    bool labelled = inPriceColumn;
    bool oldToNew = false;
    // Labels, one or more ("Odds Szorzó (régi → új):" under a header); most lines begin with a
    // digit or a mark, and are not searched for one.
    for (qsizetype l = 0; l < qsizetype(std::size(kPriceLabels)) && !s.isEmpty() && s.front().isLetter();
         ++l) {
        const QStringView label = kPriceLabels[l];
        if (!startsWithWord(s, label)) continue;
        labelled = true;
        s = trimmed(s.sliced(label.size()));
        if (s.startsWith(u'(')) {
            const qsizetype close = s.indexOf(u')');
            if (close < 0) return read;
            const QStringView note = s.sliced(1, close - 1);
            oldToNew = note.contains(u'→') || note.contains(u"->");
            s = trimmed(s.sliced(close + 1));
        }
        if (s.startsWith(u':')) s = trimmed(s.sliced(1));
        l = -1;  // another label may follow
    }
    QVarLengthArray<Number, 4> numbers;
    bool arrow = false;
    bool wholeNumber = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar ch = s.at(i);
        if (isAsciiDigit(ch)) {
            const Number n = numberAt(s, i);
            wholeNumber = wholeNumber || !n.decimal;
            numbers.append(n);
            i = n.end;
        } else if (ch == u'→' || ch == u'➝') {
            arrow = true;
            ++i;
        } else if (ch == u'-' && i + 1 < s.size() && s.at(i + 1) == u'>') {
            arrow = true;
            i += 2;
        } else if (ch == u' ' || isPriceMark(ch)) {
            ++i;
        } else {
            return read;
        }
    }
    if (numbers.isEmpty()) {
        read.labelOnly = labelled && !arrow;
        return read;
    }
    // A whole number is a price only after a label; beside a decimal one it is something else.
    if (!labelled && wholeNumber) return read;
    const Number* price = &numbers.front();
    if (numbers.size() == 2 && oldToNew && arrow) {
        price = &numbers.back();
    } else if (numbers.size() > 1) {
        read.kind = PriceKind::Two;
        return read;
    }
    read.odds = price->odds();
    read.kind = isBelowOne(read.odds) ? PriceKind::Low : PriceKind::One;
    return read;
}

// ---- Headings, dates, buttons, summaries

// "20:45", "12.12.", "2026-12-12", "12/12": digits and the marks of dates and times, but not a
// number with one decimal mark (that could be a price).
bool isDateOrTime(QStringView word) {
    int marks = 0;
    bool digit = false;
    for (const QChar ch : word) {
        if (isAsciiDigit(ch)) {
            digit = true;
        } else if (ch == u'.' || ch == u':' || ch == u'/' || ch == u'-') {
            ++marks;
        } else {
            return false;
        }
    }
    if (!digit || marks == 0) return false;
    // "12.12." is a date, "1." of "1. FC Köln" is not.
    return word.contains(u':') || word.contains(u'/') || word.contains(u'-') ||
           (word.endsWith(u'.') && marks >= 2);
}

// The words of a text between blanks, without a list on the heap for the few a line holds.
QVarLengthArray<QStringView, 16> words(QStringView text) {
    QVarLengthArray<QStringView, 16> list;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != u' ') continue;
        if (i > from) list.append(text.sliced(from, i - from));
        from = i + 1;
    }
    return list;
}

// "I", "II", "IV": the division of a league ("NB I").
bool isRomanNumeral(QStringView word) {
    if (word.isEmpty() || word.size() > 3) return false;
    for (const QChar ch : word) {
        if (ch != u'I' && ch != u'V') return false;
    }
    return true;
}

bool isWordOfHeading(QStringView word) {
    return (kindsOf(word) & (kSportWord | kLeagueWord | kCountryWord)) != 0;
}

enum class HeadingWord { No, Telling, Dated, Neutral };

// A word of a heading: a sport, league or country says what the line is, a date or a time too;
// a number, a day or a roman numeral says nothing on its own.
HeadingWord headingWord(QStringView word) {
    while (!word.isEmpty() && (word.back() == u',' || word.back() == u'(' || word.back() == u')'))
        word.chop(1);
    while (!word.isEmpty() && (word.front() == u'(' || word.front() == u')'))
        word = word.sliced(1);
    if (word.isEmpty()) return HeadingWord::Neutral;
    if (isDateOrTime(word)) return HeadingWord::Dated;
    const QStringView bare = word.chopped(word.endsWith(u'.') ? 1 : 0);
    const unsigned kinds = kindsOf(bare);
    if ((kinds & (kSportWord | kLeagueWord | kCountryWord)) != 0) return HeadingWord::Telling;
    if ((kinds & kDayWord) != 0 || digitRun(bare, 0) == bare.size() || isRomanNumeral(word))
        return HeadingWord::Neutral;
    if (word.contains(u'-')) {
        for (const QStringView part : word.split(u'-')) {
            if (isWordOfHeading(part)) return HeadingWord::Telling;  // "Európa-liga"
        }
    }
    return HeadingWord::No;
}

// A segment of a heading: a title or a market ("Fogadószelvény – Kötés"), a league with any
// name around its word ("OTP Bank Liga", "Coupe de France"), or sports, countries, days, dates,
// times and numbers with at least one word that says which (a number or a day alone says nothing).
bool isHeadingSegment(QStringView segment) {
    if ((kindsOf(segment) & (kButtonLine | kMarketLine)) != 0) return true;
    bool league = false;
    bool unknown = false;
    bool telling = false;
    for (const QStringView word : words(segment)) {
        league = league || (kindsOf(word) & kLeagueWord) != 0;
        const HeadingWord kind = headingWord(word);
        unknown = unknown || kind == HeadingWord::No;
        telling = telling || kind == HeadingWord::Telling || kind == HeadingWord::Dated;
    }
    return league || (telling && !unknown);
}

// Calls `take` with each part of a heading line ("Labdarúgás · NB I · szo 12.12. 20:00",
// "Anglia - Premier League") until it returns false; false when a part did.
template <typename Take>
bool forEachSegment(QStringView line, Take&& take) {
    qsizetype from = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const QChar ch = end ? QChar() : line.at(i);
        const bool cut =
            end || ch == u'·' || ch == u'•' || ch == u'|' || ch == u'/' || ch == u',' ||
            (isDash(ch) && i > 0 && i + 1 < line.size() && line.at(i - 1) == u' ' && line.at(i + 1) == u' ');
        if (!cut) continue;
        const QStringView segment = trimmed(line.sliced(from, i - from));
        if (!segment.isEmpty() && !take(segment)) return false;
        from = i + 1;
    }
    return true;
}

bool isHeading(QStringView line) {
    bool any = false;
    return forEachSegment(line, [&](QStringView segment) { return any = isHeadingSegment(segment); }) && any;
}

// An event line that is a heading: its first word already says so ("Anglia - Premier League").
// One whose heading word comes later is told by the event that follows it.
bool startsHeading(QStringView line) {
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != u' ' && line.at(end) != u'·' && line.at(end) != u'|')
        ++end;
    const QStringView first = line.first(end);
    const QStringView bare = first.chopped(first.endsWith(u'.') ? 1 : 0);
    const bool maybe = (kindsOf(bare) & ~unsigned(kHeaderWord)) != 0 || isDateOrTime(first) ||
                       digitRun(bare, 0) == bare.size() || isRomanNumeral(first) || first.contains(u'-');
    return maybe && isHeading(line);
}

// Some part of the line names a sport, a league or a country: an event candidate that is only a
// heading when another event follows it ("Anglia - Premier League", then the match).
bool namesHeading(QStringView line) {
    return !forEachSegment(line, [](QStringView segment) {
        if ((kindsOf(segment) & (kButtonLine | kMarketLine)) != 0) return false;
        for (const QStringView word : words(segment)) {
            if (isWordOfHeading(word)) return false;
        }
        return true;
    });
}

bool isSummary(QStringView line) {
    for (const QStringView word : kSummaries) {
        if (!line.startsWith(word, Qt::CaseInsensitive)) continue;
        if (line.size() == word.size()) return true;
        const QChar next = line.at(word.size());
        if (!next.isLetter()) return true;
    }
    return false;
}

bool isHeaderWord(QStringView word) {
    return (kindsOf(word) & kHeaderWord) != 0;
}

bool isHeaderLine(QStringView line) {
    bool any = false;
    for (const QStringView word : words(line)) {
        if (!isHeaderWord(word)) return false;
        any = true;
    }
    return any;
}

bool isMarket(QStringView line) {
    QStringView text = trimmed(line);
    if (text.endsWith(u':')) text.chop(1);
    return (kindsOf(text) & kMarketLine) != 0;
}

// A line that is no part of a tip.
bool isNoise(QStringView line) {
    QStringView text = trimmed(line);
    while (!text.isEmpty() && text.back() == u':')
        text = trimmed(text.chopped(1));
    if (text.isEmpty()) return true;
    if ((kindsOf(text) & (kButtonLine | kMarketLine)) != 0 || isSummary(text)) return true;
    if (isHeaderLine(text) || isHeading(text)) return true;
    bool buttons = true;  // "Élő Top", "Elfogad Törlés"
    for (const QStringView word : words(text))
        buttons = buttons && (kindsOf(word) & kButtonLine) != 0;
    if (buttons) return true;
    return readPrice(text).labelOnly;
}

// ---- Events

enum class EventKind { None, Teams, Unclear };

struct EventRead {
    EventKind kind = EventKind::None;
    QString home;
    QString away;
    // The line parts its teams the way the offer list always has (the first dash between blanks,
    // else the one hyphen), so its block keeps it as it is; any other is written with " - ".
    bool asWritten = false;
    bool bare = false;  // parted at a bare hyphen: the weakest of separators
};

// A kick-off written before the teams ("20:45 Arsenal - Chelsea") is not part of a name.
QString withoutKickOff(QString name) {
    for (;;) {
        const qsizetype blank = name.indexOf(u' ');
        if (blank <= 0 || !isDateOrTime(QStringView(name).first(blank))) return name;
        name = trimBlanks(name.mid(blank + 1));
    }
}

EventRead teams(QString home, QString away) {
    home = withoutKickOff(home);
    if (!hasLetter(home) || !hasLetter(away) || home == away) return {};  // no team plays itself
    return {EventKind::Teams, home, away};
}

qsizetype versusAt(QStringView line, qsizetype& length) {
    qsizetype best = -1;
    for (const QStringView word : kVersusWords) {
        const qsizetype at = line.indexOf(word, 0, word == u" v " ? Qt::CaseSensitive : Qt::CaseInsensitive);
        if (at > 0 && (best < 0 || at < best)) {
            best = at;
            length = word.size();
        }
    }
    return best;
}

// Two teams around a dash between blanks, "v", "vs", "vs.", a tab, or, where none of those
// stands, one bare hyphen. A hyphen inside a name never parts the teams when a spaced separator
// does, and a line of two bare dashes does not tell where the first name ends.
EventRead readEvent(QStringView line) {
    line = trimmed(line);
    if (line.contains(u'\t')) {
        QStringList names;
        for (const QStringView cell : line.split(u'\t')) {
            if (!trimmed(cell).isEmpty()) names.append(trimmed(cell).toString());
        }
        if (names.size() != 2 || readPrice(names.at(0)).kind != PriceKind::None ||
            readPrice(names.at(1)).kind != PriceKind::None)
            return {};
        return teams(names.at(0), names.at(1));
    }
    const qsizetype dash = spacedDashAt(line);
    if (dash >= 0) {
        EventRead read = teams(line.first(dash - 1).toString(), line.sliced(dash + 2).toString());
        read.asWritten = read.home.size() == dash - 1;  // no kick-off taken off the home team
        return read;
    }
    qsizetype length = 0;
    const qsizetype versus = versusAt(line, length);
    if (versus >= 0)
        return teams(trimBlanks(line.first(versus).toString()),
                     trimBlanks(line.sliced(versus + length).toString()));
    qsizetype bare = -1;
    int dashes = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) != u'-') continue;
        ++dashes;
        if (bare < 0) bare = i;
    }
    if (dashes == 0 || bare == 0 || bare + 1 == line.size()) return {};
    EventRead read = teams(line.first(bare).toString(), line.sliced(bare + 1).toString());
    if (read.kind == EventKind::Teams && dashes > 1) read.kind = EventKind::Unclear;
    read.asWritten = read.home.size() == bare;
    read.bare = true;
    return read;
}

// ---- Outcomes

enum class Side { None, Home, Away, Draw };

struct OutcomeRead {
    bool certain = false;  // the outcome names a team of the event, the draw or a code
    OutcomeMarker home = OutcomeMarker::None;
    OutcomeMarker away = OutcomeMarker::None;
};

// `part` is the start of `team` up to a word's end ("Szeged" of "Szeged-Csanád Grosics Akadémia").
bool isStartOf(QStringView part, const QString& team) {
    if (part.size() < 3 || team.isEmpty() || !team.startsWith(part)) return false;
    return team.size() == part.size() || !team.at(part.size()).isLetterOrNumber();
}

// The outcome begins with the team's whole name: "Arsenal (H)", but not "Boost" for a team "B".
bool startsWithTeam(QStringView outcome, const QString& team) {
    if (team.isEmpty() || !outcome.startsWith(team)) return false;
    return outcome.size() == team.size() || !outcome.at(team.size()).isLetterOrNumber() ||
           !team.back().isLetterOrNumber();
}

Side sideOf(QStringView part, const QString& home, const QString& away) {
    part = trimmed(part);
    if (part == home || isStartOf(part, home)) return Side::Home;
    if (part == away || isStartOf(part, away)) return Side::Away;
    if (isOneOf(part, kHomeCodes)) return Side::Home;
    if (isOneOf(part, kAwayCodes)) return Side::Away;
    if (part == u"X" || part == u"x" || part == u"D" ||
        isOneOf(part, std::initializer_list<QStringView>{u"Döntetlen", u"Draw"}))
        return Side::Draw;
    return Side::None;
}

OutcomeRead markersOf(Side a, Side b) {
    if (a == b) {
        if (a == Side::Home) return {true, OutcomeMarker::Win, OutcomeMarker::None};
        if (a == Side::Away) return {true, OutcomeMarker::None, OutcomeMarker::Win};
        if (a == Side::Draw) return {true, OutcomeMarker::Draw, OutcomeMarker::Draw};
        return {};
    }
    if (a == Side::None || b == Side::None) return {};
    if (a != Side::Draw && b != Side::Draw) return {true, OutcomeMarker::Win, OutcomeMarker::Win};
    const Side team = a == Side::Draw ? b : a;
    if (team == Side::Home) return {true, OutcomeMarker::WinOrDraw, OutcomeMarker::Draw};
    return {true, OutcomeMarker::Draw, OutcomeMarker::WinOrDraw};
}

// The codes of the 1X2 and double chance markets: "1", "X", "2", "1X", "X2", "12", "H", "D", "V".
OutcomeRead codeOutcome(QStringView code, const QString& home, const QString& away) {
    if (code.size() == 2 && code != u"XX" && code != u"xx") {
        const auto side = [&](QChar ch) { return sideOf(QStringView(&ch, 1), home, away); };
        const Side a = side(code.at(0));
        const Side b = side(code.at(1));
        if (a != Side::None && b != Side::None && a != b && (code.at(0).isDigit() || code.at(1).isDigit()))
            return markersOf(a, b);
        return {};
    }
    const Side side = sideOf(code, home, away);
    if (side == Side::None) return {};
    return markersOf(side, side);
}

// An outcome line that names the market first ("Végeredmény: MTK", "1X2: 1"): the outcome after
// the label. A colon with no blank after it ("20:45", "2:1") ends no label.
QStringView withoutMarketLabel(QStringView line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0 || colon + 1 == line.size() || line.at(colon + 1) != u' ') return line;
    return trimmed(line.sliced(colon + 1));
}

OutcomeRead readOutcome(QStringView line, const QString& home, const QString& away) {
    const QStringView whole = trimmed(line);
    const bool teamFirst = startsWithTeam(whole, home) || startsWithTeam(whole, away);
    const QStringView outcome = teamFirst ? whole : withoutMarketLabel(whole);

    OutcomeRead read = codeOutcome(outcome, home, away);
    if (read.certain) return read;
    // "Ferencváros vagy döntetlen", "Arsenal or Draw", "Arsenal vagy Chelsea".
    for (const QStringView word : kOrWords) {
        const qsizetype at = outcome.indexOf(word, 0, Qt::CaseInsensitive);
        if (at <= 0) continue;
        read = markersOf(sideOf(outcome.first(at), home, away),
                         sideOf(outcome.sliced(at + word.size()), home, away));
        if (read.certain) return read;
    }
    if (isMarket(whole)) return {};  // "Kétesély" alone names the bet, not its outcome
    // The draw and double chance words anywhere in the line, and a team at its start.
    const bool draw = whole.contains(u"Döntetlen");
    const bool doubleChance = whole.contains(u"Kétesély");
    if (draw || doubleChance) {
        read.certain = true;
        read.home = read.away = draw ? OutcomeMarker::Draw : OutcomeMarker::Win;
    }
    if (draw && doubleChance) {
        if (!home.isEmpty() && whole.contains(home)) read.home = OutcomeMarker::WinOrDraw;
        if (!away.isEmpty() && whole.contains(away)) read.away = OutcomeMarker::WinOrDraw;
        return read;
    }
    const bool homeFirst = startsWithTeam(outcome, home);
    const bool awayFirst = startsWithTeam(outcome, away);
    if (homeFirst) read.home = OutcomeMarker::Win;
    if (awayFirst) read.away = OutcomeMarker::Win;
    if (homeFirst || awayFirst || read.certain) {
        read.certain = true;
        return read;
    }
    // A team named by its start; a start that fits both teams names neither.
    const bool homeStart = isStartOf(outcome, home);
    const bool awayStart = isStartOf(outcome, away);
    if (homeStart != awayStart)
        return markersOf(homeStart ? Side::Home : Side::Away, homeStart ? Side::Home : Side::Away);
    return {};
}

// ---- Assembly

QString shown(QStringView line) {
    constexpr qsizetype kShown = 60;
    QString text = trimBlanks(plainLine(line));
    text.replace(u'\t', u' ');
    if (text.size() > kShown) text = text.left(kShown - 1) + QChar(0x2026);
    return text;
}

class Reader {
public:
    explicit Reader(const QStringList& lines) : lines_(lines) {}

    SlipReading read() {
        for (qsizetype i = 0; i < lines_.size() && reading_.refusal.isEmpty(); i = next_) {
            next_ = i + 1;
            const QString& line = lines_.at(i);
            if (line.contains(u'\t'))
                row(i);
            else
                this->line(i, line);
        }
        if (!reading_.refusal.isEmpty()) return reading_;
        const qsizetype last = lines_.size() - 1;
        if (slot_ == Slot::Outcome) {
            reading_.endedInsideTip = true;
            refuse(kOutcomeMissing, lines_.at(eventAt_), last);
        } else if (slot_ == Slot::Price) {
            reading_.endedInsideTip = true;
            refuse(kPriceMissing, lines_.at(afterOutcome_ >= 0 ? afterOutcome_ : outcomeAt_), last);
        } else if (reading_.tips.isEmpty() && !lines_.isEmpty()) {
            refuse(kNoTeams, lines_.at(skipped_.isEmpty() ? 0 : skipped_.first()), last);
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

    void refuse(const QString& text, QStringView quoted, qsizetype lastLine) {
        reading_.refusal = text.arg(QString::number(tipNumber()), shown(quoted));
        reading_.refusedFirst = slot_ == Slot::Event ? blockStart_ : eventAt_;
        reading_.refusedLast = lastLine;
    }

    void takeEvent(qsizetype i, const QString& text, const EventRead& event) {
        tip_ = SlipTip();
        tip_.home = event.home;
        tip_.away = event.away;
        tip_.eventLine = event.asWritten ? text : event.home + QStringLiteral(" - ") + event.away;
        tip_.firstLine = i;
        eventAt_ = i;
        slot_ = Slot::Outcome;
    }

    void takeOutcome(qsizetype i, const QString& text, const OutcomeRead& outcome) {
        tip_.outcomeLine = QString(text).replace(u'\t', u' ');
        tip_.homeMarker = outcome.home;
        tip_.awayMarker = outcome.away;
        outcomeCertain_ = outcome.certain;
        outcomeAt_ = i;
        afterOutcome_ = -1;
        slot_ = Slot::Price;
    }

    void takePrice(qsizetype i, const QString& text, const QString& odds) {
        tip_.priceLine = QString(text).replace(u'\t', u' ');
        tip_.odds = odds;
        tip_.lastLine = i;
        reading_.tips.append(tip_);
        slot_ = Slot::Event;
        blockStart_ = i + 1;
        skipped_.clear();
        lastPriceAt_ = i;
    }

    // A price where an event should stand: a second price of the last tip, or the price of a tip
    // whose event was not read.
    void strayPrice(qsizetype i, const QString& text) {
        if (lastPriceAt_ >= 0 && skipped_.isEmpty()) {
            reading_.refusal = kExtraPrice.arg(QString::number(reading_.tips.size()), shown(text));
            reading_.refusedFirst = reading_.tips.last().firstLine;
            reading_.refusedLast = i;
            return;
        }
        const QString& quoted = skipped_.size() >= 2 ? lines_.at(skipped_.at(skipped_.size() - 2))
                                : skipped_.isEmpty() ? text
                                                     : lines_.at(skipped_.last());
        refuse(kNoTeams, quoted, i);
    }

    void line(qsizetype i, const QString& text) {
        switch (slot_) {
            case Slot::Event: {
                const EventRead event = readEvent(text);
                if (event.kind == EventKind::Teams && !startsHeading(text)) return takeEvent(i, text, event);
                if (event.kind == EventKind::Unclear && !isHeading(text))
                    return refuse(kTeamsUnclear, text, i);
                const PriceRead price = readPrice(text);
                if (price.kind == PriceKind::One || price.kind == PriceKind::Two) return strayPrice(i, text);
                if (!isNoise(text)) skipped_.append(i);
                plain_ = false;
                return;
            }
            case Slot::Outcome: {
                const OutcomeRead outcome = readOutcome(text, tip_.home, tip_.away);
                if (outcome.certain) return takeOutcome(i, text, outcome);
                if (isNoise(text)) return;
                const EventRead event = readEvent(text);
                if (event.kind == EventKind::Teams && namesHeading(lines_.at(eventAt_)))
                    return takeEvent(i, text, event);
                const PriceKind price = readPrice(text).kind;
                if (price == PriceKind::One) {
                    // An outcome written above its event ("Tipp: 1", then the teams, then the price),
                    // or below its price.
                    for (qsizetype k = skipped_.size() - 1; k >= 0; --k) {
                        const qsizetype above = skipped_.at(k);
                        const OutcomeRead read = readOutcome(lines_.at(above), tip_.home, tip_.away);
                        if (!read.certain || readEvent(lines_.at(above)).kind != EventKind::None) continue;
                        takeOutcome(above, lines_.at(above), read);
                        return line(i, text);
                    }
                    for (qsizetype j = i + 1; j < lines_.size(); ++j) {
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
                if (event.kind != EventKind::None || price != PriceKind::None)
                    return refuse(kOutcomeMissing, lines_.at(eventAt_), i);
                return takeOutcome(i, text, outcome);
            }
            case Slot::Price: {
                const PriceRead price = readPrice(text);
                if (price.kind == PriceKind::One) {
                    // A label on the line before ("Szorzó:") stays with its price.
                    const bool labelled =
                        i > 0 && afterOutcome_ == i - 1 && readPrice(lines_.at(i - 1)).labelOnly;
                    return takePrice(i, labelled ? lines_.at(i - 1) + u' ' + text : text, price.odds);
                }
                if (price.kind == PriceKind::Two) return refuse(kTwoPricesInLine, text, i);
                if (price.kind == PriceKind::Low) return refuse(kPriceLow, text, i);
                if (afterOutcome_ < 0) afterOutcome_ = i;
                if (isNoise(text)) return;
                if (!outcomeCertain_ && readOutcome(text, tip_.home, tip_.away).certain)
                    return refuse(kOutcomeUnclear, text, i);
                // Plain three-line blocks keep the offer list's own rule: the odds line ends in the odds.
                const QString odds = oddsText(text);
                if (plainBlock(i) && odds.contains(u'.') && readEvent(text).kind == EventKind::None)
                    return odds.toDouble() < 1.0 ? refuse(kPriceLow, text, i) : takePrice(i, text, odds);
                return refuse(kPriceMissing, lines_.at(afterOutcome_), i);
            }
        }
    }

    // ---- Table rows

    // A header row: every cell a header word. Its columns tell the cells of the rows below.
    bool header(const QList<QStringView>& cells) {
        QList<Column> columns;
        int named = 0;
        for (QStringView cell : cells) {
            if (cell.endsWith(u':')) cell.chop(1);
            Column column = Column::Other;
            if (!cell.isEmpty()) {
                if (!isHeaderLine(cell)) return false;
                ++named;
                for (const HeaderWord& word : kHeaderWords) {
                    if (same(cell, word.word)) column = word.column;
                }
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

    void row(qsizetype i) {
        plain_ = false;
        const QString& text = lines_.at(i);
        QList<QStringView> cells;
        for (const QStringView cell : QStringView(text).split(u'\t'))
            cells.append(trimmed(cell));
        if (header(cells)) return;
        const qsizetype n = cells.size();

        QList<qsizetype> prices;
        QList<qsizetype> others;
        for (qsizetype c = 0; c < n; ++c) {
            if (cells.at(c).isEmpty()) continue;
            const PriceKind kind = readPrice(cells.at(c), columnOf(c, n) == Column::Price).kind;
            if (kind == PriceKind::One || kind == PriceKind::Two ||
                (kind == PriceKind::Low && columnOf(c, n) == Column::Price))
                prices.append(c);
            else
                others.append(c);
        }
        // A row without a price is a line: an event of two cells, or a heading. A tip's row whose
        // price the copy did not carry ("Szorzó:" alone, an empty price column) is refused.
        if (prices.isEmpty()) {
            bool tipRow = cellOfColumn(Column::Price, n) >= 0;
            bool event = false;
            for (const qsizetype c : others) {
                tipRow = tipRow || readPrice(cells.at(c)).labelOnly;
                event = event || readEvent(cells.at(c)).kind == EventKind::Teams;
            }
            event = event || (cellOfColumn(Column::Home, n) >= 0 && cellOfColumn(Column::Away, n) >= 0);
            if (tipRow && event && slot_ == Slot::Event) {
                blockStart_ = i;
                return refuse(kPriceMissing, text, i);
            }
            QStringList parts;
            for (const qsizetype c : others) {
                if (!isNoise(cells.at(c))) parts.append(cells.at(c).toString());
            }
            if (parts.isEmpty()) return;
            const bool twoNames = parts.size() == 2 && readEvent(parts.at(0)).kind == EventKind::None &&
                                  readEvent(parts.at(1)).kind == EventKind::None;
            return line(i, parts.join(twoNames ? u'\t' : u' '));
        }
        // A price row for a tip read from the lines above: the price alone, or with noise.
        if (slot_ == Slot::Price) {
            bool alone = prices.size() == 1;
            for (const qsizetype c : others)
                alone = alone && isNoise(cells.at(c));
            if (alone) {
                // "Szorzó:⇥1,65" stays one price line with its label.
                const QString joined = trimBlanks(QString(text).replace(u'\t', u' '));
                return line(i, readPrice(joined).kind == PriceKind::One
                                   ? joined
                                   : cells.at(prices.first()).toString());
            }
        }
        if (slot_ == Slot::Outcome) return refuse(kOutcomeMissing, lines_.at(eventAt_), i);
        if (slot_ == Slot::Price) return refuse(kPriceMissing, text, i);
        blockStart_ = i;

        qsizetype priceCell = prices.size() == 1 ? prices.first() : cellOfColumn(Column::Price, n);
        if (priceCell < 0 || !prices.contains(priceCell)) return refuse(kTwoPricesInLine, text, i);
        const PriceRead price = readPrice(cells.at(priceCell), columnOf(priceCell, n) == Column::Price);
        if (price.kind == PriceKind::Two) return refuse(kTwoPricesInLine, text, i);
        if (price.kind == PriceKind::Low) return refuse(kPriceLow, text, i);

        // The event: the header's column, or the one cell of two teams, or two name cells.
        EventRead event;
        QString eventLine;
        QList<qsizetype> rest;
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
            if (read.kind == EventKind::Unclear && (eventColumn < 0 || eventColumn == c)) unclear = c;
            if (read.kind != EventKind::Teams || startsHeading(cells.at(c))) continue;
            events.append(c);
            if (!read.bare) spaced.append(c);
        }
        if (eventColumn >= 0 && events.contains(eventColumn)) events = {eventColumn};
        if (events.size() > 1 && spaced.size() == 1) events = spaced;
        if (events.isEmpty() && unclear >= 0) return refuse(kTeamsUnclear, cells.at(unclear), i);
        if (homeColumn >= 0 && awayColumn >= 0 && !cells.at(homeColumn).isEmpty() &&
            !cells.at(awayColumn).isEmpty()) {
            event = teams(cells.at(homeColumn).toString(), cells.at(awayColumn).toString());
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
            return refuse(kTeamsUnclear, text, i);
        } else {
            QList<qsizetype> names;
            for (const qsizetype c : others) {
                if (hasLetter(cells.at(c)) && !isNoise(cells.at(c)) &&
                    codeOutcome(cells.at(c), {}, {}).certain == false)
                    names.append(c);
            }
            if (names.size() < 2) return refuse(kNoTeams, text, i);
            event = teams(cells.at(names.at(0)).toString(), cells.at(names.at(1)).toString());
            for (const qsizetype c : others) {
                if (c != names.at(0) && c != names.at(1)) rest.append(c);
            }
        }
        if (event.kind != EventKind::Teams) return refuse(kNoTeams, text, i);
        if (eventLine.isEmpty()) eventLine = event.home + QStringLiteral(" - ") + event.away;
        takeEvent(i, eventLine, event);

        // The outcome: the header's column, or the one cell that names a side, or the one cell
        // left that is neither a heading nor a market.
        const qsizetype outcomeColumn = cellOfColumn(Column::Outcome, n);
        qsizetype outcomeCell = -1;
        OutcomeRead outcome;
        if (outcomeColumn >= 0 && rest.contains(outcomeColumn)) {
            outcomeCell = outcomeColumn;
            outcome = readOutcome(cells.at(outcomeCell), event.home, event.away);
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
            if (pick.isEmpty()) return refuse(kOutcomeMissing, eventLine, i);
            if (pick.size() > 1) return refuse(kOutcomeUnclear, text, i);
            outcomeCell = pick.first();
            outcome = readOutcome(cells.at(outcomeCell), event.home, event.away);
        }
        takeOutcome(i, cells.at(outcomeCell).toString(), outcome);
        // A whole number is a price only under the header's word, which its block keeps.
        const QString priceLine = readPrice(cells.at(priceCell)).kind == PriceKind::One
                                      ? cells.at(priceCell).toString()
                                      : priceHeader_ + QStringLiteral(": ") + cells.at(priceCell).toString();
        takePrice(i, priceLine, price.odds);
    }

    const QStringList& lines_;
    SlipReading reading_;
    Slot slot_ = Slot::Event;
    SlipTip tip_;
    qsizetype eventAt_ = 0;
    qsizetype outcomeAt_ = 0;
    qsizetype afterOutcome_ = -1;
    qsizetype blockStart_ = 0;
    qsizetype lastPriceAt_ = -1;
    bool outcomeCertain_ = false;
    bool plain_ = true;         // no line skipped, no table row
    qsizetype next_ = 0;        // the line read next
    QList<qsizetype> skipped_;  // lines between tips that are neither noise nor a tip's part
    QList<Column> columns_;     // the last header row's columns
    QString priceHeader_;       // its word over the prices
};

}  // namespace

SlipReading readSlip(const QStringList& lines) {
    return Reader(lines).read();
}

}  // namespace kombinator
