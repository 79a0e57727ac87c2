// Small widgets the control views need beyond Qt's own: labels that report clicks and mouse
// moves, tab pages whose controls are placed from the tab control's corner, text fields that
// report double clicks.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <utility>
#include <vector>

namespace kombinator::ui {

// The font in which `text` fits `box`, starting from `font`: first narrower, then smaller, down
// to a still readable size. Captions were measured for a narrower font than most desktops have.
QFont fittingFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap);

// Fits a widget's caption into the space it has, always starting again from the widget's own
// font, so that a shorter caption gets its full size back.
void fitCaption(QWidget* widget, const QString& text, const QSize& box, bool wordWrap);
// The widget's font before any fitting.
QFont captionFont(const QWidget* widget);
void setCaptionFont(QWidget* widget, const QFont& font);

// A check box whose caption wraps onto more lines within its width, as a caption too long for
// one line does in the check box it stands for.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A command button that Enter presses as well as Space, as in a dialog.
class KeyButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A label that reports clicks and mouse moves. Given the keyboard focus (the link, the
// information panel), it shows the focus and Enter or Space clicks it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
public slots:
    // What a click does, for a screen reader's press.
    void click() { emit clicked(); }
signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// A page of a tab control. Positions of the controls on a tab are measured from the corner of
// the whole tab control, tab strip included; the page sits below the strip, so it places its
// controls by that offset whenever the tab control lays it out.
class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(QTabWidget* tabs, QWidget* parent = nullptr);
    void place(QWidget* child, const QRect& inTabControl);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    QPointer<QTabWidget> tabs_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> placed_;
};

// A tab control whose tabs share its width equally and whose strip is one text line high.
class TabControlWidget : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kStripHeight = 20;
    explicit TabControlWidget(QWidget* parent = nullptr);
};

class LineView : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kombinator::ui
