#include "keys/keyshape.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace kombinator::keys {

bool isMakeable(KeyShape s) {
    if (s.k < kMinTipsPerBet || s.k > kMaxTipsPerBet) return false;
    if (s.m < s.k || s.m >= s.n) return false;
    return s.n <= (s.k == 2 ? kMaxEventsForDoubles : kMaxEvents);
}

std::string keyName(KeyShape s) {
    std::string name;
    for (int value : {s.k, s.n, s.m}) {
        if (!name.empty()) name += '_';
        if (value < 10) name += '0';
        name += std::to_string(value);
    }
    return name;
}

std::optional<KeyShape> parseKeyName(std::string_view name) {
    if (name.size() != 8 || name[2] != '_' || name[5] != '_') return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const char* first = name.data() + 3 * i;
        if (first[0] < '0' || first[0] > '9' || first[1] < '0' || first[1] > '9') return std::nullopt;
        std::from_chars(first, first + 2, values[i]);
    }
    return KeyShape{values[0], values[1], values[2]};
}

std::vector<int> tipsOf(Bet bet) {
    std::vector<int> tips;
    for (Bet rest = bet; rest != 0; rest &= rest - 1)
        tips.push_back(std::countr_zero(rest) + 1);
    return tips;
}

std::string keyFileText(std::span<const Bet> bets) {
    std::vector<std::vector<int>> lines;
    lines.reserve(bets.size());
    for (Bet bet : bets)
        lines.push_back(tipsOf(bet));
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::vector<int>& tips : lines) {
        for (std::size_t i = 0; i < tips.size(); ++i) {
            if (i > 0) text += ' ';
            const std::string digits = std::to_string(tips[i]);
            text += std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
        }
        text += "\r\n";
    }
    return text;
}

std::optional<std::vector<Bet>> parseKeyFileText(std::string_view text) {
    std::vector<Bet> bets;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if ((line.size() + 1) % 4 != 0) return std::nullopt;
        Bet bet = 0;
        for (std::size_t at = 0; at < line.size(); at += 4) {
            int tip = 0;
            const auto [last, error] = std::from_chars(line.data() + at, line.data() + at + 3, tip);
            if (error != std::errc() || last != line.data() + at + 3 || tip < 1 || tip > 64)
                return std::nullopt;
            if (bet & bit(tip - 1)) return std::nullopt;
            bet |= bit(tip - 1);
        }
        bets.push_back(bet);
    }
    return bets;
}

std::string keyDescription(KeyShape s, std::size_t betCount) {
    // The suffix follows the number as it is said: kettes, hármas, négyes, ötös, hatos.
    static constexpr const char* kSuffixes[] = {"-es", "-es", "-es", "-as", "-es", "-ös", "-os"};
    const char* suffix = s.k >= 0 && s.k <= 6 ? kSuffixes[s.k] : "-es";
    return std::to_string(betCount) + " fogadás – " + std::to_string(s.k) + suffix + " kötések, " +
           std::to_string(s.n) + " esemény: ha legalább " + std::to_string(s.m) +
           " tipp bejön, legalább egy kötés nyer";
}

}  // namespace kombinator::keys
