// What a screen reader finds in the main window and the two dialogs: every control's role, name
// and description, the tip cells' state in words, and the announcement of a change.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "ui/accessibility.h"
#include "ui/dialogview.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::DialogView;
using kombinator::ui::DialogViews;
using kombinator::ui::MainWindow;

namespace {

struct Desk {
    Desk() {
        platform.installResources(
            {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp", "picture1.bmp", "picture2.bmp", "picture3.bmp"});
        form = std::make_unique<Form1>(platform);
        window = std::make_unique<MainWindow>(*form);
        dialogs = std::make_unique<DialogViews>(*form);
        form->Form_Load();
        window->show();
        ready = QTest::qWaitForWindowExposed(window.get());
    }
    // The tips: one backs the home side, one the draw, one the away side, one home or draw.
    void convert() {
        form->List5.setLines({"A - B", "A", "Szorzó: 1,50", "Pécs - Vác", "Döntetlen", "Szorzó: 3,20",
                              "E - F", "F", "Szorzó: 2,40", "G - H", "Kétesély: G vagy Döntetlen",
                              "Szorzó: 1,20"});
        form->Command2.click();
    }
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<DialogViews> dialogs;
    bool ready = false;
};

// The names of a window's controls as its widgets carry them: members of an option group one by
// one, a tab control with its pages. Hidden controls count when a screen reader may meet them
// (the key dialog's second view); the program's scratch controls, never shown, do not.
QStringList shownControls(const std::vector<Control*>& controls) {
    QStringList names;
    for (const Control* control : controls) {
        if (!control->isVisible() && control->accessibleName().isEmpty()) continue;
        if (const auto* group = qobject_cast<const OptionGroup*>(control)) {
            for (int i = 0; i < group->count(); ++i)
                names << QStringLiteral("%1_%2").arg(control->name()).arg(i);
        } else if (const auto* tabs = qobject_cast<const TabControl*>(control)) {
            names << control->name();
            for (int i = 0; i < tabs->tabs().size(); ++i)
                names << QStringLiteral("%1:%2").arg(control->name()).arg(i);
        } else {
            names << control->name();
        }
    }
    return names;
}

QAccessibleInterface* cellOf(QWidget* grid, int row, int col) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    return table && table->tableInterface() ? table->tableInterface()->cellAt(row - 1, col) : nullptr;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* window, const char* control, QAccessible::Role role, const char* name,
                            const char* description) {
            QTest::addRow("%s %s", window, control)
                << QString::fromUtf8(window) << QString::fromUtf8(control) << int(role)
                << QString::fromUtf8(name) << QString::fromUtf8(description);
        };
        row("Form1", "Grid1", QAccessible::Table, "Tippek", "");
        row("Form1", "Grid2", QAccessible::Table, "Fix tippek", "");
        row("Form1", "SSTab1", QAccessible::Grouping, "Fülek", "");
        row("Form1", "SSTab1:2", QAccessible::Pane, "Klikk", "");
        row("Form1", "List5", QAccessible::List, "Ajánlat", "");
        row("Form1", "List1", QAccessible::List, "Fogadások", "");
        row("Form1", "List3", QAccessible::List, "Összegek", "");
        row("Form1", "Option1_2", QAccessible::RadioButton, "Nyer vagy döntetlen", "");
        row("Form1", "Picture2", QAccessible::Graphic, "Nyer jele", "");
        row("Form1", "Picture1", QAccessible::Graphic, "Döntetlen jele", "");
        row("Form1", "Picture3", QAccessible::Graphic, "Nyer vagy döntetlen jele", "");
        row("Form1", "Label1", QAccessible::StaticText, "", "Darabszám");
        row("Form1", "Label6", QAccessible::Link, "Kézikönyv", "A Kombinátor kézikönyve");
        row("Form1", "Frame1", QAccessible::StaticText, "Tájékoztató", "");
        row("Form1", "Label5", QAccessible::StaticText, "Tudnivaló",
            "Rendszert a jobb oldali gombokkal választhat, az eredményt az oddsokra kattintva adja meg.");
        row("Form1", "Command21", QAccessible::Button, "Eredményt megadva ", "");
        row("Form1", "Command24", QAccessible::Button, "1", "1-es kötések (szimplák)");
        row("Form1", "Command8_0", QAccessible::Button, "2", "2-es kötések");
        row("Form1", "Command8_1", QAccessible::Button, "3", "3-as kötések");
        row("Form1", "Command8_3", QAccessible::Button, "5", "5-ös kötések");
        row("Form1", "Command8_4", QAccessible::Button, "6", "6-os kötések");
        row("Form1", "Command8_11", QAccessible::Button, "13", "13-as kötések");
        row("Form1", "Command9", QAccessible::Button, "Trixie 4", "Trixie: 3 tipp, 4 fogadás");
        row("Form1", "Command12", QAccessible::Button, "Lucky 15", "Lucky 15: 4 tipp, 15 fogadás");
        row("Form1", "Command17", QAccessible::Button, "Super Heinz 120", "Super Heinz: 7 tipp, 120 fogadás");
        row("Form1", "Command18", QAccessible::Button, "Goliath 247", "Goliath: 8 tipp, 247 fogadás");
        row("Form1", "Command25", QAccessible::ButtonMenu, "Egyéb fogadások",
            "Menü: további fogadások, mindegyik a tippjei és a fogadásai "
            "számával");
        row("Form1", "Check1", QAccessible::CheckBox, "Törli a kulcs és az odds listát", "");
        row("gyari", "List1", QAccessible::List, "Kulcsok", "");
        row("gyari", "List2", QAccessible::List, "Kulcsok események szerint", "");
        row("gyari", "Option1_1", QAccessible::RadioButton, "Esemény", "");
        row("gyari", "Label1", QAccessible::StaticText, "0", "Kulcsok száma");
        row("gyari", "Command3", QAccessible::Button, "Kiválaszt", "");
        row("gyari", "Text1", QAccessible::EditableText, "Kulcsleírás", "");
        row("Form2", "Text1", QAccessible::EditableText, "Tipplista", "");
        row("Form2", "Command2", QAccessible::Button, "Mégsem", "");
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        Desk d;
        QVERIFY(d.ready);
        d.platform.writeFile("tkulcs/tippek.inf", "");
        d.convert();
        d.form->Command6.click();
        d.form->Command7.click();
        QWidget* widget = nullptr;
        if (window == "Form1") {
            widget = d.window->controlWidget(control);
        } else {
            Dialog* dialog = window == "gyari" ? d.form->gyariDialog() : d.form->form2Dialog();
            QVERIFY(dialog);
            widget = d.dialogs->view(dialog)->controlWidget(control);
        }
        QVERIFY(widget);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        if (!description.isEmpty()) QCOMPARE(iface->text(QAccessible::Description), description);
        if (role != QAccessible::Link) return;
        QVERIFY(iface->actionInterface());
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(d.platform.calls.value(0), QStringLiteral("minimize"));  // as a click on it does
        QVERIFY(d.platform.calls.value(1).endsWith(QStringLiteral("kezikonyv.html")));
    }

