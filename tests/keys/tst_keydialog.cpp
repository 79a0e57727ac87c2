// The key library dialog: both views, picking, adding, deleting, leaving.
#include <QDir>
#include <QTest>

#include <optional>

#include "app/language.h"
#include "diskfaults.h"
#include "keydesk.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

const QString kTwelve = QStringLiteral("05_12_01.txt Tizenkét esemény, háromszoros");
const QString kTen = QStringLiteral("03_10_02.txt Tíz esemény");
const QString kCaption = QStringLiteral("Zelko-Soft/2013");

}  // namespace

class TestKeyDialog : public QObject {
    Q_OBJECT
private slots:
    void opening();
    void twoLineLibraryInBothViews();
    void pickingLines();
    void libraryLinesInEnglish_data();
    void libraryLinesInEnglish();
    void eventsKeyName_data();
    void eventsKeyName();
    void moreLinesThanTheViewTable();
    void addingAndDeleting_data();
    void addingAndDeleting();
    void leaving_data();
    void leaving();
    void libraryThatCannotBeWritten_data();
    void libraryThatCannotBeWritten();
};

void TestKeyDialog::opening() {
    KeyDesk desk;
    QCOMPARE(desk.open(3)->List1.count(), 0);  // no library: an empty dialog, silently
    QVERIFY(qobject_cast<gyari*>(desk.form.gyariDialog())->Label1.caption().isEmpty());
    desk.form.gyariDialog()->closeBox();
    QCOMPARE(desk.open(0), nullptr);
    QCOMPARE(desk.platform.topmost, QStringList{QStringLiteral("gyari")});

    desk.writeLibrary(kTen + QStringLiteral("\r\n"));
    gyari* dialog = desk.open(10);
    QCOMPARE(dialog->caption(), QStringLiteral(" Eddigi beépített kulcsok !"));
    QCOMPARE(dialog->Option1.selected(), 0);
    QVERIFY(dialog->List1.isVisible() && !dialog->List2.isVisible());
    // A second click shows the open dialog again and reloads nothing.
    desk.writeLibrary(kTen + QStringLiteral("\r\n") + kTwelve + QStringLiteral("\r\n"));
    QCOMPARE(desk.open(10), dialog);
    QCOMPARE(dialog->List1.count(), 1);
    QCOMPARE(desk.platform.topmost.size(), 2);
    // Closed and opened again, the library is read afresh.
    dialog->Command4.click();
    QCOMPARE(desk.form.gyariDialog(), nullptr);
    QCOMPARE(desk.open(10)->Label1.caption(), QStringLiteral("2"));
    QVERIFY(desk.platform.messages.empty());
}

void TestKeyDialog::twoLineLibraryInBothViews() {
    KeyDesk desk;
    desk.writeLibrary(kTwelve + QStringLiteral("\r\n") + kTen + QStringLiteral("\r\n"));
    gyari* dialog = desk.open(12);
    QCOMPARE(dialog->List1.lines(), (QStringList{kTen, kTwelve}));
    QCOMPARE(dialog->Label1.caption(), QStringLiteral("2"));

    dialog->Option1.select(1);
    QCOMPARE(dialog->List2.lines(),
             (QStringList{QStringLiteral("10_03_02.txt Tíz esemény"),
                          QStringLiteral("12_05_01.txt Tizenkét esemény, háromszoros")}));
    QVERIFY(!dialog->List1.isVisible());
    QVERIFY(dialog->List2.isVisible());
    QVERIFY(!dialog->Command1.isEnabled());
    QVERIFY(!dialog->Command2.isEnabled());
    QVERIFY(dialog->Command3.isEnabled());
    QVERIFY(dialog->Command4.isEnabled());
    QCOMPARE(dialog->viewNames().size(), size_t{2});
    QCOMPARE(dialog->viewNames()[1].keyName, QStringLiteral("05_12_01"));
    QCOMPARE(dialog->viewNames()[1].eventsName, QStringLiteral("12_05_01"));

    dialog->Option1.select(0);
    QVERIFY(dialog->List1.isVisible());
    QVERIFY(!dialog->List2.isVisible());
    QVERIFY(dialog->Command1.isEnabled());
    QVERIFY(dialog->Command2.isEnabled());
    QCOMPARE(dialog->List1.lines(), (QStringList{kTen, kTwelve}));

    // Shown again, the events view is rebuilt, not doubled.
    dialog->Option1.select(1);
    QCOMPARE(dialog->List2.count(), 2);
}

