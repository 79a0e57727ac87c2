#include "ui/program.h"

#include <QApplication>

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
        if (const std::optional<int> status = started(form, window)) return *status;
    }
    return QApplication::exec();
}

}  // namespace kombinator::ui
