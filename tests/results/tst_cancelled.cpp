// Settled results: cancelled, half won, half lost and dead heats, marked through the odds cells'
// context menu, settled at their factors by the evaluation, left alone by the odds command, and
// cleared with the won marks.
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
        platform.installResources(kMarkerFiles +
                                  QStringList{"xxt.bmp", "xxf.bmp", "xxv.bmp", "xxh.bmp", "xxp.bmp"});
        convertTips(form, odds);
    }
    QString marker(const char* name) { return form.loadPicture(QString::fromLatin1(name)); }
    void choose(Grid& grid, int row, Form1::ResultChoice choice) { grid.chooseMenuEntry(row, 3, choice); }
    // "c" clicks the odds cell of tip 2, "h" the "odds" header; "W", "H", "L", "V" and "N" choose
    // "Nyert", "Félig nyert", "Félig vesztett", "Törölt (1,00)" and "Nincs eredmény" from tip 2's
    // menu, "D" "Holtverseny…", answering its dialog with the number after it (0: "Mégse"; none:
    // OK as the dialog shows it).
    void play(const QString& steps) {
        const QString choices = QStringLiteral("WHLDVN");
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QChar step = steps.at(i);
            if (step == u'c') form.Grid1.clickCell(2, 3);
            if (step == u'h') form.Grid1.clickCell(0, 3);
            if (step == u'D') {
                qsizetype digits = i + 1;
                while (digits < steps.size() && steps.at(digits).isDigit())
                    ++digits;
                const int tied = steps.mid(i + 1, digits - i - 1).toInt();
                if (digits > i + 1) platform.numberAnswers = {tied ? std::optional<int>(tied) : std::nullopt};
                i = digits - 1;
            }
            if (choices.contains(step)) choose(form.Grid1, 2, Form1::ResultChoice(choices.indexOf(step)));
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
        QTest::addColumn<QString>("picture");  // "" none, "xxz" won, "xxt" cancelled, ...
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
        QTest::newRow("half won") << "H" << 3 << "xxf";
        QTest::newRow("half lost") << "L" << 4 << "xxv";
        QTest::newRow("dead heat of two, as the dialog shows it") << "D" << 102 << "xxh";
        QTest::newRow("dead heat of twenty") << "D20" << 120 << "xxh";
        QTest::newRow("dialog shows the number given before") << "D7D" << 107 << "xxh";
        QTest::newRow("dead heat cancelled keeps the mark before") << "HD0" << 3 << "xxf";
        QTest::newRow("half lost replaces half won") << "HL" << 4 << "xxv";
        QTest::newRow("won replaces a dead heat") << "D3W" << 1 << "xxz";
        QTest::newRow("dead heat replaces won") << "WD3" << 103 << "xxh";
        QTest::newRow("click on half lost marks won") << "Lc" << 1 << "xxz";
        QTest::newRow("dead heat, no result") << "D3N" << 0 << "";
        QTest::newRow("header marks a half won tip won") << "Hh" << 1 << "xxz";
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
        for (const NumberQuestion& asked : f.platform.numberQuestions) {
            QCOMPARE(asked.caption, QStringLiteral("Holtverseny"));
            QCOMPARE(asked.min, 2);
            QCOMPARE(asked.max, 20);
        }
    }

    // Results, one word per tip or banker: "-" none (a tip lost, a banker standing), W won,
    // V cancelled, H half won, L half lost, a number K a dead heat among K, K@p for place p;
    // P placed, NR a non-runner. "4.3:" before it stakes the tip each-way at 1/4 odds for 3
    // places, "/25" after it deducts a Rule 4 of 25p. The each-way rows were worked by hand, per
    // unit on each line: a return is its win line plus its place line.
    void settlement_data() {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QStringList>("bankers");  // odds of the bankers, fixed after the tips
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("bankerResults");
        QTest::addColumn<QStringList>("bets");
        QTest::addColumn<QStringList>("returns");
        const QStringList trixie{"01 02", "01 03", "02 03", "01 02 03"};
        const QStringList patent = trixie + QStringList{"01", "02", "03"};
        const QStringList yankee{"01 02",    "01 03",    "01 04",    "02 03",    "02 04",      "03 04",
                                 "01 02 03", "01 02 04", "01 03 04", "02 03 04", "01 02 03 04"};
        const QStringList four{"1.80", "2.20", "1.50", "3.00"};
        // 1.50 x 1.00; 1.50 x 2.50; 1.00 x 2.50; 1.50 x 1.00 x 2.50.
        QTest::newRow("trixie, tip 2 cancelled")
            << kThree << QStringList() << "W V W"
            << "" << trixie << withSummary({"1.50", "3.75", "2.50", "3.75"}, "11.50", "2.88");
        QTest::newRow("trixie, tip 2 cancelled, tip 3 lost")
            << kThree << QStringList() << "W V -"
            << "" << trixie << withSummary({"1.50", "0.00", "0.00", "0.00"}, "1.50", "0.38");
        QTest::newRow("trixie, every tip cancelled")
            << kThree << QStringList() << "V V V"
            << "" << trixie << withSummary({"1.00", "1.00", "1.00", "1.00"}, "4.00", "1.00");
        // The cancelled banker's 3.00 drops out of every bet; the won banker's stays.
        QTest::newRow("banker 3.00 cancelled")
            << kThree << QStringList{"3.00"} << "W W W"
            << "V" << trixie << withSummary({"3.00", "3.75", "5.00", "7.50"}, "19.25", "4.81");
        QTest::newRow("banker 3.00 standing, tip 2 cancelled")
            << kThree << QStringList{"3.00"} << "W V W"
            << "-" << trixie << withSummary({"4.50", "11.25", "7.50", "11.25"}, "34.50", "8.63");
        // A key's list: 1.50 x 2.00 x 2.50; 1.50 x 1 x 1; 2.00 x 1 x 1.10.
        QTest::newRow("key list, tips 4 and 5 cancelled")
            << kSix << QStringList() << "W W W V V W"
            << "" << kKey << withSummary({"7.50", "1.50", "2.20"}, "11.20", "3.73");
        QTest::newRow("key list, tip 1 cancelled, 4 to 6 lost")
            << kSix << QStringList() << "V W W - - -"
            << "" << kKey << withSummary({"5.00", "0.00", "0.00"}, "5.00", "1.67");
        // Singles at 2.00: half won 1.50, half lost 0.50, a dead heat of two 1.00; the doubles
        // 1.50 x 0.50, 1.50 x 1.00, 0.50 x 1.00, the treble 0.75; 6.50 in all, 6.50 / 7 = 0.93.
        QTest::newRow("patent on 2.00: half won, half lost, dead heat of two")
            << QStringList{"2.00", "2.00", "2.00"} << QStringList() << "H L 2"
            << "" << patent
            << withSummary({"0.75", "1.50", "0.50", "0.75", "1.50", "0.50", "1.00"}, "6.50", "0.93");
        // 1.80 x (2.20 + 1) / 2 = 1.80 x 1.60.
        QTest::newRow("double, second leg half won")
            << QStringList{"1.80", "2.20"} << QStringList() << "W H"
            << "" << QStringList{"01 02"} << withSummary({"2.88"}, "2.88", "2.88");
        // 0.50 x 2.00 x 3.00 / 3.
        QTest::newRow("treble: half lost, won, dead heat of three")
            << QStringList{"1.50", "2.00", "3.00"} << QStringList() << "L W 3"
            << "" << QStringList{"01 02 03"} << withSummary({"1.00"}, "1.00", "1.00");
        // Tip 1 counts 1.25, tip 3 0.50: 1.25 x 2.00; 1.25 x 0.50 = 0.625; 2.00 x 0.50; 2.50 x 0.50.
        QTest::newRow("trixie, half won and half lost")
            << kThree << QStringList() << "H W L"
            << "" << trixie << withSummary({"2.50", "0.63", "1.00", "1.25"}, "5.38", "1.34");
        // Tip 2 counts 2.00 / 4 = 0.50; tip 1 lost takes every bet it is in.
        QTest::newRow("trixie, dead heat of four beside a lost tip")
            << kThree << QStringList() << "- 4 W"
            << "" << trixie << withSummary({"0.00", "0.00", "1.25", "0.00"}, "1.25", "0.31");
        // 1.80, 1.60, 0.50 and 3.00 / 5 = 0.60: 1.80 x 1.60 x 0.60 = 1.728.
        QTest::newRow("yankee: won, half won, half lost, dead heat of five")
            << four << QStringList() << "W H L 5"
            << "" << yankee
            << withSummary(
                   {"2.88", "0.90", "1.08", "0.80", "0.96", "0.30", "1.44", "1.73", "0.54", "0.48", "0.86"},
                   "11.97", "1.09");
        // 1.00, 2.20 / 2 = 1.10, 1.50 and (3.00 + 1) / 2 = 2.00.
        QTest::newRow("yankee: cancelled, dead heat of two, won, half won")
            << four << QStringList() << "V 2 W H"
            << "" << yankee
            << withSummary(
                   {"1.10", "1.50", "2.00", "1.65", "2.20", "3.00", "1.65", "2.20", "3.00", "3.30", "3.30"},
                   "24.90", "2.26");
        // The banker counts (3.00 + 1) / 2 = 2.00 in every bet.
        QTest::newRow("banker half won")
            << kThree << QStringList{"3.00"} << "W W W"
            << "H" << trixie << withSummary({"6.00", "7.50", "10.00", "15.00"}, "38.50", "9.63");
        // The banker counts 0.50, tip 2 1.50: 2.25 x 0.50 = 1.125; 3.75 x 0.50; 5.625 x 0.50.
        QTest::newRow("banker half lost, tip 2 half won")
            << kThree << QStringList{"3.00"} << "W H W"
            << "L" << trixie << withSummary({"1.13", "1.88", "1.88", "2.81"}, "7.69", "1.92");
        // Bankers 3.00 / 2 and 2.00 standing: 1.50 x 2.00 x 1.50 x 2.00.
        QTest::newRow("banker in a dead heat of two beside a standing one")
            << kThree << QStringList{"3.00", "2.00"} << "W W -"
            << "2 -" << trixie << withSummary({"9.00", "0.00", "0.00", "0.00"}, "9.00", "2.25");
        // 1.80 x 1.60 x 0.50 x 1.00 x 1.25.
        QTest::newRow("every result in one fivefold")
            << (four + QStringList{"2.50"}) << QStringList() << "W H L V 2"
            << "" << QStringList{"01 02 03 04 05"} << withSummary({"1.80"}, "1.80", "1.80");
        // Settled from the exact fractions: 13/3 x 6 x 11 = 286 (with 4.33 it would be 285.78).
        QTest::newRow("fractional treble")
            << QStringList{"100/30", "5/1", "10/1"} << QStringList() << "W W W"
            << "" << QStringList{"01 02 03"} << withSummary({"286.00"}, "286.00", "286.00");
        QTest::newRow("dead heat of twenty")
            << QStringList{"20.00", "1.50"} << QStringList() << "20 W"
            << "" << QStringList{"01 02"} << withSummary({"1.50"}, "1.50", "1.50");

        const QStringList one{"01"};
        const auto ew = [&](const char* name, const QStringList& odds, const char* results,
                            const QStringList& bets, const QStringList& returns, const char* total,
                            const char* mean) {
            QTest::newRow(name) << odds << QStringList() << results << "" << bets
                                << withSummary(returns, total, mean);
        };
        // 10/1 at 1/4 for 3 places: win 11.00, place 1 + 10/4 = 3.50.
        ew("e/w single 10/1 won", {"10/1"}, "4.3:W", one, {"14.50"}, "14.50", "14.50");
        ew("e/w single 10/1 placed", {"10/1"}, "4.3:P", one, {"3.50"}, "3.50", "3.50");
        ew("e/w single 10/1 unplaced", {"10/1"}, "4.3:-", one, {"0.00"}, "0.00", "0.00");
        // 1 + 4.5/5 = 1.90 a unit; 28.50 for 15 a line.
        ew("e/w single 9/2 at 1/5 placed", {"9/2"}, "5.4:P", one, {"1.90"}, "1.90", "1.90");
        // 11 / 2; and 1 + 8 x 0.75 = 7.00.
        ew("win single 10/1, dead heat of two", {"10/1"}, "2", one, {"5.50"}, "5.50", "5.50");
        ew("win single 8/1, Rule 4 25p", {"8/1"}, "W/25", one, {"7.00"}, "7.00", "7.00");
        ew("win single 8/1, Rule 4 90p", {"8/1"}, "W/90", one, {"1.80"}, "1.80", "1.80");
        // The place line: 3.50 x min(K, 3 - p + 1) / K.
        ew("e/w dead heat of two for third", {"10/1"}, "4.3:2@3", one, {"1.75"}, "1.75", "1.75");
        ew("e/w dead heat of two for second", {"10/1"}, "4.3:2@2", one, {"3.50"}, "3.50", "3.50");
        ew("e/w dead heat of three for second", {"10/1"}, "4.3:3@2", one, {"2.33"}, "2.33", "2.33");
        ew("e/w dead heat of four for second", {"10/1"}, "4.3:4@2", one, {"1.75"}, "1.75", "1.75");
        ew("e/w dead heat of two for first", {"10/1"}, "4.3:2", one, {"9.00"}, "9.00", "9.00");
        ew("e/w non-runner", {"10/1"}, "4.3:NR", one, {"2.00"}, "2.00", "2.00");
        // 1 + 10 x 0.80 and 1 + 2.50 x 0.80.
        ew("e/w won, Rule 4 20p", {"10/1"}, "4.3:W/20", one, {"12.00"}, "12.00", "12.00");
        ew("e/w placed at 1/5, Rule 4 10p", {"5/1"}, "5.2:P/10", one, {"1.90"}, "1.90", "1.90");
        ew("e/w 1/1 one place", {"2/1"}, "1.1:W", one, {"6.00"}, "6.00", "6.00");
        ew("e/w 1/10 ten places", {"20/1"}, "10.10:P", one, {"3.00"}, "3.00", "3.00");
        // 4 x 6 = 24 and 1.75 x 2.25 = 3.9375.
        const QStringList ewDouble{"3/1", "5/1"};
        ew("e/w double, both won", ewDouble, "4.3:W 4.3:W", {"01 02"}, {"27.94"}, "27.94", "27.94");
        ew("e/w double, won and placed", ewDouble, "4.3:W 4.3:P", {"01 02"}, {"3.94"}, "3.94", "3.94");
        ew("e/w double, placed and unplaced", ewDouble, "4.3:P 4.3:-", {"01 02"}, {"0.00"}, "0.00", "0.00");
        // 1.75 x 3.50 / 2; 3.25 x 5 + 1.5625 x 2; 1 x 0 + 1 x 2; a win-only leg 2.00 in both lines.
        ew("e/w double, dead heat for third", {"10/1", "3/1"}, "4.3:2@3 4.3:W", {"01 02"}, {"3.06"}, "3.06",
           "3.06");
        ew("e/w double, Rule 4 25p on a winner", {"3/1", "4/1"}, "4.3:W/25 4.3:W", {"01 02"}, {"19.38"},
           "19.38", "19.38");
        ew("e/w double, non-runner and placed", {"3/1", "4/1"}, "4.3:NR 4.3:P", {"01 02"}, {"2.00"}, "2.00",
           "2.00");
        ew("e/w double with a win-only leg", {"3/1", "2.00"}, "4.3:P W", {"01 02"}, {"3.50"}, "3.50", "3.50");
        // Singles at 1/5 for 2 places: 3.00 + 1.40; 1.80; 0.
        ew("e/w list of singles", {"2/1", "4/1", "6/1"}, "5.2:W 5.2:P 5.2:-", {"01", "02", "03"},
           {"4.40", "1.80", "0.00"}, "6.20", "2.07");
        ew("win list of singles", kThree, "W - V", {"01", "02", "03"}, {"1.50", "0.00", "1.00"}, "2.50",
           "0.83");
        // Four 3/1 shots at 1/4: place 1.75 each; 1.75^2, 1.75^3, 1.75^4 = 3.0625, 5.359375, 9.37890625.
        const QStringList fourAt3{"3/1", "3/1", "3/1", "3/1"};
        ew("e/w yankee: won, won, placed, unplaced", fourAt3, "4.3:W 4.3:W 4.3:P 4.3:-", yankee,
           {"19.06", "3.06", "0.00", "3.06", "0.00", "0.00", "5.36", "0.00", "0.00", "0.00", "0.00"}, "30.55",
           "2.78");
        const QStringList lucky15 = yankee + QStringList{"01", "02", "03", "04"};
        ew("e/w lucky 15: one winner, nothing placed", fourAt3, "4.3:W 4.3:- 4.3:- 4.3:-", lucky15,
           {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "5.75",
            "0.00", "0.00", "0.00"},
           "5.75", "0.38");
        ew("e/w lucky 15: one winner, three placed", fourAt3, "4.3:W 4.3:P 4.3:P 4.3:P", lucky15,
           {"3.06", "3.06", "3.06", "3.06", "3.06", "3.06", "5.36", "5.36", "5.36", "5.36", "9.38", "5.75",
            "1.75", "1.75", "1.75"},
           "60.19", "4.01");
        // Any-to-come: a single on the first tip, one stake of its return (two for DSA) on the
        // second, the rest paid; a return below the stakes carried goes on whole.
        const QStringList ssa{"01 > 02", "02 > 01"};
        const QStringList dsa{"01 >> 02", "02 >> 01"};
        const QStringList ab{"1.50", "2.00"};
        const QStringList ba{"3.00", "2.00"};
        ew("SSA, both won", ab, "W W", ssa, {"2.50", "2.50"}, "5.00", "2.50");
        ew("SSA, second lost", ab, "W -", ssa, {"0.50", "0.00"}, "0.50", "0.25");
        ew("SSA, first lost", ab, "- W", ssa, {"0.00", "1.00"}, "1.00", "0.50");
        // Half lost returns 0.50, carried on whole: 0.50 x 2.00; 2.00 - 1 + 0.50.
        ew("SSA, half lost carries half a stake", ab, "L W", ssa, {"1.00", "1.50"}, "2.50", "1.25");
        ew("SSA, void first leg", ab, "V W", ssa, {"2.00", "2.00"}, "4.00", "2.00");
        // 3.00 - 2 + 2 x 2.00; 2.00 - 2 + 2 x 3.00.
        ew("DSA, both won", ba, "W W", dsa, {"5.00", "6.00"}, "11.00", "5.50");
        ew("DSA, second lost", ba, "W -", dsa, {"1.00", "0.00"}, "1.00", "0.50");
        ew("DSA, first lost", ba, "- W", dsa, {"0.00", "0.00"}, "0.00", "0.00");
        // 1.50 is less than two stakes: all of it goes on, 1.50 x 2.00.
        ew("DSA, partial carry", ab, "W W", dsa, {"3.00", "3.00"}, "6.00", "3.00");
        // The void leg returns one stake, all of it carried: 1 x 2.00; 2.00 - 2 + 2 x 1.
        ew("DSA, void first leg", ba, "V W", dsa, {"2.00", "2.00"}, "4.00", "2.00");
        // Win parts 4.00 and 6.00, place parts 1.75 and 2.25 at 1/4, carried on apart: 3.00 + 3.00; 0 + 3.00.
        ew("e/w SSA, won and placed", {"3/1", "5/1"}, "4.3:W 4.3:P", ssa, {"6.00", "3.00"}, "9.00", "4.50");
        ew("Round Robin, tip 3 lost", kThree, "W W -",
           QStringList{"01 02", "01 03", "02 03", "01 02 03", "01 > 02", "02 > 01", "01 > 03", "03 > 01",
                       "02 > 03", "03 > 02"},
           {"3.00", "0.00", "0.00", "0.00", "2.50", "2.50", "0.50", "0.00", "1.00", "0.00"}, "9.50", "0.95");
        QTest::newRow("SSA with a standing banker")
            << ab << QStringList{"3.00"} << "W W"
            << "-" << ssa << withSummary({"7.50", "7.50"}, "15.00", "7.50");
        // An each-way banker standing at 5/1 (place 2.25), then one placed at 4/1 (place 2.00).
        QTest::newRow("e/w double with a standing e/w banker")
            << QStringList{"3/1", "3/1"} << QStringList{"5/1"} << "4.3:W 4.3:P"
            << "4.3:-" << QStringList{"01 02"} << withSummary({"6.89"}, "6.89", "6.89");
        QTest::newRow("e/w double with a placed e/w banker")
            << QStringList{"3/1", "3/1"} << QStringList{"4/1"} << "4.3:W 4.3:W"
            << "4.3:P" << QStringList{"01 02"} << withSummary({"6.13"}, "6.13", "6.13");
    }
    void settlement() {
        QFETCH(QStringList, odds);
        QFETCH(QStringList, bankers);
        QFETCH(QString, results);
        QFETCH(QString, bankerResults);
        QFETCH(QStringList, bets);
        QFETCH(QStringList, returns);
        Fixture f(odds + bankers);
        for (qsizetype i = 0; i < bankers.size(); ++i)
            fixBanker(f.form, static_cast<int>(odds.size()) + 1);
        const auto mark = [&](Grid& grid, const QString& words) {
            const QStringList list = words.split(u' ', Qt::SkipEmptyParts);
            for (int r = 1; r <= list.size(); ++r) {
                QString word = list.at(r - 1);
                int places = 0;
                if (const qsizetype colon = word.indexOf(u':'); colon >= 0) {
                    const QStringList terms = word.left(colon).split(u'.');
                    places = terms.at(1).toInt();
                    f.platform.numberAnswers = {terms.at(0).toInt(), places};
                    f.choose(grid, r, Form1::kChooseEachWay);
                    word = word.mid(colon + 1);
                }
                const QStringList deduction = word.split(u'/');
                word = deduction.at(0);
                if (word == u'W') grid.clickCell(r, 3);
                if (word == u'V') f.choose(grid, r, Form1::kChooseCancelled);
                if (word == u'H') f.choose(grid, r, Form1::kChooseHalfWon);
                if (word == u'L') f.choose(grid, r, Form1::kChooseHalfLost);
                if (word == u'P') f.choose(grid, r, Form1::kChoosePlaced);
                if (word == QLatin1String("NR")) f.choose(grid, r, Form1::kChooseNonRunner);
                if (const QStringList tie = word.split(u'@'); tie.at(0).toInt() > 0) {
                    f.platform.numberAnswers = {tie.at(0).toInt()};
                    if (places > 1) f.platform.numberAnswers.push_back(tie.value(1, "1").toInt());
                    f.choose(grid, r, Form1::kChooseDeadHeat);
                }
                if (deduction.size() == 2) {
                    f.platform.numberAnswers = {deduction.at(1).toInt()};
                    f.choose(grid, r, Form1::kChooseRule4);
                }
            }
        };
        mark(f.form.Grid2, bankerResults);
        mark(f.form.Grid1, results);
        f.form.List1.setLines(bets);
        f.form.Command21.click();
        QCOMPARE(f.form.List3.lines(), returns);
    }

    // Place terms as slips print them; 0 0 for a text that gives none a bookmaker offers.
    void placeTermsRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fraction");
        QTest::addColumn<int>("places");
        QTest::newRow("E/W dashes") << "E/W 1/4 1-2-3" << 4 << 3;
        QTest::newRow("Each Way count") << "Each Way: 1/5 odds, 4 places" << 5 << 4;
        QTest::newRow("EW terms commas") << "EW terms 1/4 odds 1,2,3" << 4 << 3;
        QTest::newRow("lower case, blanks") << "  each-way  1 / 6   1 - 2 - 3 - 4 - 5 " << 6 << 5;
        QTest::newRow("one place at evens") << "E/W 1/1 1 place" << 1 << 1;
        QTest::newRow("ten places at 1/10") << "EW 1/10 10 places" << 10 << 10;
        QTest::newRow("gap in the places") << "E/W 1/4 1-3" << 0 << 0;
        QTest::newRow("places not from 1") << "E/W 1/4 2-3" << 0 << 0;
        QTest::newRow("two fifths") << "E/W 2/5 1-2" << 0 << 0;
        QTest::newRow("1/11") << "E/W 1/11 3 places" << 0 << 0;
        QTest::newRow("eleven places") << "E/W 1/4 11 places" << 0 << 0;
        QTest::newRow("no places") << "E/W 1/4" << 0 << 0;
        QTest::newRow("no each-way word") << "1/4 1-2-3" << 0 << 0;
        QTest::newRow("a bare number") << "E/W 1/4 3" << 0 << 0;
        QTest::newRow("more after it") << "E/W 1/4 1-2-3 SP" << 0 << 0;
    }
    void placeTermsRead() {
        QFETCH(QString, text);
        QFETCH(int, fraction);
        QFETCH(int, places);
        const std::optional<PlaceTerms> terms = parsePlaceTerms(text);
        QCOMPARE(terms ? terms->fraction : 0, fraction);
        QCOMPARE(terms ? terms->places : 0, places);
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
