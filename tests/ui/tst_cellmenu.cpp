// The odds cells' context menu on the real main window, offscreen: opened with the right mouse
// button, the Menu key and Shift+F10, its entries, and the cancelled marker it leaves.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::MainWindow;

namespace {

const QStringList kEntries{"Nyert",
                           "Félig nyert",
                           "Félig vesztett",
                           "Holtverseny…",
                           "Törölt (1,00)",
                           "Nincs eredmény",
                           "Helyezett",
                           "Nem indult",
                           "Rule 4 levonás…",
                           "Each-way feltételek…",
                           "Each-way minden tippre…",
                           "Lucky bónusz…"};

struct Fixture {
    Fixture() {
        platform.installResources(
            {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp", "xxt.bmp", "xxf.bmp", "xxv.bmp", "xxh.bmp"});
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        form->Form_Load();
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
        form->Label4.click();  // the information panel lies over the grids
        QStringList offer;
        for (int r = 1; r <= 4; ++r)
            offer += test::tipBlock(r, QStringLiteral("%1.50").arg(r));
        form->List5.setLines(offer);
        form->Command2.click();
        form->Grid1.clickCell(4, 0);
        form->Command22.click();  // tip 4 becomes banker 1
        tips = qobject_cast<QTableView*>(window->controlWidget("Grid1"));
        bankers = qobject_cast<QTableView*>(window->controlWidget("Grid2"));
    }

    // Opens the menu with `open`; notes its entries and chooses `choose` (none: closes it).
    static QStringList menu(const std::function<void()>& open, const QString& choose) {
        open();
        QMenu* shown = nullptr;
        if (!QTest::qWaitFor(
                [&] { return (shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 2000))
            return {};
        QStringList entries;
        QAction* chosen = nullptr;
        for (QAction* action : shown->actions()) {
            entries << action->text();
            if (action->text() == choose) chosen = action;
        }
        shown->close();
        if (chosen) chosen->trigger();
        return entries;
    }
    // A right click on grid cell (row, col) through the window system, as the user makes it.
    static void rightClick(QTableView* view, int row, int col) {
        const QRect cell = view->visualRect(view->model()->index(row - 1, col));
        const QPoint at = view->viewport()->mapTo(view->window(), cell.center());
        QTest::mouseClick(view->window()->windowHandle(), Qt::RightButton, {}, at);
    }
    static QString description(QTableView* view, int row, int col) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        QAccessibleInterface* cell =
            table && table->tableInterface() ? table->tableInterface()->cellAt(row - 1, col) : nullptr;
        return cell ? cell->text(QAccessible::Description) : QStringLiteral("?");
    }
    bool showsPicture(QTableView* view, int row, int col) const {
        return view->model()->index(row - 1, col).data(Qt::DecorationRole).isValid();
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    QTableView* tips = nullptr;
    QTableView* bankers = nullptr;
    bool ready = false;
};

}  // namespace

class TestCellMenu : public QObject {
    Q_OBJECT
private slots:
    void rightClickOnATipsOdds() {
        Fixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.menu([&] { f.rightClick(f.tips, 2, 3); }, "Törölt (1,00)"), kEntries);
        QCOMPARE(int(f.form->resultFlags[2]), 2);
        QVERIFY(f.showsPicture(f.tips, 2, 3));
        QCOMPARE(f.description(f.tips, 2, 3), QStringLiteral("törölt"));
        QCOMPARE(f.tips->model()->index(1, 3).data().toString(),
                 QStringLiteral("2.50"));  // odds stay in view

        // A left click takes the cancelled mark back and marks the tip won.
        QTest::mouseClick(f.tips->viewport(), Qt::LeftButton, {},
                          f.tips->visualRect(f.tips->model()->index(1, 3)).center());
        QCOMPARE(int(f.form->resultFlags[2]), 1);
        QVERIFY(f.description(f.tips, 2, 3) != QStringLiteral("törölt"));
        QCOMPARE(f.menu([&] { f.rightClick(f.tips, 2, 3); }, "Nincs eredmény"), kEntries);
        QCOMPARE(int(f.form->resultFlags[2]), 0);
        QVERIFY(!f.showsPicture(f.tips, 2, 3));
    }

    // No menu on a team cell or on an odds cell without a tip; closing the menu changes nothing.
    void noMenuWhereThereIsNoResult() {
        Fixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.menu([&] { f.rightClick(f.tips, 2, 1); }, {}), QStringList());
        QCOMPARE(f.menu([&] { f.rightClick(f.tips, 4, 3); }, {}), QStringList());
        QCOMPARE(f.menu([&] { f.rightClick(f.bankers, 2, 3); }, {}), QStringList());
        QCOMPARE(f.menu([&] { f.rightClick(f.tips, 1, 3); }, {}), kEntries);
        QCOMPARE(int(f.form->resultFlags[1]), 0);
    }

    void keysOpenTheMenuOnTheCurrentCell() {
        Fixture f;
        QVERIFY(f.ready);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.form->Grid1.clickCell(3, 3);  // tip 3 marked won, its odds cell current
        f.tips->setFocus();
        QCOMPARE(f.menu([&] { QTest::keyClick(f.tips, Qt::Key_F10, Qt::ShiftModifier); }, "Törölt (1,00)"),
                 kEntries);
        QCOMPARE(int(f.form->resultFlags[3]), 2);
        // The Menu key reaches the grid as the desktop's context menu event.
        const auto menuKey = [&] {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(f.tips, &event);
        };
        QCOMPARE(f.menu(menuKey, "Nyert"), kEntries);
        QCOMPARE(int(f.form->resultFlags[3]), 1);
    }

    // Each settled result from the menu of a tip's or a banker's odds: its flag, its marker, and the
    // words a screen reader and the tooltip give.
    void settledResults_data() {
        QTest::addColumn<bool>("banker");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("answer");  // the dead heat dialog's number, 0 for "Mégse"
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("words");
        QTest::newRow("half won") << false << "Félig nyert" << 0 << 3 << "félig nyert";
        QTest::newRow("half lost") << false << "Félig vesztett" << 0 << 4 << "félig vesztett";
        QTest::newRow("dead heat of three") << false << "Holtverseny…" << 3 << 103 << "holtverseny (3)";
        QTest::newRow("dead heat cancelled") << false << "Holtverseny…" << 0 << 0 << "";
        QTest::newRow("banker in a dead heat of twenty")
            << true << "Holtverseny…" << 20 << 120 << "holtverseny (20)";
        QTest::newRow("banker half lost") << true << "Félig vesztett" << 0 << 4 << "félig vesztett";
    }
    void settledResults() {
        QFETCH(bool, banker);
        QFETCH(QString, entry);
        QFETCH(int, answer);
        QFETCH(int, flag);
        QFETCH(QString, words);
        Fixture f;
        QVERIFY(f.ready);
        f.platform.numberAnswers = {answer ? std::optional<int>(answer) : std::nullopt};
        QTableView* view = banker ? f.bankers : f.tips;
        QCOMPARE(f.menu([&] { f.rightClick(view, 1, 3); }, entry), kEntries);
        QCOMPARE(int((banker ? f.form->bankerFlags : f.form->resultFlags)[1]), flag);
        QCOMPARE(f.showsPicture(view, 1, 3), flag != 0);
        QCOMPARE(f.description(view, 1, 3), words);
        QCOMPARE(view->model()->index(0, 3).data(Qt::ToolTipRole).toString(), words);
    }

    void bankersOdds() {
        Fixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.menu([&] { f.rightClick(f.bankers, 1, 3); }, "Törölt (1,00)"), kEntries);
        QCOMPARE(int(f.form->bankerFlags[1]), 2);
        QCOMPARE(f.description(f.bankers, 1, 3), QStringLiteral("törölt"));
        QCOMPARE(f.menu([&] { f.rightClick(f.bankers, 1, 3); }, "Nincs eredmény"), kEntries);
        QCOMPARE(int(f.form->bankerFlags[1]), 0);
        QVERIFY(!f.showsPicture(f.bankers, 1, 3));
    }
};

KOMBINATOR_TEST(TestCellMenu);
#include "tst_cellmenu.moc"
