// Start-up to the first shown main window, against a bare window holding plain widgets of the
// same kinds at the same places (no models, no bindings). Run under a real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_startup
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

#include "app/form1.h"
#include "ui/mainwindow.h"
#include "ui/qtplatform.h"
#include "ui/twips.h"

using namespace kombinator;

namespace {

// The real platform, except that a message box (there should be none) does not wait.
class BenchPlatform : public ui::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override {
        ++messages;
        return MsgAnswer::Ok;
    }
    int messages = 0;
};

void waitUntilExposed(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_MainWindowStartUp(benchmark::State& state) {
    QTemporaryDir lockFolder;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            BenchPlatform platform(lockFolder.path());
            platform.lockInBackground();  // as the program does
            Form1 form(platform);
            ui::MainWindow window(form);
            form.Form_Load();
            window.show();
            waitUntilExposed(window);
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
            if (platform.messages != 0) state.SkipWithError("start-up showed a message");
        }
        settle();
    }
}

// The same number and kinds of widgets at the same places, bare.
QWidget* plainWidget(Control& control, QWidget* parent, QTabWidget*& tabs) {
    if (qobject_cast<Grid*>(&control)) return new QTableView(parent);
    if (qobject_cast<ListBox*>(&control)) return new QListView(parent);
    if (qobject_cast<Button*>(&control)) return new QPushButton(control.caption(), parent);
    if (qobject_cast<Label*>(&control) || qobject_cast<PictureBox*>(&control))
        return new QLabel(control.caption(), parent);
    if (qobject_cast<CheckBox*>(&control)) return new QCheckBox(control.caption(), parent);
    if (auto* tab = qobject_cast<TabControl*>(&control)) {
        tabs = new QTabWidget(parent);
        for (const QString& caption : tab->tabs())
            tabs->addTab(new QWidget, caption);
        return tabs;
    }
    return nullptr;
}

void BM_BareWindowStartUp(benchmark::State& state) {
    QTemporaryDir lockFolder;
    ui::QtPlatform platform(lockFolder.path());
    Form1 layout(platform);  // only for the places of the controls
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            QWidget window;
            window.setFixedSize(ui::MainWindow::kWidth, ui::MainWindow::kHeight);
            QTabWidget* tabs = nullptr;
            QWidget* frame = nullptr;
            for (Control* control : layout.controls()) {
                QWidget* parent = &window;
                if (control->container().startsWith(QLatin1String("SSTab1:")) && tabs)
                    parent = tabs->widget(control->container().section(u':', 1).toInt());
                else if (control->container() == QLatin1String("Frame1") && frame)
                    parent = frame;
                if (auto* group = qobject_cast<OptionGroup*>(control)) {
                    for (int i = 0; i < group->count(); ++i)
                        (new QRadioButton(group->optionCaption(i), parent))
                            ->setGeometry(ui::pixels(group->optionGeometry(i)));
                    continue;
                }
                QWidget* widget = plainWidget(*control, parent, tabs);
                if (!widget) continue;
                if (control->name() == QLatin1String("Frame1")) frame = widget;
                widget->setGeometry(ui::pixels(control->geometry()));
                widget->setVisible(control->isVisible());
            }
            window.show();
            waitUntilExposed(window);
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        }
        settle();
    }
}

}  // namespace

BENCHMARK(BM_MainWindowStartUp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareWindowStartUp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());  // the decimal point start-up expects: no warning box
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
