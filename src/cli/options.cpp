#include "cli/options.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

#include "app/form1.h"
#include "app/language.h"
#include "calc/fullcover.h"
#include "calc/namedbets.h"
#include "cli/cliplatform.h"
#include "keys/keysearch.h"
#include "keys/substitution.h"
#include "platform/files.h"
#include "results/returntable.h"

namespace kombinator::cli {

namespace {

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

// The options that give tips or bankers a settled result, each an entry of the odds cells' menu,
// with the result's word in a refusal.
struct SettleOption {
    const char* option;
    Form1::ResultChoice choice;
    const char* word;
};
constexpr SettleOption kSettleOptions[] = {
    {"--void", Form1::kChooseCancelled, QT_TRANSLATE_NOOP("cli", "törölt")},
    {"--half-won", Form1::kChooseHalfWon, QT_TRANSLATE_NOOP("cli", "félig nyert")},
    {"--half-lost", Form1::kChooseHalfLost, QT_TRANSLATE_NOOP("cli", "félig vesztett")},
    {"--dead-heat", Form1::kChooseDeadHeat, QT_TRANSLATE_NOOP("cli", "holtversenyes")},
    {"--placed", Form1::kChoosePlaced, QT_TRANSLATE_NOOP("cli", "helyezett")},
    {"--rule4", Form1::kChooseRule4, QT_TRANSLATE_NOOP("cli", "Rule 4 levonásos")},
};

// The refusals that more than one option or command gives.
QString missingValue(const QString& option) {
    return QCoreApplication::translate("cli", "Hiányzik a %1 értéke.").arg(option);
}

QString badTipList(const QString& list) {
    return QCoreApplication::translate("cli", "Hibás tipplista: %1").arg(list);
}

QString unknownSystem(const QString& system) {
    return QCoreApplication::translate("cli", "Ismeretlen rendszer: %1").arg(system);
}

QString onlyWithMakeKey(const QString& option) {
    return QCoreApplication::translate("cli", "A %1 csak a --make-key mellett adható meg.").arg(option);
}

// A whole number from `min` to `max`, nullopt for any other text.
std::optional<int> numberIn(const QString& text, int min, int max) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < min || n > max) return std::nullopt;
    return n;
}

// A list of tip numbers, and banker numbers written with an F before them ("2,F1"); with
// --dead-heat each with the number tied after a colon and the place after an at sign ("4:3,
// 2:2@3,F1:2"); with --rule4 each with the pence after a colon ("3:25").
bool markList(const QString& text, const SettleOption& setting, Options& options) {
    const bool deadHeat = setting.choice == Form1::kChooseDeadHeat;
    const bool rule4 = setting.choice == Form1::kChooseRule4;
    for (const QString& raw : text.split(u',', Qt::SkipEmptyParts)) {
        QString part = raw.trimmed();
        ResultMark mark;
        mark.choice = setting.choice;
        if (deadHeat || rule4) {
            const qsizetype colon = part.indexOf(u':');
            if (colon < 0) return false;
            QString value = part.mid(colon + 1);
            part = part.left(colon).trimmed();
            if (rule4) {
                const std::optional<int> pence = numberIn(value, kMinRule4, kMaxRule4);
                if (!pence) return false;
                mark.pence = *pence;
            } else {
                if (const qsizetype at = value.indexOf(u'@'); at >= 0) {
                    const std::optional<int> position = numberIn(value.mid(at + 1), 1, kMaxPlaces);
                    if (!position) return false;
                    mark.position = *position;
                    value = value.left(at);
                }
                const std::optional<int> tied = numberIn(value, Form1::kMinTied, Form1::kMaxTied);
                if (!tied) return false;
                mark.tied = *tied;
            }
        }
        mark.banker = part.startsWith(u'F', Qt::CaseInsensitive);
        const std::optional<int> n = positiveNumber(mark.banker ? part.mid(1) : part);
        if (!n) return false;
        mark.row = *n;
        options.marks.push_back(mark);
    }
    return true;
}

