#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/program.h"
#include "ui/qtplatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application name stays the executable's: the single-instance lock recognises a live
    // owner by it.

    // Qt's own texts (message box and file dialog buttons) in Hungarian, like the program's.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    kombinator::ui::QtPlatform platform;
    return kombinator::ui::runProgram(platform);
}
