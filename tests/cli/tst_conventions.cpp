// What both programs promise on the command line: usage and version on request, the manual pages
// listing exactly the options of the usage, and a calculator the window would not let the user
// press refused as the window's enabling rule says.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "calc/fullcover.h"
#include "calc/namedbets.h"
#include "runprogram.h"
#include "testmain.h"

using kombinator::test::ProgramRun;
using kombinator::test::runProgram;

namespace {

const QString kCli = QStringLiteral(KOMBINATOR_CLI_PATH);
const QString kGui = QStringLiteral(KOMBINATOR_GUI_PATH);

// The long options and -h named in a text.
QSet<QString> optionsIn(const QString& text) {
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(-h|--[a-z][a-z-]*)\\b"));
    QSet<QString> found;
    for (auto it = option.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    return found;
}

// The OPTIONS section of a manual page, with roff's escaped hyphens made plain.
QString optionSection(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString page = QString::fromUtf8(file.readAll());
    page.replace(QLatin1String("\\-"), QLatin1String("-"));
    static const QRegularExpression heading(QStringLiteral("^\\.SH (OPTIONS|KAPCSOLÓK)$"),
                                            QRegularExpression::MultilineOption);
    const qsizetype begin = page.indexOf(heading);
    if (begin < 0) return {};
    const qsizetype end = page.indexOf(QLatin1String("\n.SH "), begin + 1);
    return page.mid(begin, end < 0 ? -1 : end - begin);
}

// A coupon of `tips` events, three lines each.
QByteArray coupon(int tips) {
    QByteArray text;
    for (int i = 1; i <= tips; ++i)
        text += QStringLiteral("Hazai %1 - Vendég %1\nHazai %1\n1,50\n").arg(i).toUtf8();
    return text;
}

}  // namespace

class TestConventions : public QObject {
    Q_OBJECT
private slots:
    void usageOnRequest_data();
    void usageOnRequest();
    void version_data();
    void version();
    void windowRefusesUnknownOption_data();
    void windowRefusesUnknownOption();
    void manualPagesListTheUsage_data();
    void manualPagesListTheUsage();
    void documentationListsEverySystem_data();
    void documentationListsEverySystem();
    void systemAsTheWindowAllows_data();
    void systemAsTheWindowAllows();
    void returnTableParted();

private:
    QString couponFile(int tips);
    QTemporaryDir dir_;
};

QString TestConventions::couponFile(int tips) {
    const QString path = dir_.filePath(QStringLiteral("%1.txt").arg(tips));
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) file.write(coupon(tips));
    return path;
}

void TestConventions::usageOnRequest_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");
    const QString cliUsage = QStringLiteral("Használat: kombinator-cli [--bank N]...");
    QTest::newRow("cli --help") << kCli << QStringList{"--help"} << cliUsage;
    QTest::newRow("cli -h") << kCli << QStringList{"-h"} << cliUsage;
    QTest::newRow("cli -h after options") << kCli << QStringList{"--system", "2", "-h"} << cliUsage;
    QTest::newRow("window --help") << kGui << QStringList{"--help"}
                                   << QStringLiteral("Használat: kombinator [KAPCSOLÓ]");
    QTest::newRow("window -h") << kGui << QStringList{"-h"}
                               << QStringLiteral("Használat: kombinator [KAPCSOLÓ]");
}

void TestConventions::usageOnRequest() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    const ProgramRun run = runProgram(program, arguments);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(firstLine), qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("  -h, --help  ")));
    QVERIFY(run.err.isEmpty());
}

void TestConventions::version_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cli") << kCli << QStringLiteral("kombinator-cli " KOMBINATOR_VERSION "\n");
    QTest::newRow("window") << kGui << QStringLiteral("kombinator " KOMBINATOR_VERSION "\n");
}

