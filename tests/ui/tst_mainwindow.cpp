// The real main window, built offscreen over a scripted platform: where the controls sit, what
// they say, and that the user's clicks reach the handlers.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/form1.h"
#include "app/language.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "ui/qtplatform.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::MainWindow;

namespace {

// Scripted in everything but the clipboard, which is the desktop's own.
class DesktopClipboardPlatform : public FakePlatform {
public:
    std::optional<QString> clipboardText() override { return desktop.clipboardText(); }
    std::optional<QString> clipboardHtml() override { return desktop.clipboardHtml(); }
    ui::QtPlatform desktop{dir.path()};
};

// Where a widget sits in the window's client area.
QRect inWindow(const QWidget* widget) {
    return {widget->mapTo(widget->window(), QPoint()), widget->size()};
}

QString captionOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    return {};
}

struct Fixture {
    explicit Fixture(bool load = true) {
        platform.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp", "hand.ico", "picture1.bmp",
                                   "picture2.bmp", "picture3.bmp", "kombinator.png"});
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        if (load) form->Form_Load();
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
    }
    template <typename T = QWidget>
    T* widget(const QString& name) const {
        return qobject_cast<T*>(window->controlWidget(name));
    }
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};

// Every text of the main window's controls: captions, tooltips, accessible names and
// descriptions, option buttons, tabs, column headers and the odds cells' menu, and the title.
QStringList shownTexts(const Fixture& f) {
    QStringList texts;
    for (const Control* c : f.form->controls()) {
        texts << c->caption() << c->toolTip() << c->accessibleName() << c->accessibleDescription();
        if (auto* options = qobject_cast<const OptionGroup*>(c)) {
            for (int i = 0; i < options->count(); ++i)
                texts << options->optionCaption(i);
        }
        if (auto* tabs = qobject_cast<const TabControl*>(c)) texts << tabs->tabs();
        if (auto* grid = qobject_cast<const Grid*>(c)) {
            for (int col = 0; col < grid->cols(); ++col)
                texts << grid->textAt(0, col) << grid->cellMenu(col);
        }
    }
    texts << f.window->windowTitle();
    texts.removeAll(QString());
    return texts;
}

