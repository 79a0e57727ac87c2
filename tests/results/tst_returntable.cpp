// The return table: what every number of won tips pays, against sums worked out by hand and
// against plain enumeration of every outcome.
#include <QRandomGenerator>
#include <QTest>

#include <bit>

#include "app/form1.h"
#include "fakeplatform.h"
#include "keys/substitution.h"
#include "results/returntable.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

namespace {

// Converts tips with the given odds texts ("1,50") into the tip grid.
void convertTips(Form1& form, const QStringList& odds) {
    QStringList offer;
    for (int i = 0; i < odds.size(); ++i) {
        const QString home = QStringLiteral("Hazai%1").arg(i + 1);
        offer << home + QStringLiteral(" - Vendég%1").arg(i + 1) << home << odds[i];
    }
    test::convertOffer(form, offer);
}

void fixBanker(Form1& form, int row) {
    form.Grid1.clickCell(row, 0);
    form.Command22.click();
}

}  // namespace

class TestReturnTable : public QObject {
    Q_OBJECT
private slots:
    void trixieByHand();
    void fourDoublesByHand();
    void luckyFifteenWithBanker();
    void betsThatCannotWin();
    void keyGuaranteeShows();
    void agreesWithTheOddsCommand_data();
    void agreesWithTheOddsCommand();
    void leavesTheWindowAsItIs();
    void refusesMoreThanTwentyTips();
    void requestBeyondTwentyTipsIsToldSo();
    void transformMatchesEnumeration();
    void formatsTable();
    void cancelledTipAndStake_data();
    void cancelledTipAndStake();
    void cancelledTipsLeaveRoomForTwenty();
    void stakeTexts_data();
    void stakeTexts();
    void paidToTheCent_data();
    void paidToTheCent();
};

void TestReturnTable::trixieByHand() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, {"1,50", "2,00", "2,50"});
    form.List1.setLines({"01 02", "01 03", "02 03", "01 02 03"});
    const results::ReturnTable table = results::returnTable(form).value();
    QCOMPARE(table.stake, 4);
    QCOMPARE(table.rows.size(), size_t{4});
    // No or one won tip: no bet wins, the whole stake of 4 is lost.
    for (int w = 0; w <= 1; ++w) {
        QCOMPARE(table.rows[w].maxReturn, 0.0);
        QCOMPARE(table.rows[w].maxWinning, 0);
        QCOMPARE(table.rows[w].minProfit, -4.0);
    }
    // Two won tips: one double wins, 1.5 x 2 = 3.00 at worst, 2 x 2.5 = 5.00 at best.
    QCOMPARE(table.rows[2].minReturn, 3.00);
    QCOMPARE(table.rows[2].maxReturn, 5.00);
    QCOMPARE(table.rows[2].minWinning, 1);
    QCOMPARE(table.rows[2].maxWinning, 1);
    QCOMPARE(table.rows[2].minProfit, -1.00);
    QCOMPARE(table.rows[2].maxProfit, 1.00);
    // All three: 3.00 + 3.75 + 5.00 + 7.50 = 19.25 from four winning bets.
    QCOMPARE(table.rows[3].minReturn, 19.25);
    QCOMPARE(table.rows[3].maxReturn, 19.25);
    QCOMPARE(table.rows[3].minWinning, 4);
    QCOMPARE(table.rows[3].maxProfit, 15.25);
    QCOMPARE(table.somePaysBack, std::optional<int>(2));
    QCOMPARE(table.everyPaysBack, std::optional<int>(3));
}

void TestReturnTable::fourDoublesByHand() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, {"1,50", "2,00", "1,80", "2,50"});
    form.List1.setLines({"01 02", "01 03", "01 04", "02 03", "02 04", "03 04"});
    const results::ReturnTable table = results::returnTable(form).value();
    QCOMPARE(table.stake, 6);
    // Two won: the cheapest double 1.5 x 1.8 = 2.70, the dearest 2 x 2.5 = 5.00.
    QCOMPARE(table.rows[2].minReturn, 2.70);
    QCOMPARE(table.rows[2].maxReturn, 5.00);
    // Three won: three doubles. Without tip 4: 3.00 + 2.70 + 3.60 = 9.30; without tip 1:
    // 3.60 + 5.00 + 4.50 = 13.10.
    QCOMPARE(table.rows[3].minReturn, 9.30);
    QCOMPARE(table.rows[3].maxReturn, 13.10);
    QCOMPARE(table.rows[3].minWinning, 3);
    QCOMPARE(table.rows[4].minReturn, 22.55);
    QCOMPARE(table.rows[4].maxWinning, 6);
    QCOMPARE(table.somePaysBack, std::optional<int>(3));
    QCOMPARE(table.everyPaysBack, std::optional<int>(3));
}

