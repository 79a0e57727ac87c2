#include "cli/options.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "app/form1.h"
#include "cli/cliplatform.h"
#include "keys/keysearch.h"
#include "keys/substitution.h"
#include "platform/files.h"
#include "results/returntable.h"

namespace kombinator::cli {

namespace {

const char* const kFullCover[] = {"trixie4", "patent7", "yankee11", "lucky15",       "canadian26",
                                  "lucky31", "heinz57", "lucky63",  "superheinz120", "goliath247"};

std::optional<int> positiveNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1) return std::nullopt;
    return n;
}

std::optional<std::vector<int>> numberList(const QString& text) {
    std::vector<int> numbers;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const std::optional<int> n = positiveNumber(part.trimmed());
        if (!n) return std::nullopt;
        numbers.push_back(*n);
    }
    return numbers;
}

// A --void list: tip numbers, and banker numbers written with an F before them ("2,F1").
bool voidList(const QString& text, Options& options) {
    for (const QString& raw : text.split(u',', Qt::SkipEmptyParts)) {
        const QString part = raw.trimmed();
        const bool banker = part.startsWith(u'F', Qt::CaseInsensitive);
        const std::optional<int> n = positiveNumber(banker ? part.mid(1) : part);
        if (!n) return false;
        (banker ? options.voidedBanks : options.voided).push_back(*n);
    }
    return true;
}

QString withoutTrailingDigits(QString name) {
    while (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    return name;
}

}  // namespace

// One row per option: what the user types and what it does. Continuation lines of a long
// explanation start with a line feed.
struct OptionHelp {
    const char* option;
    const char* text;
};
constexpr OptionHelp kOptionHelp[] = {
    {"SZELVÉNY", "a bemásolt szelvény szövegfájlja, vagy - a szabványos bemenethez"},
    {"--bank N", "az N. tipp fix lesz (többször is megadható, a megadás sorrendjében)"},
    {"--system S",
     "rendszer: 1 … 13, vagy Trixie, Patent, Yankee, Lucky 15, Canadian,\n"
     "Lucky 31, Heinz, Lucky 63, Super Heinz, Goliath"},
    {"--key FÁJL", "kulcs behelyettesítése (a fájlnév 4-5. karaktere az események száma)"},
    {"--odds", "a fogadások árazása az aktuális oddsokkal"},
    {"--won LISTA", "nyertes tippek (pl. 1,3,4), majd az eredmény kiértékelése"},
    {"--table", "nyereménytábla a nyertes tippek száma szerint"},
    {"--void LISTA",
     "törölt (1,00-s szorzóval elszámolt) tippek (pl. 2,5), F1 az 1. fix tipp;\n"
     "majd az eredmény kiértékelése"},
    {"--stake X", "a nyereménytábla téte fogadásonként (pl. 100 vagy 2,50; alapértelmezés 1)"},
    {"--make-key KK_NN_MM",
     "szelvény helyett kulcs készítése: KK tippes kötések, NN esemény, MM találat\n"
     "esetén legalább egy nyerő kötés"},
    {"--out FÁJL", "a --make-key kulcsfájlja ide kerül (alapértelmezés: szabványos kimenet)"},
    {"--key-profile FÁJL",
     "szelvény helyett a kulcs nyerési táblája: a bejövő tippek számára\n"
     "a legkevesebb és a legtöbb nyerő kötés"},
    {"-h, --help", "ez a súgó"},
    {"--version", "a program neve és változata"},
};

QString usage() {
    QString text = QStringLiteral(
        "Használat: kombinator-cli [--bank N]... [--system S | --key FÁJL] [--odds] [--won LISTA] [--table] "
        "[--void LISTA] [--stake X] SZELVÉNY\n"
        "          kombinator-cli --make-key KK_NN_MM [--out FÁJL]\n"
        "          kombinator-cli --key-profile FÁJL\n");
    qsizetype width = 0;
    for (const OptionHelp& row : kOptionHelp)
        width = std::max(width, QString::fromUtf8(row.option).size());
    const QString indent(2 + width + 2, u' ');
    for (const OptionHelp& row : kOptionHelp) {
        const QStringList lines = QString::fromUtf8(row.text).split(u'\n');
        text += QStringLiteral("  ") + QString::fromUtf8(row.option).leftJustified(width) +
                QStringLiteral("  ") + lines.front() + u'\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            text += indent + lines[i] + u'\n';
    }
    return text;
}

QString versionText() {
    return QStringLiteral("kombinator-cli " KOMBINATOR_VERSION);
}

