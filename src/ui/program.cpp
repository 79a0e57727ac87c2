#include "ui/program.h"

#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "ui/dialogview.h"
#include "ui/mainwindow.h"
#include "ui/qtplatform.h"

namespace kombinator::ui {

int runProgram(QtPlatform& platform, const Started& started) {
    Form1 form(platform);
    MainWindow window(form);
    DialogViews dialogs(form);
    QObject::connect(&dialogs, &DialogViews::viewCreated, &window,
                     [&platform](QWidget* view) { platform.prepareWindow(view); });

    // Start-up runs before the window shows: a second copy says so and ends unseen.
    form.Form_Load();
    if (platform.quitRequested()) return 0;
    window.show();
    if (started) {
        // From the event loop, once the window has what it takes on after showing.
        QTimer::singleShot(0, &window, [&] {
            if (const std::optional<int> status = started(form, window)) QCoreApplication::exit(*status);
        });
    }
    return QApplication::exec();
}

}  // namespace kombinator::ui