// Place terms as the command line writes them: the fraction of the odds and the places, "1/4:3".
std::optional<PlaceTerms> placeTermsOption(const QString& text) {
    const QStringList parts = text.split(u':');
    if (parts.size() != 2) return std::nullopt;
    const QStringList fraction = parts.at(0).trimmed().split(u'/');
    if (fraction.size() != 2 || fraction.at(0).trimmed() != QLatin1String("1")) return std::nullopt;
    const std::optional<int> denominator = numberIn(fraction.at(1), kMinPlaceFraction, kMaxPlaceFraction);
    const std::optional<int> places = numberIn(parts.at(1), kMinPlaces, kMaxPlaces);
    if (!denominator || !places) return std::nullopt;
    return PlaceTerms{*denominator, *places};
}

// --each-way F:P for every tip and banker, or N=F:P,... for some ("2=1/4:3,F1=1/5:2").
bool eachWayList(const QString& text, Options& options) {
    if (!text.contains(u'=')) {
        const std::optional<PlaceTerms> terms = placeTermsOption(text);
        if (!terms) return false;
        options.eachWay.push_back({true, 0, false, *terms});
        return true;
    }
    for (const QString& raw : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = raw.indexOf(u'=');
        if (equals < 0) return false;
        const QString tip = raw.left(equals).trimmed();
        EachWayTerms each;
        each.banker = tip.startsWith(u'F', Qt::CaseInsensitive);
        const std::optional<int> row = positiveNumber(each.banker ? tip.mid(1) : tip);
        const std::optional<PlaceTerms> terms = placeTermsOption(raw.mid(equals + 1));
        if (!row || !terms) return false;
        each.row = *row;
        each.terms = *terms;
        options.eachWay.push_back(each);
    }
    return true;
}

QString resultWord(const ResultMark& mark) {
    for (const SettleOption& setting : kSettleOptions) {
        if (setting.choice == mark.choice) return QCoreApplication::translate("cli", setting.word);
    }
    return {};
}

// The refusal of a tip or banker given two results; empty when none is.
QString doubleResult(const Options& options) {
    const auto refusal = [](const ResultMark& mark, const QString& one, const QString& other) {
        return (mark.banker
                    ? QCoreApplication::translate("cli", "Az F%1 fix tipp nem lehet egyszerre %2 és %3.")
                    : QCoreApplication::translate("cli", "A %1. tipp nem lehet egyszerre %2 és %3."))
            .arg(QString::number(mark.row), one, other);
    };
    for (auto mark = options.marks.begin(); mark != options.marks.end(); ++mark) {
        if (!mark->banker && mark->choice != Form1::kChooseRule4 &&
            std::find(options.won.begin(), options.won.end(), mark->row) != options.won.end())
            return refusal(*mark, QCoreApplication::translate("cli", "nyertes"), resultWord(*mark));
        for (auto other = options.marks.begin(); other != mark; ++other) {
            // A Rule 4 goes with any result.
            if (mark->choice == Form1::kChooseRule4 || other->choice == Form1::kChooseRule4) continue;
            if (other->row == mark->row && other->banker == mark->banker &&
                (other->choice != mark->choice || other->tied != mark->tied ||
                 other->position != mark->position))
                return refusal(*mark, resultWord(*other), resultWord(*mark));
        }
    }
    return {};
}

QString withoutTrailingDigits(QString name) {
    while (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    return name;
}

}  // namespace

