// The main window `Form1`: every control, the shared state and every event handler.
//
// The controls are the program's working store: the offer list, the two grids, the bet and
// amount lists and the labels hold the data every command reads and writes. Each handler is
// defined in the folder of its subsystem (conversion in src/offer, calculators in src/calc, ...).
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "app/dialog.h"
#include "app/placeterms.h"
#include "calc/fullcover.h"
#include "calc/namedbets.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace kombinator {

// The module-level counters shared by the handlers of every window.
struct Module1 {
    qint16 tipCount = 0;     // tips in rows 1.. of Grid1
    qint16 bankerCount = 0;  // bankers in rows 1.. of Grid2
    // 0 when idle; 1 while List1's click selects a line of List3; 3 while List3's click selects
    // a line of List1. Stops the two click handlers from calling each other without end.
    qint16 selectionGuard = 0;

    // The value of `key` in `section` of the profile file `file`, the empty text when absent.
    static QString profileString(Platform& platform, const QString& section, const QString& key,
                                 const QString& file);
};

class Form1 : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxTips = 50;
    static constexpr int kGridRows = kMaxTips + 1;
    static constexpr int kGridCols = 4;
    static constexpr Twips kClientSize{0, 0, 10185, 7290};

    explicit Form1(Platform& platform, QObject* parent = nullptr);
    ~Form1() override;

    Platform& platform() { return platform_; }
    // Every control of the window, in the order of the control table.
    std::vector<Control*> controls();
    // The calculator buttons: "2" to "13", then "Trixie 4" to "Goliath 247".
    std::vector<Button*> calculatorButtons();
    // "Trixie 4" to "Goliath 247", one per row of the full-cover table.
    std::array<Button*, calc::kFullCoverSystems.size()> fullCoverButtons();
    // Enables exactly the calculator buttons that fit a tip count.
    void enableCalculators(int tips);
    // The entries of "Egyéb fogadások" that fit a tip count, and the drop-down while any does.
    void enableNamedBets(int tips);
    // The full path of a file of the program's folder, nullopt for a name that leaves it.
    std::optional<QString> programFile(const QString& name);
    // The full path of a picture of the program's folder, empty when it cannot be loaded.
    QString loadPicture(const QString& name);
    // The legend pictures of the tab "Klikk", which the first sight of the window does not show:
    // loaded once the window stands.
    void loadLegendPictures();
    // Tells the user that a file was left as it was because it could not be written: a save
    // that silently does nothing would pass for one that worked.
    void reportUnwritableFile(const QString& path);
    // Tells the user that a file was not read because it is too large or no file at all; true
    // when the read was refused so. A file that is merely missing stays as silent as ever.
    bool reportRefusedRead(files::ReadFault fault, const QString& path);
    // What a cell of the tip grid or the banker grid shows beyond its text, in words for a screen
    // reader, in the program's language: the outcome marker of a team cell ("hazai nyer",
    // "döntetlen", ...) and "nyert" on the odds of a tip marked as won; several words are joined
    // by commas. Empty when the cell shows nothing more.
    QString cellDescription(const Grid& grid, int row, int col) const;

    // --- Controls ---
    Grid Grid1;  // tips
    Grid Grid2;  // bankers
    TabControl SSTab1;
    ListBox List5;  // offer list
    ListBox List1;  // bet list
    OptionGroup Option1;
    // The language of the texts, on the tab "Klikk": "Magyar" or "English", taken at the next start.
    OptionGroup Option2;
    Label Label7;
    // The form the grids show odds in: each as read (the default), "2.50" decimal, "3/2"
    // fractional, "+150" American.
    OptionGroup Option3;
    Label Label8;
    PictureBox Picture1, Picture2, Picture3;
    ListBox List3;  // amount list
    Label Label1, Label2, Label3, Label6;
    PictureBox Frame1;
    Label Label4, Label5;
    Button Command1, Command22, Command3, Command7, Command2, Command6, Command21, Command4, Command20,
        Command19, Command5;
    CheckBox Check2, Check1;
    Button Command24;
    // The k-fold buttons "2" to "13"; the full-cover buttons in the order of their table.
    std::array<Button, calc::kMaxFoldTips - 1> Command8;
    Button Command9, Command10, Command11, Command12, Command13, Command14, Command15, Command16, Command17,
        Command18;
    // "Egyéb fogadások": the drop-down beside the full covers; its entries are the named bets in
    // the order of their table, shown in its menu.
    Button Command25;
    std::array<Button, calc::kNamedBets.size()> Command26;
    Button Command23;
    ListBox List2;  // scratch list
    ListBox List4;  // offer copy list
    ListBox List6;  // banker lines list
    PictureBox Picture4;

    // --- Shared state ---
    Module1 module1;
    // A tip row's result: 0 none (lost), 1 won, 2 cancelled (the event did not take place;
    // bookmakers settle it as won at odds 1.00), 3 half won and 4 half lost (a quarter line: half
    // the stake on each of two lines), 5 placed (a runner that finished in the places but did not
    // win), 6 a non-runner (settled as cancelled), and kDeadHeat * p + K for a dead heat among K
    // tied for position p (1 for first). What each result counts for in a bet is decided in
    // src/results.
    static constexpr qint16 kWon = 1;
    static constexpr qint16 kCancelled = 2;
    static constexpr qint16 kHalfWon = 3;
    static constexpr qint16 kHalfLost = 4;
    static constexpr qint16 kPlaced = 5;
    static constexpr qint16 kNonRunner = 6;
    static constexpr qint16 kDeadHeat = 100;
    static constexpr int kMinTied = 2;  // the number tied in a dead heat
    static constexpr int kMaxTied = 20;
    std::array<qint16, kGridRows> resultFlags{};
    // Bankers count as won unless marked otherwise; they take every other result a tip takes.
    std::array<qint16, kGridRows> bankerFlags{};
    std::array<float, kGridRows> tipOdds{};  // odds of each tip row, refreshed before use
    // Each-way terms and Rule 4 deductions, by the tip they belong to (tipKey), so that they stay
    // with it wherever it stands: in another row after a banker move, in the banker grid, after
    // a new conversion of the same tips.
    QHash<QString, TipTerms> tipTerms;
    // A tip's name for its terms: its two sides as the grid holds them.
    static QString tipKey(const Grid& grid, int row);
    TipTerms termsAt(const Grid& grid, int row) const;
    // The runners taken at "SP", by tipKey: while such a tip's odds cell is empty, the odds command
    // and the evaluation name it and wait for its price.
    QSet<QString> startingPrices;
    void setTermsAt(const Grid& grid, int row, const TipTerms& terms);
    // Whether the bet list is staked each-way: some tip or banker has place terms. Every bet is
    // then a win line and a place line of the same stake.
    bool eachWay() const;
    // The bet count as the bet count label shows it: "15", each-way "15×2" (both lines staked).
    QString betCountText(int bets) const;
    // The two parts of each settled each-way bet's return, the tooltip of its bet and amount lines.
    QStringList returnParts;
    // The Lucky bonuses bookmakers offer on Lucky 15, 31 and 63, settled when chosen: a sole
    // winner's single at `singleOddsTimes` its odds' winnings (2 double, 3 treble; 1 none), and
    // `allWonPercent` % more on the win lines' returns when every tip wins (0 none).
    struct LuckyBonus {
        int singleOddsTimes = 1;
        int allWonPercent = 0;
        bool on() const { return singleOddsTimes > 1 || allWonPercent > 0; }
    };
    LuckyBonus luckyBonus;
    // The settings key of the place terms the user gave last, offered the next time.
    static constexpr const char* kPlaceTermsKey = "placeterms";
    // The settings key of the Lucky bonuses: "" off, else "<single odds multiplier>:<all-won %>".
    static constexpr const char* kLuckyBonusKey = "luckybonus";
    std::array<QString, 4> headerTexts;
    float workingProduct = 0.0f;  // odds product of the bet in hand
    // The offer lines as the last intake copied them, a table row's cells parted by tabs. The
    // offer list shows a tab as a blank; the conversion reads these while the list still holds
    // exactly those lines, so that a table it could not read is told by its cells.
    QStringList copiedCells;

    // --- Dialogs (created on demand, discarded when they close) ---
    Dialog* gyariDialog() const { return gyari_.get(); }
    Dialog* form2Dialog() const { return form2_.get(); }
    // Shows the dialog held in `slot`, creating it with `create` when there is none.
    template <typename Create>
    Dialog* showDialog(std::unique_ptr<Dialog>& slot, Create create) {
        if (!slot) {
            slot = create();
            emit dialogOpened(slot.get());
        } else {
            emit dialogRaised(slot.get());
        }
        return slot.get();
    }
    // Closes an open dialog. Safe from inside the dialog's own handler: the model lives on until
    // the next dialog closes or the window goes.
    void closeDialog(Dialog* dialog);

    // --- Event handlers ---
    void Form_Load();
    void Form_MouseMove();
    void Form_Unload();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Option2_Click(int index);
    void Option3_Click(int index);
    void Label6_MouseMove();
    void Command5_Click();
    int StartURL(const QString& address);

    void Command1_Click();
    void Command2_Click();
    void Command23_Click();
    void Command3_Click();
    void List1_Click();
    void List3_Click();

    void Command8_Click(int index);
    // A full-cover button pressed: `index` is its row of the full-cover table.
    void fullCoverClicked(size_t index);
    // An entry of "Egyéb fogadások" chosen: `index` is its row of the named bets' table.
    void namedBetClicked(size_t index);
    void Command24_Click();

    void Grid1_Click();
    // The entries of the odds cells' context menu, in their order.
    enum ResultChoice {
        kChooseWon,
        kChooseHalfWon,
        kChooseHalfLost,
        kChooseDeadHeat,
        kChooseCancelled,
        kChooseNoResult,
        kChoosePlaced,
        kChooseNonRunner,
        kChooseRule4,
        kChooseEachWay,
        kChooseEachWayAll,
        kChooseLuckyBonus
    };
    void Grid1_MenuChosen(int entry);
    void Grid2_MenuChosen(int entry);
    void Command22_Click();
    void Command19_Click();
    void Command21_Click();

    void Command6_Click();
    void Command7_Click();
    void Command4_Click();
    void Command20_Click();

    // The address the link label opens: our user guide beside the program, in the language of
    // the program's texts (the English catalogue names the English guide).
    // The settings key of the odds' form.
    static constexpr const char* kOddsFormatKey = "oddsformat";
    static constexpr const char* kGuideFile = QT_TRANSLATE_NOOP("kombinator::Form1", "\\kezikonyv.html");
    // Opens the guide as the link does, but leaves the window as it is (F1): the user asked for
    // help with what is on the screen.
    void openGuide();

signals:
    void dialogOpened(Dialog* dialog);
    void dialogRaised(Dialog* dialog);
    void dialogClosing(Dialog* dialog);

private:
    void setUpControls();
    // The calculator buttons' captions and descriptions.
    void describeCalculators();
    void wireHandlers();

    Platform& platform_;
    std::unique_ptr<Dialog> gyari_;
    std::unique_ptr<Dialog> form2_;
    std::unique_ptr<Dialog> closed_;  // a closed dialog whose handler may still be running
};

}  // namespace kombinator
