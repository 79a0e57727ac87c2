// The key library and key files as no key maker wrote them: NUL bytes, bytes that are not
// UTF-8, a million records, tip numbers that name no tip.
#include <QTest>

#include "keydesk.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

// The key `bytes` put into the bet list through "Kiválaszt" with `tips` tips; false when the
// dialog stayed open.
bool substitute(KeyDesk& desk, const QByteArray& bytes, int tips = 6) {
    const QString name = QStringLiteral("02_%1_01.txt").arg(tips, 2, 10, QChar(u'0'));
    desk.writeLibrary(name + QStringLiteral(" Próba\r\n"));
    desk.writeKey(name, bytes);
    gyari* dialog = desk.open(tips);
    dialog->List1.clickLine(0);
    dialog->Command3.click();
    return desk.form.gyariDialog() == nullptr;
}

const char kBrokenLibrary[] = "05_12_01.txt \xff\xfe\r\n03_10_05.txt T\xedz\x00 esem\xe9ny\r\n\x00\r\n";

}  // namespace

class HostileKeysTest : public QObject {
    Q_OBJECT
private slots:
    void libraryWithBrokenBytes();
    void keyFileWithBrokenBytes_data();
    void keyFileWithBrokenBytes();
    void millionRecords();
    void keyNamingNoTip();
};

void HostileKeysTest::libraryWithBrokenBytes() {
    KeyDesk desk;
    // Not UTF-8 (the FF byte): read as Windows-1250, NUL characters and all.
    desk.platform.writeFile(QStringLiteral("tkulcs/tippek.inf"),
                            QByteArray(kBrokenLibrary, sizeof kBrokenLibrary - 1));
    gyari* dialog = desk.open(10);
    const QString nulLine = QStringLiteral("03_10_05.txt Tíz") + QChar(0) + QStringLiteral(" esemény");
    QCOMPARE(dialog->List1.lines(), (QStringList{QString(QChar(0)), nulLine, "05_12_01.txt ˙ţ"}));
    QCOMPARE(dialog->Label1.caption(), QStringLiteral("3"));

    dialog->Option1.select(1);
    QCOMPARE(
        dialog->List2.lines(),
        (QStringList{"00_00_00", "10_03_05.txt Tíz" + QString(QChar(0)) + " esemény", "12_05_01.txt ˙ţ"}));
    dialog->List2.clickLine(2);
    QCOMPARE(dialog->Text1.text(), QStringLiteral("05_12_01.txt ˙ţ"));

    // A description with a NUL character goes into the library and comes back from it whole.
    dialog->Option1.select(0);
    dialog->Text1.setText(QStringLiteral("01_02_03.txt ") + QChar(0) + QStringLiteral("Ö°"));
    dialog->Command2.click();
    dialog->Command4.click();
    gyari* again = desk.open(10);
    QCOMPARE(again->List1.count(), 4);
    QCOMPARE(again->List1.line(1), QStringLiteral("01_02_03.txt ") + QChar(0) + QStringLiteral("Ö°"));
    QCOMPARE(again->List1.line(2), nulLine);
}

void HostileKeysTest::keyFileWithBrokenBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("bets");
    QTest::newRow("NUL separators") << QByteArray(
                                           "001\x00"
                                           "002\x00"
                                           "003\r\n",
                                           13)
                                    << QStringList{"01 02 03"};
    QTest::newRow("NUL in a number") << QByteArray(
                                            "0\x00"
                                            "1 002\r\n",
                                            9)
                                     << QStringList{"00 02"};
    // Not UTF-8: read as Windows-1250, where FF is a letter.
    QTest::newRow("not UTF-8") << QByteArray(
                                      "\xff"
                                      "01 002\r\n001 002 003\r\n")
                               << QStringList{"00 02", "01 02 03"};
    QTest::newRow("UTF-8 letter in a number") << QByteArray(
                                                     "001 0\xc5\x91"
                                                     "2 003\r\n")
                                              << QStringList{"01 00 03"};
    QTest::newRow("quote never closed") << QByteArray("\"001 002\r\n\"") << QStringList{"01 02", ""};
    QTest::newRow("nothing but line ends") << QByteArray("\r\n\n\r") << QStringList{"", "", ""};
}

void HostileKeysTest::keyFileWithBrokenBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, bets);
    KeyDesk desk;
    QVERIFY(substitute(desk, bytes));
    QCOMPARE(desk.form.List1.lines(), bets);
    QCOMPARE(desk.form.Label1.caption(), QString::number(bets.size()));
    QVERIFY(desk.platform.messages.empty());
}

void HostileKeysTest::millionRecords() {
    constexpr int kRecords = 1000000;
    QByteArray bytes;
    bytes.reserve(kRecords * 25);
    for (int i = 0; i < kRecords; ++i) {
        bytes += QByteArray::number(1 + i % 6).rightJustified(3, '0');
        bytes += " 007 008 009 010 011\r\n";
    }
    KeyDesk desk;
    QVERIFY(substitute(desk, bytes, 11));
    QCOMPARE(desk.form.List1.count(), kRecords);
    QCOMPARE(desk.form.Label1.caption(), QStringLiteral("1000000"));
    QCOMPARE(desk.form.List1.line(0), QStringLiteral("01 07 08 09 10 11"));
    QCOMPARE(desk.form.List1.line(kRecords - 1), QStringLiteral("04 07 08 09 10 11"));
}

void HostileKeysTest::keyNamingNoTip() {
    KeyDesk desk;
    desk.platform.installResources({"xxz.bmp"});
    desk.form.List5.setLines({"A - B", "A", "1,50", "C - D", "C", "2,00"});
    desk.form.Command2.click();
    QVERIFY(substitute(desk, "000 001\r\n001 099\r\n099 000\r\n001 002\r\n002 100\r\n", 2));
    QCOMPARE(desk.form.List1.lines(), (QStringList{"00 01", "01 99", "99 00", "01 02", "02 100"}));

    // "Odds": only the bet of real tips gets an amount; the mean divides by every line.
    desk.form.Command19.click();
    QCOMPARE(desk.form.List3.lines(), (QStringList{"3.00", "", "Össz.: 3.00", "Ny/s.: 0.60"}));
    // Settled with both tips won: the others return nothing.
    desk.form.Grid1.clickCell(0, 3);
    desk.form.Command21.click();
    QCOMPARE(desk.form.List3.lines(),
             (QStringList{"0.00", "0.00", "0.00", "3.00", "0.00", "", "Össz.: 3.00", "Ny/s.: 0.60"}));
}

KOMBINATOR_TEST(HostileKeysTest);
#include "tst_hostile.moc"
