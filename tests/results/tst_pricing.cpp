// The odds command and the evaluation: pricing and settling a bet list against the grids.
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

QStringList summary(const char* total, const char* mean) {
    return {QString(), QStringLiteral("Össz.: ") + total, QStringLiteral("Ny/s.: ") + mean};
}

const QStringList kSix{"1.50", "2.00", "2.50", "1.20", "3.00", "1.10"};
const QStringList kKey{"01 02 03", "01 04 05", "02 04 06"};
const QStringList kThree{"1.50", "2.00", "2.50"};
const QStringList kAllPairs{"01 02", "01 03", "02 03", "01 02 03"};

struct Fixture {
    FakePlatform platform;
    Form1 form{platform};

    // Tips with the given odds and, when `bankerOdds` is not empty, one banker with those odds:
    // the banker is converted as the last tip and then fixed, so the tips keep their numbers.
    // `markBanker` marks the banker's odds as won before it is fixed.
    Fixture(QStringList odds, const QString& bankerOdds = {}, bool markBanker = false) {
        platform.installResources(kMarkerFiles);
        if (!bankerOdds.isEmpty()) odds.append(bankerOdds);
        convertTips(form, odds);
        if (bankerOdds.isEmpty()) return;
        const int last = static_cast<int>(odds.size());
        if (markBanker) form.Grid1.clickCell(last, 3);
        fixBanker(form, last);
    }
    void setOddsText(int row, const QString& text) {
        form.Grid1.setRow(row);
        form.Grid1.setCol(3);
        form.Grid1.setText(text);
    }
};

}  // namespace

class TestPricing : public QObject {
    Q_OBJECT

private slots:
    void oddsCommand_data() {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("banker");
        QTest::addColumn<int>("changedRow");  // 0: no odds cell changed after the conversion
        QTest::addColumn<QString>("changedText");
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<QStringList>("amounts");

        QTest::newRow("key list") << kSix << "" << 0 << "" << kKey
                                  << QStringList{"7.50", "5.40", "2.64"} + summary("15.54", "5.18");
        QTest::newRow("key list, banker 2.00")
            << kSix << "2.00" << 0 << "" << kKey
            << QStringList{"15.00", "10.80", "5.28"} + summary("31.08", "10.36");
        // The mean still divides by all three bet lines.
        QTest::newRow("tip 5 emptied")
            << kSix << "" << 5 << "" << kKey << QStringList{"7.50", "2.64"} + summary("10.14", "3.38");
        QTest::newRow("tip 2 not a number")
            << kSix << "" << 2 << "2,00" << kKey << QStringList{"5.40"} + summary("5.40", "1.80");
        QTest::newRow("odds changed in the grid")
            << kSix << "" << 1 << "2.5" << kKey
            << QStringList{"12.50", "9.00", "2.64"} + summary("24.14", "8.05");
        // Tip numbers that name no tip row never pay: 00, past the tip count, 51 to 99.
        QTest::newRow("numbers naming no tip")
            << kSix << "" << 0 << "" << QStringList{"01 02 03", "00 01", "01 07", "02 75", "06 99", "05 06"}
            << QStringList{"7.50", "3.30"} + summary("10.80", "1.80");
        QTest::newRow("empty line is no bet")
            << kSix << "2.00" << 0 << "" << QStringList{"01 02 03", "", "02 04 06"}
            << QStringList{"15.00", "5.28"} + summary("20.28", "6.76");
        QTest::newRow("singles after the first line")
            << kSix << "" << 0 << "" << QStringList{"01 02", "05", "06"}
            << QStringList{"3.00", "3.00", "1.10"} + summary("7.10", "2.37");
        // The first tip's odds, one stake carried on (two for ">>"): 1.50 - 1 + 2.00; 2.00 - 2 + 2 x 2.50.
        QTest::newRow("any-to-come lines")
            << kSix << "" << 0 << "" << QStringList{"01 > 02", "02 >> 03", "01 > 07"}
            << QStringList{"2.50", "5.00"} + summary("7.50", "2.50");
        QTest::newRow("tip 50") << QStringList(50, "1.02") << "" << 0 << "" << QStringList{"49 50", "01 50"}
                                << QStringList{"1.04", "1.04"} + summary("2.08", "1.04");
    }
    void oddsCommand() {
        QFETCH(QStringList, odds);
        QFETCH(QString, banker);
        QFETCH(int, changedRow);
        QFETCH(QString, changedText);
        QFETCH(QStringList, bets);
        QFETCH(QStringList, amounts);
        Fixture f(odds, banker);
        if (changedRow > 0) f.setOddsText(changedRow, changedText);
        f.form.List1.setLines(bets);
        f.form.Label1.setCaption(QStringLiteral("7"));
        f.form.Command19.click();
        QCOMPARE(f.form.List3.lines(), amounts);
        QCOMPARE(f.form.List1.lines(), bets);                    // the bet list stays
        QCOMPARE(f.form.Label1.caption(), QStringLiteral("7"));  // and so does its count
    }