void TestConventions::version() {
    QFETCH(QString, program);
    QFETCH(QString, expected);
    const ProgramRun run = runProgram(program, {QStringLiteral("--version")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
}

void TestConventions::windowRefusesUnknownOption_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<QString>("unknown");
    // Qt takes its own options (-platform) first; what is left is no option of ours.
    QTest::newRow("after Qt's own") << QStringList{"-platform", "offscreen", "--stake"} << true << "--stake";
    QTest::newRow("Qt's with a value") << QStringList{"--style=Fusion", "extra"} << true << "extra";
    // Told before any window system is asked for.
    QTest::newRow("without a display") << QStringList{"--bogus"} << false << "--bogus";
}

void TestConventions::windowRefusesUnknownOption() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(QString, unknown);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!display) {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
    }
    const ProgramRun run = runProgram(kGui, arguments, env);
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains(QStringLiteral("Ismeretlen kapcsoló: %1\nHasználat: kombinator").arg(unknown)));
    QVERIFY(run.out.isEmpty());
}

void TestConventions::manualPagesListTheUsage_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("page");
    const QString man = QStringLiteral(KOMBINATOR_SOURCE_DIR "/packaging/man/");
    QTest::newRow("kombinator-cli.1") << kCli << man + "kombinator-cli.1";
    QTest::newRow("hu/kombinator-cli.1") << kCli << man + "hu/kombinator-cli.1";
    QTest::newRow("kombinator.1") << kGui << man + "kombinator.1";
    QTest::newRow("hu/kombinator.1") << kGui << man + "hu/kombinator.1";
}

void TestConventions::manualPagesListTheUsage() {
    QFETCH(QString, program);
    QFETCH(QString, page);
    const QSet<QString> usage = optionsIn(runProgram(program, {"--help"}).out);
    QVERIFY(usage.contains("--help") && usage.contains("--version"));
    QCOMPARE(optionsIn(optionSection(page)), usage);
}

// Where the documentation lists the full-cover systems and the other named bets, it lists their
// tables: the guides' tables (caption and tips), the usage's and the manual pages' names, the
// first and the last.
void TestConventions::documentationListsEverySystem_data() {
    QTest::addColumn<QString>("file");  // empty: the command line's usage
    QTest::addColumn<QString>("pattern");
    QStringList names, rows;
    for (const kombinator::calc::FullCoverSystem& system : kombinator::calc::kFullCoverSystems) {
        names << QRegularExpression::escape(QString::fromUtf8(system.name));
        rows << QStringLiteral("<tr><td>%1</td><td>%2</td>")
                    .arg(QRegularExpression::escape(system.caption()))
                    .arg(system.tips);
    }
    QStringList otherRows;
    for (const kombinator::calc::NamedBet& bet : kombinator::calc::kNamedBets) {
        names << QRegularExpression::escape(QString::fromUtf8(bet.name));
        otherRows << QStringLiteral("<tr><td>%1</td><td>%2</td>")
                         .arg(QRegularExpression::escape(bet.caption()),
                              bet.tips == bet.maxTips
                                  ? QString::number(bet.tips)
                                  : QStringLiteral("%1–%2").arg(bet.tips).arg(bet.maxTips));
    }
    const auto caption = [](const kombinator::calc::FullCoverSystem& system) {
        return QRegularExpression::escape(system.caption());
    };
    const QString firstToLast = QStringLiteral("%1\\S* (to|a) \\S*%2")
                                    .arg(caption(kombinator::calc::kFullCoverSystems.front()),
                                         caption(kombinator::calc::kFullCoverSystems.back()));
    const QString source = QStringLiteral(KOMBINATOR_SOURCE_DIR "/");
    QTest::newRow("guide") << source + "resources/kezikonyv.html" << rows.join("<td>[^<]*</td></tr> ");
    for (const char* guide : {"kezikonyv.html", "guide.html"})
        QTest::newRow(guide) << source + "resources/" + guide << otherRows.join("<td>[^<]*</td></tr> ");
    QTest::newRow("usage") << QString() << "vagy " + names.join(", ") + "$";
    for (const char* page : {"kombinator-cli.1", "hu/kombinator-cli.1"})
        QTest::newRow(page) << source + "packaging/man/" + page << "\\(" + names.join(", ") + "\\)";
    for (const char* page : {"kombinator.1", "hu/kombinator.1"})
        QTest::newRow(page) << source + "packaging/man/" + page << firstToLast;
    QTest::newRow("README") << source + "README.md" << firstToLast;
}