// One row per option: what the user types and what it does. Continuation lines of a long
// explanation start with a line feed. An option's value is named in the language of the texts
// ("FÁJL"); option names and the values' letters ("N", "KK_NN_MM") are the same in every one.
struct OptionHelp {
    const char* option;
    const char* text;
};
constexpr OptionHelp kOptionHelp[] = {
    {QT_TRANSLATE_NOOP("cli", "SZELVÉNY"),
     QT_TRANSLATE_NOOP("cli", "a bemásolt szelvény szövegfájlja, vagy - a szabványos bemenethez")},
    {"--bank N",
     QT_TRANSLATE_NOOP("cli", "az N. tipp fix lesz (többször is megadható, a megadás sorrendjében)")},
    {"--system S", nullptr},  // the systems' names, see systemHelp()
    {QT_TRANSLATE_NOOP("cli", "--key FÁJL"),
     QT_TRANSLATE_NOOP("cli", "kulcs behelyettesítése (a fájlnév 4-5. karaktere az események száma)")},
    {"--html", QT_TRANSLATE_NOOP("cli",
                                 "a szelvény egy oldal HTML-je (mentett oldal vagy a vágólap HTML-je);\n"
                                 "a címkével kezdődő szelvényt enélkül is így olvassa")},
    {"--odds", QT_TRANSLATE_NOOP("cli", "a fogadások árazása az aktuális oddsokkal")},
    {"--odds-format F",
     QT_TRANSLATE_NOOP("cli",
                       "a tippek listája a fogadások előtt, az oddsok F alakjában: asread (ahogy\n"
                       "beolvasta), decimal (2.50), fractional (3/2) vagy american (+150)")},
    {QT_TRANSLATE_NOOP("cli", "--won LISTA"),
     QT_TRANSLATE_NOOP("cli", "nyertes tippek (pl. 1,3,4), majd az eredmény kiértékelése")},
    {"--table", QT_TRANSLATE_NOOP("cli", "nyereménytábla a nyertes tippek száma szerint")},
    {QT_TRANSLATE_NOOP("cli", "--void LISTA"),
     QT_TRANSLATE_NOOP("cli",
                       "törölt (1,00-s szorzóval elszámolt) tippek (pl. 2,5), F1 az 1. fix tipp;\n"
                       "majd az eredmény kiértékelése")},
    {QT_TRANSLATE_NOOP("cli", "--half-won LISTA"),
     QT_TRANSLATE_NOOP("cli",
                       "félig nyert tippek (a tét fele az oddson nyer, a fele visszajár),\n"
                       "pl. 2,F1; majd az eredmény kiértékelése")},
    {QT_TRANSLATE_NOOP("cli", "--half-lost LISTA"),
     QT_TRANSLATE_NOOP("cli",
                       "félig vesztett tippek (a tét fele visszajár, a fele elvész), pl. 3;\n"
                       "majd az eredmény kiértékelése")},
    {"--dead-heat N:K[@P],...",
     QT_TRANSLATE_NOOP("cli",
                       "holtverseny: az N. tipp K-ad magával végzett holtversenyben (K 2 és 20\n"
                       "között; a tét K-ad része nyer az oddson) a P. helyért (alapértelmezés 1;\n"
                       "each-way tippnél), pl. 4:3,F1:2,2:2@3; majd kiértékelés")},
    {"--each-way F:P",
     QT_TRANSLATE_NOOP("cli",
                       "each-way fogadás: minden tipp győztesre és helyezésre is, a helyezés az odds\n"
                       "F részét fizeti P helyig (pl. 1/4:3); tippenként N=F:P,... (pl.\n"
                       "1=1/4:3,F1=1/5:2)")},
    {QT_TRANSLATE_NOOP("cli", "--placed LISTA"),
     QT_TRANSLATE_NOOP("cli", "helyezett (nem nyertes) tippek, pl. 2,F1; majd kiértékelés")},
    {"--rule4 N:R,...",
     QT_TRANSLATE_NOOP("cli",
                       "Rule 4 levonás: az N. tipp nyereményéből fontonként R penny (5-90),\n"
                       "pl. 3:25; majd kiértékelés")},
    {"--lucky-bonus M:B",
     QT_TRANSLATE_NOOP("cli",
                       "Lucky 15/31/63 bónusz: egyetlen nyertes tipp szólója M-szeres nyereménnyel\n"
                       "(1-3), minden tipp nyer: B % bónusz a győztes sorokra (pl. 2:10)")},
    {"--stake X",
     QT_TRANSLATE_NOOP("cli", "a nyereménytábla téte fogadásonként (pl. 100 vagy 2,50; alapértelmezés 1)")},
    {"--make-key KK_NN_MM",
     QT_TRANSLATE_NOOP("cli",
                       "szelvény helyett kulcs készítése: KK tippes kötések, NN esemény, MM találat\n"
                       "esetén legalább egy nyerő kötés")},
    {QT_TRANSLATE_NOOP("cli", "--out FÁJL"),
     QT_TRANSLATE_NOOP("cli", "a --make-key kulcsfájlja ide kerül (alapértelmezés: szabványos kimenet)")},
    {"--seconds N",
     QT_TRANSLATE_NOOP("cli",
                       "a --make-key keresése legfeljebb N másodperc processzoridő (alapértelmezés 10);\n"
                       "előbb megáll, ha eléri a legjobb ismert méretet vagy a bizonyított korlátot")},
    {QT_TRANSLATE_NOOP("cli", "--key-profile FÁJL"),
     QT_TRANSLATE_NOOP("cli",
                       "szelvény helyett a kulcs nyerési táblája: a bejövő tippek számára\n"
                       "a legkevesebb és a legtöbb nyerő kötés")},
    {QT_TRANSLATE_NOOP("cli", "--lang NYELV"),
     QT_TRANSLATE_NOOP("cli",
                       "a szövegek nyelve: hu (magyar) vagy en (angol); alapértelmezés a\n"
                       "környezet nyelve (angol az en_* nyelvi környezetben, különben magyar)")},
    {"-h, --help", QT_TRANSLATE_NOOP("cli", "ez a súgó")},
    {"--version", QT_TRANSLATE_NOOP("cli", "a program neve és változata")},
};

