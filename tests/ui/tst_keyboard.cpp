// The main window and its dialogs from the keyboard alone: the way of Tab, the keys that stand
// for clicks on the grids, the buttons, the link and the panel, Escape and the lists' menus.
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "ui/dialogview.h"
#include "ui/mainwindow.h"
#include "ui/returntabledialog.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::DialogViews;
using kombinator::ui::MainWindow;

namespace {

// Four events as the provider's page gives them; tip 3 backs the draw.
const char* const kCoupon =
    "Hazai 1 - Vendég 1\r\nHazai 1\r\nSzorzó: 1,50\r\n"
    "Hazai 2 - Vendég 2\r\nHazai 2\r\nSzorzó: 2,00\r\n"
    "Hazai 3 - Vendég 3\r\nDöntetlen\r\nSzorzó: 2,50\r\n"
    "Hazai 4 - Vendég 4\r\nVendég 4\r\nSzorzó: 3,00\r\n";

struct Desk {
    Desk() {
        platform.installResources(
            {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp", "picture1.bmp", "picture2.bmp", "picture3.bmp"});
        platform.clipboard = QString::fromUtf8(kCoupon);
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        dialogs = std::make_unique<DialogViews>(*form);
        form->Form_Load();
        window->show();
        window->activateWindow();
        ready = activate();
    }
    // The main window in front again, after a menu or a dialog.
    bool activate() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QString(); }
    // One key as the user presses it, to whatever holds the focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), static_cast<Qt::Key>(key), modifiers);
    }
    // Tab until `name` holds the focus; the number of presses, -1 when it was never reached.
    static int tabTo(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int presses = 1; presses <= 60; ++presses) {
            press(Qt::Key_Tab, modifiers);
            if (focusName() == name) return presses;
        }
        return -1;
    }
    QWidget* widget(const QString& name) const { return window->controlWidget(name); }
    QTableView* tipGrid() const { return qobject_cast<QTableView*>(widget("Grid1")); }
    // The grid cell the keys are on.
    QPoint keysCell() const {
        const QModelIndex at = tipGrid()->currentIndex();
        return {at.column(), at.row() + 1};
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<DialogViews> dialogs;
    bool ready = false;
};

// Answers the menu that a key opens: its action texts (and where it opened), then Escape closes it.
QStringList menuOpenedBy(const std::function<void()>& key, QPoint* at = nullptr) {
    QStringList texts;
    QTimer::singleShot(0, [&texts, at] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (at) *at = menu->pos();
            for (QAction* action : menu->actions())
                texts << action->text();
            menu->close();
        }
    });
    key();
    return texts;
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void tabOrderFollowsTheScreen() {
        Desk d;
        QVERIFY(d.ready);
        QCOMPARE(d.focusName(), QStringLiteral("Grid1"));
        QStringList way;
        do {
            Desk::press(Qt::Key_Tab);
            way << Desk::focusName();
        } while (way.size() < 60 && way.last() != QStringLiteral("Grid1"));
        const QStringList expected{"qt_tabwidget_tabbar",
                                   "List5",
                                   "List3",
                                   "Command1",
                                   "Command22",
                                   "Command3",
                                   "Command7",
                                   "Command2",
                                   "Command6",
                                   "Command21",
                                   "Command4",
                                   "Command20",
                                   "Command19",
                                   "Command24",
                                   "Command8_0",
                                   "Command8_1",
                                   "Command8_2",
                                   "Command8_3",
                                   "Command8_4",
                                   "Command8_5",
                                   "Command8_6",
                                   "Command8_7",
                                   "Command8_8",
                                   "Command8_9",
                                   "Command8_10",
                                   "Command8_11",
                                   "Command9",
                                   "Command10",
                                   "Command11",
                                   "Command12",
                                   "Command13",
                                   "Command14",
                                   "Command15",
                                   "Command16",
                                   "Command17",
                                   "Command18",
                                   "Check2",
                                   "Check1",
                                   "Command5",
                                   "Label6",
                                   "Label4",
                                   "Grid1"};
        QCOMPARE(way, expected);
        // The first command within four presses from the start.
        QCOMPARE(way.indexOf("Command1") + 1, 4);

        // Back the same way; the panel gone, the link is the stop before the tips.
        QCOMPARE(d.tabTo("Command5", Qt::ShiftModifier), 3);
        Desk::press(Qt::Key_Escape);
        QVERIFY(!d.form->Frame1.isVisible());
        QCOMPARE(d.tabTo("Label6"), 1);
        QCOMPARE(d.tabTo("Grid1"), 1);

        // The tab strip leads into the list of the tab in front; a banker brings its grid in.
        d.form->SSTab1.setCurrent(2);
        QCOMPARE(d.tabTo("Option1_0"), 3);  // past the language choice
        d.form->Command1.click();
        d.form->Command2.click();
        d.form->Grid1.clickCell(2, 0);
        d.form->Command22.click();
        d.widget("Grid1")->setFocus();
        QCOMPARE(d.tabTo("Grid2"), 1);
        QCOMPARE(d.tabTo("List5"), 2);
    }

    void gridKeysAreClicks() {
        Desk d;
        QVERIFY(d.ready);
        d.form->Command1.click();
        d.form->Command2.click();
        d.form->SSTab1.setCurrent(2);
        QTableView* grid = d.tipGrid();
        Desk::press(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(d.keysCell(), QPoint(0, 1));

        // The sequence cell does the row header's click, and the keys stay on it.
        Desk::press(Qt::Key_Down);
        Desk::press(Qt::Key_Down);
        Desk::press(Qt::Key_Space);
        QCOMPARE(d.form->SSTab1.current(), 0);
        QCOMPARE(d.form->List5.topIndex(), 8);
        QCOMPARE(d.form->Grid1.selection(), (GridRange{3, 1, 3, 3}));
        QCOMPARE(d.keysCell(), QPoint(0, 3));

        // A team cell: its marker from the conversion goes, then comes the marker of the option
        // chosen.
        Desk::press(Qt::Key_Right);
        QCOMPARE(d.form->Grid1.pictureAt(3, 1), d.form->loadPicture("\\xx.bmp"));
        Desk::press(Qt::Key_Return);
        QCOMPARE(d.form->Grid1.pictureAt(3, 1), QString());
        Desk::press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(d.form->Grid1.pictureAt(3, 1), d.form->loadPicture("\\xxk.bmp"));

        // The odds cell: a held key is one press, not a switch on and off.
        Desk::press(Qt::Key_End);
        QCOMPARE(d.keysCell(), QPoint(3, 3));
        for (const bool repeated : {false, true}) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeated);
            QApplication::sendEvent(grid, &key);
        }
        QCOMPARE(d.form->resultFlags[3], qint16(1));

        // Ctrl+Space is the column header's click: "odds" marks every tip.
        Desk::press(Qt::Key_Space, Qt::ControlModifier);
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(d.form->resultFlags[static_cast<size_t>(r)], qint16(1));
        QCOMPARE(d.keysCell(), QPoint(3, 3));

        // The keys' cell stays in sight at the foot of the grid.
        Desk::press(Qt::Key_PageDown);
        Desk::press(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(d.keysCell(), QPoint(3, 50));
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));

        // Tab and Ctrl+Tab leave the grid, Shift+Tab comes back.
        Desk::press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Desk::focusName(), QStringLiteral("qt_tabwidget_tabbar"));
        Desk::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Desk::focusName(), QStringLiteral("Grid1"));
    }

    void linkPanelButtonsAndF1() {
        Desk d;
        QVERIFY(d.ready);
        QCOMPARE(d.tabTo("Label4", Qt::ShiftModifier), 1);
        Desk::press(Qt::Key_Return);
        QVERIFY(!d.form->Frame1.isVisible());
        QCOMPARE(Desk::focusName(), QStringLiteral("Grid1"));

        QCOMPARE(d.tabTo("Label6", Qt::ShiftModifier), 1);
        Desk::press(Qt::Key_Return);
        QCOMPARE(d.platform.calls,
                 (QStringList{"minimize", "open:" + d.form->programFile("\\kezikonyv.html").value()}));
        d.platform.calls.clear();
        d.tabTo("Check1");
        Desk::press(Qt::Key_F1);  // the guide beside the window, which stays as it is
        QCOMPARE(d.platform.calls, QStringList{"open:" + d.form->programFile("\\kezikonyv.html").value()});

        // Space ticks the check box; Enter and Space press a button.
        Desk::press(Qt::Key_Space);
        QCOMPARE(d.form->Check1.value(), 0);
        d.tabTo("Command5");
        Desk::press(Qt::Key_Return);
        QVERIFY(d.platform.quitRequested);
    }

    void escapeClosesTheWindowsOverTheMain() {
        Desk d;
        QVERIFY(d.ready);
        d.form->Command1.click();
        d.form->Command2.click();

        d.form->Command6.click();
        ui::DialogView* keys = d.dialogs->view(d.form->gyariDialog());
        QVERIFY(keys);
        keys->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(keys));
        QTest::keyClick(keys->controlWidget("List1"), Qt::Key_Escape);
        QCOMPARE(d.form->gyariDialog(), nullptr);

        d.form->Command7.click();
        ui::DialogView* editor = d.dialogs->view(d.form->form2Dialog());
        QVERIFY(editor);
        QWidget* text = editor->controlWidget("Text1");
        QTest::keyClick(text, Qt::Key_Tab);  // out of the text: a typed tab would be a blank anyway
        QVERIFY(!text->hasFocus() || !editor->isActiveWindow());
        QTest::keyClick(text, Qt::Key_Escape);
        QCOMPARE(d.form->form2Dialog(), nullptr);
        QCOMPARE(d.form->List5.count(), 15);  // as "Mégsem": nothing changed

        d.form->Command12.click();
        d.window->showReturnTable();
        ui::ReturnTableDialog* table = d.window->returnTableDialog();
        QVERIFY(table && table->isVisible());
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!table->isVisible());
    }

    void listMenusFromTheKeyboard() {
        Desk d;
        QVERIFY(d.ready);
        d.form->Command1.click();
        d.form->Command2.click();
        d.form->Command12.click();
        const QStringList menu{QStringLiteral("Nyereménytábla…")};
        QCOMPARE(d.tabTo("List3"), 3);
        // Both keys open it beside the current line's visible part, not at the middle of a line
        // as wide as the list's scroll range; the desktop sends the Menu key to the window.
        QWidget* list = d.widget("List3");
        const QRect onScreen(list->mapToGlobal(QPoint()), list->size());
        QPoint at;
        QCOMPARE(menuOpenedBy([] { Desk::press(Qt::Key_F10, Qt::ShiftModifier); }, &at), menu);
        QVERIFY(onScreen.contains(at));
        QVERIFY(d.activate());
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCOMPARE(
            menuOpenedBy([&] { QApplication::sendEvent(list->window()->windowHandle(), &menuKey); }, &at),
            menu);
        QVERIFY(onScreen.contains(at));
        QVERIFY(d.activate());
        QCOMPARE(Desk::focusName(), QStringLiteral("List3"));
        // The Menu key as a context menu event from the keyboard at the list's cursor.
        QCOMPARE(menuOpenedBy([list] {
                     QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                             list->mapToGlobal(QPoint(5, 5)));
                     QApplication::sendEvent(list, &event);
                 }),
                 menu);
        QVERIFY(d.activate());
        d.form->SSTab1.setCurrent(1);
        QCOMPARE(d.tabTo("List1", Qt::ShiftModifier), 1);
        QCOMPARE(menuOpenedBy([] { Desk::press(Qt::Key_F10, Qt::ShiftModifier); }), menu);
    }

    // Paste, convert, "Lucky 15", tips 1, 2 and 4 won, settle: nothing but keys.
    void keyboardOnlyJourney() {
        Desk d;
        QVERIFY(d.ready);
        QCOMPARE(d.tabTo("Command1"), 4);
        Desk::press(Qt::Key_Return);
        QCOMPARE(d.form->List5.count(), 12);
        QCOMPARE(d.tabTo("Command2"), 4);
        Desk::press(Qt::Key_Space);
        QCOMPARE(d.form->module1.tipCount, qint16(4));
        QCOMPARE(Desk::focusName(), QStringLiteral("Grid1"));  // the conversion hands over to the tips
        // Backwards past the panel, the link, "Kilép", the check boxes, the other bets and the
        // multiples that do not fit four tips.
        QCOMPARE(d.tabTo("Command12", Qt::ShiftModifier), 7);
        QCOMPARE(Desk::focus()->accessibleDescription(), QStringLiteral("Lucky 15: 4 tipp, 15 fogadás"));
        Desk::press(Qt::Key_Space);
        QCOMPARE(d.form->List1.count(), 15);

        QCOMPARE(d.tabTo("Grid1"), 7);
        Desk::press(Qt::Key_Home, Qt::ControlModifier);
        Desk::press(Qt::Key_End);
        Desk::press(Qt::Key_Space);  // tip 1
        Desk::press(Qt::Key_Down);
        Desk::press(Qt::Key_Space);  // tip 2
        Desk::press(Qt::Key_Down);
        Desk::press(Qt::Key_Down);
        Desk::press(Qt::Key_Space);  // tip 4
        QCOMPARE(d.keysCell(), QPoint(3, 4));
        QCOMPARE(QList<qint16>(d.form->resultFlags.begin() + 1, d.form->resultFlags.begin() + 6),
                 (QList<qint16>{1, 1, 0, 1, 0}));

        QCOMPARE(d.tabTo("Command21"), 10);
        Desk::press(Qt::Key_Return);

        // By hand, odds 1.50, 2.00, 2.50 and 3.00, tip 3 lost; a bet pays the product of its odds
        // when all its tips won:
        //   doubles  01 02: 1.5 x 2 = 3.00   01 03: 0   01 04: 1.5 x 3 = 4.50
        //            02 03: 0   02 04: 2 x 3 = 6.00   03 04: 0
        //   trebles  01 02 03: 0   01 02 04: 1.5 x 2 x 3 = 9.00   01 03 04: 0   02 03 04: 0
        //   fourfold 0
        //   singles  1.50, 2.00, 0, 3.00
        //   total 3 + 4.5 + 6 + 9 + 1.5 + 2 + 3 = 29.00; mean 29 / 15 = 1.933... = 1.93
        const QStringList returns{"3.00", "0.00", "4.50", "0.00", "6.00", "0.00", "0.00", "9.00",
                                  "0.00", "0.00", "0.00", "1.50", "2.00", "0.00", "3.00"};
        QStringList shown = d.form->List3.lines();
        for (QString& line : shown)
            line = line.trimmed();
        const QStringList summary{"", "Össz.: 29.00", "Ny/s.: 1.93"};
        QCOMPARE(shown, returns + summary);
    }
};

KOMBINATOR_TEST(TestKeyboard);
#include "tst_keyboard.moc"
