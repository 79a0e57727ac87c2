#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

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
    {"-h, --help", "ez a súgó"},
    {"--version", "a program neve és változata"},
};

void printUsage(std::FILE* to) {
    std::fputs(
        "Használat: kombinator [KAPCSOLÓ]\n"
        "A Kombinátor rendszerfogadás-kalkulátor ablaka; kapcsoló nélkül elindítja a programot.\n",
        to);
    for (const OptionHelp& row : kOptionHelp)
        std::fprintf(to, "  %-12s%s\n", row.option, row.text);
    std::fputs("A Qt szokásos kapcsolói (pl. -platform, -style) is megadhatók.\n", to);
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
        const auto named = [&name](const char* option) { return name == option; };
        if (!valueGiven && std::any_of(std::begin(kQtSwitches), std::end(kQtSwitches), named)) continue;
        if (!std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), named)) return arg;
        if (!valueGiven) ++i;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed, so they work without a display too.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage(stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("kombinator " KOMBINATOR_VERSION);
            return 0;
        }
    }
    if (const char* unknown = unknownArgument(argc, argv)) {
        std::fprintf(stderr, "Ismeretlen kapcsoló: %s\n", unknown);
        printUsage(stderr);
        return 2;
    }

    QApplication app(argc, argv);
    // What Qt did not take for itself is not ours either.
    if (app.arguments().size() > 1) {
        std::fprintf(stderr, "Ismeretlen kapcsoló: %s\n", app.arguments().at(1).toUtf8().constData());
        printUsage(stderr);
        return 2;
    }
    // The menu entry and the AppStream data carry this name; the desktop finds the window's icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOMBINATOR_APP_ID));
    // The application name stays the executable's: the single-instance lock recognises a live
    // owner by it.

    // Qt's own texts (message box and file dialog buttons) in Hungarian, like the program's.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    kombinator::ui::QtPlatform platform;
    if (!kombinator::ui::selfCheckRequested()) return kombinator::ui::runProgram(platform);
    return kombinator::ui::runProgram(
        platform, [](kombinator::Form1& form, kombinator::ui::MainWindow& window) -> std::optional<int> {
            return kombinator::ui::selfCheck(form, window);
        });
}
