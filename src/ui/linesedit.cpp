#include "ui/linesedit.h"

#include "ui/findbar.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace kombinator::ui {

namespace {

constexpr int kMargin = 4;   // between the frame and the text, as a plain text field has it
constexpr int kTabStop = 4;  // a tab shows as wide as this many blanks
// A line up to this long is shaped as the desktop draws text: kerning, a letter with its accents,
// the input method's text being composed. A longer one, which no offer has, is measured a
// character at a time, so that drawing it costs no more than the part in view.
constexpr qsizetype kShapedLength = 4096;
constexpr qreal kUnwrapped = 1e6;  // a line's width for the layout: never wrapped

// The lines of `text`: CR LF, a lone CR and a lone LF each end one. Always at least one line.
QStringList splitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch != u'\n' && ch != u'\r') continue;
        lines.append(text.mid(start, i - start).toString());
        if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(text.mid(start).toString());
    return lines;
}

// The same text with LF alone ending its lines.
QString withLf(const QString& text) {
    if (!text.contains(u'\r')) return text;
    return splitLines(text).join(u'\n');
}

LinesEdit::Position endAfter(LinesEdit::Position from, const QString& text) {
    const qsizetype lastBreak = text.lastIndexOf(u'\n');
    if (lastBreak < 0) return {from.line, from.column + static_cast<int>(text.size())};
    return {from.line + static_cast<int>(text.count(u'\n')), static_cast<int>(text.size() - lastBreak - 1)};
}

bool isWordCharacter(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_' || ch.isMark();
}

// How a screen reader reads and edits the field: its text by offsets, with the caret and the
// selection, as it reads any multi-line text field.
class LinesEditInterface : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LinesEditInterface(LinesEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return edit()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
        replaceText(0, characterCount(), text);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelection()) return;
        const auto [from, to] = edit()->selectionEnds();
        *start = offset(from);
        *end = offset(to);
    }
    int selectionCount() const override { return edit()->hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) edit()->setCursorPosition(edit()->cursorPosition());
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0) return;
        edit()->setCursorPosition(edit()->positionAt(start));
        edit()->setCursorPosition(edit()->positionAt(end), true);
    }
    int cursorPosition() const override { return offset(edit()->cursorPosition()); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(edit()->positionAt(position)); }
    QString text(int start, int end) const override {
        // A stretch that ends before it starts holds nothing.
        if (end <= start) return {};
        return edit()->textBetween(edit()->positionAt(start), edit()->positionAt(end));
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        const auto [atStart, atEnd] = unitAt(offset, type);
        return unitText(atStart > 0 ? atStart - 1 : -1, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        const auto [atStart, atEnd] = unitAt(offset, type);
        return unitText(atEnd < characterCount() && atEnd > offset ? atEnd : -1, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return unitText(offset, type, start, end);
    }
    int characterCount() const override { return static_cast<int>(edit()->characterCount()); }
    QRect characterRect(int offset) const override {
        const QRect rect = edit()->characterRect(edit()->positionAt(offset));
        return QRect(edit()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint at = edit()->viewport()->mapFromGlobal(point);
        if (!edit()->viewport()->rect().contains(at)) return -1;
        return offset(edit()->positionAtPoint(at));
    }
    void scrollToSubstring(int start, int end) override {
        edit()->ensureVisible(edit()->positionAt(end));
        edit()->ensureVisible(edit()->positionAt(start));
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        edit()->replace(edit()->positionAt(start), edit()->positionAt(end), text);
    }

private:
    LinesEdit* edit() const { return static_cast<LinesEdit*>(widget()); }
    int offset(LinesEdit::Position position) const { return static_cast<int>(edit()->offsetOf(position)); }

    // The stretch of the unit (character, word, line, whole text) that holds `offset`.
    std::pair<int, int> unitAt(int offset, QAccessible::TextBoundaryType type) const {
        const int count = characterCount();
        if (offset < 0 || offset > count) return {-1, -1};
        if (type == QAccessible::NoBoundary) return {0, count};
        const LinesEdit::Position at = edit()->positionAt(offset);
        const int lineStart = offset - at.column;
        const QString& line = edit()->line(at.line);
        const int lineEnd = lineStart + static_cast<int>(line.size());
        if (type == QAccessible::CharBoundary) {
            if (offset >= count) return {count, count};
            const bool pair = at.column + 1 < line.size() && line.at(at.column).isHighSurrogate();
            return {offset, offset + (pair ? 2 : 1)};
        }
        if (type == QAccessible::WordBoundary) {
            if (at.column >= line.size()) return {offset, std::min(offset + 1, count)};
            QTextBoundaryFinder words(QTextBoundaryFinder::Word, line);
            words.setPosition(at.column + 1);
            const qsizetype from = words.toPreviousBoundary();
            words.setPosition(at.column);
            const qsizetype to = words.toNextBoundary();
            return {lineStart + static_cast<int>(std::max<qsizetype>(from, 0)),
                    to < 0 ? lineEnd : lineStart + static_cast<int>(to)};
        }
        // A sentence, a paragraph and a line are all one line here, with its line end.
        return {lineStart, std::min(lineEnd + 1, count)};
    }
    QString unitText(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const {
        *start = *end = -1;
        const auto [from, to] = unitAt(offset, type);
        if (from < 0) return {};
        *start = from;
        *end = to;
        return text(from, to);
    }
};

QAccessibleInterface* linesEditInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(LinesEdit::staticMetaObject.className())) return nullptr;
    return new LinesEditInterface(static_cast<LinesEdit*>(object));
}

}  // namespace