std::optional<int> calculatorIndex(const QString& system) {
    QString name = system.toLower();
    name.remove(u' ');
    name.remove(u'-');
    if (name.isEmpty()) return std::nullopt;
    bool isNumber = false;
    const int k = name.toInt(&isNumber);
    if (isNumber) return k >= 1 && k <= 13 ? std::optional<int>(k - 1) : std::nullopt;
    std::optional<int> found;
    for (int i = 0; i < 10; ++i) {
        const QString full = QString::fromLatin1(kFullCover[i]);
        if (name == full) return 13 + i;
        if (name == withoutTrailingDigits(full)) {
            if (found) return std::nullopt;  // "lucky" alone names three systems
            found = 13 + i;
        }
    }
    return found;
}

ParseResult parseArguments(const QStringList& arguments) {
    Options options;
    bool haveCoupon = false;
    bool stakeGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const auto value = [&](QString& out) {
            if (i + 1 >= arguments.size()) return false;
            out = arguments[++i];
            return true;
        };
        QString v;
        if (arg == QLatin1String("--bank")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --bank értéke.")};
            const std::optional<int> n = positiveNumber(v);
            if (!n) return {std::nullopt, QStringLiteral("Hibás sorszám: %1").arg(v)};
            options.banks.push_back(*n);
        } else if (arg == QLatin1String("--system")) {
            if (!value(v) || !calculatorIndex(v))
                return {std::nullopt, QStringLiteral("Ismeretlen rendszer: %1").arg(v)};
            options.system = v;
        } else if (arg == QLatin1String("--key")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --key értéke.")};
            options.keyFile = v;
        } else if (arg == QLatin1String("--odds")) {
            options.odds = true;
        } else if (arg == QLatin1String("--won")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --won értéke.")};
            const std::optional<std::vector<int>> rows = numberList(v);
            if (!rows) return {std::nullopt, QStringLiteral("Hibás tipplista: %1").arg(v)};
            options.won = *rows;
            options.hasWon = true;
        } else if (arg == QLatin1String("--table")) {
            options.table = true;
        } else if (arg == QLatin1String("--void")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --void értéke.")};
            if (!voidList(v, options)) return {std::nullopt, QStringLiteral("Hibás tipplista: %1").arg(v)};
            options.hasVoid = true;
        } else if (arg == QLatin1String("--stake")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --stake értéke.")};
            const std::optional<qint64> stake = results::parseStake(v);
            if (!stake) return {std::nullopt, QStringLiteral("Hibás tét: %1").arg(v)};
            options.stake = *stake;
            stakeGiven = true;
        } else if (arg == QLatin1String("--make-key")) {
            if (!value(v) || !keys::parseKeyName(v.toStdString()))
                return {std::nullopt, QStringLiteral("A --make-key értéke KK_NN_MM alakú: %1").arg(v)};
            options.makeKey = v;
        } else if (arg == QLatin1String("--key-profile")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --key-profile értéke.")};
            options.keyProfile = v;
        } else if (arg == QLatin1String("--out")) {
            if (!value(v)) return {std::nullopt, QStringLiteral("Hiányzik a --out értéke.")};
            options.keyOut = v;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            return {std::nullopt, QString(), true, false};
        } else if (arg == QLatin1String("--version")) {
            return {std::nullopt, QString(), false, true};
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            return {std::nullopt, QStringLiteral("Ismeretlen kapcsoló: %1").arg(arg)};
        } else {
            if (haveCoupon) return {std::nullopt, QStringLiteral("Csak egy szelvény adható meg.")};
            options.coupon = arg;
            haveCoupon = true;
        }
    }
    // A key made or profiled stands alone: no coupon, and none of the coupon's options.
    const bool couponOptions = !options.banks.empty() || !options.system.isEmpty() ||
                               !options.keyFile.isEmpty() || options.odds || options.hasWon ||
                               options.hasVoid || options.table || stakeGiven;
    if (!options.makeKey.isEmpty() || !options.keyProfile.isEmpty()) {
        const QString name =
            options.makeKey.isEmpty() ? QStringLiteral("--key-profile") : QStringLiteral("--make-key");
        if (!options.makeKey.isEmpty() && !options.keyProfile.isEmpty())
            return {std::nullopt, QStringLiteral("A --make-key és a --key-profile együtt nem adható meg.")};
        if (haveCoupon) return {std::nullopt, QStringLiteral("A %1 mellé nem kell szelvény.").arg(name)};
        if (couponOptions)
            return {std::nullopt, QStringLiteral("A %1 mellett csak %2 adható meg.")
                                      .arg(name, options.makeKey.isEmpty() ? QStringLiteral("a kulcsfájl")
                                                                           : QStringLiteral("a --out"))};
        if (!options.keyProfile.isEmpty() && !options.keyOut.isEmpty())
            return {std::nullopt, QStringLiteral("A --out csak a --make-key mellett adható meg.")};
        return {options, QString()};
    }
    if (!options.keyOut.isEmpty())
        return {std::nullopt, QStringLiteral("A --out csak a --make-key mellett adható meg.")};
    if (!haveCoupon) return {std::nullopt, QStringLiteral("Hiányzik a szelvény.")};
    for (const int row : options.voided) {
        if (std::find(options.won.begin(), options.won.end(), row) != options.won.end())
            return {std::nullopt,
                    QStringLiteral("A %1. tipp nem lehet egyszerre nyertes és törölt.").arg(row)};
    }
    if (stakeGiven && !options.table)
        return {std::nullopt, QStringLiteral("A --stake csak a --table mellett adható meg.")};
    if (!options.system.isEmpty() && !options.keyFile.isEmpty())
        return {std::nullopt, QStringLiteral("A --system és a --key együtt nem adható meg.")};
    return {options, QString()};
}

