// Bankers: a tip row moved to the banker grid, the remaining tips converted afresh.
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

const QStringList kOdds{"1.50", "2.00", "2.50", "1.20", "3.00"};

void verifyFirstCellSelected(const Grid& grid) {
    QCOMPARE(grid.selection(), (GridRange{1, 1, 1, 1}));
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
}

void verifyRow(const Grid& grid, int row, const QStringList& cells) {
    for (int c = 0; c < 4; ++c)
        QCOMPARE(grid.textAt(row, c), cells.at(c));
}

QStringList tipRow(int seq, int tip) {
    return {QString::number(seq), QStringLiteral("Hazai %1").arg(tip), QStringLiteral("Vendég %1").arg(tip),
            kOdds.at(tip - 1)};
}

}  // namespace

class TestBankers : public QObject {
    Q_OBJECT

    struct Fixture {
        FakePlatform platform;
        Form1 form{platform};
        explicit Fixture(const QStringList& odds = kOdds) {
            platform.installResources(kMarkerFiles);
            convertTips(form, odds);
        }
    };

private slots:
    void fiveTipsThirdFixed() {
        Fixture f;
        Form1& form = f.form;
        form.List1.setLines({"01 02", "01 03"});
        form.List3.setLines({"3.00", "3.75", "", "Össz.: 6.75", "Ny/s.: 3.38"});
        form.SSTab1.setCurrent(2);
        form.Grid1.clickCell(3, 3);  // a result mark on the tip: it does not go along
        form.Grid1.clickCell(1, 3);
        form.Option1.select(1);
        form.Grid1.clickCell(3, 2);  // a draw marker on the away side: it goes along
        fixBanker(form, 3);

        QCOMPARE(form.module1.tipCount, qint16(4));
        QCOMPARE(form.module1.bankerCount, qint16(1));
        verifyRow(form.Grid2, 1, {"1", "Hazai 3", "Vendég 3", "2.50"});
        QCOMPARE(form.Grid2.pictureAt(1, 1), form.loadPicture("\\xxk.bmp"));
        QCOMPARE(form.Grid2.pictureAt(1, 2), form.loadPicture("\\xx.bmp"));
        QCOMPARE(form.Grid2.pictureAt(1, 3), QString());
        verifyRow(form.Grid2, 2, {"", "", "", ""});

        const int former[] = {1, 2, 4, 5};
        for (int r = 1; r <= 4; ++r) {
            verifyRow(form.Grid1, r, tipRow(r, former[r - 1]));
            QCOMPARE(form.Grid1.pictureAt(r, 1), form.loadPicture("\\xxk.bmp"));
            QCOMPARE(form.Grid1.pictureAt(r, 2), QString());
            QCOMPARE(form.Grid1.pictureAt(r, 3), QString());  // the reconversion clears every mark
        }
        for (int r = 5; r <= Form1::kMaxTips; ++r) {
            verifyRow(form.Grid1, r, {"", "", "", ""});
            for (int c = 0; c < 4; ++c)
                QCOMPARE(form.Grid1.pictureAt(r, c), QString());
        }
        for (const qint16 flag : form.resultFlags)
            QCOMPARE(flag, qint16(0));

        QStringList expected;
        for (const int tip : former) {
            if (!expected.isEmpty()) expected.append(QString());
            expected += tipBlock(tip, kOdds.at(tip - 1));
        }
        QCOMPARE(form.List5.lines(), expected);
        QCOMPARE(form.List5.count(), 15);
        QCOMPARE(form.Label1.caption(), QStringLiteral("15"));
        QCOMPARE(form.List4.lines(), expected);
        QCOMPARE(form.List6.lines(), tipBlock(3, "2.50") + QStringList{QString()});
        QCOMPARE(form.List1.count(), 0);
        QCOMPARE(form.List3.count(), 0);
        QCOMPARE(form.SSTab1.current(), 0);
        verifyFirstCellSelected(form.Grid1);
        verifyFirstCellSelected(form.Grid2);
        // Four tips now: the buttons follow the reconversion.
        QVERIFY(form.Command12.isEnabled());   // Lucky 15
        QVERIFY(!form.Command14.isEnabled());  // Lucky 31
    }

