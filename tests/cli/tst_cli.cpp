// kombinator-cli run as a user would run it: on small coupon files, reading its output.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "testmain.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList& arguments, const QByteArray& input = {}, const QString& output = {},
           const QString& lang = {}) {
    QProcess process;
    if (!lang.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(environment);
    }
    if (!output.isEmpty()) process.setStandardOutputFile(output);
    process.start(QStringLiteral(KOMBINATOR_CLI_PATH), arguments);
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Four events as a browser on Linux copies them: line feeds only, a tab, a noise line.
const QByteArray kFourTips =
    "Arsenal - Chelsea\nArsenal\n1,50\nB\nFerencváros - Újpest\n\tFerencváros\nSzorzó: 2,00\n"
    "Barcelona - Real Madrid\nDöntetlen\n1,80\nLiverpool - Manchester City\nManchester City\n2,50\n";

// Three events on 1.50, 2.00 and 2.50.
const QByteArray kThreeTips = "A - B\nA\n1,50\nC - D\nC\n2,00\nE - F\nE\n2,50\n";

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void luckyFifteenPrintsBetsAndAmounts();
    void luckyFifteenWithResultsPrintsReturns();
    void systemNames_data();
    void systemNames();
    void bankerMultipliesEveryBet();
    void readsStandardInput();
    void refusalGoesToStandardError_data();
    void refusalGoesToStandardError();
    void inputsAndOutputsThatFail_data();
    void inputsAndOutputsThatFail();
    void speaksTheLanguage_data();
    void speaksTheLanguage();
    void usageErrors_data();
    void usageErrors();
    void keyFileMustFitTheTips();
    void printsReturnTable();
    void cancelledTips_data();
    void eachWayReturnTable();
    void cancelledTips();
    void returnTableWithCancelledTipAndStake();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
    QString coupon_;
};

QString TestCli::write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

void TestCli::initTestCase() {
    coupon_ = write("coupon.txt", kFourTips);
}

void TestCli::luckyFifteenPrintsBetsAndAmounts() {
    const Run run = runCli({"--system", "Lucky 15", coupon_});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[0], QStringLiteral("01 02\t3.00"));
    QCOMPARE(lines[10], QStringLiteral("01 02 03 04\t13.50"));
    QCOMPARE(lines[14], QStringLiteral("04\t2.50"));
    QCOMPARE(lines[15], QStringLiteral("\t"));
    // 7.80 singles + 22.55 doubles + 28.65 trebles + 13.50 = 72.50; 72.50 / 15 = 4.83.
    QCOMPARE(lines[16], QStringLiteral("\tÖssz.: 72.50"));
    QCOMPARE(lines[17], QStringLiteral("\tNy/s.: 4.83"));
    QVERIFY(run.err.isEmpty());
}

void TestCli::luckyFifteenWithResultsPrintsReturns() {
    const Run run = runCli({"--system", "lucky15", "--won", "1,2,4", coupon_});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[0], QStringLiteral("01 02\t3.00"));
    QCOMPARE(lines[1], QStringLiteral("01 03\t0.00"));
    QCOMPARE(lines[7], QStringLiteral("01 02 04\t7.50"));
    // Won 1, 2, 4: singles 6.00, doubles 3.00 + 3.75 + 5.00, treble 7.50 = 25.25; / 15 = 1.68.
    QCOMPARE(lines[16], QStringLiteral("\tÖssz.: 25.25"));
    QCOMPARE(lines[17], QStringLiteral("\tNy/s.: 1.68"));

    // The Lucky bonuses: tip 3 (1.80) the sole winner at double odds, 1 + 0.80 x 2; every tip won
    // with 10 %: the fourfold 13.50 and the single 1.50 paid 1.10 times.
    const QStringList sole = runCli({"--system", "lucky15", "--won", "3", "--lucky-bonus", "2:0", coupon_})
                                 .out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(sole.mid(13), (QStringList{"03\t2.60", "04\t0.00", "\t", "\tÖssz.: 2.60", "\tNy/s.: 0.17"}));
    const QStringList all =
        runCli({"--system", "lucky15", "--won", "1,2,3,4", "--lucky-bonus", "1:10", coupon_}).out.split('\n');
    QCOMPARE(all.value(10), QStringLiteral("01 02 03 04\t14.85"));
    QCOMPARE(all.value(11), QStringLiteral("01\t1.65"));
}

