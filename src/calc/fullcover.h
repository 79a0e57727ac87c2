// The full-cover multiples: every double, treble, ... up to the accumulator over a fixed number
// of tips, some with the singles too. This table is the one place that names them; the buttons'
// captions and descriptions, their enabling, the calculators, the command line's names and the
// documentation's check all read it. A new system is a new row (and a button for it).
#pragma once

#include <QString>

#include <array>

namespace kombinator::calc {

struct FullCoverSystem {
    const char* name;  // as a bettor says it: "Trixie", "Lucky 15"
    int tips;          // the system takes exactly this many tips
    int bets;          // bet lines it writes
    bool singles;      // the singles come with it

    // The button's caption: the name with its bet count ("Trixie 4"); a name that already ends
    // in it stays as it is ("Lucky 15").
    QString caption() const;
    // What a screen reader says of the button: "Trixie: 3 tipp, 4 fogadás".
    QString description() const;
};

inline constexpr std::array<FullCoverSystem, 10> kFullCoverSystems{{
    {"Trixie", 3, 4, false},
    {"Patent", 3, 7, true},
    {"Yankee", 4, 11, false},
    {"Lucky 15", 4, 15, true},
    {"Canadian", 5, 26, false},
    {"Lucky 31", 5, 31, true},
    {"Heinz", 6, 57, false},
    {"Lucky 63", 6, 63, true},
    {"Super Heinz", 7, 120, false},
    {"Goliath", 8, 247, false},
}};

// The bets of a full cover of n tips: all 2^n - 1 sets of tips but the n singles, which some
// systems add back. A row whose count disagrees with its tips fails the build.
constexpr bool betsAddUp(const FullCoverSystem& system) {
    const int cover = (1 << system.tips) - 1 - system.tips;
    return system.bets == cover + (system.singles ? system.tips : 0);
}
static_assert([] {
    for (const FullCoverSystem& system : kFullCoverSystems) {
        if (!betsAddUp(system)) return false;
    }
    return true;
}());

// The highest tip count of a k-fold system's button ("2" to "13").
inline constexpr int kMaxFoldTips = 13;

}  // namespace kombinator::calc
