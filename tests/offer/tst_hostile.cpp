// Intake and conversion of text no coupon ever held: huge clipboards, a hundred thousand offer
// lines, lines of a megabyte, NUL characters and broken UTF-16.
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

#include "app/form1.h"
#include "fakeplatform.h"
#include "offer/slipreader.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");

// `tips` tip blocks, lines ended by CR LF.
QString coupon(int tips) {
    QString text;
    text.reserve(static_cast<qsizetype>(tips) * 56);
    for (int r = 1; r <= tips; ++r) {
        text += QStringLiteral("Hazai %1 - Vendég %1\r\n  Hazai %1  \r\nSzorzó: 1,%2\r\n")
                    .arg(r)
                    .arg(10 + r % 90);
    }
    return text;
}

QString oddsAt(const Form1& form, int row) {
    return form.Grid1.textAt(row, 3);
}

}  // namespace

class HostileOfferTest : public QObject {
    Q_OBJECT
private slots:
    void intakeTakesAnyText_data();
    void intakeTakesAnyText();
    void conversionRefusesTooManyLines_data();
    void conversionRefusesTooManyLines();
    void conversionOfMegabyteLines();
    void everyPriceFromItsLine_data();
    void everyPriceFromItsLine();
};

void HostileOfferTest::intakeTakesAnyText_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    // About 20 MB of text (10 M characters): 180 000 tip blocks.
    const QString big = coupon(180000);
    QTest::newRow("20 MB coupon") << big << 540000 << "Hazai 1 - Vendég 1"
                                  << "Szorzó: 1," + QString::number(10 + 180000 % 90);
    // Line feeds alone end no line: the whole text is one line, its line feeds removed.
    QString feeds(QStringLiteral("x\n").repeated(1 << 20));
    QTest::newRow("line feeds only") << feeds << 1 << QString(1 << 20, u'x') << QString(1 << 20, u'x');
    const QString megabyte(1 << 20, u'a');
    // The tab at its end becomes a blank, and goes with the trimming.
    QTest::newRow("megabyte line") << "  " + megabyte + "\t\r\nB\r\n1,85" << 2 << megabyte << "1,85";
    // A table row of a hundred thousand prices is no tip: it stays one line, its tabs blanks.
    const QString prices = QStringLiteral(" 1,85").repeated(100000);
    QTest::newRow("row of a hundred thousand cells")
        << QString("A - B" + prices)
               .replace(u' ', u'\t')
               .replace(QStringLiteral("A\t-\tB"), QStringLiteral("A - B"))
        << 1 << "A - B" + prices << "A - B" + prices;
    QString withNul = QStringLiteral("Arsenal - Chelsea\r\n");
    withNul += QChar(0);
    withNul += QStringLiteral("Arsenal\r\n");
    QTest::newRow("NUL characters dropped") << withNul << 2 << "Arsenal - Chelsea"
                                            << "Arsenal";
    // A lone surrogate is kept as it came; nothing is dropped or substituted.
    const QString lone = QString(QChar(0xD800)) + QStringLiteral("Győr");
    QTest::newRow("broken UTF-16") << lone + "\r" + QChar(0xDC00) << 2 << lone << QString(QChar(0xDC00));
}

void HostileOfferTest::intakeTakesAnyText() {
    QFETCH(QString, clipboard);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    FakePlatform platform;
    platform.clipboard = clipboard;
    Form1 form(platform);
    form.Command1.click();
    QCOMPARE(form.List5.count(), count);
    QCOMPARE(form.List5.line(0), first);
    QCOMPARE(form.List5.line(count - 1), last);
    QCOMPARE(form.List4.count(), count);
    QCOMPARE(form.Label1.caption(), QString::number(count));
    QVERIFY(platform.messages.empty());
}

void HostileOfferTest::conversionRefusesTooManyLines_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("message");
    QTest::newRow("100 000 lines") << 100000 << "Hibás kijelölés (nem 3 sor fogadásonként)!";
    QTest::newRow("100 002 lines") << 100002 << "Maximum 50 esemény választható ki!";
    QTest::newRow("51 tips") << 153 << "Maximum 50 esemény választható ki!";
}

void HostileOfferTest::conversionRefusesTooManyLines() {
    QFETCH(int, lines);
    QFETCH(QString, message);
    FakePlatform platform;
    Form1 form(platform);
    // Three tips of an earlier conversion stay as they were.
    platform.clipboard = coupon(3);
    form.Command1.click();
    form.Command2.click();
    QCOMPARE(form.module1.tipCount, 3);

    QStringList offer;
    offer.reserve(lines + lines / 3);
    for (int i = 0; i < lines; ++i) {
        offer.append(QStringLiteral("sor %1").arg(i));
        if (i % 3 == 2) offer.append(QString());  // empty lines are dropped first
    }
    form.List5.setLines(offer);
    form.Command2.click();

    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(platform.messages[0].text, message);
    QCOMPARE(platform.messages[0].caption, kCaption);
    QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(form.List5.count(), lines);
    QCOMPARE(form.List5.line(lines - 1), QStringLiteral("sor %1").arg(lines - 1));
    QCOMPARE(form.module1.tipCount, 3);
    QCOMPARE(form.Grid1.textAt(3, 1), QStringLiteral("Hazai 3"));
    QCOMPARE(oddsAt(form, 3), QStringLiteral("1.13"));
}

