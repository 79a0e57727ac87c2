// Start-up: the single instance, the grids' layout, the scroll ranges, the decimal-separator
// warning, and the shell handlers around the window.
#include <QTest>

#include "app/form1.h"
#include "app/language.h"
#include "fakeplatform.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void laysOutBothGrids();
    void setsScrollRanges();
    void warnsAboutDecimalSeparator_data();
    void warnsAboutDecimalSeparator();
    void secondInstanceOnlyShowsItsMessage();
    void initialStateOfControls();
    void panelHidesOnClick_data();
    void panelHidesOnClick();
    void linkMinimisesThenOpensGuide_data();
    void linkMinimisesThenOpensGuide();
    void languageChosenForTheNextStart();
    void linkCursorFallsBackWithoutIcon();
    void exitEndsProgram();
};

void TestStartup::laysOutBothGrids() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    for (Grid* grid : {&form.Grid1, &form.Grid2}) {
        QCOMPARE(grid->rows(), 51);
        QCOMPARE(grid->cols(), 4);
        QCOMPARE(grid->textAt(0, 0), QStringLiteral(" Ssz."));
        QCOMPARE(grid->textAt(0, 1), QStringLiteral("hazai"));
        QCOMPARE(grid->textAt(0, 2), QStringLiteral("vendég"));
        QCOMPARE(grid->textAt(0, 3), QStringLiteral("odds"));
        QCOMPARE(grid->colWidth(1), 3000);
        QCOMPARE(grid->colWidth(2), 3000);
        QCOMPARE(grid->colWidth(3), 800);
        QVERIFY(grid->colWidth(0) >= 500);
        QCOMPARE(grid->rowHeight(0), 320);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(grid->fixedAlignment(c), Align::Center);
        QCOMPARE(grid->colAlignment(1), Align::Left);
        QCOMPARE(grid->colAlignment(2), Align::Left);
        QCOMPARE(grid->colAlignment(3), Align::Center);
        for (int r = 1; r <= 50; ++r) {
            for (int c = 0; c < 4; ++c)
                QVERIFY(grid->textAt(r, c).isEmpty() && grid->pictureAt(r, c).isEmpty());
        }
    }
    QCOMPARE(form.Grid1.rowHeight(1), 250);
    QCOMPARE(form.Grid1.rowHeight(50), 250);
    QCOMPARE(form.Grid2.rowHeight(1), -1);  // the banker grid keeps the default height
    QCOMPARE(form.headerTexts[0], QString());
    QCOMPARE(form.headerTexts[2], QStringLiteral("vendég"));
}

void TestStartup::setsScrollRanges() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    // List1 is 4065 twips = 271 pixels wide: 9 x 271 = 2439, and 1.4 x 2439 = 3414.6 for List3.
    QCOMPARE(form.List1.horizontalExtent(), 2439);
    QCOMPARE(form.List3.horizontalExtent(), 3415);
}

void TestStartup::warnsAboutDecimalSeparator_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("warned");
    QTest::newRow("point") << "." << false;
    QTest::newRow("comma") << "," << true;
    QTest::newRow("missing") << "" << true;
    QTest::newRow("point with blank") << ". " << true;
}

void TestStartup::warnsAboutDecimalSeparator() {
    QFETCH(QString, separator);
    QFETCH(bool, warned);
    FakePlatform platform;
    platform.decimalSeparator = separator;
    Form1 form(platform);
    form.Form_Load();
    QCOMPARE(platform.messages.size(), warned ? size_t{1} : size_t{0});
    if (warned) {
        const auto& m = platform.messages.front();
        QCOMPARE(m.text, QStringLiteral(
                             "     A tizedes pont nem PONT (.) !\rAz oddsok megadása nem fog jól működni !"));
        QCOMPARE(m.caption, QStringLiteral("Zelko-Soft/2014"));
        QCOMPARE(m.icon, MsgIcon::Exclamation);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }
    // The program runs on: the grids are laid out and nothing asks to quit.
    QVERIFY(!platform.quitRequested);
    QCOMPARE(form.Grid1.textAt(0, 0), QStringLiteral(" Ssz."));
    QCOMPARE(platform.topmost, QStringList{"Form1"});
}

void TestStartup::secondInstanceOnlyShowsItsMessage() {
    FakePlatform platform;
    platform.otherInstance = true;
    platform.name = QStringLiteral("calc");
    platform.decimalSeparator = QStringLiteral(",");
    Form1 form(platform);
    form.Form_Load();
    QCOMPARE(platform.messages.size(), size_t{1});
    QCOMPARE(platform.messages[0].text, QStringLiteral("calc márt fut ! "));
    QCOMPARE(platform.messages[0].caption, QStringLiteral("Kombinátor"));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(platform.quitRequested);
    // Nothing else of start-up ran.
    QVERIFY(platform.topmost.isEmpty());
    QCOMPARE(form.Grid1.textAt(0, 0), QString());
    QCOMPARE(form.List1.horizontalExtent(), 0);
}

