#include "cli/makekey.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

#include "keys/keymaker.h"
#include "keys/keysearch.h"
#include "keys/keyverdict.h"
#include "platform/files.h"
#include "platform/programfolder.h"

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
    const std::optional<QString> folder =
        files::resolve(programFolderOfThisProcess(), QStringLiteral("\\tkulcs"));
    const keys::KeyBook book = folder ? keys::readKeyBook(*folder) : keys::KeyBook();
    const std::vector<keys::Bet> bets = keys::searchKey(*shape, {}, keys::kInteractiveEffort, book);
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

int printKeyProfile(const QString& file) {
    QFile in(file);
    // A key file is a few hundred kilobytes at most; anything far beyond is not one.
    constexpr qint64 kMaxKeyFileBytes = 16 << 20;
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxKeyFileBytes) {
        std::fprintf(stderr, "A kulcsfájl nem olvasható: %s\n", file.toUtf8().constData());
        return 1;
    }
    const std::optional<std::vector<keys::Bet>> bets = keys::keyBets(files::decode(in.readAll()));
    const int events = bets ? keys::keyEventCount(QFileInfo(file).fileName(), *bets) : 0;
    const auto rows = bets ? keys::keyProfile(events, *bets) : std::nullopt;
    if (!rows) {
        std::fprintf(stderr, "Nem kulcs legfeljebb %d eseményre: %s\n", keys::kMaxProfileEvents,
                     file.toUtf8().constData());
        return 1;
    }
    const QByteArray text = (keys::profileLines(*rows).join(u'\n') + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

}  // namespace kombinator::cli