void TestReturnTable::luckyFifteenWithBanker() {
    FakePlatform platform;
    platform.installResources({"xxk.bmp"});
    Form1 form(platform);
    form.Form_Load();
    // Five tips; tip 5 (odds 2.00) becomes the banker, four remain: 1.50, 2.00, 1.80, 2.50.
    convertTips(form, {"1,50", "2,00", "1,80", "2,50", "2,00"});
    fixBanker(form, 5);
    QCOMPARE(form.module1.tipCount, qint16(4));
    form.List1.setLines({"01 02", "01 03", "01 04", "02 03", "02 04", "03 04", "01 02 03", "01 02 04",
                         "01 03 04", "02 03 04", "01 02 03 04", "01", "02", "03", "04"});
    const results::ReturnTable table = results::returnTable(form).value();
    QCOMPARE(table.stake, 15);
    // One won tip: a single times the banker, 1.5 x 2 = 3.00 to 2.5 x 2 = 5.00.
    QCOMPARE(table.rows[1].minReturn, 3.00);
    QCOMPARE(table.rows[1].maxReturn, 5.00);
    // All four: singles 7.80, doubles 22.55, trebles 5.40 + 7.50 + 6.75 + 9.00 = 28.65, the
    // fourfold 13.50: 72.50 before the banker, 145.00 with it, from 15 winning bets.
    QCOMPARE(table.rows[4].minReturn, 145.00);
    QCOMPARE(table.rows[4].maxWinning, 15);
    // Two won: single + single + double, times 2: tips 1 and 3 give (1.5 + 1.8 + 2.7) x 2 = 12.00,
    // tips 2 and 4 give (2 + 2.5 + 5) x 2 = 19.00; both pay back the 15 at best, not at worst.
    QCOMPARE(table.rows[2].minReturn, 12.00);
    QCOMPARE(table.rows[2].maxReturn, 19.00);
    QCOMPARE(table.somePaysBack, std::optional<int>(2));
    QCOMPARE(table.everyPaysBack, std::optional<int>(3));
}

void TestReturnTable::betsThatCannotWin() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, {"1,50", "2,00", "x"});
    // Tip 3 has no odds, 99 and 00 name no tip: those bets cost a unit and never pay; the empty
    // line is no bet at all.
    form.List1.setLines({"01 02", "01 03", "01 99", "00 02", ""});
    const results::ReturnTable table = results::returnTable(form).value();
    QCOMPARE(table.stake, 4);
    QCOMPARE(table.rows[3].maxReturn, 3.00);
    QCOMPARE(table.rows[3].maxWinning, 1);
    QCOMPARE(table.somePaysBack, std::nullopt);
    QCOMPARE(table.everyPaysBack, std::nullopt);
}

