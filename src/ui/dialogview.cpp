#include "ui/dialogview.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QShortcut>
#include <QTableWidget>

#include "app/dialog.h"
#include "app/form1.h"
#include "app/language.h"
#include "keys/gyari.h"
#include "ui/accessibility.h"
#include "ui/keyprofileview.h"
#include "ui/mainwindow.h"
#include "ui/twips.h"

namespace kombinator::ui {

DialogView::DialogView(Dialog& dialog) : QWidget(nullptr), dialog_(dialog), builder_(this) {
    setObjectName(dialog.windowName());  // the name the platform finds the window by
    setWindowTitle(dialog.caption());
    setAccessibleRole(this, QAccessible::Dialog);
    setFont(MainWindow::windowFont());
    // Closing a dialog never ends the program; the main window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The key dialog's lists show key descriptions whose fields line up column under column only
    // in a fixed-pitch font.
    if (dialog.windowName() == QLatin1String("gyari")) {
        // At the window font's size, so that a whole description still fits the list's width.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPixelSize(MainWindow::windowFont().pixelSize());
        builder_.setFont({QStringLiteral("List1"), QStringLiteral("List2")}, fixed);
    }
    const Twips size = dialog.clientSize();
    clientSize_ = QSize(pixels(size.width), pixels(size.height));
    if (dialog.growingControl().isEmpty()) {
        setFixedSize(clientSize_);
    } else {
        setMinimumSize(clientSize_);
        resize(clientSize_);
    }
    builder_.build(dialog.controls());
    if (dialog.windowName() == QLatin1String("gyari")) addKeyProfile();
    if (!dialog.growingControl().isEmpty()) makeResizable(dialog.growingControl());
    // Escape closes the window wherever the focus is: a list would take it for a search.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void DialogView::addKeyProfile() {
    auto* keyDialog = qobject_cast<gyari*>(&dialog_);
    if (!keyDialog) return;
    constexpr int kTableHeight = 150;
    const int top = height();
    setFixedSize(width(), top + kTableHeight);
    QTableWidget* table = newKeyProfileTable(this);
    const int margin = pixels(120);
    table->setGeometry(margin, top, width() - 2 * margin, kTableHeight - margin);
    profileJob_ = std::make_unique<keys::KeyProfileJob>();
    connect(profileJob_.get(), &keys::KeyProfileJob::finished, table,
            [table](const std::vector<keys::ProfileRow>& rows) { showKeyProfile(*table, rows); });
    connect(&keyDialog->Text1, &TextEdit::textChanged, this, [this, keyDialog] {
        // A description that names no readable key empties the table, after any answer still due.
        auto key = keyDialog->keyInHand().value_or(std::pair<int, std::vector<keys::Bet>>());
        profileJob_->request(key.first, std::move(key.second));
    });
}

DialogView::~DialogView() {
    if (growing_)
        saveChoice(objectName() + QStringLiteral("/size"),
                   QStringLiteral("%1x%2").arg(width()).arg(height()));
}

void DialogView::makeResizable(const QString& growing) {
    growing_ = builder_.widget(growing);
    if (!growing_) return;
    for (Control* control : dialog_.controls()) {
        if (QWidget* widget = builder_.widget(control->name()))
            places_.emplace_back(widget, widget->geometry());
    }
    const QStringList saved = savedChoice(objectName() + QStringLiteral("/size")).split(u'x');
    if (saved.size() == 2) resize(QSize(saved[0].toInt(), saved[1].toInt()).expandedTo(clientSize_));
}

void DialogView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!growing_) return;
    const int wider = width() - clientSize_.width();
    const int taller = height() - clientSize_.height();
    QRect grown;
    for (const auto& [widget, place] : places_) {
        if (widget == growing_) grown = place;
    }
    for (const auto& [widget, place] : places_) {
        if (widget == growing_) {
            widget->setGeometry(place.adjusted(0, 0, wider, taller));
            continue;
        }
        const int right = place.center().x() > grown.center().x() ? wider : 0;
        const int down = place.top() >= grown.bottom() ? taller : 0;
        widget->setGeometry(place.translated(right, down));
    }
}

void DialogView::closeEvent(QCloseEvent* event) {
    event->ignore();
    dialog_.closeBox();
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

DialogViews::DialogViews(Form1& form, QObject* parent) : QObject(parent) {
    connect(&form, &Form1::dialogOpened, this, &DialogViews::open);
    connect(&form, &Form1::dialogRaised, this, &DialogViews::raise);
    connect(&form, &Form1::dialogClosing, this, &DialogViews::close);
}

DialogViews::~DialogViews() = default;

DialogView* DialogViews::view(const Dialog* dialog) const {
    const auto found = views_.find(dialog);
    return found == views_.end() ? nullptr : found->second.get();
}

void DialogViews::open(Dialog* dialog) {
    if (!dialog) return;
    if (view(dialog)) return raise(dialog);
    auto window = std::make_unique<DialogView>(*dialog);
    DialogView* shown = window.get();
    views_.emplace(dialog, std::move(window));
    emit viewCreated(shown);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void DialogViews::raise(Dialog* dialog) {
    DialogView* window = view(dialog);
    if (!window) return open(dialog);
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void DialogViews::close(Dialog* dialog) {
    const auto found = views_.find(dialog);
    if (found == views_.end()) return;
    std::unique_ptr<DialogView> window = std::move(found->second);
    views_.erase(found);
    window->hide();
    // The dialog may be closing from inside an event of this very window: let it return first.
    window.release()->deleteLater();
}

}  // namespace kombinator::ui
