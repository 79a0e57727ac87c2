#include "platform/controls.h"

#include <algorithm>

namespace kombinator {

void Control::setup(const QString& name, Twips geometry, const QString& caption, const QString& container) {
    name_ = name;
    geometry_ = geometry;
    caption_ = caption;
    container_ = container;
    setObjectName(name);
}

void Control::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    emit changed();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    emit changed();
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    emit changed();
}

void Control::setToolTip(const QString& toolTip) {
    if (toolTip_ == toolTip) return;
    toolTip_ = toolTip;
    emit changed();
}

void Control::setAccessible(const QString& name, const QString& description) {
    accessibleName_ = name;
    accessibleDescription_ = description;
}

void PictureBox::setPicture(const QString& picture) {
    if (picture_ == picture) return;
    picture_ = picture;
    emit changed();
}

void CheckBox::setValue(int value) {
    if (value_ == value) return;
    value_ = value;
    emit changed();
}

void OptionGroup::addOption(const QString& caption, Twips geometry) {
    options_.push_back({caption, geometry});
}

void OptionGroup::select(int index) {
    if (index < -1 || index >= count()) return;
    if (selected_ != index) {
        selected_ = index;
        emit changed();
    }
    if (index >= 0) emit optionClicked(index);
}

void TabControl::setCurrent(int tab) {
    if (tab < 0 || tab >= tabs_.size() || tab == current_) return;
    current_ = tab;
    emit currentChanged(tab);
}

const QString& TextEdit::text() const {
    if (typed_) {
        const std::function<QString()> read = std::move(typed_);
        typed_ = nullptr;
        text_ = read();
    }
    return text_;
}

void TextEdit::setText(const QString& text) {
    const QString taken = multiLine_ ? text : withoutLineBreaks(text);
    if (this->text() == taken) return;
    text_ = taken;
    emit textChanged();
}

QString TextEdit::withoutLineBreaks(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') continue;  // CR LF: one break
        const bool lineBreak =
            ch == u'\r' || ch == u'\n' || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
        line += lineBreak ? QChar(u' ') : ch;
    }
    return line;
}

// --- ListBox ---

namespace {
// Text order of a sorted list: letters compared without regard to case, as the list control does;
// lines that differ only in case keep a stable, case-sensitive order.
bool textBefore(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}
}  // namespace

void ListBox::addItem(const QString& line) {
    int at = count();
    if (sorted_)
        at = static_cast<int>(std::upper_bound(lines_.begin(), lines_.end(), line, textBefore) -
                              lines_.begin());
    lines_.insert(at, line);
    if (mode_ == Selection::Extended) selected_.insert(selected_.begin() + at, false);
    if (listIndex_ >= at) ++listIndex_;
    emit linesChanged(at);
}

void ListBox::addItems(const QStringList& lines) {
    if (lines.isEmpty()) return;
    if (sorted_) {
        for (const QString& line : lines)
            addItem(line);
        return;
    }
    const int first = count();
    lines_.append(lines);
    if (mode_ == Selection::Extended) selected_.resize(static_cast<size_t>(lines_.size()), false);
    emit linesChanged(first);
}

void ListBox::setLines(const QStringList& lines) {
    lines_ = lines;
    if (sorted_) std::stable_sort(lines_.begin(), lines_.end(), textBefore);
    selected_.assign(mode_ == Selection::Extended ? static_cast<size_t>(lines_.size()) : 0, false);
    listIndex_ = -1;
    topIndex_ = 0;
    emit linesChanged(0);
    emit selectionChanged();
    emit topIndexChanged();
}

bool ListBox::removeItem(int index) {
    if (index < 0 || index >= count()) return false;
    lines_.removeAt(index);
    if (mode_ == Selection::Extended) selected_.erase(selected_.begin() + index);
    const bool selectionMoved = listIndex_ >= index;
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    clampState();
    emit linesChanged(index);
    if (selectionMoved) emit selectionChanged();
    return true;
}

