#include "ui/controlwidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTabBar>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace kombinator::ui {

namespace {
constexpr const char* kCaptionFont = "captionFont";
constexpr int kSmallestPixelSize = 9;
// How far below the estimate from the given font a text's width (glyphs round differently at
// other sizes, pairs kern differently across the pieces measured apart) or a line's height
// (ascent and descent are rounded) may come out at another size or stretch.
constexpr qreal kWidthMargin = 0.95;
constexpr qreal kHeightMargin = 0.85;

// How lines stand: a layout sets each line a leading below the one before, on a whole pixel.
struct Lines {
    qreal pitch = 0;   // from the top of one line to the next
    qreal height = 0;  // of the last
    qreal needed(int count) const { return (count - 1) * pitch + height; }
};

Lines linesOf(const QFontMetricsF& metrics) {
    return {std::ceil(metrics.height() + metrics.leading()), metrics.height()};
}

// A piece of text between two places a line may break, measured at the given font: its width
// with the blanks after it, and without them, as it ends a line.
struct Piece {
    qreal width = 0;
    qreal endingWidth = 0;
};

// What the text needs at the font it is given in, from which the needs of a smaller or narrower
// font are foreseen: its paragraphs cut where a line may break, and the height of a line.
struct TextNeeds {
    QList<QList<Piece>> paragraphs;
    Lines lines;
};

TextNeeds textNeeds(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    TextNeeds needs;
    needs.lines = linesOf(metrics);
    for (const QStringView paragraph : QStringView(text).tokenize(u'\n')) {
        // A mnemonic's ampersand is not drawn; measuring without every one errs towards fitting.
        const QString shown = paragraph.toString().remove(u'&');
        QList<Piece>& pieces = needs.paragraphs.emplace_back();
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, shown);
        qsizetype start = 0;
        while (start < shown.size()) {
            qsizetype end = breaks.toNextBoundary();
            if (end <= start) end = shown.size();
            const QStringView piece = QStringView(shown).mid(start, end - start);
            pieces.push_back({metrics.horizontalAdvance(piece.toString()),
                              metrics.horizontalAdvance(piece.trimmed().toString())});
            start = end;
        }
    }
    return needs;
}

// Whether a font `scale` times as wide, with lines standing as `lines`, might show the text in the
// box: the lines are broken as the text's layout breaks them, first fit, on the foreseen widths
// made a little smaller. A font it rules out could not fit.
bool mayFit(const TextNeeds& needs, qreal scale, const Lines& lines, const QSize& box, bool wordWrap) {
    const qreal room = box.width() / (scale * kWidthMargin);
    int count = 0;
    for (const QList<Piece>& pieces : needs.paragraphs) {
        ++count;
        qreal line = 0;
        for (const Piece& piece : pieces) {
            if (wordWrap && line > 0 && line + piece.endingWidth > room) {
                ++count;
                line = 0;
            }
            if (line + piece.endingWidth > room) return false;  // wider than the box on its own
            line += piece.width;
        }
    }
    return lines.needed(count) <= box.height();
}

}  // namespace

// Each size and stretch tried is a font the system must load, the costliest step of opening the
// window. A font that cannot fit by the estimate from the text at its own font is not loaded; the
// first that fits is the same as when every font is tried in turn.
QFont fittingFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap) {
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0) return font;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (wordWrap ? Qt::TextWordWrap : 0);
    const int largest = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const bool asGiven = font.pixelSize() == largest &&
                         (font.stretch() == QFont::AnyStretch || font.stretch() == QFont::Unstretched);
    const TextNeeds needs = textNeeds(font, text);
    QFont candidate = font;
    for (int size = largest; size >= std::min(largest, kSmallestPixelSize); --size) {
        // Known once a font of this size is measured; foreseen from the given font until then.
        const qreal least =
            (needs.lines.height + std::min<qreal>(0, needs.lines.pitch - needs.lines.height)) * size /
            largest * kHeightMargin;
        Lines lines{least, least};
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
            candidate = font;
            if (!(asGiven && size == largest && stretch == QFont::Unstretched)) {
                candidate.setPixelSize(size);
                candidate.setStretch(stretch);
            }
            const qreal scale = qreal(size) / largest * stretch / int(QFont::Unstretched);
            if (!mayFit(needs, scale, lines, box, wordWrap)) continue;
            const QFontMetrics metrics(candidate);
            lines = linesOf(QFontMetricsF(candidate));
            const QRect needed = metrics.boundingRect(QRect(QPoint(), box), flags, text);
            if (needed.width() <= box.width() && needed.height() <= box.height()) return candidate;
        }
    }
    return candidate;
}

QFont captionFont(const QWidget* widget) {
    const QVariant stored = widget->property(kCaptionFont);
    return stored.isValid() ? stored.value<QFont>() : widget->font();
}

void setCaptionFont(QWidget* widget, const QFont& font) {
    widget->setProperty(kCaptionFont, font);
    widget->setFont(font);
}

void fitCaption(QWidget* widget, const QString& text, const QSize& box, bool wordWrap) {
    const QVariant stored = widget->property(kCaptionFont);
    // Most captions fit as they are: a one-line measure settles them without trying other fonts.
    if (!stored.isValid()) {
        const QFontMetrics metrics = widget->fontMetrics();
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height()) return;
    }
    const QFont base = stored.isValid() ? stored.value<QFont>() : widget->font();
    if (!stored.isValid()) widget->setProperty(kCaptionFont, base);
    const QFont fitted = fittingFont(base, text, box, wordWrap);
    if (fitted != widget->font()) widget->setFont(fitted);
}

QRect WrappingCheckBox::captionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();  // the box and focus by the style, the caption wrapped by us
    painter.drawControl(QStyle::CE_CheckBox, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(captionRect(),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

namespace {
bool isPressKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    return modifiers == Qt::NoModifier &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}
}  // namespace

void KeyButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isPressKey(event)) {
        event->accept();
        if (!event->isAutoRepeat()) click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release over the label, as with a button.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();  // over a label the label's move counts, not the window's
    emit mouseMoved();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(event)) {
        event->accept();
        if (!event->isAutoRepeat()) emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

TabPage::TabPage(QTabWidget* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {}

void TabPage::place(QWidget* child, const QRect& inTabControl) {
    const auto placed =
        std::find_if(placed_.begin(), placed_.end(), [child](const auto& p) { return p.first == child; });
    if (placed == placed_.end())
        placed_.emplace_back(child, inTabControl);
    else
        placed->second = inTabControl;
    relayout();
}

void TabPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void TabPage::relayout() {
    const QPoint offset = tabs_ && tabs_->isAncestorOf(this) ? mapTo(tabs_.data(), QPoint()) : QPoint();
    for (auto& [child, rect] : placed_) {
        if (child) child->setGeometry(rect.translated(-offset));
    }
}

namespace {
class EvenTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        // The tabs share the strip evenly, whatever their captions need: Qt's own hint, which
        // measures the caption, is asked for only without a strip to share.
        const QWidget* tabs = parentWidget();
        const int width = tabs && count() > 0 ? tabs->width() / count() : QTabBar::tabSizeHint(index).width();
        return {width, TabControlWidget::kStripHeight};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};
}  // namespace

TabControlWidget::TabControlWidget(QWidget* parent) : QTabWidget(parent) {
    auto* bar = new EvenTabBar(this);
    bar->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));  // the name Qt gives its own strip
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    setTabBar(bar);
}

void LineView::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

}  // namespace kombinator::ui