void TestCli::systemNames_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("bets");
    QTest::newRow("number") << "2" << 6;
    QTest::newRow("singles") << "1" << 4;
    QTest::newRow("yankee lower case") << "yankee" << 11;
    QTest::newRow("with number") << "Yankee 11" << 11;
    QTest::newRow("Flag") << "Flag" << 23;
    QTest::newRow("flag with number") << "flag23" << 23;
    QTest::newRow("SSA over every pair") << "SSA" << 12;
    QTest::newRow("dsa") << "dsa" << 12;
    // Systems the window keeps disabled for four tips are refused (tst_conventions).
}

void TestCli::systemNames() {
    QFETCH(QString, system);
    QFETCH(int, bets);
    const Run run = runCli({"--system", system, coupon_});
    QCOMPARE(run.status, 0);
    int betLines = 0;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('\t')) ++betLines;
    }
    QCOMPARE(betLines, bets);
}

void TestCli::bankerMultipliesEveryBet() {
    // Tip 4 (2.50) becomes the banker; the doubles of the other three are multiplied by it.
    const Run run = runCli({"--bank", "4", "--system", "2", coupon_});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines[0], QStringLiteral("01 02\t7.50"));
    QCOMPARE(lines[1], QStringLiteral("01 03\t6.75"));
    QCOMPARE(lines[2], QStringLiteral("02 03\t9.00"));
    QCOMPARE(lines[4], QStringLiteral("\tÖssz.: 23.25"));
}

void TestCli::readsStandardInput() {
    const Run run = runCli({"--system", "4", "-"}, kFourTips);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).first(), QStringLiteral("01 02 03 04\t13.50"));
}

// Doubles of coupons as pages give them; a refusal goes to standard error with status 1.
void TestCli::refusalGoesToStandardError_data() {
    QTest::addColumn<QByteArray>("coupon");
    QTest::addColumn<QString>("shown");
    QTest::newRow("seven lines") << QByteArray("a\nb\nc\nd\ne\nf\ng\n")
                                 << "Hibás kijelölés (nem 3 sor fogadásonként)!";
    QTest::newRow("tip without a price") << QByteArray("A - B\nA\nSzorzó: 1,50\nC - D\nC\nSzorzó:\n")
                                         << "A(z) 2. tipp szorzója hiányzik: „Szorzó:”";
    // 2.05 x 1.50 = 3.07 (single precision), 2.05 x 3.00 = 6.15, 1.50 x 3.00 = 4.50.
    QTest::newRow("odds label on its own line")
        << QByteArray("A - B\nA\nSzorzó:\n▲ 2,05\nC - D\nC\nSzorzó:\n1,50\nE - F\nE\nSzorzó:\n3,00\n")
        << "01 02\t3.07\n01 03\t6.15\n02 03\t4.50\n\t\n\tÖssz.: 13.72\n";
    // Slips as the reader takes them: 1.85 x 1001.00 = 1851.85 (single precision).
    QTest::newRow("code after the market, a thousand with a blank")
        << QByteArray(
               "1,85\tFerencváros - Újpest FC\t1X2\t1\nEredő szorzó: 1 851,85\n"
               "AS Saint-Étienne v Paris Saint-Germain\nLabdarúgás · Ligue 1 · szo 12.12. 20:00\n"
               "Paris Saint-Germain\nSzorzó: 1 001,00\n")
        << "01 02\t1851.85\n";
    QTest::newRow("digits of names are no price")
        << QByteArray(
               "Schalke 04 - Hannover 96\nSchalke 04\nDarmstadt 98 - SC Paderborn 07\nSC Paderborn 07\n")
        << "A(z) 1. tipp szorzója hiányzik: „Darmstadt 98 - SC Paderborn 07”";
    // Fractions priced from their exact value: 3.50 x 4.3333... = 15.17 (with 4.33, 15.16).
    QTest::newRow("fractional prices") << QByteArray("A v B\nA\n5/2\nC v D\nD\n100/30\n") << "01 02\t15.17\n";
    // A page's HTML, known by its first tag: 1.50 x 2.00 = 3.00, the struck 9,00 left out.
    QTest::newRow("a page's HTML")
        << QByteArray(
               "<!DOCTYPE html><div><span>A v B</span><span>A</span><s>9,00</s><span>1,50"
               "</span></div><div><span>C v D</span><span>C</span><span>2,00</span></div>")
        << "01 02\t3.00\n";
    QTest::newRow("a page's HTML nested too deeply")
        << QByteArray("<div>").repeated(600)
        << "A szelvény HTML-je nem olvasható: nagyobb 8 MB-nál, vagy 512 szintnél mélyebben ágyazott.";
    // A runner at the starting price has no odds until the user types them: pricing the bets
    // names it.
    QTest::newRow("a runner at SP")
        << QByteArray("14:30 Cheltenham\n3. Desert Crown\n5/2\n15:05 Cheltenham\nLossiemouth\nSP\n")
        << "A(z) 2. tipp szorzója még nincs megadva (SP): 15:05 Cheltenham – Lossiemouth";
    QTest::newRow("old and new price in a line")
        << QByteArray("A - B\nA\nSzorzó: 1,80 1,95\nC - D\nC\n2,00\n")
        << "A(z) 1. tipp: két szorzó egy sorban: „Szorzó: 1,80 1,95”";
}

