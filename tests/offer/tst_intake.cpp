// Clipboard intake: what the copied text becomes in the offer list.
#include <QFileInfo>
#include <QHash>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "offer/htmlcopy.h"
#include "offer/slipparts.h"
#include "offer/slipreader.h"
#include "offer/sliptokens.h"
#include "offer/slipwords.h"
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
    void readsSlips_data();
    void readsSlips();
    void namesTheBlock_data();
    void namesTheBlock();
    void wordsHoldNoClashingRoles();
    void tellsPieces_data();
    void tellsPieces();
};

namespace {

// A clipboard that begins with a tag is a page's HTML beside no text, as a saved page reaches
// the command line.
void setClipboard(FakePlatform& platform, const QString& clipboard) {
    const bool html = looksLikeHtml(clipboard);
    platform.clipboard = html ? QString() : clipboard;
    if (html) platform.clipboardHtmlFlavour = clipboard;
}

}  // namespace

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
    QTest::newRow("line feeds after a line end and inside a line")
        << QString("a\r\n\nb\n c\u00a0\r\n") << QStringList{"a", "b c"};
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
        << QStringList{"A \u2013 B", "B", "2,60", "C-D", "Döntetlen", "3,05"};
    QTest::newRow("label and price on two lines make one price line")
        << "A - B\rA\rSzorzó:\r1,65\r" << QStringList{"A - B", "A", "Szorzó: 1,65"};
    QTest::newRow("teams parted by v written with a dash")
        << "Alfa v Béta\rBéta\r2,10\r" << QStringList{"Alfa - Béta", "Béta", "2,10"};
    QTest::newRow("teams in two cells")
        << "Alfa\tBéta\rDöntetlen\r3,10\r" << QStringList{"Alfa - Béta", "Döntetlen", "3,10"};
    QTest::newRow("whole number under the price header keeps the header's word")
        << "Esemény\tTipp\tSzorzó\rA - C\tA\t3\r" << QStringList{"A - C", "A", "Szorzó: 3"};
    QTest::newRow("outcome above its event written below it")
        << "Tipp: 2\rA - C\r1,85\r" << QStringList{"A - C", "Tipp: 2", "1,85"};
    QTest::newRow("header row without tip rows kept")
        << "Esemény\tTipp\tSzorzó\r" << QStringList{"Esemény Tipp Szorzó"};
    QTest::newRow("HTML: a refused page shows the lines the eye sees")
        << "<div><span>A v B</span><span>1,50</span><span class=\"visually-hidden\">Remove "
           "selection</span></div>"
           "<table><tr><td>C - D<td><td>2,00</table>"
        << QStringList{"A v B", "1,50", "C - D  2,00"};
    QTest::newRow("HTML: off-screen, clipped and 1 px labels are not seen, aria-hidden is")
        << "<p>A v B<span style=\"position:absolute;left:-10000px\">x1</span></p><p style=\"clip-path: "
           "inset(50%)\">"
           "x2</p><p style=\"width:1px;height:1px;overflow:hidden\">x3</p><p aria-hidden=\"true\">Szorzó: "
           "1,50</p>"
        << QStringList{"A v B", "Szorzó: 1,50"};
    QTest::newRow("HTML: a line break parts lines, a table inside a cell stays in its cell")
        << "<div>A - B<br>Kétesély</div><table><tr><td>C - "
           "D<table><tr><td>x</td><td>y</td></tr></table><td>9</table>"
        << QStringList{"A - B", "Kétesély", "C - D x y 9"};
    QTest::newRow("HTML: scripts, styles, inputs and pictures hold no text")
        << "<p>A - B<script>1,50</script><style>p{}</style><input value=\"2,00\"><img "
           "alt=\"3,00\"><svg><text>4,00"
           "</text></svg>"
        << QStringList{"A - B"};
    QTest::newRow("HTML: an inline style overrides the tag, display none hides")
        << "<div style=\"display:inline\">A v</div><div style=\"display: inline !important\"> B</div>"
           "<span style=\"display: block\">1,50</span><div style=\"display:none\">2,00</div>"
        << QStringList{"A v B", "1,50"};
    // Legs of the same tag and classes, each holding its pieces as elements: the page lays the
    // pieces apart even where the copy carries no style; words in a sentence run on.
    QTest::newRow("HTML: the pieces of a list's records stand apart")
        << "<ul><li class=\"leg\"><span>A v B</span> <span>Selected:</span> <span>A</span> <b>1,50</b></li>"
           "<li class=\"leg\"><span>C v D</span> <span>D</span> <span>2,00</span></li></ul>"
           "<p class=\"n\">E - <b>F</b></p><p class=\"n\"><span>G - H</span> <span>H</span></p>"
        << QStringList{"A v B", "Selected:", "A", "1,50", "C v D", "D", "2,00", "E - F", "G - H H"};
    QTest::newRow("row of three prices is no tip, left as copied")
        << "A - B\t1,50\t3,40\t5,00\rC - D\tC\t2,00\r" << QStringList{"A - B 1,50 3,40 5,00", "C - D C 2,00"};
}

