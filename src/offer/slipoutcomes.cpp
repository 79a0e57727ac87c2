// The outcomes of a slip: which side a pick names, its markers, and the picks of other markets
// and lines that the reader tells from a result.
#include <QVarLengthArray>

#include "offer/slipparts.h"
#include "offer/slipwords.h"

namespace kombinator::slip {

using namespace slipwords;

enum class Side { None, Home, Away, Draw };

// `part` is the start of `team` up to a word's end ("Szeged" of "Szeged-Csanád Grosics Akadémia").
// A start of five letters or more needs no word's end ("Szolnok" of "Szolnoki Olajbányász").
bool isStartOf(QStringView part, QStringView team) {
    if (part.size() < 3 || team.isEmpty() || !team.startsWith(part)) return false;
    return team.size() == part.size() || !team.at(part.size()).isLetterOrNumber() || part.size() >= 5;
}

// `part` is the end of `team` from a word's start ("Alcaraz" of "Carlos Alcaraz").
bool isEndOf(QStringView part, QStringView team) {
    if (part.size() < 3 || team.size() <= part.size() || !team.endsWith(part)) return false;
    const QChar before = team.at(team.size() - part.size() - 1);
    return before == u' ' || before == u'-' || before == u'.';
}

// The outcome begins with the team's whole name: "Arsenal (H)", but not "Boost" for a team "B".
bool startsWithTeam(QStringView outcome, QStringView team) {
    if (team.isEmpty() || !outcome.startsWith(team)) return false;
    return outcome.size() == team.size() || !outcome.at(team.size()).isLetterOrNumber() ||
           !team.back().isLetterOrNumber();
}

Side sideOf(QStringView part, QStringView home, QStringView away) {
    part = trimmed(part);
    // A team's whole name is that team even where it begins the other's ("Dundee", "Dundee United").
    if (part == home && part != away) return Side::Home;
    if (part == away && part != home) return Side::Away;
    const bool homeSide = part == home || isStartOf(part, home) || isEndOf(part, home);
    const bool awaySide = part == away || isStartOf(part, away) || isEndOf(part, away);
    if (homeSide != awaySide) return homeSide ? Side::Home : Side::Away;
    if (isOneOf(part, wordsOf(Home))) return Side::Home;
    if (isOneOf(part, wordsOf(Away))) return Side::Away;
    if (isOneOf(part, wordsOf(Draw))) return Side::Draw;
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
OutcomeRead codeOutcome(QStringView code, QStringView home, QStringView away) {
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

bool isResultLabel(QStringView label);

// An outcome after the names of its market.
struct Unlabelled {
    QStringView outcome;
    bool foreign = false;  // a name is another market's than the match's result
};

// The text before a colon ends in a pick's label ("Selected", "1X2 Kiválasztva").
bool endsInLabel(QStringView text) {
    text = trimmed(text);
    return isOneOf(text.sliced(text.lastIndexOf(u' ') + 1), wordsOf(ResultLabel));
}

// An outcome line that names the market first ("Végeredmény: MTK", "1X2: 1", a label for screen
// readers before the page's own, "Selected: Pick: 12"), or a table's cell that holds the market's
// name and the pick ("Endergebnis Unentschieden"): the outcome after them. A colon with no blank
// after it ("20:45", "2:1") ends no label.
Unlabelled withoutMarketLabels(QStringView line) {
    Unlabelled read{line};
    for (;;) {
        const QStringView rest = read.outcome;
        const qsizetype colon = rest.indexOf(u':');
        if (colon <= 0 || colon + 1 == rest.size()) break;
        // A label the browser ran into the pick ("Selected:Draw") is still a label: its colon
        // parts them.
        if (rest.at(colon + 1) != u' ' &&
            !(rest.at(colon + 1).isLetterOrNumber() && endsInLabel(rest.first(colon))))
            break;
        read.outcome = trimmed(rest.sliced(colon + 1));
        if (!isResultLabel(trimmed(rest.first(colon)))) {
            read.foreign = true;
            return read;
        }
    }
    for (const QStringView word : wordsOf(Market)) {
        const QStringView rest = read.outcome;
        if (rest.size() > word.size() + 1 && startsWithWord(rest, word) && rest.at(word.size()) == u' ') {
            read.outcome = trimmed(rest.sliced(word.size()));
            read.foreign = read.foreign || !isResultLabel(word);
            return read;
        }
    }
    return read;
}

bool isResultLabelAlone(QStringView line) {
    line = trimmed(line);
    return line.endsWith(u':') && isOneOf(trimmed(line.chopped(1)), wordsOf(ResultLabel));
}

bool gluedToMarket(QStringView outcome) {
    outcome = trimmed(outcome);
    // Most outcomes never run a small letter or a digit into a capital or a digit.
    bool runs = false;
    for (qsizetype i = 1; i < outcome.size() && !runs; ++i) {
        const QChar a = outcome.at(i - 1);
        const QChar b = outcome.at(i);
        runs = (a.isLower() || a.isDigit()) && (b.isUpper() || b.isDigit()) && !(a.isDigit() && b.isDigit());
    }
    if (!runs) return false;
    for (const Role role : {ResultLabel, Market}) {
        for (const QStringView word : wordsOf(role)) {
            if (outcome.size() <= word.size() || !outcome.startsWith(word, Qt::CaseInsensitive)) continue;
            const QChar last = word.back();
            const QChar next = outcome.at(word.size());
            if ((last.isLower() || last.isDigit()) && (next.isUpper() || next.isDigit())) return true;
        }
    }
    return false;
}

QStringView withoutMarketLabel(QStringView line) {
    return withoutMarketLabels(line).outcome;
}

// A line market's pick: "Több, mint 2,5", "Arsenal Over 1.5", "Unter 9,5 Ecken". Its number is
// the line, and the pick backs no side of the match.
bool hasLinePick(QStringView outcome) {
    for (const QStringView word : wordsOf(LinePick)) {
        for (qsizetype at = outcome.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = outcome.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            const qsizetype after = at + word.size();
            if ((at == 0 || !outcome.at(at - 1).isLetter()) && after + 1 < outcome.size() &&
                outcome.at(after) == u' ' && isAsciiDigit(outcome.at(after + 1)))
                return true;
        }
    }
    return false;
}

bool isFurtherPick(QStringView line) {
    line = trimmed(line);
    if (hasLinePick(line)) return true;
    const qsizetype colon = line.indexOf(u": ");
    return colon > 0 && colon + 2 < line.size() && isOneOf(trimmed(line.first(colon)), wordsOf(Market)) &&
           !isResultLabel(trimmed(line.first(colon)));
}

// An outcome of several picks ("Kiválasztva: A Kiválasztva: Több, mint 2,5", "A + Több, mint
// 2,5": a bet builder's leg) is a tip of its own market: its label stands more than once, or a
// pick of a line or another market is added to it.
bool severalPicks(QStringView outcome) {
    for (const QStringView pick : outcome.split(kPicksJoined)) {
        if (pick.size() != outcome.size() && isFurtherPick(pick)) return true;
    }
    const qsizetype colon = outcome.indexOf(u": ");
    if (colon <= 0) return false;
    const QStringView label = outcome.first(colon + 2);
    return outcome.indexOf(label, colon + 2) > 0;
}

// "Végeredmény", "Győztes (hosszabbítással)": a label of the match's result.
bool isResultLabel(QStringView label) {
    for (const QStringView word : wordsOf(ResultLabel)) {
        if (startsWithWord(label, word)) return true;
    }
    return false;
}

// A handicap or a line: a signed number ("(+1)", "-1,5") beside the team.
bool hasSignedNumber(QStringView outcome) {
    for (qsizetype i = 0; i + 1 < outcome.size(); ++i) {
        const QChar sign = outcome.at(i);
        if ((sign == u'+' || sign == u'-' || sign == QChar(0x2212)) && isAsciiDigit(outcome.at(i + 1)) &&
            (i == 0 || outcome.at(i - 1) == u' ' || outcome.at(i - 1) == u'('))
            return true;
    }
    return false;
}

OutcomeRead sideOfOutcome(QStringView whole, QStringView home, QStringView away);

OutcomeRead readOutcome(QStringView line, QStringView home, QStringView away) {
    const QStringView whole = trimmed(line);
    // Most outcomes are a team's name as the event writes it.
    if (!home.isEmpty() && whole == home && whole != away)
        return {true, OutcomeMarker::Win, OutcomeMarker::None};
    if (!away.isEmpty() && whole == away) return {true, OutcomeMarker::None, OutcomeMarker::Win};
    OutcomeRead read = sideOfOutcome(whole, home, away);
    // The markers show who wins the match: not a half, a set, a handicap or another market.
    const Unlabelled unlabelled = withoutMarketLabels(whole);
    const QStringView outcome = unlabelled.outcome;
    const bool foreignLabel =
        unlabelled.foreign && !startsWithTeam(whole, home) && !startsWithTeam(whole, away);
    if (foreignLabel || hasSignedNumber(outcome) || hasLinePick(whole) || severalPicks(whole))
        read.home = read.away = OutcomeMarker::None;
    return read;
}

// What side of the event an outcome names, whatever its market.
OutcomeRead sideOfOutcome(QStringView whole, QStringView home, QStringView away) {
    const bool teamFirst = startsWithTeam(whole, home) || startsWithTeam(whole, away);
    QStringView outcome = teamFirst ? whole : withoutMarketLabel(whole);
    // "Sieg Hertha BSC": the team after the word is the winner.
    for (const QStringView word : wordsOf(WinPrefix)) {
        if (!teamFirst && outcome.size() > word.size() + 1 && startsWithWord(outcome, word) &&
            outcome.at(word.size()) == u' ')
            outcome = trimmed(outcome.sliced(word.size()));
    }

    OutcomeRead read = codeOutcome(outcome, home, away);
    if (read.certain) return read;
    // "Ferencváros vagy döntetlen", "Arsenal or Draw", "Arsenal vagy Chelsea".
    for (const QStringView word : wordsOf(Or)) {
        const qsizetype at = outcome.indexOf(word, 0, Qt::CaseInsensitive);
        if (at <= 0) continue;
        read = markersOf(sideOf(outcome.first(at), home, away),
                         sideOf(outcome.sliced(at + word.size()), home, away));
        if (read.certain) return read;
    }
    if (isMarket(whole)) return {};  // "Kétesély" alone names the bet, not its outcome
    // The draw and double chance words anywhere in the line, and a team at its start.
    const auto anywhere = [&](Role role) {
        for (const QStringView word : wordsOf(role)) {
            if (whole.contains(word)) return true;
        }
        return false;
    };
    const bool draw = anywhere(DrawAnywhere);
    const bool doubleChance = anywhere(DoubleChanceAnywhere);
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

QStringView otherMarketOf(QStringView line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0 || !isOneOf(trimmed(line.first(colon)), wordsOf(MarketLabel))) return {};
    const QStringView market = trimmed(line.sliced(colon + 1));
    if (market.isEmpty() || isResultLabel(market) || isMarket(market)) return {};
    return market;
}

// "1 6,19 X 3,40 2 1,87": an offer's codes each with its price. Empty for any other text, and
// for fewer than `least` pairs.
QList<OfferedPrice> offeredPrices(QStringView text, qsizetype least) {
    QList<OfferedPrice> offer;
    QVarLengthArray<QStringView, 8> tokens;
    for (const QStringView token : text.split(u' ', Qt::SkipEmptyParts))
        tokens.append(token);
    if (tokens.size() % 2 != 0 || tokens.size() < 2 * least) return {};
    for (qsizetype t = 0; t < tokens.size(); t += 2) {
        const QStringView code = tokens[t];
        if (!isOneOf(code, kOfferCodes)) return {};
        const PriceRead price = readPrice(tokens[t + 1]);
        if (price.kind != PriceKind::One) return {};
        offer.append({code.toString().toUpper(), tokens[t + 1].toString(), price.odds});
    }
    return offer;
}

QString codeOf(const OutcomeRead& outcome) {
    using M = OutcomeMarker;
    if (outcome.home == M::Win && outcome.away == M::None) return QStringLiteral("1");
    if (outcome.home == M::None && outcome.away == M::Win) return QStringLiteral("2");
    if (outcome.home == M::Draw && outcome.away == M::Draw) return QStringLiteral("X");
    if (outcome.home == M::WinOrDraw) return QStringLiteral("1X");
    if (outcome.away == M::WinOrDraw) return QStringLiteral("X2");
    if (outcome.home == M::Win && outcome.away == M::Win) return QStringLiteral("12");
    return {};
}

}  // namespace kombinator::slip