void TestReturnTable::keyGuaranteeShows() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    QStringList odds;
    for (int i = 0; i < 10; ++i)
        odds << "2,00";
    convertTips(form, odds);
    // The library's key 03_10_06, chosen as the key dialog hands it over: ten trebles of ten
    // tips, a winning bet sure from six hits on.
    platform.installResources({"tkulcs/03_10_06.txt"});
    ListBox library;
    const QString description = QStringLiteral(
        "03_10_06.txt  3-as kötések, 10 esemény: ha legalább 6 tipp bejön, legalább egy kötés nyer; "
        "10 fogadás");
    library.addItem(description);
    library.setListIndex(0);
    QVERIFY(keys::substituteKey(form, library, description));
    QCOMPARE(form.List1.count(), 10);
    QCOMPARE(form.List1.line(0), QStringLiteral("01 04 07"));
    const results::ReturnTable table = results::returnTable(form).value();
    QCOMPARE(table.stake, 10);
    // The fewest and most winning trebles for 0 to 10 won tips, counted over every outcome.
    const std::vector<int> fewest{0, 0, 0, 0, 0, 0, 1, 2, 4, 7, 10};
    const std::vector<int> most{0, 0, 0, 1, 4, 4, 6, 6, 6, 7, 10};
    for (int w = 0; w <= 10; ++w) {
        QCOMPARE(table.rows[w].minWinning, fewest[w]);
        QCOMPARE(table.rows[w].maxWinning, most[w]);
        // Each treble pays 2 x 2 x 2 = 8.00.
        QCOMPARE(table.rows[w].minReturn, 8.0 * fewest[w]);
        QCOMPARE(table.rows[w].maxReturn, 8.0 * most[w]);
    }
    // Four won tips can hold four trebles (32.00); the stake of 10 is sure from two trebles, seven tips.
    QCOMPARE(table.somePaysBack, std::optional<int>(4));
    QCOMPARE(table.everyPaysBack, std::optional<int>(7));
}

void TestReturnTable::agreesWithTheOddsCommand_data() {
    QTest::addColumn<QStringList>("odds");
    QTest::addColumn<int>("banker");  // the tip row fixed as banker, 0 for none
    QTest::addColumn<QStringList>("bets");
    QTest::addColumn<QStringList>("amounts");  // what the odds command shows for the bets
    const QStringList keyOdds{"1,50", "2,00", "2,50", "1,20", "3,00", "1,10"};
    const QStringList keyBets{"01 02 03", "01 04 05", "02 04 06"};
    QTest::newRow("key list") << keyOdds << 0 << keyBets << QStringList{"7.50", "5.40", "2.64"};
    QTest::newRow("banker 2.00") << (QStringList(keyOdds) << "2,00") << 7 << keyBets
                                 << QStringList{"15.00", "10.80", "5.28"};
    QTest::newRow("tip 5 without odds") << QStringList{"1,50", "2,00", "2,50", "1,20", "x", "1,10"} << 0
                                        << keyBets << QStringList{"7.50", "2.64"};
    QTest::newRow("numbers naming no tip")
        << keyOdds << 0 << QStringList{"01 02 03", "00 02", "01 07", "1  02", "02 04 06"}
        << QStringList{"7.50", "3.00", "2.64"};
    // An any-to-come bet pays its first single's rest and the carried return apart: 0.50 + 2.00.
    QTest::newRow("any-to-come lines")
        << keyOdds << 0 << QStringList{"01 > 02", "02 >> 03", "01 02"} << QStringList{"2.50", "5.00", "3.00"};
    // Rounded once per bet: 1.15 x 1.15 x 1.15 = 1.520875 shows as 1.52, three times 4.56.
    QTest::newRow("amounts rounded per bet")
        << QStringList{"1,15", "1,15", "1,15", "1,15"} << 0 << QStringList{"01 02 03", "01 02 04", "01 03 04"}
        << QStringList{"1.52", "1.52", "1.52"};
}

void TestReturnTable::agreesWithTheOddsCommand() {
    QFETCH(QStringList, odds);
    QFETCH(int, banker);
    QFETCH(QStringList, bets);
    QFETCH(QStringList, amounts);
    FakePlatform platform;
    platform.installResources({"xxk.bmp"});
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, odds);
    if (banker > 0) fixBanker(form, banker);
    form.List1.setLines(bets);
    form.Command19.click();
    QCOMPARE(form.List3.lines().mid(0, amounts.size()), amounts);

    // With every tip won, every bet that gets an amount wins it, and no other bet wins.
    const results::ReturnTable table = results::returnTable(form).value();
    double sum = 0;
    for (const QString& amount : amounts)
        sum += amount.toDouble();
    const results::ReturnRow& all = table.rows.back();
    QCOMPARE(all.won, int(form.module1.tipCount));
    QCOMPARE(all.minReturn, std::round(sum * 100) / 100);
    QCOMPARE(all.maxWinning, int(amounts.size()));
    QCOMPARE(table.stake, int(bets.size()));
}

