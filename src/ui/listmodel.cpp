#include "ui/listmodel.h"

#include <algorithm>

namespace kombinator::ui {

ListBoxModel::ListBoxModel(ListBox& list, QObject* parent) : QAbstractListModel(parent), list_(&list) {
    count_ = list.count();
    connect(&list, &ListBox::linesChanged, this, &ListBoxModel::onLinesChanged);
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!list_ || !index.isValid() || index.parent().isValid() || index.column() != 0) return {};
    if (index.row() < 0 || index.row() >= count_) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return list_->shownLine(index.row());
    if (role == Qt::ToolTipRole) {
        if (const QString tip = list_->lineTip(index.row()); !tip.isEmpty()) return tip;
        if (list_->hasLineToolTips()) return list_->shownLine(index.row());
    }
    return {};
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListBoxModel::onLinesChanged(int first) {
    if (!list_) return;
    const int count = list_->count();
    const int old = count_;
    if (first <= 0) {
        // The whole list may differ (filled anew or emptied): one reset, whatever its length.
        beginResetModel();
        count_ = count;
        endResetModel();
        return;
    }
    if (count > old) {
        if (first < old) emit dataChanged(index(first), index(old - 1));
        beginInsertRows({}, old, count - 1);
        count_ = count;
        endInsertRows();
    } else if (count < old) {
        beginRemoveRows({}, count, old - 1);
        count_ = count;
        endRemoveRows();
        if (first < count) emit dataChanged(index(first), index(count - 1));
    } else if (first < count) {
        emit dataChanged(index(first), index(count - 1));
    }
}

}  // namespace kombinator::ui