LinesEdit::LinesEdit(QWidget* parent) : QAbstractScrollArea(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linesEditInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    measureAll();
}

LinesEdit::~LinesEdit() {
    emit closing();
}

QString LinesEdit::text(QStringView lineEnd) const {
    return lines_.join(lineEnd);
}

void LinesEdit::setText(QStringView text) {
    QStringList lines = splitLines(text);
    if (lines == lines_) return;
    lines_ = std::move(lines);
    caret_ = anchor_ = {};
    goalX_ = -1;
    undo_.clear();
    redo_.clear();
    starts_.clear();
    measureAll();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    emit textChanged();
    emit cursorPositionChanged();
}

void LinesEdit::setCursorPosition(Position position, bool keepAnchor) {
    goalX_ = -1;
    moveCaret(position, keepAnchor);
}

QString LinesEdit::selectedText() const {
    const auto [from, to] = selectionEnds();
    return textBetween(from, to);
}

void LinesEdit::insertText(const QString& text) {
    const auto [from, to] = selectionEnds();
    replace(from, to, text);
}

qsizetype LinesEdit::characterCount() const {
    return offsetOf({lineCount() - 1, static_cast<int>(lines_.constLast().size())});
}

qsizetype LinesEdit::offsetOf(Position position) const {
    if (starts_.empty()) {
        starts_.reserve(lines_.size());
        qsizetype start = 0;
        for (const QString& line : lines_) {
            starts_.push_back(start);
            start += line.size() + 1;
        }
    }
    const Position at = clamped(position);
    return starts_[at.line] + at.column;
}

LinesEdit::Position LinesEdit::positionAt(qsizetype offset) const {
    offsetOf({});  // the line starts, up to date
    offset = std::clamp<qsizetype>(offset, 0, characterCount());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const int line = static_cast<int>(after - starts_.begin()) - 1;
    return {line, static_cast<int>(offset - starts_[line])};
}

QString LinesEdit::textBetween(Position from, Position to) const {
    from = clamped(from);
    to = clamped(to);
    if (to < from) std::swap(from, to);
    if (from.line == to.line) return lines_.at(from.line).mid(from.column, to.column - from.column);
    QString text = lines_.at(from.line).mid(from.column);
    for (int line = from.line + 1; line < to.line; ++line)
        text += u'\n' + lines_.at(line);
    text += u'\n' + lines_.at(to.line).left(to.column);
    return text;
}

void LinesEdit::replace(Position from, Position to, const QString& text) {
    from = clamped(from);
    to = clamped(to);
    if (to < from) std::swap(from, to);
    const QString inserted = withLf(text);
    if (from == to && inserted.isEmpty()) return;
    Edit edit{from, textBetween(from, to), inserted, caret_, anchor_};
    const Position end = replaceRange(from, to, inserted);
    record(std::move(edit));
    moveCaret(end, false);
}

QRect LinesEdit::characterRect(Position position) const {
    const Position at = clamped(position);
    const QString& line = lines_.at(at.line);
    const qreal x = xOf(line, at.column);
    const qreal left = kMargin - horizontalScrollBar()->value() + x;
    const qreal width = at.column < line.size() ? std::max<qreal>(1, xOf(line, at.column + 1) - x) : 1;
    const int top = kMargin + (at.line - verticalScrollBar()->value()) * lineHeight();
    return QRectF(left, top, width, lineHeight()).toAlignedRect();
}

LinesEdit::Position LinesEdit::positionAtPoint(const QPoint& point) const {
    const int row = point.y() < kMargin ? -1 : (point.y() - kMargin) / lineHeight();
    const int line = std::clamp(verticalScrollBar()->value() + row, 0, lineCount() - 1);
    const qreal x = point.x() - kMargin + horizontalScrollBar()->value();
    return {line, columnAt(lines_.at(line), x)};
}

void LinesEdit::ensureVisible(Position position) {
    const Position at = clamped(position);
    QScrollBar* vertical = verticalScrollBar();
    const int rows = std::max(1, visibleRows());
    if (at.line < vertical->value()) {
        vertical->setValue(at.line);
    } else if (at.line >= vertical->value() + rows) {
        vertical->setValue(at.line - rows + 1);
    }
    QScrollBar* horizontal = horizontalScrollBar();
    // Near enough for the view, which keeps a third of its width beyond the caret, and no line
    // is shaped for it: a keystroke costs the same on any line.
    const int x = static_cast<int>(std::lround(extentOf(lines_.at(at.line), at.column)));
    const int width = viewport()->width() - 2 * kMargin;
    if (x < horizontal->value()) {
        horizontal->setValue(std::max(0, x - width / 3));
    } else if (x > horizontal->value() + width - 1) {
        horizontal->setValue(x - width + width / 3);
    }
}

void LinesEdit::undo() {
    if (undo_.empty()) return;
    Edit edit = std::move(undo_.back());
    undo_.pop_back();
    replaceRange(edit.from, endAfter(edit.from, edit.inserted), edit.removed);
    const Position caret = edit.caretBefore;
    const Position anchor = edit.anchorBefore;
    edit.typed = false;
    redo_.push_back(std::move(edit));
    moveCaret(anchor, false);
    moveCaret(caret, true);
}

