// The calculators driven through their buttons on tips made by the real conversion: bet lines,
// amounts, summary lines and the bet count, for the k-fold systems, the full-cover multiples
// and the singles.
#include <QTest>

#include "app/form1.h"
#include "calc/fullcover.h"
#include "calc/namedbets.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "tips.h"

using namespace kombinator;

namespace {

// Offer lines of one tip per odds line ("A1 - B1", "A1", "1,50", ...), converted by Command2.
void convertTips(Form1& form, const QStringList& oddsLines) {
    QStringList lines;
    for (qsizetype i = 0; i < oddsLines.size(); ++i) {
        const QString home = QStringLiteral("A%1").arg(i + 1);
        lines << home + QStringLiteral(" - B%1").arg(i + 1) << home << oddsLines.at(i);
    }
    test::convertOffer(form, lines);
}

QStringList oddsLines(int tips) {
    QStringList odds;
    for (int i = 0; i < tips; ++i)
        odds << QStringLiteral("1,%1").arg(10 + i);
    return odds;
}

// Bankers as the banker command leaves them: odds in column 3 of Grid2, rows 1.., and the count.
void setBankers(Form1& form, const QStringList& odds) {
    for (qsizetype m = 0; m < odds.size(); ++m) {
        form.Grid2.setRow(static_cast<int>(m) + 1);
        form.Grid2.setCol(3);
        form.Grid2.setText(odds.at(m));
    }
    form.module1.bankerCount = static_cast<qint16>(odds.size());
}

Button* buttonCaptioned(Form1& form, const QString& caption) {
    if (form.Command24.caption() == caption) return &form.Command24;
    for (Button* b : form.calculatorButtons()) {
        if (b->caption() == caption) return b;
    }
    for (Button& b : form.Command26) {
        if (b.caption() == caption) return &b;
    }
    return nullptr;
}

QStringList allCaptions() {
    QStringList captions{"1"};
    for (int k = 2; k <= 13; ++k)
        captions << QString::number(k);
    for (const calc::FullCoverSystem& system : calc::kFullCoverSystems)
        captions << system.caption();
    return captions;
}

const QStringList kFourTips{"1,50", "2,00", "1,80", "2,50"};
const QStringList kThreeTips{"1,50", "2,00", "2,50"};
const QStringList kDoublesOfFour{"01 02", "01 03", "01 04", "02 03", "02 04", "03 04"};
const QStringList kTrixie{"01 02", "01 03", "02 03", "01 02 03"};

}  // namespace

