// Cancelled events: marked through the odds cells' context menu, settled at odds 1.00 by the
// evaluation, left alone by the odds command, and cleared with the won marks.
#include <QFile>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

const QStringList kThree{"1.50", "2.00", "2.50"};
const QStringList kSix{"1.50", "2.00", "2.50", "1.20", "3.00", "1.10"};
const QStringList kKey{"01 02 03", "01 04 05", "02 04 06"};

QStringList withSummary(QStringList amounts, const char* total, const char* mean) {
    return amounts +
           QStringList{QString(), QStringLiteral("Össz.: ") + total, QStringLiteral("Ny/s.: ") + mean};
}

struct Fixture {
    FakePlatform platform;
    Form1 form{platform};
    explicit Fixture(const QStringList& odds) {
        platform.installResources(kMarkerFiles + QStringList{QStringLiteral("xxt.bmp")});
        convertTips(form, odds);
    }
    QString marker(const char* name) { return form.loadPicture(QString::fromLatin1(name)); }
    void choose(Grid& grid, int row, Form1::ResultChoice choice) { grid.chooseMenuEntry(row, 3, choice); }
    // "c" clicks the odds cell of tip 2, "h" the "odds" header; "W", "V" and "N" choose "Nyert",
    // "Törölt (1,00)" and "Nincs eredmény" from tip 2's menu.
    void play(const QString& steps) {
        for (const QChar step : steps) {
            if (step == u'c') form.Grid1.clickCell(2, 3);
            if (step == u'h') form.Grid1.clickCell(0, 3);
            if (step == u'W') choose(form.Grid1, 2, Form1::kChooseWon);
            if (step == u'V') choose(form.Grid1, 2, Form1::kChooseCancelled);
            if (step == u'N') choose(form.Grid1, 2, Form1::kChooseNoResult);
        }
    }
};

}  // namespace

