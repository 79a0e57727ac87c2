// The multi-line text field of the tip-list editor. It keeps its text as a list of lines and
// draws only the lines in view: an offer of a million lines opens at once and a keystroke costs
// the same anywhere in it, where a rich-text document would first build and index a block for
// every line. One font, no wrapping, both scroll bars.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPoint>
#include <QStringList>

class QTextLayout;

#include <compare>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kombinator::ui {

class FindBar;

class LinesEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    // A place between two characters: a line and the number of characters before it there.
    struct Position {
        int line = 0;
        int column = 0;
        friend auto operator<=>(const Position&, const Position&) = default;
    };

    explicit LinesEdit(QWidget* parent = nullptr);
    ~LinesEdit() override;

    // The text, `lineEnd` between every two lines and none after the last.
    QString text(QStringView lineEnd = u"\n") const;
    // CR LF, a lone CR and a lone LF all end a line. A different text puts the caret at the start
    // and forgets the undo history; the same text again changes nothing, not even the caret.
    void setText(QStringView text);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    const QString& line(int index) const { return lines_.at(index); }

    Position cursorPosition() const { return caret_; }
    Position anchorPosition() const { return anchor_; }
    // Moves the caret, clamped into the text; with `keepAnchor` the selection runs from the
    // anchor to it.
    void setCursorPosition(Position position, bool keepAnchor = false);
    bool hasSelection() const { return caret_ != anchor_; }
    // The selection's ends in text order, as copies: the caret and the anchor move while the
    // ends are still in use.
    std::pair<Position, Position> selectionEnds() const {
        return caret_ < anchor_ ? std::pair{caret_, anchor_} : std::pair{anchor_, caret_};
    }
    QString selectedText() const;
    // Puts `text` in place of the selection, as typing or pasting it does: one step to undo.
    void insertText(const QString& text);

    // Offsets count the characters from the start of the text, each line end as one, as the
    // accessibility interface counts them.
    qsizetype characterCount() const;
    qsizetype offsetOf(Position position) const;
    Position positionAt(qsizetype offset) const;
    QString textBetween(Position from, Position to) const;
    // Replaces a stretch of the text as one step to undo; the caret goes to the end of `text`.
    void replace(Position from, Position to, const QString& text);
    // Where a character stands on the viewport, and the place nearest a viewport point.
    QRect characterRect(Position position) const;
    Position positionAtPoint(const QPoint& point) const;
    void ensureVisible(Position position);
    // Moves the selected text to `position`, as dragging it there does: one step to undo, and the
    // moved text selected. A place within the selection leaves it where it is.
    void moveSelectionTo(Position position);
    // Selects the next (or previous) place of `text` after (before) the selection, whatever the
    // letters' case, going round the text once; false when the text is nowhere.
    bool find(const QString& text, bool backward = false);
    // The find bar under the text, once Ctrl+F has opened it.
    FindBar* findBar() const { return findBar_; }

public slots:
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();

signals:
    void textChanged();
    void cursorPositionChanged();
    void doubleClicked();
    // The view is about to go, its text still whole.
    void closing();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One step of the undo history: at `from`, `removed` gave way to `inserted` (line ends as LF).
    struct Edit {
        Position from;
        QString removed;
        QString inserted;
        Position caretBefore;
        Position anchorBefore;
        bool typed = false;  // a typed character, which the next one typed just after joins
    };

    bool handleKey(QKeyEvent* event);
    bool isEditingKey(QKeyEvent* event);
    std::function<void()> keyAction(QKeyEvent* event);
    void moveCaret(Position position, bool keepAnchor);
    void typeText(const QString& text);
    void record(Edit edit);
    Position replaceRange(Position from, Position to, const QString& text);
    void deleteSelectionOr(Position other);
    Position clamped(Position position) const;
    Position nextCharacter(Position position) const;
    Position previousCharacter(Position position) const;
    Position nextWord(Position position) const;
    Position previousWord(Position position) const;
    Position lineMoved(Position position, int lines) const;
    int visibleRows() const;
    int lineHeight() const;
    // The line shaped for drawing and placing the caret, with the text being composed at
    // `preeditAt`; none for a line too long to shape, which is measured by `advance` instead.
    std::unique_ptr<QTextLayout> shaped(const QString& text, int preeditAt = -1) const;
    // The line the caret is on is placed again and again (the caret, the view, the input
    // method's box): its shape is kept until its text changes.
    const QTextLayout* shapedLine(const QString& text) const;
    qreal advance(const QString& text, int index) const;
    qreal xOf(const QString& text, int column) const;
    int columnAt(const QString& text, qreal x) const;
    // A line's width (up to `column`, or whole) for the scroll range and the view, added up a
    // character at a time: quick for a million lines, and near enough to the shaped width.
    qreal extentOf(const QString& text, int column = -1) const;
    void drawLine(QPainter& painter, const QString& text, qreal left, int baseline) const;
    void measureAll();
    void widen(const QString& text);
    void updateScrollBars();
    void restartBlink();
    void notifyChange(qsizetype offset, const QString& removed, const QString& inserted);
    void notifyCaret();
    bool inSelection(Position position) const;
    void dragSelection();
    void openFindBar();
    void placeFindBar();

    QStringList lines_{QString()};
    Position caret_;
    Position anchor_;
    qreal goalX_ = -1;  // the column's place that up and down keep, -1 for the caret's own
    qreal widest_ = 0;
    qreal widestCharacter_ = 1;
    bool caretShown_ = false;
    bool selecting_ = false;
    QBasicTimer blink_;
    // Selecting with the mouse beyond the field scrolls on this timer, towards the pointer.
    QBasicTimer autoScroll_;
    QPoint pointer_;
    // A double-click's time and place, for the third click that selects the line.
    quint64 doubleClickTime_ = 0;
    QPoint doubleClickPoint_;
    // A press on the selection, which a move turns into dragging it; where the dragged text
    // would land; and whether it was dropped in this field.
    std::optional<QPoint> dragFrom_;
    std::optional<Position> dropAt_;
    bool droppedHere_ = false;
    FindBar* findBar_ = nullptr;  // a child of the field
    mutable std::unique_ptr<QTextLayout> lastShaped_;
    mutable QString lastShapedText_;
    QString preedit_;  // what the input method is composing at the caret
    int preeditCursor_ = 0;
    std::vector<Edit> undo_;
    std::vector<Edit> redo_;
    mutable std::vector<float> advances_;    // per character of the basic plane, -1 until measured
    mutable std::vector<qsizetype> starts_;  // offset of every line's start, empty when stale
};

}  // namespace kombinator::ui
