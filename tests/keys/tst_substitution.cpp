// Key substitution: key file records, bet lines, and the "Kiválaszt" button of the key dialog.
#include <QDir>
#include <QTest>

#include "keydesk.h"
#include "keys/substitution.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");
const QString kSixKey = QStringLiteral("02_06_01.txt Hat esemény, három fogadás");

}  // namespace

class TestSubstitution : public QObject {
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void betLines_data();
    void betLines();
    void substituting_data();
    void substituting();
    void nothingSubstituted_data();
    void nothingSubstituted();
    void selectingWritesTheChangedLibrary();
};

void TestSubstitution::records_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("one bet a line") << "001 002 003\r\n001 004 005\r\n"
                                    << QStringList{"001 002 003", "001 004 005"};
    QTest::newRow("comma splits a line") << "001 002,003 004\r\n" << QStringList{"001 002", "003 004"};
    QTest::newRow("leading blanks skipped") << "  1   2   3\r\n\t004\r\n" << QStringList{"1   2   3", "004"};
    QTest::newRow("blanks around a comma") << "001 002   ,  003  \r\n" << QStringList{"001 002   ", "003  "};
    QTest::newRow("trailing blanks kept") << "010    \r\n" << QStringList{"010    "};
    QTest::newRow("quoted") << "\"001 002\"\r\n" << QStringList{"001 002"};
    QTest::newRow("quoted comma") << "\"001,002\" x,003\r\n" << QStringList{"001,002", "003"};
    QTest::newRow("quote never closed") << "\"001 002\r\n003" << QStringList{"001 002", "003"};
    QTest::newRow("empty lines") << "\r\n\r\n" << QStringList{"", ""};
    QTest::newRow("LF and CR line ends, no last end") << "001\n002\r003" << QStringList{"001", "002", "003"};
    QTest::newRow("comma at the line end") << "001,\r\n002" << QStringList{"001", "002"};
    QTest::newRow("two commas") << "001,,002" << QStringList{"001", "", "002"};
    QTest::newRow("lone comma") << "," << QStringList{""};
    QTest::newRow("empty text") << "" << QStringList();
}

void TestSubstitution::records() {
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    QCOMPARE(keys::keyRecords(text), records);
}

void TestSubstitution::betLines_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("betLine");
    QTest::newRow("blank separators") << "001 002 003"
                                      << "01 02 03";
    QTest::newRow("any separator") << "001-004\t005"
                                   << "01 04 05";
    QTest::newRow("last separator left out") << "002 004 006 "
                                             << "02 04 06";
    QTest::newRow("right-aligned after skipping") << "1   2   3"
                                                  << "01 02";
    QTest::newRow("part field ignored") << "001 002 00"
                                        << "01 02";
    QTest::newRow("one character") << "1"
                                   << "";
    QTest::newRow("two characters") << "12"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("three digits") << "123"
                                  << "123";
    QTest::newRow("blanks inside a field") << "1 2 003"
                                           << "12 03";
    QTest::newRow("not a number") << "abc 002"
                                  << "00 02";
    QTest::newRow("digits then letters") << "7xy 010"
                                         << "07 10";
    QTest::newRow("a sign is not a digit") << "-01 +02 003"
                                           << "00 00 03";
    QTest::newRow("four blanks make a field of 0") << "010    "
                                                   << "10 00";
    QTest::newRow("three blanks make no field") << "010   "
                                                << "10";
}

void TestSubstitution::betLines() {
    QFETCH(QString, record);
    QFETCH(QString, betLine);
    QCOMPARE(keys::recordBetLine(record), betLine);
}

void TestSubstitution::substituting_data() {
    QTest::addColumn<QByteArray>("keyFile");
    QTest::addColumn<QStringList>("bets");
    QTest::newRow("six tips, three bets") << QByteArray("001 002 003\r\n001;004;005\r\n002\t004\t006\r\n")
                                          << QStringList{"01 02 03", "01 04 05", "02 04 06"};
    QTest::newRow("right-aligned numbers") << QByteArray("  1   2   3\r\n") << QStringList{"01 02"};
    QTest::newRow("short and empty records")
        << QByteArray("1\r\n\r\n12\r\n001 002\r\n") << QStringList{"", "", "", "01 02"};
    QTest::newRow("comma line") << QByteArray("001 002,003 004\r\n") << QStringList{"01 02", "03 04"};
    QTest::newRow("quoted record") << QByteArray("\"001 005 006\"\r\n") << QStringList{"01 05 06"};
    QTest::newRow("trailing blanks and signs")
        << QByteArray("010    \r\n-01 002\r\n") << QStringList{"10 00", "00 02"};
    QTest::newRow("empty key file") << QByteArray() << QStringList();
}

void TestSubstitution::substituting() {
    QFETCH(QByteArray, keyFile);
    QFETCH(QStringList, bets);
    KeyDesk desk;
    desk.writeLibrary(kSixKey + QStringLiteral("\r\n"));
    desk.writeKey(QStringLiteral("02_06_01.txt"), keyFile);
    desk.form.List1.setLines({QStringLiteral("01 02"), QStringLiteral("03 04"), QStringLiteral("05 06")});
    desk.form.List3.setLines({QStringLiteral("3.75")});
    gyari* dialog = desk.open(6);
    dialog->List1.clickLine(0);
    dialog->Command3.click();

    QCOMPARE(desk.form.List1.lines(), bets);
    QCOMPARE(desk.form.List1.toolTip(), kSixKey);
    QCOMPARE(desk.form.Label1.caption(), QString::number(bets.size()));
    QCOMPARE(desk.form.List3.lines(), QStringList{QStringLiteral("3.75")});  // priced later by "Odds"
    QVERIFY(desk.platform.messages.empty());
    QCOMPARE(desk.form.gyariDialog(), nullptr);
    QCOMPARE(desk.libraryBytes(), KeyDesk::cp1250(kSixKey + QStringLiteral("\r\n")));
}

