// Making reduction keys to order. A key KK_NN_MM is a family of bets of KK tips out of NN events
// with the promise that whenever at least MM of the NN tips win, some bet has all its tips won:
// every MM-subset of the events holds a bet. The fewer bets, the cheaper the key is to play.
//
// Standard library only: the key maker's window, kombinator-cli and the generator of the shipped
// library (tools/keygen) share this code, and the generator also builds on its own.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kombinator::keys {

// One bet: bit i stands for event i + 1.
using Bet = std::uint64_t;

struct KeyShape {
    int k = 0;  // tips per bet (KK)
    int n = 0;  // events (NN)
    int m = 0;  // this many winning tips guarantee a winning bet (MM)
    bool operator==(const KeyShape&) const = default;
};

constexpr int kMinTipsPerBet = 2;
constexpr int kMaxTipsPerBet = 6;
constexpr int kMaxEvents = 24;
// Doubles have an exact construction and a fast proof, so they go further.
constexpr int kMaxEventsForDoubles = 50;

// Whether the key maker takes these numbers: 2 <= KK <= 6, KK <= MM < NN, NN up to 24 (50 for
// doubles).
bool isMakeable(KeyShape shape);
// "04_18_08" from the three numbers, and back (nullopt unless three two-digit numbers).
std::string keyName(KeyShape shape);
std::optional<KeyShape> parseKeyName(std::string_view name);

std::int64_t binomial(int n, int r);

// The fewest bets any key of this shape can have, as far as the program can prove it: exact for
// doubles (Turán's theorem), for MM = KK (every bet) and MM = NN - 1 cases that reduce to them,
// otherwise the averaging bound: a key for NN events loses the bets through any one event and
// stays a key for NN - 1 events, so size >= ceil(NN / (NN - KK) * bound(NN - 1)).
std::int64_t lowerBound(KeyShape shape);

// The smallest size published for this shape where the program knows one (Turán numbers and
// covering designs); nullopt when it knows none.
std::optional<std::int64_t> bestKnownSize(KeyShape shape);

// Keys from constructions, at once and for every makeable shape: tip groups (exact for doubles),
// Turán's trebles for MM = 4, and building up from smaller keys event by event.
std::vector<Bet> constructKey(KeyShape shape);
// The group construction alone: all KK-sets inside floor((MM-1)/(KK-1)) nearly equal groups of
// consecutive events. For doubles this is the proven minimum.
std::vector<Bet> groupConstruction(KeyShape shape);

// A key for NN-1 events, plus event NN added to every bet of a key with one tip less per bet and
// a guarantee one lower, is a key for NN events: MM winners without event NN hold a bet of the
// first key; with it, the other MM-1 winners hold a bet of the second.
std::vector<Bet> extendByEvent(const std::vector<Bet>& sameShape, const std::vector<Bet>& oneTipLess, int n);

// The exhaustive check: true when every MM-subset of the events holds a bet of `bets`. Written
// apart from the search's data structures, so a fault there cannot hide itself.
bool provesGuarantee(KeyShape shape, std::span<const Bet> bets);

// What the search reports while it runs: the size of the best key so far and the share of the
// work done (0 to 1).
struct SearchStatus {
    std::size_t bestSize = 0;
    double done = 0;
};
// Called from the searching thread now and then, and whenever the key got smaller; returning
// false stops the search, which then returns the best key found.
using SearchListener = std::function<bool(const SearchStatus&)>;

// How much the search may do. The work counts elementary steps, so on a work budget alone the
// result does not depend on the machine's speed (the library generator runs so); a time limit,
// when given, ends the search earlier on a slow or busy machine.
struct SearchEffort {
    std::int64_t work = 1'500'000'000;
    std::chrono::milliseconds timeLimit{0};  // 0: none
    std::uint64_t seed = 0x4B6F6D62;
};
// What the key maker's window and kombinator-cli allow a search.
constexpr SearchEffort kInteractiveEffort{1'500'000'000, std::chrono::milliseconds(9000), 0x4B6F6D62};

// Shapes whose search tables would outgrow memory get the constructed key only.
bool isSearchable(KeyShape shape);

// The smallest key the search finds: starts from constructKey and improves on it with greedy
// covers and a weighted local search, stopping early at the lower bound or at the best size
// published. Always a valid key when
// the shape is makeable (the search only ever records complete covers).
std::vector<Bet> searchKey(KeyShape shape, const SearchListener& listener = {}, SearchEffort effort = {});
// The same, improving on keys the caller already has (each a valid key of this shape).
std::vector<Bet> improveKey(KeyShape shape, const std::vector<std::vector<Bet>>& starts,
                            const SearchListener& listener, SearchEffort effort);

// Drops every bet the key can do without, latest first.
std::vector<Bet> withoutRedundantBets(KeyShape shape, std::vector<Bet> bets);

// The tips of a bet, counted from 1, ascending.
std::vector<int> tipsOf(Bet bet);

// A key file's text: one bet a line, tips written with three digits and one blank between them,
// lines in ascending order of their tips, each ended by CR LF.
std::string keyFileText(std::span<const Bet> bets);

// The library's description of a key, after its file name, in words a bettor understands
// (UTF-8): "4-es kötések, 18 esemény: ha legalább 8 tipp bejön, legalább egy kötés nyer; 56 fogadás".
std::string keyDescription(KeyShape shape, std::size_t betCount);

}  // namespace kombinator::keys