void TestConventions::documentationListsEverySystem() {
    QFETCH(QString, file);
    QFETCH(QString, pattern);
    QString text;
    if (file.isEmpty()) {
        // The --system entry of the usage, its wrapped lines joined.
        const QString usage = runProgram(kCli, {"--help"}).out;
        const qsizetype at = usage.indexOf(QLatin1String("\n  --system"));
        text = usage.mid(at, usage.indexOf(QLatin1String("\n  --key"), at) - at);
    } else {
        QFile doc(file);
        QVERIFY(doc.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(doc.readAll());
    }
    QVERIFY2(QRegularExpression(pattern).match(text.simplified()).hasMatch(), qPrintable(pattern));
}

void TestConventions::systemAsTheWindowAllows_data() {
    QTest::addColumn<int>("tips");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal");  // empty: pressed, `bets` bet lines
    QTest::addColumn<int>("bets");
    QTest::newRow("trixie over four tips")
        << 4 << QStringList{"--system", "trixie"} << "A(z) „Trixie 4” rendszer 4 tippre nem választható.\n"
        << 0;
    QTest::newRow("trixie over three") << 3 << QStringList{"--system", "trixie"} << "" << 4;
    QTest::newRow("five of four") << 4 << QStringList{"--system", "5"}
                                  << "A(z) „5” rendszer 4 tippre nem választható.\n"
                                  << 0;
    QTest::newRow("four of four") << 4 << QStringList{"--system", "4"} << "" << 1;
    QTest::newRow("super heinz needs seven") << 4 << QStringList{"--system", "super heinz"}
                                             << "A(z) „Super Heinz 120” rendszer 4 tippre nem választható.\n"
                                             << 0;
    QTest::newRow("flag needs four") << 3 << QStringList{"--system", "flag"}
                                     << "A(z) „Flag 23” rendszer 3 tippre nem választható.\n"
                                     << 0;
    QTest::newRow("DSA over three") << 3 << QStringList{"--system", "DSA"} << "" << 6;
    QTest::newRow("13 of 13") << 13 << QStringList{"--system", "13"} << "" << 1;
    QTest::newRow("doubles of 14") << 14 << QStringList{"--system", "2"}
                                   << "A(z) „2” rendszer 14 tippre nem választható.\n"
                                   << 0;
    QTest::newRow("singles of 14") << 14 << QStringList{"--system", "1"} << "" << 14;
    // A banker leaves four tips in the grid: the systems of four are the ones to press.
    QTest::newRow("lucky 15 beside a banker")
        << 5 << QStringList{"--bank", "5", "--system", "lucky 15"} << "" << 15;
    QTest::newRow("lucky 31 beside a banker") << 5 << QStringList{"--bank", "5", "--system", "lucky 31"}
                                              << "A(z) „Lucky 31” rendszer 4 tippre nem választható.\n"
                                              << 0;
}

void TestConventions::systemAsTheWindowAllows() {
    QFETCH(int, tips);
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    QFETCH(int, bets);
    const ProgramRun run = runProgram(kCli, arguments << couponFile(tips));
    QCOMPARE(run.err, refusal);
    QCOMPARE(run.status, refusal.isEmpty() ? 0 : 1);
    int betLines = 0;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
        betLines += line.startsWith('\t') ? 0 : 1;
    QCOMPARE(betLines, bets);
}

void TestConventions::returnTableParted() {
    const ProgramRun run = runProgram(kCli, {"--system", "2", "--table", couponFile(3)});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split('\n');
    const qsizetype header = lines.indexOf(QRegularExpression(QStringLiteral("^Nyertes tippek\t.*")));
    QVERIFY(header >= 2);
    // Three doubles at 2.25: 6.75 in all, 2.25 on average.
    QCOMPARE(lines[header - 2], QStringLiteral("\tNy/s.: 2.25"));
    QCOMPARE(lines[header - 1], QString());
}

KOMBINATOR_TEST(TestConventions);
#include "tst_conventions.moc"