void TestSubstitution::nothingSubstituted_data() {
    QTest::addColumn<bool>("pick");
    QTest::addColumn<int>("tips");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");  // none: the key file could not be read, the bet list is emptied
    const QString wrongCount = QStringLiteral("A kulcs nem felel meg az esemény számnak, ami ");
    QTest::newRow("no line selected") << false << 6 << kSixKey << "Nincs kulcs kiválasztva !";
    QTest::newRow("ten-event key, twelve tips")
        << true << 12 << "03_10_02.txt Tíz esemény" << wrongCount + "12 !";
    QTest::newRow("six-event key, five tips") << true << 5 << kSixKey << wrongCount + "5 !";
    QTest::newRow("a sign before the events") << true << 6 << "01_+6_aa.txt" << wrongCount + "6 !";
    QTest::newRow("description emptied") << true << 6 << "" << wrongCount + "6 !";
    QTest::newRow("missing key file") << true << 6 << "04_06_09.txt nincs ilyen"
                                      << "";
    QTest::newRow("folder named like the key") << true << 6 << "05_06_01.txt mappa"
                                               << "Nem fájl: KEYS05_06_01.txt";
    QTest::newRow("blank name") << true << 6 << "  06"
                                << "";
    // A description may not reach a file outside the key folder.
    QTest::newRow("parent folder") << true << 6 << "..\\06_outsid"
                                   << "";
    QTest::newRow("slash to the parent") << true << 6 << "../06_outsid"
                                         << "";
    QTest::newRow("drive") << true << 6 << "C:\\06_outsid"
                           << "";
    QTest::newRow("absolute name") << true << 6 << "\\\\06_outsid"
                                   << "";
}

void TestSubstitution::nothingSubstituted() {
    QFETCH(bool, pick);
    QFETCH(int, tips);
    QFETCH(QString, description);
    QFETCH(QString, message);
    KeyDesk desk;
    desk.writeLibrary(kSixKey + QStringLiteral("\r\n"));
    desk.writeKey(QStringLiteral("02_06_01.txt"), "001 002\r\n");
    desk.writeKey(QStringLiteral("03_10_02.txt"), "001 002\r\n");
    desk.writeKey(QStringLiteral("05_06_01.txt/x"), "001 002\r\n");
    desk.writeKey(QStringLiteral("C:/06_outsid"), "001 002 003\r\n");
    desk.platform.writeFile(QStringLiteral("06_outsid"), "001 002 003\r\n");
    desk.form.List1.setLines({QStringLiteral("01 02 03")});
    desk.form.List1.setToolTip(QStringLiteral("régi"));
    desk.form.Label1.setCaption(QStringLiteral("1"));
    gyari* dialog = desk.open(6);
    if (pick) dialog->List1.clickLine(0);
    dialog->Text1.setText(description);
    // The tips may change while the dialog is open: the count at the click counts.
    desk.form.module1.tipCount = static_cast<qint16>(tips);
    dialog->Command3.click();

    if (message.isEmpty()) {
        QVERIFY(desk.platform.messages.empty());
        QCOMPARE(desk.form.List1.count(), 0);
    } else {
        QCOMPARE(desk.platform.messages.size(), size_t{1});
        const QString keys = QDir::toNativeSeparators(desk.platform.folder + QStringLiteral("/tkulcs/"));
        QCOMPARE(desk.platform.messages[0].text, message.replace(QStringLiteral("KEYS"), keys));
        QCOMPARE(desk.platform.messages[0].caption,
                 message.startsWith(QStringLiteral("Nem fájl")) ? QStringLiteral("Kombinátor") : kCaption);
        QCOMPARE(desk.platform.messages[0].icon, MsgIcon::Stop);
        QCOMPARE(desk.platform.messages[0].buttons, MsgButtons::Ok);
        QCOMPARE(desk.form.List1.lines(), QStringList{QStringLiteral("01 02 03")});
    }
    QCOMPARE(desk.form.List1.toolTip(), QStringLiteral("régi"));
    QCOMPARE(desk.form.Label1.caption(), QStringLiteral("1"));
    QCOMPARE(desk.form.gyariDialog(), dialog);
}

void TestSubstitution::selectingWritesTheChangedLibrary() {
    KeyDesk desk;
    desk.writeLibrary(kSixKey + QStringLiteral("\r\n"));
    desk.writeKey(QStringLiteral("02_06_01.txt"), "001 002\r\n");
    gyari* dialog = desk.open(6);
    dialog->Text1.setText(QStringLiteral("01_06_02.txt Saját"));
    dialog->Command2.click();

    // A failed selection writes nothing and keeps the dialog.
    dialog->List1.clickLine(0);
    desk.form.module1.tipCount = 7;
    dialog->Command3.click();
    QCOMPARE(desk.libraryBytes(), KeyDesk::cp1250(kSixKey + QStringLiteral("\r\n")));

    desk.form.module1.tipCount = 6;
    dialog->List1.clickLine(1);
    dialog->Command3.click();
    QCOMPARE(desk.form.gyariDialog(), nullptr);
    QCOMPARE(desk.form.List1.lines(), QStringList{QStringLiteral("01 02")});
    QCOMPARE(desk.libraryBytes(),
             KeyDesk::cp1250(QStringLiteral("01_06_02.txt Saját\r\n") + kSixKey + QStringLiteral("\r\n")));
}

KOMBINATOR_TEST(TestSubstitution);
#include "tst_substitution.moc"
