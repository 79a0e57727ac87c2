// Conversion of the offer list's tip blocks into the tip grid: team names, outcome markers, odds
// texts, the limits and their messages, the enabled calculators, the regrouped offer list.
#include <QFileInfo>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "offer/conversion.h"
#include "testmain.h"

using namespace kombinator;

namespace {

const QStringList kMarkers{"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"};

// The file name of a cell's picture ("" for none).
QString pictureName(const Form1& form, int row, int col) {
    const QString path = form.Grid1.pictureAt(row, col);
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QStringList tipBlocks(int tips) {
    QStringList lines;
    for (int i = 1; i <= tips; ++i)
        lines << QStringLiteral("A%1 - B%1").arg(i) << QStringLiteral("A%1").arg(i)
              << QStringLiteral("1,%1").arg(i % 90 + 10);
    return lines;
}

QStringList enabledCaptions(Form1& form) {
    QStringList captions;
    for (Button* b : form.calculatorButtons()) {
        if (b->isEnabled()) captions << b->caption();
    }
    return captions;
}

// The pictures of the row's number, home, away and odds cells after converting one tip block.
QStringList markersOf(const QString& event, const QString& outcome) {
    test::FakePlatform platform;
    platform.installResources(kMarkers);
    Form1 form(platform);
    form.List5.setLines({event, outcome, "1,85"});
    form.Command2_Click();
    return {pictureName(form, 1, 1), pictureName(form, 1, 2), pictureName(form, 1, 0),
            pictureName(form, 1, 3)};
}

// What the odds text was before the mend: the first comma made a point, then the last five
// characters, trimmed.
QString fiveCharacterOdds(QString line) {
    const qsizetype comma = line.indexOf(u',');
    if (comma >= 0) line[comma] = u'.';
    return line.right(5).trimmed();
}

}  // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void outcomeMarkers_data() {
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::newRow("home win") << "Arsenal (H)"
                                  << "xxk.bmp"
                                  << "";
        QTest::newRow("away win") << "Chelsea"
                                  << ""
                                  << "xxk.bmp";
        QTest::newRow("home win after blanks") << "   Arsenal  "
                                               << "xxk.bmp"
                                               << "";
        QTest::newRow("team not at the start") << "Győz Arsenal"
                                               << ""
                                               << "";
        QTest::newRow("market label before the home team") << "Győz: Arsenal"
                                                           << "xxk.bmp"
                                                           << "";
        QTest::newRow("kick-off time is no label") << "20:45 Arsenal"
                                                   << ""
                                                   << "";
        QTest::newRow("team first, its colon kept") << "Chelsea: Arsenal"
                                                    << ""
                                                    << "xxk.bmp";
        QTest::newRow("draw") << "Döntetlen"
                              << "xx.bmp"
                              << "xx.bmp";
        QTest::newRow("draw word at the end") << "Eredmény: Döntetlen"
                                              << "xx.bmp"
                                              << "xx.bmp";
        QTest::newRow("draw in lower case") << "döntetlen"
                                            << "xx.bmp"
                                            << "xx.bmp";
        // A team or the draw is a double chance, whatever the case of its words.
        QTest::newRow("home or draw, home team first") << "Arsenal vagy Döntetlen"
                                                       << "Xxx.bmp"
                                                       << "xx.bmp";
        QTest::newRow("away or draw in lower case") << "Chelsea vagy döntetlen"
                                                    << "xx.bmp"
                                                    << "Xxx.bmp";
        QTest::newRow("home or away") << "Arsenal vagy Chelsea"
                                      << "xxk.bmp"
                                      << "xxk.bmp";
        QTest::newRow("market label, code 1") << "1X2: 1"
                                              << "xxk.bmp"
                                              << "";
        QTest::newRow("code X") << "X"
                                << "xx.bmp"
                                << "xx.bmp";
        QTest::newRow("code V") << "V"
                                << ""
                                << "xxk.bmp";
        QTest::newRow("code X2") << "Tipp: X2"
                                 << "xx.bmp"
                                 << "Xxx.bmp";
        QTest::newRow("start of the away team") << "Chel"
                                                << ""
                                                << "";
        QTest::newRow("home win in words") << "Hazai győzelem"
                                           << "xxk.bmp"
                                           << "";
        QTest::newRow("away win in English") << "Away win"
                                             << ""
                                             << "xxk.bmp";
        QTest::newRow("double chance in English") << "Match Result: Arsenal or Draw"
                                                  << "Xxx.bmp"
                                                  << "xx.bmp";
        QTest::newRow("full time result in English") << "Full Time Result: Chelsea"
                                                     << ""
                                                     << "xxk.bmp";
        QTest::newRow("draw in English") << "Match Result: Draw"
                                         << "xx.bmp"
                                         << "xx.bmp";
        QTest::newRow("winner by five letters of the name") << "Winner: Chels"
                                                            << ""
                                                            << "xxk.bmp";
        QTest::newRow("a half's draw has no markers") << "Félidő: Döntetlen"
                                                      << ""
                                                      << "";
        QTest::newRow("a handicap has no markers") << "Hendikep: Arsenal (-1)"
                                                   << ""
                                                   << "";
        QTest::newRow("a line beside the team has no markers") << "Arsenal (+1,5)"
                                                               << ""
                                                               << "";
        QTest::newRow("the result with its overtime") << "Győztes (hosszabbítással): Chelsea"
                                                      << ""
                                                      << "xxk.bmp";
        QTest::newRow("a longer word is not the team") << "Arsenalista"
                                                       << ""
                                                       << "";
        QTest::newRow("other market") << "Gólok: több mint 2,5"
                                      << ""
                                      << "";
        QTest::newRow("double chance 12") << "Kétesély 12"
                                          << "xxk.bmp"
                                          << "xxk.bmp";
        QTest::newRow("double chance, away first") << "Chelsea Kétesély"
                                                   << "xxk.bmp"
                                                   << "xxk.bmp";
        QTest::newRow("home or draw") << "Kétesély: Arsenal vagy Döntetlen"
                                      << "Xxx.bmp"
                                      << "xx.bmp";
        QTest::newRow("away or draw") << "Kétesély: Chelsea vagy Döntetlen"
                                      << "xx.bmp"
                                      << "Xxx.bmp";
        QTest::newRow("double chance and draw only") << "Kétesély Döntetlen"
                                                     << "xx.bmp"
                                                     << "xx.bmp";
        QTest::newRow("code 1X") << "1X"
                                 << "Xxx.bmp"
                                 << "xx.bmp";
        QTest::newRow("win word before the team") << "Sieg Chelsea"
                                                  << ""
                                                  << "xxk.bmp";
        QTest::newRow("screen reader's label before the page's") << "Selected: Pick: 12"
                                                                 << "xxk.bmp"
                                                                 << "xxk.bmp";
        QTest::newRow("result market's name in the cell") << "Endergebnis Unentschieden"
                                                          << "xx.bmp"
                                                          << "xx.bmp";
        QTest::newRow("other market's name in the cell") << "Asian Handicap Arsenal"
                                                         << ""
                                                         << "";
        QTest::newRow("line pick after the team") << "Arsenal Kevesebb, mint 3,5"
                                                  << ""
                                                  << "";
        QTest::newRow("line pick") << "Over 2.5 Goals"
                                   << ""
                                   << "";
        QTest::newRow("line pick, German") << "Unter 9,5 Ecken"
                                           << ""
                                           << "";
        QTest::newRow("a team named Over") << "Overton"
                                           << ""
                                           << "";
        QTest::newRow("bet builder's picks") << "Chelsea + Both Teams To Score: Yes"
                                             << ""
                                             << "";
    }
    void outcomeMarkers() {
        QFETCH(QString, outcome);
        QFETCH(QString, home);
        QFETCH(QString, away);
        QCOMPARE(markersOf("Arsenal - Chelsea", outcome), (QStringList{home, away, "", ""}));
    }

    // Event and outcome lines as a web page gives them: the markers are the ones plain lines get.
    void markersOfCopiedLines_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::newRow("en dash, home") << QString("Arsenal \u2013 Chelsea") << "Arsenal"
                                       << "xxk.bmp"
                                       << "";
        QTest::newRow("en dash, away") << QString("Arsenal \u2013 Chelsea") << "Chelsea (V)"
                                       << ""
                                       << "xxk.bmp";
        QTest::newRow("em dash, home or draw")
            << QString("Arsenal \u2014 Chelsea") << "Kétesély: Arsenal vagy Döntetlen"
            << "Xxx.bmp"
            << "xx.bmp";
        QTest::newRow("no-break spaces, away") << QString("Real\u00a0Madrid\u00a0-\u00a0Atlético\u00a0Madrid")
                                               << QString("Atlético\u00a0Madrid") << ""
                                               << "xxk.bmp";
        QTest::newRow("no-break space in the name, plain in the outcome")
            << QString("Real\u00a0Madrid - Barcelona") << "Real Madrid (H)"
            << "xxk.bmp"
            << "";
        QTest::newRow("no-break space before the outcome")
            << QString("Arsenal\u00a0\u2013\u00a0Chelsea") << QString("\u00a0\u200bArsenal") << "xxk.bmp"
            << "";
        QTest::newRow("away or draw, narrow spaces")
            << QString("Arsenal\u202f\u2212\u202fChelsea")
            << QString("Kétesély:\u00a0Chelsea vagy\u00a0Döntetlen") << "xx.bmp"
            << "Xxx.bmp";
    }
    void markersOfCopiedLines() {
        QFETCH(QString, event);
        QFETCH(QString, outcome);
        QFETCH(QString, home);
        QFETCH(QString, away);
        QCOMPARE(markersOf(event, outcome), (QStringList{home, away, "", ""}));
    }

    // A coupon copied from a page that writes &nbsp; before and after its odds: every tip keeps
    // its odds, and the doubles are 1.50 x 2.00, 1.50 x 1.80 and 2.00 x 1.80.
    void noBreakSpaceCoupon() {
        test::FakePlatform platform;
        platform.clipboard = QString(
            "Arsenal\u00a0\u2013\u00a0Chelsea\r\nArsenal\r\nSzorzó:\u00a01,50\r\n"
            "Liverpool\u00a0-\u00a0Everton\r\nLiverpool\u00a0\r\nSzorzó: 2,00\u00a0\r\n"
            "Leeds \u2013 Fulham\r\nFulham\r\nSzorzó:\u00a01,80\u00a0\r\n");
        Form1 form(platform);
        form.Command1_Click();
        form.Command2_Click();
        QCOMPARE(form.module1.tipCount, 3);
        QCOMPARE(form.Grid1.textAt(2, 3), "2.00");
        // The offer list keeps the lines as they were copied, but for the page's blanks.
        QCOMPARE(form.List5.lines().mid(0, 5), (QStringList{QString("Arsenal \u2013 Chelsea"), "Arsenal",
                                                            "Szorzó: 1,50", "", "Liverpool - Everton"}));
        form.Command8[0].click();
        QCOMPARE(form.List1.lines(), (QStringList{"01 02", "01 03", "02 03"}));
        QCOMPARE(form.List3.lines(), (QStringList{"3.00", "2.70", "3.60", "", "Össz.: 9.30", "Ny/s.: 3.10"}));
        QVERIFY(platform.messages.empty());
    }

    // "Szorzó: 3," is odds 3: the single pays 3.00.
    void oddsCutShortCount() {
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setLines(
            {"Arsenal - Chelsea", "Arsenal", "Szorzó: 3,", "Leeds - Fulham", "Leeds", "Szorzó: 1,50"});
        form.Command2_Click();
        QCOMPARE(form.Grid1.textAt(1, 3), "3");
        form.Command24.click();
        QCOMPARE(form.List3.lines(), (QStringList{"3.00", "1.50", "", "Össz.: 4.50", "Ny/s.: 2.25"}));
    }

    // A marker file that cannot be loaded leaves the cell as the earlier rules left it.
    void missingMarkerFiles_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::newRow("no files") << QStringList{} << "Arsenal"
                                  << ""
                                  << "";
        QTest::newRow("no win-or-draw file")
            << QStringList{"xx.bmp", "xxk.bmp"} << "Kétesély: Arsenal vagy Döntetlen"
            << "xx.bmp"
            << "xx.bmp";
        QTest::newRow("no win file") << QStringList{"xx.bmp"} << "Arsenal vagy Döntetlen"
                                     << "xx.bmp"
                                     << "xx.bmp";
    }
    void missingMarkerFiles() {
        QFETCH(QStringList, installed);
        QFETCH(QString, outcome);
        QFETCH(QString, home);
        QFETCH(QString, away);
        test::FakePlatform platform;
        platform.installResources(installed);
        Form1 form(platform);
        form.List5.setLines({"Arsenal - Chelsea", outcome, "1,85"});
        form.Command2_Click();
        QCOMPARE(pictureName(form, 1, 1), home);
        QCOMPARE(pictureName(form, 1, 2), away);
        QCOMPARE(form.Grid1.textAt(1, 1), "Arsenal");
        QCOMPARE(form.Grid1.textAt(1, 3), "1.85");
        QCOMPARE(form.module1.tipCount, 1);
        QVERIFY(platform.messages.empty());
    }

    void teamNames_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::newRow("blanks around the hyphen") << "Arsenal - Chelsea"
                                                  << "Arsenal"
                                                  << "Chelsea";
        QTest::newRow("bare hyphen") << "Arsenal-Chelsea"
                                     << "Arsenal"
                                     << "Chelsea";
        QTest::newRow("first of two") << "Arsenal - Chelsea - B"
                                      << "Arsenal"
                                      << "Chelsea - B";
        QTest::newRow("hyphenated name") << "Saint-Étienne - Lyon"
                                         << "Saint-Étienne"
                                         << "Lyon";
        QTest::newRow("league and kick-off before the teams")
            << "OTP Bank Liga · H 13:00 Red Bull Salzburg - Paks"
            << "Red Bull Salzburg"
            << "Paks";
        QTest::newRow("blank on one side, not trimmed") << "Arsenal -Chelsea"
                                                        << "Arsenal "
                                                        << "Chelsea";
        // An event that does not tell its two teams makes no tip (empty names: refused).
        QTest::newRow("no hyphen") << "Arsenal Chelsea"
                                   << ""
                                   << "";
        QTest::newRow("a receipt's tip number") << "1)  Arsenal - Chelsea"
                                                << "Arsenal"
                                                << "Chelsea";
        QTest::newRow("a name cut short") << QString("Arsenal - Chel\u2026") << ""
                                          << "";
        QTest::newRow("a bare hyphen before a small letter") << "Arsenal-chelsea"
                                                             << ""
                                                             << "";
        QTest::newRow("a team against itself") << "Arsenal - Arsenal"
                                               << ""
                                               << "";
        QTest::newRow("two bare hyphens") << "Saint-Étienne-Lyon"
                                          << ""
                                          << "";
        QTest::newRow("v between names with hyphens") << "AS Saint-Étienne v Paris Saint-Germain"
                                                      << "AS Saint-Étienne"
                                                      << "Paris Saint-Germain";
        QTest::newRow("vs.") << "Wolverhampton Wanderers vs. Nottingham Forest"
                             << "Wolverhampton Wanderers"
                             << "Nottingham Forest";
        QTest::newRow("kick-off before the teams") << "20:45 Arsenal - Chelsea"
                                                   << "Arsenal"
                                                   << "Chelsea";
        // Dashes and blanks as web pages write them.
        QTest::newRow("en dash") << QString("Arsenal \u2013 Chelsea") << "Arsenal"
                                 << "Chelsea";
        QTest::newRow("em dash") << QString("Arsenal \u2014 Chelsea") << "Arsenal"
                                 << "Chelsea";
        QTest::newRow("minus sign") << QString("Arsenal \u2212 Chelsea") << "Arsenal"
                                    << "Chelsea";
        QTest::newRow("no-break spaces") << QString("Real\u00a0Madrid\u00a0-\u00a0Barcelona") << "Real Madrid"
                                         << "Barcelona";
        QTest::newRow("en dash between no-break spaces")
            << QString("Arsenal\u00a0\u2013\u202fChelsea") << "Arsenal"
            << "Chelsea";
        QTest::newRow("first of en dash and hyphen")
            << QString("Saint-Étienne \u2013 Paris - B") << "Saint-Étienne"
            << "Paris - B";
        QTest::newRow("hyphen before en dash")
            << QString("Arsenal - Chelsea \u2013 B") << "Arsenal" << QString("Chelsea \u2013 B");
        QTest::newRow("bare en dash is no separator") << QString("Arsenal\u2013Chelsea") << ""
                                                      << "";
        QTest::newRow("en dash with a blank on one side, hyphen later")
            << QString("A \u2013B-C") << QString("A \u2013B") << "C";
    }
    void teamNames() {
        QFETCH(QString, event);
        QFETCH(QString, home);
        QFETCH(QString, away);
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setLines({event, "X", "2,00"});
        form.Command2_Click();
        QCOMPARE(platform.messages.size(), size_t{home.isEmpty() ? 1u : 0u});
        QCOMPARE(form.Grid1.textAt(1, 0), home.isEmpty() ? "" : "1");
        QCOMPARE(form.Grid1.textAt(1, 1), home);
        QCOMPARE(form.Grid1.textAt(1, 2), away);
    }

    void oddsTexts_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("odds");
        QTest::newRow("with label") << "Szorzó: 2,15"
                                    << "2.15";
        QTest::newRow("three digits") << "Szorzó: 150,00"
                                      << "150.00";
        QTest::newRow("no blank after the colon") << "Szorzó:2,15"
                                                  << "2.15";
        QTest::newRow("old and new price") << "statt 3,00 3,30"
                                           << "3.30";
        QTest::newRow("new price, the struck old one left out") << "Was: 1.64"
                                                                << "1.64";
        QTest::newRow("comma in the label") << "Szorzó, 2,15"
                                            << "2.15";
        QTest::newRow("one decimal") << "1,5"
                                     << "1.5";
        QTest::newRow("already a point") << "2.15"
                                         << "2.15";
        QTest::newRow("trailing blank") << "Szorzó: 1,85 "
                                        << "1.85";
        QTest::newRow("two trailing blanks") << "Szorzó: 1,05  "
                                             << "1.05";
        QTest::newRow("two separators") << "Szorzó: 1,2,5"
                                        << "2.5";
        QTest::newRow("whole number") << "Szorzó: 3"
                                      << "3";
        QTest::newRow("no digit at the end") << "Szorzó: -"
                                             << "";
        QTest::newRow("ends in a comma") << "Szorzó: 2,15,"
                                         << "2.15";
        QTest::newRow("number cut short at its comma") << "Szorzó: 3,"
                                                       << "3";
        QTest::newRow("number cut short at its point") << "Szorzó: 12. "
                                                       << "12";
        QTest::newRow("comma alone") << "Szorzó: ,"
                                     << "";
        QTest::newRow("no-break space after") << QString("Szorzó: 2,00\u00a0") << "2.00";
        QTest::newRow("page blanks and marks around")
            << QString("Szorzó:\u202f1,80\u2009\u200b\u3000") << "1.80";
        QTest::newRow("mark between the digits") << QString("Szorzó: 1,\u200b85") << "1.85";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }
    void oddsTexts() {
        QFETCH(QString, line);
        QFETCH(QString, odds);
        QCOMPARE(oddsText(line), odds);
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setLines({"Arsenal - Chelsea", "Arsenal", line});
        form.Command2_Click();
        QCOMPARE(form.Grid1.textAt(1, 3), odds);
    }

    // Odds written the usual way (two decimals after a blank, or alone) read as they always did.
    void oddsOfOrdinaryLines_data() {
        QTest::addColumn<QString>("line");
        for (const char* line :
             {"Szorzó: 1,85", "Szorzó: 12,50", "Hazai győzelem 2,15", "1,85", "12,50", "1,5", "2.15",
              "Szorzó 3,40 ", "Arsenal (H) 1,01", "Odds: 99,99", " 7,25", "1,05 "})
            QTest::newRow(line) << QString::fromUtf8(line);
    }
    void oddsOfOrdinaryLines() {
        QFETCH(QString, line);
        QCOMPARE(oddsText(line), fiveCharacterOdds(line));
    }

    void arsenalExample() {
        test::FakePlatform platform;
        platform.installResources(kMarkers);
        Form1 form(platform);
        form.List1.setLines({"01 02"});
        form.List3.setLines({"3.00"});
        form.List5.setToolTip("tipp");
        form.resultFlags[1] = 1;
        form.List5.setLines({"Arsenal - Chelsea", "Arsenal (H)", "1,85"});
        form.Command2_Click();
        QCOMPARE(form.Grid1.textAt(1, 0), "1");
        QCOMPARE(form.Grid1.textAt(1, 1), "Arsenal");
        QCOMPARE(form.Grid1.textAt(1, 2), "Chelsea");
        QCOMPARE(form.Grid1.textAt(1, 3), "1.85");
        QCOMPARE(form.module1.tipCount, 1);
        QCOMPARE(enabledCaptions(form), QStringList());
        QCOMPARE(form.List5.toolTip(), QString());
        QCOMPARE(form.List1.lines(), QStringList({"01 02"}));  // the bet list stays
        QCOMPARE(form.List3.count(), 0);
        QCOMPARE(form.resultFlags[1], 0);
        QCOMPARE(form.Grid1.selection(), (GridRange{1, 1, 1, 1}));
        QCOMPARE(form.Grid1.row(), 1);
        QCOMPARE(form.Grid1.col(), 1);
    }

    void limits_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tips");
        QTest::newRow("150 lines") << 150 << "" << 50;
        QTest::newRow("153 lines") << 153 << "Maximum 50 esemény választható ki!" << 2;
        QTest::newRow("154 lines") << 154 << "Hibás kijelölés (nem 3 sor fogadásonként)!" << 2;
        QTest::newRow("7 lines") << 7 << "Hibás kijelölés (nem 3 sor fogadásonként)!" << 2;
        QTest::newRow("1 line") << 1 << "Hibás kijelölés (nem 3 sor fogadásonként)!" << 2;
    }
    void limits() {
        QFETCH(int, lines);
        QFETCH(QString, message);
        QFETCH(int, tips);
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setLines(tipBlocks(2));
        form.Command2_Click();  // two tips stand in the grid before
        form.List3.setLines({"3.00"});

        QStringList offer = tipBlocks(52).mid(0, lines);
        offer.insert(std::min<qsizetype>(3, offer.size()),
                     QString());  // empty lines are dropped before counting
        offer.append(QString());
        form.List5.setLines(offer);
        form.Command2_Click();

        QCOMPARE(form.module1.tipCount, tips);
        if (message.isEmpty()) {
            QVERIFY(platform.messages.empty());
            QCOMPARE(form.Grid1.textAt(50, 0), "50");
            QCOMPARE(form.Grid1.textAt(50, 1), "A50");
            QCOMPARE(form.List5.count(), 150 + 49);
            QCOMPARE(form.List5.line(4 * 49), "A50 - B50");
        } else {
            QCOMPARE(platform.messages.size(), size_t{1});
            QCOMPARE(platform.messages[0].text, message);
            QCOMPARE(platform.messages[0].caption, "Zelko-Soft/2013");
            QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
            QCOMPARE(platform.messages[0].buttons, MsgButtons::Ok);
            QCOMPARE(form.List5.lines(), tipBlocks(52).mid(0, lines));  // only the empty lines went
            QCOMPARE(form.Grid1.textAt(2, 1), "A2");                    // the grid is untouched
            QCOMPARE(form.List3.lines(), QStringList({"3.00"}));
        }
    }

    // A tip without a price stops the conversion at its block: the block is shown selected, the
    // tips of the last conversion stay.
    void refusesTipWithoutPrice_data() {
        QTest::addColumn<QStringList>("offer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("size");  // the lines shown selected
        const QStringList first = tipBlocks(1);
        QTest::newRow("odds label alone") << first + QStringList{"C - D", "", "C", "Szorzó:"}
                                          << "A(z) 2. tipp szorzója hiányzik: „Szorzó:”" << 3 << 3;
        QTest::newRow("odds below 1.00") << QStringList{"C - D", "C", "Szorzó: 0,95"} + first
                                         << "A(z) 1. tipp szorzója 1.00 alatt van: „Szorzó: 0,95”" << 0 << 3;
        QTest::newRow("odds 1.00 stand") << first + QStringList{"C - D", "C", "1,00"} << "" << -1 << 0;
        QTest::newRow("two prices in a line")
            << first + QStringList{"C - D", "C", "Szorzó: 1,80 1,95"}
            << "A(z) 2. tipp: két szorzó egy sorban: „Szorzó: 1,80 1,95”" << 3 << 3;
        QTest::newRow("event without two teams")
            << first + QStringList{"C D", "C", "1,50"} << "A(z) 2. tipp eseményében nincs két csapat: „C D”"
            << 3 << 3;
        QTest::newRow("a second price after a tip")
            << first + QStringList{"1,95", "C - D", "C", "2,00"}
            << "A(z) 1. tipp után még egy szorzó áll: „1,95”" << 0 << 4;
        // Words before the odds are taken only in whole three-line blocks.
        QTest::newRow("words before the odds, after a heading")
            << first + QStringList{"Élő", "C - D", "C", "Tipp 2,50"}
            << "A(z) 2. tipp szorzója hiányzik: „Tipp 2,50”" << 4 << 3;
        QTest::newRow("words before the odds in a whole block")
            << first + QStringList{"C - D", "C", "Tipp 2,50"} << "" << -1 << 0;
    }
    void refusesTipWithoutPrice() {
        QFETCH(QStringList, offer);
        QFETCH(QString, message);
        QFETCH(int, block);
        QFETCH(int, size);
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setLines(tipBlocks(4));
        form.Command2_Click();
        form.List3.setLines({"3.00"});
        form.List5.setLines(offer);
        form.Command2_Click();
        QCOMPARE(form.module1.tipCount, block < 0 ? 2 : 4);
        QCOMPARE(platform.messages.size(), size_t{block < 0 ? 0u : 1u});
        if (block < 0) return;
        QCOMPARE(platform.messages[0].text, message);
        QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
        QCOMPARE(platform.messages[0].caption, "Zelko-Soft/2013");
        for (int i = 0; i < form.List5.count(); ++i)
            QCOMPARE(form.List5.isSelected(i), i >= block && i < block + size);
        QCOMPARE(form.List5.topIndex(), block);
        QCOMPARE(form.Grid1.textAt(4, 1), "A4");
        QCOMPARE(form.List3.lines(), QStringList({"3.00"}));
    }

    void emptyOfferList() {
        test::FakePlatform platform;
        Form1 form(platform);
        form.List5.setToolTip("tipp");
        form.List3.setLines({"3.00"});
        form.Command2_Click();
        QVERIFY(platform.messages.empty());
        QCOMPARE(form.List5.toolTip(), QString());
        QCOMPARE(form.List3.lines(), QStringList({"3.00"}));
    }

    void enabledCalculators_data() {
        QTest::addColumn<int>("tips");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("0") << 0 << QStringList{};
        QTest::newRow("1") << 1 << QStringList{};
        QTest::newRow("2") << 2 << QStringList{"2"};
        QTest::newRow("3") << 3 << QStringList{"2", "3", "Trixie 4", "Patent 7"};
        QTest::newRow("4") << 4 << QStringList{"2", "3", "4", "Yankee 11", "Lucky 15"};
        QTest::newRow("5") << 5 << QStringList{"2", "3", "4", "5", "Canadian 26", "Lucky 31"};
        QTest::newRow("6") << 6 << QStringList{"2", "3", "4", "5", "6", "Heinz 57", "Lucky 63"};
        QTest::newRow("7") << 7 << QStringList{"2", "3", "4", "5", "6", "7", "Super Heinz 120"};
        QTest::newRow("8") << 8 << QStringList{"2", "3", "4", "5", "6", "7", "8", "Goliath 247"};
        QTest::newRow("9") << 9 << QStringList{"2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("10") << 10 << QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QTest::newRow("11") << 11 << QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
        QTest::newRow("12") << 12 << QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QTest::newRow("13") << 13
                            << QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"};
        QTest::newRow("14") << 14 << QStringList{};
        QTest::newRow("50") << 50 << QStringList{};
    }
    void enabledCalculators() {
        QFETCH(int, tips);
        QFETCH(QStringList, enabled);
        test::FakePlatform platform;
        Form1 form(platform);
        // A conversion before with another tip count must leave no button of its own enabled.
        form.List5.setLines(tipBlocks(tips == 3 ? 8 : 3));
        form.Command2_Click();
        form.List5.setLines(tips == 0 ? QStringList{"", ""} : tipBlocks(tips));
        form.Command2_Click();
        QCOMPARE(form.module1.tipCount, tips);
        QCOMPARE(enabledCaptions(form), enabled);
        QVERIFY(form.Command24.isEnabled());  // "1" is not among the calculators a conversion sets
    }

    void regroupedOfferList() {
        test::FakePlatform platform;
        platform.installResources(kMarkers);
        Form1 form(platform);
        form.List5.setLines({"", "Arsenal - Chelsea", "Arsenal", "", "1,85", "Fulham - Everton", "",
                             "Döntetlen", "Szorzó: 3,10"});
        form.Command2_Click();
        const QStringList grouped{"Arsenal - Chelsea", "Arsenal",   "1,85",        "",
                                  "Fulham - Everton",  "Döntetlen", "Szorzó: 3,10"};
        QCOMPARE(form.List5.lines(), grouped);
        QCOMPARE(form.List2.count(), 0);  // the scratch list keeps nothing

        auto cells = [&form] {
            QStringList all;
            for (int r = 1; r <= 3; ++r)
                for (int c = 0; c < 4; ++c)
                    all << form.Grid1.textAt(r, c) << form.Grid1.pictureAt(r, c);
            return all;
        };
        const QStringList first = cells();
        QCOMPARE(form.Grid1.textAt(2, 3), "3.10");
        form.Command2_Click();
        QCOMPARE(form.List5.lines(), grouped);
        QCOMPARE(cells(), first);
        QCOMPARE(form.module1.tipCount, 2);
    }

    // Command2 clears the bankers; the hidden Command23 keeps them and column 0 above the tips.
    void bankersKeptOrCleared_data() {
        QTest::addColumn<bool>("keep");
        QTest::newRow("Command2") << false;
        QTest::newRow("Command23") << true;
    }
    void bankersKeptOrCleared() {
        QFETCH(bool, keep);
        test::FakePlatform platform;
        platform.installResources(kMarkers);
        Form1 form(platform);
        form.List5.setLines(tipBlocks(4));
        form.Command2_Click();
        form.Grid2.setRow(1);
        form.Grid2.setCol(3);
        form.Grid2.setText("2.00");
        form.Grid2.setCol(1);
        form.Grid2.setText("A9");
        form.module1.bankerCount = 1;
        form.Grid1.setRow(4);
        form.Grid1.setCol(0);
        form.Grid1.setText("4");

        form.List5.setLines(tipBlocks(2));
        keep ? form.Command23.click() : form.Command2.click();

        QCOMPARE(form.module1.tipCount, 2);
        QCOMPARE(form.module1.bankerCount, keep ? 1 : 0);
        QCOMPARE(form.Grid2.textAt(1, 3), keep ? "2.00" : "");
        QCOMPARE(form.Grid2.textAt(1, 1), keep ? "A9" : "");
        QCOMPARE(form.Grid1.textAt(2, 0), "2");
        QCOMPARE(form.Grid1.textAt(3, 1), QString());
        QCOMPARE(form.Grid1.textAt(4, 3), QString());
        QCOMPARE(form.Grid1.textAt(4, 0), keep ? "4" : "");
    }
};

KOMBINATOR_TEST(TestConversion);
#include "tst_conversion.moc"
