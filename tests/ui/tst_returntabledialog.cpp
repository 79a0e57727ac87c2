// The return table's window on the real main window, offscreen: asked for from the lists' menus
// and with Ctrl+T, what its table, lines and chart show, the copy, and the refusal beyond 20 tips.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "ui/returntabledialog.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::MainWindow;
using kombinator::ui::ReturnTableDialog;

namespace {

const QString kEntry = QStringLiteral("Nyereménytábla…");

struct Fixture {
    Fixture() {
        platform.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"});
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        form->Form_Load();
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
        form->SSTab1.setCurrent(1);  // the bet list's tab
    }
    ~Fixture() {
        // Nothing of one case may stay on the desktop for the next.
        if (ReturnTableDialog* dialog = window->returnTableDialog()) dialog->hide();
    }
    QAbstractItemView* list(const QString& name) const {
        return qobject_cast<QAbstractItemView*>(window->controlWidget(name));
    }
    // The tips with these odds texts ("1,50"), converted from offer lines.
    void enterTips(const QStringList& odds) {
        QStringList offer;
        for (int i = 0; i < odds.size(); ++i)
            offer << QStringLiteral("Hazai%1 - Vendég%1").arg(i + 1) << QStringLiteral("Hazai%1").arg(i + 1)
                  << odds[i];
        form->List5.setLines(offer);
        form->Command2.click();
        form->SSTab1.setCurrent(1);
    }
    void pressCtrlT() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    }
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};

// The return table's window when it is shown, else null.
ReturnTableDialog* shownDialog() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("ReturnTable") && w->isVisible())
            return qobject_cast<ReturnTableDialog*>(w);
    }
    return nullptr;
}

// Right-clicks line `line` of `view` through the window system, as the user does. When the menu
// pops up, its entries are noted and the one named `choose` is chosen (none: it is closed).
QStringList rightClick(QAbstractItemView* view, int line, const QString& choose) {
    QStringList entries;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        answer.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == choose) chosen = action;
        }
        menu->close();
        if (chosen) chosen->trigger();
    });
    answer.start();
    const QRect place = view->visualRect(view->model()->index(line, 0));
    QWindow* window = view->window()->windowHandle();
    // Lines are as wide as the list's scroll range; their start is always in view.
    const QPoint at = view->viewport()->mapTo(view->window(), QPoint(place.left() + 8, place.center().y()));
    QTest::mouseClick(window, Qt::RightButton, {}, at);
    // A menu that never came leaves no entries, which the caller's comparison reports.
    if (!QTest::qWaitFor([&] { return !answer.isActive(); }, 5000)) return {};
    return entries;
}

QStringList cellsOf(const QTableWidget* table, int row) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << table->item(row, c)->text();
    return cells;
}

}  // namespace

class TestReturnTableDialog : public QObject {
    Q_OBJECT
private slots:
    void fromTheBetListsMenu();
    void copiesTheTable();
    void ctrlTRefreshesTheOneWindow();
    void fromTheAmountListsMenu();
    void refusedBeyondTwentyTips();
    void chartOfAKeyLikeList();
    void stakePerBetWithACancelledTip();
    void stakeField_data();
    void stakeField();
};