void LinesEdit::redo() {
    if (redo_.empty()) return;
    Edit edit = std::move(redo_.back());
    redo_.pop_back();
    const Position end = replaceRange(edit.from, endAfter(edit.from, edit.removed), edit.inserted);
    undo_.push_back(std::move(edit));
    moveCaret(end, false);
}

void LinesEdit::cut() {
    if (!hasSelection()) return;
    copy();
    insertText({});
}

void LinesEdit::copy() const {
    if (hasSelection()) QGuiApplication::clipboard()->setText(selectedText());
}

void LinesEdit::paste() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) insertText(text);
}

void LinesEdit::selectAll() {
    goalX_ = -1;
    moveCaret({}, false);
    moveCaret({lineCount() - 1, static_cast<int>(lines_.constLast().size())}, true);
}

bool LinesEdit::event(QEvent* event) {
    // The field's own keys come before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride && isEditingKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void LinesEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPalette::ColorGroup group =
        !isEnabled() ? QPalette::Disabled : (hasFocus() ? QPalette::Active : QPalette::Inactive);
    const QPalette& colours = palette();
    const int height = lineHeight();
    const int ascent = fontMetrics().ascent();
    const qreal left = kMargin - horizontalScrollBar()->value();
    const auto [from, to] = selectionEnds();
    const int first = verticalScrollBar()->value();
    const int last = std::min(lineCount() - 1, first + event->rect().bottom() / height + 1);
    QTextCharFormat selected;
    selected.setBackground(colours.brush(group, QPalette::Highlight));
    selected.setForeground(colours.brush(group, QPalette::HighlightedText));
    for (int line = first; line <= last; ++line) {
        const QString& text = lines_.at(line);
        const int top = kMargin + (line - first) * height;
        const bool composing = line == caret_.line && !preedit_.isEmpty();
        const std::unique_ptr<QTextLayout> layout = shaped(text, composing ? caret_.column : -1);
        const bool inSelection = from != to && line >= from.line && line <= to.line;
        const int start = inSelection && line == from.line ? from.column : 0;
        const int end = inSelection && line == to.line ? to.column : static_cast<int>(text.size());
        painter.setPen(colours.color(group, QPalette::Text));
        if (layout) {
            QList<QTextLayout::FormatRange> formats;
            if (inSelection && end > start) formats.append({start, end - start, selected});
            if (composing) {
                QTextCharFormat underlined;
                underlined.setFontUnderline(true);
                formats.append({caret_.column, static_cast<int>(preedit_.size()), underlined});
            }
            layout->draw(&painter, QPointF(left, top), formats);
        } else {
            drawLine(painter, text, left, top + ascent);
        }
        if (!inSelection) continue;
        // A selected line end shows as a blank's width; a line too long to be shaped draws its
        // selected part again in the selection's colours.
        // Placed by the shape just drawn, not shaped again.
        const auto xAt = [&](int column) {
            return left + (layout ? layout->lineAt(0).cursorToX(column) : extentOf(text, column));
        };
        const qreal x0 = xAt(start);
        const qreal x1 = xAt(end);
        if (line != to.line) {
            painter.fillRect(QRectF(x1, top, advance(QStringLiteral(" "), 0), height),
                             colours.brush(group, QPalette::Highlight));
        }
        if (layout) continue;
        const QRectF band(x0, top, x1 - x0, height);
        painter.save();
        painter.fillRect(band, colours.brush(group, QPalette::Highlight));
        painter.setClipRect(band);
        painter.setPen(colours.color(group, QPalette::HighlightedText));
        drawLine(painter, text, left, top + ascent);
        painter.restore();
    }
    for (const Position at : {caret_, dropAt_.value_or(Position{-1, 0})}) {
        if ((at == caret_ && !caretShown_) || at.line < first || at.line > last) continue;
        qreal x = left + xOf(lines_.at(at.line), at.column);
        if (at == caret_ && !preedit_.isEmpty()) {
            if (const auto layout = shaped(lines_.at(at.line), at.column))
                x = left + layout->lineAt(0).cursorToX(at.column + preeditCursor_);
        }
        painter.fillRect(QRectF(x, kMargin + (at.line - first) * height, 1, height),
                         colours.color(group, QPalette::Text));
    }
}

void LinesEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    placeFindBar();
    updateScrollBars();
}

void LinesEdit::openFindBar() {
    if (!findBar_) {
        findBar_ = new FindBar(this);
        connect(findBar_, &FindBar::find, this,
                [this](const QString& text, bool backward) { findBar_->showFound(find(text, backward)); });
        connect(findBar_, &FindBar::closed, this, [this] {
            setViewportMargins(0, 0, 0, 0);
            setFocus();
        });
    }
    const QString selected = selectedText();
    findBar_->open(selected.contains(u'\n') ? QString() : selected);
    setViewportMargins(0, 0, 0, findBar_->sizeHint().height());
    placeFindBar();
}

// The bar takes the room under the text, above the horizontal scroll bar.
void LinesEdit::placeFindBar() {
    if (!findBar_ || findBar_->isHidden()) return;
    const QRect text = viewport()->geometry();
    findBar_->setGeometry(text.left(), text.bottom() + 1, text.width(), findBar_->sizeHint().height());
}

