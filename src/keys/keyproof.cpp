#include "keys/keyproof.h"

#include <algorithm>
#include <bit>

namespace kombinator::keys {

namespace {

// Doubles as a graph: a set of events holds no bet when it is independent. Branch and bound on
// "is there an independent set of `need` events among `candidates`", bounded by a greedy
// partition of the candidates into cliques (an independent set takes one event of each at most).
bool hasIndependentSet(const std::vector<Bet>& adjacent, Bet candidates, int need) {
    if (need <= 0) return true;
    if (std::popcount(candidates) < need) return false;
    int cliques = 0;
    for (Bet rest = candidates; rest != 0; ++cliques) {
        const int v = std::countr_zero(rest);
        Bet clique = bit(v);
        Bet joinable = rest & adjacent[static_cast<std::size_t>(v)];
        while (joinable != 0) {
            const int u = std::countr_zero(joinable);
            clique |= bit(u);
            joinable &= adjacent[static_cast<std::size_t>(u)];
        }
        rest &= ~clique;
    }
    if (cliques < need) return false;
    const int v = std::countr_zero(candidates);
    const Bet without = candidates & ~bit(v);
    return hasIndependentSet(adjacent, without & ~adjacent[static_cast<std::size_t>(v)], need - 1) ||
           hasIndependentSet(adjacent, without, need);
}

}  // namespace

bool provesGuarantee(KeyShape s, std::span<const Bet> bets) {
    if (s.n < 1 || s.m > s.n || s.n > 64) return false;
    const Bet events = s.n == 64 ? ~Bet{0} : bit(s.n) - 1;
    for (Bet bet : bets) {
        if ((bet & ~events) != 0) return false;
    }
    if (s.n <= kMaxEvents) {
        // containsBet[set]: the set is a bet, or one of its subsets with one event less holds one.
        std::vector<char> containsBet(std::size_t{1} << s.n, 0);
        for (Bet bet : bets)
            containsBet[static_cast<std::size_t>(bet)] = 1;
        for (std::size_t set = 1; set < containsBet.size(); ++set) {
            for (std::size_t rest = set; rest != 0 && !containsBet[set]; rest &= rest - 1)
                containsBet[set] = containsBet[set & ~(std::size_t{1} << std::countr_zero(rest))];
            if (!containsBet[set] && std::popcount(set) == s.m) return false;
        }
        return true;
    }
    // More events than a table of every set allows: doubles only, through the graph they form.
    std::vector<Bet> adjacent(static_cast<std::size_t>(s.n), 0);
    for (Bet bet : bets) {
        if (std::popcount(bet) != 2) return false;
        const int a = std::countr_zero(bet);
        const int b = std::countr_zero(bet & (bet - 1));
        adjacent[static_cast<std::size_t>(a)] |= bit(b);
        adjacent[static_cast<std::size_t>(b)] |= bit(a);
    }
    return !hasIndependentSet(adjacent, events, s.m);
}

std::optional<std::vector<ProfileRow>> keyProfile(int events, std::span<const Bet> bets) {
    if (events < 0 || events > kMaxProfileEvents) return std::nullopt;
    const Bet all = bit(events) - 1;
    // wins[set]: how many bets lie inside the set, summed over subsets one event at a time.
    std::vector<std::uint32_t> wins(std::size_t{1} << events, 0);
    for (Bet bet : bets) {
        if ((bet & ~all) != 0) return std::nullopt;
        ++wins[static_cast<std::size_t>(bet)];
    }
    for (int event = 0; event < events; ++event) {
        const std::size_t step = std::size_t{1} << event;
        for (std::size_t base = 0; base < wins.size(); base += 2 * step) {
            std::uint32_t* upper = wins.data() + base + step;
            const std::uint32_t* lower = wins.data() + base;
            for (std::size_t i = 0; i < step; ++i)
                upper[i] += lower[i];
        }
    }
    std::vector<ProfileRow> rows(static_cast<std::size_t>(events) + 1);
    for (int j = 0; j <= events; ++j)
        rows[static_cast<std::size_t>(j)] = {j, INT64_MAX, 0};
    for (std::size_t set = 0; set < wins.size(); ++set) {
        ProfileRow& row = rows[static_cast<std::size_t>(std::popcount(set))];
        row.fewest = std::min<std::int64_t>(row.fewest, wins[set]);
        row.most = std::max<std::int64_t>(row.most, wins[set]);
    }
    return rows;
}

std::optional<int> profileGuarantee(const std::vector<ProfileRow>& rows) {
    for (const ProfileRow& row : rows) {
        if (row.fewest > 0) return row.winners;
    }
    return std::nullopt;
}

}  // namespace kombinator::keys