void TestKeyDialog::pickingLines() {
    KeyDesk desk;
    desk.writeLibrary(kTwelve + QStringLiteral("\r\n") + kTen + QStringLiteral("\r\n"));
    gyari* dialog = desk.open(12);

    dialog->List1.clickLine(0);
    QCOMPARE(dialog->Text1.text(), kTen);
    dialog->Text1.doubleClick();
    QVERIFY(dialog->Text1.text().isEmpty());

    dialog->Option1.select(1);
    dialog->List2.clickLine(1);  // 12_05_01...
    QCOMPARE(dialog->Text1.text(), kTwelve);
    QCOMPARE(dialog->List1.listIndex(), 1);
    dialog->List2.clickLine(0);
    QCOMPARE(dialog->Text1.text(), kTen);
    QCOMPARE(dialog->List1.listIndex(), 0);
    QVERIFY(desk.platform.messages.empty());
}

// The library keeps its words; in English a description in the program's own words reads in
// English, in the list, its tooltip and the description box, and any other stays as written.
void TestKeyDialog::libraryLinesInEnglish_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("made key")
        << "04_18_08.txt  56 fogadás – 4-es kötések, 18 esemény: ha legalább 8 tipp bejön, "
           "legalább egy kötés nyer"
        << "04_18_08.txt  56 bets – 4-folds, 18 events: if at least 8 tips win, at least "
           "one bet wins";
    QTest::newRow("one bet")
        << "03_03_03.txt  1 fogadás – 3-as kötések, 3 esemény: ha legalább 3 tipp bejön, "
           "legalább egy kötés nyer"
        << "03_03_03.txt  1 bet – 3-folds, 3 events: if at least 3 tips win, at least one "
           "bet wins";
    QTest::newRow("not the program's suffix") << "03_07_05.txt  7 fogadás – 3-es kötések, 7 esemény: ha "
                                                 "legalább 5 tipp bejön, legalább egy kötés nyer"
                                              << "";
    QTest::newRow("the user's own words") << kTen << "";
}

void TestKeyDialog::libraryLinesInEnglish() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    if (shown.isEmpty()) shown = stored;
    KeyDesk desk;
    desk.writeLibrary(stored + QStringLiteral("\r\n"));
    QVERIFY(useLanguage(Language::English));
    gyari* dialog = desk.open(12);
    dialog->List1.clickLine(0);
    const QString text = dialog->Text1.text();
    const QString listed = dialog->List1.shownLine(0);
    dialog->Option1.select(1);
    const QString byEvents = dialog->List2.shownLine(0);
    QVERIFY(useLanguage(Language::Hungarian));
    QCOMPARE(dialog->List1.lines(), QStringList{stored});
    QCOMPARE(listed, shown);
    QCOMPARE(text, shown);
    QCOMPARE(byEvents.mid(8), shown.mid(8));
    QCOMPARE(dialog->List1.shownLine(0), stored);
}

void TestKeyDialog::eventsKeyName_data() {
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("rewritten");
    QTest::newRow("type, events, number") << "03_10_05"
                                          << "10_03_05";
    QTest::newRow("one-digit numbers") << "3_10_5 x"
                                       << "10_03_05";
    QTest::newRow("two underscores in a row") << "03_10__7"
                                              << "10_03_07";
    QTest::newRow("one underscore only") << "03_10005"
                                         << "10_03_05";
    QTest::newRow("three-digit type fills the name") << "100_03_1"
                                                     << "03_10001";
    QTest::newRow("nothing after the second underscore") << "03_10_"
                                                         << "10_03_00";
    QTest::newRow("a sign ends the type") << "-3_10_05"
                                          << "10_00_05";
    QTest::newRow("a sign ends the events") << "03_+6_05"
                                            << "00_03_05";
    QTest::newRow("no underscore") << "abcdefgh"
                                   << "00_00_00";
    QTest::newRow("empty line") << ""
                                << "00_00_00";
}

void TestKeyDialog::eventsKeyName() {
    QFETCH(QString, keyName);
    QFETCH(QString, rewritten);
    QCOMPARE(kombinator::eventsKeyName(keyName), rewritten);
}

void TestKeyDialog::moreLinesThanTheViewTable() {
    KeyDesk desk;
    // Key names aa_10_bb for line i = 100 aa + bb: both views keep the file order.
    QString library;
    for (int i = 0; i < 2005; ++i)
        library += QString::asprintf("%02d_10_%02d.txt kulcs %d\r\n", i / 100, i % 100, i);
    desk.writeLibrary(library);
    gyari* dialog = desk.open(10);
    QCOMPARE(dialog->List1.count(), 2005);
    QCOMPARE(dialog->Label1.caption(), QStringLiteral("2005"));

    dialog->Option1.select(1);
    QCOMPARE(dialog->List2.count(), 2005);
    QCOMPARE(dialog->List2.line(2004), QStringLiteral("10_20_04.txt kulcs 2004"));
    QCOMPARE(dialog->viewNames().size(), size_t{2000});

    dialog->List2.clickLine(1999);
    QCOMPARE(dialog->Text1.text(), QStringLiteral("19_10_99.txt kulcs 1999"));
    dialog->Text1.doubleClick();
    dialog->List2.clickLine(2000);  // no row of the table: nothing is picked
    QVERIFY(dialog->Text1.text().isEmpty());
    QCOMPARE(dialog->List1.listIndex(), 1999);
}