void TestReturnTableDialog::fromTheBetListsMenu() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00", "2,50"});
    f.form->List1.setLines({"01 02", "01 03", "02 03", "01 02 03"});
    f.form->List1.setListIndex(0);
    QAbstractItemView* list1 = f.list("List1");
    QVERIFY(list1 && list1->isVisible());

    QCOMPARE(rightClick(list1, 2, kEntry), QStringList{kEntry});
    // The right button opens the menu and leaves the bet list's selection where it was.
    QCOMPARE(f.form->List1.listIndex(), 0);

    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Nyereménytábla"));
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f.window->returnTableDialog(), dialog);

    auto* table = dialog->findChild<QTableWidget*>("table");
    QVERIFY(table);
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c)
        header << table->horizontalHeaderItem(c)->text();
    QCOMPARE(header,
             (QStringList{"Nyertes tippek", "Min. visszatérés", "Max. visszatérés", "Min. nyertes fogadás",
                          "Max. nyertes fogadás", "Min. nyereség", "Max. nyereség"}));
    QCOMPARE(table->rowCount(), 4);
    // Four bets of one unit: the doubles pay 3.00, 3.75 and 5.00, the treble 7.50.
    QCOMPARE(cellsOf(table, 0), (QStringList{"0", "0.00", "0.00", "0", "0", "-4.00", "-4.00"}));
    QCOMPARE(cellsOf(table, 1), (QStringList{"1", "0.00", "0.00", "0", "0", "-4.00", "-4.00"}));
    QCOMPARE(cellsOf(table, 2), (QStringList{"2", "3.00", "5.00", "1", "1", "-1.00", "1.00"}));
    QCOMPARE(cellsOf(table, 3), (QStringList{"3", "19.25", "19.25", "4", "4", "15.25", "15.25"}));
    QCOMPARE(dialog->findChild<QLabel*>("somePaysBack")->text(),
             QStringLiteral("Van megtérülő kimenet: 2 nyertes tipptől"));
    QCOMPARE(dialog->findChild<QLabel*>("everyPaysBack")->text(),
             QStringLiteral("Minden kimenet megtérül: 3 nyertes tipptől"));

    const std::vector<ReturnTableDialog::ChartLine> chart = dialog->chartLines();
    QCOMPARE(chart.size(), size_t{3});
    QCOMPARE(chart[0].name, QStringLiteral("Legkisebb visszatérés"));
    QCOMPARE(chart[0].points, (QList<QPointF>{{0, 0}, {1, 0}, {2, 3}, {3, 19.25}}));
    QCOMPARE(chart[1].name, QStringLiteral("Legnagyobb visszatérés"));
    QCOMPARE(chart[1].points, (QList<QPointF>{{0, 0}, {1, 0}, {2, 5}, {3, 19.25}}));
    QCOMPARE(chart[2].name, QStringLiteral("Tét"));
    QCOMPARE(chart[2].points, (QList<QPointF>{{0, 4}, {3, 4}}));
    QVERIFY(f.platform.messages.empty());
}

void TestReturnTableDialog::copiesTheTable() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00"});
    f.form->List1.setLines({"01 02", "01 99"});
    QApplication::clipboard()->clear();
    f.window->showReturnTable();
    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    auto* copy = dialog->findChild<QPushButton*>("copyButton");
    QVERIFY(copy);
    QCOMPARE(copy->text(), QStringLiteral("Másolás"));
    QTest::mouseClick(copy, Qt::LeftButton);
    // The bet naming tip 99 costs its unit and never pays.
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Nyertes tippek\tMin. visszatérés\tMax. visszatérés\tMin. nyertes fogadás\t"
                            "Max. nyertes fogadás\tMin. nyereség\tMax. nyereség\n"
                            "0\t0.00\t0.00\t0\t0\t-2.00\t-2.00\n"
                            "1\t0.00\t0.00\t0\t0\t-2.00\t-2.00\n"
                            "2\t3.00\t3.00\t1\t1\t1.00\t1.00\n"
                            "Van megtérülő kimenet:\t2 nyertes tipptől\n"
                            "Minden kimenet megtérül:\t2 nyertes tipptől\n"));
    QVERIFY(dialog->isVisible());  // copying keeps the window open

    auto* close = dialog->findChild<QPushButton*>("closeButton");
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Bezár"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void TestReturnTableDialog::ctrlTRefreshesTheOneWindow() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00", "2,50"});
    f.form->List1.setLines({"01 02"});
    f.pressCtrlT();
    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    auto* table = dialog->findChild<QTableWidget*>("table");
    QCOMPARE(cellsOf(table, 3), (QStringList{"3", "3.00", "3.00", "1", "1", "2.00", "2.00"}));

    // The list changes while the window is open: asking again brings the same window up to date.
    f.form->List1.setLines({"01 02", "01 03", "02 03"});
    f.pressCtrlT();
    QCOMPARE(shownDialog(), dialog);
    QCOMPARE(cellsOf(table, 3), (QStringList{"3", "11.75", "11.75", "3", "3", "8.75", "8.75"}));
    QCOMPARE(dialog->findChild<QLabel*>("everyPaysBack")->text(),
             QStringLiteral("Minden kimenet megtérül: 2 nyertes tipptől"));

    // Closed and asked for again: the same window shows once more.
    QTest::mouseClick(dialog->findChild<QPushButton*>("closeButton"), Qt::LeftButton);
    QVERIFY(!shownDialog());
    f.pressCtrlT();
    QCOMPARE(shownDialog(), dialog);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->objectName() == QLatin1String("ReturnTable");
    QCOMPARE(windows, 1);
}

