// The tip-list editor `Form2` and the main window's "Edit" button that shows it.
#include "store/form2.h"

#include "app/form1.h"
#include "platform/text.h"

namespace kombinator {

namespace {

// Words of the pages users copy from, not of the program: they stay whatever its language.
const QString kSelectAllPrefix = QStringLiteral("Összes kijelölése");

}  // namespace

QStringList editorTextLines(const QString& text) {
    QStringList lines;
    forEachLine(text, [&](QString line, bool ended) {
        // Only a line ended by a line break loses the prefix a page's "select all" leaves.
        if (ended && line.startsWith(kSelectAllPrefix)) line = trimBlanks(line.mid(kSelectAllPrefix.size()));
        if (!line.isEmpty()) lines.append(line);
    });
    return lines;
}

Form2::Form2(Form1& form, QObject* parent) : Dialog(parent), form_(form) {
    setObjectName(QStringLiteral("Form2"));
    Text1.setup(QStringLiteral("Text1"), {120, 120, 6960, 4500});
    Text1.setMultiLine(true);
    Text1.setAccessible(tr("Tipplista"));
    Command1.setup(QStringLiteral("Command1"), {4440, 4740, 1260, 420}, tr("Kész"));
    Command2.setup(QStringLiteral("Command2"), {5820, 4740, 1260, 420}, tr("Mégsem"));
    connect(&Command1, &Button::clicked, this, &Form2::Command1_Click);
    connect(&Command2, &Button::clicked, this, &Form2::Command2_Click);
}

void Form2::Form_Load() {
    form_.platform().makeTopmost(windowName());
    Text1.setText({});
    if (form_.List5.count() == 0) return;
    QString text;
    for (const QString& line : form_.List5.lines()) {
        text += line;
        text += QLatin1String("\r\n");
    }
    Text1.setText(text);
}

void Form2::Command1_Click() {
    // An emptied text means the user wants an empty offer list: it is emptied and the editor
    // closes. A text with nothing but blanks or line breaks leaves the editor open instead.
    const bool emptyText = Text1.text().isEmpty();
    form_.List5.clear();
    form_.List5.addItems(editorTextLines(Text1.text()));
    if (form_.List5.count() == 0) {
        if (emptyText) form_.closeDialog(this);
        return;
    }
    form_.List4.setLines(form_.List5.lines());
    form_.Label1.setCaption(QString::number(form_.List5.count()));
    form_.List5.setToolTip({});
    form_.closeDialog(this);
}

void Form2::Command2_Click() {
    form_.closeDialog(this);
}

void Form1::Command7_Click() {
    const bool opening = form2_ == nullptr;
    Dialog* dialog = showDialog(form2_, [this] { return std::make_unique<Form2>(*this); });
    // Loading runs once the view stands, so that the window it makes topmost exists.
    if (opening) static_cast<Form2*>(dialog)->Form_Load();
}

}  // namespace kombinator
