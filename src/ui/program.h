// The program's life on the desktop: start-up, the main window, the dialogs' windows and the
// event loop, until "Kilép" or the window's close box ends it.
#pragma once

#include <functional>
#include <optional>

namespace kombinator {
class Form1;
}

namespace kombinator::ui {

class MainWindow;
class QtPlatform;

// Runs the program in the application already created, on `platform`; returns its exit status.
// `started` is called once the main window shows, at the event loop's first turn (after what the
// window takes on once it stands); when it answers with an exit status, the program ends with it.
using Started = std::function<std::optional<int>(Form1&, MainWindow&)>;
int runProgram(QtPlatform& platform, const Started& started = {});

}  // namespace kombinator::ui