void HostileOfferTest::conversionOfMegabyteLines() {
    FakePlatform platform;
    platform.installResources({"xxk.bmp"});
    Form1 form(platform);
    const QString half(1 << 19, u'h');
    const QString away(1 << 19, u'v');
    const QString digits(1 << 20, u'7');
    QString nul = QStringLiteral("Nul");
    nul += QChar(0);
    form.List5.setLines({half + " - " + away, half + " (H)", QString(1 << 20, u'x') + " 2,50",  //
                         nul + " - Vendég", nul, digits + ",5",                                 //
                         "Hazai - Vendég", "Döntetlen", QString(1 << 20, u'-')});
    form.Command2.click();
    // A megabyte of dashes is no price: the message shows the line's start, and no tip is made.
    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(platform.messages[0].text,
             "A(z) 3. tipp szorzója hiányzik: „" + QString(59, u'-') + u'\u2026' + u'”');
    QCOMPARE(form.module1.tipCount, 0);
    form.List5.setLines(form.List5.lines().mid(0, 6));
    form.Command2.click();
    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(form.module1.tipCount, 2);
    QCOMPARE(form.Grid1.textAt(1, 1), half);
    QCOMPARE(form.Grid1.textAt(1, 2), away);
    QVERIFY(!form.Grid1.pictureAt(1, 1).isEmpty());
    QVERIFY(form.Grid1.pictureAt(1, 2).isEmpty());
    QCOMPARE(oddsAt(form, 1), QStringLiteral("2.50"));
    QCOMPARE(form.Grid1.textAt(2, 1), QStringLiteral("Nul"));  // the NUL dropped
    QVERIFY(!form.Grid1.pictureAt(2, 1).isEmpty());
    // Odds of a million digits are kept whole; they read as no number.
    QCOMPARE(oddsAt(form, 2), digits + ".5");

    // The calculators take odds too long to read as odds 1.
    form.Command8[0].click();
    QCOMPARE(form.List1.lines(), (QStringList{"01 02"}));
    QCOMPARE(form.List3.lines(), QStringList{"2.50"});
}

// Texts put together at random from the lines of slips, whole or torn, in any order: whatever
// the reader makes of them, each tip's price stands on the line it came from, and that line is
// neither its event nor its outcome.
void HostileOfferTest::everyPriceFromItsLine_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("torn");  // parts dropped and lines shuffled
    QTest::newRow("whole tips") << 1u << false;
    QTest::newRow("torn tips") << 2u << true;
    QTest::newRow("torn tips, another seed") << 3u << true;
}

void HostileOfferTest::everyPriceFromItsLine() {
    QFETCH(quint32, seed);
    QFETCH(bool, torn);
    const QStringList names{"Schalke 04",      "Darmstadt 98",  "1. FC Köln", "Paris Saint-Germain",
                            "Brighton & Hove", "Nott'm Forest", "Győri ETO",  "FC 08 Homburg"};
    const QStringList separators{" - ", " – ", " v ", " vs. ", "\t", "-"};
    const QStringList outcomes{
        "1", "X", "2", "1X", "Döntetlen", "Tipp: X2", "%1", "%1 vagy döntetlen", "Gólok: 2,5"};
    const QStringList prices{"1,85",     "Szorzó: 2.10",    "▲ 3,05", "@ 12,5",
                             "1 001,00", "Odds: 1,80 1,95", "0,95",   "07"};
    const QStringList noise{"Labdarúgás · NB I · szo 12.12. 20:00",
                            "×",
                            "Eredő szorzó: 5,55",
                            "Tét: 1 000 Ft",
                            "Végeredmény",
                            "Anglia - Premier League",
                            "20:45",
                            "Élő"};
    QRandomGenerator random(seed);
    const auto pick = [&](const QStringList& list) { return list.at(random.bounded(int(list.size()))); };
    for (int text = 0; text < 400; ++text) {
        QStringList lines;
        for (int tip = random.bounded(1, 6); tip > 0; --tip) {
            const QString home = pick(names);
            const QString away = pick(names);
            QStringList block{home + pick(separators) + away, pick(outcomes).arg(home), pick(prices)};
            if (random.bounded(3) == 0) block.insert(random.bounded(4), pick(noise));
            if (torn && random.bounded(2) == 0) block.removeAt(random.bounded(int(block.size())));
            lines += block;
        }
        if (torn) std::shuffle(lines.begin(), lines.end(), random);
        for (const SlipTip& tip : readSlip(lines).tips) {
            QString digits = lines.at(tip.lastLine);
            digits.removeIf([](QChar ch) { return !ch.isDigit(); });
            QVERIFY2(digits.contains(QString(tip.odds).remove(u'.')), qPrintable(lines.join(u'|')));
            QVERIFY2(tip.firstLine < tip.lastLine || lines.at(tip.lastLine).contains(u'\t'),
                     qPrintable(lines.join(u'|')));
            QVERIFY(tip.priceLine != tip.eventLine && tip.priceLine != tip.outcomeLine);
        }
    }
}

KOMBINATOR_TEST(HostileOfferTest);
#include "tst_hostile.moc"
