#include "ui/keyprofileview.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

#include "keys/keyverdict.h"

namespace kombinator::ui {

QTableWidget* newKeyProfileTable(QWidget* parent) {
    auto* table = new QTableWidget(0, 3, parent);
    table->setObjectName(QStringLiteral("keyProfile"));
    table->setAccessibleName(
        QCoreApplication::translate("keymaker", "Nyerő kötések a bejövő tippek szerint"));
    table->setHorizontalHeaderLabels(keys::profileTitles());
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setTabKeyNavigation(false);
    return table;
}

void showKeyProfile(QTableWidget& table, const std::vector<keys::ProfileRow>& rows) {
    const std::vector<keys::ProfileRow> shown = keys::shownProfileRows(rows);
    table.setRowCount(static_cast<int>(shown.size()));
    for (int r = 0; r < static_cast<int>(shown.size()); ++r) {
        const keys::ProfileRow& row = shown[static_cast<std::size_t>(r)];
        const qint64 values[] = {row.winners, row.fewest, row.most};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(QString::number(values[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, c, item);
        }
    }
}

}  // namespace kombinator::ui
