#include "ui/controlwidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace kombinator::ui {

namespace {
constexpr const char* kCaptionFont = "captionFont";
constexpr int kSmallestPixelSize = 9;
// How far below the estimate from another font a text's width or line height may come out.
constexpr qreal kEstimateMargin = 0.85;
}  // namespace

namespace {

// What the text needs at the font it is shown in, from which the needs of a smaller or narrower
// font are foreseen: each paragraph's width on one line and the height of a line.
struct TextNeeds {
    QList<qreal> paragraphWidths;
    qreal lineHeight = 0;
};

TextNeeds textNeeds(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    TextNeeds needs;
    needs.lineHeight = std::min(metrics.height(), metrics.lineSpacing());
    for (const QStringView paragraph : QStringView(text).tokenize(u'\n'))
        needs.paragraphWidths << metrics.horizontalAdvance(paragraph.toString());
    return needs;
}

// Whether a font `scale` times as wide, with lines `lineHeight` high, might show the text in the
// box. The estimate errs towards yes (glyph widths round differently at other sizes, and a wrapped
// line loses its last blank): a font it rules out could not fit.
bool mayFit(const TextNeeds& needs, qreal scale, qreal lineHeight, const QSize& box, bool wordWrap) {
    qreal lines = 0;
    for (const qreal width : needs.paragraphWidths) {
        const qreal least = width * scale * kEstimateMargin;
        if (!wordWrap && least > box.width()) return false;
        lines += wordWrap ? std::max<qreal>(1, std::ceil(least / box.width())) : 1;
    }
    return lines * lineHeight <= box.height();
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
        qreal lineHeight = needs.lineHeight * size / largest * kEstimateMargin;
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
            candidate = font;
            if (!(asGiven && size == largest && stretch == QFont::Unstretched)) {
                candidate.setPixelSize(size);
                candidate.setStretch(stretch);
            }
            const qreal scale = qreal(size) / largest * stretch / int(QFont::Unstretched);
            if (!mayFit(needs, scale, lineHeight, box, wordWrap)) continue;
            const QFontMetrics metrics(candidate);
            lineHeight = std::min(metrics.height(), metrics.lineSpacing());
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
        const QSize hint = QTabBar::tabSizeHint(index);
        const QWidget* tabs = parentWidget();
        const int width = tabs && count() > 0 ? tabs->width() / count() : hint.width();
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
