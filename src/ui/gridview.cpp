#include "ui/gridview.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <utility>

#include "ui/accessibility.h"
#include "ui/gridmodel.h"
#include "ui/twips.h"

namespace kombinator::ui {

namespace {

// Cells of the fixed column look like header sections, as the grid's fixed cells do.
class FixedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style) return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionHeader header;
        header.rect = option.rect;
        header.palette = option.palette;
        header.fontMetrics = option.fontMetrics;
        header.state = QStyle::State_Enabled | QStyle::State_Raised;
        header.orientation = Qt::Vertical;
        header.position = QStyleOptionHeader::Middle;
        header.text = index.data(Qt::DisplayRole).toString();
        header.textAlignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->save();
        painter->setFont(option.font);
        style->drawControl(QStyle::CE_Header, &header, painter, widget);
        if (option.state & QStyle::State_HasFocus) {
            // The cell in the keys' hand shows it, as every other cell does; a header section has
            // no focus frame of its own in every style, so it gets a plain one.
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 1));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }
};

// The odds column is narrow: its picture (the result marker) sits small at the cell's left edge
// and the odds stay centred over the whole cell, so marking a tip never hides its odds.
class PictureBesideTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QIcon icon = plain.icon;
        plain.features &= ~QStyleOptionViewItem::HasDecoration;
        plain.icon = QIcon();
        plain.decorationSize = QSize();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        if (icon.isNull()) return;
        const int side = std::min(12, option.rect.height() - 2);
        const QRect target(option.rect.left() + 1, option.rect.top() + (option.rect.height() - side) / 2,
                           side, side);
        icon.paint(painter, target);
    }
};

}  // namespace

// The grid decides what is selected, and the view shows it through this model. Any other wish
// to select or deselect one cell is a screen reader's action on that cell (the user's clicks and
// keys select nothing here): it is passed on as the cell's click, and the selection stays.
class CellSelection : public QItemSelectionModel {
public:
    CellSelection(QAbstractItemModel* model, QObject* parent, std::function<void(const QModelIndex&)> press)
        : QItemSelectionModel(model, parent), press_(std::move(press)) {}

    // The selection set by the view from the grid's.
    template <typename Change>
    void show(Change change) {
        showing_ = true;
        change();
        showing_ = false;
    }

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override {
        if (showing_) return QItemSelectionModel::select(selection, command);
        // Clearing (the cell action clears before it selects) leaves the grid's selection alone.
        if (!(command & (Select | Deselect | Toggle))) return;
        const QModelIndexList cells = selection.indexes();
        if (cells.size() == 1) press_(cells.first());
    }

private:
    std::function<void(const QModelIndex&)> press_;
    bool showing_ = false;
};

GridView::GridView(Grid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridModel(grid, this)) {
    // Rows and columns the grid leaves at their default need no sizing of their own.
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixels(kDefaultRowHeight));
    horizontalHeader()->setDefaultSectionSize(pixels(kDefaultColWidth));
    setModel(model_);
    QItemSelectionModel* plain = selectionModel();
    selection_ = new CellSelection(model_, this, [&grid](const QModelIndex& index) {
        grid.clickCell(GridModel::gridRow(index), index.column());
    });
    setSelectionModel(selection_);
    plain->deleteLater();
    colWidths_.assign(static_cast<size_t>(model_->columnCount()), pixels(kDefaultColWidth));
    rowHeights_.assign(static_cast<size_t>(model_->rowCount()), pixels(kDefaultRowHeight));
    setItemDelegateForColumn(0, new FixedCellDelegate(this));
    setItemDelegateForColumn(3, new PictureBesideTextDelegate(this));
    // The grid decides what is selected; the view only shows it (see selectionCommand). One cell
    // at a time can be selected from outside, which a screen reader's cell action needs.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setCornerButtonEnabled(false);
    setAutoScroll(false);  // moving the current cell from code does not scroll the grid
    setWordWrap(false);
    setIconSize({16, 16});
    setTabKeyNavigation(false);  // Tab goes on to the next control
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);

    connect(this, &QAbstractItemView::clicked, &grid,
            [&grid](const QModelIndex& index) { grid.clickCell(GridModel::gridRow(index), index.column()); });
    connect(header, &QHeaderView::sectionClicked, &grid,
            [&grid](int section) { grid.clickCell(0, section); });
    connect(&grid, &Grid::layoutChanged, this, &GridView::applySizes);
    connect(&grid, &Grid::selectionChanged, this, &GridView::showSelection);
    connect(&grid, &Grid::focusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
    // The desktop turns the Menu key into a context menu event; Shift+F10 is its other key.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this, &GridView::openCellMenuAtCurrentCell);
    connect(&grid, &Grid::cellChanged, this, &GridView::describeLater);
    connect(&grid, &Grid::clicked, this, &GridView::describeLater);
    applySizes();
    showSelection();
    announceDescriptions();  // what the cells say to begin with
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier) {
                // A key held down would switch a result on and off; one press is one click.
                if (!event->isAutoRepeat()) pressCurrentCell(modifiers == Qt::ControlModifier);
                event->accept();
                return;
            }
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Ctrl+Tab leaves the grid too, as it leaves a text field.
            if (modifiers & Qt::ControlModifier) {
                focusNextPrevChild(event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    // The grid does not follow its current cell when a handler moves it, but the keys' cell must
    // stay in sight.
    if (currentIndex().isValid() && currentIndex() != before) scrollTo(currentIndex());
}

void GridView::pressCurrentCell(bool columnHeader) {
    const QPersistentModelIndex cell = currentIndex();
    if (!cell.isValid()) return;
    grid_.clickCell(columnHeader ? 0 : GridModel::gridRow(cell), cell.column());
    // The grid moves its current cell as after a click (a row header's click to the home team);
    // the keys stay where they pressed, so that pressing again does the same again.
    if (cell.isValid()) selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

void GridView::describeLater() {
    if (describing_) return;
    describing_ = true;
    QTimer::singleShot(0, this, &GridView::announceDescriptions);
}

void GridView::announceDescriptions() {
    describing_ = false;
    const int rows = model_->rowCount();
    const int cols = model_->columnCount();
    std::vector<QString> now;
    now.reserve(static_cast<size_t>(rows * cols));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            now.push_back(model_->index(r, c).data(Qt::AccessibleDescriptionRole).toString());
    }
    const bool compare = now.size() == descriptions_.size() && announcementsHeard();
    QAccessibleInterface* table = compare ? QAccessible::queryAccessibleInterface(this) : nullptr;
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (cells) {
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] == descriptions_[i]) continue;
            QAccessibleInterface* cell =
                cells->cellAt(static_cast<int>(i) / cols, static_cast<int>(i) % cols);
            if (!cell) continue;
            QAccessibleEvent described(cell, QAccessible::DescriptionChanged);
            announce(described);
            QAccessibleValueChangeEvent value(cell, now[i]);
            announce(value);
        }
    }
    descriptions_ = std::move(now);
}

