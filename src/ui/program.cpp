#include "ui/program.h"

#include <QApplication>

#include "app/form1.h"
#include "ui/dialogview.h"
#include "ui/mainwindow.h"
#include "ui/qtplatform.h"

namespace kombinator::ui {

int runProgram(QtPlatform& platform, const std::function<void(Form1&, MainWindow&)>& started) {
    Form1 form(platform);
    MainWindow window(form);
    DialogViews dialogs(form);
    QObject::connect(&dialogs, &DialogViews::viewCreated, &window,
                     [&platform](QWidget* view) { platform.prepareWindow(view); });

    // Start-up runs before the window shows: a second copy says so and ends unseen.
    form.Form_Load();
    if (platform.quitRequested()) return 0;
    window.show();
    if (started) started(form, window);
    return QApplication::exec();
}

}  // namespace kombinator::ui