int ListBox::removeSelected() {
    int kept = 0;
    int first = -1;
    int index = listIndex_;
    for (int i = 0; i < count(); ++i) {
        if (isSelected(i)) {
            if (first < 0) first = i;
            if (i == listIndex_) index = -1;
            continue;
        }
        if (i == listIndex_) index = kept;
        if (kept != i) lines_[kept] = std::move(lines_[i]);
        ++kept;
    }
    if (first < 0) return 0;
    const int removed = count() - kept;
    lines_.resize(kept);
    if (mode_ == Selection::Extended) selected_.assign(static_cast<size_t>(kept), false);
    const bool selectionMoved = listIndex_ >= first;
    listIndex_ = index;
    clampState();
    emit linesChanged(first);
    if (selectionMoved) emit selectionChanged();
    return removed;
}

void ListBox::clear() {
    if (lines_.isEmpty() && listIndex_ == -1 && topIndex_ == 0) return;
    lines_.clear();
    selected_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    emit linesChanged(0);
    emit selectionChanged();
    emit topIndexChanged();
}

bool ListBox::setListIndex(int index) {
    if (index < -1 || index >= count()) return false;
    listIndex_ = index;
    if (mode_ == Selection::Extended) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (index >= 0) selected_[static_cast<size_t>(index)] = true;
    }
    emit selectionChanged();
    emit clicked();
    return true;
}

bool ListBox::isSelected(int index) const {
    if (index < 0 || index >= count()) return false;
    if (mode_ == Selection::Extended) return selected_[static_cast<size_t>(index)];
    return index == listIndex_;
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= count()) return;
    if (mode_ == Selection::Extended) {
        selected_[static_cast<size_t>(index)] = selected;
        if (selected) listIndex_ = index;
    } else {
        listIndex_ = selected ? index : (listIndex_ == index ? -1 : listIndex_);
    }
    emit selectionChanged();
}

bool ListBox::setTopIndex(int index) {
    if (index < 0 || index >= count()) return false;
    topIndex_ = index;
    emit topIndexChanged();
    return true;
}

void ListBox::setHorizontalExtent(int pixels) {
    horizontalExtent_ = std::max(0, pixels);
    emit changed();
}

void ListBox::clickLine(int index) {
    if (mode_ == Selection::Extended) {
        emit clicked();
        return;
    }
    setListIndex(index);
}

void ListBox::clampState() {
    if (topIndex_ >= count()) topIndex_ = std::max(0, count() - 1);
}

// --- Grid ---

void Grid::setSize(int rows, int cols) {
    rows_ = rows;
    cols_ = cols;
    cells_.assign(static_cast<size_t>(rows * cols), Cell{});
    colWidths_.assign(static_cast<size_t>(cols), -1);
    rowHeights_.assign(static_cast<size_t>(rows), -1);
    colAlign_.assign(static_cast<size_t>(cols), Align::Left);
    fixedAlign_.assign(static_cast<size_t>(cols), Align::Left);
    row_ = rows > 1 ? 1 : 0;
    col_ = cols > 1 ? 1 : 0;
    selection_ = {row_, col_, row_, col_};
    emit layoutChanged();
}

bool Grid::setRow(int row) {
    if (row < 0 || row >= rows_) return false;
    row_ = row;
    emit currentChanged();
    // A row selected by its header goes along with the current cell, so the row shown
    // highlighted is always the row a command that takes the current row takes.
    if (selection_.row1 == selection_.row2 && selection_.row1 != row) {
        selection_.row1 = row;
        selection_.row2 = row;
        emit selectionChanged();
    }
    return true;
}

bool Grid::setCol(int col) {
    if (col < 0 || col >= cols_) return false;
    col_ = col;
    emit currentChanged();
    return true;
}

void Grid::setText(const QString& text) {
    if (!inRange(row_, col_)) return;
    Cell& c = cell(row_, col_);
    if (c.text == text) return;
    c.text = text;
    emit cellChanged(row_, col_);
}