void TestCli::refusalGoesToStandardError() {
    QFETCH(QByteArray, coupon);
    QFETCH(QString, shown);
    QStringList arguments{"--system", "2", write("page.txt", coupon)};
    if (shown.contains(u"(SP)")) arguments.prepend("--odds");
    const Run run = runCli(arguments);
    const bool refused = !shown.contains(u'\t');
    QCOMPARE(run.status, refused ? 1 : 0);
    QCOMPARE(run.out.isEmpty(), refused);
    QVERIFY2((refused ? run.err : run.out).contains(shown), qPrintable(run.out + run.err));
}

void TestCli::inputsAndOutputsThatFail_data() {
    // LINK stands for a link to /dev/zero; "-" reads 64 MiB and a byte; the last row writes to a
    // full disk.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("coupon is a device") << QStringList{"--system", "2", "/dev/zero"} << "Nem fájl: /dev/zero";
    QTest::newRow("coupon is a link to a device") << QStringList{"--system", "2", "LINK"} << "Nem fájl: LINK";
    QTest::newRow("key is a link to a device") << QStringList{"--key", "LINK", coupon_} << "Nem fájl: LINK";
    QTest::newRow("coupon is a folder")
        << QStringList{"--system", "2", dir_.path()} << "Nem fájl: " + dir_.path();
    QTest::newRow("standard input over the cap") << QStringList{"--system", "4", "-"} << "A fájl túl nagy: -";
    QTest::newRow("output to a full disk")
        << QStringList{"--system", "4", coupon_} << "A kimenet nem írható.";
}

void TestCli::inputsAndOutputsThatFail() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
#ifdef Q_OS_WIN
    if (arguments.join(u' ').contains(QRegularExpression(QStringLiteral("/dev/|LINK|^--system 4 [^-]"))))
        QSKIP("Windows has no /dev/zero or /dev/full to stage these with");
#endif
    const QString link = dir_.filePath("02_04_03.txt");
    QFile::link(QStringLiteral("/dev/zero"), link);
    arguments.replaceInStrings(QStringLiteral("LINK"), link);
    const bool full = error.startsWith(QStringLiteral("A kimenet"));
    const Run run =
        runCli(arguments, arguments.contains("-") ? QByteArray((64 << 20) + 1, 'x') : QByteArray(),
               full ? QStringLiteral("/dev/full") : QString());
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, error.replace(QStringLiteral("LINK"), link) + u'\n');
}