namespace {

// The --system row: the k-fold numbers, then the full-cover names, wrapped like the other rows.
QString systemHelp() {
    constexpr qsizetype kWidth = 72;
    QString text = QCoreApplication::translate("cli", "rendszer: 1 … %1, vagy").arg(calc::kMaxFoldTips);
    qsizetype lineStart = 0;
    QStringList names;
    for (const calc::FullCoverSystem& system : calc::kFullCoverSystems)
        names.append(QString::fromUtf8(system.name));
    for (const calc::NamedBet& bet : calc::kNamedBets)
        names.append(QString::fromUtf8(bet.name));
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString word = names[i] + (i + 1 < names.size() ? QStringLiteral(",") : QString());
        if (text.size() - lineStart + 1 + word.size() > kWidth) {
            text += u'\n';
            lineStart = text.size();
        } else {
            text += u' ';
        }
        text += word;
    }
    return text;
}

}  // namespace

QString usage() {
    QString text = QCoreApplication::translate(
        "cli",
        "Használat: kombinator-cli [--bank N]... [--system S | --key FÁJL] [--odds] [--won LISTA] [--table]\n"
        "          [--void LISTA] [--half-won LISTA] [--half-lost LISTA] [--dead-heat N:K[@P],...]\n"
        "          [--each-way F:P | --each-way N=F:P,...] [--placed LISTA] [--rule4 N:R,...]\n"
        "          [--lucky-bonus M:B] [--stake X] [--odds-format F] [--lang NYELV] [--html] SZELVÉNY\n"
        "          kombinator-cli --make-key KK_NN_MM [--seconds N] [--out FÁJL]\n"
        "          kombinator-cli --key-profile FÁJL\n");
    QStringList options;
    for (const OptionHelp& row : kOptionHelp)
        options.append(QCoreApplication::translate("cli", row.option));
    qsizetype width = 0;
    for (const QString& option : options)
        width = std::max(width, option.size());
    const QString indent(2 + width + 2, u' ');
    for (size_t r = 0; r < std::size(kOptionHelp); ++r) {
        const OptionHelp& row = kOptionHelp[r];
        const QStringList lines =
            (row.text ? QCoreApplication::translate("cli", row.text) : systemHelp()).split(u'\n');
        text += QStringLiteral("  ") + options.at(static_cast<qsizetype>(r)).leftJustified(width) +
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
    if (isNumber) return k >= 1 && k <= calc::kMaxFoldTips ? std::optional<int>(k - 1) : std::nullopt;
    std::optional<int> found;
    QStringList captions;
    for (const calc::FullCoverSystem& system : calc::kFullCoverSystems)
        captions.append(system.caption());
    for (const calc::NamedBet& bet : calc::kNamedBets)
        captions.append(bet.caption());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        // The caption in lower case without blanks: "trixie4", "lucky15", "superheinz120",
        // "unionjacktrixie32", "ssa".
        const QString full = captions[i].toLower().remove(u' ');
        const int index = calc::kMaxFoldTips + static_cast<int>(i);
        if (name == full) return index;
        if (name == withoutTrailingDigits(full)) {
            if (found) return std::nullopt;  // "lucky" alone names three systems
            found = index;
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
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            const std::optional<int> n = positiveNumber(v);
            if (!n) return {std::nullopt, QCoreApplication::translate("cli", "Hibás sorszám: %1").arg(v)};
            options.banks.push_back(*n);
        } else if (arg == QLatin1String("--system")) {
            if (!value(v) || !calculatorIndex(v)) return {std::nullopt, unknownSystem(v)};
            options.system = v;
        } else if (arg == QLatin1String("--key")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            options.keyFile = v;
        } else if (arg == QLatin1String("--odds")) {
            options.odds = true;
        } else if (arg == QLatin1String("--html")) {
            options.html = true;
        } else if (arg == QLatin1String("--odds-format")) {
            options.oddsFormat = value(v) ? calc::oddsFormatNamed(v) : std::nullopt;
            if (!options.oddsFormat)
                return {std::nullopt, QCoreApplication::translate("cli",
                                                                  "Ismeretlen oddsalak: %1 (asread, decimal, "
                                                                  "fractional vagy american)")
                                          .arg(v)};
        } else if (arg == QLatin1String("--won")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            const std::optional<std::vector<int>> rows = numberList(v);
            if (!rows) return {std::nullopt, badTipList(v)};
            options.won = *rows;
            options.hasWon = true;
        } else if (arg == QLatin1String("--table")) {
            options.table = true;
        } else if (const auto setting =
                       std::find_if(std::begin(kSettleOptions), std::end(kSettleOptions),
                                    [&](const SettleOption& s) { return arg == QLatin1String(s.option); });
                   setting != std::end(kSettleOptions)) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            if (!markList(v, *setting, options)) {
                static_assert(Form1::kMinTied == 2 && Form1::kMaxTied == 20, "the texts name the range");
                static_assert(kMinRule4 == 5 && kMaxRule4 == 90 && kMaxPlaces == 10,
                              "the texts name the range");
                if (setting->choice == Form1::kChooseDeadHeat)
                    return {std::nullopt, QCoreApplication::translate(
                                              "cli",
                                              "Hibás holtverseny: %1 (N:K vagy N:K@P alakú, K 2 és 20, "
                                              "P 1 és 10 között)")
                                              .arg(v)};
                if (setting->choice == Form1::kChooseRule4)
                    return {std::nullopt, QCoreApplication::translate(
                                              "cli", "Hibás Rule 4: %1 (N:R alakú, R 5 és 90 között)")
                                              .arg(v)};
                return {std::nullopt, badTipList(v)};
            }
        } else if (arg == QLatin1String("--each-way")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            if (!eachWayList(v, options))
                return {std::nullopt,
                        QCoreApplication::translate("cli",
                                                    "Hibás each-way feltétel: %1 (F:P vagy N=F:P,... alakú, "
                                                    "pl. 1/4:3; F 1/1 és 1/10, P 1 és 10 között)")
                            .arg(v)};
        } else if (arg == QLatin1String("--lucky-bonus")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            const QStringList parts = v.split(u':');
            const std::optional<int> times = parts.size() == 2 ? numberIn(parts.at(0), 1, 3) : std::nullopt;
            const std::optional<int> percent =
                parts.size() == 2 ? numberIn(parts.at(1), 0, 100) : std::nullopt;
            if (!times || !percent)
                return {std::nullopt,
                        QCoreApplication::translate(
                            "cli", "Hibás Lucky bónusz: %1 (M:B alakú, M 1 és 3, B 0 és 100 között)")
                            .arg(v)};
            options.luckyBonus = Form1::LuckyBonus{*times, *percent};
        } else if (arg == QLatin1String("--stake")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            const std::optional<qint64> stake = results::parseStake(v);
            if (!stake) return {std::nullopt, QCoreApplication::translate("cli", "Hibás tét: %1").arg(v)};
            options.stake = *stake;
            stakeGiven = true;
        } else if (arg == QLatin1String("--make-key")) {
            if (!value(v) || !keys::parseKeyName(v.toStdString()))
                return {std::nullopt,
                        QCoreApplication::translate("cli", "A --make-key értéke KK_NN_MM alakú: %1").arg(v)};
            options.makeKey = v;
        } else if (arg == QLatin1String("--seconds")) {
            bool ok = false;
            const int seconds = value(v) ? v.toInt(&ok) : 0;
            if (!ok || seconds < 1 || seconds > kMaxKeySeconds)
                return {std::nullopt, QCoreApplication::translate(
                                          "cli", "A --seconds értéke 1 és %1 közötti egész szám: %2")
                                          .arg(QString::number(kMaxKeySeconds), v)};
            options.keySeconds = seconds;
        } else if (arg == QLatin1String("--key-profile")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            options.keyProfile = v;
        } else if (arg == QLatin1String("--out")) {
            if (!value(v)) return {std::nullopt, missingValue(arg)};
            options.keyOut = v;
        } else if (arg == QLatin1String("--lang") || arg.startsWith(QLatin1String("--lang="))) {
            // Read by the program before the arguments, so that every text is in that language.
            const QString code =
                arg.startsWith(QLatin1String("--lang=")) ? arg.mid(7) : (value(v) ? v : QString());
            if (!languageOfCode(code))
                return {std::nullopt,
                        QCoreApplication::translate("cli", "Ismeretlen nyelv: %1 (hu vagy en)").arg(code)};
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            return {std::nullopt, QString(), true, false};
        } else if (arg == QLatin1String("--version")) {
            return {std::nullopt, QString(), false, true};
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            return {std::nullopt, QCoreApplication::translate("cli", "Ismeretlen kapcsoló: %1").arg(arg)};
        } else {
            if (haveCoupon)
                return {std::nullopt, QCoreApplication::translate("cli", "Csak egy szelvény adható meg.")};
            options.coupon = arg;
            haveCoupon = true;
        }
    }
    // A key made or profiled stands alone: no coupon, and none of the coupon's options.
    const bool couponOptions = !options.banks.empty() || !options.system.isEmpty() ||
                               !options.keyFile.isEmpty() || options.odds || options.settles() ||
                               !options.eachWay.empty() || options.luckyBonus || options.table ||
                               stakeGiven || options.oddsFormat || options.html;
    if (!options.makeKey.isEmpty() || !options.keyProfile.isEmpty()) {
        const QString name =
            options.makeKey.isEmpty() ? QStringLiteral("--key-profile") : QStringLiteral("--make-key");
        if (!options.makeKey.isEmpty() && !options.keyProfile.isEmpty())
            return {std::nullopt, QCoreApplication::translate(
                                      "cli", "A --make-key és a --key-profile együtt nem adható meg.")};
        if (haveCoupon)
            return {std::nullopt,
                    QCoreApplication::translate("cli", "A %1 mellé nem kell szelvény.").arg(name)};
        if (couponOptions) {
            return {std::nullopt,
                    options.makeKey.isEmpty()
                        ? QCoreApplication::translate("cli", "A %1 mellett csak a kulcsfájl adható meg.")
                              .arg(name)
                        : QCoreApplication::translate("cli",
                                                      "A %1 mellett csak a --seconds és a --out adható meg.")
                              .arg(name)};
        }
        if (!options.keyProfile.isEmpty() && !options.keyOut.isEmpty())
            return {std::nullopt, onlyWithMakeKey(QStringLiteral("--out"))};
        if (!options.keyProfile.isEmpty() && options.keySeconds > 0)
            return {std::nullopt, onlyWithMakeKey(QStringLiteral("--seconds"))};
        return {options, QString()};
    }
    if (!options.keyOut.isEmpty()) return {std::nullopt, onlyWithMakeKey(QStringLiteral("--out"))};
    if (options.keySeconds > 0) return {std::nullopt, onlyWithMakeKey(QStringLiteral("--seconds"))};
    if (!haveCoupon) return {std::nullopt, QCoreApplication::translate("cli", "Hiányzik a szelvény.")};
    if (const QString refusal = doubleResult(options); !refusal.isEmpty()) return {std::nullopt, refusal};
    if (stakeGiven && !options.table)
        return {std::nullopt,
                QCoreApplication::translate("cli", "A --stake csak a --table mellett adható meg.")};
    if (!options.system.isEmpty() && !options.keyFile.isEmpty())
        return {std::nullopt,
                QCoreApplication::translate("cli", "A --system és a --key együtt nem adható meg.")};
    return {options, QString()};
}