void Grid::setPicture(const QString& picture) {
    if (!inRange(row_, col_)) return;
    Cell& c = cell(row_, col_);
    if (c.picture == picture) return;
    c.picture = picture;
    emit cellChanged(row_, col_);
}

QString Grid::textAt(int row, int col) const {
    return inRange(row, col) ? cell(row, col).text : QString();
}

QString Grid::pictureAt(int row, int col) const {
    return inRange(row, col) ? cell(row, col).picture : QString();
}

int Grid::colWidth(int col) const {
    return col >= 0 && col < cols_ ? colWidths_[static_cast<size_t>(col)] : -1;
}

void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) return;
    colWidths_[static_cast<size_t>(col)] = twips;
    emit layoutChanged();
}

int Grid::rowHeight(int row) const {
    return row >= 0 && row < rows_ ? rowHeights_[static_cast<size_t>(row)] : -1;
}

void Grid::setRowHeight(int row, int twips) {
    if (row < 0 || row >= rows_) return;
    rowHeights_[static_cast<size_t>(row)] = twips;
    emit layoutChanged();
}

Align Grid::colAlignment(int col) const {
    return col >= 0 && col < cols_ ? colAlign_[static_cast<size_t>(col)] : Align::Left;
}

void Grid::setColAlignment(int col, Align align) {
    if (col < 0 || col >= cols_) return;
    colAlign_[static_cast<size_t>(col)] = align;
    emit layoutChanged();
}

Align Grid::fixedAlignment(int col) const {
    return col >= 0 && col < cols_ ? fixedAlign_[static_cast<size_t>(col)] : Align::Left;
}

void Grid::setFixedAlignment(int col, Align align) {
    if (col < 0 || col >= cols_) return;
    fixedAlign_[static_cast<size_t>(col)] = align;
    emit layoutChanged();
}

void Grid::setSelection(const GridRange& range) {
    selection_ = range;
    emit selectionChanged();
}

QString Grid::shownTextAt(int row, int col) const {
    const QString text = textAt(row, col);
    return shower_ && row > 0 && inRange(row, col) ? shower_(row, col, text) : text;
}

void Grid::reshow(int col) {
    if (col < 0 || col >= cols_) return;
    for (int r = 1; r < rows_; ++r)
        emit cellChanged(r, col);
}

QString Grid::cellDescription(int row, int col) const {
    return describer_ && inRange(row, col) ? describer_(row, col) : QString();
}

void Grid::clickCell(int row, int col) {
    if (!inRange(row, col) || rows_ < 2 || cols_ < 2) return;
    if (row == 0 && col == 0) return;  // the corner cell is not a target of its own
    if (col == 0) {
        row_ = row;
        col_ = 1;
        selection_ = {row, 1, row, cols_ - 1};
    } else if (row == 0) {
        row_ = 1;
        col_ = col;
        selection_ = {1, col, rows_ - 1, col};
    } else {
        row_ = row;
        col_ = col;
        selection_ = {row, col, row, col};
    }
    emit currentChanged();
    emit selectionChanged();
    emit clicked();
}

void Grid::setCellMenu(int col, const QStringList& entries) {
    if (col < 0) return;
    if (cellMenus_.size() <= static_cast<size_t>(col)) cellMenus_.resize(static_cast<size_t>(col) + 1);
    cellMenus_[static_cast<size_t>(col)] = entries;
}

QStringList Grid::cellMenu(int col) const {
    if (col < 0 || static_cast<size_t>(col) >= cellMenus_.size()) return {};
    return cellMenus_[static_cast<size_t>(col)];
}

void Grid::chooseMenuEntry(int row, int col, int entry) {
    if (row < 1 || col < 1 || !inRange(row, col)) return;
    if (entry < 0 || entry >= cellMenu(col).size()) return;
    row_ = row;
    col_ = col;
    selection_ = {row, col, row, col};
    emit currentChanged();
    emit selectionChanged();
    emit menuChosen(entry);
}

}  // namespace kombinator