    void evaluation_data() {
        QTest::addColumn<QString>("banker");
        QTest::addColumn<bool>("markBanker");
        QTest::addColumn<QList<int>>("marked");  // odds cells clicked; 0 is the "odds" header
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<QStringList>("returns");

        const QStringList allWon = QStringList{"3.00", "3.75", "5.00", "7.50"} + summary("19.25", "4.81");
        QTest::newRow("all won") << "" << false << QList<int>{1, 2, 3} << kAllPairs << allWon;
        QTest::newRow("all won by the header") << "" << false << QList<int>{0} << kAllPairs << allWon;
        QTest::newRow("tip 3 lost") << "" << false << QList<int>{1, 2} << kAllPairs
                                    << QStringList{"3.00", "0.00", "0.00", "0.00"} + summary("3.00", "0.75");
        QTest::newRow("tip 3 clicked twice")
            << "" << false << QList<int>{1, 2, 3, 3} << kAllPairs
            << QStringList{"3.00", "0.00", "0.00", "0.00"} + summary("3.00", "0.75");
        const QStringList withBanker =
            QStringList{"9.00", "11.25", "15.00", "22.50"} + summary("57.75", "14.44");
        QTest::newRow("banker 3.00") << "3.00" << false << QList<int>{1, 2, 3} << kAllPairs << withBanker;
        QTest::newRow("banker 3.00 marked")
            << "3.00" << true << QList<int>{1, 2, 3} << kAllPairs << withBanker;
        QTest::newRow("banker 3.00, tip 3 lost")
            << "3.00" << true << QList<int>{1, 2} << kAllPairs
            << QStringList{"9.00", "0.00", "0.00", "0.00"} + summary("9.00", "2.25");
        QTest::newRow("nothing marked")
            << "" << false << QList<int>{} << kAllPairs
            << QStringList{"0.00", "0.00", "0.00", "0.00"} + summary("0.00", "0.00");
        QTest::newRow("banker, nothing marked")
            << "3.00" << true << QList<int>{} << kAllPairs
            << QStringList{"0.00", "0.00", "0.00", "0.00"} + summary("0.00", "0.00");
        // Tip numbers that name no tip row never win: 00, past the tip count, 51 to 99.
        QTest::newRow("numbers naming no tip")
            << "" << false << QList<int>{0} << QStringList{"01 02", "00 01", "01 04", "02 75", "03 99"}
            << QStringList{"3.00", "0.00", "0.00", "0.00", "0.00"} + summary("3.00", "0.60");
        QTest::newRow("empty line is no bet")
            << "3.00" << false << QList<int>{0} << QStringList{"01 02", "", "01 02 03"}
            << QStringList{"9.00", "0.00", "22.50"} + summary("31.50", "10.50");
    }
    void evaluation() {
        QFETCH(QString, banker);
        QFETCH(bool, markBanker);
        QFETCH(QList<int>, marked);
        QFETCH(QStringList, bets);
        QFETCH(QStringList, returns);
        Fixture f(kThree, banker, markBanker);
        for (const int r : marked)
            f.form.Grid1.clickCell(r, 3);
        f.form.List1.setLines(bets);
        f.form.Label1.setCaption(QStringLiteral("4"));
        f.form.Command21.click();
        QCOMPARE(f.form.List3.lines(), returns);
        QCOMPARE(f.form.List1.lines(), bets);
        QCOMPARE(f.form.Label1.caption(), QStringLiteral("4"));
    }

