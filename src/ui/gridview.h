// The table view of a Grid: sizes and alignments from the model, the user's clicks reported to
// the grid (which moves its current cell and selection), the model's selection shown.
#pragma once

#include <QTableView>

#include "platform/controls.h"

namespace kombinator::ui {

class CellSelection;
class GridModel;

class GridView : public QTableView {
    Q_OBJECT
public:
    // Sizes of rows and columns the grid leaves at its default, in twips.
    static constexpr int kDefaultRowHeight = 240;
    static constexpr int kDefaultColWidth = 960;

    explicit GridView(Grid& grid, QWidget* parent = nullptr);

    GridModel* gridModel() const { return model_; }

    // Pixels the columns share beyond the widths the grid gives them, each in proportion to its
    // width: the room a grid gains when its window is made wider.
    void setExtraWidth(int pixels);

protected:
    // The context menu of a data cell, when its column has one and the cell holds text: at the
    // pointer for a right click, at the current cell for the Menu key.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Tab leaves the grid; arrows, Home, End and the page keys move the cell in hand; Space or
    // Enter on it does what a click on it does, with Ctrl what a click on its column's header does.
    void keyPressEvent(QKeyEvent* event) override;
    // The user's clicks and keys move the current cell only; what they select is the grid's to say.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool openCellMenu(const QModelIndex& index, const QPoint& globalPos);
    void openCellMenuAtCurrentCell();
    void applySizes();
    void showSelection();
    void mirrorSelection();
    void pressCurrentCell(bool columnHeader);
    // A screen reader hears of every cell whose description changed, once the handler that
    // changed it has finished (a result flag may change after the cell's picture).
    void describeLater();
    void announceDescriptions();

    Grid& grid_;
    GridModel* model_;
    CellSelection* selection_ = nullptr;
    std::vector<int> colWidths_;  // pixels last given to the view, to skip unchanged sections
    std::vector<int> rowHeights_;
    int headerHeight_ = -1;
    int extraWidth_ = 0;
    std::vector<QString> descriptions_;  // as last told, row by row
    bool describing_ = false;            // an announcement is on its way
};

}  // namespace kombinator::ui
