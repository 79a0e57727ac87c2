// Odds no real event has and tip numbers no calculator writes: the products leave the
// single-precision range, the bet lines name tips that do not exist. No amount ever shows as
// "inf" or "nan", and a bet that names no tip never pays.
#include <QRegularExpression>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "results/returntable.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

// Twelve odds of 999.99 in single precision; a thirteenth would leave the range, so that
// multiplication is skipped.
const QString kTwelveFold = QStringLiteral("999879931024107134893961381123457024.00");

const QStringList kThirteenTips(13, QStringLiteral("999.99"));

QStringList betLinesOfTips(int tips, int lines) {
    QStringList rows;
    for (int r = 1; r <= tips; ++r)
        rows.append(QStringLiteral("%1").arg(r, 2, 10, QChar(u'0')));
    return QStringList(lines, rows.join(u' '));
}

// Every line an amount, the empty separator or a summary line; nothing a broken number prints.
void verifyAmountList(const Form1& form) {
    static const QRegularExpression amount(QStringLiteral("^((Össz\\.|Ny/s\\.): )?-?\\d+\\.\\d\\d$"));
    for (const QString& line : form.List3.lines()) {
        if (line.isEmpty()) continue;
        QVERIFY2(amount.match(line).hasMatch(), qPrintable(line));
    }
}

}  // namespace

class HostileResultsTest : public QObject {
    Q_OBJECT
private slots:
    void thirteenTipsBeyondTheRange_data();
    void thirteenTipsBeyondTheRange();
    void totalBeyondTheRange();
    void returnTableBeyondTheRange();
    void tipNumbersNamingNoTip_data();
    void tipNumbersNamingNoTip();
};

void HostileResultsTest::thirteenTipsBeyondTheRange_data() {
    QTest::addColumn<int>("button");  // index of Command8: k - 2
    QTest::addColumn<QStringList>("amounts");
    // The exact-count case: one bet, its amount and nothing else.
    QTest::newRow("13") << 11 << QStringList{kTwelveFold};
    // Thirteen twelvefolds, each within the range.
    QStringList twelves(13, kTwelveFold);
    twelves << ""
            << "Össz.: 12998437281065654925541733303094083584.00"
            << "Ny/s.: 999879772567782106365286194035556352.00";
    QTest::newRow("12") << 10 << twelves;
}

void HostileResultsTest::thirteenTipsBeyondTheRange() {
    QFETCH(int, button);
    QFETCH(QStringList, amounts);
    FakePlatform platform;
    platform.installResources(kMarkerFiles);
    Form1 form(platform);
    convertTips(form, kThirteenTips);
    QVERIFY(form.Command8[static_cast<size_t>(button)].isEnabled());
    form.Command8[static_cast<size_t>(button)].click();
    QCOMPARE(form.List3.lines(), amounts);

    // The odds command and the evaluation (every tip won) price the list the same way.
    const qsizetype bets = form.List1.count();
    form.Command19.click();
    verifyAmountList(form);
    QCOMPARE(form.List3.count(), bets + 3);
    QCOMPARE(form.List3.line(0), kTwelveFold);
    form.Grid1.clickCell(0, 3);
    form.Command21.click();
    verifyAmountList(form);
    QCOMPARE(form.List3.count(), bets + 3);
    QCOMPARE(form.List3.line(0), kTwelveFold);
    if (bets == 13) QCOMPARE(form.List3.lines(), amounts);
}

void HostileResultsTest::totalBeyondTheRange() {
    FakePlatform platform;
    platform.installResources(kMarkerFiles);
    Form1 form(platform);
    convertTips(form, kThirteenTips);
    form.Grid1.clickCell(0, 3);
    // 400 twelvefolds: after 340 of them the total is as large as single precision goes, and the
    // additions that would leave the range are skipped.
    form.List1.setLines(betLinesOfTips(12, 400));
    const QStringList expected{"", "Össz.: 339959836043421194600292998241817985024.00",
                               "Ny/s.: 849899593277679487071305999346302976.00"};
    form.Command19.click();
    verifyAmountList(form);
    QCOMPARE(form.List3.count(), 403);
    QCOMPARE(form.List3.lines().mid(400), expected);
    form.Command21.click();
    verifyAmountList(form);
    QCOMPARE(form.List3.lines().mid(400), expected);
}

void HostileResultsTest::returnTableBeyondTheRange() {
    FakePlatform platform;
    platform.installResources(kMarkerFiles);
    Form1 form(platform);
    convertTips(form, kThirteenTips);
    form.Command8[11].click();
    const std::optional<results::ReturnTable> table = results::returnTable(form);
    QVERIFY(table.has_value());
    QCOMPARE(table->stake, 1);
    QVERIFY(table->everyPaysBack == 13);
    const QStringList lines = results::formatReturnTable(*table);
    QCOMPARE(lines.size(), 1 + 14 + 2);
    for (const QString& line : lines) {
        QVERIFY2(!line.contains(QStringLiteral("inf")) && !line.contains(QStringLiteral("nan")),
                 qPrintable(line));
    }
    // All thirteen won: the one bet returns its twelvefold product (to the precision of a double).
    const QStringList won13 = lines.at(14).split(u'\t');
    QCOMPARE(won13.at(0), QStringLiteral("13"));
    QCOMPARE(won13.at(2).toDouble() / kTwelveFold.toDouble(), 1.0);
}

void HostileResultsTest::tipNumbersNamingNoTip_data() {
    QTest::addColumn<QStringList>("bets");
    QTest::addColumn<QStringList>("priced");
    QTest::addColumn<QStringList>("settled");
    QTest::addColumn<double>("allWon");  // what the whole list returns with every tip won
    const QStringList summary{"", "Össz.: 3.00", "Ny/s.: 0.75"};
    QTest::newRow("00 and 99") << QStringList{"00 01", "01 99", "99 00", "01 02"}
                               << QStringList{"3.00"} + summary
                               << QStringList{"0.00", "0.00", "0.00", "3.00"} + summary << 3.0;
    // A three-digit number shifts the fields after it: "01 100 02" reads 01, 10, 0.
    QTest::newRow("three digits") << QStringList{"01 02", "01 100 02", "-1 02", "02 01"}
                                  << QStringList{"3.00", "3.00"} +
                                         QStringList{"", "Össz.: 6.00", "Ny/s.: 1.50"}
                                  << QStringList{"3.00", "0.00", "0.00", "3.00"} +
                                         QStringList{"", "Össz.: 6.00", "Ny/s.: 1.50"}
                                  << 6.0;
}

void HostileResultsTest::tipNumbersNamingNoTip() {
    QFETCH(QStringList, bets);
    QFETCH(QStringList, priced);
    QFETCH(QStringList, settled);
    QFETCH(double, allWon);
    FakePlatform platform;
    platform.installResources(kMarkerFiles);
    Form1 form(platform);
    convertTips(form, {"1.50", "2.00"});
    form.Grid1.clickCell(0, 3);
    form.List1.setLines(bets);
    form.Command19.click();
    QCOMPARE(form.List3.lines(), priced);
    form.Command21.click();
    QCOMPARE(form.List3.lines(), settled);

    // The return table takes the same bets: only the ones naming real tips ever win.
    const std::optional<results::ReturnTable> table = results::returnTable(form);
    QVERIFY(table.has_value());
    QCOMPARE(table->rows.back().maxReturn, allWon);
}

KOMBINATOR_TEST(HostileResultsTest);
#include "tst_hostile.moc"
