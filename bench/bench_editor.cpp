// The tip-list editor over an offer of more than 20 MB: opening it, and a keystroke in it, whose
// cost must not grow with the text. Runs offscreen:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_editor
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "app/form1.h"
#include "quietplatform.h"
#include "store/form2.h"
#include "ui/dialogview.h"
#include "ui/linesedit.h"

namespace {

using namespace kombinator;
using kombinator::bench::QuietPlatform;

// About 22 MB of offer text: 1 080 000 lines in 360 000 tip blocks.
QStringList largeOffer() {
    QStringList lines;
    lines.reserve(1080000);
    for (int r = 1; r <= 360000; ++r) {
        lines << QStringLiteral("Hazai csapat %1 - Vendég csapat %1").arg(r)
              << QStringLiteral("Hazai csapat %1").arg(r) << QStringLiteral("Szorzó: 1,%1").arg(10 + r % 90);
    }
    return lines;
}

struct OpenEditor {
    QuietPlatform platform;
    Form1 form{platform};
    ui::DialogViews views{form};

    ui::LinesEdit* open() {
        form.Command7.click();
        QCoreApplication::processEvents();
        ui::DialogView* view = views.view(form.form2Dialog());
        return view ? qobject_cast<ui::LinesEdit*>(view->controlWidget(QStringLiteral("Text1"))) : nullptr;
    }
};

void type(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

// "Edit" pressed on the large offer, until the editor shows the text; then "Mégsem".
void BM_EditorOpensOver20MB(benchmark::State& state) {
    OpenEditor desk;
    desk.form.List5.setLines(largeOffer());
    for (auto _ : state) {
        ui::LinesEdit* edit = desk.open();
        if (!edit || edit->lineCount() < 1080000) state.SkipWithError("the editor shows no text");
        state.PauseTiming();
        static_cast<Form2*>(desk.form.form2Dialog())->Command2.click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorOpensOver20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// One typed letter and its Backspace in the middle of the large text, as the user edits it.
void BM_EditorKeystrokeAt20MB(benchmark::State& state) {
    OpenEditor desk;
    desk.form.List5.setLines(largeOffer());
    ui::LinesEdit* edit = desk.open();
    if (!edit) {
        state.SkipWithError("the editor did not open");
        return;
    }
    edit->setCursorPosition({540001, 0});
    for (auto _ : state) {
        type(edit, Qt::Key_X, QStringLiteral("x"));
        type(edit, Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(state.iterations() * 2);
    // What "Kész" takes over is the text as typed.
    auto* editor = static_cast<Form2*>(desk.form.form2Dialog());
    if (editor->Text1.text().size() < 20000000) state.SkipWithError("the text did not reach the model");
}
BENCHMARK(BM_EditorKeystrokeAt20MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
