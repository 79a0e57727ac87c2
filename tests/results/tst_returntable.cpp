// The return table: what every number of won tips pays, against sums worked out by hand and
// against plain enumeration of every outcome.
#include <QRandomGenerator>
#include <QTest>

#include <bit>

#include "app/form1.h"
#include "fakeplatform.h"
#include "results/returntable.h"
#include "testmain.h"

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
    form.List5.setLines(offer);
    form.Command2.click();
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
    void refusesMoreThanTwentyTips();
    void transformMatchesEnumeration();
    void formatsTable();
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

KOMBINATOR_TEST(TestReturnTable);
#include "tst_returntable.moc"
