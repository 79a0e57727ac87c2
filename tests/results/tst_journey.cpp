// A whole evening with the program: a coupon from the clipboard, the tips, a banker, "Lucky 31",
// the results and the settlement.
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

// Six events as the provider's page gives them: tabs between label and odds, a stray "B" (the
// provider's mark of a bet builder), blank and blank-only lines between the events.
const char* const kCoupon =
    "Ferencváros - Újpest\t\r\n"
    "\tFerencváros\r\n"
    "Szorzó:\t1,65\r\n"
    "B\r\n"
    "\r\n"
    "Debreceni VSC - Győri ETO\r\n"
    "Döntetlen\r\n"
    "Szorzó:\t3,40\r\n"
    "\r\n"
    "Paks - Puskás Akadémia\r\n"
    "Kétesély: Paks vagy Döntetlen\r\n"
    "Szorzó:\t1,28\r\n"
    "B\r\n"
    "MTK Budapest - Kecskemét\r\n"
    "Kecskemét\r\n"
    "Szorzó:\t2,75\r\n"
    "   \r\n"
    "Zalaegerszeg - Kisvárda\r\n"
    "Zalaegerszeg\r\n"
    "Szorzó:\t1,90\r\n"
    "Fehérvár - Diósgyőr\r\n"
    "Fehérvár\r\n"
    "Szorzó:\t2,10\r\n";

}  // namespace

