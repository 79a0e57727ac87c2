// The word tables read by role: each role's words gathered once from every language.
#include "offer/slipwords.h"

#include <array>
#include <bit>

namespace kombinator::slipwords {

const QList<QStringView>& wordsOf(Role role) {
    static const std::array<QList<QStringView>, kRoles> lists = [] {
        std::array<QList<QStringView>, kRoles> byRole;
        for (const Language& language : kLanguages) {
            for (const Word& word : language.words) {
                for (int r = 0; r < kRoles; ++r) {
                    if (word.roles & (quint64{1} << r)) byRole[static_cast<size_t>(r)].append(word.text);
                }
            }
        }
        return byRole;
    }();
    return lists[static_cast<size_t>(std::countr_zero(static_cast<quint64>(role)))];
}

const QList<HeaderWord>& headerWords() {
    static const QList<HeaderWord> words = [] {
        constexpr std::pair<Role, Column> kColumns[] = {
            {HeaderEvent, Column::Event},     {HeaderHome, Column::Home},   {HeaderAway, Column::Away},
            {HeaderOutcome, Column::Outcome}, {HeaderPrice, Column::Price}, {HeaderOther, Column::Other}};
        QList<HeaderWord> list;
        for (const auto& [role, column] : kColumns) {
            for (const QStringView word : wordsOf(role))
                list.append({word, column});
        }
        return list;
    }();
    return words;
}

}  // namespace kombinator::slipwords