bool LinesEdit::find(const QString& text, bool backward) {
    if (text.isEmpty() || text.contains(u'\n')) return false;
    const auto [from, to] = selectionEnds();
    const int lines = lineCount();
    for (int step = 0; step <= lines; ++step) {
        const int line = backward ? (from.line - step % lines + lines) % lines : (to.line + step) % lines;
        const QString& here = lines_.at(line);
        qsizetype hit = -1;
        if (backward) {
            const qsizetype before = step == 0 ? from.column - 1 : here.size();
            if (before >= 0) hit = here.lastIndexOf(text, before, Qt::CaseInsensitive);
        } else {
            hit = here.indexOf(text, step == 0 ? to.column : 0, Qt::CaseInsensitive);
        }
        if (hit < 0) continue;
        setCursorPosition({line, static_cast<int>(hit)});
        setCursorPosition({line, static_cast<int>(hit + text.size())}, true);
        ensureVisible(anchor_);
        ensureVisible(caret_);
        return true;
    }
    return false;
}

void LinesEdit::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event)) {
        event->accept();
        restartBlink();
        return;
    }
    event->ignore();  // Escape, Return in a dialog's other keys: the window's
}

void LinesEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        const Position at = positionAtPoint(point);
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        restartBlink();
        // A third click soon after a double-click, where it was, selects the whole line.
        if (event->timestamp() - doubleClickTime_ <
                quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
            (point - doubleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
            doubleClickTime_ = 0;
            setCursorPosition({at.line, 0});
            setCursorPosition({at.line, static_cast<int>(lines_.at(at.line).size())}, true);
            return;
        }
        // A press on the selection may become dragging it; a release without moving places the caret.
        if (!shift && inSelection(at)) {
            dragFrom_ = point;
            return;
        }
        setCursorPosition(at, shift);
        selecting_ = true;
    } else if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        setCursorPosition(positionAtPoint(event->position().toPoint()));
        const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
        if (!text.isEmpty()) insertText(text);
    }
}

void LinesEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint point = event->position().toPoint();
    if (dragFrom_) {
        if ((point - *dragFrom_).manhattanLength() < QApplication::startDragDistance()) return;
        dragFrom_.reset();
        dragSelection();
        return;
    }
    if (!selecting_) return;
    goalX_ = -1;
    pointer_ = point;
    moveCaret(positionAtPoint(point), true);
    ensureVisible(caret_);
    // Beyond the field the selection goes on growing while the button is held, moved or not.
    if (viewport()->rect().contains(point)) {
        autoScroll_.stop();
    } else if (!autoScroll_.isActive()) {
        autoScroll_.start(50, this);
    }
}

void LinesEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    autoScroll_.stop();
    if (dragFrom_) {
        dragFrom_.reset();
        setCursorPosition(positionAtPoint(event->position().toPoint()));
    }
    selecting_ = false;
    if (hasSelection() && QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
}

void LinesEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // The word under the pointer, selected.
        const Position at = positionAtPoint(event->position().toPoint());
        const QString& line = lines_.at(at.line);
        int start = at.column;
        int end = at.column;
        while (start > 0 && isWordCharacter(line.at(start - 1)))
            --start;
        while (end < line.size() && isWordCharacter(line.at(end)))
            ++end;
        setCursorPosition({at.line, start});
        setCursorPosition({at.line, end}, true);
        doubleClickTime_ = event->timestamp();
        doubleClickPoint_ = event->position().toPoint();
    }
    emit doubleClicked();
}

bool LinesEdit::inSelection(Position position) const {
    const auto [from, to] = selectionEnds();
    return hasSelection() && from <= position && position < to;
}

void LinesEdit::dragSelection() {
    auto* data = new QMimeData;  // the drag owns it
    data->setText(selectedText());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    droppedHere_ = false;
    // Moved elsewhere, the text leaves this field; moved within it, the drop has moved it.
    if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction) == Qt::MoveAction && !droppedHere_)
        insertText({});
}

void LinesEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasText()) return event->ignore();
    event->acceptProposedAction();
}

void LinesEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasText()) return event->ignore();
    dropAt_ = positionAtPoint(event->position().toPoint());
    ensureVisible(*dropAt_);
    viewport()->update();
    event->acceptProposedAction();
}

void LinesEdit::dragLeaveEvent(QDragLeaveEvent*) {
    dropAt_.reset();
    viewport()->update();
}

void LinesEdit::dropEvent(QDropEvent* event) {
    dropAt_.reset();
    const Position at = positionAtPoint(event->position().toPoint());
    if (event->source() == this && event->dropAction() == Qt::MoveAction) {
        droppedHere_ = true;
        moveSelectionTo(at);
    } else {
        setCursorPosition(at);
        insertText(event->mimeData()->text());
    }
    ensureVisible(caret_);
    event->acceptProposedAction();
    setFocus();
}

// The selection moved to `position` as one edit (one step to undo), and selected there.
void LinesEdit::moveSelectionTo(Position position) {
    const auto [from, to] = selectionEnds();
    const Position at = clamped(position);
    if (from <= at && at <= to) return;
    const QString moved = selectedText();
    const qsizetype length = moved.size();
    const qsizetype target = offsetOf(at);
    if (at < from) {
        replace(at, to, moved + textBetween(at, from));
        setCursorPosition(positionAt(target));
        setCursorPosition(positionAt(target + length), true);
    } else {
        const qsizetype start = target - (offsetOf(to) - offsetOf(from));
        replace(from, at, textBetween(to, at) + moved);
        setCursorPosition(positionAt(start));
        setCursorPosition(positionAt(start + length), true);
    }
}

