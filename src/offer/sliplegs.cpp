// A leg that a browser copies onto one line, its pieces set side by side on the page: "VfB
// Stuttgart – Paksi FC Kiválasztva: 2 Szorzó 2,46", "Millwall vs Manchester United Away 4.02".
// It is parted into the lines a leg has (the event, the pick, the price, with their labels) at
// the labels the word tables know, at the price at its end and at the pick before that price.
#include <QStringList>

#include "offer/slipparts.h"
#include "offer/slipwords.h"

namespace kombinator::slip {

using namespace slipwords;

namespace {

// Where a new piece of a leg begins at `text` (a word's start): the length of the label that
// begins it there, or 0. A pick's label ("Kiválasztva:", "Tipp:"), a market's name, a price's
// label before a number, the word of an old price.
qsizetype pieceLabelAt(QStringView text) {
    for (const QStringView word : wordsOf(ResultLabel)) {
        if (startsWithWord(text, word) && text.sliced(word.size()).startsWith(u": ")) return word.size() + 1;
    }
    for (const QStringView word : wordsOf(Market)) {
        if (startsWithWord(text, word)) return word.size();
    }
    for (const Role role : {PriceLabel, OldPrice}) {
        for (const QStringView word : wordsOf(role)) {
            if (!startsWithWord(text, word)) continue;
            QStringView rest = text.sliced(word.size());
            if (rest.startsWith(u':')) rest = rest.sliced(1);
            rest = trimmed(rest);
            if (!rest.isEmpty() && isAsciiDigit(rest.front())) return word.size();
        }
    }
    return 0;
}

// A team's name holds no pick: a code, the draw, a line, a market's name.
bool nameHoldsPick(QStringView name) {
    for (const QStringView word : name.split(u' ', Qt::SkipEmptyParts)) {
        if (isOneOf(word, kOfferCodes) || isOneOf(word, wordsOf(Draw)) || isOneOf(word, wordsOf(LinePick)) ||
            isMarket(word))
            return true;
    }
    return false;
}

// Where the pick begins in a leg's event and pick written with nothing between them: a code or
// a side's word ("Millwall vs Manchester United Away"), or a team's name once more ("Watford v
// Middlesbrough Watford", "West Ham v Norwich City Norwich City"); -1 where none is told.
qsizetype pickBeforePrice(QStringView leg) {
    const qsizetype last = leg.lastIndexOf(u' ');
    if (last > 0 && codeOutcome(leg.sliced(last + 1), {}, {}).certain) return last;
    const EventRead event = readEvent(leg);
    if (event.kind != EventKind::Teams) return -1;
    const QStringView away = event.away;
    if (away.endsWith(event.home) && away.size() > event.home.size() + 1 &&
        away.at(away.size() - event.home.size() - 1) == u' ')
        return leg.size() - event.home.size() - 1;
    const qsizetype half = (away.size() - 1) / 2;
    if (away.size() % 2 == 1 && away.at(half) == u' ' && away.first(half) == away.sliced(half + 1))
        return leg.size() - half - 1;
    // "Bayern München vs. VfL Bochum Sieg VfL Bochum": the word of a win before either team.
    for (const QStringView word : wordsOf(WinPrefix)) {
        const QString marker = u' ' + word.toString() + u' ';
        const qsizetype at = away.lastIndexOf(marker);
        if (at <= 0) continue;
        const QStringView picked = away.sliced(at + marker.size());
        if (picked == away.first(at) || picked == event.home) return leg.size() - away.size() + at;
    }
    return -1;
}

}  // namespace

// "Über 8,5", "Kevesebb, mint 10,5": the number at the end is a line market's.
bool endsWithLine(QStringView pick) {
    const QStringView before = trimmed(pick.first(std::max<qsizetype>(0, pick.lastIndexOf(u' '))));
    for (const QStringView word : wordsOf(LinePick)) {
        if (before.endsWith(word, Qt::CaseInsensitive) &&
            (before.size() == word.size() || !before.at(before.size() - word.size() - 1).isLetter()))
            return true;
    }
    return false;
}

bool endsWithPrice(QStringView line) {
    line = trimmed(line);
    const QStringView word = line.sliced(line.lastIndexOf(u' ') + 1);
    return (word.contains(u'.') || word.contains(u',')) && readPrice(word).kind == PriceKind::One;
}

QStringList legPieces(QStringView line, qsizetype leg) {
    line = trimmed(line);
    // A leg on one line ends in its price.
    if (line.isEmpty() || !isAsciiDigit(line.back()) || !endsWithPrice(line)) return {};
    // The leg's number before it ("3 Arsenal v Chelsea ..."), where it is the leg's own.
    const QString number = QString::number(leg) + u' ';
    if (line.startsWith(number)) line = trimmed(line.sliced(number.size()));
    if (line.contains(u'\t') || readEvent(line).kind != EventKind::Teams) return {};
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype at = 1; at < line.size(); ++at) {
        if (line.at(at - 1) != u' ' || !line.at(at).isLetterOrNumber()) continue;
        if (pieceLabelAt(line.sliced(at)) == 0) continue;
        pieces.append(trimmed(line.sliced(start, at - start)).toString());
        start = at;
    }
    pieces.append(trimmed(line.sliced(start)).toString());
    // The price at the end of the leg, and the pick before it where no label told it: a code or
    // a side's word ("Millwall vs Manchester United Away 4.02").
    QString last = pieces.takeLast();
    const qsizetype priceAt = last.lastIndexOf(u' ');
    if (priceAt > 0 && readPrice(QStringView(last).sliced(priceAt + 1), false, true).kind == PriceKind::One &&
        readPrice(last).kind != PriceKind::One) {
        QString price = last.sliced(priceAt + 1);
        last.truncate(priceAt);
        const qsizetype pickAt = pieces.isEmpty() ? pickBeforePrice(last) : -1;
        const QStringView pick = QStringView(last).sliced(pickAt + 1);
        if (pickAt > 0 && readEvent(QStringView(last).first(pickAt)).kind == EventKind::Teams) {
            pieces.append(last.first(pickAt));
            last = pick.toString();
        }
        pieces << last << price;
    } else {
        pieces.append(last);
    }
    if (pieces.size() == 2 && readPrice(pieces.last()).kind == PriceKind::One) {
        // The price's label parted it, and nothing parted the pick from the teams.
        const qsizetype pickAt = pickBeforePrice(pieces.first());
        if (pickAt > 0) {
            const QString leg = pieces.takeFirst();
            pieces.prepend(leg.sliced(pickAt + 1));
            pieces.prepend(leg.first(pickAt));
        }
    }
    if (pieces.size() < 3) return {};
    // A pick that ends in a number of decimals holds a second price: which of them holds, the
    // line cannot tell.
    for (const QString& piece : std::as_const(pieces)) {
        if (endsWithPrice(piece) && readPrice(piece).kind == PriceKind::None && !endsWithLine(piece))
            return {};
    }
    const EventRead event = readEvent(pieces.first());
    if (event.kind != EventKind::Teams || nameHoldsPick(event.home) || nameHoldsPick(event.away)) return {};
    // The teams alone: the kick-off and league before them belong to the leg, not to a heading.
    pieces.first() = event.home.toString() + QStringLiteral(" - ") + event.away.toString();
    return pieces;
}

}  // namespace kombinator::slip
