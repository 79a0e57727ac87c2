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

// What a key of this shape guarantees, in the words the key maker shows above its search.
QString keyPromise(KeyShape shape);

// The status line under a finished search: proven or not, and whether its size is the proven
// bound.
QString keyVerdict(KeyShape shape, std::size_t size, bool proven, bool stopped);

// The best size known for the shape, "42 fogadás", or that none is published.
QString bestKnownText(KeyShape shape);

// The made key against what is known, as the window shows it and kombinator-cli writes it on
// standard error: "44 fogadás, a legjobb ismert: 42, bizonyított alsó korlát: 37 – 2 fogadással
// több a legjobb ismertnél".
QString keyStanding(KeyShape shape, std::size_t size);

// A key may be saved when the exhaustive check proved it, no search is running and this very key
// has not been saved yet.
bool maySaveKey(bool proven, bool searching, bool alreadySaved, std::size_t size);
// Whether a finished search's key takes the place of the key on offer (0: none): only a proven
// key, and only a smaller one, so going on never loses a key.
bool replacesOfferedKey(bool proven, std::size_t offered, std::size_t found);
// "Tovább javítom" goes on from the key on offer while no search runs and a smaller key may exist.
bool mayImproveKey(KeyShape shape, bool searching, std::size_t offered);
// What the window says when a save did not happen.
QString saveFailedText();
// While "Tovább javítom" tries a smaller size: "Most: 43 fogadás próbája, 12 s" and the winner sets
// still uncovered, for the progress bar.
QString improvingText(std::size_t trying, double seconds);
QString uncoveredText(std::int64_t uncovered);

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
