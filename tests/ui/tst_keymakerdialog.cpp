// The key maker's window on the real main window, offscreen: opened with Ctrl+K and from the key
// dialog's button, its limits, a search that leaves the window responsive and can be stopped, and
// a saved key that the open key dialog lists at once.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "app/form1.h"
#include "fakeplatform.h"
#include "keys/gyari.h"
#include "testmain.h"
#include "ui/keymakerdialog.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::KeyMakerDialog;
using kombinator::ui::MainWindow;

namespace {

struct Fixture {
    Fixture() {
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
    }
    ~Fixture() {
        if (KeyMakerDialog* dialog = window->keyMakerDialog()) dialog->close();
    }
    template <typename T>
    T* child(const char* name) const {
        return window->keyMakerDialog()->findChild<T*>(QString::fromLatin1(name));
    }
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};

}  // namespace

class TestKeyMakerDialog : public QObject {
    Q_OBJECT
private slots:
    void opensWithCtrlKAndFromTheKeyDialog();
    void inputsKeepTheirLimits();
    void searchRunsBesideTheWindowAndStops();
    void savedKeyIsListedAtOnce();
    void escapeStopsTheSearchThenCloses();
};

void TestKeyMakerDialog::opensWithCtrlKAndFromTheKeyDialog() {
    Fixture f;
    QVERIFY(f.ready);
    QVERIFY(!f.window->keyMakerDialog());
    f.window->activateWindow();
    QTest::keyClick(f.window.get(), Qt::Key_K, Qt::ControlModifier);
    KeyMakerDialog* dialog = f.window->keyMakerDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Kulcskészítő"));
    dialog->close();

    f.form->module1.tipCount = 5;
    f.form->Command6.click();
    auto* keyDialog = qobject_cast<gyari*>(f.form->gyariDialog());
    QVERIFY(keyDialog);
    QCOMPARE(keyDialog->Command5.caption(), QStringLiteral("Kulcskészítő…"));
    // The new button takes free room: the controls the dialog had stay where they were.
    const Twips button = keyDialog->Command5.geometry();
    for (Control* control : keyDialog->controls()) {
        if (control == &keyDialog->Command5) continue;
        const Twips other = control->geometry();
        const bool apart = button.left + button.width <= other.left ||
                           other.left + other.width <= button.left ||
                           button.top + button.height <= other.top || other.top + other.height <= button.top;
        QVERIFY2(apart, qPrintable(control->name()));
    }
    QCOMPARE(keyDialog->Command3.geometry().top, 2220);
    QCOMPARE(keyDialog->Command4.geometry().top, 3240);
    keyDialog->Command5.click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(f.window->keyMakerDialog(), dialog);
}

void TestKeyMakerDialog::inputsKeepTheirLimits() {
    Fixture f;
    f.window->showKeyMaker();
    auto* tips = f.child<QSpinBox>("tipsPerBet");
    auto* events = f.child<QSpinBox>("events");
    auto* guarantee = f.child<QSpinBox>("guarantee");
    QCOMPARE(tips->minimum(), 2);
    QCOMPARE(tips->maximum(), 6);
    tips->setValue(2);
    QCOMPARE(events->maximum(), 50);
    events->setValue(50);
    tips->setValue(3);
    QCOMPARE(events->maximum(), 24);
    QCOMPARE(events->value(), 24);
    QCOMPARE(guarantee->minimum(), 3);
    QCOMPARE(guarantee->maximum(), 23);
    f.window->keyMakerDialog()->setShape({4, 18, 8});
    QCOMPARE(f.child<QLabel>("bound")->text(), QStringLiteral("96 fogadás"));
    QCOMPARE(f.child<QLabel>("best")->text(), QStringLiteral("nincs közölt érték"));
    f.window->keyMakerDialog()->setShape({4, 17, 9});
    QCOMPARE(f.child<QLabel>("best")->text(), QStringLiteral("42 fogadás"));
    f.window->keyMakerDialog()->setShape({4, 18, 8});
    QCOMPARE(
        f.child<QLabel>("promise")->text(),
        QStringLiteral("Ha a 18 esemény közül legalább 8 tipp bejön, legalább egy 4 tippes kötés nyer."));
}