// The locale's language, or the one --lang names; English says no Hungarian word. The
// settlement's figures are the same in either.
void TestCli::speaksTheLanguage_data() {
    QTest::addColumn<QString>("lang");  // the locale
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("english");
    QTest::newRow("English locale") << "en_GB.UTF-8" << QStringList{"--help"} << true;
    QTest::newRow("Hungarian locale") << "hu_HU.UTF-8" << QStringList{"--help"} << false;
    QTest::newRow("C locale") << "C.UTF-8" << QStringList{"--help"} << false;
    QTest::newRow("--lang en in the C locale") << "C.UTF-8" << QStringList{"--lang", "en", "--help"} << true;
    QTest::newRow("--lang=hu in an English locale")
        << "en_US.UTF-8" << QStringList{"--lang=hu", "--help"} << false;
    QTest::newRow("usage error in English") << "en_GB.UTF-8" << QStringList{"--won", "1,x", "x.txt"} << true;
    QTest::newRow("refusal in English")
        << "C.UTF-8" << QStringList{"--lang", "en", "--system", "14", "x.txt"} << true;
    QTest::newRow("settled in English")
        << "en_GB.UTF-8" << QStringList{"--system", "lucky15", "--won", "1,2,4"} << true;
}

void TestCli::speaksTheLanguage() {
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(bool, english);
    if (arguments.contains("lucky15")) arguments << coupon_;
    const Run run = runCli(arguments, {}, {}, lang);
    const QString said = run.out + run.err;
    static const QRegularExpression hungarian(QStringLiteral("[áéíóöőúüű]"));
    QCOMPARE(said.contains(hungarian), !english);
    if (arguments.contains("--help") || run.status == 2)
        QVERIFY(said.contains(english ? QStringLiteral("Usage: kombinator-cli")
                                      : QStringLiteral("Használat: kombinator-cli")));
    if (arguments.contains("lucky15"))
        QVERIFY(run.out.endsWith(QStringLiteral("\tTotal: 25.25\n\tPer bet: 1.68\n")));
}

void TestCli::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no coupon") << QStringList{"--system", "2"};
    QTest::newRow("unknown option") << QStringList{"--stakes", "5", "x.txt"};
    QTest::newRow("unknown system") << QStringList{"--system", "Lucky", "x.txt"};
    QTest::newRow("system 14") << QStringList{"--system", "14", "x.txt"};
    QTest::newRow("bad won list") << QStringList{"--won", "1,x", "x.txt"};
    QTest::newRow("system and key") << QStringList{"--system", "2", "--key", "k.txt", "x.txt"};
    QTest::newRow("two coupons") << QStringList{"a.txt", "b.txt"};
    QTest::newRow("tip both won and void") << QStringList{"--won", "1,2", "--void", "3,2", "x.txt"};
    QTest::newRow("bad void list") << QStringList{"--void", "2,Fx", "x.txt"};
    QTest::newRow("tip half won and half lost")
        << QStringList{"--half-won", "2", "--half-lost", "1,2", "x.txt"};
    QTest::newRow("tip won and in a dead heat") << QStringList{"--won", "4", "--dead-heat", "4:2", "x.txt"};
    QTest::newRow("banker in two dead heats") << QStringList{"--dead-heat", "F1:2,F1:3", "x.txt"};
    QTest::newRow("dead heat without the number tied") << QStringList{"--dead-heat", "2", "x.txt"};
    QTest::newRow("dead heat of one") << QStringList{"--dead-heat", "2:1", "x.txt"};
    QTest::newRow("dead heat of 21") << QStringList{"--dead-heat", "2:21", "x.txt"};
    QTest::newRow("bad half lost list") << QStringList{"--half-lost", "0", "x.txt"};
    QTest::newRow("unknown odds format") << QStringList{"--odds-format", "decimals", "x.txt"};
    QTest::newRow("odds format with make-key")
        << QStringList{"--make-key", "04_16_08", "--odds-format", "decimal"};
    QTest::newRow("stake zero") << QStringList{"--table", "--stake", "0", "x.txt"};
    QTest::newRow("stake with three decimals") << QStringList{"--table", "--stake", "1.005", "x.txt"};
    QTest::newRow("stake without table") << QStringList{"--stake", "100", "x.txt"};
    QTest::newRow("stake with make-key") << QStringList{"--make-key", "04_16_08", "--stake", "5"};
    QTest::newRow("system with make-key") << QStringList{"--make-key", "04_16_08", "--system", "2"};
    QTest::newRow("key profile of a coupon") << QStringList{"--key-profile", "k.txt", "x.txt"};
    QTest::newRow("key profile with out") << QStringList{"--key-profile", "k.txt", "--out", "o.txt"};
    QTest::newRow("seconds without make-key") << QStringList{"--seconds", "5", "x.txt"};
    QTest::newRow("key profile with seconds") << QStringList{"--key-profile", "k.txt", "--seconds", "5"};
    QTest::newRow("seconds zero") << QStringList{"--make-key", "04_16_08", "--seconds", "0"};
    QTest::newRow("seconds past a day") << QStringList{"--make-key", "04_16_08", "--seconds", "86401"};
    QTest::newRow("seconds not whole") << QStringList{"--make-key", "04_16_08", "--seconds", "1.5"};
    QTest::newRow("each-way without places") << QStringList{"--each-way", "1/4", "x.txt"};
    QTest::newRow("each-way at 2/5") << QStringList{"--each-way", "2/5:3", "x.txt"};
    QTest::newRow("each-way for eleven places") << QStringList{"--each-way", "1=1/4:11", "x.txt"};
    QTest::newRow("rule 4 of 95p") << QStringList{"--rule4", "2:95", "x.txt"};
    QTest::newRow("rule 4 without pence") << QStringList{"--rule4", "2", "x.txt"};
    QTest::newRow("dead heat for place 11") << QStringList{"--dead-heat", "2:2@11", "x.txt"};
    QTest::newRow("tip placed and won") << QStringList{"--won", "2", "--placed", "2", "x.txt"};
    QTest::newRow("lucky bonus four times") << QStringList{"--lucky-bonus", "4:10", "x.txt"};
    QTest::newRow("key profile and make-key")
        << QStringList{"--key-profile", "k.txt", "--make-key", "03_09_07"};
}

