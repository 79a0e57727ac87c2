// kombinator-cli: the window's commands from a terminal or a script. The coupon goes through the
// same intake and conversion as "Vágólap betöltése" and "Konvertálás"; every option presses the
// same handler the window's control would.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <optional>

#include "app/form1.h"
#include "app/language.h"
#include "calc/odds.h"
#include "cli/cliplatform.h"
#include "cli/makekey.h"
#include "cli/options.h"
#include "offer/htmlcopy.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/programfolder.h"
#include "results/betreading.h"
#include "results/returntable.h"

using namespace kombinator;

namespace {

void writeOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

// The bet list and the amount list side by side, as the window shows them. After the odds
// command a bet with a tip without odds has no amount line, and the window pairs the two lists by
// position regardless; on one printed line that would read as a wrong price, so here every amount
// stays beside its own bet and such a bet's amount is left empty.
void printLists(const Form1& form, bool pricedByOdds) {
    const QStringList amounts = form.List3.lines();
    qsizetype next = 0;
    QString out;
    for (const QString& bet : form.List1.lines()) {
        out += bet;
        out += u'\t';
        const bool hasAmount = !pricedByOdds || results::oddsProduct(form, bet) != 0.0f;
        if (hasAmount && next < amounts.size()) out += amounts.at(next++);
        out += u'\n';
    }
    for (; next < amounts.size(); ++next)
        out += u'\t' + amounts.at(next) + u'\n';
    writeOut(out);
}

// The tips, then the bankers ("F1"), as the grids show them, with the words a screen reader hears
// for their markers in brackets: number, the two sides, odds in `format`. An empty line parts
// them from the lists.
void printTips(const Form1& form, calc::OddsFormat format) {
    QString out;
    const auto print = [&](const Grid& grid, int count, const QString& prefix) {
        for (int row = 1; row <= count; ++row) {
            out += prefix + QString::number(row);
            for (int col = 1; col <= 3; ++col) {
                const QString text = grid.textAt(row, col);
                const QString words = grid.cellDescription(row, col);
                out += u'\t' + (col == 3 ? calc::shownOdds(text, format) : text);
                if (!words.isEmpty()) out += QStringLiteral(" (%1)").arg(words);
            }
            out += u'\n';
        }
    };
    print(form.Grid1, form.module1.tipCount, QString());
    print(form.Grid2, form.module1.bankerCount, QStringLiteral("F"));
    writeOut(out + u'\n');
}

// Output that never reached its target (a full disk, a closed file) is a failure, however well
// the commands went: a script must not take a cut-short bet list for the whole one.
int withOutputWritten(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    cli::writeError(QCoreApplication::translate("cli", "A kimenet nem írható."));
    return 1;
}

int runCommandLine(const QCoreApplication& app) {
    useLanguage(chooseLanguage(languageOption(app.arguments()).language, std::nullopt, interfaceLocale()));
    const cli::ParseResult parsed = cli::parseArguments(app.arguments().mid(1));
    if (parsed.help || parsed.version) {
        writeOut(parsed.help ? cli::usage() : cli::versionText() + u'\n');
        return 0;
    }
    if (!parsed.options) {
        cli::writeError(parsed.error);
        std::fputs(cli::usage().toUtf8().constData(), stderr);
        return 2;
    }
    const cli::Options& options = *parsed.options;
    if (!options.makeKey.isEmpty()) return cli::makeKey(options.makeKey, options.keyOut, options.keySeconds);
    if (!options.keyProfile.isEmpty()) return cli::printKeyProfile(options.keyProfile);

    const std::optional<QByteArray> coupon = cli::readInput(
        options.coupon, options.coupon == QLatin1String("-"),
        QCoreApplication::translate("cli", "A szelvény nem olvasható: %1").arg(options.coupon));
    if (!coupon) return 1;

    // A page's HTML is the clipboard's HTML flavour, beside no text of its own.
    const QString input = files::decode(*coupon);
    const bool html = options.html || looksLikeHtml(input);
    if (html && !htmlWithinBounds(input)) {
        cli::writeError(
            QCoreApplication::translate(
                "cli",
                "A szelvény HTML-je nem olvasható: nagyobb %1 MB-nál, vagy %2 szintnél mélyebben ágyazott.")
                .arg(kMaxClipboardHtml >> 20)
                .arg(kMaxHtmlDepth));
        return 1;
    }
    cli::CliPlatform platform(html ? QString() : files::withCrLf(input),
                              html ? std::optional<QString>(input) : std::nullopt);
    Form1 form(platform);
    form.Form_Load();
    const int status = cli::run(form, platform, options);
    if (status != 0) return status;
    // The amounts are the odds command's when it ran last and took the list.
    const bool pricedByOdds = options.odds && !options.settles() && results::betListPriceable(form);
    if (options.oddsFormat) printTips(form, *options.oddsFormat);
    printLists(form, pricedByOdds);
    if (form.eachWay()) writeOut(results::eachWayStakeText(form.List1.count()) + u'\n');
    if (options.table && form.eachWay()) {
        const std::optional<results::EachWayTable> table = results::eachWayTable(form, options.stake);
        if (!table) {
            cli::writeError(results::tooManyEachWayTipsText());
            return 1;
        }
        writeOut(u'\n' + results::formatEachWayTable(*table).join(u'\n') + u'\n');
    } else if (options.table) {
        const std::optional<results::ReturnTable> table = results::returnTable(form, options.stake);
        if (!table) {
            cli::writeError(results::tooManyTipsText());
            return 1;
        }
        // An empty line parts the table from the lists, as a paragraph would.
        writeOut(u'\n' + results::formatReturnTable(*table).join(u'\n') + u'\n');
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    prepareStandardStreams();
    QCoreApplication app(argc, argv);
    // Shares the window's data folder when installed.
    nameTheProgram();
    return withOutputWritten(runCommandLine(app));
}