void LinesEdit::contextMenuEvent(QContextMenuEvent* event) {
    // Qt's own words for a text field's menu, in the desktop's language where Qt has them.
    const auto word = [](const char* text) {
        return QCoreApplication::translate("QWidgetTextControl", text);
    };
    QMenu menu(this);
    const auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QAction* action =
            menu.addAction(word(text) + u'\t' + QKeySequence(key).toString(QKeySequence::NativeText));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    add("&Undo", QKeySequence::Undo, !undo_.empty(), &LinesEdit::undo);
    add("&Redo", QKeySequence::Redo, !redo_.empty(), &LinesEdit::redo);
    menu.addSeparator();
    add("Cu&t", QKeySequence::Cut, hasSelection(), &LinesEdit::cut);
    add("&Copy", QKeySequence::Copy, hasSelection(), &LinesEdit::copy);
    add("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(), &LinesEdit::paste);
    add("Delete", QKeySequence::Delete, hasSelection(), [this] { insertText({}); });
    menu.addSeparator();
    add("Select All", QKeySequence::SelectAll, true, &LinesEdit::selectAll);
    menu.exec(event->globalPos());
}

void LinesEdit::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void LinesEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    caretShown_ = false;
    viewport()->update();
}

void LinesEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() == autoScroll_.timerId()) {
        moveCaret(positionAtPoint(pointer_), true);
        ensureVisible(caret_);
        return;
    }
    if (event->timerId() != blink_.timerId()) return QAbstractScrollArea::timerEvent(event);
    caretShown_ = !caretShown_;
    viewport()->update(characterRect(caret_).adjusted(-1, 0, 1, 0));
}

void LinesEdit::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) measureAll();
}

void LinesEdit::inputMethodEvent(QInputMethodEvent* event) {
    // The text being composed shows at the caret, underlined, until the input method commits it.
    preedit_ = event->preeditString();
    preeditCursor_ = static_cast<int>(preedit_.size());
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) preeditCursor_ = attribute.start;
    }
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) typeText(event->commitString());
    viewport()->update();
    event->accept();
}

QVariant LinesEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImCursorRectangle:
            return characterRect(caret_);
        case Qt::ImFont:
            return font();
        case Qt::ImCursorPosition:
            return caret_.column;
        case Qt::ImAnchorPosition:
            return anchor_.line == caret_.line ? anchor_.column : caret_.column;
        case Qt::ImSurroundingText:
            return lines_.at(caret_.line);
        case Qt::ImCurrentSelection:
            return selectedText();
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhMultiLine);
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void LinesEdit::scrollContentsBy(int, int) {
    viewport()->update();
}

bool LinesEdit::isEditingKey(QKeyEvent* event) {
    return static_cast<bool>(keyAction(event));
}

bool LinesEdit::handleKey(QKeyEvent* event) {
    const std::function<void()> action = keyAction(event);
    if (action) action();
    return static_cast<bool>(action);
}