    // Every window a window or dialog with its title; every control shown in it a role of its
    // own, a name (or, for a label without text, a description), and one that takes the focus
    // always a name.
    void everyControlOfEveryWindow() {
        Desk d;
        QVERIFY(d.ready);
        d.convert();
        d.form->Command6.click();
        d.form->Command7.click();
        struct Shown {
            QWidget* window;
            QAccessible::Role role;
            QString title;
            QStringList controls;
        };
        DialogView* keys = d.dialogs->view(d.form->gyariDialog());
        DialogView* editor = d.dialogs->view(d.form->form2Dialog());
        QVERIFY(keys && editor);
        const std::vector<Shown> windows{
            {d.window.get(), QAccessible::Window, "Kombinátor", shownControls(d.form->controls())},
            {keys, QAccessible::Dialog, " Eddigi beépített kulcsok !",
             shownControls(d.form->gyariDialog()->controls())},
            {editor, QAccessible::Dialog, "Tipplista szerkesztése.",
             shownControls(d.form->form2Dialog()->controls())}};
        int walked = 0;
        for (const Shown& shown : windows) {
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(shown.window);
            QVERIFY(window);
            QCOMPARE(window->role(), shown.role);
            QCOMPARE(window->text(QAccessible::Name), shown.title);
            shown.window->showMinimized();
            QCOMPARE(window->text(QAccessible::Name), shown.title);
            shown.window->showNormal();
            for (const QString& name : shown.controls) {
                QWidget* widget = shown.window == d.window.get()
                                      ? d.window->controlWidget(name)
                                      : static_cast<DialogView*>(shown.window)->controlWidget(name);
                QVERIFY2(widget, qPrintable(name));
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
                QVERIFY2(iface, qPrintable(name));
                QVERIFY2(iface->role() != QAccessible::Client && iface->role() != QAccessible::NoRole,
                         qPrintable(name));
                const QString text = iface->text(QAccessible::Name) + iface->text(QAccessible::Description);
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(name));
                if (widget->focusPolicy() & Qt::TabFocus)
                    QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(name));
                ++walked;
            }
        }
        QCOMPARE(walked, 67 + 11 + 3);  // the key dialog with its key maker button
    }

    void tipCellsSayTheirState() {
        Desk d;
        QVERIFY(d.ready);
        d.convert();
        QWidget* grid = d.window->controlWidget("Grid1");
        const auto said = [grid](int row, int col) {
            QAccessibleInterface* cell = cellOf(grid, row, col);
            return cell ? cell->text(QAccessible::Description) : QStringLiteral("(no cell)");
        };
        QCOMPARE(said(1, 1), QStringLiteral("hazai nyer"));
        QCOMPARE(said(1, 2), QString());
        QCOMPARE(said(2, 1), QStringLiteral("döntetlen"));
        QCOMPARE(said(2, 2), QStringLiteral("döntetlen"));
        QCOMPARE(said(3, 2), QStringLiteral("vendég nyer"));
        QCOMPARE(said(4, 1), QStringLiteral("hazai nyer vagy döntetlen"));
        QCOMPARE(said(4, 2), QStringLiteral("döntetlen"));
        QCOMPARE(said(1, 3), QString());
        QCOMPARE(cellOf(grid, 1, 1)->text(QAccessible::Name), QStringLiteral("A"));

        // Marking a result is heard once its handler is done, and the odds say "nyert".
        QCoreApplication::processEvents();  // what the conversion changed is told before we listen
        std::vector<std::pair<QAccessible::Event, QString>> heard;
        ui::listenToAnnouncements([&heard](QAccessibleEvent& event) {
            QAccessibleInterface* cell = event.accessibleInterface();
            heard.emplace_back(event.type(), cell ? cell->text(QAccessible::Description) : QString());
        });
        d.form->Grid1.clickCell(3, 3);
        d.form->Option1.select(0);
        d.form->Grid1.clickCell(3, 1);  // the home side of tip 3 now wins as well
        QTRY_COMPARE(heard.size(), size_t(4));
        ui::listenToAnnouncements({});
        QCOMPARE(said(3, 3), QStringLiteral("nyert"));
        QCOMPARE(said(3, 1), QStringLiteral("hazai nyer"));
        QCOMPARE(heard.at(0).first, QAccessible::DescriptionChanged);
        QCOMPARE(heard.at(1).first, QAccessible::ValueChanged);
        QCOMPARE(heard.at(0).second, QStringLiteral("hazai nyer"));
        QCOMPARE(heard.at(2).second, QStringLiteral("nyert"));

        // A cell's action is its click: tip 4's odds are marked won.
        QAccessibleActionInterface* action = cellOf(grid, 4, 3)->actionInterface();
        QVERIFY(action && !action->actionNames().isEmpty());
        action->doAction(action->actionNames().first());
        QCOMPARE(int(d.form->resultFlags[4]), 1);

        // The banker grid shows its tip's markers; a banker has no result of its own.
        d.form->Grid1.clickCell(1, 0);
        d.form->Command22.click();
        QWidget* bankers = d.window->controlWidget("Grid2");
        QCOMPARE(cellOf(bankers, 1, 1)->text(QAccessible::Description), QStringLiteral("hazai nyer"));
        d.form->resultFlags[1] = 1;
        QCOMPARE(cellOf(bankers, 1, 3)->text(QAccessible::Description), QString());
    }
};

KOMBINATOR_TEST(TestAccessibility);
#include "tst_accessibility.moc"
