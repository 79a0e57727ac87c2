// How small a key can be: what the program proves, and the smallest sizes published.
#pragma once

#include <cstdint>
#include <optional>

#include "keys/keyshape.h"

namespace kombinator::keys {

// The fewest bets any key of this shape can have, as far as the program can prove it: exact for
// doubles (Turán's theorem), for MM = KK (every bet), for five-of-2m trebles up to 16 events
// (Turán's two halves, whose optimality is known up to 17 events), otherwise the averaging bound:
// a key for NN events loses the bets through any one event and stays a key for NN - 1 events, so
// size >= ceil(NN / (NN - KK) * bound(NN - 1)).
std::int64_t lowerBound(KeyShape shape);

// The smallest size published for this shape where the program knows one (Turán numbers and
// covering designs); nullopt when it knows none. The search stops as soon as it gets there.
std::optional<std::int64_t> bestKnownSize(KeyShape shape);

// The size at which a search has nothing more to look for: the proven bound or, where one is
// known, the best published size.
std::int64_t searchGoal(KeyShape shape);

}  // namespace kombinator::keys