// What a key does in the field, or nothing when the key is not the field's: the one list that both
// takes the key from the window's shortcuts and acts on it.
std::function<void()> LinesEdit::keyAction(QKeyEvent* event) {
    struct Move {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Position (LinesEdit::*to)(Position) const;
    };
    static const Move moves[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, &LinesEdit::nextCharacter},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, &LinesEdit::previousCharacter},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, &LinesEdit::nextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, &LinesEdit::previousWord},
    };
    for (const Move& move : moves) {
        const bool select = event->matches(move.select);
        if (!select && !event->matches(move.move)) continue;
        return [this, move, select] {
            // An arrow over a selection, without Shift, lands at that side of it.
            if (!select && hasSelection() &&
                (move.to == &LinesEdit::nextCharacter || move.to == &LinesEdit::previousCharacter)) {
                const auto [from, to] = selectionEnds();
                setCursorPosition(move.to == &LinesEdit::nextCharacter ? to : from);
            } else {
                setCursorPosition((this->*move.to)(caret_), select);
            }
            ensureVisible(caret_);
        };
    }
    // Each of these moves the caret to a place worked out when the key comes.
    const auto moveTo = [this](auto place, bool select) -> std::function<void()> {
        return [this, place, select] {
            setCursorPosition(place(), select);
            ensureVisible(caret_);
        };
    };
    const auto lineStart = [this] { return Position{caret_.line, 0}; };
    const auto lineEnd = [this] {
        return Position{caret_.line, static_cast<int>(lines_.at(caret_.line).size())};
    };
    const auto start = [] { return Position{}; };
    const auto end = [this] {
        return Position{lineCount() - 1, static_cast<int>(lines_.constLast().size())};
    };
    const auto vertically = [this](int lines, bool select) -> std::function<void()> {
        return [this, lines, select] {
            if (goalX_ < 0) goalX_ = xOf(lines_.at(caret_.line), caret_.column);
            const qreal goal = goalX_;
            moveCaret(lineMoved(caret_, lines), select);
            goalX_ = goal;
            ensureVisible(caret_);
        };
    };
    const int page = std::max(1, visibleRows() - 1);
    // A page key moves the view a page as well as the caret, from the first press.
    const auto paging = [this, vertically](int lines, bool select) -> std::function<void()> {
        return [this, lines, select, move = vertically(lines, select)] {
            verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
            move();
        };
    };
    if (event->matches(QKeySequence::MoveToStartOfLine)) return moveTo(lineStart, false);
    if (event->matches(QKeySequence::SelectStartOfLine)) return moveTo(lineStart, true);
    if (event->matches(QKeySequence::MoveToEndOfLine)) return moveTo(lineEnd, false);
    if (event->matches(QKeySequence::SelectEndOfLine)) return moveTo(lineEnd, true);
    if (event->matches(QKeySequence::MoveToStartOfDocument)) return moveTo(start, false);
    if (event->matches(QKeySequence::SelectStartOfDocument)) return moveTo(start, true);
    if (event->matches(QKeySequence::MoveToEndOfDocument)) return moveTo(end, false);
    if (event->matches(QKeySequence::SelectEndOfDocument)) return moveTo(end, true);
    if (event->matches(QKeySequence::MoveToNextLine)) return vertically(1, false);
    if (event->matches(QKeySequence::SelectNextLine)) return vertically(1, true);
    if (event->matches(QKeySequence::MoveToPreviousLine)) return vertically(-1, false);
    if (event->matches(QKeySequence::SelectPreviousLine)) return vertically(-1, true);
    if (event->matches(QKeySequence::MoveToNextPage)) return paging(page, false);
    if (event->matches(QKeySequence::SelectNextPage)) return paging(page, true);
    if (event->matches(QKeySequence::MoveToPreviousPage)) return paging(-page, false);
    if (event->matches(QKeySequence::SelectPreviousPage)) return paging(-page, true);
    if (event->matches(QKeySequence::SelectAll)) return [this] { selectAll(); };
    if (event->matches(QKeySequence::Find)) return [this] { openFindBar(); };
    const bool findNext = event->matches(QKeySequence::FindNext) || event->key() == Qt::Key_F3;
    if (findNext || event->matches(QKeySequence::FindPrevious)) {
        return [this, backward = event->modifiers().testFlag(Qt::ShiftModifier) ||
                                 event->matches(QKeySequence::FindPrevious)] {
            if (!findBar_ || findBar_->text().isEmpty()) return openFindBar();
            findBar_->showFound(find(findBar_->text(), backward));
        };
    }
    // Escape closes an open find bar before it closes the window.
    if (event->key() == Qt::Key_Escape && findBar_ && findBar_->isVisible())
        return [this] { findBar_->dismiss(); };
    if (event->matches(QKeySequence::Copy)) return [this] { copy(); };
    // An edit shows where it happened.
    const auto edited = [this](auto edit) -> std::function<void()> {
        return [this, edit] {
            edit();
            ensureVisible(caret_);
        };
    };
    if (event->matches(QKeySequence::Cut)) return edited([this] { cut(); });
    if (event->matches(QKeySequence::Paste)) return edited([this] { paste(); });
    if (event->matches(QKeySequence::Undo)) return edited([this] { undo(); });
    if (event->matches(QKeySequence::Redo)) return edited([this] { redo(); });
    if (event->matches(QKeySequence::Delete))
        return edited([this] { deleteSelectionOr(nextCharacter(caret_)); });
    if (event->matches(QKeySequence::DeleteEndOfWord))
        return edited([this] { deleteSelectionOr(nextWord(caret_)); });
    if (event->matches(QKeySequence::DeleteStartOfWord))
        return edited([this] { deleteSelectionOr(previousWord(caret_)); });
    if (event->key() == Qt::Key_Backspace &&
        !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier))
        return edited([this] { deleteSelectionOr(previousCharacter(caret_)); });
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return edited([this] { typeText(QStringLiteral("\n")); });
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() &&
        !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::MetaModifier)) {
        return edited([this, text] { typeText(text); });
    }
    return {};
}

void LinesEdit::moveCaret(Position position, bool keepAnchor) {
    const Position to = clamped(position);
    const Position oldAnchor = anchor_;
    const Position oldCaret = caret_;
    if (!keepAnchor) anchor_ = to;
    caret_ = to;
    goalX_ = -1;
    if (caret_ == oldCaret && anchor_ == oldAnchor) return;
    viewport()->update();
    if (hasSelection() && QGuiApplication::clipboard()->supportsSelection() && !selecting_ && keepAnchor)
        QGuiApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
    notifyCaret();
    emit cursorPositionChanged();
}

void LinesEdit::typeText(const QString& text) {
    // A character typed right after the last one typed joins its step, as a word is undone whole.
    const auto [from, to] = selectionEnds();
    const bool joins = from == to && !undo_.empty() && undo_.back().typed && !text.contains(u'\n') &&
                       endAfter(undo_.back().from, undo_.back().inserted) == from;
    if (!joins) {
        replace(from, to, text);
        if (!undo_.empty() && !text.contains(u'\n')) undo_.back().typed = true;
        return;
    }
    undo_.back().inserted += text;
    redo_.clear();
    moveCaret(replaceRange(from, from, text), false);
}

void LinesEdit::record(Edit edit) {
    undo_.push_back(std::move(edit));
    redo_.clear();
}

