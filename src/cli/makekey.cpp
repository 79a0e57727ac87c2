#include "cli/makekey.h"

#include <QStringList>

#include <cstdio>

#include "keys/keysearch.h"
#include "platform/files.h"

namespace kombinator::cli {

int makeKey(const QString& name, const QString& out) {
    const std::optional<keys::KeyShape> shape = keys::parseKeyName(name.toStdString());
    if (!shape || !keys::isMakeable(*shape)) {
        std::fprintf(stderr,
                     "Ilyen kulcs nem készíthető: %s (2 <= KK <= 6, KK <= MM < NN, NN legfeljebb %d, "
                     "kettes kötésekre %d)\n",
                     name.toUtf8().constData(), keys::kMaxEvents, keys::kMaxEventsForDoubles);
        return 1;
    }
    const std::vector<keys::Bet> bets = keys::searchKey(*shape, {}, keys::kInteractiveEffort);
    // A key goes out only when the exhaustive check has proven it.
    if (!keys::provesGuarantee(*shape, bets)) {
        std::fprintf(stderr, "A kulcs nem állta ki az ellenőrzést: %s\n", name.toUtf8().constData());
        return 1;
    }
    const std::string text = keys::keyFileText(bets);
    if (out.isEmpty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (!files::writeLines(out, files::splitLines(QString::fromStdString(text)))) {
        std::fprintf(stderr, "A kulcsfájl nem írható: %s\n", out.toUtf8().constData());
        return 1;
    }
    std::fprintf(stderr, "%s: %zu fogadás, bizonyított alsó korlát: %lld\n", name.toUtf8().constData(),
                 bets.size(), static_cast<long long>(keys::lowerBound(*shape)));
    return 0;
}

}  // namespace kombinator::cli
