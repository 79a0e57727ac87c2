#include "keys/construction.h"

#include <algorithm>
#include <bit>

namespace kombinator::keys {

namespace {

// Tip groups of sizes as equal as possible, consecutive events in each group.
std::vector<std::vector<int>> splitIntoGroups(int n, int groups) {
    std::vector<std::vector<int>> result(static_cast<std::size_t>(groups));
    int next = 0;
    for (int g = 0; g < groups; ++g) {
        const int size = n / groups + (g < n % groups ? 1 : 0);
        for (int i = 0; i < size; ++i)
            result[static_cast<std::size_t>(g)].push_back(next++);
    }
    return result;
}

// Every r-set of the first n events, in colex order.
std::vector<Bet> allSubsets(int n, int r) {
    if (r == 0) return {0};
    std::vector<Bet> result;
    const Bet end = bit(n);
    for (Bet set = bit(r) - 1; set < end;) {
        result.push_back(set);
        const Bet lowest = set & (~set + 1);
        const Bet ripple = set + lowest;
        set = ripple | (((set ^ ripple) >> 2) / lowest);
    }
    return result;
}

// Turán's construction for trebles with guarantee 4: three groups A0, A1, A2; every triple inside
// a group and every triple with two tips in Ai and one in A(i+1 mod 3). Four tips either put three
// in one group, or two in some Ai and one more in a neighbouring group, which in one of the two
// directions is a bet.
std::vector<Bet> turanTreblesFor4(int n) {
    const auto groups = splitIntoGroups(n, 3);
    std::vector<Bet> bets;
    for (Bet bet : allSubsets(n, 3)) {
        int inGroup[3] = {0, 0, 0};
        for (int g = 0; g < 3; ++g) {
            for (int v : groups[static_cast<std::size_t>(g)])
                inGroup[g] += static_cast<int>((bet >> v) & 1);
        }
        for (int g = 0; g < 3; ++g) {
            if (inGroup[g] == 3 || (inGroup[g] == 2 && inGroup[(g + 1) % 3] == 1)) bets.push_back(bet);
        }
    }
    return bets;
}

class Builder {
public:
    explicit Builder(const KeyBook& book) : book_(book) {}

    const std::vector<Bet>& key(KeyShape s) {
        if (const auto found = memo_.find(s); found != memo_.end()) return found->second;
        std::vector<Bet> best = build(s);
        return memo_[s] = std::move(best);
    }

private:
    std::vector<Bet> build(KeyShape s) {
        if (s.m >= s.n) return {bit(s.k) - 1};  // all the events win: any one bet does
        if (s.k == 1) {
            std::vector<Bet> singles;
            for (int event = 0; event <= s.n - s.m; ++event)
                singles.push_back(bit(event));  // MM winners miss at most NN - MM of these
            return singles;
        }
        if (s.k == 2) return groupConstruction(s);  // exact
        // A key in the book stays unless a construction is smaller.
        const auto known = book_.find(s);
        std::vector<Bet> best =
            known != book_.end() && !known->second.empty() ? known->second : groupConstruction(s);
        const auto offer = [&](std::vector<Bet> candidate) {
            if (candidate.size() < best.size()) best = std::move(candidate);
        };
        offer(groupConstruction(s));
        if (const auto larger = book_.find({s.k, s.n + 1, s.m}); larger != book_.end())
            offer(dropBusiestEvent(larger->second, s.n + 1));
        if (const auto wider = book_.find({s.k + 1, s.n + 1, s.m + 1}); wider != book_.end())
            offer(inducedByEvent(wider->second, s.n + 1));
        if (s.k == 3 && s.m == 4) offer(turanTreblesFor4(s.n));
        if (s.m > s.k) {
            const std::vector<Bet>& same = key({s.k, s.n - 1, s.m});
            const std::vector<Bet>& less = key({s.k - 1, s.n - 1, s.m - 1});
            if (same.size() + less.size() < best.size()) offer(extendByEvent(same, less, s.n));
        }
        // Two parts of n1 and NN - n1 events, with guarantees m1 and MM + 1 - m1.
        std::size_t bestSplit = best.size();
        std::pair<KeyShape, KeyShape> parts{};
        for (const auto& [first, second] : sideBySideSplits(s)) {
            const std::size_t size = key(first).size() + key(second).size();
            if (size < bestSplit) {
                bestSplit = size;
                parts = {first, second};
            }
        }
        if (bestSplit < best.size())
            offer(joinSideBySide(key(parts.first), parts.first.n, key(parts.second)));
        return best;
    }

