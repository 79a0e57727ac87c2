// The parts of a copied slip, each told by what it holds: prices, and the headings, dates,
// buttons and summaries around them (the events of two teams are slipevents.cpp's).
#include "offer/slipparts.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

#include <QHash>
#include <QVarLengthArray>

#include "calc/odds.h"
#include "offer/slipwordkinds.h"
#include "offer/slipwords.h"
#include "platform/text.h"

namespace kombinator::slip {

using namespace slipwords;

bool same(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QHash<QString, unsigned>& wordKinds() {
    static const QHash<QString, unsigned> kinds = [] {
        QHash<QString, unsigned> map;
        const auto add = [&](const auto& list, unsigned kind) {
            for (const QStringView word : list)
                map[word.toString().toCaseFolded()] |= kind;
        };
        add(wordsOf(Sport), kSportWord);
        add(wordsOf(League), kLeagueWord);
        add(wordsOf(Country), kCountryWord);
        add(wordsOf(Day), kDayWord);
        add(wordsOf(RelativeDay), kDayWord | kRelativeDay);
        add(wordsOf(Button), kButtonLine);
        add(wordsOf(Market), kMarketLine);
        const auto phraseStarts = [&](const auto& list) {
            for (const QStringView phrase : list) {
                const qsizetype blank = phrase.indexOf(u' ');
                if (blank > 0) map[phrase.first(blank).toString().toCaseFolded()] |= kPhraseStart;
            }
        };
        phraseStarts(wordsOf(Button));
        phraseStarts(wordsOf(Market));
        for (const HeaderWord& header : headerWords())
            map[header.word.toString().toCaseFolded()] |= kHeaderWord;
        return map;
    }();
    return kinds;
}

// A first look at a word before the table: the first letters (folded) and lengths of the words that
// make a heading, a title or a market. Most names fail it without being looked up.
bool mayBeHeadingWord(QStringView word) {
    static const std::array<quint64, 64> seen = [] {
        std::array<quint64, 64> bits{};
        for (auto it = wordKinds().cbegin(); it != wordKinds().cend(); ++it) {
            if ((it.value() & ~unsigned(kHeaderWord)) == 0 || it.key().isEmpty()) continue;
            bits[it.key().front().unicode() % 64] |= quint64(1) << std::min<qsizetype>(it.key().size(), 63);
        }
        return bits;
    }();
    if (word.isEmpty()) return false;
    return (seen[word.front().toCaseFolded().unicode() % 64] >> std::min<qsizetype>(word.size(), 63)) & 1;
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
    if (text.size() < word.size()) return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar a = text.at(i);
        const QChar b = word.at(i);
        if (a != b && a.toCaseFolded() != b.toCaseFolded()) return false;
    }
    return text.size() == word.size() || !text.at(word.size()).isLetter();
}

// ---- Prices

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

// One price written twice with nothing between, as a browser runs the screen reader's text and
// the eye's together: "2.762.76", "1,211,21". Only a run that is the same price with decimals
// twice over reads so; the number stands for both halves.
std::optional<Number> doubledPriceAt(QStringView s, qsizetype at) {
    qsizetype end = at;
    while (end < s.size() && (isAsciiDigit(s.at(end)) || s.at(end) == u'.' || s.at(end) == u','))
        ++end;
    const qsizetype half = (end - at) / 2;
    if (half < 3 || (end - at) % 2 != 0 || s.sliced(at, half) != s.sliced(at + half, half) ||
        !isAsciiDigit(s.at(at + half - 1)))
        return std::nullopt;
    Number n = numberAt(s.first(at + half), at);
    if (!n.decimal || n.end != at + half) return std::nullopt;
    n.end = end;
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
// What stands around a price's number: its labels, a note that the price changed, a button.
struct PriceDress {
    QStringView rest;       // the number and its marks
    bool labelled = false;  // a label or the word of an old price stands before it
    bool oldToNew = false;  // "Szorzó (régi → új):"
    bool changed = false;   // "statt 3,00 3,30": the last price is the tip's
    bool broken = false;    // a note without its closing bracket
};

PriceDress undressedPrice(QStringView line, bool inPriceColumn) {
    PriceDress dress{trimmed(line), inPriceColumn};
    QStringView& s = dress.rest;
    // The price written twice, for a screen reader and for the eye ("Odds 6.40 Odds 6.40").
    const qsizetype half = s.size() / 2;
    if (half > 0 && s.first(half) == s.last(half) && (s.size() % 2 == 0 || s.at(half) == u' '))
        s = trimmed(s.first(half));
    // A button beside the price in its box ("Odds 6.40 ×", "Odds 2.76 Remove selection×"): the
    // longest run of words after the price that names a button ("Tipp entfernen×", not its last
    // word alone).
    while (!s.isEmpty() && !s.back().isLetterOrNumber()) {
        qsizetype cut = -1;
        for (qsizetype blank = s.lastIndexOf(u' '); blank > 0; blank = s.lastIndexOf(u' ', blank - 1)) {
            const QStringView tail = s.sliced(blank + 1);
            if (std::any_of(tail.begin(), tail.end(), isAsciiDigit)) break;
            QStringView name = tail;  // without the sign run into it
            while (!name.isEmpty() && !name.back().isLetterOrNumber())
                name.chop(1);
            if (((kindsOf(tail) | kindsOf(name)) & kButtonLine) != 0) cut = blank;
        }
        if (cut < 0) break;
        s = trimmed(s.first(cut));
    }
    // The word of a changed price ("statt 3,00 3,30", "Was 1.40"): the last price is the tip's;
    // where one stands alone, the page has struck the old one and its HTML left it out.
    for (const QStringView word : wordsOf(OldPrice)) {
        if (!s.isEmpty() && s.front().isLetter() && startsWithWord(s, word)) {
            s = trimmed(s.sliced(word.size()));
            if (s.startsWith(u':')) s = trimmed(s.sliced(1));
            dress.changed = dress.labelled = true;
        }
    }
    // "statt 1,4 Quote 36,00": the old price, then the new one with its label.
    if (dress.changed) {
        for (const QStringView label : wordsOf(PriceLabel)) {
            const qsizetype at = s.indexOf(u' ' + label.toString() + u' ', 0, Qt::CaseInsensitive);
            if (at > 0 && isAsciiDigit(s.front())) {
                s = trimmed(s.sliced(at + 1));
                break;
            }
        }
    }
    // Labels, one or more ("Odds Szorzó (régi → új):" under a header); most lines begin with a
    // digit or a mark, and are not searched for one.
    const QList<QStringView>& labels = wordsOf(PriceLabel);
    for (qsizetype l = 0; l < labels.size() && !s.isEmpty() && s.front().isLetter(); ++l) {
        const QStringView label = labels[l];
        if (!startsWithWord(s, label)) continue;
        dress.labelled = true;
        s = trimmed(s.sliced(label.size()));
        if (s.startsWith(u'(')) {
            const qsizetype close = s.indexOf(u')');
            if (close < 0) {
                dress.broken = true;
                return dress;
            }
            const QStringView note = s.sliced(1, close - 1);
            dress.oldToNew = note.contains(u'→') || note.contains(u"->");
            s = trimmed(s.sliced(close + 1));
        }
        if (s.startsWith(u':')) s = trimmed(s.sliced(1));
        l = -1;  // another label may follow
    }
    return dress;
}

PriceRead readPrice(QStringView line, bool inPriceColumn, bool due) {
    PriceRead read;
    const PriceDress dress = undressedPrice(line, inPriceColumn);
    if (dress.broken) return read;
    const QStringView s = dress.rest;
    const bool labelled = dress.labelled;
    if (labelled || due) {
        QStringView price = s;
        while (!price.isEmpty() && (price.front() == u' ' || isPriceMark(price.front())))
            price = price.sliced(1);
        while (!price.isEmpty() && (price.back() == u' ' || isPriceMark(price.back())))
            price.chop(1);
        if (const std::optional<QString> form = calc::otherOddsForm(price)) {
            const calc::OddsRatio odds = *calc::oddsRatio(*form);
            read.odds = *form;
            read.kind = 100 * odds.num < 101 * odds.den ? PriceKind::Low : PriceKind::One;
            return read;
        }
    }
    QVarLengthArray<Number, 4> numbers;
    bool arrow = false;
    bool wholeNumber = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar ch = s.at(i);
        if (isAsciiDigit(ch)) {
            const Number n = doubledPriceAt(s, i).value_or(numberAt(s, i));
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
        read.labelOnly = (labelled || !s.isEmpty()) && !arrow;  // "Szorzó:", or a mark alone ("@")
        return read;
    }
    // A whole number is a price only after a label; beside a decimal one it is something else.
    if (!labelled && wholeNumber) return read;
    const Number* price = &numbers.front();
    if (numbers.size() == 2 && numbers.front().odds() == numbers.back().odds() && !arrow) {
        // "Szorzó 8,78 8,78": one price, written for a screen reader and for the eye
    } else if (numbers.size() == 2 && ((dress.oldToNew && arrow) || dress.changed)) {
        price = &numbers.back();
    } else if (numbers.size() > 1) {
        read.kind = PriceKind::Two;
        return read;
    }
    read.odds = price->odds();
    read.kind = isBelowOne(read.odds) ? PriceKind::Low : PriceKind::One;
    return read;
}

bool isStartingPrice(QStringView line) {
    QStringView rest = undressedPrice(line, false).rest;
    while (!rest.isEmpty() && (rest.front() == u' ' || isPriceMark(rest.front())))
        rest = rest.sliced(1);
    while (!rest.isEmpty() && (rest.back() == u' ' || isPriceMark(rest.back())))
        rest.chop(1);
    return isOneOf(rest, wordsOf(StartingPrice));
}

// ---- Headings, dates, buttons, summaries

// "20:45", "12.12.", "2026-12-12", "12/12": digits and the marks of dates and times, but not a
// number with one decimal mark (that could be a price).
bool isDateOrTime(QStringView word) {
    if (word.isEmpty() || !isAsciiDigit(word.front())) return false;  // "-175" is American odds
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
    // "12.12." and "14.12.2026" are dates, "1." of "1. FC Köln" is not.
    return word.contains(u':') || word.contains(u'/') || word.contains(u'-') || marks >= 2;
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
    const QStringView bare = word.chopped(word.endsWith(u'.') ? 1 : 0);
    const unsigned kinds = kindsOf(bare);
    if (isDateOrTime(word) || (kinds & kRelativeDay) != 0) return HeadingWord::Dated;
    // A country goes with a league ("Anglia - Premier League") but also names a national team
    // ("Skócia - Írország"): on its own it says nothing.
    if ((kinds & (kSportWord | kLeagueWord)) != 0) return HeadingWord::Telling;
    if ((kinds & (kDayWord | kCountryWord)) != 0 || digitRun(bare, 0) == bare.size() || isRomanNumeral(word))
        return HeadingWord::Neutral;
    if (word.contains(u'-')) {
        for (const QStringView part : word.split(u'-')) {
            if ((kindsOf(part) & (kSportWord | kLeagueWord)) != 0)
                return HeadingWord::Telling;  // "Európa-liga"
        }
    }
    return HeadingWord::No;
}

// A segment of a heading: a title or a market ("Fogadószelvény – Kötés"), a league or a sport
// with any name around its word ("OTP Bank Liga", "Coupe de France", "Ice Hockey"), or sports, countries,
// days, dates, times and numbers with at least one word that says which (a number or a day alone says
// nothing).
enum class Segment { No, Neutral, Heading };

Segment headingSegment(QStringView segment) {
    if ((kindsOf(segment) & (kButtonLine | kMarketLine)) != 0) return Segment::Heading;
    bool league = false;
    bool unknown = false;
    bool telling = false;
    for (const QStringView word : words(segment)) {
        league = league || (kindsOf(word) & (kLeagueWord | kSportWord)) != 0;  // "Ice Hockey"
        const HeadingWord kind = headingWord(word);
        unknown = unknown || kind == HeadingWord::No;
        telling = telling || kind == HeadingWord::Telling || kind == HeadingWord::Dated;
    }
    if (league || (telling && !unknown)) return Segment::Heading;
    return unknown ? Segment::No : Segment::Neutral;  // a country, a number: heading only beside one
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
    // "Tenisz · Wimbledon · 12.19. 22:30": a line of dotted parts led by a sport or a league names
    // its competition whatever the rest is called.
    if (line.contains(u'·')) {
        const QStringView first = trimmed(line.first(line.indexOf(u'·')));
        if (!first.isEmpty() && headingSegment(first) == Segment::Heading) return true;
    }
    bool telling = false;
    const bool known = forEachSegment(line, [&](QStringView segment) {
        const Segment kind = headingSegment(segment);
        telling = telling || kind == Segment::Heading;
        return kind != Segment::No;
    });
    return known && telling;
}

// An event line that is a heading: its first word already says so ("Anglia - Premier League").
// One whose heading word comes later is told by the event that follows it.
bool startsHeading(QStringView line) {
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != u' ' && line.at(end) != u'·' && line.at(end) != u'|')
        ++end;
    const QStringView first = line.first(end);
    const QStringView bare = first.chopped(first.endsWith(u'.') ? 1 : 0);
    // A title of several words ("SPORTS BETTING – RECEIPT") is told by its first word too.
    const bool maybe = isDateOrTime(first) || digitRun(bare, 0) == bare.size() || isRomanNumeral(first) ||
                       first.contains(u'-') ||
                       (mayBeHeadingWord(bare) && (kindsOf(bare) & ~unsigned(kHeaderWord)) != 0);
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
    for (const QStringView word : wordsOf(Summary)) {
        if (!line.startsWith(word, Qt::CaseInsensitive)) continue;
        if (line.size() == word.size()) return true;
        const QChar next = line.at(word.size());
        if (!next.isLetter()) return true;
    }
    return false;
}

bool isSummaryLabel(QStringView line) {
    const QStringView text = trimmed(line);
    for (const QChar ch : text) {
        if (ch.isDigit()) return false;
    }
    return isSummary(text);
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

bool isSeparatorAlone(QStringView line) {
    line = trimmed(line);
    if (line.size() == 1 && isDash(line.front())) return true;
    for (const QStringView word : wordsOf(Versus)) {
        if (same(line, word.trimmed())) return true;
    }
    return false;
}

bool isRemovalNotice(QStringView line) {
    for (const QStringView word : words(line)) {
        QStringView bare = word;
        while (!bare.isEmpty() && !bare.back().isLetter())
            bare.chop(1);
        if (isOneOf(bare, wordsOf(Removed))) return true;
    }
    return false;
}

// "2:1", "4-2": a match's score.
bool isScore(QStringView text) {
    const qsizetype mark = text.indexOf(u':') >= 0 ? text.indexOf(u':') : text.indexOf(u'-');
    return mark > 0 && digitRun(text, 0) == mark && digitRun(text, mark + 1) == text.size() - mark - 1 &&
           mark + 1 < text.size();
}

bool isMetaLine(QStringView line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0) return false;
    const QStringView label = trimmed(line.first(colon));
    if (isOneOf(label, wordsOf(MetaLabel))) return true;
    return isOneOf(label, wordsOf(ScoreLabel)) && isScore(trimmed(line.sliced(colon + 1)));
}

// "2. tipp", "1. selection": the heading over a tip's lines.
bool isTipHeading(QStringView line) {
    const auto list = words(line);
    return list.size() == 2 && list[0].endsWith(u'.') && digitRun(list[0], 0) == list[0].size() - 1 &&
           isOneOf(list[1], wordsOf(TipWord));
}

// "£5.00", "€ 12,50", "1 500 Ft": an amount of money, a stake or a return beside the tips.
bool isMoney(QStringView text) {
    bool marked = false;
    if (!text.isEmpty() && kCurrencyMarks.contains(text.front())) {
        text = trimmed(text.sliced(1));
        marked = true;
    } else if (!text.isEmpty() && kCurrencyMarks.contains(text.back())) {
        text = trimmed(text.chopped(1));
        marked = true;
    } else if (const qsizetype blank = text.lastIndexOf(u' ');
               blank > 0 && isOneOf(text.sliced(blank + 1), wordsOf(Currency))) {
        text = trimmed(text.first(blank));
        marked = true;
    }
    return marked && !text.isEmpty() && isAsciiDigit(text.front()) && numberAt(text, 0).end == text.size();
}

NoiseKind noiseOf(QStringView line) {
    QStringView text = trimmed(line);
    // A button's label run into its glyph ("Remove selection×").
    while (text.size() > 1 && !text.back().isLetterOrNumber() && (kindsOf(text.last(1)) & kButtonLine) != 0)
        text = trimmed(text.chopped(1));
    while (!text.isEmpty() && text.back() == u':')
        text = trimmed(text.chopped(1));
    if (text.isEmpty()) return NoiseKind::Other;
    if ((kindsOf(text) & (kButtonLine | kMarketLine)) != 0 || isSummary(text)) return NoiseKind::Other;
    bool drawn = true;  // a rule drawn with signs ("=====", "-----")
    for (const QChar ch : text)
        drawn = drawn && !ch.isLetterOrNumber();
    if (drawn || isHeaderLine(text)) return NoiseKind::Other;
    if (isHeading(text)) {
        const auto list = words(text);
        return std::all_of(list.cbegin(), list.cend(), isDateOrTime) ? NoiseKind::DateTime
                                                                     : NoiseKind::Heading;
    }
    if (isMetaLine(text) || isTipHeading(text)) return NoiseKind::Other;
    if (isMoney(text)) return NoiseKind::Money;
    bool buttons = true;  // "Élő Top", "Elfogad Törlés"
    for (const QStringView word : words(text))
        buttons = buttons && (kindsOf(word) & kButtonLine) != 0;
    return buttons || readPrice(text).labelOnly ? NoiseKind::Other : NoiseKind::None;
}

}  // namespace kombinator::slip