void TestReturnTable::leavesTheWindowAsItIs() {
    FakePlatform platform;
    platform.installResources({"xxk.bmp"});
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, {"1,50", "2,00", "2,50", "3,00"});
    fixBanker(form, 4);
    form.List1.setLines({"01 02", "01 03"});
    form.List3.setLines({"3.00", "3.75"});
    form.Grid1.setRow(2);
    form.Grid1.setCol(1);
    form.Grid2.setRow(1);
    form.Grid2.setCol(0);
    QVERIFY(results::requestReturnTable(form).has_value());
    QCOMPARE(form.Grid2.row(), 1);
    QCOMPARE(form.Grid2.col(), 0);
    QCOMPARE(form.Grid1.row(), 2);
    QCOMPARE(form.Grid1.col(), 1);
    QCOMPARE(form.List1.lines(), (QStringList{"01 02", "01 03"}));
    QCOMPARE(form.List3.lines(), (QStringList{"3.00", "3.75"}));
    QVERIFY(platform.messages.empty());
}

void TestReturnTable::refusesMoreThanTwentyTips() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    QStringList odds;
    for (int i = 0; i < 20; ++i)
        odds << "1,10";
    convertTips(form, odds);
    QVERIFY(results::returnTable(form).has_value());
    convertTips(form, odds << "1,10");
    QCOMPARE(form.module1.tipCount, qint16(21));
    QVERIFY(!results::returnTable(form).has_value());
}

void TestReturnTable::requestBeyondTwentyTipsIsToldSo() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, QStringList(21, QStringLiteral("1,10")));
    form.List1.setLines({"01 02"});
    QVERIFY(!results::requestReturnTable(form).has_value());
    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(platform.messages[0].text, QStringLiteral("A nyereménytábla legfeljebb 20 tippre számítható."));
    QCOMPARE(platform.messages[0].caption, QStringLiteral("Kombinátor"));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(platform.messages[0].buttons, MsgButtons::Ok);

    // Twenty tips are taken without a word.
    convertTips(form, QStringList(20, QStringLiteral("1,10")));
    QVERIFY(results::requestReturnTable(form).has_value());
    QCOMPARE(platform.messages.size(), size_t{1});
}

void TestReturnTable::transformMatchesEnumeration() {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 40; ++round) {
        const int tips = 1 + static_cast<int>(random.bounded(12));
        std::vector<results::MaskedBet> bets(1 + random.bounded(40));
        for (results::MaskedBet& bet : bets) {
            bet.mask = static_cast<std::uint32_t>(random.bounded(1u << tips));
            bet.amount =
                random.bounded(5) == 0 ? 0.0 : static_cast<double>(random.bounded(1, 100000)) / 100.0;
        }
        const results::ReturnTable table = results::computeReturnTable(tips, bets);
        for (int won = 0; won <= tips; ++won) {
            double lo = 1e300, hi = -1e300;
            int fewest = 1 << 30, most = -1;
            for (std::uint32_t w = 0; w < (1u << tips); ++w) {
                if (std::popcount(w) != won) continue;
                double sum = 0;
                int count = 0;
                for (const results::MaskedBet& bet : bets) {
                    if (bet.amount > 0 && (bet.mask & ~w) == 0) {
                        sum += std::round(bet.amount * 100);
                        ++count;
                    }
                }
                lo = std::min(lo, sum / 100);
                hi = std::max(hi, sum / 100);
                fewest = std::min(fewest, count);
                most = std::max(most, count);
            }
            const results::ReturnRow& row = table.rows[static_cast<size_t>(won)];
            QCOMPARE(row.minReturn, lo);
            QCOMPARE(row.maxReturn, hi);
            QCOMPARE(row.minWinning, fewest);
            QCOMPARE(row.maxWinning, most);
        }
    }
}

void TestReturnTable::formatsTable() {
    const results::ReturnTable table = results::computeReturnTable(2, {{0b11, 3.0}, {0b01, 1.5}});
    const QStringList lines = results::formatReturnTable(table);
    QCOMPARE(lines.size(), 6);
    QVERIFY(lines[0].startsWith("Nyertes tippek\tMin. visszatérés"));
    QCOMPARE(lines[1], QStringLiteral("0\t0.00\t0.00\t0\t0\t-2.00\t-2.00"));
    QCOMPARE(lines[2], QStringLiteral("1\t0.00\t1.50\t0\t1\t-2.00\t-0.50"));
    QCOMPARE(lines[3], QStringLiteral("2\t4.50\t4.50\t2\t2\t2.50\t2.50"));
    QCOMPARE(lines[4], QStringLiteral("Van megtérülő kimenet:\t2 nyertes tipptől"));
    QCOMPARE(lines[5], QStringLiteral("Minden kimenet megtérül:\t2 nyertes tipptől"));
}