void TestReturnTableDialog::fromTheAmountListsMenu() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00", "2,50", "1,80"});
    f.form->Command8[0].click();  // the doubles, with their amounts in List3
    QCOMPARE(f.form->List1.count(), 6);
    QAbstractItemView* list3 = f.list("List3");
    QVERIFY(list3 && list3->isVisible());
    QCOMPARE(rightClick(list3, 0, kEntry), QStringList{kEntry});
    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    auto* table = dialog->findChild<QTableWidget*>("table");
    QCOMPARE(table->rowCount(), 5);
    // Two won tips: 1.50 x 1.80 = 2.70 at worst, 2.00 x 2.50 = 5.00 at best.
    QCOMPARE(cellsOf(table, 2), (QStringList{"2", "2.70", "5.00", "1", "1", "-3.30", "-1.00"}));
}

void TestReturnTableDialog::refusedBeyondTwentyTips() {
    Fixture f;
    QVERIFY(f.ready);
    QStringList odds;
    for (int i = 0; i < 20; ++i)
        odds << "1,10";
    f.enterTips(odds);
    f.form->List1.setLines({"01 02"});
    f.pressCtrlT();
    QVERIFY(shownDialog());
    QCOMPARE(shownDialog()->findChild<QTableWidget*>("table")->rowCount(), 21);
    QVERIFY(f.platform.messages.empty());

    f.enterTips(odds << "1,10");
    QCOMPARE(f.form->module1.tipCount, qint16(21));
    f.form->List1.setLines({"01 02"});
    f.pressCtrlT();
    QCOMPARE(f.platform.messages.size(), size_t{1});
    QCOMPARE(f.platform.messages[0].text,
             QStringLiteral("A nyereménytábla legfeljebb 20 tippre számítható."));
    QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Kombinátor"));
    QCOMPARE(f.platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(f.platform.messages[0].buttons, MsgButtons::Ok);
    // The table of the earlier tips no longer stands.
    QVERIFY(!shownDialog());
}

void TestReturnTableDialog::chartOfAKeyLikeList() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00", "2,50", "1,80", "3,10", "1,65", "2,20", "1,90", "2,75", "1,40"});
    f.form->Command8[1].click();  // every treble of ten tips
    QCOMPARE(f.form->List1.count(), 120);
    f.form->List1.setLines(f.form->List1.lines().mid(0, 40));
    f.window->showReturnTable();
    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    auto* table = dialog->findChild<QTableWidget*>("table");
    QCOMPARE(table->rowCount(), 11);
    // The chart's lines are the table's columns.
    const std::vector<ReturnTableDialog::ChartLine> chart = dialog->chartLines();
    for (int w = 0; w <= 10; ++w) {
        QCOMPARE(chart[0].points.at(w), QPointF(w, table->item(w, 1)->text().toDouble()));
        QCOMPARE(chart[1].points.at(w), QPointF(w, table->item(w, 2)->text().toDouble()));
    }
    QCOMPARE(chart[2].points, (QList<QPointF>{{0, 40}, {10, 40}}));
    // Every heading shows whole.
    QHeaderView* header = table->horizontalHeader();
    for (int c = 0; c < table->columnCount(); ++c)
        QVERIFY(header->sectionSize(c) >=
                header->fontMetrics().horizontalAdvance(table->horizontalHeaderItem(c)->text()));
    QVERIFY(header->length() <= table->viewport()->width());
    // For looking at the window by eye: KOMBINATOR_GRAB_TABLE=/tmp/table.png
    const QString grab = qEnvironmentVariable("KOMBINATOR_GRAB_TABLE");
    if (!grab.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(dialog->grab().save(grab));
    }
}

