// A ListBox shown through Qt's item views. The row count is kept here and changed only inside
// the begin/end calls, so a view never asks for a line that it has not been told about.
#pragma once

#include <QAbstractListModel>
#include <QPointer>

#include "platform/controls.h"

namespace kombinator::ui {

class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListBoxModel(ListBox& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void onLinesChanged(int first);

    QPointer<ListBox> list_;
    int count_ = 0;
};

}  // namespace kombinator::ui
