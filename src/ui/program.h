// The program's life on the desktop: start-up, the main window, the dialogs' windows and the
// event loop, until "Kilép" or the window's close box ends it.
#pragma once

#include <functional>

namespace kombinator {
class Form1;
}

namespace kombinator::ui {

class MainWindow;
class QtPlatform;

// Runs the program in the application already created, on `platform`; returns its exit status.
// `started` is called once the main window shows, before the event loop runs.
int runProgram(QtPlatform& platform, const std::function<void(Form1&, MainWindow&)>& started = {});

}  // namespace kombinator::ui
