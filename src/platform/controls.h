// The controls of the program's windows as plain models. Handlers read and write them exactly as
// they would the real controls; the widgets in src/ui only show them and report user input back.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace kombinator {

// Position and size in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int kTwipsPerPixel = 15;

enum class Align { Left, Center, Right };

// Everything a control has in common: its given name, where it sits, and its visible state.
class Control : public QObject {
    Q_OBJECT
public:
    explicit Control(QObject* parent = nullptr) : QObject(parent) {}

    // Names the control, places it and gives it its caption. `container` is the name of the frame
    // or tab page it sits on ("SSTab1:0" is the first tab page); empty for the window itself.
    void setup(const QString& name, Twips geometry, const QString& caption = {},
               const QString& container = {});

    const QString& name() const { return name_; }
    Twips geometry() const { return geometry_; }
    const QString& container() const { return container_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const QString& toolTip() const { return toolTip_; }
    void setToolTip(const QString& toolTip);

    // Looks: bold and underlined font, text and background colours (0 keeps the default).
    struct Style {
        bool bold = false;
        bool underline = false;
        unsigned foreground = 0;  // 0xRRGGBB | 0xFF000000 when set
        unsigned background = 0;
    };
    const Style& style() const { return style_; }
    void setStyle(const Style& style) { style_ = style; }

    // Accessible name or description for controls without a caption of their own.
    const QString& accessibleName() const { return accessibleName_; }
    const QString& accessibleDescription() const { return accessibleDescription_; }
    void setAccessible(const QString& name, const QString& description = {});

signals:
    void changed();  // caption, visibility, enabled state or tooltip changed
    void clicked();

protected:
    QString name_;
    Twips geometry_;
    QString container_;
    QString caption_;
    QString toolTip_;
    bool visible_ = true;
    bool enabled_ = true;
    Style style_;
    QString accessibleName_;
    QString accessibleDescription_;
};

constexpr unsigned rgb(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// A command button. click() raises the click event whatever the enabled state: handlers may
// press a hidden or disabled button from code; the view only lets the user press enabled ones.
class Button : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void click() { emit clicked(); }
};

class Label : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void click() { emit clicked(); }
    void mouseMove() { emit mouseMoved(); }
signals:
    void mouseMoved();
};

// A frame or picture box: a container with an optional picture (a file path, empty for none).
class PictureBox : public Control {
    Q_OBJECT
public:
    using Control::Control;
    const QString& picture() const { return picture_; }
    void setPicture(const QString& picture);

private:
    QString picture_;
};

class CheckBox : public Control {
    Q_OBJECT
public:
    using Control::Control;
    int value() const { return value_; }  // 1 ticked, 0 not
    void setValue(int value);

private:
    int value_ = 0;
};

// A control array of option buttons: one caption and position per member, at most one selected.
class OptionGroup : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void addOption(const QString& caption, Twips geometry);
    int count() const { return static_cast<int>(options_.size()); }
    const QString& optionCaption(int index) const { return options_.at(index).caption; }
    Twips optionGeometry(int index) const { return options_.at(index).geometry; }
    bool value(int index) const { return index == selected_; }
    int selected() const { return selected_; }  // -1 when none
    // Selecting a member, by the user or from code, raises the group's click with its index.
    void select(int index);
signals:
    void optionClicked(int index);

private:
    struct Option {
        QString caption;
        Twips geometry;
    };
    std::vector<Option> options_;
    int selected_ = -1;
};

class TabControl : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void setTabs(const QStringList& captions) { tabs_ = captions; }
    const QStringList& tabs() const { return tabs_; }
    int current() const { return current_; }
    void setCurrent(int tab);
signals:
    void currentChanged(int tab);

private:
    QStringList tabs_;
    int current_ = 0;
};

class TextEdit : public Control {
    Q_OBJECT
public:
    using Control::Control;
    const QString& text() const;
    // Text set from code, and text typed in a one-line view; the view hands in line ends as
    // CR LF. A one-line field takes each line break (a pasted text of several lines) as a
    // single blank.
    void setText(const QString& text);
    // A multi-line view keeps what the user types and lends the model a reader for it (giving
    // the text with CR LF line ends), read once someone asks for the text: a keystroke then
    // costs the same in a text of any size, where a copy at every keystroke would not.
    void setTypedText(std::function<QString()> read) { typed_ = std::move(read); }
    static QString withoutLineBreaks(const QString& text);
    void doubleClick() { emit doubleClicked(); }
    bool isMultiLine() const { return multiLine_; }
    void setMultiLine(bool multiLine) { multiLine_ = multiLine; }
signals:
    void textChanged();
    void doubleClicked();

private:
    mutable QString text_;
    mutable std::function<QString()> typed_;
    bool multiLine_ = false;
};

// A list box. Single selection: one selected line (listIndex, -1 for none). Extended selection:
// any set of lines. Selecting a line from code raises the click event at once, inside the
// running handler, as the list control it stands for does.
class ListBox : public Control {
    Q_OBJECT
public:
    enum class Selection { Single, Extended };
    using Control::Control;

    void setSelectionMode(Selection mode) { mode_ = mode; }
    Selection selectionMode() const { return mode_; }
    // A sorted list puts every added line in its place in text order.
    void setSorted(bool sorted) { sorted_ = sorted; }
    bool isSorted() const { return sorted_; }

    int count() const { return static_cast<int>(lines_.size()); }
    const QStringList& lines() const { return lines_; }
    QString line(int index) const { return index >= 0 && index < count() ? lines_.at(index) : QString(); }

    void addItem(const QString& line);
    void addItems(const QStringList& lines);  // one change signal for many lines
    void setLines(const QStringList& lines);
    bool removeItem(int index);  // false when the index names no line
    // Removes every selected line in one pass, the others keeping their order, and signals the
    // change once; the number of lines removed.
    int removeSelected();
    void clear();