void TestIntake::takesLines() {
    QFETCH(QString, clipboard);
    QFETCH(QStringList, lines);
    FakePlatform platform;
    setClipboard(platform, clipboard);
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

// Copied slips through intake and conversion: the tips as "home|away|home marker|away
// marker|odds", or the one message that refuses them.
void TestIntake::readsSlips_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("tips");
    // A changed price: the word of the old one, then the old and the new, on one line or more; the
    // HTML leaves the struck old one out.
    QTest::newRow("old and new price")
        << "A - B\rA\rKorábbi szorzó: 1,58 1,96\rC - D\rDöntetlen\rstatt\r1,40\r1,64\rE v F\rF\rWas\r2.10\r"
           "G - H\rG\rKorábbi szorzó:\r1,87\rSzorzó 3,0\r3,0\r"
        << QStringList{"A|B|xxk.bmp||1.96", "C|D|xx.bmp|xx.bmp|1.64", "E|F||xxk.bmp|2.10",
                       "G|H|xxk.bmp||3.0"};
    QTest::newRow("three prices after the old one's word")
        << "A - B\rA\rWas\r1,58\r1,96\r2,00\r" << QStringList{"A(z) 1. tipp után még egy szorzó áll: „1,96”"};
    // A bet builder's leg: several picks of one event, one price; it backs no side alone.
    QTest::newRow("bet builder's leg among legs")
        << "Norwich City v Liverpool\rBet Builder\rLiverpool\rOver 2.5 Goals\rBoth Teams To Score: "
           "Yes\r4.70\r"
           "Hull City v Stoke City\rAway\r2.10\r"
        << QStringList{"Norwich City|Liverpool|||4.70", "Hull City|Stoke City||xxk.bmp|2.10"};
    // A leg on one line, its pieces set side by side on the page: parted at their labels, the
    // price at its end and a code or side's word before it; a name that would hold a pick is
    // no name, and the line is refused.
    QTest::newRow("legs on one line each")
        << "1 VfB Stuttgart – Paksi FC Kiválasztva: 2 Szorzó 2,46 Szorzó 2,46\r"
           "2 Millwall vs Manchester United Away 4.02\r"
           "Fulham v Preston North End Handicap Selected: Handicap (0:1) Preston North End Odds 3.6 3.6\r"
        << QStringList{"VfB Stuttgart|Paksi FC||xxk.bmp|2.46", "Millwall|Manchester United||xxk.bmp|4.02",
                       "Fulham|Preston North End|||3.6"};
    QTest::newRow("a tip's row whose event cell begins with its league and kick-off")
        << "Nr.\tSpiel\tTipp\tQuote\r1\tDFB-Pokal · Fr., 10.06. 20:30 A – 1. FC B\t1. FC B\t2,77\r"
        << QStringList{"A|1. FC B||xxk.bmp|2.77"};
    QTest::newRow("leg on one line after its league and date, a team named with a number")
        << "1 Champions League · 08.12.2026 1860 München - FC St. Pauli Doppelte Chance Ausgewählt: Tipp: 12 "
           "Quote 1,11 1,11\r"
        << QStringList{"1860 München|FC St. Pauli|xxk.bmp|xxk.bmp|1.11"};
    QTest::newRow("indented legs, each one's price written twice")
        << "    1 LaLiga · 28/10/2026 17:15 Sunderland v Portsmouth X 1.57\r"
           "A v B\tSelected: A\tOdds 2.10 Odds 2.10\rC - D\tKiválasztva: D\tSzorzó 8,78 8,78\r"
        << QStringList{"Sunderland|Portsmouth|xx.bmp|xx.bmp|1.57", "A|B|xxk.bmp||2.10", "C|D||xxk.bmp|8.78"};
    // A browser's text of elements with nothing between them: a kick-off run into the home team,
    // a label into the pick, the price for a screen reader into the eye's, a button into its sign.
    QTest::newRow("pieces run together")
        << "Sun 9 Sep 14:30A v B\tSelected:X2\tOdds 2.762.76 Remove selection×\r"
           "C - D\tKiválasztva:D\tSzorzó 1,211,21 Tipp törlése×\r"
           "E v F\tTotal Corners Selected:Under 7.5 Corners\tOdds 4.464.46\r"
           "G – H\tAusgewählt:2\tQuote 1,31,3 Tipp entfernen×\r"
           "05.10.2026I - J\tAusgewählt:1X\tQuote 1,881,88\r"
        << QStringList{"A|B|xx.bmp|Xxx.bmp|2.76", "C|D||xxk.bmp|1.21", "E|F|||4.46", "G|H||xxk.bmp|1.3",
                       "I|J|Xxx.bmp|xx.bmp|1.88"};
    QTest::newRow("legs on one line whose pick is a team's name once more")
        << "1 Premier League · Today 22:30 Watford v Middlesbrough Watford 2.81\r"
           "2 FA Cup · Today 16:15 West Ham United v Norwich City Norwich City 2.28\r"
        << QStringList{"Watford|Middlesbrough|xxk.bmp||2.81", "West Ham United|Norwich City||xxk.bmp|2.28"};
    QTest::newRow("a leg under a heading's words is no heading")
        << "A - B\rA\r1,50\rLaLiga · Today 21:00 Wolves vs Stoke Over 2.5 1.99\rC - D\rD\r"
        << QStringList{
               "A(z) 2. tipp kimenete hiányzik: „LaLiga · Today 21:00 Wolves vs Stoke Over 2.5 1.99”"};
    // Races: the race and the runner where a match's sides stand, no markers, the price as the slip
    // writes it (empty at SP, for the user to type), and the each-way terms printed with the runner.
    QTest::newRow("racing card: numbers, SP, terms under and above the price")
        << "14:30 Cheltenham - Gold Cup Chase\r3. Desert Crown\r5/2\rE/W 1/4 1-2-3\rCheltenham 15:10\r(7) "
           "Silver Arrow\rEach Way: 1/5 odds, 4 places\rSP\r"
        << QStringList{"14:30 Cheltenham|Desert Crown|||5/2|1/4 1-2-3",
                       "15:10 Cheltenham|Silver Arrow||||1/5 1-2-3-4"};
    QTest::newRow("runner run together with its price and terms")
        << "14:30 Ascot\rMorning Mist (4) 9/2 EW terms 1/4 odds 1,2,3\r"
        << QStringList{"14:30 Ascot|Morning Mist|||9/2|1/4 1-2-3"};
    QTest::newRow("racing table, a win tip beside an each-way one")
        << "Race\tRunner\tPrice\tTerms\r14:30 York\tKyprios\tEvens\t\r14:30 York\t2. Shishkin\t4.50\tE/W 1/5 "
           "1-2-3\r"
        << QStringList{"14:30 York|Kyprios|||1/1", "14:30 York|Shishkin|||4.50|1/5 1-2-3"};
    QTest::newRow("race without its runner")
        << "14:30 York\r5/2\r" << QStringList{"A(z) 1. tipp kimenete hiányzik: „14:30 York”"};
    QTest::newRow("a race, then a match")
        << "14:30 York\rKyprios\r11/8\rArsenal v Chelsea\rArsenal\r1.85\r"
        << QStringList{"14:30 York|Kyprios|||11/8", "Arsenal|Chelsea|xxk.bmp||1.85"};
    QTest::newRow("runner at a price below evens, decimal")
        << "Doncaster 13:50\rSea The Stars\r0.80\r"
        << QStringList{"A(z) 1. tipp szorzója 1.00 alatt van: „0.80”"};
    QTest::newRow("racing row with two prices")
        << "14:30 York\tKyprios\t5/2\t3/1\r"
        << QStringList{"A(z) 1. tipp: két szorzó egy sorban: „14:30 York Kyprios 5/2 3/1”"};
    QTest::newRow("jockey between runner and price")
        << "14:30 York\rKyprios\rJockey: R Moore\r5/2\r"
        << QStringList{"A(z) 1. tipp szorzója hiányzik: „Jockey: R Moore”"};
    // An offer's row, the pick below it with the price it backs; "2 131.50" is a code and its price.
    QTest::newRow("offer rows and their picks")
        << "Ma 13:15\tHC Bozen v Vienna Capitals\t1 1.21\tX 2.42\t2 2.18\rSelected: 1 (1.21)\r"
           "Holnap 22:30\tCasper Ruud v Félix Auger-Aliassime\t1 7.09\t2 131.50\rYour pick: 2\r"
        << QStringList{"HC Bozen|Vienna Capitals|xxk.bmp||1.21",
                       "Casper Ruud|Félix Auger-Aliassime||xxk.bmp|131.50"};
    QTest::newRow("legs on one line, a market's name of digits, a win's word")
        << "LaLiga · Today 13:15 Bristol City vs Sheffield United 1X2 Away 8.71\r"
           "Bundesliga · Heute 21:15 Hertha BSC – Eintracht Frankfurt 3-Weg X Quote 2,02\r"
           "3 DFB-Pokal · Mi., 21.08. 20:45 Bayern München vs. VfL Bochum Sieg VfL Bochum Quote 1,3\r"
           "4\tBorussia Dortmund vs. SC Paderborn 07\tTipp: Borussia Dortmund\tstatt 1,4 Quote 36,00\r"
        << QStringList{"Bristol City|Sheffield United||xxk.bmp|8.71",
                       "Hertha BSC|Eintracht Frankfurt|xx.bmp|xx.bmp|2.02",
                       "Bayern München|VfL Bochum||xxk.bmp|1.3",
                       "Borussia Dortmund|SC Paderborn 07|xxk.bmp||36.00"};
    QTest::newRow("a leg on one line whose picks tell no name")
        << "Werder Bremen vs. Hamburger SV Unentschieden Über 9,5 Ecken 8,57\r"
        << QStringList{"Hibás kijelölés (nem 3 sor fogadásonként)!"};
    QTest::newRow("labels of the picks alone on their lines")
        << "A - B\rFogadásépítő\rKiválasztva:\rA\rKiválasztva:\rKevesebb, mint 10,5\rSzorzó 2,99\r2,99\r"
           "C - D\rAusgewählt:\rD\rQuote 1,50\r"
        << QStringList{"A|B|||2.99", "C|D||xxk.bmp|1.50"};
    QTest::newRow("code after the market, price first")
        << "1,85\tFerencváros - Újpest FC\t1X2\t1\r" << QStringList{"Ferencváros|Újpest FC|xxk.bmp||1.85"};
    QTest::newRow("prices not copied, digits in names")
        << "Schalke 04 - Hannover 96\rSchalke 04\rDarmstadt 98 - SC Paderborn 07\rSC Paderborn 07\r"
        << QStringList{"A(z) 1. tipp szorzója hiányzik: „Darmstadt 98 - SC Paderborn 07”"};
    // Fractions, evens and American odds where a price is due; "5/2" above an event is a date.
    QTest::newRow("fractional and American odds")
        << "5/2\rA v B\rA\r5/2\rC v D\rDraw\rOdds: EVS\rE v F\rF\r@ +250\rG v H\rH\r-150\r"
        << QStringList{"A|B|xxk.bmp||5/2", "C|D|xx.bmp|xx.bmp|1/1", "E|F||xxk.bmp|+250", "G|H||xxk.bmp|-150"};
    // A British slip: the pick over its market and event, stakes and returns in pounds; "1/2" under
    // an event whose pick stood above it is the price, "Dundee" is not the start of "Dundee United".
    QTest::newRow("pick above its event, stakes and returns")
        << "Dundee or Draw\rDouble Chance\rDundee v Dundee United\r4/9\rStake\r£5.00\rEst. Returns £7.22\r"
           "E/W\rCash Out £3.50\rTomorrow\rAway\rMatch Betting\rHull City v Stoke City\r1/2\rC v D\rTo Win: "
           "D\r-175\r"
        << QStringList{"Dundee|Dundee United|Xxx.bmp|xx.bmp|4/9", "Hull City|Stoke City||xxk.bmp|1/2",
                       "C|D||xxk.bmp|-175"};
    // A browser that copies a price box's value sets it under the row, the row's other cells after it.
    QTest::newRow("price box under its row")
        << "Event\tPick\tOdds\tStake\tTo Return\rA v B\tMatch Betting: A\t@\r11/8\r£2.00\t£4.75\r"
           "C v D\tD\t\r5/1\r£2.00\t£12.00\r"
        << QStringList{"A|B|xxk.bmp||11/8", "C|D||xxk.bmp|5/1"};
    // Amounts of money between the tips are stakes and returns, whatever their mark or code.
    QTest::newRow("amounts of money are no price")
        << "A v B\rA\r€ 12,50\r2.10\rC v D\rD\rNyeremény: 12 500 Ft\r1 500 Ft\r3/1\r"
        << QStringList{"A|B|xxk.bmp||2.10", "C|D||xxk.bmp|3/1"};
    // A whole name wins over another team's name that begins with it, whichever side it is on.
    QTest::newRow("the other side's whole name")
        << "Dundee United v Dundee\rDundee\r2.10\rDundee v Dundee United\rDundee United\r+120\r"
           "Holnap\rE v F\rMatch Betting: Draw\r-110\r"
        << QStringList{"Dundee United|Dundee||xxk.bmp|2.10", "Dundee|Dundee United||xxk.bmp|+120",
                       "E|F|xx.bmp|xx.bmp|-110"};
    QTest::newRow("thousands groups")
        << QString("A - B\rA\rSzorzó: 1\u00a0001,00\rC - D\rD\r1\u202f250,00\rE - F\rX\r2.500,5\r")
        << QStringList{"A|B|xxk.bmp||1001.00", "C|D||xxk.bmp|1250.00", "E|F|xx.bmp|xx.bmp|2500.5"};
    QTest::newRow("hyphens inside names, v")
        << "AS Saint-Étienne v Paris Saint-Germain\rParis Saint-Germain\r2,10\r"
           "Wolverhampton Wanderers v Nottingham Forest\rDöntetlen\r3,30\r"
        << QStringList{"AS Saint-Étienne|Paris Saint-Germain||xxk.bmp|2.10",
                       "Wolverhampton Wanderers|Nottingham Forest|xx.bmp|xx.bmp|3.30"};
    QTest::newRow("draw code in the last cell") << "Esemény\tSzorzó\tTipp\rA - B\t3,40\tX\rC - D\t1,50\t1\r"
                                                << QStringList{"A|B|xx.bmp|xx.bmp|3.40", "C|D|xxk.bmp||1.50"};
    QTest::newRow("league line and badges between the parts")
        << "Fogadószelvény\rArsenal - Chelsea\rLabdarúgás · NB I · szo 12.12. 20:00\rVégeredmény\rArsenal "
           "vagy "
           "döntetlen\r▲ 1,25\r×\rEredő szorzó: 1,25\rTét: 1 000 Ft\r"
        << QStringList{"Arsenal|Chelsea|Xxx.bmp|xx.bmp|1.25"};
    QTest::newRow("old and new price with their label")
        << "Alfa vs Béta\rBéta\rSzorzó (régi → új): 1,80 → 1,95\r" << QStringList{"Alfa|Béta||xxk.bmp|1.95"};
    QTest::newRow("two prices in a line")
        << "A - B\rA\rSzorzó: 1,80 1,95\r"
        << QStringList{"A(z) 1. tipp: két szorzó egy sorban: „Szorzó: 1,80 1,95”"};
    QTest::newRow("struck price on a line of its own")
        << "A - B\rA\r1,80\r1,95\rC - D\rC\r2,00\r"
        << QStringList{"A(z) 1. tipp után még egy szorzó áll: „1,95”"};
    QTest::newRow("event without two teams")
        << "Arsenal Chelsea\rArsenal\r1,85\r"
        << QStringList{"A(z) 1. tipp eseményében nincs két csapat: „Arsenal Chelsea”"};
    QTest::newRow("price forms")
        << QString(
               "A - B\rA\r@ 1.85\rC – D\rD\r1,85 ▼\rE — F\rF\r↑ 2,05\rG vs H\rG\r1'001.00\r"
               "I - J\rJ\r1.001,00\rK - L\rK\r1,001.00\rM - N\rN\r1\u2009001,00\rO - P\rO\rOdds: 12,5\r"
               "Q - R\rQ\rSzorzó: 3\r")
        << QStringList{"A|B|xxk.bmp||1.85",    "C|D||xxk.bmp|1.85",    "E|F||xxk.bmp|2.05",
                       "G|H|xxk.bmp||1001.00", "I|J||xxk.bmp|1001.00", "K|L|xxk.bmp||1001.00",
                       "M|N||xxk.bmp|1001.00", "O|P|xxk.bmp||12.5",    "Q|R|xxk.bmp||3"};
    QTest::newRow("outcome forms")
        << "A - B\rH\r1,10\rA - B\rD\r1,20\rA - B\rV\r1,30\rA - B\rX2\r1,40\rA - B\r12\r1,50\r"
           "Alfa - Béta\rTipp: 1\r1,60\rAlfa - Béta\rVégeredmény: Béta\r1,70\rAlfa - Béta\rAlfa vagy "
           "Béta\r1,80\r"
           "Alfa - Béta\rGólok száma: több mint 2,5\r1,90\rSzeged-Csanád Grosics Akadémia - Újpest "
           "FC\rSzeged\r2,00\r"
        << QStringList{"A|B|xxk.bmp||1.10",        "A|B|xx.bmp|xx.bmp|1.20",
                       "A|B||xxk.bmp|1.30",        "A|B|xx.bmp|Xxx.bmp|1.40",
                       "A|B|xxk.bmp|xxk.bmp|1.50", "Alfa|Béta|xxk.bmp||1.60",
                       "Alfa|Béta||xxk.bmp|1.70",  "Alfa|Béta|xxk.bmp|xxk.bmp|1.80",
                       "Alfa|Béta|||1.90",         "Szeged-Csanád Grosics Akadémia|Újpest FC|xxk.bmp||2.00"};
    QTest::newRow("noise around the parts")
        << "Élő\rKezdés: 20:45\rA - B\rMa 18:30\rBoost\rA\r2026-12-12 20:00\r1,85\rTörlés\rFogadás leadása\r"
           "Lehetséges nyeremény: 1 850 Ft\r"
        << QStringList{"A|B|xxk.bmp||1.85"};
    QTest::newRow("table: header in another order, home and away cells")
        << "Szorzó\tTipp\tVendég\tHazai\tIdő\r1,85\tDöntetlen\tB\tA\t20:00\r2,10\tC\tD\tC\t21:00\r"
        << QStringList{"A|B|xx.bmp|xx.bmp|1.85", "C|D|xxk.bmp||2.10"};
    QTest::newRow("table: no header, cells in any order")
        << "20:00\tA vs B\tVégeredmény\tB\t1,85\rCelta\tDepor\tCelta\t2,10\r"
        << QStringList{"A|B||xxk.bmp|1.85", "Celta|Depor|xxk.bmp||2.10"};
    QTest::newRow("table row without its price")
        << "Esemény\tTipp\tSzorzó\rA - B\tA\tSzorzó:\r"
        << QStringList{"A(z) 1. tipp szorzója hiányzik: „A - B A Szorzó:”"};
    QTest::newRow("table row of three prices")
        << "A - B\t1,50\t3,40\t5,00\r"
        << QStringList{"A(z) 1. tipp: két szorzó egy sorban: „A - B 1,50 3,40 5,00”"};
    QTest::newRow("outcome above its event, price before its outcome")
        << "Tipp: 2\rA - B\r1,85\rC - D\r2,10\rC vagy döntetlen\r"
        << QStringList{"A|B||xxk.bmp|1.85", "C|D|Xxx.bmp|xx.bmp|2.10"};
    QTest::newRow("heading that looks like an event")
        << "Anglia - Premier League\rArsenal - Chelsea\rArsenal\r1,85\r"
        << QStringList{"Arsenal|Chelsea|xxk.bmp||1.85"};
    QTest::newRow("markers only for the match's result")
        << "A - B\rFélidő: Döntetlen\r2,10\rA - B\rHendikep: A (-1,5)\r2,20\rA - B\rGyőztes "
           "(hosszabbítással): B\r"
           "2,30\rA - B\rA (+1)\r2,40\r"
        << QStringList{"A|B|||2.10", "A|B|||2.20", "A|B||xxk.bmp|2.30", "A|B|||2.40"};
    QTest::newRow("players by surname, a team by its start, home win in words")
        << "Carlos Alcaraz - Jannik Sinner\rGyőztes: Sinner\r1,90\rSzolnoki Olajbányász - Alba Fehérvár\r"
           "Winner: Szolnok\r1,80\rUkrajna - Szlovákia\rHazai győzelem\r2,68\r"
        << QStringList{"Carlos Alcaraz|Jannik Sinner||xxk.bmp|1.90",
                       "Szolnoki Olajbányász|Alba Fehérvár|xxk.bmp||1.80", "Ukrajna|Szlovákia|xxk.bmp||2.68"};
    QTest::newRow("a receipt: numbers, columns of blanks, a rule of signs")
        << "==========\rSzelvényszám: 7403-6309-445\r----------\r1)  Rangers — Bayern München\r"
           "     Döntetlen (X)         3,4\rEsemény                Tipp          Szorzó\rC - D               "
           "   D             @1,83\r"
        << QStringList{"Rangers|Bayern München|xx.bmp|xx.bmp|3.4", "C|D||xxk.bmp|1.83"};
    QTest::newRow("teams stacked around their separator, labels with values")
        << "New York Rangers\r-\rGyergyói HK\rX\r1,35\rEvent:\tSkócia - Wales\rSelection:\tHome\rOdds:\t4\r"
        << QStringList{"New York Rangers|Gyergyói HK|xx.bmp|xx.bmp|1.35", "Skócia|Wales|xxk.bmp||4"};
    QTest::newRow("a slip's number, state and score between tips")
        << "A - B\rA\r1,50\rEredmény: 2:1\rNyert\rTicket: 5784-4559-564 · Placed: 2026.06.20. 15:41\r"
           "Tenisz · Wimbledon · 12.19. 22:30\r2. tipp\rC - D\rD\r2,50\r"
        << QStringList{"A|B|xxk.bmp||1.50", "C|D||xxk.bmp|2.50"};
    QTest::newRow("an unknown line between tips")
        << "A - B\rA\r1,50\rKiemelt ajánlatok\rC - D\rD\r2,50\r"
        << QStringList{"A(z) 2. tipp előtt ismeretlen sor áll: „Kiemelt ajánlatok”"};
    QTest::newRow("a removed tip shown")
        << "A - B\rA\r1,50\rTörölve Visszaállít\rC - D\rD\r2,50\r"
        << QStringList{"A(z) 1. tipp mellett törölt tipp is áll: „Törölve Visszaállít”"};
    QTest::newRow("a price and its label before any event")
        << "Szorzó:\r1,85\r" << QStringList{"A(z) 1. tipp eseményében nincs két csapat: „1,85”"};
    QTest::newRow("a name cut short")
        << "LOSC Lille — Real…\rLOSC Lille\r1,90\r"
        << QStringList{"A(z) 1. tipp eseményében csonka a csapat neve: „LOSC Lille — Real…”"};
    QTest::newRow("a bare hyphen inside words is no event")
        << "A - B\rA\r1,50\rÜdvözlő bónusz: 100% akár 50 000 Ft-ig\r" << QStringList{"A|B|xxk.bmp||1.50"};
    QTest::newRow("an offer's prices with the pick stated under them")
        << "Pegula - Sabalenka\r1 6,19 2 1,87\rAz Ön tippje: 2\rMa 21:30\tA v B\t1 3,27\tX 7,45\t2 6,91\r"
           "Kiválasztva: A (3,27)\rC - D\r1 2,06 X 3,36 2 4,87\rAz Ön tippje: D (4,00)\r"
        << QStringList{"A(z) 3. tipp választott szorzója nem egyezik: „Az Ön tippje: D (4,00)”"};
    QTest::newRow("an offer's prices and the pick")
        << "Pegula - Sabalenka\r1 6,19 2 1,87\rAz Ön tippje: 2\rMa 21:30\tA v B\t1 3,27\tX 7,45\t2 6,91\r"
           "Kiválasztva: A (3,27)\r"
        << QStringList{"Pegula|Sabalenka||xxk.bmp|1.87", "A|B|xxk.bmp||3.27"};
    QTest::newRow("an offer's prices without a pick")
        << "C - D\r1 2,06 X 3,36 2 4,87\rE - F\rE\r1,50\r"
        << QStringList{"A(z) 1. tipp kimenete hiányzik: „C - D”"};
    QTest::newRow("outcome missing") << "A - B\r1,85\r"
                                     << QStringList{"A(z) 1. tipp kimenete hiányzik: „A - B”"};
    QTest::newRow("a summary's label and value on two lines")
        << "A - B\rA\r1,50\rEredő szorzó\r1,50\rC - D\rD\r2,00\rGesamtquote:\r3,00\r"
        << QStringList{"A|B|xxk.bmp||1.50", "C|D||xxk.bmp|2.00"};
    QTest::newRow("a summary's label where the price is due")
        << "A - B\rA\rÖsszes szorzó\r2,10\r"
        << QStringList{"A(z) 1. tipp szorzója hiányzik: „Összes szorzó”"};
    QTest::newRow("a price written twice, once for a screen reader")
        << "A - B\rA\rOdds 2.10\r2.10\rC - D\rD\r1,50\r"
        << QStringList{"A|B|xxk.bmp||2.10", "C|D||xxk.bmp|1.50"};
    QTest::newRow("an old and a new price on two lines")
        << "A - B\rA\r2.10\r1.95\r" << QStringList{"A(z) 1. tipp után még egy szorzó áll: „1.95”"};
    QTest::newRow("German slip with numbered legs and dates")
        << "Spieltag 14\r14.12.2026 15:30\r1\r1. FC Köln - Bayern München\rTipp: 1\rQuote 2,10\r2\r"
           "Dortmund gegen Schalke 04\rSa, 19.12.2026\rUnentschieden\rQuote: 3,40\r3\rMainz - Freiburg\r"
           "Doppelte Chance: Mainz oder Unentschieden\r1,30\rSystemwette 2 aus 3\rEinsatz\r10,00 €\r"
        << QStringList{"1. FC Köln|Bayern München|xxk.bmp||2.10", "Dortmund|Schalke 04|xx.bmp|xx.bmp|3.40",
                       "Mainz|Freiburg|Xxx.bmp|xx.bmp|1.30"};
    QTest::newRow("a kick-off's day and month before the home team")
        << "Sun 9 Sep 14:30 Arsenal - Chelsea\rArsenal\r1,50\rSa, 19.12. Mainz - Köln\rKöln\r2,00\r"
        << QStringList{"Arsenal|Chelsea|xxk.bmp||1.50", "Mainz|Köln||xxk.bmp|2.00"};
    QTest::newRow("a bet builder's leg of several picks: no markers")
        << "A - B\rKiválasztva: A Kiválasztva: Több, mint 2,5\r4,20\r" << QStringList{"A|B|||4.20"};
    QTest::newRow("line markets: the line's number is the outcome's")
        << "A - B\rTöbb, mint 2,5\r1,85\rC v D\rC -1,5\r2,05\rE - F\rOver 2.5 Goals\r1.90\rG - H\rÜber "
           "2,5\r1,70\r"
        << QStringList{"A|B|||1.85", "C|D|||2.05", "E|F|||1.90", "G|H|||1.70"};
    // A page's HTML (a row whose clipboard begins with a tag): what the eye sees of it.
    QTest::newRow("HTML: elements side by side with no blank between them")
        << "<div><div><span>Arsenal v Chelsea</span><span>Arsenal</span><span>1.85</span></div><div><span>C "
           "- "
           "D</span><span>Tipp:</span><span>X</span><span>Quote 3,40</span></div></div>"
        << QStringList{"Arsenal|Chelsea|xxk.bmp||1.85", "C|D|xx.bmp|xx.bmp|3.40"};
    // A removed tip's notice in the list of legs, in a leg's place: the legs around it are the slip;
    // inside a leg, beside its event and price, it tells of that leg, which is refused.
    QTest::newRow("HTML: a removed tip's notice in a leg's place")
        << "<div class=t><div>A - B</div><div>A</div><div>1,50</div></div><div class=t>A tipp eltávolítva. "
           "<button>Visszaállít</button></div><div class=t><div>C - D</div><div>D</div><div>2,00</div></div>"
        << QStringList{"A|B|xxk.bmp||1.50", "C|D||xxk.bmp|2.00"};
    QTest::newRow("HTML: a removed tip's notice inside its leg")
        << "<div class=t><div>A - B</div><div>A</div><div>1,50</div></div><div class=t><div>C - "
           "D</div><div>D</div>"
           "<div>2,00</div><div>Törölve <button>Visszaállít</button></div></div>"
        << QStringList{"A(z) 2. tipp mellett törölt tipp is áll: „Törölve Visszaállít”"};
    QTest::newRow("HTML: a label visually hidden by its style, a price struck by its style")
        << "<p>A - C<p>C<p><span style=\"position: absolute; width: 1px; height: 1px; overflow: hidden; "
           "clip: "
           "rect(0px, 0px, 0px, 0px);\">Odds 9,99</span><span style=\"text-decoration: "
           "line-through;\">2,10</span> "
           "1,95"
        << QStringList{"A|C||xxk.bmp|1.95"};
    QTest::newRow(
        "HTML: hidden by a class, the attribute, display and visibility; struck by <del> and a rule")
        << "<style>.was { color: grey; text-decoration-line: line-through }</style><p class=\"sr-only\">E - "
           "F<p>A "
           "- B<p hidden>C - D<p style=\"display:none\">E<p style=\"visibility: hidden\">B<p "
           "aria-hidden=\"true\""
           ">A<p><del>3,00</del><span class=\"was\">2,80</span>2,50"
        << QStringList{"A|B|xxk.bmp||2.50"};
    QTest::newRow("HTML: a price struck by a class the copy does not define")
        << "<p>A - B<p>A<p><span class=\"old\">2,10</span><span class=\"new\">1,95</span>"
        << QStringList{"A(z) 1. tipp után még egy szorzó áll: „1,95”"};
    QTest::newRow("HTML: a table's cells")
        << "<table><tr><th>Esemény<th>Tipp<th>Szorzó<tr><td>A - C<td><b>A</b><td>3</table>"
        << QStringList{"A|C|xxk.bmp||3"};
    QTest::newRow("HTML: flex items stand apart, words dressed in bold run on")
        << "<div style=\"display: flex;\"><span>A v B</span> <span>K<b>ét</b>esély: A vagy Döntetlen</span> "
           "<span>1,40</span></div>"
        << QStringList{"A|B|Xxx.bmp|xx.bmp|1.40"};
}

