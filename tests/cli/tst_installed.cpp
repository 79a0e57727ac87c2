// A copy installed into a prefix whose bin/ the user may write, started with a home of its own:
// it must read the shipped data from share/kombinator and keep the user's files in the user's
// data folder, never beside the program.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "runprogram.h"
#include "testmain.h"

using kombinator::test::ProgramRun;
using kombinator::test::runProgram;

class TestInstalled : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void installedWindowFindsItsData();

private:
    QTemporaryDir prefix_, home_;
};

void TestInstalled::initTestCase() {
#ifdef Q_OS_WIN
    QSKIP("the layout of a Linux installation; Windows installs with its own installer");
#endif
    QVERIFY(prefix_.isValid() && home_.isValid());
    const ProgramRun install = runProgram(QStringLiteral(CMAKE_COMMAND_PATH),
                                          {"--install", KOMBINATOR_BUILD_DIR, "--prefix", prefix_.path()});
    QVERIFY2(install.status == 0, qPrintable(install.err));
}

void TestInstalled::installedFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("iconSize");  // 0: not a bitmap icon
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", size)
            << QStringLiteral("share/icons/hicolor/%1x%1/apps/kombinator.png").arg(size) << size;
    for (const char* path :
         {"bin/kombinator", "bin/kombinator-cli", "share/icons/hicolor/scalable/apps/kombinator.svg",
          "share/applications/" KOMBINATOR_APP_ID ".desktop",
          "share/metainfo/" KOMBINATOR_APP_ID ".metainfo.xml", "share/man/man1/kombinator.1.gz",
          "share/man/man1/kombinator-cli.1.gz", "share/man/hu/man1/kombinator.1.gz",
          "share/man/hu/man1/kombinator-cli.1.gz", "share/doc/kombinator/copyright",
          "share/doc/kombinator/changelog.gz", "share/kombinator/tkulcs/tippek.inf",
          "share/kombinator/kezikonyv.html"})
        QTest::newRow(path) << QString::fromLatin1(path) << 0;
}

void TestInstalled::installedFiles() {
    QFETCH(QString, path);
    QFETCH(int, iconSize);
    QVERIFY(QFileInfo(prefix_.filePath(path)).isFile());
    if (iconSize > 0) QCOMPARE(QImageReader(prefix_.filePath(path)).size(), QSize(iconSize, iconSize));
}

void TestInstalled::installedWindowFindsItsData() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        env.remove(QString::fromLatin1(name));
    env.insert("HOME", home_.path());
    const QString runtime = home_.filePath("run");  // the single-instance lock of this copy alone
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KOMBINATOR_SELF_CHECK", "1");

    const ProgramRun run = runProgram(prefix_.filePath("bin/kombinator"), {}, env);
    QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
    const QString user = home_.filePath(".local/share/kombinator");
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), "data folder: " + user);
    QVERIFY(lines.contains("marker in the tip grid: placed"));
    for (const char* marker : {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"})
        QVERIFY2(lines.contains(QStringLiteral("marker %1: loaded").arg(marker)), marker);
    QVERIFY(lines.contains("window icon: found"));
    // Every line of the shipped library is a key the dialog lists.
    QFile library(QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/tkulcs/tippek.inf"));
    QVERIFY(library.open(QIODevice::ReadOnly));
    const qsizetype keys = library.readAll().count('\n');
    QVERIFY(keys > 100);
    QVERIFY2(lines.contains(QStringLiteral("key library: %1 keys").arg(keys)), qPrintable(run.out));

    // The user's folder holds the shipped files and their record; nothing landed beside the program.
    QVERIFY(QFileInfo(user + "/tkulcs/tippek.inf").isFile());
    QVERIFY(QFileInfo(user + "/.kombinator-shipped").isFile());
    QCOMPARE(QDir(prefix_.filePath("bin")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"kombinator", "kombinator-cli"}));

    // The command line shares that folder and answers from the prefix as well.
    const ProgramRun cli = runProgram(prefix_.filePath("bin/kombinator-cli"), {"--version"}, env);
    QCOMPARE(cli.out, QStringLiteral("kombinator-cli " KOMBINATOR_VERSION "\n"));

    // Started by another name (a link "kombi"), the window keeps the program's folder, and the
    // command line converting a coupon uses it too.
    const QString link = home_.filePath("kombi");
    QVERIFY(QFile::link(prefix_.filePath("bin/kombinator"), link));
    QCOMPARE(runProgram(link, {}, env).out.section('\n', 0, 0), "data folder: " + user);
    QFile coupon(home_.filePath("coupon.txt"));
    QVERIFY(coupon.open(QIODevice::WriteOnly) && coupon.write("A - B\nA\n1,50\n") > 0);
    coupon.close();
    QCOMPARE(runProgram(prefix_.filePath("bin/kombinator-cli"), {coupon.fileName()}, env).status, 0);
    QCOMPARE(QDir(home_.filePath(".local/share")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"kombinator"});
}

KOMBINATOR_TEST(TestInstalled);
#include "tst_installed.moc"
