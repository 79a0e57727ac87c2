#include "ui/findbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kombinator::ui {

FindBar::FindBar(QWidget* parent) : QWidget(parent), box_(new QLineEdit(this)), notFound_(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    box_->setObjectName(QStringLiteral("findText"));
    box_->setPlaceholderText(tr("Keresés"));
    box_->setAccessibleName(tr("Keresett szöveg"));
    box_->setClearButtonEnabled(true);
    box_->installEventFilter(this);
    const auto button = [this](Qt::ArrowType arrow, const QString& name) {
        auto* b = new QToolButton(this);
        b->setArrowType(arrow);
        b->setAutoRaise(true);
        b->setToolTip(name);
        b->setAccessibleName(name);
        return b;
    };
    QToolButton* previous = button(Qt::UpArrow, tr("Előző találat (Shift+F3)"));
    QToolButton* next = button(Qt::DownArrow, tr("Következő találat (F3)"));
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("×"));
    close->setAutoRaise(true);
    close->setToolTip(tr("Bezárás (Esc)"));
    close->setAccessibleName(tr("A keresés bezárása"));
    notFound_->setText(tr("Nincs találat"));
    notFound_->setVisible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(box_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(notFound_);
    layout->addWidget(close);

    connect(previous, &QToolButton::clicked, this, [this] { emit find(text(), true); });
    connect(next, &QToolButton::clicked, this, [this] { emit find(text(), false); });
    connect(close, &QToolButton::clicked, this, &FindBar::dismiss);
    connect(box_, &QLineEdit::textEdited, this, [this] { notFound_->setVisible(false); });
}

QString FindBar::text() const {
    return box_->text();
}

void FindBar::open(const QString& text) {
    if (!text.isEmpty()) box_->setText(text);
    notFound_->setVisible(false);
    show();
    box_->setFocus();
    box_->selectAll();
}

void FindBar::showFound(bool found) {
    notFound_->setVisible(!found);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool escape = key->key() == Qt::Key_Escape;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool next = key->matches(QKeySequence::FindNext) || key->key() == Qt::Key_F3;
    if (!escape && !enter && !next && !key->matches(QKeySequence::FindPrevious)) return false;
    // The bar's keys come before the window's shortcuts (Escape would close the window).
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (escape) {
        dismiss();
    } else {
        emit find(text(),
                  key->modifiers().testFlag(Qt::ShiftModifier) || key->matches(QKeySequence::FindPrevious));
    }
    return true;
}

void FindBar::dismiss() {
    hide();
    emit closed();
}

}  // namespace kombinator::ui
