// Start-up to the first shown main window, against a bare window holding plain widgets of the
// same kinds at the same places (no models, no bindings). Run under a real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_startup
// The window's build in this process (warm: libraries, fonts and style loaded once), and the whole
// start as a new user sees it: from starting the program to its window mapped on the screen, for
// the program and for a program that shows the bare window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

#include <poll.h>
#include <xcb/xcb.h>

#include "app/form1.h"
#include "barewindow.h"
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

// The plan of the bare window (barewindow.h) from the program's layout.
QString bareWindowPlan() {
    QTemporaryDir lockFolder;
    ui::QtPlatform platform(lockFolder.path());
    Form1 layout(platform);  // only for the places of the controls
    QJsonArray plan;
    const Control* control = nullptr;
    const auto add = [&](const char* kind, const QRect& r, const QString& caption) {
        plan.append(QJsonArray{QLatin1String(kind), control->container(), r.x(), r.y(), r.width(), r.height(),
                               control->isVisible(), caption});
    };
    for (const Control* each : layout.controls()) {
        control = each;
        const QRect place = ui::pixels(control->geometry());
        if (const auto* group = qobject_cast<const OptionGroup*>(control)) {
            for (int i = 0; i < group->count(); ++i)
                add("radio", ui::pixels(group->optionGeometry(i)), group->optionCaption(i));
        } else if (const auto* tab = qobject_cast<const TabControl*>(control)) {
            add("tabs", place, tab->tabs().join(u'|'));
        } else if (qobject_cast<const Grid*>(control)) {
            add("table", place, {});
        } else if (qobject_cast<const ListBox*>(control)) {
            add("list", place, {});
        } else if (qobject_cast<const Button*>(control)) {
            add("button", place, control->caption());
        } else if (qobject_cast<const CheckBox*>(control)) {
            add("check", place, control->caption());
        } else if (qobject_cast<const Label*>(control) || qobject_cast<const PictureBox*>(control)) {
            add(control->name() == QLatin1String("Frame1") ? "frame" : "label", place, control->caption());
        }
    }
    const QJsonObject whole{{QStringLiteral("width"), ui::MainWindow::kWidth},
                            {QStringLiteral("height"), ui::MainWindow::kHeight},
                            {QStringLiteral("widgets"), plan}};
    return QString::fromUtf8(QJsonDocument(whole).toJson(QJsonDocument::Compact));
}

void BM_BareWindowStartUp(benchmark::State& state) {
    const QString plan = bareWindowPlan();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            const std::unique_ptr<QWidget> window = bench::bareWindow(plan);
            window->show();
            waitUntilExposed(*window);
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        }
        settle();
    }
}

// A program started as a new user starts it (a settings folder of its own, nothing loaded
// before), timed until the X server maps a window of it; then ended.
double secondsToMappedWindow(const QString& program, const QStringList& arguments) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> closing(x, xcb_disconnect);
    if (xcb_connection_has_error(x)) return -1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    double seconds = -1;
    pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
    while (seconds < 0 && timer.elapsed() < 10000) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            poll(&wait, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
            seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        std::free(event);
    }
    process.kill();
    process.waitForFinished();
    return seconds;
}

// The program and the bare window's program, started in turn, so that both meet the machine as it
// is: the program's time, the bare window's beside it and the ratio of the two.
void BM_ProgramStartUp(benchmark::State& state) {
    QTemporaryDir folder;
    QFile plan(folder.filePath(QStringLiteral("plan")));
    if (!plan.open(QIODevice::WriteOnly) || plan.write(bareWindowPlan().toUtf8()) < 0) {
        state.SkipWithError("the bare window's plan could not be written");
        return;
    }
    plan.close();
    const QStringList bare{plan.fileName()};
    for (auto _ : state) {
        const double bareSeconds = secondsToMappedWindow(QStringLiteral(KOMBINATOR_BARE_WINDOW), bare);
        const double seconds = secondsToMappedWindow(QStringLiteral(KOMBINATOR_PROGRAM), {});
        if (seconds < 0 || bareSeconds < 0) {
            state.SkipWithError("no window was mapped (is an X server running?)");
            break;
        }
        state.SetIterationTime(seconds);
        state.counters["bare_ms"] = bareSeconds * 1e3;
        state.counters["ratio"] = seconds / bareSeconds;
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
BENCHMARK(BM_ProgramStartUp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(31)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());  // the decimal point start-up expects: no warning box
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