void TestKeyMakerDialog::searchRunsBesideTheWindowAndStops() {
    Fixture f;
    f.window->showKeyMaker();
    KeyMakerDialog* dialog = f.window->keyMakerDialog();
    dialog->setShape({4, 18, 8});
    QSignalSpy finished(dialog, &KeyMakerDialog::searchFinished);
    f.child<QPushButton>("search")->click();
    QVERIFY(dialog->isSearching());
    QVERIFY(!f.child<QPushButton>("save")->isEnabled());
    // The window answers while the search runs: the best size so far shows up in it.
    QTRY_VERIFY_WITH_TIMEOUT(f.child<QLabel>("found")->text().endsWith(QStringLiteral(" fogadás")), 20000);
    f.child<QPushButton>("cancel")->click();
    QVERIFY(finished.wait(20000));
    QVERIFY(!dialog->isSearching());
    QVERIFY(!dialog->key().empty());
    QVERIFY(keys::provesGuarantee({4, 18, 8}, dialog->key()));
    QVERIFY(f.child<QPushButton>("save")->isEnabled());
    QVERIFY(f.child<QLabel>("status")->text().startsWith(QStringLiteral("Leállítva. Ellenőrizve: ")));
    QCOMPARE(f.child<QLabel>("found")->text(), QStringLiteral("%1 fogadás").arg(dialog->key().size()));

    // "Tovább javítom" goes on from the key and tells what size it tries and what is left uncovered.
    f.child<QPushButton>("improve")->click();
    QVERIFY(dialog->isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(f.child<QLabel>("status")->text().startsWith(QStringLiteral("Most: ")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        f.child<QProgressBar>("progress")->text().endsWith(QStringLiteral("fedetlen nyerő tippsor")), 20000);
    f.child<QPushButton>("cancel")->click();
    QVERIFY(finished.wait(20000));
    QVERIFY(keys::provesGuarantee({4, 18, 8}, dialog->key()));
}

void TestKeyMakerDialog::savedKeyIsListedAtOnce() {
    Fixture f;
    f.platform.writeFile(QStringLiteral("tkulcs/tippek.inf"), "02_09_03.txt  sor\r\n");
    f.form->module1.tipCount = 9;
    f.form->Command6.click();
    auto* keyDialog = qobject_cast<gyari*>(f.form->gyariDialog());
    keyDialog->Form_Load();
    f.window->showKeyMaker();
    KeyMakerDialog* dialog = f.window->keyMakerDialog();
    dialog->setShape({3, 9, 7});
    QSignalSpy finished(dialog, &KeyMakerDialog::searchFinished);
    f.child<QPushButton>("search")->click();
    QVERIFY(finished.wait(20000));
    QCOMPARE(f.child<QLabel>("found")->text(), QStringLiteral("3 fogadás"));
    QCOMPARE(f.child<QProgressBar>("progress")->value(), 100);
    QCOMPARE(f.child<QLabel>("standing")->text(),
             QStringLiteral(
                 "3 fogadás, a legjobb ismert: 3, bizonyított alsó korlát: 3 – egyenlő a legjobb ismerttel"));
    QVERIFY(
        f.child<QLabel>("status")->text().endsWith(QStringLiteral("Ennél kevesebb fogadással nem lehet.")));
    // Groups 1-3, 4-6, 7-9: of 7 winners the two losers hit one group or two.
    auto* profile = f.child<QTableWidget>("keyProfile");
    QTRY_COMPARE(profile->rowCount(), 3);
    QCOMPARE(profile->item(0, 0)->text() + profile->item(0, 1)->text() + profile->item(0, 2)->text(), "712");
    QCOMPARE(profile->item(2, 0)->text() + profile->item(2, 1)->text() + profile->item(2, 2)->text(), "933");
    f.child<QPushButton>("save")->click();
    QVERIFY(!f.child<QPushButton>("save")->isEnabled());
    QCOMPARE(keyDialog->List1.count(), 2);
    QVERIFY(keyDialog->List1.line(1).startsWith(
        QStringLiteral("03_09_07.txt  3 fogadás – 3-as kötések, 9 esemény")));
}

void TestKeyMakerDialog::escapeStopsTheSearchThenCloses() {
    Fixture f;
    f.window->showKeyMaker();
    KeyMakerDialog* dialog = f.window->keyMakerDialog();
    dialog->setShape({4, 18, 8});
    // The key goes to the window the user is in; the main window's own Escape is not the dialog's.
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QSignalSpy finished(dialog, &KeyMakerDialog::searchFinished);
    f.child<QPushButton>("search")->click();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(finished.wait(20000));
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->key().empty());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());

    // Closing the window while it searches ends the search with it.
    f.window->showKeyMaker();
    f.child<QPushButton>("search")->click();
    QVERIFY(dialog->isSearching());
    QVERIFY(dialog->close());
    QVERIFY(!dialog->isVisible());
    QVERIFY(!dialog->isSearching());
}

KOMBINATOR_TEST(TestKeyMakerDialog);
#include "tst_keymakerdialog.moc"
