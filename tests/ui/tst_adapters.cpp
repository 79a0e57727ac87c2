// The item-model adapters of the list boxes and grids, checked by Qt's model tester through
// every kind of change the handlers make, and the list view's two-way selection.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "testmain.h"
#include "ui/gridmodel.h"
#include "ui/gridview.h"
#include "ui/listmodel.h"
#include "ui/listview.h"

using namespace kombinator;
using namespace kombinator::ui;

namespace {

QStringList viewLines(const QAbstractItemModel& model) {
    QStringList lines;
    for (int i = 0; i < model.rowCount(); ++i)
        lines << model.index(i, 0).data().toString();
    return lines;
}

QString resource(const QString& name) {
    return QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/") + name;
}

}  // namespace

class TestAdapters : public QObject {
    Q_OBJECT
private slots:
    void listChanges_data() {
        QTest::addColumn<bool>("sorted");
        QTest::newRow("in order") << false;
        QTest::newRow("sorted") << true;
    }
    void listChanges() {
        QFETCH(bool, sorted);
        ListBox list;
        list.setSorted(sorted);
        ListBoxModel model(list);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setLineToolTips(sorted);  // as the key dialog's lists: each line whole in its tooltip

        list.addItem("mango");
        list.addItem("alma");
        list.addItems({"körte", "Barack", "alma"});
        QCOMPARE(viewLines(model), list.lines());
        if (sorted) QCOMPARE(list.lines(), (QStringList{"alma", "alma", "Barack", "körte", "mango"}));
        QVERIFY(list.removeItem(1));
        QCOMPARE(viewLines(model), list.lines());
        QVERIFY(list.removeItem(list.count() - 1));
        QVERIFY(!list.removeItem(list.count()));
        QVERIFY(list.removeItem(0));
        QCOMPARE(viewLines(model), list.lines());
        list.setLines({"x", "y", "z", "w"});
        QCOMPARE(viewLines(model), list.lines());
        QCOMPARE(model.data(model.index(1, 0), Qt::ToolTipRole),
                 sorted ? QVariant(list.line(1)) : QVariant());
        list.clear();
        QCOMPARE(model.rowCount(), 0);
        // A row the view was never told about reads as nothing.
        QCOMPARE(model.data(model.index(0, 0)), QVariant());
    }

    void millionLinesAtOnce() {
        ListBox list;
        ListBoxView view(list);
        view.resize(271, 121);
        QStringList lines;
        lines.reserve(1000000);
        for (int i = 0; i < 1000000; ++i)
            lines << QStringLiteral("%1 02 03").arg(i % 100, 2, 10, QLatin1Char('0'));
        QSignalSpy resets(view.model(), &QAbstractItemModel::modelReset);
        list.addItems(lines);
        QCOMPARE(resets.count(), 1);  // one change for the whole list, not one per line
        QCOMPARE(view.model()->rowCount(), 1000000);
        QVERIFY(list.setTopIndex(999990));
        QCOMPARE(view.indexAt(QPoint(2, 2)).row(), 999990);
    }

