// Saving and loading tip selections with "Mentés" and "Vissza tölt".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <optional>

#include "app/form1.h"
#include "diskfaults.h"
#include "fakeplatform.h"
#include "platform/files.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

namespace {

const QStringList kThreeTips{"Arsenal - Chelsea", "Arsenal",     "Szorzó: 1,85",
                             "Győri ETO - Paks",  "Döntetlen",   "Szorzó: 3,20",
                             "Milan - Inter",     "Kétesély 12", "Szorzó: 1,30"};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray utf8Lines(const QStringList& lines) {
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

// Entries of the program folder, to see that a failed or cancelled save leaves nothing behind.
QStringList folderEntries(const FakePlatform& fake) {
    return QDir(fake.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

bool gridIsEmpty(const Grid& grid) {
    for (int r = 1; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            if (!grid.textAt(r, c).isEmpty() || !grid.pictureAt(r, c).isEmpty()) return false;
        }
    }
    return true;
}

int enabledCalculators(Form1& form) {
    int n = 0;
    for (Button* b : form.calculatorButtons())
        n += b->isEnabled() ? 1 : 0;
    return n;
}

}  // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
private slots:
    void emptyOfferListSavesNothing_data() {
        QTest::addColumn<int>("check2");
        QTest::newRow("default file") << 0;
        QTest::newRow("file dialog") << 1;
    }
    void emptyOfferListSavesNothing() {
        QFETCH(int, check2);
        FakePlatform fake;
        Form1 form(fake);
        form.Check2.setValue(check2);
        form.SSTab1.setCurrent(1);
        form.List4.setLines({"earlier copy"});
        form.List6.setLines({"banker", "", ""});
        fake.fileAnswers.push_back(QDir(fake.folder).filePath("x.txt"));

        form.Command4.click();

        QCOMPARE(form.SSTab1.current(), 0);
        QVERIFY(fake.fileDialogs.empty());
        QVERIFY(folderEntries(fake).isEmpty());
        QCOMPARE(form.List4.lines(), QStringList{"earlier copy"});
    }

    // Three tips converted, then tip 2 fixed as a banker. The banker command is written apart from
    // this one, so the offer list and the banker lines list are set up as a banker move leaves them:
    // the other two blocks with their separator, and the banker's three lines with its separator.
    void tipsThenBankerSavedWithoutEmptyLines() {
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines(kThreeTips);
        form.Command2.click();
        QCOMPARE(form.List5.count(), 11);
        const QStringList offer = form.List5.lines();
        form.List5.setLines(offer.mid(0, 3) + QStringList{""} + offer.mid(8, 3));
        form.List6.setLines(offer.mid(4, 3) + QStringList{""});

        form.Command4.click();

        const QStringList expected = kThreeTips.mid(0, 3) + kThreeTips.mid(6, 3) + kThreeTips.mid(3, 3);
        const QByteArray bytes = fileBytes(QDir(fake.folder).filePath("varkonixx.txt"));
        QCOMPARE(bytes,
                 "Arsenal - Chelsea\r\nArsenal\r\nSzorz\xF3: 1,85\r\n"
                 "Milan - Inter\r\nK\xE9tes\xE9ly 12\r\nSzorz\xF3: 1,30\r\n"
                 "Gy\xF5ri ETO - Paks\r\nD\xF6ntetlen\r\nSzorz\xF3: 3,20\r\n");
        QVERIFY(!bytes.contains("\r\n\r\n"));
        QCOMPARE(form.List4.lines(), expected);
        // Saving changes nothing that is shown.
        QCOMPARE(form.List5.count(), 7);
        QCOMPARE(form.List6.count(), 4);
    }

    // Each-way terms and a Rule 4 go into a line of their own after the offer lines, and come
    // back to their tips after loading and converting; the offer list never shows that line.
    void eachWayTermsSavedAndLoaded() {
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines(kThreeTips);
        form.Command2.click();
        fake.numberAnswers = {4, 3};
        form.Grid1.chooseMenuEntry(1, 3, Form1::kChooseEachWay);
        fake.numberAnswers = {25};
        form.Grid1.chooseMenuEntry(3, 3, Form1::kChooseRule4);
        form.Command4.click();
        const QByteArray saved = fileBytes(QDir(fake.folder).filePath("varkonixx.txt"));
        QVERIFY(
            saved.endsWith("Szorz\xF3: 1,30\r\nKombin\xE1tor-felt\xE9tel\tArsenal\tChelsea\t4\t3\t0\r\n"
                           "Kombin\xE1tor-felt\xE9tel\tMilan\tInter\t0\t0\t25\r\n"));

        fake.writeFile("varkonix.txt", saved);
        Form1 loaded(fake);
        loaded.Command20.click();
        QCOMPARE(loaded.List5.lines(), kThreeTips);
        loaded.Command2.click();
        QCOMPARE(loaded.termsAt(loaded.Grid1, 1), (TipTerms{{4, 3}, 0}));
        QCOMPARE(loaded.termsAt(loaded.Grid1, 2), TipTerms{});
        QCOMPARE(loaded.termsAt(loaded.Grid1, 3), (TipTerms{{}, 25}));
        QCOMPARE(loaded.Grid1.shownTextAt(1, 3), QStringLiteral("1.85 EW 1/4 1-2-3"));

        // A racing slip's terms are printed with its runners, and a runner at SP stays without
        // its price: both come back from the saved lines alone.
        const QStringList racing{"14:30 Cheltenham", "3. Desert Crown", "5/2", "E/W 1/4 1-2-3",
                                 "15:05 Cheltenham", "Lossiemouth",     "SP"};
        form.List5.setLines(racing);
        form.Command2.click();
        form.Command4.click();
        fake.writeFile("varkonix.txt", fileBytes(QDir(fake.folder).filePath("varkonixx.txt")));
        Form1 race(fake);
        race.Command20.click();
        race.Command2.click();
        QCOMPARE(race.module1.tipCount, 2);
        QCOMPARE(race.termsAt(race.Grid1, 1), (TipTerms{{4, 3}, 0}));
        QCOMPARE(race.Grid1.textAt(2, 2), QStringLiteral("Lossiemouth"));
        QCOMPARE(race.Grid1.textAt(2, 3), QString());
        QVERIFY(race.startingPrices.contains(Form1::tipKey(race.Grid1, 2)));
    }

    void defaultSaveAndLoadUseDifferentFiles() {
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"Saved - Line", "Saved", "2,00"});
        form.Label1.setCaption("3");