namespace {

Button& calculatorButton(Form1& form, int index) {
    if (index == 0) return form.Command24;
    const auto buttons = form.calculatorButtons();
    if (static_cast<size_t>(index - 1) < buttons.size()) return *buttons[static_cast<size_t>(index - 1)];
    return form.Command26[static_cast<size_t>(index - 1) - buttons.size()];
}

int refused(CliPlatform& platform) {
    return platform.takeRefusal() ? 1 : 0;
}

// A tip or banker number beyond those in hand: told on standard error, and the run ends with 1.
int noSuchTip(int row, bool banker) {
    const QString text = banker ? QCoreApplication::translate("cli", "Nincs %1. fix tipp.").arg(row)
                                : QCoreApplication::translate("cli", "Nincs %1. tipp.").arg(row);
    writeError(text);
    return 1;
}

}  // namespace

void writeError(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stderr);
}

QString unreadableKeyFile(const QString& name) {
    return QCoreApplication::translate("cli", "A kulcsfájl nem olvasható: %1").arg(name);
}

std::optional<QByteArray> readInput(const QString& name, bool standardInput, const QString& unreadable) {
    const files::ReadResult read = standardInput ? files::readStandardInput() : files::readFile(name);
    if (read.ok()) return read.bytes;
    QString message = files::readRefusal(read.fault, name);
    if (message.isEmpty()) message = unreadable;
    writeError(message);
    return std::nullopt;
}