class TestCalculators : public QObject {
    Q_OBJECT
private slots:
    // One calculation with Check1 ticked: the whole bet list, amount list and Label1.
    void calculation_data() {
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QStringList>("bankers");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("count");

        QTest::newRow("doubles of four")
            << kFourTips << QStringList{} << "2" << kDoublesOfFour
            << QStringList{"3.00", "2.70", "3.75", "3.60", "5.00", "4.50", "", "Össz.: 22.55", "Ny/s.: 3.76"}
            << "6";
        QTest::newRow("doubles of four, banker 1.20")
            << kFourTips << QStringList{"1.20"} << "2" << kDoublesOfFour
            << QStringList{"3.60", "3.24", "4.50", "4.32", "6.00", "5.40", "", "Össz.: 27.06", "Ny/s.: 4.51"}
            << "6";
        QTest::newRow("Trixie") << kThreeTips << QStringList{} << "Trixie 4" << kTrixie
                                << QStringList{"3.00", "3.75",         "5.00",       "7.50",
                                               "",     "Össz.: 19.25", "Ny/s.: 4.81"}
                                << "4";
        QTest::newRow("Trixie, banker 3.00")
            << kThreeTips << QStringList{"3.00"} << "Trixie 4" << kTrixie
            << QStringList{"9.00", "11.25", "15.00", "22.50", "", "Össz.: 57.75", "Ny/s.: 14.44"} << "4";
        // 38.50 / 4 is 9.625 exactly: halfway, shown rounded up.
        QTest::newRow("Trixie, banker 2.00")
            << kThreeTips << QStringList{"2.00"} << "Trixie 4" << kTrixie
            << QStringList{"6.00", "7.50", "10.00", "15.00", "", "Össz.: 38.50", "Ny/s.: 9.63"} << "4";
        QTest::newRow("Trixie, bankers 2.00 and 1.50")
            << kThreeTips << QStringList{"2.00", "1.50"} << "Trixie 4" << kTrixie
            << QStringList{"9.00", "11.25", "15.00", "22.50", "", "Össz.: 57.75", "Ny/s.: 14.44"} << "4";
        QTest::newRow("Patent") << kThreeTips << QStringList{} << "Patent 7"
                                << kTrixie + QStringList{"01", "02", "03"}
                                << QStringList{"3.00", "3.75", "5.00", "7.50",         "1.50",
                                               "2.00", "2.50", "",     "Össz.: 25.25", "Ny/s.: 3.61"}
                                << "7";
        QTest::newRow("Patent, banker 2.00")
            << kThreeTips << QStringList{"2.00"} << "Patent 7" << kTrixie + QStringList{"01", "02", "03"}
            << QStringList{"6.00", "7.50", "10.00", "15.00",        "3.00",
                           "4.00", "5.00", "",      "Össz.: 50.50", "Ny/s.: 7.21"}
            << "7";
        QTest::newRow("singles") << kThreeTips << QStringList{} << "1" << QStringList{"01", "02", "03"}
                                 << QStringList{"1.50", "2.00", "2.50", "", "Össz.: 6.00", "Ny/s.: 2.00"}
                                 << "3";
        QTest::newRow("singles, banker 3.00")
            << kThreeTips << QStringList{"3.00"} << "1" << QStringList{"01", "02", "03"}
            << QStringList{"4.50", "6.00", "7.50", "", "Össz.: 18.00", "Ny/s.: 6.00"} << "3";
        QTest::newRow("singles, bankers 2.00 and 1.50")
            << kThreeTips << QStringList{"2.00", "1.50"} << "1" << QStringList{"01", "02", "03"}
            << QStringList{"4.50", "6.00", "7.50", "", "Össz.: 18.00", "Ny/s.: 6.00"} << "3";
        // An odds line without odds leaves an empty odds cell: the single counts as odds 1, and
        // the bankers still apply. A banker without odds counts as 1 as well.
        QTest::newRow("single without odds")
            << QStringList{"1,50", "Szorzó: -", "2,50"} << QStringList{"2.00", ""} << "1"
            << QStringList{"01", "02", "03"}
            << QStringList{"3.00", "2.00", "5.00", "", "Össz.: 10.00", "Ny/s.: 3.33"} << "3";
        QTest::newRow("double without odds")
            << QStringList{"1,50", "Szorzó: -", "2,50"} << QStringList{} << "Trixie 4" << kTrixie
            << QStringList{"1.50", "3.75", "2.50", "3.75", "", "Össz.: 11.50", "Ny/s.: 2.88"} << "4";
        QTest::newRow("five tips, trebles")
            << QStringList{"1,50", "2,00", "1,80", "2,50", "3,10"} << QStringList{} << "3"
            << QStringList{"01 02 03", "01 02 04", "01 02 05", "01 03 04", "01 03 05",
                           "01 04 05", "02 03 04", "02 03 05", "02 04 05", "03 04 05"}
            << QStringList{"5.40",  "7.50",  "9.30",  "6.75", "8.37",         "11.63",      "9.00",
                           "11.16", "15.50", "13.95", "",     "Össz.: 98.55", "Ny/s.: 9.86"}
            << "10";
        QTest::newRow("Lucky 15 order")
            << kFourTips << QStringList{} << "Lucky 15"
            << kDoublesOfFour + QStringList{"01 02 03", "01 02 04", "01 03 04", "02 03 04", "01 02 03 04",
                                            "01",       "02",       "03",       "04"}
            << QStringList{"3.00", "2.70", "3.75", "3.60", "5.00",         "4.50",
                           "5.40", "7.50", "6.75", "9.00", "13.50",        "1.50",
                           "2.00", "1.80", "2.50", "",     "Össz.: 72.50", "Ny/s.: 4.83"}
            << "15";
        // A Trixie over more tips than it is made for: the doubles of all tips, the treble of
        // tips 1 to 3.
        QTest::newRow("Trixie over five tips")
            << QStringList{"1,50", "2,00", "2,50", "1,00", "1,00"} << QStringList{} << "Trixie 4"
            << QStringList{"01 02", "01 03", "01 04", "01 05", "02 03",   "02 04",
                           "02 05", "03 04", "03 05", "04 05", "01 02 03"}
            << QStringList{"3.00", "3.75", "1.50", "1.50", "5.00", "2.00",         "2.00",
                           "2.50", "2.50", "1.00", "7.50", "",     "Össz.: 32.25", "Ny/s.: 2.93"}
            << "11";
        // More selections than tips: no combination, the total 0.00 and no mean line.
        QTest::newRow("k above the tip count") << QStringList{"1,50", "2,00"} << QStringList{} << "4"
                                               << QStringList{} << QStringList{"", "Össz.: 0.00"} << "0";
        // Exactly k tips: the one bet, no summary lines, and Label1 left empty.
        QTest::newRow("exact count 3")
            << kThreeTips << QStringList{} << "3" << QStringList{"01 02 03"} << QStringList{"7.50"} << "";
        QTest::newRow("exact count 3, bankers 2.00 and 1.50")
            << kThreeTips << QStringList{"2.00", "1.50"} << "3" << QStringList{"01 02 03"}
            << QStringList{"22.50"} << "";
        QTest::newRow("exact count 12")
            << QStringList{"1,00", "1,00", "1,00", "1,00", "1,00", "1,00",
                           "1,00", "1,00", "1,00", "1,00", "2,00", "3,10"}
            << QStringList{} << "12" << QStringList{"01 02 03 04 05 06 07 08 09 10 11 12"}
            << QStringList{"6.20"} << "";
    }
    void calculation() {
        QFETCH(QStringList, tips);
        QFETCH(QStringList, bankers);
        QFETCH(QString, button);
        QFETCH(QStringList, bets);
        QFETCH(QStringList, amounts);
        QFETCH(QString, count);

        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, tips);
        QCOMPARE(form.module1.tipCount, tips.size());
        setBankers(form, bankers);
        form.List1.setLines({"old bet"});
        form.List1.setToolTip("key");
        form.List3.setLines({"old amount"});
        form.Label1.setCaption("99");
        form.Grid2.setCol(0);

