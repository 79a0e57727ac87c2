#include "cli/makekey.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

#include "cli/options.h"
#include "keys/keymaker.h"
#include "keys/keysearch.h"
#include "keys/keyverdict.h"
#include "platform/files.h"
#include "platform/programfolder.h"

namespace kombinator::cli {

int makeKey(const QString& name, const QString& out, int seconds) {
    const std::optional<keys::KeyShape> shape = keys::parseKeyName(name.toStdString());
    if (!shape || !keys::isMakeable(*shape)) {
        writeError(
            QCoreApplication::translate("cli",
                                        "Ilyen kulcs nem készíthető: %1 (2 <= KK <= 6, KK <= MM < NN, NN "
                                        "legfeljebb %2, kettes kötésekre %3)")
                .arg(name, QString::number(keys::kMaxEvents), QString::number(keys::kMaxEventsForDoubles)));
        return 1;
    }
    const std::optional<QString> folder =
        files::resolve(programFolderOfThisProcess(), QStringLiteral("\\tkulcs"));
    const keys::KeyBook book = folder ? keys::readKeyBook(*folder) : keys::KeyBook();
    keys::SearchEffort effort = keys::onThreadClock(keys::kInteractiveEffort);
    if (seconds > 0) effort.cpuSeconds = seconds;
    const std::vector<keys::Bet> bets = keys::searchKey(*shape, {}, effort, book);
    // A key goes out only when the exhaustive check has proven it.
    if (!keys::provesGuarantee(*shape, bets)) {
        writeError(QCoreApplication::translate("cli", "A kulcs nem állta ki az ellenőrzést: %1").arg(name));
        return 1;
    }
    const std::string text = keys::keyFileText(bets);
    if (out.isEmpty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (!files::writeLines(out, files::splitLines(QString::fromStdString(text)))) {
        writeError(QCoreApplication::translate("cli", "A kulcsfájl nem írható: %1").arg(out));
        return 1;
    }
    writeError(name + QStringLiteral(": ") + keys::keyStanding(*shape, bets.size()));
    return 0;
}

int printKeyProfile(const QString& file) {
    const std::optional<QByteArray> key = readInput(file, false, unreadableKeyFile(file));
    if (!key) return 1;
    if (key->size() > keys::kMaxKeyFileBytes) {
        writeError(unreadableKeyFile(file));
        return 1;
    }
    const std::optional<std::vector<keys::Bet>> bets = keys::keyBets(files::decode(*key));
    const int events = bets ? keys::keyEventCount(QFileInfo(file).fileName(), *bets) : 0;
    const auto rows = bets ? keys::keyProfile(events, *bets) : std::nullopt;
    if (!rows) {
        writeError(QCoreApplication::translate("cli", "Nem kulcs legfeljebb %1 eseményre: %2")
                       .arg(QString::number(keys::kMaxProfileEvents), file));
        return 1;
    }
    const QByteArray text = (keys::profileLines(*rows).join(u'\n') + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

}  // namespace kombinator::cli