void TestIntake::readsSlips() {
    QFETCH(QString, clipboard);
    QFETCH(QStringList, tips);
    FakePlatform platform;
    platform.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp"});
    setClipboard(platform, clipboard);
    Form1 form(platform);
    form.Command1.click();
    form.Command2.click();
    QStringList got;
    for (const auto& message : platform.messages)
        got << message.text;
    const auto picture = [&](int r, int c) { return QFileInfo(form.Grid1.pictureAt(r, c)).fileName(); };
    for (int r = 1; r <= form.module1.tipCount; ++r) {
        QStringList tip{form.Grid1.textAt(r, 1), form.Grid1.textAt(r, 2), picture(r, 1), picture(r, 2),
                        form.Grid1.textAt(r, 3)};
        if (const PlaceTerms terms = form.termsAt(form.Grid1, r).place; terms.eachWay())
            tip << placeTermsText(terms);
        got << tip.join(u'|');
    }
    QCOMPARE(got, tips);
}

// A refusal names its fault, the tip, the block of lines it stops in and the piece it quotes,
// whatever the words it is told in.
void TestIntake::namesTheBlock_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<qsizetype>>("tipFirstLast");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("no price") << QStringList{"A - B", "A", "Szorzó:"} << int(RefusalCode::PriceMissing)
                              << QList<qsizetype>{1, 0, 2} << "Szorzó:";
    QTest::newRow("a price after the second tip's")
        << QStringList{"A - B", "A", "1,50", "C - D", "C", "1,50", "1,80"} << int(RefusalCode::ExtraPrice)
        << QList<qsizetype>{2, 3, 6} << "1,80";
    QTest::newRow("two prices in a cell's row")
        << QStringList{"Ma 20:00", "A - B\tA\t1,50 1,80"} << int(RefusalCode::TwoPricesInLine)
        << QList<qsizetype>{1, 1, 1} << "A - B\tA\t1,50 1,80";
    QTest::newRow("an unknown line between tips")
        << QStringList{"A - B", "A", "1,50", "Valami más", "C - D", "C", "2,00"}
        << int(RefusalCode::UnknownLine) << QList<qsizetype>{2, 3, 4} << "Valami más";
    QTest::newRow("a date run into a name's digits")
        << QStringList{"Nr.\tSpiel\tTipp\tQuote", "2\t14.11.20261. FC A - B\tAusgewählt:1\tQuote 2,2"}
        << int(RefusalCode::NoTeams) << QList<qsizetype>{1, 1, 1}
        << "2\t14.11.20261. FC A - B\tAusgewählt:1\tQuote 2,2";
    QTest::newRow("pick's label run into the pick without its colon")
        << QStringList{"#\tEvent\tPick\tOdds", "1\tA v B\tSelectedDraw\tOdds 6.40"}
        << int(RefusalCode::OutcomeUnclear) << QList<qsizetype>{1, 1, 1} << "SelectedDraw";
    QTest::newRow("market's name run into the pick")
        << QStringList{"Esemény\tTipp\tSzorzó", "A - B\tVégeredményV\t1,50"}
        << int(RefusalCode::OutcomeUnclear) << QList<qsizetype>{1, 1, 1} << "VégeredményV";
}