class TestJourney : public QObject {
    Q_OBJECT

private slots:
    void couponToSettlement() {
        FakePlatform platform;
        platform.installResources(kMarkerFiles);
        Form1 form(platform);
        const auto picture = [&form](const char* file) { return form.loadPicture(QString::fromUtf8(file)); };

        // --- Intake: six blocks of three lines, nothing else.
        platform.clipboard = QString::fromUtf8(kCoupon);
        form.Command1.click();
        QVERIFY(platform.messages.empty());
        QCOMPARE(form.List5.count(), 18);
        QCOMPARE(form.Label1.caption(), QStringLiteral("18"));
        QCOMPARE(form.List5.line(0), QStringLiteral("Ferencváros - Újpest"));
        QCOMPARE(form.List5.line(1), QStringLiteral("Ferencváros"));
        QCOMPARE(form.List5.line(2), QStringLiteral("Szorzó: 1,65"));
        QCOMPARE(form.List5.line(3), QStringLiteral("Debreceni VSC - Győri ETO"));

        // --- Conversion: six tips, the blocks regrouped with an empty line between them.
        form.Command2.click();
        QVERIFY(platform.messages.empty());
        QCOMPARE(form.module1.tipCount, qint16(6));
        QCOMPARE(form.List5.count(), 23);
        const QStringList odds{"1.65", "3.40", "1.28", "2.75", "1.90", "2.10"};
        for (int r = 1; r <= 6; ++r)
            QCOMPARE(form.Grid1.textAt(r, 3), odds.at(r - 1));
        QCOMPARE(form.Grid1.textAt(3, 1), QStringLiteral("Paks"));
        QCOMPARE(form.Grid1.textAt(3, 2), QStringLiteral("Puskás Akadémia"));
        QCOMPARE(form.Grid1.pictureAt(3, 1), picture("\\Xxx.bmp"));  // Paks or draw
        QCOMPARE(form.Grid1.pictureAt(3, 2), picture("\\xx.bmp"));
        QCOMPARE(form.Grid1.pictureAt(4, 2), picture("\\xxk.bmp"));  // Kecskemét away
        QVERIFY(form.Command15.isEnabled());                         // Heinz 57 for six

        // --- Paks as the banker: its row header shows its block, then "Fix megadása".
        form.SSTab1.setCurrent(2);
        form.Grid1.clickCell(3, 0);
        QCOMPARE(form.List5.topIndex(), 8);
        QCOMPARE(form.List5.line(8), QStringLiteral("Paks - Puskás Akadémia"));
        QCOMPARE(form.SSTab1.current(), 0);
        form.Command22.click();
        QCOMPARE(form.module1.tipCount, qint16(5));
        QCOMPARE(form.module1.bankerCount, qint16(1));
        QCOMPARE(form.Grid2.textAt(1, 0), QStringLiteral("1"));
        QCOMPARE(form.Grid2.textAt(1, 1), QStringLiteral("Paks"));
        QCOMPARE(form.Grid2.textAt(1, 3), QStringLiteral("1.28"));
        QCOMPARE(form.Grid2.pictureAt(1, 1), picture("\\Xxx.bmp"));
        QCOMPARE(form.List5.count(), 19);
        QCOMPARE(form.List6.count(), 4);
        // Tips now: 1 Ferencváros 1.65, 2 Debrecen 3.40, 3 MTK 2.75, 4 Zalaegerszeg 1.90,
        // 5 Fehérvár 2.10.
        const QStringList tips{"1.65", "3.40", "2.75", "1.90", "2.10"};
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(form.Grid1.textAt(r, 3), tips.at(r - 1));
        QCOMPARE(form.Grid1.textAt(6, 3), QString());

        // --- Lucky 31 over the five tips: 10 doubles, 10 trebles, 5 fourfolds, the fivefold and
        // the 5 singles, every amount carrying the banker's 1.28.
        QVERIFY(form.Command14.isEnabled());
        form.Command14.click();
        QCOMPARE(form.List1.count(), 31);
        QCOMPARE(form.Label1.caption(), QStringLiteral("31"));
        QCOMPARE(form.List1.line(0), QStringLiteral("01 02"));
        QCOMPARE(form.List1.line(25), QStringLiteral("01 02 03 04 05"));
        QCOMPARE(form.List1.line(30), QStringLiteral("05"));
        QCOMPARE(form.List3.count(), 34);
        // 01 02: 1.65 x 3.40 = 5.61, x 1.28 = 7.1808.
        QCOMPARE(form.List3.line(0), QStringLiteral("7.18"));
        // The fivefold: 1.65 x 3.40 x 2.75 x 1.90 x 2.10 = 61.557725, x 1.28 = 78.7939 (in single
        // precision 78.7913).
        QCOMPARE(form.List3.line(25), QStringLiteral("78.79"));
        // Every subset of the five tips once: the products sum to
        // (1 + 1.65)(1 + 3.40)(1 + 2.75)(1 + 1.90)(1 + 2.10) - 1 = 393.08775 - 1 = 392.08775,
        // x 1.28 = 501.8723; over 31 bets 16.1894.
        QCOMPARE(form.List3.line(32), QStringLiteral("Össz.: 501.87"));
        QCOMPARE(form.List3.line(33), QStringLiteral("Ny/s.: 16.19"));
        const QStringList potential = form.List3.lines();

        // --- Results: Ferencváros, MTK and Fehérvár won (rows 1, 3, 5); Debrecen drew and
        // Zalaegerszeg lost, their odds stay unclicked.
        for (const int r : {1, 3, 5})
            form.Grid1.clickCell(r, 3);
        for (const int r : {1, 3, 5})
            QCOMPARE(form.Grid1.pictureAt(r, 3), picture("\\xxz.bmp"));
        QCOMPARE(form.resultFlags[2], qint16(0));
        QCOMPARE(form.resultFlags[4], qint16(0));

        // --- Settlement. Only bets made of tips 1, 3 and 5 pay, each times the banker's 1.28:
        //   01 03     1.65 x 2.75 = 4.5375,        x 1.28 =  5.808    ->  5.81
        //   01 05     1.65 x 2.10 = 3.465,         x 1.28 =  4.4352   ->  4.44
        //   03 05     2.75 x 2.10 = 5.775,         x 1.28 =  7.392    ->  7.39
        //   01 03 05  4.5375 x 2.10 = 9.52875,     x 1.28 = 12.1968   -> 12.20
        //   01        1.65 x 1.28 = 2.112 -> 2.11;  03  2.75 x 1.28 = 3.52;  05  2.10 x 1.28 = 2.688 -> 2.69
        // Total 5.808 + 4.4352 + 7.392 + 12.1968 + 2.112 + 3.52 + 2.688 = 38.152 -> 38.15;
        // mean 38.152 / 31 = 1.2307 -> 1.23. In single precision the returns are 5.808, 4.4351993,
        // 7.3919992, 12.196799, 2.112, 3.52, 2.6879997 and the total 38.151997: the same texts.
        QStringList returns(31, QStringLiteral("0.00"));
        returns[1] = "5.81";    // 01 03
        returns[3] = "4.44";    // 01 05
        returns[8] = "7.39";    // 03 05
        returns[14] = "12.20";  // 01 03 05
        returns[26] = "2.11";   // 01
        returns[28] = "3.52";   // 03
        returns[30] = "2.69";   // 05
        returns += QStringList{QString(), QStringLiteral("Össz.: 38.15"), QStringLiteral("Ny/s.: 1.23")};
        form.Command21.click();
        QCOMPARE(form.List3.lines(), returns);
        QCOMPARE(form.List3.topIndex(), 34 - 7);
        QCOMPARE(form.List1.count(), 31);  // the bets stay as they were
        QCOMPARE(form.Label1.caption(), QStringLiteral("31"));

        // A click on the fivefold's return shows the bet beside it.
        form.List3.clickLine(25);
        QCOMPARE(form.SSTab1.current(), 1);
        QCOMPARE(form.List1.listIndex(), 25);
        QCOMPARE(form.module1.selectionGuard, qint16(0));

        // "Odds" prices the list again with the grid's odds: the calculation's amounts come back.
        form.Command19.click();
        QCOMPARE(form.List3.lines(), potential);
    }
};

KOMBINATOR_TEST(TestJourney);
#include "tst_journey.moc"