    // The selected line of a single-selection list, -1 for none.
    int listIndex() const { return listIndex_; }
    // Selects a line (or none with -1) and raises the click event; an index that names no line
    // fails: nothing changes and false is returned.
    bool setListIndex(int index);
    bool isSelected(int index) const;
    // Extended selection: select or deselect one line without raising the click event.
    void setSelected(int index, bool selected);

    int topIndex() const { return topIndex_; }
    bool setTopIndex(int index);  // fails on an index that names no line

    // Each line shows itself whole as its tooltip, for lines wider than the list.
    void setLineToolTips(bool lineToolTips) { lineToolTips_ = lineToolTips; }
    bool hasLineToolTips() const { return lineToolTips_; }

    // How the view shows a line; the line as it stands unless the owner says otherwise (a stored
    // line shown in the interface's language).
    using LineShower = std::function<QString(const QString& line)>;
    void setLineShower(LineShower shower) { lineShower_ = std::move(shower); }
    QString shownLine(int index) const { return lineShower_ ? lineShower_(line(index)) : line(index); }
    // A line's own tooltip, where the owner has more to say of it than the line shows (the two
    // parts of an each-way return); empty for none.
    using LineTip = std::function<QString(int index)>;
    void setLineTip(LineTip tip) { lineTip_ = std::move(tip); }
    QString lineTip(int index) const { return lineTip_ ? lineTip_(index) : QString(); }

    int horizontalExtent() const { return horizontalExtent_; }  // pixels
    void setHorizontalExtent(int pixels);

    // The user clicked a line in the view.
    void clickLine(int index);

signals:
    // The lines changed. `first` is the first line that may differ; lines before it are untouched.
    void linesChanged(int first);
    void selectionChanged();
    void topIndexChanged();

private:
    void clampState();

    QStringList lines_;
    std::vector<bool> selected_;  // extended selection only
    Selection mode_ = Selection::Single;
    bool sorted_ = false;
    int listIndex_ = -1;
    int topIndex_ = 0;
    int horizontalExtent_ = 0;
    bool lineToolTips_ = false;
    LineShower lineShower_;
    LineTip lineTip_;
};

struct GridRange {
    int row1 = 0;
    int col1 = 0;
    int row2 = 0;
    int col2 = 0;
    friend bool operator==(const GridRange&, const GridRange&) = default;
};

// A grid of text cells, each with an optional picture (a file path; empty for none). Row 0 is
// the fixed header row and column 0 the fixed header column. Every cell operation acts on the
// current cell, as the grid control it stands for; textAt and pictureAt are for reading only.
class Grid : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void setSize(int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    int row() const { return row_; }
    int col() const { return col_; }
    bool setRow(int row);  // fails on a row out of range
    bool setCol(int col);

    QString text() const { return textAt(row_, col_); }
    void setText(const QString& text);
    QString picture() const { return pictureAt(row_, col_); }
    void setPicture(const QString& picture);

    QString textAt(int row, int col) const;
    QString pictureAt(int row, int col) const;

    // Widths and heights in twips; -1 means the grid's default.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    Align colAlignment(int col) const;  // data cells
    void setColAlignment(int col, Align align);
    Align fixedAlignment(int col) const;  // header cell
    void setFixedAlignment(int col, Align align);

    GridRange selection() const { return selection_; }
    void setSelection(const GridRange& range);

    void setFocus() { emit focusRequested(); }

    // The user clicked cell (row, col) in the view: the current cell and the selection move
    // as the control moves them, then the click event is raised. A row header selects the
    // row's data columns, a column header the column's data rows.
    void clickCell(int row, int col);

    // The context menu of the data cells of column `col`, its entries in order; none when empty.
    void setCellMenu(int col, const QStringList& entries);
    QStringList cellMenu(int col) const;
    // The user chose entry `entry` of the context menu of data cell (row, col): the current cell
    // and the selection move to it as a click on it moves them, then the choice is raised.
    void chooseMenuEntry(int row, int col, int entry);
    // What a cell shows beyond its text (its marker picture, the tip's result), in words for a
    // screen reader. Only the grid's owner knows what its pictures mean, so it supplies the words.
    using CellDescriber = std::function<QString(int row, int col)>;
    void setCellDescriber(CellDescriber describer) { describer_ = std::move(describer); }
    QString cellDescription(int row, int col) const;
    // How the view shows a data cell's text; its text as it stands unless the owner says
    // otherwise (the odds, in the form the user chose). Showing them anew after a change of form
    // is the owner's call to reshow() with the column whose cells it shows otherwise.
    using TextShower = std::function<QString(int row, int col, const QString& text)>;
    void setTextShower(TextShower shower) { shower_ = std::move(shower); }
    QString shownTextAt(int row, int col) const;
    void reshow(int col);

signals:
    void cellChanged(int row, int col);
    void menuChosen(int entry);
    void layoutChanged();
    void selectionChanged();
    void currentChanged();
    void focusRequested();

private:
    struct Cell {
        QString text;
        QString picture;
    };
    bool inRange(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    Cell& cell(int row, int col) { return cells_[static_cast<size_t>(row * cols_ + col)]; }
    const Cell& cell(int row, int col) const { return cells_[static_cast<size_t>(row * cols_ + col)]; }

    int rows_ = 0;
    int cols_ = 0;
    int row_ = 0;
    int col_ = 0;
    std::vector<Cell> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<Align> colAlign_;
    std::vector<Align> fixedAlign_;
    GridRange selection_;
    std::vector<QStringList> cellMenus_;  // per column
    CellDescriber describer_;
    TextShower shower_;
};

}  // namespace kombinator