class TestCancelled : public QObject {
    Q_OBJECT
private slots:
    void menuAndClicks_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("picture");  // "" none, "xxz" won, "xxt" cancelled
        QTest::newRow("cancelled") << "V" << 2 << "xxt";
        QTest::newRow("won") << "W" << 1 << "xxz";
        QTest::newRow("won twice stays won") << "WW" << 1 << "xxz";
        QTest::newRow("won, no result") << "WN" << 0 << "";
        QTest::newRow("cancelled, no result") << "VN" << 0 << "";
        QTest::newRow("no result of nothing") << "N" << 0 << "";
        QTest::newRow("won, then cancelled") << "WV" << 2 << "xxt";
        QTest::newRow("cancelled, then won") << "VW" << 1 << "xxz";
        QTest::newRow("click on cancelled marks won") << "Vc" << 1 << "xxz";
        QTest::newRow("click, no result") << "cN" << 0 << "";
        QTest::newRow("click twice after cancelled") << "Vcc" << 0 << "";
        QTest::newRow("odds header marks every tip won") << "Vh" << 1 << "xxz";
    }
    void menuAndClicks() {
        QFETCH(QString, steps);
        QFETCH(int, flag);
        QFETCH(QString, picture);
        Fixture f(kThree);
        f.play(steps);
        QCOMPARE(int(f.form.resultFlags[2]), flag);
        QCOMPARE(f.form.Grid1.pictureAt(2, 3),
                 picture.isEmpty() ? QString() : f.marker(qPrintable("\\" + picture + ".bmp")));
        QCOMPARE(f.form.Grid1.textAt(2, 3), QStringLiteral("2.00"));
        const int others = steps.contains(u'h') ? 2 : 0;  // untouched but by the header
        QCOMPARE(int(f.form.resultFlags[1]) + int(f.form.resultFlags[3]), others);
    }

    void settlement_data() {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("banker");  // odds of one banker, fixed after the tips
        QTest::addColumn<bool>("cancelBanker");
        QTest::addColumn<QList<int>>("won");
        QTest::addColumn<QList<int>>("cancelled");
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<QStringList>("returns");
        const QStringList trixie{"01 02", "01 03", "02 03", "01 02 03"};
        // 1.50 x 1.00; 1.50 x 2.50; 1.00 x 2.50; 1.50 x 1.00 x 2.50.
        QTest::newRow("trixie, tip 2 cancelled")
            << kThree << "" << false << QList<int>{1, 3} << QList<int>{2} << trixie
            << withSummary({"1.50", "3.75", "2.50", "3.75"}, "11.50", "2.88");
        QTest::newRow("trixie, tip 2 cancelled, tip 3 lost")
            << kThree << "" << false << QList<int>{1} << QList<int>{2} << trixie
            << withSummary({"1.50", "0.00", "0.00", "0.00"}, "1.50", "0.38");
        QTest::newRow("trixie, every tip cancelled")
            << kThree << "" << false << QList<int>{} << QList<int>{1, 2, 3} << trixie
            << withSummary({"1.00", "1.00", "1.00", "1.00"}, "4.00", "1.00");
        // The cancelled banker's 3.00 drops out of every bet; the won banker's stays.
        QTest::newRow("banker 3.00 cancelled")
            << kThree << "3.00" << true << QList<int>{1, 2, 3} << QList<int>{} << trixie
            << withSummary({"3.00", "3.75", "5.00", "7.50"}, "19.25", "4.81");
        QTest::newRow("banker 3.00 standing, tip 2 cancelled")
            << kThree << "3.00" << false << QList<int>{1, 3} << QList<int>{2} << trixie
            << withSummary({"4.50", "11.25", "7.50", "11.25"}, "34.50", "8.63");
        // A key's list: 1.50 x 2.00 x 2.50; 1.50 x 1 x 1; 2.00 x 1 x 1.10.
        QTest::newRow("key list, tips 4 and 5 cancelled")
            << kSix << "" << false << QList<int>{1, 2, 3, 6} << QList<int>{4, 5} << kKey
            << withSummary({"7.50", "1.50", "2.20"}, "11.20", "3.73");
        QTest::newRow("key list, tip 1 cancelled, 4 to 6 lost")
            << kSix << "" << false << QList<int>{2, 3} << QList<int>{1} << kKey
            << withSummary({"5.00", "0.00", "0.00"}, "5.00", "1.67");
    }
    void settlement() {
        QFETCH(QStringList, odds);
        QFETCH(QString, banker);
        QFETCH(bool, cancelBanker);
        QFETCH(QList<int>, won);
        QFETCH(QList<int>, cancelled);
        QFETCH(QStringList, bets);
        QFETCH(QStringList, returns);
        Fixture f(banker.isEmpty() ? odds : odds + QStringList{banker});
        if (!banker.isEmpty()) fixBanker(f.form, static_cast<int>(odds.size()) + 1);
        if (cancelBanker) f.choose(f.form.Grid2, 1, Form1::kChooseCancelled);
        for (const int r : won)
            f.form.Grid1.clickCell(r, 3);
        for (const int r : cancelled)
            f.choose(f.form.Grid1, r, Form1::kChooseCancelled);
        f.form.List1.setLines(bets);
        f.form.Command21.click();
        QCOMPARE(f.form.List3.lines(), returns);
    }

    // The Trixie button's own list, settled, then priced: the odds command keeps the grid's odds.
    void trixieButtonThenOddsCommand() {
        Fixture f(kThree);
        Button* trixie = f.form.calculatorButtons().at(12);
        QCOMPARE(trixie->caption(), QStringLiteral("Trixie 4"));
        trixie->click();
        QCOMPARE(f.form.List1.lines(), (QStringList{"01 02", "01 03", "02 03", "01 02 03"}));
        f.play("V");
        f.form.Grid1.clickCell(1, 3);
        f.form.Grid1.clickCell(3, 3);
        f.form.Command21.click();
        QCOMPARE(f.form.List3.lines(), withSummary({"1.50", "3.75", "2.50", "3.75"}, "11.50", "2.88"));
        f.form.Command19.click();
        QCOMPARE(f.form.List3.lines(), withSummary({"3.00", "3.75", "5.00", "7.50"}, "19.25", "4.81"));
    }

    // A banker fix and a new conversion take the cancelled marks with the won ones; a banker's
    // cancelled mark stays with its row until the banker rows go.
    void clearedWithTheWonMarks() {
        Fixture f(kThree + QStringList{"3.00"});
        fixBanker(f.form, 4);
        f.choose(f.form.Grid2, 1, Form1::kChooseCancelled);
        QCOMPARE(f.form.Grid2.pictureAt(1, 3), f.marker("\\xxt.bmp"));
        f.play("V");
        fixBanker(f.form, 3);
        QCOMPARE(int(f.form.resultFlags[2]), 0);
        QVERIFY(f.form.Grid1.pictureAt(2, 3).isEmpty());
        QCOMPARE(int(f.form.bankerFlags[1]), 2);       // banker 1 keeps its mark
        QCOMPARE(int(f.form.bankerFlags[2]), 0);       // banker 2, the former tip 3, has none
        f.choose(f.form.Grid2, 1, Form1::kChooseWon);  // a banker's "Nyert" only takes it back
        QCOMPARE(int(f.form.bankerFlags[1]), 0);
        QVERIFY(f.form.Grid2.pictureAt(1, 3).isEmpty());

        f.choose(f.form.Grid2, 2, Form1::kChooseCancelled);
        f.play("V");
        convertTips(f.form, kThree);
        QCOMPARE(int(f.form.resultFlags[2]) + int(f.form.bankerFlags[2]), 0);
        QVERIFY(f.form.Grid1.pictureAt(2, 3).isEmpty() && f.form.Grid2.pictureAt(2, 3).isEmpty());
    }

    // Without the marker file the flag still says cancelled, and no other marker stays.
    void missingCancelledMarker() {
        Fixture f(kThree);
        QFile::remove(f.marker("\\xxt.bmp"));
        f.play("WV");
        QCOMPARE(int(f.form.resultFlags[2]), 2);
        QVERIFY(f.form.Grid1.pictureAt(2, 3).isEmpty());
        f.play("N");
        QCOMPARE(int(f.form.resultFlags[2]), 0);
    }
};

KOMBINATOR_TEST(TestCancelled);
#include "tst_cancelled.moc"
