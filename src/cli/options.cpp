#include "cli/options.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "app/form1.h"
#include "cli/cliplatform.h"
#include "keys/substitution.h"
#include "platform/files.h"

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
    {"-h, --help", "ez a súgó"},
    {"--version", "a program neve és változata"},
};

QString usage() {
    QString text = QStringLiteral(
        "Használat: kombinator-cli [--bank N]... [--system S | --key FÁJL] [--odds] [--won LISTA] [--table] "
        "SZELVÉNY\n");
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
    if (!haveCoupon) return {std::nullopt, QStringLiteral("Hiányzik a szelvény.")};
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
        form.Command21.click();
    }
    return refused(platform);
}

}  // namespace kombinator::cli