// A Trixie on 1.50 / 2.00 / 2.50 with tip 2 settled (cancelled unless the row says otherwise): the
// table runs over tips 1 and 3 only, tip 2 counting its factor in every bet; the won mark of
// tip 1 fixes nothing.
void TestReturnTable::cancelledTipAndStake_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("choice");  // tip 2's result, from its odds cell's menu
    QTest::addColumn<int>("tied");
    const QString paysBack = QStringLiteral("Van megtérülő kimenet:\t2 nyertes tipptől");
    const QString allPayBack = QStringLiteral("Minden kimenet megtérül:\t2 nyertes tipptől");
    // One won: 1.50 (1-2) or 2.50 (2-3); both: 1.50 + 3.75 + 2.50 + 3.75.
    QTest::newRow("unit stake") << qint64{100}
                                << QStringList{"0\t0.00\t0.00\t0\t0\t-4.00\t-4.00",
                                               "1\t1.50\t2.50\t1\t1\t-2.50\t-1.50",
                                               "2\t11.50\t11.50\t4\t4\t7.50\t7.50", paysBack, allPayBack}
                                << int(Form1::kChooseCancelled) << 0;
    QTest::newRow("stake 100") << qint64{10000}
                               << QStringList{"0\t0.00\t0.00\t0\t0\t-400.00\t-400.00",
                                              "1\t150.00\t250.00\t1\t1\t-250.00\t-150.00",
                                              "2\t1150.00\t1150.00\t4\t4\t750.00\t750.00",
                                              paysBack,
                                              allPayBack,
                                              "Tét / kötés:\t100.00",
                                              "Össztét:\t400.00"}
                               << int(Form1::kChooseCancelled) << 0;
    // Each bet is paid to the hundredth: 3.75 x 2.50 = 9.375 pays 9.38, twice.
    QTest::newRow("stake 2.50") << qint64{250}
                                << QStringList{"0\t0.00\t0.00\t0\t0\t-10.00\t-10.00",
                                               "1\t3.75\t6.25\t1\t1\t-6.25\t-3.75",
                                               "2\t28.76\t28.76\t4\t4\t18.76\t18.76",
                                               paysBack,
                                               allPayBack,
                                               "Tét / kötés:\t2.50",
                                               "Össztét:\t10.00"}
                                << int(Form1::kChooseCancelled) << 0;
    // Tip 2 half won counts 1.50: tip 1 alone 2.25, tip 3 alone 3.75; both 2.25 + 3.75 + 3.75 +
    // 5.625, paid 5.63.
    QTest::newRow("tip 2 half won") << qint64{100}
                                    << QStringList{"0\t0.00\t0.00\t0\t0\t-4.00\t-4.00",
                                                   "1\t2.25\t3.75\t1\t1\t-1.75\t-0.25",
                                                   "2\t15.38\t15.38\t4\t4\t11.38\t11.38", paysBack,
                                                   allPayBack}
                                    << int(Form1::kChooseHalfWon) << 0;
    // Tip 2 in a dead heat of four counts 0.50: 0.75 or 1.25 alone; 0.75 + 3.75 + 1.25 + 1.875.
    QTest::newRow("tip 2 in a dead heat of four")
        << qint64{100}
        << QStringList{"0\t0.00\t0.00\t0\t0\t-4.00\t-4.00", "1\t0.75\t1.25\t1\t1\t-3.25\t-2.75",
                       "2\t7.63\t7.63\t4\t4\t3.63\t3.63", paysBack, allPayBack}
        << int(Form1::kChooseDeadHeat) << 4;
}

