// Enumerating the bets of a system: every set of k different tip rows out of 1..n.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kombinator::calc {

// The number of sets of k rows out of n, saturated at INT64_MAX; 0 when k is outside 0..n.
inline std::int64_t combinationCount(int n, int k) {
    if (k < 0 || k > n) return 0;
    if (k > n - k) k = n - k;
    std::int64_t count = 1;
    for (int i = 1; i <= k; ++i) {
        // count * (n - k + i) / i stays whole at every step; stop before it would overflow.
        const std::int64_t factor = n - k + i;
        if (count > INT64_MAX / factor) return INT64_MAX;
        count = count * factor / i;
    }
    return count;
}

// Calls visit(rows) for every strictly increasing row sequence r1 < ... < rk out of 1..n, in
// lexicographic order with the last row moving fastest (for n = 4, k = 2: 1-2, 1-3, 1-4, 2-3,
// 2-4, 3-4). One index array serves every set; nothing happens when k is outside 1..n.
template <typename Visit>
void forEachCombination(int n, int k, Visit&& visit) {
    if (k < 1 || k > n) return;
    std::vector<int> rows(static_cast<size_t>(k));
    for (int j = 0; j < k; ++j)
        rows[static_cast<size_t>(j)] = j + 1;
    const std::span<const int> bet(rows);
    for (;;) {
        visit(bet);
        // The rightmost row that can still move up; every row after it restarts just above it.
        int j = k - 1;
        while (j >= 0 && rows[static_cast<size_t>(j)] == n - k + j + 1)
            --j;
        if (j < 0) return;
        int next = ++rows[static_cast<size_t>(j)];
        for (int m = j + 1; m < k; ++m)
            rows[static_cast<size_t>(m)] = ++next;
    }
}

}  // namespace kombinator::calc
