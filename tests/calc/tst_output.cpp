// The shared pieces of every calculator: amount and bet-line formats, odds reading, products,
// and the enumeration of combinations.
#include <QTest>

#include <cfloat>
#include <vector>

#include "calc/combinations.h"
#include "calc/odds.h"
#include "calc/output.h"
#include "testmain.h"

using namespace kombinator;

class TestOutput : public QObject {
    Q_OBJECT
private slots:
    void amountFormat_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("thousands without separator") << 1234.5f << "1234.50";
        QTest::newRow("whole") << 1234.0f << "1234.00";
        QTest::newRow("rounded up") << 0.456f << "0.46";
        QTest::newRow("below one") << 0.5f << "0.50";
        QTest::newRow("two decimals") << 3.75f << "3.75";
        QTest::newRow("zero") << 0.0f << "0.00";
        // 0.125 and 0.375 are exact in single precision: true ties, rounded away from zero.
        QTest::newRow("halfway 0.125") << 0.125f << "0.13";
        QTest::newRow("halfway 0.375") << 0.375f << "0.38";
        QTest::newRow("halfway negative") << -0.125f << "-0.13";
        // 2.675 and 1.005 are stored a little below the tie, so they round down.
        QTest::newRow("2.675 single") << 2.675f << "2.67";
        QTest::newRow("1.005 single") << 1.005f << "1.00";
        QTest::newRow("negative") << -1.5f << "-1.50";
        QTest::newRow("negative rounding to zero") << -0.001f << "0.00";
        QTest::newRow("large") << 12345678.0f << "12345678.00";
        QTest::newRow("very large") << 1152921504606846976.0f << "1152921504606846976.00";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "0.00";
    }
    void amountFormat() {
        QFETCH(float, value);
        QFETCH(QString, shown);
        QCOMPARE(calc::formatAmount(value), shown);
    }

    void betLines_data() {
        QTest::addColumn<std::vector<int>>("rows");
        QTest::addColumn<QString>("line");
        QTest::newRow("single 7") << std::vector<int>{7} << "07";
        QTest::newRow("double 10 12") << std::vector<int>{10, 12} << "10 12";
        QTest::newRow("double 1 3") << std::vector<int>{1, 3} << "01 03";
        QTest::newRow("treble") << std::vector<int>{2, 4, 7} << "02 04 07";
        QTest::newRow("tip 50") << std::vector<int>{49, 50} << "49 50";
        QTest::newRow("thirteen") << std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}
                                  << "01 02 03 04 05 06 07 08 09 10 11 12 13";
        QTest::newRow("none") << std::vector<int>{} << "";
    }
    void betLines() {
        QFETCH(std::vector<int>, rows);
        QFETCH(QString, line);
        QCOMPARE(calc::betLine(rows), line);
        // Read back by position: the k-th number at characters 3k-2 and 3k-1.
        QCOMPARE(calc::tipFieldCount(line), static_cast<int>(rows.size()));
        for (size_t k = 0; k < rows.size(); ++k)
            QCOMPARE(calc::numberValue(calc::tipField(line, static_cast<int>(k) + 1)), rows[k]);
    }

    void odds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<float>("value");
        QTest::newRow("two decimals") << "1.85" << true << 1.85f;
        QTest::newRow("one decimal") << "1.5" << true << 1.5f;
        QTest::newRow("three digits") << "150.00" << true << 150.0f;
        QTest::newRow("blanks around") << " 2.15 " << true << 2.15f;
        QTest::newRow("whole") << "3" << true << 3.0f;
        QTest::newRow("leading point") << ".5" << true << 0.5f;
        QTest::newRow("empty") << "" << false << 0.0f;
        QTest::newRow("blanks") << "   " << false << 0.0f;
        QTest::newRow("comma") << "1,85" << false << 0.0f;
        QTest::newRow("two points") << "1.8.5" << false << 0.0f;
        QTest::newRow("letters") << "x" << false << 0.0f;
        QTest::newRow("trailing letter") << "1.85a" << false << 0.0f;
        QTest::newRow("sign only") << "-" << false << 0.0f;
        QTest::newRow("point only") << "." << false << 0.0f;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661.5") << false << 0.0f;
    }
    void odds() {
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(float, value);
        const std::optional<float> odds = calc::parseOdds(text);
        QCOMPARE(odds.has_value(), converts);
        if (converts) QCOMPARE(*odds, value);
    }

    // A price as the grids keep it, shown in each form, and read for the product from its exact
    // fraction (100/30 is 13/3, 4.3333335 in single precision, not 4.33). A fraction shows as
    // written, a decimal or American price as a fraction takes the bookmakers' ladder where it is
    // on it, to the places it is written with.
    void oddsForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("asRead");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("fractional");
        QTest::addColumn<QString>("american");
        QTest::addColumn<float>("value");
        QTest::newRow("5/2") << QStringLiteral("5/2") << QStringLiteral("5/2") << QStringLiteral("3.50")
                             << QStringLiteral("5/2") << QStringLiteral("+250") << 3.5f;
        QTest::newRow("100/30 as the bookmaker wrote it")
            << QStringLiteral("100/30") << QStringLiteral("100/30") << QStringLiteral("4.33")
            << QStringLiteral("100/30") << QStringLiteral("+333") << float(13.0 / 3.0);
        QTest::newRow("odds on") << QStringLiteral("4/6") << QStringLiteral("4/6") << QStringLiteral("1.67")
                                 << QStringLiteral("4/6") << QStringLiteral("-150") << float(5.0 / 3.0);
        QTest::newRow("evens") << QStringLiteral("1/1") << QStringLiteral("Evens") << QStringLiteral("2.00")
                               << QStringLiteral("Evens") << QStringLiteral("+100") << 2.0f;
        QTest::newRow("11/8") << QStringLiteral("11/8") << QStringLiteral("11/8") << QStringLiteral("2.38")
                              << QStringLiteral("11/8") << QStringLiteral("+138") << 2.375f;
        QTest::newRow("4/5") << QStringLiteral("4/5") << QStringLiteral("4/5") << QStringLiteral("1.80")
                             << QStringLiteral("4/5") << QStringLiteral("-125") << 1.8f;
        QTest::newRow("6/4") << QStringLiteral("6/4") << QStringLiteral("6/4") << QStringLiteral("2.50")
                             << QStringLiteral("6/4") << QStringLiteral("+150") << 2.5f;
        QTest::newRow("13/8") << QStringLiteral("13/8") << QStringLiteral("13/8") << QStringLiteral("2.63")
                              << QStringLiteral("13/8") << QStringLiteral("+163") << 2.625f;
        QTest::newRow("15/8") << QStringLiteral("15/8") << QStringLiteral("15/8") << QStringLiteral("2.88")
                              << QStringLiteral("15/8") << QStringLiteral("+188") << 2.875f;
        QTest::newRow("1/3") << QStringLiteral("1/3") << QStringLiteral("1/3") << QStringLiteral("1.33")
                             << QStringLiteral("1/3") << QStringLiteral("-300") << float(4.0 / 3.0);
        QTest::newRow("the shortest price")
            << QStringLiteral("1/100") << QStringLiteral("1/100") << QStringLiteral("1.01")
            << QStringLiteral("1/100") << QStringLiteral("-10000") << 1.01f;
        QTest::newRow("American plus")
            << QStringLiteral("+250") << QStringLiteral("+250") << QStringLiteral("3.50")
            << QStringLiteral("5/2") << QStringLiteral("+250") << 3.5f;
        QTest::newRow("American minus on the ladder")
            << QStringLiteral("-150") << QStringLiteral("-150") << QStringLiteral("1.67")
            << QStringLiteral("4/6") << QStringLiteral("-150") << float(5.0 / 3.0);
        QTest::newRow("American rounded from 100/30")
            << QStringLiteral("+333") << QStringLiteral("+333") << QStringLiteral("4.33")
            << QStringLiteral("100/30") << QStringLiteral("+333") << 4.33f;
        QTest::newRow("decimal 3.5 is 5/2")
            << QStringLiteral("3.5") << QStringLiteral("3.5") << QStringLiteral("3.5")
            << QStringLiteral("5/2") << QStringLiteral("+250") << 3.5f;
        QTest::newRow("decimal 4.33 is 100/30")
            << QStringLiteral("4.33") << QStringLiteral("4.33") << QStringLiteral("4.33")
            << QStringLiteral("100/30") << QStringLiteral("+333") << 4.33f;
        QTest::newRow("decimal 2.00 is Evens")
            << QStringLiteral("2.00") << QStringLiteral("2.00") << QStringLiteral("2.00")
            << QStringLiteral("Evens") << QStringLiteral("+100") << 2.0f;
        QTest::newRow("decimal 2.375 is 11/8")
            << QStringLiteral("2.375") << QStringLiteral("2.375") << QStringLiteral("2.375")
            << QStringLiteral("11/8") << QStringLiteral("+138") << 2.375f;
        QTest::newRow("decimal 2.38 is 11/8")
            << QStringLiteral("2.38") << QStringLiteral("2.38") << QStringLiteral("2.38")
            << QStringLiteral("11/8") << QStringLiteral("+138") << 2.38f;
        QTest::newRow("decimal 1.80 is 4/5")
            << QStringLiteral("1.80") << QStringLiteral("1.80") << QStringLiteral("1.80")
            << QStringLiteral("4/5") << QStringLiteral("-125") << 1.8f;
        QTest::newRow("decimal 2.5 is 6/4")
            << QStringLiteral("2.5") << QStringLiteral("2.5") << QStringLiteral("2.5")
            << QStringLiteral("6/4") << QStringLiteral("+150") << 2.5f;
        QTest::newRow("decimal 2.63 is 13/8")
            << QStringLiteral("2.63") << QStringLiteral("2.63") << QStringLiteral("2.63")
            << QStringLiteral("13/8") << QStringLiteral("+163") << 2.63f;
        QTest::newRow("decimal 2.88 is 15/8")
            << QStringLiteral("2.88") << QStringLiteral("2.88") << QStringLiteral("2.88")
            << QStringLiteral("15/8") << QStringLiteral("+188") << 2.88f;
        QTest::newRow("decimal 1.33 is 1/3")
            << QStringLiteral("1.33") << QStringLiteral("1.33") << QStringLiteral("1.33")
            << QStringLiteral("1/3") << QStringLiteral("-303") << 1.33f;
        QTest::newRow("decimal under 2")
            << QStringLiteral("1.5") << QStringLiteral("1.5") << QStringLiteral("1.5")
            << QStringLiteral("1/2") << QStringLiteral("-200") << 1.5f;
        QTest::newRow("off the ladder: lowest terms")
            << QStringLiteral("2.15") << QStringLiteral("2.15") << QStringLiteral("2.15")
            << QStringLiteral("23/20") << QStringLiteral("+115") << 2.15f;
        QTest::newRow("one place is taken as it stands")
            << QStringLiteral("2.6") << QStringLiteral("2.6") << QStringLiteral("2.6")
            << QStringLiteral("8/5") << QStringLiteral("+160") << 2.6f;
        QTest::newRow("not odds") << QStringLiteral("x/2") << QStringLiteral("x/2") << QStringLiteral("x/2")
                                  << QStringLiteral("x/2") << QStringLiteral("x/2") << 0.0f;
    }
    void oddsForms() {
        QFETCH(QString, text);
        QFETCH(float, value);
        QTEST(calc::shownOdds(text, calc::OddsFormat::AsRead), "asRead");
        QTEST(calc::shownOdds(text, calc::OddsFormat::Decimal), "decimal");
        QTEST(calc::shownOdds(text, calc::OddsFormat::Fractional), "fractional");
        QTEST(calc::shownOdds(text, calc::OddsFormat::American), "american");
        QCOMPARE(calc::parseOdds(text).value_or(0.0f), value);
    }

    void productsRoundToSingle() {
        float product = 1.0f;
        QVERIFY(calc::multiplyInto(product, 1.1f));
        QVERIFY(calc::multiplyInto(product, 1.1f));
        QCOMPARE(product, 1.1f * 1.1f);  // single precision, not 1.21 of double
        float huge = FLT_MAX / 2;
        QVERIFY(!calc::multiplyInto(huge, 4.0f));
        QCOMPARE(huge, FLT_MAX / 2);  // an overflow leaves the product as it was
    }

    void combinationCounts_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("count");
        QTest::newRow("4 choose 2") << 4 << 2 << 6;
        QTest::newRow("13 choose 6") << 13 << 6 << 1716;
        QTest::newRow("13 choose 7") << 13 << 7 << 1716;
        QTest::newRow("8 choose 4") << 8 << 4 << 70;
        QTest::newRow("all") << 12 << 12 << 1;
        QTest::newRow("one") << 5 << 1 << 5;
        QTest::newRow("k above n") << 2 << 4 << 0;
        QTest::newRow("k zero") << 3 << 0 << 0;
    }
    void combinationCounts() {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, count);
        int seen = 0;
        std::vector<int> previous;
        calc::forEachCombination(n, k, [&](std::span<const int> rows) {
            ++seen;
            std::vector<int> current(rows.begin(), rows.end());
            QCOMPARE(static_cast<int>(current.size()), k);
            for (size_t j = 1; j < current.size(); ++j)
                QVERIFY(current[j - 1] < current[j]);
            QVERIFY(current.front() >= 1 && current.back() <= n);
            QVERIFY(previous < current);  // strictly lexicographic, so no set twice
            previous = std::move(current);
        });
        QCOMPARE(seen, count);
        if (k >= 1) QCOMPARE(calc::combinationCount(n, k), static_cast<std::int64_t>(count));
    }

    void combinationOrder() {
        QStringList lines;
        calc::forEachCombination(4, 2, [&](std::span<const int> rows) { lines << calc::betLine(rows); });
        QCOMPARE(lines, QStringList({"01 02", "01 03", "01 04", "02 03", "02 04", "03 04"}));
    }
};

KOMBINATOR_TEST(TestOutput);
#include "tst_output.moc"