void TestKeyDialog::addingAndDeleting_data() {
    QTest::addColumn<QString>("text");  // typed into Text1
    QTest::addColumn<int>("picked");    // library line picked first, -1 for none
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<QStringList>("library");
    const QString added = QStringLiteral("04_11_03.txt Új kulcs");
    QTest::newRow("add") << added << -1 << 2 << "Biztos, hogy új kulcsleírást akar megadni ?"
                         << MsgIcon::Question << QStringList{kTen, added, kTwelve};
    QTest::newRow("add with empty text")
        << "" << -1 << 2 << "" << MsgIcon::None << QStringList{kTen, kTwelve};
    QTest::newRow("delete") << "" << 0 << 1 << "Biztos, hogy törölni akarja a kiválasztott kulcsleírást ?"
                            << MsgIcon::Question << QStringList{kTwelve};
    QTest::newRow("delete without a line")
        << "" << -1 << 1 << "Nincs listasor kiválasztva " << MsgIcon::Stop << QStringList{kTen, kTwelve};
}

void TestKeyDialog::addingAndDeleting() {
    QFETCH(QString, text);
    QFETCH(int, picked);
    QFETCH(int, button);
    QFETCH(QString, message);
    QFETCH(MsgIcon, icon);
    QFETCH(QStringList, library);
    KeyDesk desk;
    desk.writeLibrary(kTwelve + QStringLiteral("\r\n") + kTen + QStringLiteral("\r\n"));
    gyari* dialog = desk.open(12);
    if (picked >= 0) dialog->List1.clickLine(picked);
    dialog->Text1.setText(text);
    (button == 1 ? dialog->Command1 : dialog->Command2).click();

    QCOMPARE(desk.platform.messages.size(), size_t{message.isEmpty() ? 0u : 1u});
    if (!message.isEmpty()) {
        const ShownMessage& shown = desk.platform.messages[0];
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.caption, kCaption);
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.buttons, icon == MsgIcon::Stop ? MsgButtons::Ok : MsgButtons::OkCancel);
    }
    QCOMPARE(dialog->List1.lines(), library);
    QCOMPARE(dialog->Label1.caption(), QString::number(library.size()));
    QCOMPARE(dialog->isChanged(), library.size() != 2);
    if (button == 2 && icon == MsgIcon::Question) QVERIFY(dialog->Text1.text().isEmpty());
}

void TestKeyDialog::leaving_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("written");  // the library's lines after leaving; none: untouched
    const QString kezi = QStringLiteral("01_06_01.txt Kézi kulcs");
    const QString negy = QStringLiteral("03_10_02.txt Négy szűrő");
    const QString oszi = QStringLiteral("05_12_01.txt Őszi fordulók");
    QTest::newRow("leave at once") << "leave" << QStringList();
    QTest::newRow("adding cancelled") << "add cancel,leave" << QStringList();
    QTest::newRow("deleting cancelled") << "pick,delete cancel,leave" << QStringList();
    QTest::newRow("close box after adding") << "add,closebox" << QStringList();
    QTest::newRow("close box after deleting") << "pick,delete,closebox" << QStringList();
    QTest::newRow("views switched") << "events,pick events,types,leave" << QStringList();
    QTest::newRow("added") << "add,leave" << QStringList{kezi, QStringLiteral("02_08_01.txt Új"), negy, oszi};
    QTest::newRow("deleted") << "pick,delete,leave" << QStringList{kezi, oszi};
}