void TestReturnTable::cancelledTipAndStake() {
    QFETCH(qint64, stake);
    QFETCH(QStringList, lines);
    QFETCH(int, choice);
    QFETCH(int, tied);
    FakePlatform platform;
    platform.numberAnswers = {tied};
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, {"1,50", "2,00", "2,50"});
    form.List1.setLines({"01 02", "01 03", "02 03", "01 02 03"});
    form.Grid1.chooseMenuEntry(2, 3, choice);
    form.Grid1.clickCell(1, 3);
    const results::ReturnTable table = results::returnTable(form, stake).value();
    QCOMPARE(table.tips, 2);
    QCOMPARE(table.stake, 4);
    QCOMPARE(results::formatReturnTable(table).mid(1), lines);
}

// The limit counts the tips still open: of 21 tips with one cancelled, 20 are left.
void TestReturnTable::cancelledTipsLeaveRoomForTwenty() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    convertTips(form, QStringList(21, QStringLiteral("1,10")));
    form.List1.setLines({"01 21"});
    QVERIFY(!results::returnTable(form).has_value());
    form.Grid1.chooseMenuEntry(1, 3, Form1::kChooseCancelled);
    const std::optional<results::ReturnTable> table = results::returnTable(form);
    QVERIFY(table.has_value());
    QCOMPARE(table->tips, 20);
    QCOMPARE(table->rows.back().maxReturn, 1.10);  // tip 21 alone decides the bet
    QCOMPARE(table->somePaysBack, std::optional<int>(1));
    QCOMPARE(table->everyPaysBack, std::optional<int>(20));
}

void TestReturnTable::stakeTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("hundredths");  // -1: refused
    QTest::addColumn<bool>("typable");       // the stake field lets it be typed
    QTest::newRow("whole") << "100" << qint64{10000} << true;
    QTest::newRow("point") << "2.5" << qint64{250} << true;
    QTest::newRow("comma") << "2,50" << qint64{250} << true;
    QTest::newRow("smallest") << "0.01" << qint64{1} << true;
    QTest::newRow("largest") << "99999999.99" << qint64{9999999999} << true;
    QTest::newRow("blanks around") << " 7 " << qint64{700} << true;
    QTest::newRow("nine digits") << "100000000" << qint64{-1} << false;
    QTest::newRow("three decimals") << "1.005" << qint64{-1} << false;
    QTest::newRow("zero") << "0,00" << qint64{-1} << true;
    QTest::newRow("separator last") << "12," << qint64{1200} << true;
    QTest::newRow("separator alone") << "," << qint64{-1} << true;
    QTest::newRow("empty") << "" << qint64{-1} << true;
    QTest::newRow("letters") << "100 Ft" << qint64{-1} << false;
    QTest::newRow("two separators") << "1.2.3" << qint64{-1} << false;
}

void TestReturnTable::stakeTexts() {
    QFETCH(QString, text);
    QFETCH(qint64, hundredths);
    QFETCH(bool, typable);
    const std::optional<qint64> stake = results::parseStake(text);
    QCOMPARE(stake.value_or(-1), hundredths);
    if (stake) QCOMPARE(results::parseStake(results::formatStake(*stake)), stake);
    QCOMPARE(results::stakeTypable(text), typable);
}

// One double 180.57 x 200.54 (36211.5078125 in single precision): the product times the stake,
// exactly, to the hundredth.
void TestReturnTable::paidToTheCent_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<QString>("paid");
    QTest::newRow("unit stake") << qint64{100} << "36211.51";
    QTest::newRow("smallest stake") << qint64{1} << "362.12";
    QTest::newRow("largest stake") << qint64{9999999999} << "3621150780887.88";
}

void TestReturnTable::paidToTheCent() {
    QFETCH(qint64, stake);
    QFETCH(QString, paid);
    const auto amount = static_cast<double>(180.57f * 200.54f);
    const results::ReturnTable table = results::computeReturnTable(1, {{0b1, amount}}, stake);
    QCOMPARE(results::formatReturnTable(table).at(2).section(u'\t', 2, 2), paid);
    QCOMPARE(results::totalStakeText(table),
             QStringLiteral("Össztét: %1 (1 fogadás × %1)").arg(results::formatStake(stake)));
}

KOMBINATOR_TEST(TestReturnTable);
#include "tst_returntable.moc"