void TestCli::usageErrors() {
    QFETCH(QStringList, arguments);
    const Run run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains(QStringLiteral("Használat: kombinator-cli")));
}

void TestCli::keyFileMustFitTheTips() {
    const QString key = write("03_04_03.txt", "001 002\r\n001 003 004\r\n002,003 004\r\n");
    const Run fits = runCli({"--key", key, "--odds", coupon_});
    QCOMPARE(fits.status, 0);
    const QStringList lines = fits.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines[0], QStringLiteral("01 02\t3.00"));
    QCOMPARE(lines[1], QStringLiteral("01 03 04\t6.75"));
    QCOMPARE(lines[2], QStringLiteral("02\t2.00"));
    QCOMPARE(lines[3], QStringLiteral("03 04\t4.50"));

    const QString wrong = write("03_10_06.txt", "001 002 003\r\n");
    const Run refused = runCli({"--key", wrong, coupon_});
    QCOMPARE(refused.status, 1);
    QVERIFY(refused.err.contains(QStringLiteral("A kulcs nem felel meg az esemény számnak, ami 4 !")));
}

void TestCli::printsReturnTable() {
    const Run run = runCli({"--system", "Yankee", "--table", coupon_});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QStringLiteral("Nyertes tippek\tMin. visszatérés")));
    // All four won: every one of the 11 bets wins, 64.70 in all (72.50 less the singles' 7.80).
    QVERIFY(run.out.contains(QStringLiteral("\n4\t64.70\t64.70\t11\t11\t53.70\t53.70\n")));
}