        Button* pressed = buttonCaptioned(form, button);
        QVERIFY(pressed);
        pressed->click();

        QCOMPARE(form.List1.lines(), bets);
        QCOMPARE(form.List3.lines(), amounts);
        QCOMPARE(form.Label1.caption(), count);
        QCOMPARE(form.List1.toolTip(), QString());
        QVERIFY(platform.messages.empty());
        // The grids are only read: the tips and bankers stay as they were.
        QCOMPARE(form.module1.tipCount, tips.size());
        QCOMPARE(form.module1.bankerCount, bankers.size());
        if (!bankers.isEmpty()) QCOMPARE(form.Grid2.col(), 3);  // the banker odds were read
    }

    // Each button over exactly the tips it is made for gives the number of bets in its caption.
    void betCounts_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tips");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("Trixie 4") << "Trixie 4" << 3 << 4 << "01 02"
                                  << "01 02 03";
        QTest::newRow("Patent 7") << "Patent 7" << 3 << 7 << "01 02"
                                  << "03";
        QTest::newRow("Yankee 11") << "Yankee 11" << 4 << 11 << "01 02"
                                   << "01 02 03 04";
        QTest::newRow("Lucky 15") << "Lucky 15" << 4 << 15 << "01 02"
                                  << "04";
        QTest::newRow("Canadian 26") << "Canadian 26" << 5 << 26 << "01 02"
                                     << "01 02 03 04 05";
        QTest::newRow("Lucky 31") << "Lucky 31" << 5 << 31 << "01 02"
                                  << "05";
        QTest::newRow("Heinz 57") << "Heinz 57" << 6 << 57 << "01 02"
                                  << "01 02 03 04 05 06";
        QTest::newRow("Lucky 63") << "Lucky 63" << 6 << 63 << "01 02"
                                  << "06";
        QTest::newRow("Super Heinz 120") << "Super Heinz 120" << 7 << 120 << "01 02"
                                         << "01 02 03 04 05 06 07";
        QTest::newRow("Goliath 247") << "Goliath 247" << 8 << 247 << "01 02"
                                     << "01 02 03 04 05 06 07 08";
        QTest::newRow("2 of 13") << "2" << 13 << 78 << "01 02"
                                 << "12 13";
        QTest::newRow("6 of 13") << "6" << 13 << 1716 << "01 02 03 04 05 06"
                                 << "08 09 10 11 12 13";
        QTest::newRow("7 of 13") << "7" << 13 << 1716 << "01 02 03 04 05 06 07"
                                 << "07 08 09 10 11 12 13";
        QTest::newRow("12 of 13") << "12" << 13 << 13 << "01 02 03 04 05 06 07 08 09 10 11 12"
                                  << "02 03 04 05 06 07 08 09 10 11 12 13";
        QTest::newRow("singles of 13") << "1" << 13 << 13 << "01"
                                       << "13";
    }
    void betCounts() {
        QFETCH(QString, button);
        QFETCH(int, tips);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);

        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, oddsLines(tips));
        Button* pressed = buttonCaptioned(form, button);
        QVERIFY(pressed);
        QVERIFY(pressed->isEnabled());
        pressed->click();

        QCOMPARE(form.List1.count(), count);
        QCOMPARE(form.List3.count(), count + 3);
        QCOMPARE(form.Label1.caption(), QString::number(count));
        QCOMPARE(form.List1.line(0), first);
        QCOMPARE(form.List1.line(count - 1), last);
        QStringList lines = form.List1.lines();
        QCOMPARE(lines.removeDuplicates(), 0);
        QCOMPARE(form.List3.line(count), QString());
        QVERIFY(form.List3.line(count + 1).startsWith("Össz.: "));
        QVERIFY(form.List3.line(count + 2).startsWith("Ny/s.: "));
        // The current cell of the tip grid is the last odds cell read.
        QCOMPARE(form.Grid1.col(), 3);
        QCOMPARE(form.Grid1.row(), last.right(2).toInt());
    }

    // The named bets at odds 2.00, worked by hand: a k-fold pays 2^k, a single stakes about pair
    // 2 - 1 + 2 = 3, a double stakes about one 2 - 2 + 2 x 2 = 4. A bet that shares a line between
    // its parts (the Union Jack Patent's singles, the Alphabet's doubles 02 03 and 04 05) writes it twice.
    void namedBets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tips");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("mean");
        const auto row = [](const char* button, int tips, int count, const char* first, const char* last,
                            const char* total, const char* mean) {
            QTest::newRow(button) << QString(button) << tips << count << QString(first) << QString(last)
                                  << QString(total) << QString(mean);
        };
        row("SSA", 4, 12, "01 > 02", "04 > 03", "36.00", "3.00");
        row("DSA", 3, 6, "01 >> 02", "03 >> 02", "24.00", "4.00");
        // 12 + 8 + 6 x 3; the Flags a full cover (3^n - 1 - n) and n(n - 1) pairs.
        row("Round Robin 10", 3, 10, "01 02", "03 > 02", "38.00", "3.80");
        row("Flag 23", 4, 23, "01 02", "04 > 03", "108.00", "4.70");
        row("Super Flag 46", 5, 46, "01 02", "05 > 04", "292.00", "6.35");
        row("Heinz Flag 87", 6, 87, "01 02", "06 > 05", "806.00", "9.26");
        row("Super Heinz Flag 162", 7, 162, "01 02", "07 > 06", "2298.00", "14.19");
        row("Goliath Flag 303", 8, 303, "01 02", "08 > 07", "6712.00", "22.15");
        // The grid's lines, the last its diagonal 3-5-7: 8, 20, 26 and 38 a line.
        row("Union Jack 8", 9, 8, "01 02 03", "03 05 07", "64.00", "8.00");
        row("Union Jack Trixie 32", 9, 32, "01 02", "03 05 07", "160.00", "5.00");
        row("Union Jack Patent 56", 9, 56, "01 02", "07", "208.00", "3.71");
        row("Union Jack Round Robin 80", 9, 80, "01 02", "07 > 05", "304.00", "3.80");
        // Two Patents of 26, a Yankee of 72 and the sixfold's 64.
        row("Alphabet 26", 6, 26, "01 02", "01 02 03 04 05 06", "188.00", "7.23");
    }
    void namedBets() {
        QFETCH(QString, button);
        QFETCH(int, tips);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, total);
        QFETCH(QString, mean);
        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, QStringList(tips, "2,00"));
        Button* pressed = buttonCaptioned(form, button);
        QVERIFY(pressed);
        QVERIFY(pressed->isEnabled());
        const calc::NamedBet& bet = calc::kNamedBets[static_cast<size_t>(pressed - form.Command26.data())];
        QCOMPARE(calc::namedBetCount(bet, tips), count);
        pressed->click();
        QCOMPARE(form.List1.count(), count);
        QCOMPARE(form.List1.line(0), first);
        QCOMPARE(form.List1.line(count - 1), last);
        QCOMPARE(form.List3.lines().mid(count), (QStringList{"", "Össz.: " + total, "Ny/s.: " + mean}));
        // One tip more or fewer than a fixed bet takes leaves its entry disabled.
        convertTips(form, QStringList(tips + 1, "2,00"));
        QCOMPARE(pressed->isEnabled(), bet.maxTips > tips);
    }

    void goliathOrder() {
        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, oddsLines(8));
        form.Command18.click();
        QCOMPARE(form.List1.count(), 247);
        QCOMPARE(form.List3.count(), 250);
        QCOMPARE(form.List1.line(27), "07 08");  // the 28 doubles first
        QCOMPARE(form.List1.line(28), "01 02 03");
        QCOMPARE(form.List1.line(245), "02 03 04 05 06 07 08");  // the last sevenfold
        QCOMPARE(form.List1.line(246), "01 02 03 04 05 06 07 08");
        // Doubles, trebles, ... up to the eightfold: the lines never get shorter.
        for (int i = 1; i < 247; ++i)
            QVERIFY(form.List1.line(i - 1).size() <= form.List1.line(i).size());
        QCOMPARE(form.List1.line(27).size(), 5);
    }

    // Keep-lists mode: button "2" and then "3" on four tips with Check1 unticked.
    void keepLists() {
        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, kFourTips);
        form.Check1.setValue(0);
        form.Command8[0].click();
        form.Command8[1].click();

        QCOMPARE(form.List1.lines(),
                 kDoublesOfFour + QStringList({"01 02 03", "01 02 04", "01 03 04", "02 03 04"}));
        QCOMPARE(form.List3.lines(), QStringList({"3.00", "2.70", "3.75", "3.60", "5.00", "4.50", "",
                                                  "Össz.: 22.55", "Ny/s.: 3.76", "", "5.40", "7.50", "6.75",
                                                  "9.00", "", "Össz.: 28.65", "Ny/s.: 2.87"}));
        QCOMPARE(form.Label1.caption(), "10");

        // An exact-count click appends its one bet after a separator and empties Label1.
        form.Command8[2].click();
        QCOMPARE(form.List1.count(), 11);
        QCOMPARE(form.List1.lines().last(), "01 02 03 04");
        QCOMPARE(form.List3.lines().mid(17), QStringList({"", "13.50"}));
        QCOMPARE(form.Label1.caption(), QString());

        // Ticking Check1 again starts afresh.
        form.Check1.setValue(1);
        form.Command8[0].click();
        QCOMPARE(form.List1.lines(), kDoublesOfFour);
        QCOMPARE(form.List3.count(), 9);
    }

    void keepListsStartsWithoutSeparator() {
        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, kThreeTips);
        form.Check1.setValue(0);
        form.Command8[0].click();
        QCOMPARE(form.List3.lines(),
                 QStringList({"3.00", "3.75", "5.00", "", "Össz.: 11.75", "Ny/s.: 3.92"}));
    }

    // With no tips no calculator changes anything, whatever Check1 says.
    void noTips_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("check");
        for (const QString& caption : allCaptions()) {
            QTest::addRow("%s ticked", qPrintable(caption)) << caption << 1;
            QTest::addRow("%s unticked", qPrintable(caption)) << caption << 0;
        }
    }
    void noTips() {
        QFETCH(QString, button);
        QFETCH(int, check);
        test::FakePlatform platform;
        Form1 form(platform);
        form.Check1.setValue(check);
        form.List1.setLines({"01 02"});
        form.List1.setToolTip("key");
        form.List3.setLines({"3.00", "", "Össz.: 3.00", "Ny/s.: 3.00"});
        form.Label1.setCaption("1");
        buttonCaptioned(form, button)->click();
        QCOMPARE(form.List1.lines(), QStringList({"01 02"}));
        QCOMPARE(form.List1.toolTip(), "key");
        QCOMPARE(form.List3.count(), 4);
        QCOMPARE(form.Label1.caption(), "1");
    }

    // A full-cover button with fewer tips than its selections writes no line naming an empty row.
    void fullCoverWithTooFewTips_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tips");
        QTest::newRow("Trixie, 2 tips") << "Trixie 4" << 2;
        QTest::newRow("Patent, 1 tip") << "Patent 7" << 1;
        QTest::newRow("Lucky 15, 3 tips") << "Lucky 15" << 3;
        QTest::newRow("Goliath, 7 tips") << "Goliath 247" << 7;
    }
    void fullCoverWithTooFewTips() {
        QFETCH(QString, button);
        QFETCH(int, tips);
        test::FakePlatform platform;
        Form1 form(platform);
        convertTips(form, oddsLines(tips));
        form.List1.setLines({"01 02"});
        form.List3.setLines({"3.00"});
        form.Label1.setCaption("1");
        Button* pressed = buttonCaptioned(form, button);
        QVERIFY(!pressed->isEnabled());
        pressed->click();
        QCOMPARE(form.List1.lines(), QStringList({"01 02"}));
        QCOMPARE(form.List3.lines(), QStringList({"3.00"}));
        QCOMPARE(form.Label1.caption(), "1");
    }
};

KOMBINATOR_TEST(TestCalculators);
#include "tst_calculators.moc"
