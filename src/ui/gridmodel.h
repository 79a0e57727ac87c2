// A Grid shown through Qt's item views. The fixed header row (row 0) is the horizontal header;
// the data rows 1.. are the table's rows 0..; every column, the fixed column 0 included, is a
// table column, so the row numbers scroll along with their rows.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QPointer>

#include "platform/controls.h"

namespace kombinator::ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kFixedRows = 1;

    explicit GridModel(Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The table index of grid cell (row, col); invalid for the header row or out of range.
    QModelIndex cellIndex(int row, int col) const;
    static int gridRow(const QModelIndex& index) { return index.row() + kFixedRows; }

private:
    void onCellChanged(int row, int col);
    void onLayoutChanged();
    QPixmap picture(const QString& path) const;

    QPointer<Grid> grid_;
    int rows_ = 0;  // data rows shown, kept in step with the grid inside begin/end calls
    int cols_ = 0;
    mutable QHash<QString, QPixmap> pictures_;  // the same few marker files fill many cells
};

}  // namespace kombinator::ui
