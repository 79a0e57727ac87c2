// An any-to-come bet as the return tables take it: terms over the open tips it needs, so that
// the subset-sum of the tables pays it as the evaluation settles it.
#pragma once

#include <bit>
#include <cstdint>

#include "calc/output.h"

namespace kombinator::results {

// One tip of an any-to-come bet as the tables take it: what it counts for when it loses and when
// it wins (the same for a settled tip), and its bit among the open tips (-1 when settled).
struct ToComeTip {
    int bit = -1;
    float lost = 0.0f;
    float won = 0.0f;
};

// An any-to-come bet as the tables take it, in terms over the open tips it needs: the terms whose
// tips all won add up to what the bet pays then, each outcome's pay rounded once, as for any bet
// (inclusion and exclusion of the pays of the four outcomes of its two tips). `term(mask, amount,
// weight, staked)` gets each term with a pay; weight -1 takes it off. The bet is staked once, on
// the first term that pays, or on an empty term when it cannot pay; `scale` multiplies a bet that
// pays (the bankers).
template <typename Term>
void anyToComeTerms(const ToComeTip& a, const ToComeTip& b, int carry, float scale, Term term) {
    const auto pays = [&](int aWon, int bWon) {
        float paid = calc::anyToComeReturn(aWon ? a.won : a.lost, bWon ? b.won : b.lost, carry);
        if (paid != 0.0f) calc::multiplyInto(paid, scale);
        return static_cast<double>(paid);
    };
    bool staked = false;
    for (int set = 0; set < 4; ++set) {
        const int aIn = set & 1;
        const int bIn = set >> 1;
        if ((aIn && a.bit < 0) || (bIn && b.bit < 0)) continue;  // a settled tip adds nothing
        const std::uint32_t mask =
            (aIn ? std::uint32_t{1} << a.bit : 0) | (bIn ? std::uint32_t{1} << b.bit : 0);
        for (int within = set;; within = (within - 1) & set) {
            const double amount = pays(within & 1, within >> 1);
            const int weight = std::popcount(static_cast<unsigned>(set ^ within)) % 2 ? -1 : 1;
            const bool first = weight > 0 && amount > 0 && !staked;
            staked = staked || first;
            if (amount > 0) term(mask, amount, weight, first);
            if (within == 0) break;
        }
    }
    if (!staked) term(0, 0.0, 1, true);
}

}  // namespace kombinator::results
