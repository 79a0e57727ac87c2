#include "ui/gridmodel.h"

#include <QGuiApplication>

#include <algorithm>

#include "ui/looks.h"
#include "ui/twips.h"

namespace kombinator::ui {

GridModel::GridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(&grid) {
    rows_ = std::max(0, grid.rows() - kFixedRows);
    cols_ = std::max(0, grid.cols());
    connect(&grid, &Grid::cellChanged, this, &GridModel::onCellChanged);
    connect(&grid, &Grid::layoutChanged, this, &GridModel::onLayoutChanged);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!grid_ || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = gridRow(index);
    const int col = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return grid_->shownTextAt(row, col);
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole:  // the marks say it in pictures; a dead heat's number only in words
            return grid_->cellDescription(row, col);
        case Qt::DecorationRole: {
            const QString path = grid_->pictureAt(row, col);
            if (path.isEmpty()) return {};
            const QPixmap pixmap = picture(path);
            return pixmap.isNull() ? QVariant() : QVariant(pixmap);
        }
        case Qt::TextAlignmentRole:
            // Cells of the fixed column follow its header alignment, as the grid draws them.
            return QVariant::fromValue(
                qtAlignment(col == 0 ? grid_->fixedAlignment(0) : grid_->colAlignment(col)));
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!grid_) return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rows_) return {};
        return role == Qt::DisplayRole ? QVariant(grid_->textAt(section + kFixedRows, 0)) : QVariant();
    }
    if (section < 0 || section >= cols_) return {};
    switch (role) {
        case Qt::DisplayRole:
            return grid_->textAt(0, section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(qtAlignment(grid_->fixedAlignment(section)));
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QModelIndex GridModel::cellIndex(int row, int col) const {
    const int r = row - kFixedRows;
    if (r < 0 || r >= rows_ || col < 0 || col >= cols_) return {};
    return index(r, col);
}

void GridModel::onCellChanged(int row, int col) {
    if (row < kFixedRows) {
        if (col >= 0 && col < cols_) emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex changed = cellIndex(row, col);
    if (changed.isValid())
        emit dataChanged(changed, changed,
                         {Qt::DisplayRole, Qt::DecorationRole, Qt::AccessibleDescriptionRole});
}

void GridModel::onLayoutChanged() {
    if (!grid_) return;
    const int rows = std::max(0, grid_->rows() - kFixedRows);
    const int cols = std::max(0, grid_->cols());
    if (rows != rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
        return;
    }
    // Alignments changed, or the grid was set up anew with the same shape.
    if (cols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

QPixmap GridModel::picture(const QString& path) const {
    auto found = pictures_.constFind(path);
    if (found != pictures_.constEnd()) return *found;
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const QPixmap pixmap = markerPixmap(path, app ? app->devicePixelRatio() : 1.0);
    pictures_.insert(path, pixmap);
    return pixmap;
}

}  // namespace kombinator::ui
