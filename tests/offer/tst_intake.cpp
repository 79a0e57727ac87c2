// Clipboard intake: what the copied text becomes in the offer list.
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

class TestIntake : public QObject {
    Q_OBJECT
private slots:
    void takesLines_data();
    void takesLines();
    void emptyResultLeavesCopyAndCountAlone();
    void unreadableClipboardChangesNothing();
    void replacesOfferAndClearsBankerLines();
    void keepsTipsOfEarlierConversion();
};

void TestIntake::takesLines_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("coupon with CR LF") << "Arsenal - Chelsea\r\n  Arsenal  \r\n1,85\r\n"
                                       << QStringList{"Arsenal - Chelsea", "Arsenal", "1,85"};
    QTest::newRow("line feeds alone join lines")
        << "Arsenal\nChelsea\n1,85" << QStringList{"ArsenalChelsea1,85"};
    QTest::newRow("blank and tab lines dropped") << "a\r \t \r\t\rb" << QStringList{"a", "b"};
    QTest::newRow("noise line B dropped") << "a\rB\r  B\t\rBB\rb\r" << QStringList{"a", "BB", "b"};
    QTest::newRow("tab inside a line") << "Arsenal\tChelsea\r" << QStringList{"Arsenal Chelsea"};
    QTest::newRow("no carriage return") << "Arsenal - Chelsea" << QStringList{"Arsenal - Chelsea"};
    QTest::newRow("two carriage returns") << "a\r\rb" << QStringList{"a", "b"};
    QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
    // A web page's blanks and invisible marks.
    QTest::newRow("no-break space is a blank") << QString("a\u00a0\r") << QStringList{"a"};
    QTest::newRow("page blanks become plain blanks")
        << QString("\u3000Real\u00a0Madrid\u2009-\u202fBarcelona\u205f\u2000\r")
        << QStringList{"Real Madrid - Barcelona"};
    QTest::newRow("invisible marks dropped")
        << QString(
               "\u200bArsenal\u00a0\u2013\u00a0Chel\u00adsea\u200e\r\ufeffSzor\u2060zó:\u200f "
               "1,85\u200c\u200d")
        << QStringList{QString("Arsenal \u2013 Chelsea"), "Szorzó: 1,85"};
    QTest::newRow("noise line B between page blanks")
        << QString("a\r\u00a0B\u2007\r\u200bB\rb") << QStringList{"a", "b"};
    QTest::newRow("line of page blanks and marks dropped")
        << QString("a\r\u00a0\u200b\u3000\ufeff\rb") << QStringList{"a", "b"};
    QTest::newRow("accents") << "Győri ETO - Újpest\r" << QStringList{"Győri ETO - Újpest"};
    QTest::newRow("soft hyphens and control characters dropped")
        << QString("Borussia M\u00f6n\u00adchen\u00adgladbach\u0085\rSzorz\u00f3: 2,") + QChar(0) + "00\x7f\r"
        << QStringList{"Borussia Mönchengladbach", "Szorzó: 2,00"};
    // Page layouts written as the tip blocks they stand for.
    QTest::newRow("odds label before another tip's event")
        << "Szorzó:\rSchalke 04 - Hannover 96\r" << QStringList{"Szorzó:", "Schalke 04 - Hannover 96"};
    QTest::newRow("offer table with header and section title")
        << "Ajánlat\rIdő\tEsemény\tTipp\tSzorzó\rNB I\r18:00\tA \u2013 B\t\tB\t2,60\r"
           "20:30\tC-D\tDöntetlen\t3,05\rÖsszesen\r"
        << QStringList{"Ajánlat", "A \u2013 B", "B", "2,60", "C-D", "Döntetlen", "3,05", "Összesen"};
    QTest::newRow("header row without tip rows kept")
        << "Esemény\tTipp\tSzorzó\r" << QStringList{"Esemény Tipp Szorzó"};
    QTest::newRow("row of three prices is no tip")
        << "A - B\t1,50\t3,40\t5,00\rC - D\tC\t2,00\r"
        << QStringList{"A - B 1,50 3,40 5,00", "C - D", "C", "2,00"};
}

void TestIntake::takesLines() {
    QFETCH(QString, clipboard);
    QFETCH(QStringList, lines);
    FakePlatform platform;
    platform.clipboard = clipboard;
    Form1 form(platform);
    form.Form_Load();
    form.SSTab1.setCurrent(2);
    form.Command3.setEnabled(false);
    form.List5.setToolTip("old");
    form.Command1.click();
    QCOMPARE(form.List5.lines(), lines);
    QCOMPARE(form.List4.lines(), lines);
    QCOMPARE(form.Label1.caption(), QString::number(lines.size()));
    QCOMPARE(form.SSTab1.current(), 0);
    QVERIFY(form.Command3.isEnabled());
    QCOMPARE(form.List5.toolTip(), QString());
    for (int i = 0; i < form.List5.count(); ++i)
        QVERIFY(!form.List5.isSelected(i));
    QVERIFY(platform.messages.empty());
}

void TestIntake::emptyResultLeavesCopyAndCountAlone() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    platform.clipboard = "x\ry\rz";
    form.Command1.click();
    form.List6.setLines({"banker"});
    form.SSTab1.setCurrent(1);
    platform.clipboard = " \r\nB\r\n\t";
    form.Command1.click();
    QCOMPARE(form.List5.count(), 0);
    QCOMPARE(form.List6.count(), 0);
    QCOMPARE(form.SSTab1.current(), 0);
    QCOMPARE(form.List4.lines(), (QStringList{"x", "y", "z"}));
    QCOMPARE(form.Label1.caption(), QStringLiteral("3"));
}

void TestIntake::unreadableClipboardChangesNothing() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.List5.setLines({"keep"});
    form.List6.setLines({"banker"});
    form.SSTab1.setCurrent(1);
    platform.clipboard.reset();
    form.Command1.click();
    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(platform.messages[0].text, QStringLiteral("Hiba a *Vágólap* megnyitásakor"));
    QCOMPARE(platform.messages[0].caption, QStringLiteral("Zelko-Soft/2013"));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(form.List5.lines(), QStringList{"keep"});
    QCOMPARE(form.List6.lines(), QStringList{"banker"});
    QCOMPARE(form.SSTab1.current(), 1);
}

void TestIntake::replacesOfferAndClearsBankerLines() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.List5.setLines({"old 1", "old 2"});
    form.List5.setSelected(1, true);
    form.List6.setLines({"a", "b", "c", ""});
    platform.clipboard = "new\r";
    form.Command1.click();
    QCOMPARE(form.List5.lines(), QStringList{"new"});
    QVERIFY(!form.List5.isSelected(0));
    QCOMPARE(form.List6.count(), 0);
}

void TestIntake::keepsTipsOfEarlierConversion() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    platform.clipboard = "A - B\rA\r1,50\rC - D\rC\r2,00\r";
    form.Command1.click();
    form.Command2.click();
    QCOMPARE(form.module1.tipCount, qint16(2));
    platform.clipboard = "E - F\r";
    form.Command1.click();
    QCOMPARE(form.Grid1.textAt(1, 1), QStringLiteral("A"));
    QCOMPARE(form.Grid1.textAt(2, 3), QStringLiteral("2.00"));
    QCOMPARE(form.module1.tipCount, qint16(2));
    QCOMPARE(form.List5.lines(), QStringList{"E - F"});
}

KOMBINATOR_TEST(TestIntake);
#include "tst_intake.moc"
