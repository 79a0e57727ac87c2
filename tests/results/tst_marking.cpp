// Result marking on the tip grid: row headers, team cells and odds cells.
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

class TestMarking : public QObject {
    Q_OBJECT

    static const QStringList kFiveTips;

    struct Fixture {
        FakePlatform platform;
        Form1 form{platform};
        explicit Fixture(bool withMarkers = true) {
            if (withMarkers) platform.installResources(kMarkerFiles);
            convertTips(form, kFiveTips);
        }
        QString marker(const char* file) { return form.loadPicture(QString::fromLatin1(file)); }
        qint16 flag(int r) const { return form.resultFlags[static_cast<size_t>(r)]; }
    };

private slots:
    void oddsCellClickedTwice_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("first tip") << 1;
        QTest::newRow("middle tip") << 3;
        QTest::newRow("last tip") << 5;
    }
    void oddsCellClickedTwice() {
        QFETCH(int, row);
        Fixture f;
        const QString result = f.marker("\\xxz.bmp");
        QVERIFY(!result.isEmpty());

        f.form.Grid1.clickCell(row, 3);
        QCOMPARE(f.form.Grid1.pictureAt(row, 3), result);
        QCOMPARE(f.flag(row), qint16(1));
        for (int r = 0; r <= Form1::kMaxTips; ++r) {
            if (r != row) QCOMPARE(f.flag(r), qint16(0));
        }
        QCOMPARE(f.form.Grid1.textAt(row, 3), kFiveTips.at(row - 1));  // the odds text stays

        f.form.Grid1.clickCell(row, 3);
        QCOMPARE(f.form.Grid1.pictureAt(row, 3), QString());
        QCOMPARE(f.flag(row), qint16(0));
    }

    void oddsCellBelowLastTipChangesNothing() {
        Fixture f;
        f.form.Grid1.clickCell(6, 3);
        f.form.Grid1.clickCell(50, 3);
        QCOMPARE(f.form.Grid1.pictureAt(6, 3), QString());
        QCOMPARE(f.form.Grid1.pictureAt(50, 3), QString());
        QCOMPARE(f.flag(6), qint16(0));
        QCOMPARE(f.flag(50), qint16(0));
    }

    void oddsHeaderMarksEveryTip() {
        Fixture f;
        f.form.Grid1.clickCell(2, 3);
        f.form.Grid1.clickCell(4, 3);
        f.form.resultFlags[7] = 1;  // a flag past the tips is left as it is
        f.form.Grid1.clickCell(0, 3);
        const QString result = f.marker("\\xxz.bmp");
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(f.form.Grid1.pictureAt(r, 3), result);
            QCOMPARE(f.flag(r), qint16(1));
        }
        QCOMPARE(f.form.Grid1.pictureAt(6, 3), QString());
        QCOMPARE(f.flag(6), qint16(0));
        QCOMPARE(f.flag(7), qint16(1));
        QCOMPARE(f.flag(0), qint16(0));

        // Once more: nothing is unmarked.
        f.form.Grid1.clickCell(0, 3);
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(f.flag(r), qint16(1));
        QCOMPARE(f.form.Grid1.pictureAt(3, 3), result);
    }

    void teamCellSetsChosenMarker_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("file");
        QTest::newRow("away, Nyer") << 2 << 0 << "\\xxk.bmp";
        QTest::newRow("away, Döntetlen") << 2 << 1 << "\\xx.bmp";
        QTest::newRow("away, Nyer vagy döntetlen") << 2 << 2 << "\\Xxx.bmp";
    }
    void teamCellSetsChosenMarker() {
        QFETCH(int, col);
        QFETCH(int, option);
        QFETCH(QString, file);
        Fixture f;
        QCOMPARE(f.form.Grid1.pictureAt(2, col), QString());
        f.form.Option1.select(option);
        f.form.Grid1.clickCell(2, col);
        QCOMPARE(f.form.Grid1.pictureAt(2, col), f.form.loadPicture(file));
        QVERIFY(!f.form.Grid1.pictureAt(2, col).isEmpty());
        QCOMPARE(f.flag(2), qint16(0));  // outcome markers are no results
        f.form.Grid1.clickCell(2, col);
        QCOMPARE(f.form.Grid1.pictureAt(2, col), QString());
    }

    // The home cell carries the win marker from the conversion: another option removes it, and
    // only the next click sets the new marker.
    void markedTeamCellIsClearedNotReplaced() {
        Fixture f;
        QCOMPARE(f.form.Grid1.pictureAt(1, 1), f.marker("\\xxk.bmp"));
        f.form.Option1.select(1);
        f.form.Grid1.clickCell(1, 1);
        QCOMPARE(f.form.Grid1.pictureAt(1, 1), QString());
        f.form.Grid1.clickCell(1, 1);
        QCOMPARE(f.form.Grid1.pictureAt(1, 1), f.marker("\\xx.bmp"));
    }

    void teamClickWithoutEffect_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("option");
        QTest::newRow("hazai header") << 0 << 1 << 0;
        QTest::newRow("vendég header") << 0 << 2 << 2;
        QTest::newRow("no option selected, marked cell") << 1 << 1 << -1;
        QTest::newRow("no option selected, unmarked cell") << 1 << 2 << -1;
        QTest::newRow("empty team cell") << 6 << 2 << 0;
    }
    void teamClickWithoutEffect() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, option);
        Fixture f;
        f.form.Option1.select(option);
        QCOMPARE(f.form.Option1.selected(), option);
        std::vector<QString> before;
        for (int r = 0; r <= Form1::kMaxTips; ++r) {
            for (int c = 0; c < 4; ++c)
                before.push_back(f.form.Grid1.pictureAt(r, c));
        }
        f.form.Grid1.clickCell(row, col);
        size_t i = 0;
        for (int r = 0; r <= Form1::kMaxTips; ++r) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(f.form.Grid1.pictureAt(r, c), before[i++]);
        }
        for (int r = 0; r <= Form1::kMaxTips; ++r)
            QCOMPARE(f.flag(r), qint16(0));
    }

    void rowHeaderShowsTipBlock_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("top");
        QTest::newRow("row 1") << 1 << 0;
        QTest::newRow("row 3") << 3 << 8;
        QTest::newRow("row 5, the last block") << 5 << 16;
        QTest::newRow("empty row: no scroll") << 6 << 4;
    }
    void rowHeaderShowsTipBlock() {
        QFETCH(int, row);
        QFETCH(int, top);
        Fixture f;
        QCOMPARE(f.form.List5.count(), 19);
        f.form.List5.setTopIndex(4);
        f.form.SSTab1.setCurrent(2);
        f.form.Grid1.clickCell(row, 0);
        QCOMPARE(f.form.List5.topIndex(), top);
        QCOMPARE(f.form.List5.line(f.form.List5.topIndex()),
                 row <= 5 ? QStringLiteral("Hazai %1 - Vendég %1").arg(row)
                          : QStringLiteral("Hazai 2 - Vendég 2"));
        QCOMPARE(f.form.SSTab1.current(), 0);
        QCOMPARE(f.form.Grid1.col(), 1);
        QCOMPARE(f.flag(row), qint16(0));
        QCOMPARE(f.form.Grid1.pictureAt(row, 3), QString());
    }

    // The offer list was edited after the conversion: the block's index lies past its end.
    void rowHeaderPastOfferListStillShowsTab() {
        Fixture f;
        f.form.List5.setLines({QStringLiteral("egy"), QStringLiteral("kettő")});
        f.form.SSTab1.setCurrent(1);
        f.form.Grid1.clickCell(4, 0);
        QCOMPARE(f.form.List5.topIndex(), 0);
        QCOMPARE(f.form.SSTab1.current(), 0);
    }

    // Without the result marker file a cell cannot show the mark; the flag alone switches, so a
    // mark can be taken back.
    void missingResultMarkerFile() {
        Fixture f(false);
        f.platform.installResources({QStringLiteral("xxk.bmp")});
        f.form.Grid1.clickCell(2, 3);
        QCOMPARE(f.form.Grid1.pictureAt(2, 3), QString());
        QCOMPARE(f.flag(2), qint16(1));
        f.form.Grid1.clickCell(2, 3);
        QCOMPARE(f.form.Grid1.pictureAt(2, 3), QString());
        QCOMPARE(f.flag(2), qint16(0));

        f.form.Grid1.clickCell(0, 3);
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(f.flag(r), qint16(1));
            QCOMPARE(f.form.Grid1.pictureAt(r, 3), QString());
        }
        f.form.Grid1.clickCell(4, 3);
        QCOMPARE(f.flag(4), qint16(0));
        QCOMPARE(f.flag(3), qint16(1));
    }

    void missingOutcomeMarkerFile() {
        Fixture f(false);
        QCOMPARE(f.form.Grid1.pictureAt(1, 1), QString());
        f.form.Grid1.clickCell(1, 2);
        QCOMPARE(f.form.Grid1.pictureAt(1, 2), QString());
        // The files appear: markers can be set after all.
        f.platform.installResources(kMarkerFiles);
        f.form.Grid1.clickCell(1, 2);
        QCOMPARE(f.form.Grid1.pictureAt(1, 2), f.marker("\\xxk.bmp"));
    }
};

const QStringList TestMarking::kFiveTips{"1.50", "2.00", "2.50", "1.20", "3.00"};

KOMBINATOR_TEST(TestMarking);
#include "tst_marking.moc"