namespace {

Button& calculatorButton(Form1& form, int index) {
    if (index == 0) return form.Command24;
    return *form.calculatorButtons()[static_cast<size_t>(index - 1)];
}

int refused(CliPlatform& platform) {
    return platform.takeRefusal() ? 1 : 0;
}

}  // namespace

QString systemRefusal(Form1& form, const QString& system) {
    const std::optional<int> index = calculatorIndex(system);
    if (!index) return QStringLiteral("Ismeretlen rendszer: %1").arg(system);
    const Button& button = calculatorButton(form, *index);
    if (button.isEnabled()) return {};
    return QStringLiteral("A(z) „%1” rendszer %2 tippre nem választható.")
        .arg(button.caption())
        .arg(form.module1.tipCount);
}

int run(Form1& form, CliPlatform& platform, const Options& options) {
    form.Command1.click();
    if (refused(platform)) return 1;
    form.Command2.click();
    if (refused(platform)) return 1;

    for (const int row : options.banks) {
        if (row > form.module1.tipCount) {
            std::fprintf(stderr, "Nincs %d. tipp.\n", row);
            return 1;
        }
        form.Grid1.clickCell(row, 0);
        form.Command22.click();
        if (refused(platform)) return 1;
    }

    if (!options.system.isEmpty()) {
        // Only what the window lets the user press: the conversion and the bankers have just
        // enabled exactly the calculators that fit the tips in hand.
        const QString refusal = systemRefusal(form, options.system);
        if (!refusal.isEmpty()) {
            std::fprintf(stderr, "%s\n", refusal.toUtf8().constData());
            return 1;
        }
        calculatorButton(form, *calculatorIndex(options.system)).click();
    } else if (!options.keyFile.isEmpty()) {
        QFile file(options.keyFile);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "A kulcsfájl nem olvasható: %s\n", options.keyFile.toUtf8().constData());
            return 1;
        }
        const QString description = QFileInfo(options.keyFile).fileName();
        if (!keys::substituteKeyText(form, description, files::decode(file.readAll()))) return 1;
    }
    if (refused(platform)) return 1;

    if (options.odds) form.Command19.click();
    if (options.hasWon) {
        for (const int row : options.won) {
            if (row > form.module1.tipCount) {
                std::fprintf(stderr, "Nincs %d. tipp.\n", row);
                return 1;
            }
            // A won tip is marked once, however often the list names it.
            if (form.resultFlags[static_cast<size_t>(row)] == 0) form.Grid1.clickCell(row, 3);
        }
    }
    if (options.hasVoid) {
        // Marked through the odds cells' context menu, as the user marks them.
        for (const int row : options.voided) {
            if (row > form.module1.tipCount) {
                std::fprintf(stderr, "Nincs %d. tipp.\n", row);
                return 1;
            }
            form.Grid1.chooseMenuEntry(row, 3, Form1::kChooseCancelled);
        }
        for (const int row : options.voidedBanks) {
            if (row > form.module1.bankerCount) {
                std::fprintf(stderr, "Nincs %d. fix tipp.\n", row);
                return 1;
            }
            form.Grid2.chooseMenuEntry(row, 3, Form1::kChooseCancelled);
        }
    }
    if (options.hasWon || options.hasVoid) form.Command21.click();
    return refused(platform);
}

}  // namespace kombinator::cli