void GridView::setExtraWidth(int pixels) {
    if (pixels == extraWidth_) return;
    extraWidth_ = pixels;
    applySizes();
}

void GridView::applySizes() {
    const auto size = [](int twips, int fallback) { return pixels(twips >= 0 ? twips : fallback); };
    colWidths_.resize(static_cast<size_t>(model_->columnCount()), -1);
    int total = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        total += size(grid_.colWidth(c), kDefaultColWidth);
    for (int c = 0; c < model_->columnCount(); ++c) {
        int width = size(grid_.colWidth(c), kDefaultColWidth);
        if (total > 0) width += extraWidth_ * width / total;
        if (colWidths_[static_cast<size_t>(c)] == width) continue;
        colWidths_[static_cast<size_t>(c)] = width;
        setColumnWidth(c, width);
    }
    rowHeights_.resize(static_cast<size_t>(model_->rowCount()), -1);
    for (int r = 0; r < model_->rowCount(); ++r) {
        const int height = size(grid_.rowHeight(r + GridModel::kFixedRows), kDefaultRowHeight);
        if (rowHeights_[static_cast<size_t>(r)] == height) continue;
        rowHeights_[static_cast<size_t>(r)] = height;
        setRowHeight(r, height);
    }
    const int headerHeight = size(grid_.rowHeight(0), kDefaultRowHeight);
    if (headerHeight != headerHeight_) {
        headerHeight_ = headerHeight;
        horizontalHeader()->setFixedHeight(headerHeight);
    }
}

QItemSelectionModel::SelectionFlags GridView::selectionCommand(const QModelIndex&, const QEvent*) const {
    return QItemSelectionModel::NoUpdate;
}

void GridView::showSelection() {
    selection_->show([this] { mirrorSelection(); });
}

void GridView::mirrorSelection() {
    const GridRange range = grid_.selection();
    const int fixed = GridModel::kFixedRows;
    const int rowLast = model_->rowCount() - 1;
    const int colLast = model_->columnCount() - 1;
    const int r1 = std::clamp(std::min(range.row1, range.row2) - fixed, 0, std::max(0, rowLast));
    const int r2 = std::clamp(std::max(range.row1, range.row2) - fixed, 0, std::max(0, rowLast));
    const int c1 = std::clamp(std::min(range.col1, range.col2), 0, std::max(0, colLast));
    const int c2 = std::clamp(std::max(range.col1, range.col2), 0, std::max(0, colLast));
    if (rowLast < 0 || colLast < 0 || std::max(range.row1, range.row2) < fixed) {
        selectionModel()->clearSelection();
        return;
    }
    // One cell is the current cell, marked by the focus frame; only a range shows highlighted.
    if (r1 == r2 && c1 == c2) {
        selectionModel()->clearSelection();
    } else {
        selectionModel()->select(QItemSelection(model_->index(r1, c1), model_->index(r2, c2)),
                                 QItemSelectionModel::ClearAndSelect);
    }
    const QModelIndex current = model_->cellIndex(grid_.row(), grid_.col());
    if (current.isValid()) selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (!openCellMenu(indexAt(event->pos()), event->globalPos())) event->ignore();
        return;
    }
    openCellMenuAtCurrentCell();
}

void GridView::openCellMenuAtCurrentCell() {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return;
    scrollTo(index);
    const QRect cell = visualRect(index);
    openCellMenu(index, viewport()->mapToGlobal(QPoint(cell.left(), cell.bottom())));
}

bool GridView::openCellMenu(const QModelIndex& index, const QPoint& globalPos) {
    if (!index.isValid()) return false;
    const int row = GridModel::gridRow(index);
    const int col = index.column();
    const QStringList entries = grid_.cellMenu(col);
    if (entries.isEmpty() || grid_.textAt(row, col).isEmpty()) return false;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("cellMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = menu->addAction(entries.at(i));
        // The choice reaches the grid once the menu is gone, as a click would.
        connect(action, &QAction::triggered, this,
                [this, row, col, i] { grid_.chooseMenuEntry(row, col, i); });
    }
    menu->popup(globalPos);
    return true;
}

}  // namespace kombinator::ui