void enterTips(Form1& form, const QStringList& lines) {
    form.List5.setLines(lines);
    form.Command2.click();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // In Hungarian the window says what it always said; in English no Hungarian word shows but
    // the language choice itself, whose words are the same in both.
    void speaksOneLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Hungarian") << int(Language::Hungarian);
        QTest::newRow("English") << int(Language::English);
    }
    void speaksOneLanguage() {
        QFETCH(int, language);
        QStringList source;
        {
            Fixture f;
            source = shownTexts(f);
        }
        QVERIFY(useLanguage(Language(language)));
        Fixture f;
        QVERIFY(f.ready);
        const QStringList shown = shownTexts(f);
        QVERIFY(useLanguage(Language::Hungarian));
        if (Language(language) == Language::Hungarian) {
            QCOMPARE(shown, source);
            return;
        }
        static const QRegularExpression hungarian(
            QStringLiteral("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]|\\b(és|vagy|tipp|fix)\\b"));
        const QStringList bilingual{"Nyelv / Language:", "Nyelv / Language", "Magyar"};
        for (const QString& text : shown) {
            if (!bilingual.contains(text))
                QVERIFY2(!QString(text).remove(QStringLiteral("Kombinátor")).contains(hungarian),
                         qPrintable(text));
        }
        QCOMPARE(shown.size(), source.size());
    }

    void placesAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Command1") << "Command1" << QRect(305, 292, 112, 24) << "Vágólap betöltése";
        QTest::newRow("Command6") << "Command6" << QRect(305, 390, 112, 24) << "Kulcs behelyettesítés";
        QTest::newRow("Command5") << "Command5" << QRect(557, 455, 108, 24) << "Kilép";
        QTest::newRow("Command8_3") << "Command8_3" << QRect(557, 103, 48, 18) << "5";
        QTest::newRow("Command8_11") << "Command8_11" << QRect(617, 150, 48, 18) << "13";
        QTest::newRow("Command9") << "Command9" << QRect(556, 173, 108, 18) << "Trixie 4";
        QTest::newRow("Command18") << "Command18" << QRect(557, 386, 108, 18) << "Goliath 247";
        QTest::newRow("Label2") << "Label2" << QRect(570, 7, 28, 13) << "Kötés";
        QTest::newRow("Check1") << "Check1" << QRect(557, 418, 108, 23) << "Törli a kulcs és az odds listát";
        QTest::newRow("Grid1") << "Grid1" << QRect(17, 25, 517, 167) << "";
        QTest::newRow("Grid2") << "Grid2" << QRect(17, 199, 517, 83) << "";
        QTest::newRow("SSTab1") << "SSTab1" << QRect(10, 291, 283, 156) << "";
        QTest::newRow("List5 on its tab") << "List5" << QRect(14, 318, 271, 121) << "";
        QTest::newRow("Option1_2 on its tab")
            << "Option1_2" << QRect(124, 401, 129, 15) << "Nyer vagy döntetlen";
        QTest::newRow("Picture3 on its tab") << "Picture3" << QRect(74, 398, 40, 22) << "";
        QTest::newRow("List3") << "List3" << QRect(437, 325, 99, 121) << "";
        QTest::newRow("Frame1") << "Frame1" << QRect(200, 164, 309, 145) << "";
        QTest::newRow("Label4 in Frame1") << "Label4" << QRect(206, 176, 295, 72) << "";
    }
    void placesAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        Fixture f;
        QVERIFY(f.ready);
        // Controls on a tab show on their tab only.
        if (name == "List5" || name.startsWith("Option1") || name.startsWith("Picture"))
            f.form->SSTab1.setCurrent(name == "List5" ? 0 : 2);
        QWidget* w = f.widget(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->objectName(), name);
        QCOMPARE(f.window->findChild<QWidget*>(name), w);
        QCOMPARE(inWindow(w), place);
        QVERIFY(w->isVisible());
        if (!caption.isEmpty()) QCOMPARE(captionOf(w), caption);
    }

    // From the original size to 4K: no two controls overlap, each stays inside the window, the
    // buttons keep their size and their order, and the tip grid and the bet list show more rows.
    // The information panel lies over the grids by design and is left out.
    void growsWithoutOverlap_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<int>("tipRows");
        QTest::addColumn<int>("betRows");
        QTest::newRow("original") << QSize(679, 486) << QSize(679, 486) << 9 << 9;
        QTest::newRow("never smaller") << QSize(400, 300) << QSize(679, 486) << 9 << 9;
        QTest::newRow("one pixel more") << QSize(680, 487) << QSize(680, 487) << 9 << 9;
        QTest::newRow("wider only") << QSize(3840, 486) << QSize(3840, 486) << 9 << 10;
        QTest::newRow("taller only") << QSize(679, 2160) << QSize(679, 2160) << 42 << 73;
        QTest::newRow("1280 x 1024 maximised") << QSize(1280, 996) << QSize(1280, 996) << 19 << 28;
        QTest::newRow("1920 x 1080") << QSize(1920, 1050) << QSize(1920, 1050) << 20 << 30;
        QTest::newRow("4K") << QSize(3840, 2160) << QSize(3840, 2160) << 42 << 74;
    }
    void growsWithoutOverlap() {
        QFETCH(QSize, size);
        QFETCH(QSize, shown);
        QFETCH(int, tipRows);
        QFETCH(int, betRows);
        QHash<QString, QRect> before;
        Fixture f;
        QVERIFY(f.ready);
        QList<QPushButton*> buttons = f.window->findChildren<QPushButton*>(Qt::FindChildrenRecursively);
        buttons.removeIf([](const QPushButton* button) { return !button->isVisible(); });
        for (const QPushButton* button : buttons)
            before.insert(button->objectName(), inWindow(button));
        f.window->resize(size);
        QCOMPARE(f.window->size(), shown);
        QWidget* panel = f.widget("Frame1");
        for (int tab = 0; tab < 3; ++tab) {
            f.form->SSTab1.setCurrent(tab);
            QList<QWidget*> shownControls;
            for (const Control* c : f.form->controls()) {
                for (QWidget* w : f.window->findChildren<QWidget*>()) {
                    const bool named =
                        w->objectName() == c->name() || w->objectName().section(u'_', 0, 0) == c->name();
                    if (named && w->isVisible() && !(panel && (w == panel || panel->isAncestorOf(w))) &&
                        !shownControls.contains(w))
                        shownControls << w;
                }
            }
            for (QWidget* a : shownControls) {
                QVERIFY2(f.window->rect().contains(inWindow(a)), qPrintable(a->objectName()));
                for (QWidget* b : shownControls) {
                    if (a != b && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                        QVERIFY2(!inWindow(a).intersects(inWindow(b)),
                                 qPrintable(a->objectName() + " / " + b->objectName()));
                }
            }
        }
        for (const QPushButton* a : buttons) {
            const QRect was = before.value(a->objectName());
            QCOMPARE(a->size(), was.size());
            for (const QPushButton* b : buttons) {
                const QRect other = before.value(b->objectName());
                // Within a row and within a column the buttons keep their order.
                const bool row = was.top() <= other.bottom() && other.top() <= was.bottom();
                const bool column = was.left() <= other.right() && other.left() <= was.right();
                if (row && was.right() < other.left())
                    QVERIFY2(inWindow(a).right() < inWindow(b).left(),
                             qPrintable(a->objectName() + " / " + b->objectName()));
                if (column && was.bottom() < other.top())
                    QVERIFY2(inWindow(a).bottom() < inWindow(b).top(),
                             qPrintable(a->objectName() + " / " + b->objectName()));
            }
        }
        auto* tips = f.widget<QTableView>("Grid1");
        QCOMPARE(tips->rowAt(tips->viewport()->height() - 1) + 1, tipRows);  // the last one in part
        f.form->SSTab1.setCurrent(1);
        f.form->List1.setLines(QStringList(247, QStringLiteral("01 02 03 04 05 06 07 08")));
        auto* bets = f.widget<QListView>("List1");
        QCOMPARE(bets->indexAt(QPoint(1, bets->viewport()->height() - 1)).row() + 1, betRows);
    }

    void window() {
        Fixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kombinátor"));
        QCOMPARE(f.window->size(), QSize(679, 486));
        QVERIFY(!f.window->windowIcon().isNull());
        QVERIFY(!f.form->Picture3.picture().isEmpty());  // loaded once the window stands
        for (const char* hidden : {"Command23", "List2", "List4", "List6", "Picture4"})
            QVERIFY2(f.widget(hidden) && !f.widget(hidden)->isVisible(), hidden);
        QCOMPARE(f.platform.topmost, QStringList{"Form1"});
    }

    void tabs() {
        Fixture f;
        QVERIFY(f.ready);
        auto* tabs = f.widget<QTabWidget>("SSTab1");
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Fogadás"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Kulcs"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Klikk"));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(f.widget("List5")->isVisible());
        QVERIFY(!f.widget("List1")->isVisible());

        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QCOMPARE(f.form->SSTab1.current(), 2);
        QVERIFY(f.widget("Option1_0")->isVisible());
        f.form->SSTab1.setCurrent(1);  // a handler brings a tab to the front
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(f.widget("List1")->isVisible());
    }

    void accessibilityAndLooks() {
        Fixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.widget("Grid1")->accessibleName(), QStringLiteral("Tippek"));
        QCOMPARE(f.widget("Grid2")->accessibleName(), QStringLiteral("Fix tippek"));
        QCOMPARE(f.widget("List5")->accessibleName(), QStringLiteral("Ajánlat"));
        QCOMPARE(f.widget("List1")->accessibleName(), QStringLiteral("Fogadások"));
        QCOMPARE(f.widget("List3")->accessibleName(), QStringLiteral("Összegek"));
        QCOMPARE(f.widget("Label1")->accessibleDescription(), QStringLiteral("Darabszám"));
        QVERIFY(f.widget("Command5")->font().bold());
        QVERIFY(f.widget("Label1")->font().bold());
        QVERIFY(f.widget("Label6")->font().underline());
        QVERIFY(!f.widget("Command1")->font().bold());
        QCOMPARE(f.widget("Label6")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(f.widget("Label4")->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(f.widget("Label4")->toolTip(), QStringLiteral(" Klikkelésre eltűnik! "));
        QCOMPARE(qobject_cast<QAbstractItemView*>(f.widget("List5"))->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        QCOMPARE(qobject_cast<QAbstractItemView*>(f.widget("List1"))->selectionMode(),
                 QAbstractItemView::SingleSelection);
        // Every caption fits its control in one piece.
        for (const char* name :
             {"Command1", "Command6", "Command21", "Command17", "Command20", "Label3", "Label6"}) {
            QWidget* w = f.widget(name);
            const int room = qobject_cast<QPushButton*>(w) ? w->width() - 6 : w->width();
            QVERIFY2(w->fontMetrics().horizontalAdvance(captionOf(w)) <= room, name);
        }
    }

    void gridsAfterStartUp() {
        Fixture f;
        QVERIFY(f.ready);
        for (const char* name : {"Grid1", "Grid2"}) {
            auto* view = f.widget<QTableView>(name);
            QVERIFY(view);
            QAbstractItemModel* model = view->model();
            QCOMPARE(model->rowCount(), 50);
            QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Ssz."));
            QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("hazai"));
            QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("vendég"));
            QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("odds"));
            QCOMPARE(view->columnWidth(1), 200);
            QCOMPARE(view->columnWidth(2), 200);
            QCOMPARE(view->columnWidth(3), 53);
            QCOMPARE(view->horizontalHeader()->height(), 21);
        }
        QCOMPARE(f.widget<QTableView>("Grid1")->rowHeight(0), 17);
        QCOMPARE(f.widget<QTableView>("Grid2")->rowHeight(0), 16);
    }

    void clipboardIntakeThroughTheButton() {
        DesktopClipboardPlatform platform;
        Form1 form(platform);
        MainWindow window(form);
        form.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        form.SSTab1.setCurrent(2);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Arsenal - Chelsea\n  Arsenal  \n1,85\nB\n\tb\t\n"));

        QTest::mouseClick(window.controlWidget("Command1"), Qt::LeftButton);

        QCOMPARE(form.List5.lines(), (QStringList{"Arsenal - Chelsea", "Arsenal", "1,85"}));
        QCOMPARE(form.Label1.caption(), QStringLiteral("3"));
        QCOMPARE(qobject_cast<QLabel*>(window.controlWidget("Label1"))->text(), QStringLiteral("3"));
        auto* list = qobject_cast<QListView*>(window.controlWidget("List5"));
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->model()->index(2, 0).data().toString(), QStringLiteral("1,85"));
        QCOMPARE(qobject_cast<QTabWidget*>(window.controlWidget("SSTab1"))->currentIndex(), 0);
        QVERIFY(platform.messages.empty());
    }

    void linkPointerOnlyOverTheLink() {
        Fixture f;
        QVERIFY(f.ready);
        QTest::mouseMove(f.widget("Label6"), QPoint(5, 5));
        QTRY_COMPARE(f.platform.pointer, Pointer::Link);
        QTest::mouseMove(f.widget("List3"), QPoint(5, 5));  // straight from the link onto a control
        QTRY_COMPARE(f.platform.pointer, Pointer::Default);
    }

    void shellClicks() {
        Fixture f;
        QVERIFY(f.ready);
        QTest::mouseMove(f.widget("Label6"), QPoint(5, 5));
        QTRY_COMPARE(f.platform.pointer, Pointer::Link);
        QVERIFY(f.platform.pointerFile.endsWith("hand.ico"));
        QTest::mouseMove(f.window.get(), QPoint(300, 470));  // the bare surface below the commands
        QTRY_COMPARE(f.platform.pointer, Pointer::Default);
        f.platform.pointer = Pointer::Link;
        QTest::mouseMove(f.widget("Command19"), QPoint(5, 5));  // over a control: no reset
        QTest::qWait(20);
        QCOMPARE(f.platform.pointer, Pointer::Link);

        QTest::mouseClick(f.widget("Label6"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.platform.calls.value(0), QStringLiteral("minimize"));
        QVERIFY(f.platform.calls.value(1).startsWith("open:"));

        QTest::mouseClick(f.widget("Label5"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!f.widget("Frame1")->isVisible());
        QVERIFY(!f.widget("Label4")->isVisible());

        QTest::mouseClick(f.widget("Check2"), Qt::LeftButton);
        QCOMPARE(f.form->Check2.value(), 1);
        QTest::mouseClick(f.widget("Check1"), Qt::LeftButton, {}, QPoint(80, 8));  // on the caption
        QCOMPARE(f.form->Check1.value(), 0);
        f.form->SSTab1.setCurrent(2);
        QTest::mouseClick(f.widget("Option1_1"), Qt::LeftButton);
        QCOMPARE(f.form->Option1.selected(), 1);
        f.form->Option1.select(2);
        QVERIFY(f.widget<QRadioButton>("Option1_2")->isChecked());

        QVERIFY(!f.platform.quitRequested);
        QTest::mouseClick(f.widget("Command5"), Qt::LeftButton);
        QVERIFY(f.platform.quitRequested);
    }

    void modelChangesReachTheWidgets() {
        Fixture f;
        QVERIFY(f.ready);
        f.form->Command3.setEnabled(false);
        QVERIFY(!f.widget("Command3")->isEnabled());
        f.form->Command23.setVisible(true);
        QVERIFY(f.widget("Command23")->isVisible());
        f.form->List5.setToolTip("3 sor");
        QCOMPARE(f.widget("List5")->toolTip(), QStringLiteral("3 sor"));
        f.form->Label1.setCaption("1287");
        QCOMPARE(qobject_cast<QLabel*>(f.widget("Label1"))->text(), QStringLiteral("1287"));
        f.form->Check1.setValue(0);
        QVERIFY(!f.widget<QCheckBox>("Check1")->isChecked());
        QSignalSpy focus(&f.form->Grid1, &Grid::focusRequested);
        f.form->Grid1.setFocus();
        QCOMPARE(focus.count(), 1);
        QTRY_VERIFY(f.widget("Grid1")->hasFocus());
    }

    // Six tips, "2", amount 5 clicked, "Fogadás" brought to the front, amount 5 clicked again:
    // the line chosen already still brings the bets forward at bet 5.
    void amountClickedAgain() {
        Fixture f;
        QStringList tips;
        for (int i = 1; i <= 6; ++i)
            tips << QStringLiteral("H%1 - V%1").arg(i) << QStringLiteral("H%1").arg(i)
                 << QStringLiteral("1,50");
        enterTips(*f.form, tips);
        f.form->Command8[0].click();
        f.form->List3.setTopIndex(0);
        auto* view = f.widget<QListView>("List3");
        for (int click = 1; click <= 2; ++click) {
            f.form->SSTab1.setCurrent(0);
            f.form->List1.setTopIndex(10);
            const QRect line = view->visualRect(view->model()->index(4, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              QPoint(line.left() + 8, line.center().y()));
            QCOMPARE(f.form->SSTab1.current(), 1);
            QCOMPARE(f.form->List1.topIndex(), 4);
        }
    }

    void convertedTipsShow() {
        Fixture f;
        QVERIFY(f.ready);
        enterTips(*f.form, {"Arsenal - Chelsea", "Arsenal", "1,85", "Real Madrid - Barcelona", "Döntetlen",
                            "3,40", "Ferencváros - Újpest", "Újpest", "4,10"});
        auto* grid = f.widget<QTableView>("Grid1");
        QCOMPARE(grid->model()->index(0, 1).data().toString(), f.form->Grid1.textAt(1, 1));
        QCOMPARE(grid->model()->index(2, 2).data().toString(), f.form->Grid1.textAt(3, 2));
        QCOMPARE(grid->model()->index(2, 3).data().toString(), f.form->Grid1.textAt(3, 3));
        QCOMPARE(grid->model()->index(1, 1).data(Qt::DecorationRole).isValid(),
                 !f.form->Grid1.pictureAt(2, 1).isEmpty());
        QCOMPARE(f.widget<QListView>("List5")->model()->rowCount(), f.form->List5.count());

        // A picture of the window with a little data, for the eye; only when asked for.
        const QString shots = qEnvironmentVariable("KOMBINATOR_SCREENSHOTS");
        if (!shots.isEmpty()) {
            f.form->Label4.click();
            f.form->List1.setLines({"01 02", "01 03", "02 03"});
            f.form->List3.setLines({"    6.29", "    7.59", "   13.94", "", "Össz.:    27.82"});
            f.form->Label1.setCaption("3");
            f.form->Grid1.clickCell(2, 3);
            f.window->grab().save(shots + "/kombinator-data.png");
            f.form->SSTab1.setCurrent(2);
            f.window->grab().save(shots + "/kombinator-klikk.png");
        }
    }
};

KOMBINATOR_TEST(TestMainWindow);
#include "tst_mainwindow.moc"
