// The parts of a racing slip: the race, named by its off time and its course, and the runner,
// whose saddle-cloth number the grid leaves out. The number is the race card's, not the horse's,
// and another book may print it otherwise or not at all; the runner's name is what the tip backs.
// The tip's block keeps the runner's line as the slip printed it, number and all.
#include "app/placeterms.h"
#include "offer/slipparts.h"
#include "offer/slipwords.h"

namespace kombinator::slip {

using namespace slipwords;

namespace {

// "14:30", "9:05": an off time of the 24-hour clock.
bool isOffTime(QStringView word) {
    const qsizetype colon = word.indexOf(u':');
    if (colon < 1 || colon > 2 || word.size() != colon + 3) return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (i != colon && !isAsciiDigit(word.at(i))) return false;
    }
    return word.first(colon).toInt() < 24 && word.sliced(colon + 1).toInt() < 60;
}

// The longest course's name that `text` begins with, as a whole word; 0 when none.
qsizetype courseAt(QStringView text) {
    qsizetype longest = 0;
    for (const QStringView course : wordsOf(Racecourse)) {
        if (course.size() > longest && startsWithWord(text, course)) longest = course.size();
    }
    return longest;
}

// What follows the time and the course: nothing, or the race's name. A name that ends in a price
// or holds a second team is a leg run together, not a race.
bool raceNameAfter(QStringView rest) {
    rest = trimmed(rest);
    if (rest.isEmpty()) return true;
    if (rest.front().isLetterOrNumber() && !rest.startsWith(u'(')) {
        // A blank parts the course from the name; a line of teams is never a race.
        if (readEvent(rest).kind != EventKind::None) return false;
    }
    for (const QStringView versus : wordsOf(Versus)) {
        if (rest.contains(versus, Qt::CaseInsensitive)) return false;
    }
    const qsizetype blank = rest.lastIndexOf(u' ');
    const QStringView last = blank < 0 ? rest : rest.sliced(blank + 1);
    return readPrice(last, false, true).kind == PriceKind::None && !isStartingPrice(last) &&
           termsStart(rest) < 0;
}

// A saddle-cloth number: digits alone.
bool isNumber(QStringView text) {
    if (text.isEmpty() || text.size() > 2) return false;
    for (const QChar ch : text) {
        if (!isAsciiDigit(ch)) return false;
    }
    return true;
}

}  // namespace

QString readRace(QStringView line) {
    line = trimmed(line);
    for (const QStringView versus : wordsOf(Versus)) {
        if (line.contains(versus, Qt::CaseInsensitive)) return {};
    }
    const qsizetype blank = line.indexOf(u' ');
    if (blank < 0) return {};
    const QStringView first = line.first(blank);
    const QStringView rest = trimmed(line.sliced(blank));
    if (isOffTime(first)) {
        // "14:30 Cheltenham Gold Cup Chase"
        const qsizetype course = courseAt(rest);
        if (course == 0 || !raceNameAfter(rest.sliced(course))) return {};
        return first.toString() + u' ' + rest.first(course).toString();
    }
    // "Cheltenham 14:30", "Kempton Park 19:45 - Novice Stakes"
    const qsizetype course = courseAt(line);
    if (course == 0) return {};
    const QStringView after = trimmed(line.sliced(course));
    const qsizetype end = after.indexOf(u' ');
    const QStringView time = end < 0 ? after : after.first(end);
    if (!isOffTime(time) || !raceNameAfter(after.sliced(time.size()))) return {};
    return time.toString() + u' ' + line.first(course).toString();
}

QStringView runnerOf(QStringView line) {
    QStringView name = trimmed(line);
    // "3. Desert Crown", "(3) Desert Crown", "Desert Crown (3)"
    const qsizetype blank = name.indexOf(u' ');
    if (blank > 0) {
        const QStringView first = name.first(blank);
        if ((first.endsWith(u'.') && isNumber(first.chopped(1))) ||
            (first.startsWith(u'(') && first.endsWith(u')') && isNumber(first.sliced(1).chopped(1))))
            name = trimmed(name.sliced(blank));
    }
    const qsizetype open = name.lastIndexOf(QStringLiteral(" ("));
    if (open > 0 && name.endsWith(u')') && isNumber(name.sliced(open + 2).chopped(1)))
        name = trimmed(name.first(open));
    if (!hasLetter(name) || isNoise(name) || isHeading(name) || isStartingPrice(name)) return {};
    for (const QChar ch : name) {
        // A price, a time, a label or a team's separator is no part of a runner's name.
        if (isAsciiDigit(ch) || ch == u'@' || ch == u':' || ch == u'\t') return {};
    }
    if (!readRace(name).isEmpty() || readEvent(name).kind != EventKind::None) return {};
    return name;
}

qsizetype termsStart(QStringView line) {
    line = trimmed(line);
    for (qsizetype at = 0; at >= 0 && at < line.size(); at = line.indexOf(u' ', at)) {
        while (at < line.size() && line.at(at) == u' ')
            ++at;
        if (parsePlaceTerms(line.sliced(at))) return at;
    }
    return -1;
}

}  // namespace kombinator::slip
