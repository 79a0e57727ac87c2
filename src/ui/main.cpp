#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/form1.h"
#include "ui/dialogview.h"
#include "ui/mainwindow.h"
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
    kombinator::Form1 form(platform);
    kombinator::ui::MainWindow window(form);
    kombinator::ui::DialogViews dialogs(form);
    QObject::connect(&dialogs, &kombinator::ui::DialogViews::viewCreated, &app,
                     [&platform](QWidget* view) { platform.prepareWindow(view); });

    // Start-up runs before the window shows: a second copy says so and ends unseen.
    form.Form_Load();
    if (platform.quitRequested()) return 0;
    window.show();
    return QApplication::exec();
}
