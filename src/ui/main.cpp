#include <QApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "app/language.h"
#include "platform/programfolder.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "ui/qtplatform.h"
#include "ui/selfcheck.h"

namespace {

// One row per option of the window program; Qt's own options (-platform, -style, ...) come on top.
struct OptionHelp {
    const char* option;
    const char* text;
};
constexpr OptionHelp kOptionHelp[] = {
    {QT_TRANSLATE_NOOP("kombinator", "--lang NYELV"),
     QT_TRANSLATE_NOOP("kombinator", "a szövegek nyelve: hu vagy en (az ablakban is megadható)")},
    {"-h, --help", QT_TRANSLATE_NOOP("kombinator", "ez a súgó")},
    {"--version", QT_TRANSLATE_NOOP("kombinator", "a program neve és változata")},
};

QString text(const char* source) {
    return QCoreApplication::translate("kombinator", source);
}

void printUsage(std::FILE* to) {
    QString usage = QCoreApplication::translate(
        "kombinator",
        "Használat: kombinator [KAPCSOLÓ]\n"
        "A Kombinátor rendszerfogadás-kalkulátor ablaka; kapcsoló nélkül elindítja a programot.\n");
    for (const OptionHelp& row : kOptionHelp)
        usage += QStringLiteral("  %1%2\n").arg(text(row.option).leftJustified(14), text(row.text));
    usage += QCoreApplication::translate("kombinator",
                                         "A Qt szokásos kapcsolói (pl. -platform, -style) is megadhatók.\n");
    std::fputs(usage.toUtf8().constData(), to);
}

void printUnknown(const QString& argument) {
    std::fputs((QCoreApplication::translate("kombinator", "Ismeretlen kapcsoló: %1\n").arg(argument))
                   .toUtf8()
                   .constData(),
               stderr);
    printUsage(stderr);
}

// The language the window's texts are shown in, from --lang, the user's choice and the locale.
kombinator::Language chosenLanguage(const QStringList& arguments) {
    return kombinator::chooseLanguage(kombinator::languageOption(arguments).language,
                                      kombinator::savedLanguage(), kombinator::interfaceLocale());
}

// Qt's own options, which the window takes before the program sees its arguments; those with a
// value take the next argument too, or "=value".
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "geometry",
                                               "qwindowtitle",
                                               "title",
                                               "qwindowicon",
                                               "icon",
                                               "session",
                                               "display",
                                               "name",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger"};

// The first argument that is neither Qt's nor ours, read before any window system is needed:
// without a display, Qt would abort before it could be told.
const char* unknownArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '-' || arg[1] == '\0') return arg;
        std::string name = arg + (arg[1] == '-' ? 2 : 1);  // Qt takes "--platform" as "-platform"
        const std::size_t equals = name.find('=');
        const bool valueGiven = equals != std::string::npos;
        if (valueGiven) name.resize(equals);
        if (std::strcmp(arg, "--lang") == 0 || (valueGiven && name == "lang" && arg[1] == '-')) {
            if (!valueGiven) ++i;  // its value is judged once the texts can be shown
            continue;
        }
        const auto named = [&name](const char* option) { return name == option; };
        if (!valueGiven && std::any_of(std::begin(kQtSwitches), std::end(kQtSwitches), named)) continue;
        if (!std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), named)) return arg;
        if (!valueGiven) ++i;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed, so they work without a display too; their
    // texts come in the chosen language from an application of their own.
    const auto early = [&](const auto& say) {
        QCoreApplication texts(argc, argv);
        kombinator::useLanguage(chosenLanguage(texts.arguments()));
        return say(texts.arguments());
    };
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return early([](const QStringList&) {
                printUsage(stdout);
                return 0;
            });
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("kombinator " KOMBINATOR_VERSION);
            return 0;
        }
    }
    if (const char* unknown = unknownArgument(argc, argv)) {
        return early([unknown](const QStringList&) {
            printUnknown(QString::fromLocal8Bit(unknown));
            return 2;
        });
    }
    const auto badLanguage = [](const QStringList& arguments) {
        const kombinator::LanguageOption option = kombinator::languageOption(arguments);
        if (!option.bad) return 0;
        std::fputs(QCoreApplication::translate("kombinator", "Ismeretlen nyelv: %1 (hu vagy en)\n")
                       .arg(option.value)
                       .toUtf8()
                       .constData(),
                   stderr);
        printUsage(stderr);
        return 2;
    };
    // The option is judged from the arguments alone: an application of its own, with its
    // catalogue, is made only to say that the language is unknown.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (kombinator::languageOption(arguments).bad) return early(badLanguage);

    QApplication app(argc, argv);
    kombinator::nameTheProgram();
    // What Qt did not take for itself is not ours either, but for the language.
    QStringList rest;
    const QStringList given = app.arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        if (given.at(i) == QLatin1String("--lang"))
            ++i;
        else if (!given.at(i).startsWith(QLatin1String("--lang=")))
            rest << given.at(i);
    }
    // The texts, Qt's own words (message box and file dialog buttons) with them.
    kombinator::useLanguage(chosenLanguage(app.arguments()));
    if (!rest.isEmpty()) {
        printUnknown(rest.first());
        return 2;
    }
    // The menu entry and the AppStream data carry this name; the desktop finds the window's icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOMBINATOR_APP_ID));
    // The application name stays the executable's: the single-instance lock recognises a live
    // owner by it.

    kombinator::ui::QtPlatform platform;
    platform.lockInBackground();
    if (!kombinator::ui::selfCheckRequested()) return kombinator::ui::runProgram(platform);
    return kombinator::ui::runProgram(
        platform, [](kombinator::Form1& form, kombinator::ui::MainWindow& window) -> std::optional<int> {
            return kombinator::ui::selfCheck(form, window);
        });
}
