// The key maker's words and rules, apart from its window: what a made key is worth, when it may be
// saved, and what a key pays (its profile) as the window, the key dialog and kombinator-cli show it.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

#include "keys/keyproof.h"
#include "keys/keyshape.h"

namespace kombinator::keys {

// "56 fogadás"
QString betCountText(std::int64_t count);

// The status line under a finished search: proven or not, and how its size compares with the
// proven bound and the best published size.
QString keyVerdict(KeyShape shape, std::size_t size, bool proven, bool stopped);

// A key may be saved when the exhaustive check proved it, no search is running and this very key
// has not been saved yet.
bool maySaveKey(bool proven, bool searching, bool alreadySaved, std::size_t size);

// The profile table's column titles and its rows from the key's guarantee to every event winning:
// winners, fewest winning bets, most winning bets.
QStringList profileTitles();
std::vector<ProfileRow> shownProfileRows(const std::vector<ProfileRow>& rows);
// The table as text, a row a line, the columns parted by tabs, the titles first.
QStringList profileLines(const std::vector<ProfileRow>& rows);

// The bets of a key file's text as key substitution reads them; nullopt when a bet names tip 0 or
// a tip beyond kMaxProfileEvents, or when there is no bet at all.
std::optional<std::vector<Bet>> keyBets(QStringView text);
// The events a key covers: those its name promises (characters 4-5 of a key name "KK_NN_MM"),
// or, without such a name, its highest tip; never fewer than its highest tip.
int keyEventCount(const QString& name, const std::vector<Bet>& bets);

}  // namespace kombinator::keys
