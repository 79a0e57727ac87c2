#include "keys/keybounds.h"

#include <algorithm>

namespace kombinator::keys {

namespace {

// Turán's trebles for five winners out of 2h events: every treble inside either half. Five
// winners put three in one half; no smaller key exists up to 16 events.
constexpr int kLargestExactFiveOfTwoHalves = 16;

bool isFiveOfTwoHalves(KeyShape s) {
    return s.k == 3 && s.m == 5 && s.n % 2 == 0 && s.n >= 6 && s.n <= kLargestExactFiveOfTwoHalves;
}

}  // namespace

std::int64_t lowerBound(KeyShape s) {
    if (s.m >= s.n) return 1;
    if (s.m == s.k) return binomial(s.n, s.k);  // a k-set left out would be MM winners without a bet
    if (s.k == 2) {
        // Turán's theorem: no graph on NN events without MM independent ones has fewer edges than
        // MM - 1 disjoint, nearly equal cliques.
        std::int64_t total = 0;
        const int groups = s.m - 1;
        for (int g = 0; g < groups; ++g)
            total += binomial(s.n / groups + (g < s.n % groups ? 1 : 0), 2);
        return total;
    }
    if (isFiveOfTwoHalves(s)) return 2 * binomial(s.n / 2, 3);
    const std::int64_t smaller = lowerBound({s.k, s.n - 1, s.m});
    return (s.n * smaller + s.n - s.k - 1) / (s.n - s.k);
}

std::optional<std::int64_t> bestKnownSize(KeyShape s) {
    if (s.k == 2 || s.m == s.k || s.m >= s.n || isFiveOfTwoHalves(s)) return lowerBound(s);
    if (s.k == 4 && s.m == 6 && s.n >= 7 && s.n <= 16) {
        constexpr int sizes[] = {3, 6, 12, 20, 34, 51, 79, 115, 161, 220};
        return sizes[s.n - 7];
    }
    if (s.k == 4 && s.m == 7 && s.n >= 8 && s.n <= 16) {
        constexpr int sizes[] = {2, 5, 10, 17, 26, 39, 56, 80, 108};
        return sizes[s.n - 8];
    }
    if (s.k == 3 && s.m == 5 && s.n == 8) return 8;
    return std::nullopt;
}

std::int64_t searchGoal(KeyShape s) {
    return std::max(lowerBound(s), bestKnownSize(s).value_or(0));
}

}  // namespace kombinator::keys