void TestKeyDialog::leaving() {
    QFETCH(QString, steps);
    QFETCH(QStringList, written);
    KeyDesk desk;
    // Windows-1250 accents, unsorted lines, a lone line feed and no end on the last line.
    const QByteArray original = KeyDesk::cp1250(
        QStringLiteral("05_12_01.txt Őszi fordulók\r\n03_10_02.txt Négy szűrő\n01_06_01.txt Kézi kulcs"));
    desk.writeKey(QStringLiteral("tippek.inf"), original);
    gyari* dialog = desk.open(12);
    QCOMPARE(dialog->List1.line(0), QStringLiteral("01_06_01.txt Kézi kulcs"));

    for (const QString& step : steps.split(u',')) {
        if (step == QLatin1String("add") || step == QLatin1String("add cancel")) {
            if (step.endsWith(QLatin1String("cancel"))) desk.platform.answers.push_back(MsgAnswer::Cancel);
            dialog->Text1.setText(QStringLiteral("02_08_01.txt Új"));
            dialog->Command2.click();
        } else if (step == QLatin1String("pick")) {
            dialog->List1.clickLine(1);
        } else if (step.startsWith(QLatin1String("delete"))) {
            if (step.endsWith(QLatin1String("cancel"))) desk.platform.answers.push_back(MsgAnswer::Cancel);
            dialog->Command1.click();
        } else if (step == QLatin1String("events")) {
            dialog->Option1.select(1);
        } else if (step == QLatin1String("pick events")) {
            dialog->List2.clickLine(0);
        } else if (step == QLatin1String("types")) {
            dialog->Option1.select(0);
        } else if (step == QLatin1String("leave")) {
            dialog->Command4.click();
        } else if (step == QLatin1String("closebox")) {
            dialog->closeBox();
        }
    }
    QCOMPARE(desk.form.gyariDialog(), nullptr);
    if (written.isEmpty()) {
        QCOMPARE(desk.libraryBytes(), original);
    } else {
        QCOMPARE(desk.libraryBytes(),
                 KeyDesk::cp1250(written.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }
}

// A read-only library, a full disk: the library keeps what it held and the user is told that the
// change is lost. A library in a folder that takes no new file is written in place.
void TestKeyDialog::libraryThatCannotBeWritten_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("written");
    QTest::newRow("read-only library") << "read-only file" << false;
    QTest::newRow("read-only key folder") << "read-only folder" << true;
    QTest::newRow("disk full") << "disk full" << false;
    QTest::newRow("disk full, read-only key folder") << "disk full, read-only folder" << false;
}

void TestKeyDialog::libraryThatCannotBeWritten() {
    QFETCH(QString, fault);
    QFETCH(bool, written);
    const bool readOnlyFile = fault == QLatin1String("read-only file");
    const bool readOnlyFolder = fault.endsWith(QLatin1String("read-only folder"));
    const bool diskFull = fault.startsWith(QLatin1String("disk full"));
    for (const auto& [staged, kind] : {std::pair{readOnlyFile, test::Fault::ReadOnlyFile},
                                       {readOnlyFolder, test::Fault::ReadOnlyFolder},
                                       {diskFull, test::Fault::DiskFull}}) {
        if (const char* why = test::unstageable(kind); staged && why) QSKIP(why);
    }
    KeyDesk desk;
    const QByteArray original = KeyDesk::cp1250(QStringLiteral("03_10_02.txt Négy szűrő\r\n"));
    desk.writeKey(QStringLiteral("tippek.inf"), original);
    const QString folder = desk.platform.folder + QStringLiteral("/tkulcs");
    const QString path = folder + QStringLiteral("/tippek.inf");
    if (readOnlyFile) test::makeReadOnly(path);
    gyari* dialog = desk.open(12);
    const QString added = QStringLiteral("05_12_01.txt Őszi fordulók, a leírás hosszabb a régi könyvtárnál");
    dialog->Text1.setText(added);
    dialog->Command2.click();
    {
        std::optional<test::ReadOnlyFolder> readOnly;
        if (readOnlyFolder) readOnly.emplace(folder);
        std::optional<test::DiskFullAfter> full;
        if (diskFull) full.emplace(original.size());
        dialog->Command4.click();
    }

    QCOMPARE(desk.form.gyariDialog(), nullptr);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tippek.inf")});
    if (written) {
        QCOMPARE(desk.libraryBytes(), original + KeyDesk::cp1250(added + QStringLiteral("\r\n")));
        QVERIFY(desk.platform.messages.size() == 1);  // the question before adding
        return;
    }
    QCOMPARE(desk.libraryBytes(), original);
    QCOMPARE(desk.platform.messages.size(), size_t(2));
    const ShownMessage& shown = desk.platform.messages[1];
    QCOMPARE(shown.text, QStringLiteral("A fájl nem írható: ") + QDir::toNativeSeparators(path));
    QCOMPARE(shown.caption, QStringLiteral("Kombinátor"));
    QCOMPARE(shown.icon, MsgIcon::Stop);
    QCOMPARE(shown.buttons, MsgButtons::Ok);
}

KOMBINATOR_TEST(TestKeyDialog);
#include "tst_keydialog.moc"