void TestStartup::initialStateOfControls() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    QCOMPARE(form.SSTab1.current(), 0);
    QCOMPARE(form.SSTab1.tabs(), (QStringList{"Fogadás", "Kulcs", "Klikk"}));
    QCOMPARE(form.Option1.selected(), 0);
    QCOMPARE(form.Check1.value(), 1);
    QCOMPARE(form.Check2.value(), 0);
    QVERIFY(!form.Command23.isVisible());
    QVERIFY(!form.List2.isVisible() && !form.List4.isVisible() && !form.List6.isVisible());
    QVERIFY(form.Frame1.isVisible());
    QCOMPARE(form.calculatorButtons().size(), size_t{22});
    for (Button* b : form.calculatorButtons())
        QVERIFY(b->isEnabled());
    QCOMPARE(form.Command8[0].caption(), QStringLiteral("2"));
    QCOMPARE(form.Command8[11].caption(), QStringLiteral("13"));
    QCOMPARE(form.Command8[11].geometry().left, 9258);
    QCOMPARE(form.Command8[6].geometry().top, 480);
    QCOMPARE(form.Command9.geometry().left, 8336);
    QCOMPARE(form.Command18.caption(), QStringLiteral("Goliath 247"));
    QCOMPARE(form.Command21.caption(), QStringLiteral("Eredményt megadva "));
    QCOMPARE(form.Label4.toolTip(), QStringLiteral(" Klikkelésre eltűnik! "));
    QCOMPARE(form.module1.tipCount, qint16(0));
    QCOMPARE(form.Label1.caption(), QString());
    // Every control carries its given name, for tests, tools and screen readers.
    for (Control* c : form.controls())
        QVERIFY2(!c->name().isEmpty() && c->objectName() == c->name(), qPrintable(c->name()));
}

void TestStartup::panelHidesOnClick_data() {
    QTest::addColumn<int>("label");
    QTest::newRow("Label4") << 4;
    QTest::newRow("Label5") << 5;
}

void TestStartup::panelHidesOnClick() {
    QFETCH(int, label);
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    (label == 4 ? form.Label4 : form.Label5).click();
    QVERIFY(!form.Frame1.isVisible());
}

void TestStartup::linkMinimisesThenOpensGuide_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("guide");
    QTest::newRow("Hungarian") << int(Language::Hungarian) << "kezikonyv.html";
    QTest::newRow("English") << int(Language::English) << "guide.html";
}

void TestStartup::linkMinimisesThenOpensGuide() {
    QFETCH(int, language);
    QFETCH(QString, guide);
    FakePlatform platform;
    platform.installResources({guide});
    QVERIFY(useLanguage(Language(language)));
    Form1 form(platform);
    form.Form_Load();
    form.Label6.click();
    QVERIFY(useLanguage(Language::Hungarian));
    QCOMPARE(platform.calls.size(), 2);
    QCOMPARE(platform.calls[0], QStringLiteral("minimize"));
    QVERIFY(platform.calls[1].startsWith("open:") && platform.calls[1].endsWith(u'/' + guide));
}

// The choice is kept for the next start, and said once.
void TestStartup::languageChosenForTheNextStart() {
    FakePlatform platform;
    Form1 form(platform);
    QCOMPARE(form.Option2.selected(), 0);  // the running language, Hungarian
    for (const int option : {1, 1, 0})
        form.Option2.select(option);
    QCOMPARE(savedLanguage(), std::optional(Language::Hungarian));
    QCOMPARE(platform.messages.size(), size_t{2});
    QVERIFY(platform.messages[0].text.endsWith(
        QStringLiteral("The language changes when the program starts next.")));
}

void TestStartup::linkCursorFallsBackWithoutIcon() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.Label6.mouseMove();
    QCOMPARE(platform.pointer, Pointer::Link);
    QCOMPARE(platform.pointerFile, QString());  // no icon file: the platform's own hand
    platform.installResources({"hand.ico"});
    form.Label6.mouseMove();
    QVERIFY(platform.pointerFile.endsWith("/hand.ico"));
    form.Form_MouseMove();
    QCOMPARE(platform.pointer, Pointer::Default);
}

void TestStartup::exitEndsProgram() {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.Command5.click();
    QVERIFY(platform.quitRequested);
    QVERIFY(platform.messages.empty());
}

KOMBINATOR_TEST(TestStartup);
#include "tst_startup.moc"
