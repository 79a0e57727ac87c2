// The named bets beyond the full covers: any-to-come bets (Single and Double Stakes About), the
// Round Robin and the Flags built from them, the Union Jack bets over a grid of nine tips and the
// Alphabet. This table is the one place that names them: the menu "Egyéb fogadások" with its
// entries' captions, descriptions and enabling, the writing of their bets, the command line's
// names and the documentation's check all read it. A new bet is a new row.
#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace kombinator::calc {

// One part of a named bet: the folds and any-to-come pairs over a set of its tips.
struct Cover {
    std::uint32_t tips;  // bit t-1 for tip t; 0: every tip in hand
    int fromFold;        // the folds over those tips, from this size (1: the singles, written last)
    int toFold;          // up to this one; 0: no folds
    int carry;           // any-to-come pairs of every two of them, carrying this many stakes on; 0: none
};

struct NamedBet {
    const char* name;  // as a bettor says it: "Round Robin", "SSA"
    int tips;          // the fewest tips it takes
    int maxTips;       // the most; the same as `tips` for a bet over a fixed number of tips
    int bets;          // bet lines it writes with `tips` tips
    std::span<const Cover> covers;

    bool fits(int tipCount) const { return tips <= tipCount && tipCount <= maxTips; }
    // The menu entry's caption: the name with its bet count ("Round Robin 10"); a bet whose count
    // follows the tips in hand has its name alone ("SSA").
    QString caption() const;
    // What the entry says to a screen reader and in the menu: "Round Robin: 3 tipp, 10 fogadás",
    // "SSA: 2 vagy több tipp, páronként 2 fogadás".
    QString description() const;
};

constexpr std::uint32_t tipSet(std::initializer_list<int> tips) {
    std::uint32_t set = 0;
    for (const int tip : tips)
        set |= std::uint32_t{1} << (tip - 1);
    return set;
}
constexpr std::uint32_t firstTips(int n) {
    return (std::uint32_t{1} << n) - 1;
}

// The Union Jack's nine tips on a 3 x 3 grid, 1 to 9 row by row: its 3 rows, 3 columns and 2
// diagonals.
inline constexpr std::array<std::uint32_t, 8> kUnionJackLines{
    tipSet({1, 2, 3}), tipSet({4, 5, 6}), tipSet({7, 8, 9}), tipSet({1, 4, 7}),
    tipSet({2, 5, 8}), tipSet({3, 6, 9}), tipSet({1, 5, 9}), tipSet({3, 5, 7}),
};
constexpr std::array<Cover, 8> overUnionJack(int fromFold, int toFold, int carry) {
    std::array<Cover, 8> covers{};
    for (std::size_t i = 0; i < covers.size(); ++i)
        covers[i] = {kUnionJackLines[i], fromFold, toFold, carry};
    return covers;
}

inline constexpr Cover kSsa[] = {{0, 0, 0, 1}};
inline constexpr Cover kDsa[] = {{0, 0, 0, 2}};
inline constexpr Cover kRoundRobin[] = {{firstTips(3), 2, 3, 1}};
inline constexpr Cover kFlag[] = {{firstTips(4), 2, 4, 1}};
inline constexpr Cover kSuperFlag[] = {{firstTips(5), 2, 5, 1}};
inline constexpr Cover kHeinzFlag[] = {{firstTips(6), 2, 6, 1}};
inline constexpr Cover kSuperHeinzFlag[] = {{firstTips(7), 2, 7, 1}};
inline constexpr Cover kGoliathFlag[] = {{firstTips(8), 2, 8, 1}};
inline constexpr auto kUnionJack = overUnionJack(3, 3, 0);
inline constexpr auto kUnionJackTrixie = overUnionJack(2, 3, 0);
inline constexpr auto kUnionJackPatent = overUnionJack(1, 3, 0);
inline constexpr auto kUnionJackRoundRobin = overUnionJack(2, 3, 1);
// A Patent on tips 1-3 and one on tips 4-6, a Yankee on tips 2-5 and the sixfold.
inline constexpr Cover kAlphabet[] = {{firstTips(3), 1, 3, 0},
                                      {tipSet({4, 5, 6}), 1, 3, 0},
                                      {tipSet({2, 3, 4, 5}), 2, 4, 0},
                                      {firstTips(6), 6, 6, 0}};

// The most tips an any-to-come bet over every pair takes: every tip the grid holds.
inline constexpr int kMaxPairTips = 50;

inline constexpr std::array<NamedBet, 13> kNamedBets{{
    {"SSA", 2, kMaxPairTips, 2, kSsa},
    {"DSA", 2, kMaxPairTips, 2, kDsa},
    {"Round Robin", 3, 3, 10, kRoundRobin},
    {"Flag", 4, 4, 23, kFlag},
    {"Super Flag", 5, 5, 46, kSuperFlag},
    {"Heinz Flag", 6, 6, 87, kHeinzFlag},
    {"Super Heinz Flag", 7, 7, 162, kSuperHeinzFlag},
    {"Goliath Flag", 8, 8, 303, kGoliathFlag},
    {"Union Jack", 9, 9, 8, kUnionJack},
    {"Union Jack Trixie", 9, 9, 32, kUnionJackTrixie},
    {"Union Jack Patent", 9, 9, 56, kUnionJackPatent},
    {"Union Jack Round Robin", 9, 9, 80, kUnionJackRoundRobin},
    {"Alphabet", 6, 6, 26, kAlphabet},
}};

constexpr long long choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    long long count = 1;
    for (int i = 1; i <= k; ++i)
        count = count * (n - k + i) / i;
    return count;
}

// The bet lines of a named bet over `tipCount` tips: per part, its folds and two bets (one each
// way round) for every pair of its tips.
constexpr long long namedBetCount(const NamedBet& bet, int tipCount) {
    long long count = 0;
    for (const Cover& cover : bet.covers) {
        const int n = cover.tips == 0 ? tipCount : std::popcount(cover.tips);
        for (int k = std::max(cover.fromFold, 1); k <= cover.toFold; ++k)
            count += choose(n, k);
        if (cover.carry > 0) count += static_cast<long long>(n) * (n - 1);
    }
    return count;
}

// A row whose count disagrees with its parts, or whose parts name a tip beyond its own, fails
// the build.
static_assert([] {
    for (const NamedBet& bet : kNamedBets) {
        if (namedBetCount(bet, bet.tips) != bet.bets) return false;
        for (const Cover& cover : bet.covers) {
            if (cover.tips >= (std::uint32_t{1} << bet.tips) || cover.fromFold < 0 || cover.carry < 0)
                return false;
        }
    }
    return true;
}());

}  // namespace kombinator::calc
