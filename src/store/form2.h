// The tip-list editor `Form2`: the offer lines of the main window as free text, to correct a team
// name or an odds figure, delete or paste lines before converting them into tips.
#pragma once

#include <QString>
#include <QStringList>

#include "app/dialog.h"
#include "platform/controls.h"

namespace kombinator {

class Form1;

// The offer lines of the editor's text. A tab counts as a blank, a line feed is ignored and a
// carriage return ends a line. Each line loses its blanks at both ends; a line ended by a carriage
// return also loses a leading "Összes kijelölése" (what a browser's "select all" leaves in a pasted
// coupon) and the blanks after it. Lines left empty are dropped. The last line, when no carriage
// return ends it, keeps such a prefix.
QStringList editorTextLines(const QString& text);

class Form2 : public Dialog {
    Q_OBJECT
public:
    explicit Form2(Form1& form, QObject* parent = nullptr);

    QString windowName() const override { return QStringLiteral("Form2"); }
    QString caption() const override { return tr("Tipplista szerkesztése."); }
    Twips clientSize() const override { return kClientSize; }
    std::vector<Control*> controls() override { return {&Text1, &Command1, &Command2}; }
    // The close box leaves like "Mégsem": the offer list stays as it was.
    void closeBox() override { Command2_Click(); }
    // A long offer reads better in a larger window; the buttons keep to its lower right corner.
    QString growingControl() const override { return QStringLiteral("Text1"); }

    // --- Controls ---
    TextEdit Text1;   // the offer lines, one per text line
    Button Command1;  // "Kész"
    Button Command2;  // "Mégsem"

    // --- Event handlers ---
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    static constexpr Twips kClientSize{0, 0, 7200, 5280};

private:
    Form1& form_;
};

}  // namespace kombinator