LinesEdit::Position LinesEdit::replaceRange(Position from, Position to, const QString& text) {
    const qsizetype offset = QAccessible::isActive() ? offsetOf(from) : -1;
    const QString removed = offset >= 0 ? textBetween(from, to) : QString();
    // An edit of the widest line may narrow the text, and the range of the view with it.
    const qreal widestBefore = widest_;
    bool heldWidest = false;
    for (int line = from.line; line <= to.line && !heldWidest; ++line) {
        const QString& old = lines_.at(line);
        heldWidest = old.size() * widestCharacter_ >= widest_ && extentOf(old) >= widest_;
    }
    Position end;
    if (from.line == to.line && !text.contains(u'\n')) {
        // Within one line: that line alone changes.
        lines_[from.line].replace(from.column, to.column - from.column, text);
        end = {from.line, from.column + static_cast<int>(text.size())};
    } else {
        QStringList pieces = text.split(u'\n');
        end = {from.line + static_cast<int>(pieces.size()) - 1,
               static_cast<int>(pieces.constLast().size()) + (pieces.size() == 1 ? from.column : 0)};
        pieces.first().prepend(QStringView(lines_.at(from.line)).left(from.column));
        pieces.last().append(QStringView(lines_.at(to.line)).mid(to.column));
        const int replaced = to.line - from.line + 1;
        const int kept = std::min<int>(replaced, static_cast<int>(pieces.size()));
        for (int i = 0; i < kept; ++i)
            lines_[from.line + i] = std::move(pieces[i]);
        if (pieces.size() > replaced) {
            lines_.insert(from.line + replaced, pieces.size() - replaced, QString());
            for (qsizetype i = replaced; i < pieces.size(); ++i)
                lines_[from.line + i] = std::move(pieces[i]);
        } else if (pieces.size() < replaced) {
            lines_.remove(from.line + kept, replaced - kept);
        }
    }
    // Only a line that may be wider than what it has to beat is measured.
    qreal editedWidest = 0;
    for (int line = from.line; line <= end.line; ++line) {
        const QString& edited = lines_.at(line);
        if (edited.size() * widestCharacter_ >= (heldWidest ? editedWidest : widest_))
            editedWidest = std::max(editedWidest, extentOf(edited));
    }
    if (heldWidest && editedWidest < widestBefore) {
        widest_ = 0;
        for (const QString& line : lines_)
            widen(line);
    } else {
        widest_ = std::max(widest_, editedWidest);
    }
    updateScrollBars();
    starts_.clear();
    viewport()->update();
    if (offset >= 0) notifyChange(offset, removed, text);
    emit textChanged();
    return end;
}

void LinesEdit::deleteSelectionOr(Position other) {
    if (hasSelection()) {
        insertText({});
    } else {
        replace(caret_, other, {});
    }
}

LinesEdit::Position LinesEdit::clamped(Position position) const {
    const int line = std::clamp(position.line, 0, lineCount() - 1);
    const QString& text = lines_.at(line);
    int column = std::clamp(position.column, 0, static_cast<int>(text.size()));
    // Never between the two halves of a character beyond the basic plane.
    if (column > 0 && column < text.size() && text.at(column).isLowSurrogate() &&
        text.at(column - 1).isHighSurrogate())
        --column;
    return {line, column};
}

namespace {

// The letter boundary after (or before) `column` of `text`: a letter with its accents, a
// character beyond the basic plane or an emoji sequence is one step. Only the stretch around the
// column is looked at, so a step costs the same in a line of any length.
int letterBoundary(const QString& text, int column, bool forward) {
    constexpr int kReach = 32;
    const int from = std::max(0, column - kReach);
    const int length = std::min(static_cast<int>(text.size()) - from, column - from + kReach);
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text.constData() + from, length);
    letters.setPosition(column - from);
    const qsizetype to = forward ? letters.toNextBoundary() : letters.toPreviousBoundary();
    if (to < 0)
        return forward ? std::min(column + 1, static_cast<int>(text.size())) : std::max(column - 1, 0);
    return from + static_cast<int>(to);
}

}  // namespace

LinesEdit::Position LinesEdit::nextCharacter(Position at) const {
    const QString& text = lines_.at(at.line);
    if (at.column >= text.size()) return at.line + 1 < lineCount() ? Position{at.line + 1, 0} : at;
    return {at.line, letterBoundary(text, at.column, true)};
}

LinesEdit::Position LinesEdit::previousCharacter(Position at) const {
    if (at.column == 0)
        return at.line > 0 ? Position{at.line - 1, static_cast<int>(lines_.at(at.line - 1).size())} : at;
    return {at.line, letterBoundary(lines_.at(at.line), at.column, false)};
}

// The start of the next word, or the end of the line, as Ctrl+Right moves in a text field.
LinesEdit::Position LinesEdit::nextWord(Position at) const {
    const QString& text = lines_.at(at.line);
    if (at.column >= text.size()) return nextCharacter(at);
    int column = at.column;
    while (column < text.size() && isWordCharacter(text.at(column)))
        ++column;
    while (column < text.size() && !isWordCharacter(text.at(column)))
        ++column;
    return {at.line, column};
}

LinesEdit::Position LinesEdit::previousWord(Position at) const {
    if (at.column == 0) return previousCharacter(at);
    const QString& text = lines_.at(at.line);
    int column = at.column;
    while (column > 0 && !isWordCharacter(text.at(column - 1)))
        --column;
    while (column > 0 && isWordCharacter(text.at(column - 1)))
        --column;
    return {at.line, column};
}

LinesEdit::Position LinesEdit::lineMoved(Position at, int lines) const {
    const int line = std::clamp(at.line + lines, 0, lineCount() - 1);
    if (line == at.line)
        return lines < 0 ? Position{line, 0} : Position{line, static_cast<int>(lines_.at(line).size())};
    const qreal goal = goalX_ >= 0 ? goalX_ : xOf(lines_.at(at.line), at.column);
    return {line, columnAt(lines_.at(line), goal)};
}

int LinesEdit::visibleRows() const {
    return std::max(0, (viewport()->height() - kMargin) / lineHeight());
}

int LinesEdit::lineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