        form.Command4.click();
        QVERIFY(QFile::exists(QDir(fake.folder).filePath("varkonixx.txt")));

        // No load file yet: what was just saved is not read back, and nothing changes.
        form.Command20.click();
        QCOMPARE(form.List5.lines(), (QStringList{"Saved - Line", "Saved", "2,00"}));
        QCOMPARE(form.Label1.caption(), "3");

        fake.writeFile("varkonix.txt", "Loaded - Line\r\nLoaded\r\n1,50\r\n");
        form.Command20.click();
        QCOMPARE(form.List5.lines(), (QStringList{"Loaded - Line", "Loaded", "1,50"}));
        QCOMPARE(fileBytes(QDir(fake.folder).filePath("varkonixx.txt")), "Saved - Line\r\nSaved\r\n2,00\r\n");
    }

    void loadingNineLinesResetsTheTipsAndBankers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QStringList nine{
            "Ferencváros - Újpest", "Ferencváros", "Szorzó: 1,65", "", "Debrecen - Paks", "Döntetlen",
            "Szorzó: 3,40",         "A - B",       "1,5"};
        const QByteArray legacy =
            "Ferencv\xE1ros - \xDAjpest\r\nFerencv\xE1ros\r\nSzorz\xF3: 1,65\r\n\r\nDebrecen - Paks\r\n"
            "D\xF6ntetlen\r\nSzorz\xF3: 3,40\r\nA - B\r\n1,5\r\n";
        const QByteArray utf8 = nine.join("\n").toUtf8() + "\n";
        QByteArray crOnly = legacy;
        crOnly.replace("\r\n", "\r");
        QByteArray noFinalBreak = legacy;
        noFinalBreak.chop(2);
        QTest::newRow("windows-1250, CR LF") << legacy << nine;
        QTest::newRow("utf-8, LF") << utf8 << nine;
        QTest::newRow("windows-1250, CR") << crOnly << nine;
        QTest::newRow("no break after the last line") << noFinalBreak << nine;
    }
    void loadingNineLinesResetsTheTipsAndBankers() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        FakePlatform fake;
        fake.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp"});
        Form1 form(fake);
        form.List5.setLines(kThreeTips);
        form.Command2.click();
        QVERIFY(!form.Grid1.pictureAt(1, 1).isEmpty());
        form.Grid2.setRow(1);
        form.Grid2.setCol(1);
        form.Grid2.setText("Banker");
        form.Grid2.setPicture(form.Grid1.pictureAt(1, 1));
        form.module1.bankerCount = 1;
        form.List6.setLines({"banker line"});
        form.List1.setLines({"01 02"});
        form.List3.setLines({"5.92"});
        form.resultFlags[2] = 1;
        form.SSTab1.setCurrent(2);
        fake.writeFile("VARKONIX.TXT", bytes);

        form.Command20.click();

        QCOMPARE(form.List5.lines(), lines);
        QCOMPARE(form.List4.lines(), lines);
        QCOMPARE(form.Label1.caption(), "9");
        QVERIFY(gridIsEmpty(form.Grid1));
        QVERIFY(gridIsEmpty(form.Grid2));
        QCOMPARE(form.List1.count(), 0);
        QCOMPARE(form.List3.count(), 0);
        QCOMPARE(form.List6.count(), 0);
        QCOMPARE(enabledCalculators(form), 0);
        QCOMPARE(form.module1.bankerCount, 0);
        QCOMPARE(form.SSTab1.current(), 0);
        // Left for the next conversion to set.
        QCOMPARE(form.module1.tipCount, 3);
        QCOMPARE(form.resultFlags[2], 1);
    }

    void missingOrUnreadableLoadFileChangesNothing_data() {
        QTest::addColumn<int>("check2");
        QTest::addColumn<QString>("answer");
        QTest::newRow("no default file") << 0 << QString();
        QTest::newRow("dialog cancelled") << 1 << QString();
        QTest::newRow("chosen file missing") << 1 << QStringLiteral("nincs.txt");
        QTest::newRow("chosen name is a folder") << 1 << QStringLiteral("mappa");
    }
    void missingOrUnreadableLoadFileChangesNothing() {
        QFETCH(int, check2);
        QFETCH(QString, answer);
        FakePlatform fake;
        Form1 form(fake);
        QDir(fake.folder).mkdir("mappa");
        form.Check2.setValue(check2);
        fake.fileAnswers.push_back(answer.isNull() ? QString() : QDir(fake.folder).filePath(answer));
        form.List5.setLines(kThreeTips);
        form.Command2.click();
        form.List1.setLines({"01 02"});
        form.SSTab1.setCurrent(1);

        form.Command20.click();

        QCOMPARE(form.List5.count(), 11);
        QCOMPARE(form.Grid1.textAt(3, 1), "Milan");
        QCOMPARE(form.List1.count(), 1);
        QCOMPARE(form.SSTab1.current(), 1);
        QCOMPARE(enabledCalculators(form), 4);
        // A folder is no file, and the user is told so; a missing file stays silent.
        const QString folder = QDir::toNativeSeparators(QDir(fake.folder).filePath(answer));
        QCOMPARE(fake.messages.empty() ? QString() : fake.messages.back().text,
                 answer == QLatin1String("mappa") ? QStringLiteral("Nem fájl: ") + folder : QString());
    }

    void readOnlyDefaultFileIsReplaced() {
        FakePlatform fake;
        Form1 form(fake);
        const QString path = fake.writeFile("varkonixx.txt", "old\r\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        form.List5.setLines({"A - B", "A", "1,5"});

        form.Command4.click();

        QCOMPARE(fileBytes(path), "A - B\r\nA\r\n1,5\r\n");
        QCOMPARE(folderEntries(fake), QStringList{"varkonixx.txt"});
    }

    void fileDialogSetUpAndCancel() {
        FakePlatform fake;
        Form1 form(fake);
        form.Check2.setValue(1);
        form.List5.setLines({"A - B", "", "A", "1,5"});
        form.List4.setLines({"earlier copy"});
        fake.fileAnswers = {QString(), QString()};

        form.Command4.click();
        form.Command20.click();

        QCOMPARE(fake.fileDialogs.size(), size_t(2));
        for (const FileDialogSetup& setup : fake.fileDialogs) {
            QCOMPARE(setup.initialFolder, fake.folder);
            QCOMPARE(setup.fileName, "fogadas.txt");
            QCOMPARE(setup.filter, "Minden(*.*)|*.*|Text(*.txt)|*.txt");
            QCOMPARE(setup.filterIndex, 1);
            QCOMPARE(setup.defaultSuffix, "txt");
            QVERIFY(setup.overwritePrompt);
        }
        QVERIFY(folderEntries(fake).isEmpty());
        QCOMPARE(form.List5.lines(), (QStringList{"A - B", "", "A", "1,5"}));
        QCOMPARE(form.List4.lines(), QStringList{"earlier copy"});
        QVERIFY(fake.messages.empty());
    }

    // Save to a chosen file and load it back: the same offer lines, stored in Windows-1250 when
    // every character has a place there and in UTF-8 otherwise, never with a character lost.
    void roundTrip_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("banker");  // the first tip fixed before saving
        // The only tip fixed: its lines are saved once, not again from the offer list.
        QTest::newRow("only tip fixed") << QStringList{"Arsenal - Chelsea", "Arsenal", "1,50"}
                                        << QByteArray("Arsenal - Chelsea\r\nArsenal\r\n1,50\r\n") << true;
        QTest::newRow("Hungarian accents")
            << QStringList{"Győri ETO - Diósgyőr", "Diósgyőr", "Szorzó: 2,10",
                           "Fehérvár - Kecskemét", "Kétesély", "Szorzó: 1,25"}
            << QByteArray(
                   "Gy\xF5ri ETO - Di\xF3sgy\xF5r\r\nDi\xF3sgy\xF5r\r\nSzorz\xF3: 2,10\r\n"
                   "Feh\xE9rv\xE1r - Kecskem\xE9t\r\nK\xE9tes\xE9ly\r\nSzorz\xF3: 1,25\r\n")
            << false;
        QTest::newRow("Turkish letters of the code page")
            << QStringList{"Beşiktaş - Fenerbahçe", "Beşiktaş", "Szorzó: 2,35"}
            << QByteArray(
                   "Be\xBAikta\xBA - Fenerbah\xE7"
                   "e\r\nBe\xBAikta\xBA\r\nSzorz\xF3: 2,35\r\n")
            << false;
        QTest::newRow("en dash") << QStringList{"Crvena zvezda – Partizan", "Partizan", "2,90"}
                                 << QByteArray("Crvena zvezda \x96 Partizan\r\nPartizan\r\n2,90\r\n")
                                 << false;
        QTest::newRow("Cyrillic") << QStringList{"Зенит - Спартак", "Зенит", "Szorzó: 1,95"}
                                  << utf8Lines({"Зенит - Спартак", "Зенит", "Szorzó: 1,95"}) << false;
        QTest::newRow("dotted capital I with Hungarian accents")
            << QStringList{"İstanbul Başakşehir - Győr", "Győr", "Szorzó: 3,05"}
            << utf8Lines({"İstanbul Başakşehir - Győr", "Győr", "Szorzó: 3,05"}) << false;
    }
    void roundTrip() {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, banker);
        FakePlatform fake;
        Form1 form(fake);
        const QString path = QDir(fake.folder).filePath("fogadas.txt");
        form.Check2.setValue(1);
        fake.fileAnswers = {path, path};
        form.List5.setLines(lines);
        if (banker) {
            form.Command2.click();
            form.Grid1.clickCell(1, 0);
            form.Command22.click();
            QCOMPARE(form.module1.bankerCount, 1);
        }

        form.Command4.click();
        QCOMPARE(fileBytes(path), bytes);
        QVERIFY(!fileBytes(path).contains('?'));
        form.List5.clear();
        form.Command20.click();

        QCOMPARE(form.List5.lines(), lines);
        QCOMPARE(form.Label1.caption(), QString::number(lines.size()));
    }

    // A save that cannot finish leaves the earlier file as it was and no stray file behind, and
    // says so; a folder that takes no new file still has its file written in place.
    void failedSaveKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("written");
        QTest::newRow("disk full halfway") << QStringLiteral("size limit") << false;
        QTest::newRow("folder not writable") << QStringLiteral("read-only folder") << true;
        QTest::newRow("folder in place of the file") << QStringLiteral("folder") << false;
    }
    void failedSaveKeepsTheEarlierFile() {
        QFETCH(QString, failure);
        QFETCH(bool, written);
        const test::Fault fault =
            failure == "read-only folder" ? test::Fault::ReadOnlyFolder : test::Fault::DiskFull;
        if (const char* why = test::unstageable(fault); why && failure != "folder") QSKIP(why);
        FakePlatform fake;
        Form1 form(fake);
        const QString path = QDir(fake.folder).filePath("varkonixx.txt");
        const QByteArray earlier = "Earlier - Selection\r\nEarlier\r\nSzorz\xF3: 1,50\r\n";
        if (failure == "folder") {
            QDir(fake.folder).mkpath("varkonixx.txt/inner");
        } else {
            fake.writeFile("varkonixx.txt", earlier);
        }
        QStringList many;
        for (int i = 0; i < 150; ++i)
            many << QStringLiteral("Hazai %1 - Vendég %1").arg(i);
        form.List5.setLines(many);
        const QStringList before = folderEntries(fake);
        {
            std::optional<test::DiskFullAfter> full;
            if (failure == "size limit") full.emplace(64);
            std::optional<test::ReadOnlyFolder> readOnly;
            if (failure == "read-only folder") readOnly.emplace(fake.folder);
            form.Command4.click();
        }

        QCOMPARE(folderEntries(fake), before);
        if (failure == "folder") {
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY(QFileInfo(path + "/inner").isDir());
        } else if (written) {
            QCOMPARE(files::readLines(path).value_or(QStringList()), many);
        } else {
            QCOMPARE(fileBytes(path), earlier);
        }
        if (written) {
            QVERIFY(fake.messages.empty());
        } else {
            QCOMPARE(fake.messages.size(), size_t(1));
            QCOMPARE(fake.messages[0].text, "A fájl nem írható: " + QDir::toNativeSeparators(path));
            QCOMPARE(fake.messages[0].caption, "Kombinátor");
            QCOMPARE(fake.messages[0].icon, MsgIcon::Stop);
            QCOMPARE(fake.messages[0].buttons, MsgButtons::Ok);
        }
        QCOMPARE(form.List5.count(), 150);
    }

    // A file picked in the dialog that may not be written stops the save; the default file is
    // the program's own and is replaced even when read-only.
    void readOnlyFiles_data() {
        QTest::addColumn<int>("check2");
        QTest::addColumn<bool>("written");
        QTest::newRow("picked file") << 1 << false;
        QTest::newRow("default file") << 0 << true;
    }
    void readOnlyFiles() {
        QFETCH(int, check2);
        QFETCH(bool, written);
        if (const char* why = test::unstageable(test::Fault::ReadOnlyFile)) QSKIP(why);
        FakePlatform fake;
        Form1 form(fake);
        const QString path = fake.writeFile(check2 ? "fogadas.txt" : "varkonixx.txt", "old\r\n");
        test::makeReadOnly(path);
        form.Check2.setValue(check2);
        fake.fileAnswers = {path};
        form.List5.setLines({"A - B", "A", "1,5"});

        form.Command4.click();

        QCOMPARE(fileBytes(path), written ? QByteArray("A - B\r\nA\r\n1,5\r\n") : QByteArray("old\r\n"));
        QCOMPARE(QFileInfo(path).isWritable(), written);
        QCOMPARE(fake.messages.size(), written ? size_t(0) : size_t(1));
        if (!written) QCOMPARE(fake.messages[0].text, "A fájl nem írható: " + QDir::toNativeSeparators(path));
    }

    // The selection shipped with the program loads and converts into six tips at once.
    void shippedSampleConverts() {
        FakePlatform fake;
        fake.installResources({"varkonix.txt", "xxk.bmp", "xx.bmp", "Xxx.bmp"});
        Form1 form(fake);
        const QByteArray bytes = fileBytes(QDir(fake.folder).filePath("varkonix.txt"));
        QCOMPARE(bytes.count("\r\n"), 18);
        QCOMPARE(bytes.count('\n'), 18);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.contains("Ferencv\xE1ros - \xDAjpest\r\n"));

        form.Command20.click();
        QCOMPARE(form.Label1.caption(), "18");
        form.Command2.click();

        QVERIFY(fake.messages.empty());
        QCOMPARE(form.module1.tipCount, 6);
        QVERIFY(form.Command15.isEnabled());  // "Heinz 57", as the guide suggests
        QCOMPARE(form.Grid1.textAt(1, 1), "Ferencváros");
        QCOMPARE(form.Grid1.textAt(1, 2), "Újpest");
        QCOMPARE(form.Grid1.textAt(1, 3), "1.65");
        const QString win = QDir(fake.folder).filePath("xxk.bmp");
        const QString draw = QDir(fake.folder).filePath("xx.bmp");
        const QString winOrDraw = QDir(fake.folder).filePath("Xxx.bmp");
        QCOMPARE(form.Grid1.pictureAt(1, 1), win);
        QCOMPARE(form.Grid1.pictureAt(1, 2), QString());
        // One draw, one double chance among the six.
        int draws = 0;
        int doubleChances = 0;
        for (int r = 1; r <= 6; ++r) {
            draws += form.Grid1.pictureAt(r, 1) == draw && form.Grid1.pictureAt(r, 2) == draw ? 1 : 0;
            doubleChances += form.Grid1.pictureAt(r, 1) == winOrDraw ? 1 : 0;
            QVERIFY(!form.Grid1.textAt(r, 3).isEmpty());
            QVERIFY(!form.Grid1.textAt(r, 3).contains(','));
        }
        QCOMPARE(draws, 1);
        QCOMPARE(doubleChances, 1);
    }
};
KOMBINATOR_TEST(SaveLoadTest);

#include "tst_saveload.moc"