void TestIntake::namesTheBlock() {
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QList<qsizetype>, tipFirstLast);
    QFETCH(QString, quoted);
    const SlipReading reading = readSlip(lines);
    QCOMPARE(int(reading.refusal.code), code);
    QCOMPARE((QList<qsizetype>{reading.refusal.tip, reading.refusal.first, reading.refusal.last}),
             tipFirstLast);
    QCOMPARE(reading.refusal.quoted, quoted);
}

// A word is one thing to the reader in every language it stands in: the roles it has in all of
// them together never clash.
void TestIntake::wordsHoldNoClashingRoles() {
    using namespace slipwords;
    QHash<QString, quint64> roles;
    for (const Language& language : kLanguages) {
        for (const Word& word : language.words)
            roles[word.text.toString().toCaseFolded()] |= word.roles;
    }
    QVERIFY(roles.size() > 500);
    QStringList clashes;
    for (auto it = roles.cbegin(); it != roles.cend(); ++it) {
        for (const auto& pair : kClashes) {
            if ((it.value() & pair[0]) && (it.value() & pair[1])) clashes << it.key();
        }
    }
    QCOMPARE(clashes, QStringList());
    QCOMPARE(wordsOf(Draw).count(u"Unentschieden"), 1);  // German is read
}

// What each piece of a slip is to the reader, one piece a row: a price (its odds), an event (its
// teams), a pick that a bet builder adds, a line the reader passes over, and how a leg written on
// one line is parted. Pieces of every language the tables know.
void TestIntake::tellsPieces_data() {
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("furtherPick");
    QTest::addColumn<bool>("noise");
    QTest::addColumn<QString>("legPieces");
    QTest::addColumn<QString>("race");
    QTest::addColumn<QString>("runner");
    QTest::addColumn<QString>("token");
    QTest::newRow("price with its label") << "Quote 2,10"
                                          << "2.10"
                                          << "" << false << false << "" << QString() << QString() << "Price";
    QTest::newRow("price written twice") << "Odds 6.40 Odds 6.40"
                                         << "6.40"
                                         << "" << false << false << "" << QString() << QString() << "Price";
    QTest::newRow("old and new price") << "Korábbi szorzó: 1,58 1,96"
                                       << "1.96"
                                       << "" << false << false << "" << QString() << QString() << "OldPrice";
    QTest::newRow("price and a button") << "Szorzó 2,46 ×"
                                        << "2.46"
                                        << "" << false << false << "" << QString() << QString() << "Price";
    QTest::newRow("line, no price") << "Über 9,5 Ecken"
                                    << ""
                                    << "" << true << false << "" << QString() << QString() << "FurtherPick";
    QTest::newRow("another market's pick")
        << "Both Teams To Score: Yes"
        << ""
        << "" << true << false << "" << QString() << QString() << "FurtherPick";
    QTest::newRow("result market's pick") << "Match Result: Draw"
                                          << ""
                                          << "" << false << false << "" << QString() << QString() << "Name";
    QTest::newRow("market's name") << "Asiatisches Handicap"
                                   << ""
                                   << "" << false << true << "" << QString() << QString() << "Market";
    QTest::newRow("button run into its sign")
        << "Tipp entfernen×"
        << ""
        << "" << false << true << "" << QString() << QString() << "Noise";
    QTest::newRow("German event") << "1. FC Köln vs. VfL Bochum"
                                  << ""
                                  << "1. FC Köln|VfL Bochum" << false << false << "" << QString() << QString()
                                  << "Event";
    QTest::newRow("teams run together")
        << "Real MadridvsBolton Wanderers"
        << ""
        << "Real Madrid|Bolton Wanderers" << false << false << "" << QString() << QString() << "Event";
    QTest::newRow("teams run together after a capital")
        << "MTKvsFerencváros"
        << ""
        << "" << false << false << "" << QString() << "MTKvsFerencváros"
        << "Name";
    QTest::newRow("kick-off run into the home team")
        << "05.10.2026Bayern München - Schalke 04"
        << ""
        << "Bayern München|Schalke 04" << false << false << "" << QString() << QString() << "Event";
    QTest::newRow("date run into a name's digits")
        << "14.11.20261. FC Köln - Schalke 04"
        << ""
        << "" << false << false << "" << QString() << QString() << "Name";
    QTest::newRow("price written twice, run together, a button after it")
        << "Quote 1,31,3 Tipp entfernen×"
        << "1.3"
        << "" << false << false << "" << QString() << QString() << "Price";
    QTest::newRow("a date is no price twice")
        << "12.12.12.12."
        << ""
        << "" << false << true << "" << QString() << QString() << "DateTime";
    // A heading's words before the teams: alone, the line is a heading.
    QTest::newRow("event after league and kick-off")
        << "NB I · Szo 21:45 Paksi FC - Ferencváros"
        << ""
        << "Paksi FC|Ferencváros" << false << true << "" << QString() << QString() << "Heading";
    QTest::newRow("leg on one line, labelled")
        << "Arsenal v Chelsea Selected: Draw Odds 3.40"
        << ""
        << "Arsenal|Chelsea Selected: Draw Odds 3.40" << false << false
        << "Arsenal - Chelsea ¦ Selected: Draw ¦ Odds 3.40" << QString() << QString() << "Event";
    QTest::newRow("leg on one line, a code before its price")
        << "Hertha BSC – Eintracht Frankfurt 3-Weg X 2,02"
        << ""
        << "Hertha BSC|Eintracht Frankfurt 3-Weg X 2,02" << false << false
        << "Hertha BSC - Eintracht Frankfurt ¦ 3-Weg X ¦ 2,02" << QString() << QString() << "Event";
    QTest::newRow("leg on one line, the team once more")
        << "Paks - Újpest Újpest 1,85"
        << ""
        << "Paks|Újpest Újpest 1,85" << false << false << "Paks - Újpest ¦ Újpest ¦ 1,85" << QString()
        << QString() << "Event";
    QTest::newRow("leg on one line, its pick holding an old price")
        << "Paks - Újpest Kétesély X2 1,28 Szorzó 1,82"
        << ""
        << "Paks|Újpest Kétesély X2 1,28 Szorzó 1,82" << false << false << "" << QString() << QString()
        << "Event";
    // A race by its off time and course, either way round; a match at a course's town is no race.
    // A runner without its saddle-cloth number; "SP" is a price not yet set.
    QTest::newRow("race and its name") << "14:30 Cheltenham - Gold Cup Chase"
                                       << ""
                                       << "Cheltenham|Gold Cup Chase" << false << false << ""
                                       << "14:30 Cheltenham"
                                       << ""
                                       << "Race";
    QTest::newRow("course before the time") << "Kempton Park 19:45 Novice Stakes"
                                            << ""
                                            << "" << false << false << ""
                                            << "19:45 Kempton Park"
                                            << ""
                                            << "Race";
    QTest::newRow("match at a course's town") << "15:00 Newcastle v Arsenal"
                                              << ""
                                              << "Newcastle|Arsenal" << false << false << ""
                                              << ""
                                              << ""
                                              << "Event";
    QTest::newRow("runner, number before") << "(3) Desert Crown"
                                           << ""
                                           << "" << false << false << ""
                                           << ""
                                           << "Desert Crown"
                                           << "Name";
    QTest::newRow("runner, number after") << "Desert Crown (3)"
                                          << ""
                                          << "" << false << false << ""
                                          << ""
                                          << "Desert Crown"
                                          << "Name";
    QTest::newRow("starting price") << "Price: SP"
                                    << "SP"
                                    << "" << false << false << ""
                                    << ""
                                    << ""
                                    << "StartingPrice";
    QTest::newRow("fractional price") << "@ 5/2"
                                      << "5/2"
                                      << "" << false << false << ""
                                      << ""
                                      << ""
                                      << "DuePrice";
    // One row for each token no row above tells.
    QTest::newRow("team cut short") << QStringLiteral("LOSC Lille — Real…") << QString() << QString() << false
                                    << false << QString() << QString() << QString()
                                    << QStringLiteral("CutEvent");
    QTest::newRow("separator alone") << QStringLiteral("–") << QString() << QString() << false << true
                                     << QString() << QString() << QString() << QStringLiteral("Separator");
    QTest::newRow("an offer's prices")
        << QStringLiteral("1 3,27 X 7,45") << QString() << QString() << false << false << QString()
        << QString() << QString() << QStringLiteral("OfferedPrices");
    QTest::newRow("two prices") << QStringLiteral("1,85 2,10") << QString() << QString() << false << false
                                << QString() << QString() << QString() << QStringLiteral("TwoPrices");
    QTest::newRow("each-way terms") << QStringLiteral("E/W 1/4 1-2-3") << QString() << QString() << false
                                    << false << QString() << QString() << QString()
                                    << QStringLiteral("EachWayTerms");
    QTest::newRow("price below evens")
        << QStringLiteral("Szorzó: 0,95") << QString() << QString() << false << false << QString()
        << QString() << QString() << QStringLiteral("LowPrice");
    QTest::newRow("price's label alone")
        << QStringLiteral("Szorzó:") << QString() << QString() << false << true << QString() << QString()
        << QString() << QStringLiteral("PriceLabel");
    QTest::newRow("summary's label") << QStringLiteral("Eredő szorzó") << QString() << QString() << false
                                     << true << QString() << QString() << QString()
                                     << QStringLiteral("SummaryLabel");
    QTest::newRow("teams under a heading, and a price")
        << QStringLiteral("NB I · Paksi FC - Ferencváros 1,85") << QString()
        << QStringLiteral("NB I · Paksi FC|Ferencváros 1,85") << false << true << QString() << QString()
        << QString() << QStringLiteral("PricedHeading");
    QTest::newRow("pick's label alone")
        << QStringLiteral("Selected:") << QString() << QString() << false << false << QString() << QString()
        << QString() << QStringLiteral("PickLabel");
    QTest::newRow("market with its label")
        << QStringLiteral("Piac: Szettek száma") << QString() << QString() << true << true << QString()
        << QString() << QString() << QStringLiteral("MarketLine");
    QTest::newRow("side's code, a header's word")
        << QStringLiteral("Home") << QString() << QString() << false << true << QString() << QString()
        << QString() << QStringLiteral("Code");
    QTest::newRow("amount of money") << QStringLiteral("1 500 Ft") << QString() << QString() << false << true
                                     << QString() << QString() << QString() << QStringLiteral("Money");
    QTest::newRow("date and time") << QStringLiteral("12.12. 20:45") << QString() << QString() << false
                                   << true << QString() << QString() << QString()
                                   << QStringLiteral("DateTime");
    QTest::newRow("sport and league")
        << QStringLiteral("Labdarúgás · Anglia · Premier League") << QString() << QString() << false << true
        << QString() << QString() << QString() << QStringLiteral("Heading");
    QTest::newRow("tip taken off") << QStringLiteral("Törölve") << QString() << QString() << false << false
                                   << QString() << QString() << QStringLiteral("Törölve")
                                   << QStringLiteral("Removal");
    QTest::newRow("number alone") << QStringLiteral("3") << QString() << QString() << false << false
                                  << QString() << QString() << QString() << QStringLiteral("LegNumber");
    QTest::newRow("several bare hyphens")
        << QStringLiteral("Alfa-Béta-Gamma") << QString() << QString() << false << false << QString()
        << QString() << QString() << QStringLiteral("UnclearEvent");
}

