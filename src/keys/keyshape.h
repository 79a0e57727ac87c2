// What a reduction key is, in numbers. A key KK_NN_MM is a family of bets of KK tips out of NN
// events with the promise that whenever at least MM of the NN tips win, some bet has all its tips
// won: every MM-subset of the events holds a bet. The fewer bets, the cheaper the key is to play.
//
// Standard library only, like the rest of the key maker: the window, kombinator-cli and the
// generator of the shipped library (tools/keygen) share it, and the generator builds on its own.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kombinator::keys {

// One bet: bit i stands for event i + 1.
using Bet = std::uint64_t;

struct KeyShape {
    int k = 0;  // tips per bet (KK)
    int n = 0;  // events (NN)
    int m = 0;  // this many winning tips guarantee a winning bet (MM)
    bool operator==(const KeyShape&) const = default;
    auto operator<=>(const KeyShape&) const = default;
};

// Keys at hand before any search (the shipped library, keys made earlier), by shape.
using KeyBook = std::map<KeyShape, std::vector<Bet>>;

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

constexpr std::int64_t binomial(int n, int r) {
    if (r < 0 || n < 0 || r > n) return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * (n - r + i) / i;
    return result;
}

constexpr Bet bit(int event) {
    return Bet{1} << event;
}

// The tips of a bet, counted from 1, ascending.
std::vector<int> tipsOf(Bet bet);

// A key file is a few hundred kilobytes at most; a file far beyond this is not one.
inline constexpr long long kMaxKeyFileBytes = 16 << 20;

// A key file's text: one bet a line, tips written with three digits and one blank between them,
// lines in ascending order of their tips, each ended by CR LF.
std::string keyFileText(std::span<const Bet> bets);
// The bets of a key file's text as keyFileText writes it (three-digit tips parted by one
// character, a line a bet); nullopt for anything else, such as a tip beyond 64 or a repeated tip.
std::optional<std::vector<Bet>> parseKeyFileText(std::string_view text);

// The library's description of a key, after its file name, in words a bettor understands (UTF-8),
// its price first: "56 fogadás – 4-es kötések, 18 esemény: ha legalább 8 tipp bejön, legalább egy
// kötés nyer".
std::string keyDescription(KeyShape shape, std::size_t betCount);

}  // namespace kombinator::keys
