// How small a key can be: what is proven, and the smallest sizes published.
#pragma once

#include <cstdint>
#include <optional>

#include "keys/keyshape.h"

namespace kombinator::keys {

// The fewest bets any key of this shape can have, as far as it is proven: exact for doubles
// (Turán's theorem), for MM = KK (every bet), for MM = NN - 1 (every event in a bet's complement),
// for five-of-2m trebles up to 16 events (Turán's two halves, whose optimality is known up to 17
// events); otherwise the larger of the lower bound published beside the best size (publishedsizes.inc)
// and the averaging bound: a key for NN events loses the bets through any one event and stays a key
// for NN - 1 events, so size >= ceil(NN / (NN - KK) * bound(NN - 1)).
std::int64_t lowerBound(KeyShape shape);

// The smallest size published for this shape (publishedsizes.inc: the La Jolla Covering
// Repository and Turán numbers), or the proven size where it is exact; nullopt when none is known.
// The search stops as soon as it gets there.
std::optional<std::int64_t> bestKnownSize(KeyShape shape);

// The size at which a search has nothing more to look for: the proven bound or, where one is
// known, the best published size.
std::int64_t searchGoal(KeyShape shape);

}  // namespace kombinator::keys
