// Saving and loading tip selections: the offer lines of the tips and of the bankers, one per text
// line, in a file beside the program or in one the user picks; after them one line for each tip
// with each-way terms or a Rule 4 deduction. A file without such lines loads as it always did.
#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <utility>

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

// A tip's terms in a saved selection: the word, the tip's two sides, the fraction of the odds and
// the places paid (0 0 when not each-way), the Rule 4 pence; parted by tabs. A program that knows
// no terms takes the line for an offer line and its conversion refuses it, the word naming it.
constexpr const char* kTermsWord = "Kombinátor-feltétel";

QString termsLine(const Grid& grid, int row, const TipTerms& terms) {
    return QStringList{QString::fromUtf8(kTermsWord),
                       grid.textAt(row, 1),
                       grid.textAt(row, 2),
                       QString::number(terms.place.fraction),
                       QString::number(terms.place.places),
                       QString::number(terms.rule4)}
        .join(u'\t');
}

// The terms of a saved line: the tip's name for them and the terms; nullopt for an offer line.
std::optional<std::pair<QString, TipTerms>> readTermsLine(const QString& line) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 6 || fields.at(0) != QString::fromUtf8(kTermsWord)) return std::nullopt;
    TipTerms terms;
    terms.place = {fields.at(3).toInt(), fields.at(4).toInt()};
    terms.rule4 = fields.at(5).toInt();
    if (!validPlaceTerms(terms.place)) terms.place = {};
    if (terms.rule4 < kMinRule4 || terms.rule4 > kMaxRule4) terms.rule4 = 0;
    return std::pair{fields.at(1) + u'\t' + fields.at(2), terms};
}

// The terms lines of every tip and banker that has terms, tips first.
QStringList termsLines(const Form1& form) {
    QStringList lines;
    const auto add = [&](const Grid& grid, int count) {
        for (int row = 1; row <= std::min(count, Form1::kMaxTips); ++row) {
            const TipTerms terms = form.termsAt(grid, row);
            if (!terms.empty()) lines.append(termsLine(grid, row, terms));
        }
    };
    add(form.Grid1, form.module1.tipCount);
    add(form.Grid2, form.module1.bankerCount);
    return lines;
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
    const QStringList offerLines = selection;
    selection += termsLines(*this);

    std::optional<QString> target;
    if (Check2.value() == 1) {
        target = platform_.saveFileName(selectionFileDialog(platform_));
    } else {
        target = programFile(QString::fromLatin1(kSaveFile));
    }
    if (!target) return;  // cancelled, or no usable name

    List4.setLines(offerLines);
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
    enableCalculators(0);

    // Every line but a tip's terms becomes an offer line, empty ones too; the next conversion
    // drops them. The terms wait for their tips.
    tipTerms.clear();
    QStringList offer;
    for (const QString& line : *lines) {
        if (const auto terms = readTermsLine(line)) {
            if (!terms->second.empty()) tipTerms.insert(terms->first, terms->second);
        } else {
            offer.append(line);
        }
    }
    List5.addItems(offer);
    List4.addItems(offer);
    Label1.setCaption(QString::number(List5.count()));
}

}  // namespace kombinator
