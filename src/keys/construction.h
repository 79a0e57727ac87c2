// Keys built by rule rather than searched: at once and for every makeable shape, each valid by its
// own argument (the exhaustive check still proves whatever the key maker hands out).
#pragma once

#include <utility>
#include <vector>

#include "keys/keyshape.h"

namespace kombinator::keys {

// The smallest key the constructions below give, using the keys of `book` as building blocks
// where they are smaller: tip groups (exact for doubles), Turán's trebles for MM = 4, a key of
// one event more with an event dropped, a key of one event less extended, and two keys on two
// parts of the events joined, and the key induced by one of an event and a tip more.
std::vector<Bet> constructKey(KeyShape shape, const KeyBook& book = {});

// The group construction alone: all KK-sets inside floor((MM-1)/(KK-1)) nearly equal groups of
// consecutive events. For doubles this is the proven minimum.
std::vector<Bet> groupConstruction(KeyShape shape);

// A key for NN-1 events, plus event NN added to every bet of a key with one tip less per bet and
// a guarantee one lower, is a key for NN events: MM winners without event NN hold a bet of the
// first key; with it, the other MM-1 winners hold a bet of the second.
std::vector<Bet> extendByEvent(const std::vector<Bet>& sameShape, const std::vector<Bet>& oneTipLess, int n);

// Two keys side by side: `first` on the first n1 events with guarantee m1, `second` on the rest
// with guarantee m2 make a key with guarantee m1 + m2 - 1, since that many winners put at least
// m1 into the first part or m2 into the second.
std::vector<Bet> joinSideBySide(const std::vector<Bet>& first, int n1, const std::vector<Bet>& second);
// The shapes of the two keys joinSideBySide can make a key of this shape from: n1 and NN - n1
// events, with guarantees m1 and MM + 1 - m1, each at least KK and at most its events.
std::vector<std::pair<KeyShape, KeyShape>> sideBySideSplits(KeyShape shape);

// A key for NN events without its busiest event and every bet through it: still a key, for
// NN - 1 events (MM winners avoiding the event hold a bet, which avoids it too).
std::vector<Bet> dropBusiestEvent(const std::vector<Bet>& bets, int n);

// The key a key of one event and one tip more induces on the other events, for one guarantee
// less: every bet through one event without it, every other bet without its last tip (MM winners
// and that event are MM + 1 winners of the larger key: its bet lies in them, and what is left of it
// in the MM). Of the events, the one that leaves the fewest bets; `n` counts the larger key's events.
std::vector<Bet> inducedByEvent(const std::vector<Bet>& bets, int n);

std::vector<Bet> sortedUnique(std::vector<Bet> bets);

}  // namespace kombinator::keys
