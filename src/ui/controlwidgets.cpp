#include "ui/controlwidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace kombinator::ui {

namespace {
constexpr const char* kCaptionFont = "captionFont";
constexpr int kSmallestPixelSize = 9;
}  // namespace

QFont fittingFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap) {
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0) return font;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (wordWrap ? Qt::TextWordWrap : 0);
    const int largest = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    QFont candidate = font;
    for (int size = largest; size >= std::min(largest, kSmallestPixelSize); --size) {
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
            candidate = font;
            candidate.setPixelSize(size);
            candidate.setStretch(stretch);
            const QRect needed = QFontMetrics(candidate).boundingRect(QRect(QPoint(), box), flags, text);
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