// The Trixie on 1.50 / 2.00 / 2.50 and the other settlements worked out by hand.
void TestCli::cancelledTips_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("tip 2 cancelled, 1 and 3 won")
        << QStringList{"--system", "trixie", "--won", "1,3", "--void", "2"}
        << QStringList{"01 02\t1.50", "01 03\t3.75",    "02 03\t2.50",  "01 02 03\t3.75",
                       "\t",          "\tÖssz.: 11.50", "\tNy/s.: 2.88"};
    QTest::newRow("tip 3 lost") << QStringList{"--system", "trixie", "--won", "1", "--void", "2"}
                                << QStringList{"01 02\t1.50",    "01 03\t0.00", "02 03\t0.00",
                                               "01 02 03\t0.00", "\t",          "\tÖssz.: 1.50",
                                               "\tNy/s.: 0.38"};
    // Tip 3 (2.50) becomes banker 1 and is cancelled: the double pays 1.50 x 2.00 alone.
    QTest::newRow("banker cancelled")
        << QStringList{"--bank", "3", "--system", "2", "--won", "1,2", "--void", "f1"}
        << QStringList{"01 02\t3.00", "\t", "\tÖssz.: 3.00", "\tNy/s.: 3.00"};
    // The same marks as the window's Round Robin (tst_cancelled): the same returns.
    QTest::newRow("Round Robin, tip 3 lost")
        << QStringList{"--system", "Round Robin", "--won", "1,2"}
        << QString(
               "01 02\t3.00|01 03\t0.00|02 03\t0.00|01 02 03\t0.00|01 > 02\t2.50|02 > 01\t2.50|"
               "01 > 03\t0.50|03 > 01\t0.00|02 > 03\t1.00|03 > 02\t0.00|\t|\tÖssz.: 9.50|\tNy/s.: 0.95")
               .split('|');
    // Tip 4 names no tip row: the odds command gives that bet no amount, and its line stays empty.
    QTest::newRow("bet without amount")
        << QStringList{"--key", write("02_03_03.txt", "001 002\r\n001 004\r\n002 003\r\n"), "--odds"}
        << QStringList{"01 02\t3.00", "01 04\t", "02 03\t5.00", "\t", "\tÖssz.: 8.00", "\tNy/s.: 2.67"};
    // Tip 1 counts 1.25, tip 3 0.50, as in the window's settlement.
    QTest::newRow("half won and half lost")
        << QStringList{"--system", "trixie", "--won", "2", "--half-won", "1", "--half-lost", "3"}
        << QStringList{"01 02\t2.50", "01 03\t0.63",   "02 03\t1.00",  "01 02 03\t1.25",
                       "\t",          "\tÖssz.: 5.38", "\tNy/s.: 1.34"};
    // Banker 1 (tip 3, 2.50) half lost counts 0.50: 1.50 x 1.50 x 0.50 = 1.125.
    QTest::newRow("banker half lost")
        << QStringList{"--bank", "3", "--system", "2", "--won", "1", "--half-won", "2", "--half-lost", "F1"}
        << QStringList{"01 02\t1.13", "\t", "\tÖssz.: 1.13", "\tNy/s.: 1.13"};
    // 1.50 x 2.00 / 2 x 2.50 / 5.
    QTest::newRow("dead heats of a tip and a banker")
        << QStringList{"--bank", "3", "--system", "2", "--won", "1", "--dead-heat", "2:2,f1:5"}
        << QStringList{"01 02\t0.75", "\t", "\tÖssz.: 0.75", "\tNy/s.: 0.75"};
    // The tips listed first, their odds in the form asked for (2.50 as the bookmakers write it,
    // 6/4); the bankers after them.
    QTest::newRow("tips in fractional odds")
        << QStringList{"--odds-format", "fractional", "--system", "3"}
        << QStringList{"1\tA (hazai nyer)\tB\t1/2", "2\tC (hazai nyer)\tD\tEvens",
                       "3\tE (hazai nyer)\tF\t6/4", "01 02 03\t7.50"};
    QTest::newRow("tips and banker in American odds, one won")
        << QStringList{"--odds-format", "AMERICAN", "--bank", "3", "--system", "2", "--won", "1,2"}
        << QStringList{"1\tA (hazai nyer)\tB\t-200 (nyert)",
                       "2\tC (hazai nyer)\tD\t+100 (nyert)",
                       "F1\tE (hazai nyer)\tF\t+150",
                       "01 02\t7.50",
                       "\t",
                       "\tÖssz.: 7.50",
                       "\tNy/s.: 7.50"};
    QTest::newRow("banker standing") << QStringList{"--bank", "3", "--system", "2", "--won", "1,2"}
                                     << QStringList{"01 02\t7.50", "\t", "\tÖssz.: 7.50", "\tNy/s.: 7.50"};
    // A list of singles is settled, not left at its odds.
    QTest::newRow("singles settled") << QStringList{"--system", "1", "--won", "1"}
                                     << QStringList{"01\t1.50", "02\t0.00",      "03\t0.00",
                                                    "\t",       "\tÖssz.: 1.50", "\tNy/s.: 0.50"};
    // At 1/4: tip 1 1.50 + 1.125, tip 2 placed 1.25, tip 3 nothing.
    QTest::newRow("each-way singles")
        << QStringList{"--system", "1", "--each-way", "1/4:3", "--won", "1", "--placed", "2"}
        << QStringList{"01\t2.63",
                       "02\t1.25",
                       "03\t0.00",
                       "\t",
                       "\tÖssz.: 3.88",
                       "\tNy/s.: 1.29",
                       "Tét: 3 fogadás × 2 sor = 6 egység"};
    // Tip 1 won less 50p: win 1.25, place 1.0625; tip 2 in a dead heat of two for second: place
    // 1.25 x 2 / 2; tip 3 to win only, lost. 1.0625 x 1.25 = 1.328125.
    QTest::newRow("each-way doubles, Rule 4, dead heat for a place")
        << QStringList{"--system", "2",           "--each-way", "1=1/4:3,2=1/4:3", "--won",
                       "1",        "--dead-heat", "2:2@2",      "--rule4",         "1:50"}
        << QStringList{"01 02\t1.33",
                       "01 03\t0.00",
                       "02 03\t0.00",
                       "\t",
                       "\tÖssz.: 1.33",
                       "\tNy/s.: 0.44",
                       "Tét: 3 fogadás × 2 sor = 6 egység"};
}