QString systemRefusal(Form1& form, const QString& system) {
    const std::optional<int> index = calculatorIndex(system);
    if (!index) return unknownSystem(system);
    const Button& button = calculatorButton(form, *index);
    if (button.isEnabled()) return {};
    return QCoreApplication::translate("cli", "A(z) „%1” rendszer %2 tippre nem választható.")
        .arg(button.caption())
        .arg(form.module1.tipCount);
}

int run(Form1& form, CliPlatform& platform, const Options& options) {
    form.Command1.click();
    if (refused(platform)) return 1;
    form.Command2.click();
    if (refused(platform)) return 1;

    for (const int row : options.banks) {
        if (row > form.module1.tipCount) return noSuchTip(row, false);
        form.Grid1.clickCell(row, 0);
        form.Command22.click();
        if (refused(platform)) return 1;
    }

    if (!options.system.isEmpty()) {
        // Only what the window lets the user press: the conversion and the bankers have just
        // enabled exactly the calculators that fit the tips in hand.
        const QString refusal = systemRefusal(form, options.system);
        if (!refusal.isEmpty()) {
            writeError(refusal);
            return 1;
        }
        calculatorButton(form, *calculatorIndex(options.system)).click();
    } else if (!options.keyFile.isEmpty()) {
        const std::optional<QByteArray> key =
            readInput(options.keyFile, false, unreadableKeyFile(options.keyFile));
        if (!key) return 1;
        const QString description = QFileInfo(options.keyFile).fileName();
        if (!keys::substituteKeyText(form, description, files::decode(*key))) return 1;
    }
    if (refused(platform)) return 1;

    // Place terms through the odds cells' menu, as the user gives them; its questions are answered
    // with the fraction and the places given.
    form.luckyBonus = options.luckyBonus.value_or(Form1::LuckyBonus{});
    for (const EachWayTerms& each : options.eachWay) {
        const auto give = [&](Grid& grid, int row, int choice) {
            platform.numberAnswers = {each.terms.fraction, each.terms.places};
            grid.chooseMenuEntry(row, 3, choice);
            platform.numberAnswers.clear();
        };
        if (each.all) {
            if (form.module1.tipCount > 0) give(form.Grid1, 1, Form1::kChooseEachWayAll);
            if (form.module1.bankerCount > 0) give(form.Grid2, 1, Form1::kChooseEachWayAll);
            continue;
        }
        if (each.row > (each.banker ? form.module1.bankerCount : form.module1.tipCount))
            return noSuchTip(each.row, each.banker);
        give(each.banker ? form.Grid2 : form.Grid1, each.row, Form1::kChooseEachWay);
    }
    if (options.odds) form.Command19.click();
    if (options.hasWon) {
        for (const int row : options.won) {
            if (row > form.module1.tipCount) return noSuchTip(row, false);
            // A won tip is marked once, however often the list names it.
            if (form.resultFlags[static_cast<size_t>(row)] == 0) form.Grid1.clickCell(row, 3);
        }
    }
    // Marked through the odds cells' context menu, as the user marks them; a dead heat's dialog
    // is answered with the number given.
    for (const ResultMark& mark : options.marks) {
        if (mark.row > (mark.banker ? form.module1.bankerCount : form.module1.tipCount))
            return noSuchTip(mark.row, mark.banker);
        Grid& grid = mark.banker ? form.Grid2 : form.Grid1;
        // Only an each-way tip paying more than one place is asked for the place of its dead heat.
        const int places = form.termsAt(grid, mark.row).place.places;
        if (mark.choice == Form1::kChooseDeadHeat && mark.position > std::max(places, 1)) {
            writeError(
                (mark.banker
                     ? QCoreApplication::translate(
                           "cli", "Az F%1 fix tipp csak %2 helyig fizet: nincs holtverseny a %3. helyért.")
                     : QCoreApplication::translate(
                           "cli", "A %1. tipp csak %2 helyig fizet: nincs holtverseny a %3. helyért."))
                    .arg(mark.row)
                    .arg(std::max(places, 1))
                    .arg(mark.position));
            return 1;
        }
        if (mark.choice == Form1::kChooseRule4) {
            platform.numberAnswers = {mark.pence};
        } else if (places > 1) {
            platform.numberAnswers = {mark.tied, mark.position};
        } else {
            platform.numberAnswers = {mark.tied};
        }
        grid.chooseMenuEntry(mark.row, 3, mark.choice);
        platform.numberAnswers.clear();
    }
    if (options.settles()) form.Command21.click();
    return refused(platform);
}

}  // namespace kombinator::cli