    void singleSelectionBothWays() {
        ListBox list;
        list.setLines({"01 02", "01 03", "02 03", "01 02 03"});
        ListBoxView view(list);
        view.resize(200, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicks(&list, &Control::clicked);

        QVERIFY(list.setListIndex(2));  // from code: the view follows
        QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), 2);
        QCOMPARE(clicks.count(), 1);

        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(1, 0)).center());
        QCOMPARE(list.listIndex(), 1);
        QCOMPARE(clicks.count(), 2);
        // The line already chosen: the selection does not change, and the click is raised all the same.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(1, 0)).center());
        QCOMPARE(list.listIndex(), 1);
        QCOMPARE(clicks.count(), 3);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(list.listIndex(), 2);
        QCOMPARE(clicks.count(), 4);

        list.setListIndex(-1);
        QVERIFY(view.selectionModel()->selectedRows().isEmpty());
    }

    void extendedSelectionBothWays() {
        ListBox list;
        list.setSelectionMode(ListBox::Selection::Extended);
        list.setLines({"a", "b", "c", "d", "e"});
        ListBoxView view(list);
        view.resize(200, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto at = [&](int row) { return view.visualRect(view.model()->index(row, 0)).center(); };

        QSignalSpy clicks(&list, &Control::clicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(1));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(1));  // chosen already: a click still
        QCOMPARE(clicks.count(), 2);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(3));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, at(2));
        const QList<bool> expected{false, true, false, true, false};
        for (int i = 0; i < list.count(); ++i)
            QCOMPARE(list.isSelected(i), expected.at(i));

        list.setSelected(4, true);  // from code: the view follows
        list.setSelected(1, false);
        QModelIndexList shown = view.selectionModel()->selectedRows();
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).row(), 3);
        QCOMPARE(shown.at(1).row(), 4);

        list.removeItem(0);  // lines move up with their selection
        shown = view.selectionModel()->selectedRows();
        QCOMPARE(shown.size(), 2);
    }

    void selectionFollowsMovedLines() {
        ListBox sorted;
        sorted.setSorted(true);
        sorted.setLines({"b", "d"});
        ListBoxView single(sorted);
        sorted.setListIndex(1);
        sorted.addItem("a");  // lands before the chosen line, which moves down
        QCOMPARE(sorted.listIndex(), 2);
        QCOMPARE(single.selectionModel()->selectedRows().value(0).row(), 2);
        sorted.removeItem(0);
        QCOMPARE(single.selectionModel()->selectedRows().value(0).row(), 1);

        ListBox offer;
        offer.setSelectionMode(ListBox::Selection::Extended);
        offer.setLines({"a", "b", "c", "d", "e"});
        ListBoxView extended(offer);
        offer.setSelected(3, true);
        offer.setSelected(1, true);
        offer.removeItem(2);  // after the last line chosen in order, before another chosen one
        QModelIndexList shown = extended.selectionModel()->selectedRows();
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).row(), 1);
        QCOMPARE(shown.at(1).row(), 2);
    }

    void horizontalExtentScrolls() {
        ListBox list;
        ListBoxView view(list);
        view.resize(271, 121);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        list.setHorizontalExtent(2439);
        list.setLines({"01 02 03", "01 02 04"});
        QTRY_VERIFY(view.horizontalScrollBar()->maximum() > 0);
        // The lines scroll as far as the range: its width less what the view shows.
        QCOMPARE(view.horizontalScrollBar()->maximum(), 2439 - view.viewport()->width());
    }

    void gridChanges() {
        Grid grid;
        grid.setSize(51, 4);
        GridModel model(grid);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 50);
        QCOMPARE(model.columnCount(), 4);

        grid.setRow(0);
        grid.setCol(0);
        grid.setText(" Ssz.");
        grid.setFixedAlignment(0, Align::Center);
        grid.setCol(2);
        grid.setText("vendég");
        grid.setColAlignment(3, Align::Center);
        grid.setRow(1);
        grid.setCol(0);
        grid.setText("1");
        grid.setCol(1);
        grid.setText("Arsenal");
        grid.setPicture(resource("xxk.bmp"));
        grid.setRow(50);
        grid.setCol(3);
        grid.setText("1.85");
        grid.setPicture(resource("nincs.bmp"));

        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Ssz."));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("vendég"));
        QCOMPARE(Qt::Alignment(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt()),
                 Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
        // The fixed column is aligned like its header; data columns by their own alignment.
        QCOMPARE(Qt::Alignment(model.index(0, 0).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(Qt::Alignment(model.index(0, 1).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(Qt::Alignment(model.index(49, 3).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Arsenal"));
        QCOMPARE(model.index(0, 1).data(Qt::DecorationRole).value<QPixmap>().size(), QSize(16, 16));
        QCOMPARE(model.index(49, 3).data().toString(), QStringLiteral("1.85"));
        QVERIFY(!model.index(49, 3).data(Qt::DecorationRole).isValid());  // an unreadable file shows nothing
        QVERIFY(!model.index(0, 2).data(Qt::DecorationRole).isValid());

        grid.setSize(31, 3);  // a new shape resets the view
        QCOMPARE(model.rowCount(), 30);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.index(0, 1).data().toString(), QString());
    }

    void gridViewClicksAndSelection_data() {
        QTest::addColumn<int>("row");  // table row, -1 for the header
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("selRow1");
        QTest::addColumn<int>("selCol1");
        QTest::addColumn<int>("selRow2");
        QTest::addColumn<int>("selCol2");
        QTest::addColumn<int>("highlighted");
        QTest::newRow("cell") << 2 << 3 << 3 << 3 << 3 << 3 << 0;
        QTest::newRow("row header") << 3 << 0 << 4 << 1 << 4 << 3 << 3;
        QTest::newRow("column header") << -1 << 2 << 1 << 2 << 50 << 2 << 50;
        QTest::newRow("corner") << -1 << 0 << 1 << 1 << 1 << 1 << 0;
    }
    void gridViewClicksAndSelection() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, selRow1);
        QFETCH(int, selCol1);
        QFETCH(int, selRow2);
        QFETCH(int, selCol2);
        QFETCH(int, highlighted);
        Grid grid;
        grid.setSize(51, 4);
        GridView view(grid);
        view.resize(517, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicks(&grid, &Control::clicked);
        if (row < 0) {
            QHeaderView* header = view.horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(col) + 5, header->height() / 2));
        } else {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                              view.visualRect(view.model()->index(row, col)).center());
        }
        QCOMPARE(grid.selection(), (GridRange{selRow1, selCol1, selRow2, selCol2}));
        QCOMPARE(clicks.count(), row < 0 && col == 0 ? 0 : 1);
        QCOMPARE(view.selectionModel()->selectedIndexes().size(), highlighted);
    }

    void gridSizesFromTwips() {
        Grid grid;
        grid.setSize(51, 4);
        GridView view(grid);
        grid.setColWidth(0, 500);
        grid.setColWidth(1, 3000);
        grid.setColWidth(3, 800);
        grid.setRowHeight(0, 320);
        grid.setRowHeight(1, 250);
        QCOMPARE(view.columnWidth(0), 33);
        QCOMPARE(view.columnWidth(1), 200);
        QCOMPARE(view.columnWidth(2), 64);  // the grid's default width
        QCOMPARE(view.columnWidth(3), 53);
        QCOMPARE(view.horizontalHeader()->height(), 21);
        QCOMPARE(view.rowHeight(0), 17);
        QCOMPARE(view.rowHeight(1), 16);  // the grid's default height
    }
};

KOMBINATOR_TEST(TestAdapters);
#include "tst_adapters.moc"
