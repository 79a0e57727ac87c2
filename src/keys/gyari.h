// The key library dialog `gyari`: the built-in reduction keys listed by type or by number of
// events, adding and deleting key descriptions, and choosing the key to put into the bet list.
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "app/dialog.h"
#include "keys/keyshape.h"
#include "platform/controls.h"

namespace kombinator {

class Form1;

class gyari : public Dialog {
    Q_OBJECT
public:
    // The library of key descriptions, one per line, and the folder of the key files.
    static constexpr const char* kLibraryFile = "\\tkulcs\\tippek.inf";
    static constexpr const char* kKeyFolder = "\\tkulcs\\";
    // Rows of the view name table: library lines beyond this many cannot be picked by events.
    static constexpr int kViewRows = 2000;

    explicit gyari(Form1& form, QObject* parent = nullptr);
    ~gyari() override;

    QString windowName() const override;
    QString caption() const override;
    Twips clientSize() const override;
    std::vector<Control*> controls() override;
    void closeBox() override;

    // --- Controls ---
    ListBox List1;  // the library by type (the list sorts itself)
    ListBox List2;  // the library by number of events
    OptionGroup Option1;
    TextEdit Text1;  // the key description in hand
    Label Label1;    // number of library lines
    Button Command1, Command2, Command3, Command4;
    Button Command5;  // "Kulcskészítő…": makes a key to order

    // Whether the library was changed since the dialog opened.
    bool isChanged() const { return changed_; }
    // The view name table: for each of the first kViewRows library lines, its key name and the
    // rewritten key name it shows in the events view (row i + 1 belongs to line i).
    struct ViewName {
        QString keyName;
        QString eventsName;
    };
    const std::vector<ViewName>& viewNames() const { return viewNames_; }

    // --- Event handlers ---
    void Form_Load();
    void Option1_Click(int index);
    void List1_Click();
    void List2_Click();
    void Text1_DblClick();
    void Command1_Click();  // "Töröl"
    void Command2_Click();  // "Hozzáad"
    void Command3_Click();  // "Kiválaszt"
    void Command4_Click();  // "Kilép"
    void Command5_Click();  // "Kulcskészítő…"

    // The key the description in hand names, for what it pays: its events and bets; nullopt when
    // its file cannot be read or holds no key of up to 24 events.
    std::optional<std::pair<int, std::vector<keys::Bet>>> keyInHand();

    // A key the key maker saved: its library line joins the list. The library file already
    // holds it, so the dialog's own changes are not touched.
    void addSavedKey(const QString& line);

signals:
    // The key maker's window is asked for.
    void keyMakerRequested();

private:
    void setUpControls();
    void wireHandlers();
    void showLineCount();
    // Writes the library back when it changed, then closes the dialog.
    void leave();

    Form1& form_;
    bool changed_ = false;
    std::vector<ViewName> viewNames_;
};

// The key name of a library line rewritten with the number of events first: "03_10_05" becomes
// "10_03_05". `keyName` is the line's first 8 characters.
QString eventsKeyName(const QString& keyName);

}  // namespace kombinator