    // An odds cell without a number costs the tip its win.
    void evaluationWithoutOdds() {
        Fixture f(kThree);
        f.form.Grid1.clickCell(0, 3);
        f.setOddsText(2, QString());
        f.form.List1.setLines(kAllPairs);
        f.form.Command21.click();
        QCOMPARE(f.form.List3.lines(),
                 QStringList({"0.00", "3.75", "0.00", "0.00"}) + summary("3.75", "0.94"));
    }

    // The odds command takes lists whose first bet has two tips; the evaluation settles any list
    // whose first bet names a tip, singles too.
    void refusedBetLists_data() {
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<bool>("settled");
        QTest::newRow("empty list") << QStringList{} << false;
        QTest::newRow("singles") << QStringList{"03", "01", "02"} << true;
        QTest::newRow("a single first") << QStringList{"03", "01 02"} << true;
        QTest::newRow("second field not a number") << QStringList{"01 x2", "01 02"} << true;
        QTest::newRow("first field blank") << QStringList{"   02", "01 02"} << false;
        QTest::newRow("empty first line") << QStringList{"", "01 02"} << false;
    }
    void refusedBetLists() {
        QFETCH(QStringList, bets);
        QFETCH(bool, settled);
        for (const bool evaluate : {false, true}) {
            Fixture f(kThree);
            f.form.Grid1.clickCell(0, 3);
            const QStringList before{"1.00", "2.00", "3.00", "4.00", "5.00", "6.00",
                                     "7.00", "8.00", "",     "x",    "y"};
            f.form.List1.setLines(bets);
            f.form.List3.setLines(before);
            f.form.List3.setTopIndex(2);
            (evaluate ? f.form.Command21 : f.form.Command19).click();
            if (evaluate && settled) {
                QCOMPARE(f.form.List3.count(), bets.size() + 3);  // a return per bet, the summary
                continue;
            }
            QCOMPARE(f.form.List3.lines(), before);
            QCOMPARE(f.form.List3.topIndex(), 2);
        }
    }

    void amountListShowsItsEnd_data() {
        QTest::addColumn<bool>("evaluate");
        QTest::addColumn<int>("bets");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("top");
        QTest::newRow("evaluation, 5 bets") << true << 5 << 8 << 1;
        QTest::newRow("evaluation, 4 bets") << true << 4 << 7 << 0;
        QTest::newRow("evaluation, 3 bets") << true << 3 << 6 << 0;
        QTest::newRow("odds, 5 bets") << false << 5 << 8 << 1;
        QTest::newRow("odds, 3 bets") << false << 3 << 6 << 0;
        QTest::newRow("odds, 10 bets") << false << 10 << 13 << 6;
    }
    void amountListShowsItsEnd() {
        QFETCH(bool, evaluate);
        QFETCH(int, bets);
        QFETCH(int, lines);
        QFETCH(int, top);
        Fixture f(kSix);
        f.form.Grid1.clickCell(0, 3);
        const QStringList pairs{"01 02", "01 03", "01 04", "01 05", "01 06",
                                "02 03", "02 04", "02 05", "02 06", "03 04"};
        f.form.List1.setLines(pairs.mid(0, bets));
        (evaluate ? f.form.Command21 : f.form.Command19).click();
        QCOMPARE(f.form.List3.count(), lines);
        QCOMPARE(f.form.List3.topIndex(), top);
    }
};

KOMBINATOR_TEST(TestPricing);
#include "tst_pricing.moc"