void TestIntake::tellsPieces() {
    QFETCH(QString, piece);
    QFETCH(QString, price);
    QFETCH(QString, event);
    QFETCH(bool, furtherPick);
    QFETCH(bool, noise);
    QFETCH(QString, legPieces);
    QFETCH(QString, race);
    QFETCH(QString, runner);
    QFETCH(QString, token);
    QCOMPARE(slip::tokenName(slip::Piece(piece).token()), token);
    const slip::PriceRead read = slip::readPrice(piece, false, true);
    QCOMPARE(read.kind == slip::PriceKind::One ? read.odds
             : slip::isStartingPrice(piece)    ? QStringLiteral("SP")
                                               : QString(),
             price);
    QCOMPARE(slip::readRace(piece), race);
    QCOMPARE(slip::runnerOf(piece).toString(), runner);
    const slip::EventRead teams = slip::readEvent(piece);
    QCOMPARE(teams.kind == slip::EventKind::Teams ? teams.home.toString() + u'|' + teams.away.toString()
                                                  : QString(),
             event);
    QCOMPARE(slip::isFurtherPick(piece), furtherPick);
    QCOMPARE(slip::isNoise(piece), noise);
    QCOMPARE(slip::legPieces(piece, 1).join(QStringLiteral(" ¦ ")), legPieces);
}

KOMBINATOR_TEST(TestIntake);
#include "tst_intake.moc"
