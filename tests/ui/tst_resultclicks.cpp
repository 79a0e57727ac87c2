// Result marking with the mouse on the real tip grid: the row header, a team cell, an odds cell
// and the "odds" header of the main window's Grid1, shown offscreen.
#include <QHeaderView>
#include <QListView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::MainWindow;

namespace {

struct Fixture {
    Fixture() {
        platform.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"});
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        form->Form_Load();
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
        form->Label4.click();  // the information panel lies over the grids
        QStringList offer;
        for (int r = 1; r <= 5; ++r)
            offer += test::tipBlock(r, QStringLiteral("%1.50").arg(r));
        form->List5.setLines(offer);
        form->Command2.click();
        grid = qobject_cast<QTableView*>(window->controlWidget("Grid1"));
    }

    // A click on grid cell (row, col) of the tip grid as the user makes it; row 0 is the header.
    void click(int row, int col) {
        if (row == 0) {
            QHeaderView* header = grid->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(col) + 5, header->height() / 2));
        } else {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row - 1, col)).center());
        }
    }
    bool showsPicture(int row, int col) const {
        return grid->model()->index(row - 1, col).data(Qt::DecorationRole).isValid();
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    QTableView* grid = nullptr;
    bool ready = false;
};

}  // namespace

class TestResultClicks : public QObject {
    Q_OBJECT
private slots:
    void rowHeaderShowsTheTipsOfferLines() {
        Fixture f;
        QVERIFY(f.ready);
        QVERIFY(f.grid);
        auto* tabs = qobject_cast<QTabWidget*>(f.window->controlWidget("SSTab1"));
        tabs->setCurrentIndex(2);
        QCOMPARE(f.form->SSTab1.current(), 2);
        f.click(3, 0);
        QCOMPARE(f.form->SSTab1.current(), 0);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(f.form->List5.topIndex(), 8);
        auto* offer = qobject_cast<QListView*>(f.window->controlWidget("List5"));
        QTRY_COMPARE(offer->indexAt(QPoint(2, 2)).row(), 8);
        QCOMPARE(offer->indexAt(QPoint(2, 2)).data().toString(), QStringLiteral("Hazai 3 - Vendég 3"));
        for (int r = 1; r <= Form1::kMaxTips; ++r)
            QCOMPARE(f.form->resultFlags[static_cast<size_t>(r)], qint16(0));
    }

    void teamCellTakesTheChosenMarker() {
        Fixture f;
        QVERIFY(f.ready);
        f.form->SSTab1.setCurrent(2);
        QTest::mouseClick(f.window->controlWidget("Option1_1"), Qt::LeftButton);  // Döntetlen
        QVERIFY(!f.showsPicture(2, 2));
        f.click(2, 2);
        QCOMPARE(f.form->Grid1.pictureAt(2, 2), f.form->loadPicture("\\xx.bmp"));
        QVERIFY(f.showsPicture(2, 2));
        // The home cell shows the win marker of the conversion: the click takes it away.
        QVERIFY(f.showsPicture(2, 1));
        f.click(2, 1);
        QCOMPARE(f.form->Grid1.pictureAt(2, 1), QString());
        QVERIFY(!f.showsPicture(2, 1));
        f.click(0, 2);  // the "vendég" header: nothing
        QVERIFY(f.showsPicture(2, 2));
        QVERIFY(!f.showsPicture(1, 2));
    }

    void oddsCellAndOddsHeader() {
        Fixture f;
        QVERIFY(f.ready);
        f.click(4, 3);
        QCOMPARE(f.form->resultFlags[4], qint16(1));
        QCOMPARE(f.form->Grid1.pictureAt(4, 3), f.form->loadPicture("\\xxz.bmp"));
        QVERIFY(f.showsPicture(4, 3));
        QCOMPARE(f.grid->model()->index(3, 3).data().toString(), QStringLiteral("4.50"));
        f.click(4, 3);
        QCOMPARE(f.form->resultFlags[4], qint16(0));
        QVERIFY(!f.showsPicture(4, 3));

        f.click(2, 3);
        f.click(0, 3);  // the "odds" header marks every tip
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(f.form->resultFlags[static_cast<size_t>(r)], qint16(1));
            QVERIFY(f.showsPicture(r, 3));
        }
        QCOMPARE(f.form->resultFlags[6], qint16(0));
        QVERIFY(!f.showsPicture(6, 3));
        f.click(6, 3);  // below the last tip: nothing
        QCOMPARE(f.form->resultFlags[6], qint16(0));
    }
};

KOMBINATOR_TEST(TestResultClicks);
#include "tst_resultclicks.moc"
