// What a key really does, found by looking at every set of winners: the proof of its guarantee
// and its profile. Written apart from the search's data structures, so a fault there cannot hide
// itself.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "keys/keyshape.h"

namespace kombinator::keys {

// The exhaustive check: true when every MM-subset of the events holds a bet of `bets`.
bool provesGuarantee(KeyShape shape, std::span<const Bet> bets);

// For j winning tips out of the key's events, the fewest and the most bets that win.
struct ProfileRow {
    int winners = 0;
    std::int64_t fewest = 0;
    std::int64_t most = 0;
};
constexpr int kMaxProfileEvents = kMaxEvents;
// Rows for 0 to `events` winners (index = winners), exact over every set of winners. Nullopt for
// more than kMaxProfileEvents events or a bet beyond them.
std::optional<std::vector<ProfileRow>> keyProfile(int events, std::span<const Bet> bets);
// The fewest winners that always win a bet (the first row whose fewest is not 0); nullopt when
// not even every event winning does.
std::optional<int> profileGuarantee(const std::vector<ProfileRow>& rows);

}  // namespace kombinator::keys