// A Trixie on 1.50 / 2.00 / 2.50 with tip 2 cancelled, for 100 on every bet: the table, the
// total stake, the chart and the copy all speak of 100s; a stake that is no number changes nothing.
void TestReturnTableDialog::stakePerBetWithACancelledTip() {
    Fixture f;
    QVERIFY(f.ready);
    f.enterTips({"1,50", "2,00", "2,50"});
    f.form->List1.setLines({"01 02", "01 03", "02 03", "01 02 03"});
    f.form->Grid1.chooseMenuEntry(2, 3, Form1::kChooseCancelled);
    f.window->showReturnTable();
    ReturnTableDialog* dialog = shownDialog();
    QVERIFY(dialog);
    auto* stake = dialog->findChild<QLineEdit*>("stake");
    auto* total = dialog->findChild<QLabel*>("totalStake");
    auto* table = dialog->findChild<QTableWidget*>("table");
    QVERIFY(stake && total && table);
    QCOMPARE(stake->text(), QStringLiteral("1.00"));
    QCOMPARE(total->text(), QStringLiteral("Össztét: 4.00 (4 fogadás × 1.00)"));
    QCOMPARE(table->rowCount(), 3);  // tips 1 and 3 are open
    QCOMPARE(cellsOf(table, 2), (QStringList{"2", "11.50", "11.50", "4", "4", "7.50", "7.50"}));

    stake->selectAll();
    QTest::keyClicks(stake, "100");
    QCOMPARE(cellsOf(table, 1), (QStringList{"1", "150.00", "250.00", "1", "1", "-250.00", "-150.00"}));
    QCOMPARE(cellsOf(table, 2), (QStringList{"2", "1150.00", "1150.00", "4", "4", "750.00", "750.00"}));
    QCOMPARE(total->text(), QStringLiteral("Össztét: 400.00 (4 fogadás × 100.00)"));
    const std::vector<ReturnTableDialog::ChartLine> chart = dialog->chartLines();
    QCOMPARE(chart[1].points.last(), QPointF(2, 1150));
    QCOMPARE(chart[2].points, (QList<QPointF>{QPointF(0, 400), QPointF(2, 400)}));
    QVERIFY(dialog->tableText().endsWith(QStringLiteral("Tét / kötés:\t100.00\nÖssztét:\t400.00\n")));

    // Half typed ("") and zero leave the table at 100; leaving the field shows the stake it holds.
    stake->selectAll();
    QTest::keyClick(stake, Qt::Key_Backspace);
    QTest::keyClicks(stake, "0");
    QVERIFY(!stake->hasAcceptableInput());
    QCOMPARE(cellsOf(table, 2).at(1), QStringLiteral("1150.00"));
    emit stake->editingFinished();
    QCOMPARE(stake->text(), QStringLiteral("100.00"));
    stake->selectAll();
    QTest::keyClicks(stake, "2,5x");  // the letter is not taken
    QCOMPARE(stake->text(), QStringLiteral("2,5"));
    QCOMPARE(cellsOf(table, 2).at(1), QStringLiteral("28.76"));  // 3.75 + 9.38 + 6.25 + 9.38

    // The main window's lists stay per unit stake.
    f.form->Grid1.clickCell(1, 3);
    f.form->Grid1.clickCell(3, 3);
    f.form->Command21.click();
    QCOMPARE(f.form->List3.line(4), QStringLiteral(""));
    QCOMPARE(f.form->List3.line(5), QStringLiteral("Össz.: 11.50"));
}

// What the stake field lets in: a stake, a stake still being typed (unfinished), nothing else.
void TestReturnTableDialog::stakeField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int unfinished = QValidator::Intermediate;
    QTest::newRow("empty") << "" << unfinished;
    QTest::newRow("zero") << "0" << unfinished;
    QTest::newRow("a comma alone") << "," << unfinished;
    QTest::newRow("zero with decimals") << "0,0" << unfinished;
    QTest::newRow("a whole stake and its comma") << "2," << int(QValidator::Acceptable);
    QTest::newRow("comma") << "2,5" << int(QValidator::Acceptable);
    QTest::newRow("point, two decimals, blanks") << " 100.00 " << int(QValidator::Acceptable);
    QTest::newRow("eight digits") << "99999999" << int(QValidator::Acceptable);
    QTest::newRow("nine digits") << "999999999" << int(QValidator::Invalid);
    QTest::newRow("three decimals") << "1.005" << int(QValidator::Invalid);
    QTest::newRow("a letter") << "2x" << int(QValidator::Invalid);
}

void TestReturnTableDialog::stakeField() {
    QFETCH(QString, text);
    ReturnTableDialog dialog;
    const QValidator* validator = dialog.findChild<QLineEdit*>("stake")->validator();
    int at = static_cast<int>(text.size());
    QTEST(static_cast<int>(validator->validate(text, at)), "state");
}

KOMBINATOR_TEST(TestReturnTableDialog);
#include "tst_returntabledialog.moc"
