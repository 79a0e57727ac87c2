// Saving and loading tip selections: the offer lines of the tips and of the bankers, one per text
// line, in a file beside the program or in one the user picks.
#include <QCoreApplication>

#include "app/form1.h"
#include "platform/files.h"

namespace kombinator {

namespace {

// The two default files differ on purpose: saving never overwrites the selection that loading
// brings back.
constexpr const char* kSaveFile = "\\varkonixx.txt";
constexpr const char* kLoadFile = "\\varkonix.txt";

FileDialogSetup selectionFileDialog(Platform& platform) {
    FileDialogSetup setup;
    setup.initialFolder = platform.programFolder();
    setup.fileName = QStringLiteral("fogadas.txt");
    //: The file dialog's filters: a name and its pattern in brackets, then the pattern again, each
    //: part parted from the next by |. Only the names are words.
    setup.filter = QCoreApplication::translate("store", "Minden(*.*)|*.*|Text(*.txt)|*.txt");
    setup.filterIndex = 1;
    setup.defaultSuffix = QStringLiteral("txt");
    setup.overwritePrompt = true;
    return setup;
}

void appendNonEmpty(QStringList& to, const QStringList& from) {
    for (const QString& line : from) {
        if (!line.isEmpty()) to.append(line);
    }
}

// Rows 1 to 50 of a grid without text or picture in any column.
void emptyDataRows(Grid& grid) {
    for (int r = 1; r < grid.rows(); ++r) {
        grid.setRow(r);
        for (int c = 0; c < grid.cols(); ++c) {
            grid.setCol(c);
            grid.setText({});
            grid.setPicture({});
        }
    }
}

}  // namespace

void Form1::Command4_Click() {
    SSTab1.setCurrent(0);
    if (List5.count() == 0) return;

    QStringList selection;
    appendNonEmpty(selection, List5.lines());
    appendNonEmpty(selection, List6.lines());

    std::optional<QString> target;
    if (Check2.value() == 1) {
        target = platform_.saveFileName(selectionFileDialog(platform_));
    } else {
        target = programFile(QString::fromLatin1(kSaveFile));
    }
    if (!target) return;  // cancelled, or no usable name

    List4.setLines(selection);
    // The file beside the program is ours to replace, even when it was made read-only; a file
    // the user picked is written only when it may be. A save that fails leaves the earlier
    // selection whole, and the user is told.
    if (Check2.value() != 1) files::makeWritable(*target);
    if (!files::writeLines(*target, selection)) reportUnwritableFile(*target);
}

void Form1::Command20_Click() {
    std::optional<QString> source;
    if (Check2.value() == 1) {
        source = platform_.openFileName(selectionFileDialog(platform_));
    } else {
        source = programFile(QString::fromLatin1(kLoadFile));
    }
    if (!source) return;
    // Read the whole file before anything is cleared: a file that cannot be read changes nothing.
    files::ReadFault fault = files::ReadFault::None;
    const std::optional<QStringList> lines = files::readLines(*source, &fault);
    if (!lines) {
        reportRefusedRead(fault, *source);
        return;
    }

    List1.clear();
    List5.clear();
    List4.clear();
    List6.clear();
    SSTab1.setCurrent(0);
    emptyDataRows(Grid1);
    emptyDataRows(Grid2);
    module1.bankerCount = 0;
    bankerFlags.fill(0);  // the banker rows and their cancelled marks are gone
    List3.clear();
    for (Button* button : calculatorButtons())
        button->setEnabled(false);

    // Every line becomes an offer line, empty ones too; the next conversion drops them.
    List5.addItems(*lines);
    List4.addItems(*lines);
    Label1.setCaption(QString::number(List5.count()));
}

}  // namespace kombinator
