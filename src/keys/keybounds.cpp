#include "keys/keybounds.h"

#include <algorithm>
#include <iterator>

namespace kombinator::keys {

namespace {

// Turán's trebles for five winners out of 2h events: every treble inside either half. Five
// winners put three in one half; no smaller key exists up to 16 events.
constexpr int kLargestExactFiveOfTwoHalves = 16;

bool isFiveOfTwoHalves(KeyShape s) {
    return s.k == 3 && s.m == 5 && s.n % 2 == 0 && s.n >= 6 && s.n <= kLargestExactFiveOfTwoHalves;
}

struct PublishedSize {
    int k;
    int n;
    int m;
    std::int64_t size;
    std::int64_t lowerBound;
};

// Sorted by KK, NN, MM.
constexpr PublishedSize kPublished[] = {
#include "keys/publishedsizes.inc"
};

const PublishedSize* published(KeyShape s) {
    const auto key = [](const PublishedSize& p) { return KeyShape{p.k, p.n, p.m}; };
    const auto* it = std::lower_bound(std::begin(kPublished), std::end(kPublished), s,
                                      [&](const PublishedSize& p, KeyShape shape) { return key(p) < shape; });
    return it != std::end(kPublished) && key(*it) == s ? it : nullptr;
}

// Shapes whose proven bound is also the size of a key at hand.
bool isExact(KeyShape s) {
    return s.k == 2 || s.m == s.k || s.m >= s.n - 1 || isFiveOfTwoHalves(s);
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
    const std::int64_t averaged = (s.n * smaller + s.n - s.k - 1) / (s.n - s.k);
    const PublishedSize* known = published(s);
    return known ? std::max(averaged, known->lowerBound) : averaged;
}

std::optional<std::int64_t> bestKnownSize(KeyShape s) {
    if (isExact(s)) return lowerBound(s);
    if (const PublishedSize* known = published(s)) return known->size;
    return std::nullopt;
}

std::int64_t searchGoal(KeyShape s) {
    return std::max(lowerBound(s), bestKnownSize(s).value_or(0));
}

}  // namespace kombinator::keys