    const KeyBook& book_;
    std::map<KeyShape, std::vector<Bet>> memo_;
};

}  // namespace

std::vector<std::pair<KeyShape, KeyShape>> sideBySideSplits(KeyShape s) {
    std::vector<std::pair<KeyShape, KeyShape>> splits;
    for (int n1 = s.k; n1 + s.k <= s.n; ++n1) {
        for (int m1 = s.k; m1 <= n1 && s.m + 1 - m1 >= s.k; ++m1) {
            const int m2 = s.m + 1 - m1;
            if (m2 <= s.n - n1) splits.push_back({{s.k, n1, m1}, {s.k, s.n - n1, m2}});
        }
    }
    return splits;
}

std::vector<Bet> sortedUnique(std::vector<Bet> bets) {
    std::sort(bets.begin(), bets.end());
    bets.erase(std::unique(bets.begin(), bets.end()), bets.end());
    return bets;
}

std::vector<Bet> groupConstruction(KeyShape s) {
    // An MM-set with at most KK-1 winners in each of the (MM-1)/(KK-1) groups would have fewer than
    // MM winners, so some group holds KK of them: a whole bet.
    std::vector<Bet> bets;
    for (const auto& group : splitIntoGroups(s.n, (s.m - 1) / (s.k - 1))) {
        if (static_cast<int>(group.size()) < s.k) continue;
        for (Bet local : allSubsets(static_cast<int>(group.size()), s.k)) {
            Bet bet = 0;
            for (int i : tipsOf(local))
                bet |= bit(group[static_cast<std::size_t>(i - 1)]);
            bets.push_back(bet);
        }
    }
    return bets;
}

std::vector<Bet> extendByEvent(const std::vector<Bet>& sameShape, const std::vector<Bet>& oneTipLess, int n) {
    std::vector<Bet> result = sameShape;
    for (Bet bet : oneTipLess)
        result.push_back(bet | bit(n - 1));
    return result;
}

std::vector<Bet> joinSideBySide(const std::vector<Bet>& first, int n1, const std::vector<Bet>& second) {
    std::vector<Bet> result = first;
    for (Bet bet : second)
        result.push_back(bet << n1);
    return result;
}

std::vector<Bet> dropBusiestEvent(const std::vector<Bet>& bets, int n) {
    int busiest = 0;
    long busiestCount = -1;
    for (int event = 0; event < n; ++event) {
        const long count =
            std::count_if(bets.begin(), bets.end(), [&](Bet bet) { return (bet >> event) & 1; });
        if (count > busiestCount) {
            busiest = event;
            busiestCount = count;
        }
    }
    const Bet below = bit(busiest) - 1;
    std::vector<Bet> result;
    for (Bet bet : bets) {
        if (!((bet >> busiest) & 1)) result.push_back((bet & below) | ((bet >> (busiest + 1)) << busiest));
    }
    return result;
}

std::vector<Bet> inducedByEvent(const std::vector<Bet>& bets, int n) {
    std::vector<Bet> best;
    for (int event = 0; event < n; ++event) {
        const Bet below = bit(event) - 1;
        std::vector<Bet> induced;
        for (Bet bet : bets) {
            // A bet without the event gives up its last tip instead.
            const Bet tips = (bet >> event) & 1 ? bet & ~bit(event) : bet & ~bit(63 - std::countl_zero(bet));
            induced.push_back((tips & below) | ((tips >> (event + 1)) << event));
        }
        induced = sortedUnique(std::move(induced));
        if (best.empty() || induced.size() < best.size()) best = std::move(induced);
    }
    return best;
}

std::vector<Bet> constructKey(KeyShape shape, const KeyBook& book) {
    if (!isMakeable(shape)) return {};
    Builder builder(book);
    return sortedUnique(builder.key(shape));
}

}  // namespace kombinator::keys