    void secondBankerTakesRowTwo() {
        Fixture f;
        fixBanker(f.form, 3);
        fixBanker(f.form, 1);
        QCOMPARE(f.form.module1.tipCount, qint16(3));
        QCOMPARE(f.form.module1.bankerCount, qint16(2));
        verifyRow(f.form.Grid2, 1, {"1", "Hazai 3", "Vendég 3", "2.50"});
        verifyRow(f.form.Grid2, 2, {"2", "Hazai 1", "Vendég 1", "1.50"});
        verifyRow(f.form.Grid1, 1, tipRow(1, 2));
        verifyRow(f.form.Grid1, 3, tipRow(3, 5));
        verifyRow(f.form.Grid1, 4, {"", "", "", ""});
        QCOMPARE(f.form.List6.lines(),
                 tipBlock(3, "2.50") + QStringList{QString()} + tipBlock(1, "1.50") + QStringList{QString()});
        QCOMPARE(f.form.List5.count(), 11);
        QCOMPARE(f.form.Label1.caption(), QStringLiteral("11"));
    }

    // The last tip has no empty line after its block: only its three lines move.
    void lastTipFixed() {
        Fixture f;
        fixBanker(f.form, 5);
        QCOMPARE(f.form.List6.lines(), tipBlock(5, "3.00"));
        QCOMPARE(f.form.List5.count(), 15);
        QCOMPARE(f.form.List5.lines().last(), QStringLiteral("Szorzó: 1,20"));
        verifyRow(f.form.Grid1, 4, tipRow(4, 4));
        verifyRow(f.form.Grid1, 5, {"", "", "", ""});
    }

    // The reconversion finds no offer line and stops early: the moved lines come back.
    void onlyTipFixed() {
        Fixture f({"1.85"});
        fixBanker(f.form, 1);
        QCOMPARE(f.form.module1.tipCount, qint16(0));
        QCOMPARE(f.form.module1.bankerCount, qint16(1));
        verifyRow(f.form.Grid2, 1, {"1", "Hazai 1", "Vendég 1", "1.85"});
        verifyRow(f.form.Grid1, 1, {"", "", "", ""});
        QCOMPARE(f.form.Grid1.pictureAt(1, 1), QString());
        // Its lines are back in the offer list, and only there: a save writes them once.
        QCOMPARE(f.form.List6.count(), 0);
        QCOMPARE(f.form.List5.lines(), tipBlock(1, "1.85"));
        QCOMPARE(f.form.List4.lines(), tipBlock(1, "1.85"));
        QCOMPARE(f.form.Label1.caption(), QStringLiteral("3"));
        QCOMPARE(f.form.List3.count(), 0);  // it only held the moved lines
        verifyFirstCellSelected(f.form.Grid1);
        verifyFirstCellSelected(f.form.Grid2);
    }

    void withoutWholeRowNothingHappens_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("odds cell") << 2 << 3;
        QTest::newRow("team cell") << 2 << 1;
        QTest::newRow("odds header") << 0 << 3;
        QTest::newRow("row header of an empty row") << 6 << 0;
    }
    void withoutWholeRowNothingHappens() {
        QFETCH(int, row);
        QFETCH(int, col);
        Fixture f;
        f.form.List1.setLines({"01 02"});
        const QStringList offer = f.form.List5.lines();
        f.form.Grid1.clickCell(row, col);
        f.form.Command22.click();
        QCOMPARE(f.form.module1.tipCount, qint16(5));
        QCOMPARE(f.form.module1.bankerCount, qint16(0));
        QCOMPARE(f.form.List5.lines(), offer);
        QCOMPARE(f.form.List6.count(), 0);
        QCOMPARE(f.form.List1.count(), 1);
        QCOMPARE(f.form.Grid2.textAt(1, 1), QString());
    }

    // The row shown highlighted is always the row "Fix megadása" takes: a command that moves
    // the current cell takes the highlighted row along.
    void fixTakesTheRowShown_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("shownRow");
        QTest::newRow("none") << "" << 2;
        QTest::newRow("doubles") << "2" << 5;
        QTest::newRow("singles") << "1" << 5;
        QTest::newRow("Lucky 31") << "Lucky 31" << 5;
    }
    void fixTakesTheRowShown() {
        QFETCH(QString, command);
        QFETCH(int, shownRow);
        Fixture f;
        Form1& form = f.form;
        form.Grid1.clickCell(2, 0);
        if (command == "2") form.Command8[0].click();
        if (command == "1") form.Command24.click();
        if (command == "Lucky 31") form.Command14.click();
        QCOMPARE(form.Grid1.row(), shownRow);
        QCOMPARE(form.Grid1.selection(), (GridRange{shownRow, 1, shownRow, 3}));

        form.Command22.click();
        QCOMPARE(form.module1.bankerCount, qint16(1));
        verifyRow(form.Grid2, 1, tipRow(1, shownRow));
    }
};

KOMBINATOR_TEST(TestBankers);
#include "tst_bankers.moc"
