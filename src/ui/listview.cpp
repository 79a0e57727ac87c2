#include "ui/listview.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

#include "ui/listmodel.h"

namespace kombinator {
namespace ui {

// Lines as high as one line of text, as in a list box, and at least as wide as the list's
// horizontal scroll range, so that the view scrolls that far.
class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int minimumWidth = 0;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height() + 1);
        size.setWidth(std::max(size.width(), minimumWidth));
        return size;
    }
};

ListBoxView::ListBoxView(ListBox& list, QWidget* parent)
    : QListView(parent),
      list_(list),
      model_(new ListBoxModel(list, this)),
      delegate_(new LineDelegate(this)) {
    setUniformItemSizes(true);
    setItemDelegate(delegate_);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(list.selectionMode() == ListBox::Selection::Extended
                         ? QAbstractItemView::ExtendedSelection
                         : QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(&list, &ListBox::selectionChanged, this, &ListBoxView::showSelection);
    // Lines added or taken away move the selection with them, or a reset drops it from the view;
    // show the model's again once the adapter has passed the change on.
    connect(&list, &ListBox::linesChanged, this, &ListBoxView::showSelection);
    connect(&list, &ListBox::topIndexChanged, this, &ListBoxView::showTopLine);
    connect(&list, &Control::changed, this, &ListBoxView::applyExtent);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListBoxView::onUserSelection);
    applyExtent();
    showSelection();
}

void ListBoxView::showSelection() {
    if (reporting_) return;
    mirroring_ = true;
    QItemSelectionModel* selection = selectionModel();
    const int count = model_->rowCount();
    if (list_.selectionMode() == ListBox::Selection::Single) {
        const int index = list_.listIndex();
        if (index >= 0 && index < count) {
            const QModelIndexList shown = selection->selectedRows();
            // Choosing the line scrolls it into view; showing it again must not scroll back to it.
            if (shown.size() != 1 || shown.first().row() != index)
                selection->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
        } else if (selection->hasSelection()) {
            selection->clearSelection();
        }
    } else {
        QItemSelection lines;
        for (int i = 0; i < count; ++i) {
            if (!list_.isSelected(i)) continue;
            int last = i;
            while (last + 1 < count && list_.isSelected(last + 1))
                ++last;
            lines.select(model_->index(i), model_->index(last));
            i = last;
        }
        selection->select(lines, QItemSelectionModel::ClearAndSelect);
    }
    mirroring_ = false;
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    clickRaised_ = false;
    pressedLine_ = -1;
    if (event->button() == Qt::LeftButton) pressedLine_ = indexAt(event->position().toPoint()).row();
    QListView::mousePressEvent(event);
}

void ListBoxView::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = std::exchange(pressedLine_, -1);
    QListView::mouseReleaseEvent(event);
    // A click that left the selection as it was (the line was chosen already) is still a click;
    // one that chose a line has raised it with the new selection.
    if (event->button() != Qt::LeftButton || pressed < 0 || clickRaised_) return;
    if (indexAt(event->position().toPoint()).row() != pressed) return;
    if (list_.selectionMode() == ListBox::Selection::Single && list_.listIndex() != pressed) return;
    list_.clickLine(pressed);
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier &&
        contextMenuPolicy() != Qt::NoContextMenu) {
        event->accept();
        // Where the Menu key opens it: the current line, else the list's corner.
        const QRect line = visibleCurrentLine();
        const QPoint at = line.isEmpty() ? viewport()->mapTo(this, QPoint(4, 4)) : line.center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at), event->modifiers());
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    QListView::keyPressEvent(event);
}

QRect ListBoxView::visibleCurrentLine() const {
    const QRect line = visualRect(currentIndex()) & viewport()->rect();
    if (line.isEmpty()) return {};
    return line.translated(viewport()->mapTo(this, QPoint(0, 0)));
}

QVariant ListBoxView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query != Qt::ImCursorRectangle) return QListView::inputMethodQuery(query);
    const QRect line = visibleCurrentLine();
    return line.isEmpty() ? QRect(viewport()->mapTo(this, QPoint(4, 4)), QSize(1, 1)) : line;
}

void ListBoxView::showTopLine() {
    const int top = list_.topIndex();
    if (top >= 0 && top < model_->rowCount()) scrollTo(model_->index(top), QAbstractItemView::PositionAtTop);
}

void ListBoxView::applyExtent() {
    const int extent = list_.horizontalExtent();
    if (delegate_->minimumWidth == extent) return;
    delegate_->minimumWidth = extent;
    scheduleDelayedItemsLayout();  // lays the lines out again, measuring their size anew
}

void ListBoxView::onUserSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    if (mirroring_) return;
    if (list_.selectionMode() == ListBox::Selection::Extended) {
        reporting_ = true;
        for (const QItemSelectionRange& range : deselected) {
            for (int row = range.top(); row <= range.bottom(); ++row)
                list_.setSelected(row, false);
        }
        for (const QItemSelectionRange& range : selected) {
            for (int row = range.top(); row <= range.bottom(); ++row)
                list_.setSelected(row, true);
        }
        reporting_ = false;
        clickRaised_ = true;
        list_.clickLine(currentIndex().row());
        return;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        showSelection();  // a single-selection list keeps its line until another is chosen
        return;
    }
    clickRaised_ = true;
    list_.clickLine(rows.first().row());
}

}  // namespace ui
}  // namespace kombinator
