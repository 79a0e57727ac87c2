// kombinator-cli --make-key: a key made to order, written as a key file.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "keys/keysearch.h"
#include "testmain.h"

namespace {

struct Made {
    int status = -1;
    QByteArray out;
    QString err;
};

Made makeKey(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KOMBINATOR_CLI_PATH), QStringList{"--make-key"} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestMakeKey : public QObject {
    Q_OBJECT
private slots:
    void doublesAreTheExactConstruction();
    void writesTheKeyFile();
    void numbersOutOfRange_data();
    void numbersOutOfRange();
    void notAKeyName();
    void keyProfile_data();
    void keyProfile();
};

void TestMakeKey::doublesAreTheExactConstruction() {
    const Made made = makeKey({"02_50_10"});
    QCOMPARE(made.status, 0);
    using namespace kombinator::keys;
    const std::vector<Bet> exact = groupConstruction({2, 50, 10});
    QCOMPARE(exact.size(), std::size_t{115});  // every pair inside 9 groups: 5 of 6 events, 4 of 5
    QCOMPARE(made.out, QByteArray::fromStdString(keyFileText(exact)));
    QVERIFY(made.out.startsWith("001 002\r\n001 003\r\n"));
    QVERIFY(made.out.endsWith("048 049\r\n048 050\r\n049 050\r\n"));
    QVERIFY(
        made.err.contains(QStringLiteral("02_50_10: 115 fogadás, a legjobb ismert: 115, bizonyított alsó "
                                         "korlát: 115 – egyenlő a legjobb ismerttel")));
}

void TestMakeKey::writesTheKeyFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("03_09_07.txt"));
    const Made made = makeKey({"03_09_07", "--out", path});
    QCOMPARE(made.status, 0);
    QVERIFY(made.out.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("001 002 003\r\n004 005 006\r\n007 008 009\r\n"));
}

void TestMakeKey::numbersOutOfRange_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("doubles, 51 events") << "02_51_10";
    QTest::newRow("trebles, 25 events") << "03_25_07";
    QTest::newRow("seven tips a bet") << "07_20_10";
    QTest::newRow("singles") << "01_10_05";
    QTest::newRow("guarantee below the tips") << "04_10_03";
    QTest::newRow("guarantee of every event") << "04_10_10";
}

void TestMakeKey::numbersOutOfRange() {
    QFETCH(QString, name);
    const Made made = makeKey({name});
    QCOMPARE(made.status, 1);
    QVERIFY(made.out.isEmpty());
    QVERIFY(made.err.contains(QStringLiteral("Ilyen kulcs nem készíthető: ") + name));
}

void TestMakeKey::keyProfile_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    const QString titles = QStringLiteral("Bejövő tippek\tLegkevesebb nyerő kötés\tLegtöbb nyerő kötés\n");
    QTest::newRow("groups of three") << "03_09_07.txt"
                                     << QByteArray("001 002 003\r\n004 005 006\r\n007 008 009\r\n") << 0
                                     << titles + "7\t1\t2\n8\t2\t2\n9\t3\t3\n";
    // The name promises a fifth event that no bet holds: four winners of five win one bet or two.
    QTest::newRow("events from the name")
        << "02_05_04.txt" << QByteArray("001 002\r\n003 004\r\n") << 0 << titles + "4\t1\t2\n5\t2\t2\n";
    QTest::newRow("events from the highest tip")
        << "sajat.txt" << QByteArray("001 002\r\n003 004\r\n") << 0 << titles + "3\t1\t1\n4\t2\t2\n";
    QTest::newRow("tip 25") << "sajat.txt" << QByteArray("001 025\r\n") << 1 << QString();
    QTest::newRow("no bet") << "sajat.txt" << QByteArray("\r\n") << 1 << QString();
}

void TestMakeKey::keyProfile() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, key);
    QFETCH(int, status);
    QFETCH(QString, out);
    QTemporaryDir dir;
    QFile file(dir.filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(key);
    file.close();
    QProcess process;
    process.start(QStringLiteral(KOMBINATOR_CLI_PATH), {"--key-profile", file.fileName()});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), out);
}

void TestMakeKey::notAKeyName() {
    QCOMPARE(makeKey({"4_10_6"}).status, 2);
    QCOMPARE(makeKey({}).status, 2);
    QCOMPARE(makeKey({"03_09_07", "coupon.txt"}).status, 2);
}

KOMBINATOR_TEST(TestMakeKey);
#include "tst_makekey.moc"
