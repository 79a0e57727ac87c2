// Deleting offer lines, and the bet list and amount list selections moving together.
#include <QSignalSpy>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

QStringList numbered(const char* prefix, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i));
    return lines;
}

}  // namespace

class TestRows : public QObject {
    Q_OBJECT

    struct Fixture {
        FakePlatform platform;
        Form1 form{platform};
    };

    // Eight bets and their amounts with the three summary lines.
    static void fillBetLists(Form1& form) {
        form.List1.setLines(numbered("bet ", 8));
        form.List3.setLines(numbered("amount ", 8) + QStringList{"", "Össz.: 36.00", "Ny/s.: 4.50"});
    }

private slots:
    void deletion_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QList<int>>("selected");  // line numbers from 1
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("changes");  // signals to the view: one for all the lines removed

        QTest::newRow("lines 2, 3 and 5")
            << 0 << QList<int>{2, 3, 5} << QStringList{"L1", "L4", "L6", "L7"} << "4" << 1;
        QTest::newRow("two adjacent lines")
            << 0 << QList<int>{4, 5} << QStringList{"L1", "L2", "L3", "L6", "L7"} << "5" << 1;
        QTest::newRow("first and last")
            << 0 << QList<int>{1, 7} << QStringList{"L2", "L3", "L4", "L5", "L6"} << "5" << 1;
        QTest::newRow("every line") << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7} << QStringList{} << "0" << 1;
        QTest::newRow("nothing selected") << 0 << QList<int>{} << numbered("L", 7) << "7" << 0;
        QTest::newRow("tab Kulcs in front") << 1 << QList<int>{2, 3, 5} << numbered("L", 7) << "-" << 0;
        QTest::newRow("tab Klikk in front") << 2 << QList<int>{1} << numbered("L", 7) << "-" << 0;
    }
    void deletion() {
        QFETCH(int, tab);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, remaining);
        QFETCH(QString, label);
        QFETCH(int, changes);
        Fixture f;
        f.form.List5.setLines(numbered("L", 7));
        f.form.List4.setLines({QStringLiteral("old copy")});
        f.form.Label1.setCaption(QStringLiteral("-"));
        for (const int line : selected)
            f.form.List5.setSelected(line - 1, true);
        f.form.SSTab1.setCurrent(tab);
        QSignalSpy changed(&f.form.List5, &ListBox::linesChanged);
        f.form.Command3.click();
        QCOMPARE(changed.size(), changes);
        QCOMPARE(f.form.List5.lines(), remaining);
        QCOMPARE(f.form.Label1.caption(), label);
        QCOMPARE(f.form.List4.lines(), tab == 0 ? remaining : QStringList{QStringLiteral("old copy")});
        if (tab == 0) {
            for (int i = 0; i < f.form.List5.count(); ++i)
                QVERIFY(!f.form.List5.isSelected(i));
        }
        QCOMPARE(f.form.SSTab1.current(), tab);
    }

    void betListClickSelectsAmount() {
        Fixture f;
        fillBetLists(f.form);
        f.form.List1.clickLine(5);
        QCOMPARE(f.form.List1.listIndex(), 5);
        QCOMPARE(f.form.List3.listIndex(), 5);
        QCOMPARE(f.form.List3.topIndex(), 5);
        QCOMPARE(f.form.module1.selectionGuard, qint16(0));
        // The amount list's own click returned at the guard: its tab switch did not happen.
        QCOMPARE(f.form.SSTab1.current(), 0);
    }

    void amountListClickSelectsBet() {
        Fixture f;
        fillBetLists(f.form);
        f.form.List3.clickLine(5);
        QCOMPARE(f.form.SSTab1.current(), 1);
        QCOMPARE(f.form.List3.listIndex(), 5);
        QCOMPARE(f.form.List1.listIndex(), 5);
        QCOMPARE(f.form.List1.topIndex(), 5);
        // The bet list's own click returned at the guard: it did not scroll the amount list.
        QCOMPARE(f.form.List3.topIndex(), 0);
        QCOMPARE(f.form.module1.selectionGuard, qint16(0));
    }

    void summaryLineClick_data() {
        QTest::addColumn<int>("line");
        QTest::newRow("empty line") << 8;
        QTest::newRow("total line") << 9;
        QTest::newRow("mean line") << 10;
    }
    void summaryLineClick() {
        QFETCH(int, line);
        Fixture f;
        fillBetLists(f.form);
        f.form.List1.clickLine(2);
        f.form.List1.setTopIndex(1);
        f.form.List3.clickLine(line);
        QCOMPARE(f.form.SSTab1.current(), 1);
        QCOMPARE(f.form.List3.listIndex(), line);
        QCOMPARE(f.form.List1.listIndex(), 2);
        QCOMPARE(f.form.List1.topIndex(), 1);
        QCOMPARE(f.form.module1.selectionGuard, qint16(0));
    }

    // After the odds command skipped bets the amount list is shorter than the bet list.
    void betWithoutAmountLine() {
        Fixture f;
        f.form.List1.setLines(numbered("bet ", 8));
        f.form.List3.setLines({"7.50", "2.64", "", "Össz.: 10.14", "Ny/s.: 1.27"});
        f.form.List3.clickLine(1);
        f.form.List1.clickLine(6);
        QCOMPARE(f.form.List1.listIndex(), 6);
        QCOMPARE(f.form.List3.listIndex(), 1);
        QCOMPARE(f.form.module1.selectionGuard, qint16(0));
    }

    // A click on an empty list (the view raises it even without a line under the pointer).
    void emptyListsDoNothing() {
        Fixture f;
        f.form.List3.setLines({"x"});
        f.form.List1_Click();
        QCOMPARE(f.form.List3.listIndex(), -1);
        f.form.List3.clear();
        f.form.List1.setLines({"01 02"});
        f.form.List3_Click();
        QCOMPARE(f.form.SSTab1.current(), 0);
        QCOMPARE(f.form.List1.listIndex(), -1);
        QCOMPARE(f.form.module1.selectionGuard, qint16(0));
    }
};

KOMBINATOR_TEST(TestRows);
#include "tst_rows.moc"