qreal LinesEdit::advance(const QString& text, int index) const {
    const QChar ch = text.at(index);
    float& known = advances_[ch.unicode()];
    if (known >= 0 && !ch.isSurrogate()) return known;
    if (ch.isLowSurrogate() && index > 0 && text.at(index - 1).isHighSurrogate()) return 0;
    const QFontMetricsF metrics(font());
    if (ch.isHighSurrogate() && index + 1 < text.size()) return metrics.horizontalAdvance(text.mid(index, 2));
    known = ch == u'\t' ? kTabStop * metrics.horizontalAdvance(u' ') : metrics.horizontalAdvance(ch);
    return known;
}

std::unique_ptr<QTextLayout> LinesEdit::shaped(const QString& text, int preeditAt) const {
    if (text.size() > kShapedLength) return nullptr;
    auto layout = std::make_unique<QTextLayout>(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStop * QFontMetricsF(font()).horizontalAdvance(u' '));
    layout->setTextOption(option);
    if (preeditAt >= 0) layout->setPreeditArea(preeditAt, preedit_);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid()) line.setLineWidth(kUnwrapped);
    layout->endLayout();
    return layout;
}

const QTextLayout* LinesEdit::shapedLine(const QString& text) const {
    if (!lastShaped_ || text != lastShapedText_) {
        lastShaped_ = shaped(text);
        lastShapedText_ = text;
    }
    return lastShaped_.get();
}

qreal LinesEdit::xOf(const QString& text, int column) const {
    if (const QTextLayout* layout = shapedLine(text)) return layout->lineAt(0).cursorToX(column);
    return extentOf(text, column);
}

int LinesEdit::columnAt(const QString& text, qreal x) const {
    if (const QTextLayout* layout = shapedLine(text))
        return layout->lineAt(0).xToCursor(x, QTextLine::CursorBetweenCharacters);
    qreal at = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const qreal width = advance(text, i);
        if (width > 0 && x < at + width / 2) return i;
        at += width;
    }
    return n;
}

void LinesEdit::drawLine(QPainter& painter, const QString& text, qreal left, int baseline) const {
    // Runs between tabs, each at its own place; in a long line only the part in view.
    const qreal right = viewport()->width();
    qreal x = left;
    qreal runX = left;
    int runStart = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i <= n; ++i) {
        const bool past = x > right;
        if (i == n || past || text.at(i) == u'\t') {
            if (i > runStart) painter.drawText(QPointF(runX, baseline), text.mid(runStart, i - runStart));
            if (i == n || past) break;
            x += advance(text, i);
            runStart = i + 1;
            runX = x;
            continue;
        }
        const qreal width = advance(text, i);
        if (runStart == i && x + 2 * width < 0 && i + 1 < n && !text.at(i + 1).isLowSurrogate() &&
            !text.at(i + 1).isMark()) {
            runStart = i + 1;  // wholly left of the view
            runX = x + width;
        }
        x += width;
    }
}

void LinesEdit::measureAll() {
    advances_.assign(0x10000, -1.0f);
    lastShaped_.reset();  // shaped in the old font
    const QFontMetricsF metrics(font());
    widestCharacter_ = std::max(metrics.maxWidth(), kTabStop * metrics.horizontalAdvance(u' '));
    widest_ = 0;
    for (const QString& line : lines_)
        widen(line);
    updateScrollBars();
    viewport()->update();
}

qreal LinesEdit::extentOf(const QString& text, int column) const {
    qreal x = 0;
    const int end =
        column < 0 ? static_cast<int>(text.size()) : std::min(column, static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i)
        x += advance(text, i);
    return x;
}

void LinesEdit::widen(const QString& text) {
    // A line too short to be wider than the widest so far is not measured.
    if (text.size() * widestCharacter_ < widest_) return;
    widest_ = std::max(widest_, extentOf(text));
}

void LinesEdit::updateScrollBars() {
    QScrollBar* vertical = verticalScrollBar();
    const int rows = std::max(1, visibleRows());
    vertical->setRange(0, std::max(0, lineCount() - rows));
    vertical->setPageStep(rows);
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = std::max(0, viewport()->width() - 2 * kMargin);
    horizontal->setRange(0, std::max(0, static_cast<int>(std::ceil(widest_)) + 1 - width));
    horizontal->setPageStep(width);
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
}

void LinesEdit::restartBlink() {
    if (!hasFocus()) return;
    caretShown_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash >= 2) {
        blink_.start(flash / 2, this);
    } else {
        blink_.stop();
    }
    viewport()->update();
}

void LinesEdit::notifyChange(qsizetype offset, const QString& removed, const QString& inserted) {
    QAccessibleTextUpdateEvent change(this, static_cast<int>(offset), removed, inserted);
    QAccessible::updateAccessibility(&change);
}

void LinesEdit::notifyCaret() {
    if (!QAccessible::isActive()) return;
    if (hasSelection()) {
        const auto [from, to] = selectionEnds();
        QAccessibleTextSelectionEvent selection(this, static_cast<int>(offsetOf(from)),
                                                static_cast<int>(offsetOf(to)));
        selection.setCursorPosition(static_cast<int>(offsetOf(caret_)));
        QAccessible::updateAccessibility(&selection);
        return;
    }
    QAccessibleTextCursorEvent moved(this, static_cast<int>(offsetOf(caret_)));
    QAccessible::updateAccessibility(&moved);
}

}  // namespace kombinator::ui