void TestCli::cancelledTips() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    const Run run = runCli(arguments << write("three.txt", kThreeTips));
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts), lines);
}

// 9/2 each-way at 1/5 for 15 a line: placed 15 x 1.90, won 15 x (5.50 + 1.90).
void TestCli::eachWayReturnTable() {
    const Run run = runCli({"--system", "1", "--each-way", "1/5:4", "--table", "--stake", "15",
                            write("horse.txt", "A v B\nA\n9/2\n")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith(
        QStringLiteral("Nyertes tippek\tHelyezett tippek\tMin. visszatérés\tMax. visszatérés\n"
                       "0\t0\t0.00\t0.00\n0\t1\t28.50\t28.50\n1\t0\t111.00\t111.00\n"
                       "Tét / kötés:\t15.00 × 2\nÖssztét:\t30.00\n")));
}

void TestCli::returnTableWithCancelledTipAndStake() {
    const QString three = write("three.txt", kThreeTips);
    // A key's bet list, priced, then settled with tip 2 cancelled: 1.50, 3.75 and 2.50.
    const QString key = write("02_03_02.txt", "001 002\r\n001 003\r\n002 003\r\n");
    const Run settled = runCli({"--key", key, "--odds", "--won", "1,3", "--void", "2", three});
    QCOMPARE(settled.status, 0);
    QCOMPARE(
        settled.out.split('\n', Qt::SkipEmptyParts),
        (QStringList{"01 02\t1.50", "01 03\t3.75", "02 03\t2.50", "\t", "\tÖssz.: 7.75", "\tNy/s.: 2.58"}));

    const Run table = runCli({"--system", "trixie", "--void", "2", "--table", "--stake", "100", three});
    QCOMPARE(table.status, 0);
    QVERIFY(
        table.out.contains(QStringLiteral("\n0\t0.00\t0.00\t0\t0\t-400.00\t-400.00\n"
                                          "1\t150.00\t250.00\t1\t1\t-250.00\t-150.00\n"
                                          "2\t1150.00\t1150.00\t4\t4\t750.00\t750.00\n")));
    QVERIFY(table.out.endsWith(QStringLiteral("Tét / kötés:\t100.00\nÖssztét:\t400.00\n")));
}

KOMBINATOR_TEST(TestCli);
#include "tst_cli.moc"
