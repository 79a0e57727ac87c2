// The event of a tip: two teams, the separator between them, and the kick-off or a tip's number
// before the home team, which is no part of its name.
#include <QString>

#include "offer/slipparts.h"
#include "offer/slipwordkinds.h"
#include "offer/slipwords.h"
#include "platform/text.h"

namespace kombinator::slip {

using namespace slipwords;

// A kick-off written before the teams ("20:45 Arsenal - Chelsea") is not part of a name.
// A tip's number on a receipt ("1)", "(2)", "#3", "4." before two blanks) is no part of a name
// either; "1. FC Köln" keeps its "1.".
bool isTipNumber(QStringView word, QStringView after) {
    QStringView digits = word;
    if (digits.startsWith(u'#') || digits.startsWith(u'(')) digits = digits.sliced(1);
    const bool closed = digits.endsWith(u')');
    const bool dotted = digits.endsWith(u'.') && after.startsWith(u' ');
    if (closed || dotted) digits.chop(1);
    return !digits.isEmpty() && digitRun(digits, 0) == digits.size() &&
           (closed || dotted || word.startsWith(u'#'));
}

// A date or a time as pages write them: groups of one or two digits, and one of four (a year) at
// either end. "14.11.20261." is a date a browser ran into the digits of a name ("1. FC").
bool wellFormedDateOrTime(QStringView word) {
    while (word.endsWith(u'.') || word.endsWith(u','))
        word.chop(1);
    qsizetype groups = 0;
    qsizetype years = 0;
    for (qsizetype at = 0; at <= word.size();) {
        const qsizetype digits = digitRun(word, at);
        if (digits == 4 && (at == 0 || at + digits == word.size())) {
            ++years;
        } else if (digits < 1 || digits > 2) {
            return false;
        }
        ++groups;
        at += digits + 1;
    }
    return groups >= 2 && years <= 1;
}

// A kick-off's day and month in words ("Sun 9 Sep 14:30 Arsenal") go with its time: they are
// taken off only up to a date or a time. Empty where a date or time ran into the name's digits.
QStringView withoutKickOff(QStringView name) {
    // No name holds a clock's time or a whole date: what stands before one ("OTP Bank Liga · H
    // 13:00", "Champions League · 08.12.2026") is the kick-off and its league, also where a browser
    // ran it into the name, writing two elements with nothing between them ("Sun 9 Sep
    // 14:30Blackburn Rovers", "05.10.2026Bayern München").
    for (qsizetype i = name.size() - 1; i >= 3; --i) {
        if (!name.at(i).isUpper() || !isAsciiDigit(name.at(i - 1))) continue;
        qsizetype from = i;
        while (from > 0 &&
               (isAsciiDigit(name.at(from - 1)) || QStringView(u".:/").contains(name.at(from - 1))))
            --from;
        const QStringView run = name.sliced(from, i - from);
        if (isDateOrTime(run) && wellFormedDateOrTime(run)) return name.sliced(i);
    }
    for (qsizetype end = name.size(); end > 0;) {
        const qsizetype blank = name.lastIndexOf(u' ', end - 1);
        const QStringView word = name.sliced(blank + 1, end - blank - 1);
        const bool dated = word.count(u'.') + word.count(u'/') >= 2;  // "08.12.2026", not "1." of "1. FC"
        const bool kickOff = (word.contains(u':') || dated) && isDateOrTime(word);
        if (kickOff && !wellFormedDateOrTime(word)) return {};
        if (kickOff && blank > 0 && end < name.size()) {
            name = trimmed(name.sliced(end));
            break;
        }
        if (blank < 0) break;
        end = blank;
    }
    QStringView dated = name;
    for (;;) {
        const qsizetype blank = name.indexOf(u' ');
        if (blank <= 0) return dated;
        QStringView first = name.first(blank);
        const bool timed = isDateOrTime(first) || isTipNumber(first, name.sliced(blank + 1));
        while (first.endsWith(u',') || first.endsWith(u'.'))
            first.chop(1);
        const bool dayPart = (kindsOf(first) & (kDayWord | kRelativeDay)) != 0 ||
                             (!first.isEmpty() && first.size() <= 2 && digitRun(first, 0) == first.size());
        if (!timed && !dayPart) return dated;
        name = trimmed(name.sliced(blank + 1));
        if (timed) dated = name;
    }
}

EventRead teams(QStringView home, QStringView away) {
    home = withoutKickOff(home);
    if (!hasLetter(home) || !hasLetter(away) || home == away) return {};  // no team plays itself
    // A name the page cut short ("Real…") cannot be told from another team's.
    const auto cut = [](QStringView name) { return name.endsWith(QChar(0x2026)) || name.endsWith(u"..."); };
    if (cut(home) || cut(away)) return {EventKind::Cut, home, away};
    return {EventKind::Teams, home, away};
}

qsizetype versusAt(QStringView line, qsizetype& length) {
    qsizetype best = -1;
    for (const QStringView word : wordsOf(Versus)) {
        const qsizetype at =
            line.indexOf(word, 0, word.trimmed().size() == 1 ? Qt::CaseSensitive : Qt::CaseInsensitive);
        if (at > 0 && (best < 0 || at < best)) {
            best = at;
            length = word.size();
        }
    }
    return best;
}

// Teams whose separator a browser ran into both names, as it writes the text of three elements
// set apart by the page's style alone: "Blackburn RoversvFulham". Only a separator between a
// small letter and a capital, once in the line, parts them; the weakest of separators.
EventRead gluedEvent(QStringView line) {
    qsizetype at = -1;
    qsizetype length = 0;
    for (const QStringView spaced : wordsOf(Versus)) {
        const QStringView word = spaced.trimmed();
        for (qsizetype from = line.indexOf(word, 1); from > 0; from = line.indexOf(word, from + 1)) {
            const qsizetype end = from + word.size();
            if (end >= line.size() || !line.at(from - 1).isLower() || !line.at(end).isUpper()) continue;
            if (at >= 0 && at != from) return {};  // two places to part at
            if (at < 0 || word.size() > length) {
                at = from;
                length = word.size();
            }
        }
    }
    if (at < 0) return {};
    EventRead read = teams(line.first(at), line.sliced(at + length));
    read.bare = true;
    return read;
}

// Two teams around a dash between blanks, "v", "vs", "vs.", a tab, or, where none of those
// stands, one bare hyphen. A hyphen inside a name never parts the teams when a spaced separator
// does, and a line of two bare dashes does not tell where the first name ends.
EventRead readEvent(QStringView line) {
    line = trimmed(line);
    if (line.contains(u'\t')) {
        QVarLengthArray<QStringView, 4> names;
        for (const QStringView cell : line.split(u'\t')) {
            if (!trimmed(cell).isEmpty()) names.append(trimmed(cell));
        }
        if (names.size() != 2 || readPrice(names[0]).kind != PriceKind::None ||
            readPrice(names[1]).kind != PriceKind::None)
            return {};
        return teams(names[0], names[1]);
    }
    const qsizetype dash = spacedDashAt(line);
    if (dash >= 0) {
        EventRead read = teams(line.first(dash - 1), line.sliced(dash + 2));
        read.asWritten = read.home.size() == dash - 1;  // no kick-off taken off the home team
        return read;
    }
    qsizetype length = 0;
    const qsizetype versus = versusAt(line, length);
    if (versus >= 0) return teams(trimmed(line.first(versus)), trimmed(line.sliced(versus + length)));
    qsizetype bare = -1;
    int dashes = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) != u'-') continue;
        ++dashes;
        if (bare < 0) bare = i;
    }
    if (dashes == 0) return gluedEvent(line);
    if (bare == 0 || bare + 1 == line.size()) return {};
    // Names either side of a bare hyphen begin as names do: "Arsenal-Chelsea", not "Ft-ig".
    const auto capital = [](QStringView name) {
        for (const QChar ch : name) {
            if (ch.isLetterOrNumber()) return !ch.isLower();
        }
        return false;
    };
    if (!capital(line.first(bare)) || !capital(line.sliced(bare + 1))) return {};
    EventRead read = teams(line.first(bare), line.sliced(bare + 1));
    if (read.kind == EventKind::Teams && dashes > 1) read.kind = EventKind::Unclear;
    read.asWritten = read.home.size() == bare;
    read.bare = true;
    return read;
}

}  // namespace kombinator::slip
