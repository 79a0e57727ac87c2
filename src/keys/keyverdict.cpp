#include "keys/keyverdict.h"

#include <QCoreApplication>

#include <bit>

#include "keys/keybounds.h"
#include "keys/keysearch.h"
#include "keys/substitution.h"

namespace kombinator::keys {

QString betCountText(std::int64_t count) {
    // English says "1 bet" but "2 bets". A key's bets are far fewer than an int holds; the cast
    // stands apart from the call, as lupdate skips a translate() whose arguments hold one.
    const int bets = static_cast<int>(count);
    return QCoreApplication::translate("keymaker", "%n fogadás", nullptr, bets);
}

QString keyPromise(KeyShape shape) {
    return QCoreApplication::translate(
               "keymaker", "Ha a %1 esemény közül legalább %2 tipp bejön, legalább egy %3 tippes kötés nyer.")
        .arg(shape.n)
        .arg(shape.m)
        .arg(shape.k);
}

QString keyVerdict(KeyShape s, std::size_t size, bool proven, bool stopped) {
    // Never offered: a key the check rejects would promise what it cannot keep.
    if (!proven)
        return QCoreApplication::translate("keymaker",
                                           "A talált kulcs nem állta ki az ellenőrzést, nem menthető.");
    QString verdict = QCoreApplication::translate(
                          "keymaker", "Ellenőrizve: a %1 esemény bármely %2 tippje tartalmaz egy kötést.")
                          .arg(s.n)
                          .arg(s.m);
    const auto count = static_cast<std::int64_t>(size);
    // How it compares with the published sizes is keyStanding's.
    if (count <= lowerBound(s))
        verdict += QCoreApplication::translate("keymaker", " Ennél kevesebb fogadással nem lehet.");
    return stopped ? QCoreApplication::translate("keymaker", "Leállítva. ") + verdict : verdict;
}

namespace {

QString noPublishedSize() {
    return QCoreApplication::translate("keymaker", "nincs közölt érték");
}

}  // namespace

QString bestKnownText(KeyShape shape) {
    const std::optional<std::int64_t> known = bestKnownSize(shape);
    return known ? betCountText(*known) : noPublishedSize();
}

QString keyStanding(KeyShape s, std::size_t size) {
    const auto count = static_cast<std::int64_t>(size);
    const std::optional<std::int64_t> known = bestKnownSize(s);
    QString text =
        QCoreApplication::translate("keymaker", "%1, a legjobb ismert: %2, bizonyított alsó korlát: %3")
            .arg(betCountText(count), known ? QString::number(*known) : noPublishedSize(),
                 QString::number(lowerBound(s)));
    if (!known) return text;
    // As in betCountText, the casts stand apart from the calls.
    const int more = static_cast<int>(count - *known);
    const int fewer = static_cast<int>(*known - count);
    if (count == *known)
        text += QCoreApplication::translate("keymaker", " – egyenlő a legjobb ismerttel");
    else if (count > *known)
        text += QCoreApplication::translate("keymaker", " – %n fogadással több a legjobb ismertnél", nullptr,
                                            more);
    else
        text += QCoreApplication::translate("keymaker", " – %n fogadással kevesebb a legjobb ismertnél",
                                            nullptr, fewer);
    return text;
}

bool maySaveKey(bool proven, bool searching, bool alreadySaved, std::size_t size) {
    return proven && !searching && !alreadySaved && size > 0;
}

bool replacesOfferedKey(bool proven, std::size_t offered, std::size_t found) {
    return proven && found > 0 && (offered == 0 || found < offered);
}

bool mayImproveKey(KeyShape shape, bool searching, std::size_t offered) {
    return !searching && offered > 0 && isSearchable(shape) &&
           static_cast<std::int64_t>(offered) > searchGoal(shape);
}

QString saveFailedText() {
    return QCoreApplication::translate("keymaker",
                                       "A kulcs nem menthető: a kulcsmappa vagy a könyvtár nem írható.");
}

QString improvingText(std::size_t trying, double seconds) {
    const int bets = static_cast<int>(trying);
    const int spent = static_cast<int>(seconds);
    return QCoreApplication::translate("keymaker", "Most: %n fogadás próbája", nullptr, bets) +
           QCoreApplication::translate("keymaker", ", %1 s").arg(spent);
}

QString uncoveredText(std::int64_t uncovered) {
    const int sets = static_cast<int>(uncovered);
    return QCoreApplication::translate("keymaker", "%n fedetlen nyerő tippsor", nullptr, sets);
}

QStringList profileTitles() {
    return {QCoreApplication::translate("keymaker", "Bejövő tippek"),
            QCoreApplication::translate("keymaker", "Legkevesebb nyerő kötés"),
            QCoreApplication::translate("keymaker", "Legtöbb nyerő kötés")};
}

std::vector<ProfileRow> shownProfileRows(const std::vector<ProfileRow>& rows) {
    const std::optional<int> from = profileGuarantee(rows);
    if (!from) return {};
    return {rows.begin() + *from, rows.end()};
}

QStringList profileLines(const std::vector<ProfileRow>& rows) {
    QStringList lines = {profileTitles().join(u'\t')};
    for (const ProfileRow& row : shownProfileRows(rows))
        lines << QStringLiteral("%1\t%2\t%3").arg(row.winners).arg(row.fewest).arg(row.most);
    return lines;
}

std::optional<std::vector<Bet>> keyBets(QStringView text) {
    std::vector<Bet> bets;
    for (const QString& line : keyBetLines(text)) {
        Bet bet = 0;
        for (const QStringView tip : QStringView(line).split(u' ', Qt::SkipEmptyParts)) {
            const int number = tip.toInt();
            if (number < 1 || number > kMaxProfileEvents) return std::nullopt;
            bet |= bit(number - 1);
        }
        if (bet != 0) bets.push_back(bet);
    }
    if (bets.empty()) return std::nullopt;
    return bets;
}

int keyEventCount(const QString& name, const std::vector<Bet>& bets) {
    Bet all = 0;
    for (Bet bet : bets)
        all |= bet;
    const int highest = static_cast<int>(std::bit_width(all));
    const std::optional<KeyShape> shape = parseKeyName(name.left(8).toStdString());
    return shape ? std::max(shape->n, highest) : highest;
}

}  // namespace kombinator::keys
