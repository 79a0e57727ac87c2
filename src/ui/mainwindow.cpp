#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "app/form1.h"
#include "app/language.h"
#include "keys/gyari.h"
#include "results/returntable.h"
#include "ui/accessibility.h"
#include "ui/gridview.h"
#include "ui/keymakerdialog.h"
#include "ui/returntabledialog.h"
#include "ui/twips.h"

namespace kombinator::ui {

QFont MainWindow::windowFont() {
    // Faces whose line is as high as the layout's one-line controls (13 pixels); some other sans
    // serifs (the URW ones) need 16 and would cut their descenders off. Only the installed ones
    // are named: a face the system lacks is looked for anew for every size and style of text.
    static const QStringList families = [] {
        const QStringList wanted{QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("DejaVu Sans"),     QStringLiteral("Noto Sans")};
        const QStringList installed = QFontDatabase::families();
        QStringList present;
        for (const QString& family : wanted) {
            if (installed.contains(family, Qt::CaseInsensitive)) present << family;
        }
        return present.isEmpty() ? wanted : present;
    }();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    // The layout is in pixels (15 twips each), so the text is too: 8.25 points at 96 dots per inch.
    font.setPixelSize(11);
    return font;
}

MainWindow::MainWindow(Form1& form, QWidget* parent) : QWidget(parent), form_(form), builder_(this) {
    setObjectName(QStringLiteral("Form1"));  // the name the platform finds the window by
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setAccessibleRole(this, QAccessible::Window);
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    setFont(windowFont());
    setMouseTracking(true);

    builder_.setFont({QStringLiteral("Grid1"), QStringLiteral("Grid2"), QStringLiteral("Command5"),
                      QStringLiteral("Label1"), QStringLiteral("Label6")},
                     windowFont());
    builder_.build(form.controls());

    // The information panel lies over the grids, but the tab strip and the commands it touches
    // at its lower edge stay above it and can be used while it shows.
    QWidget* panel = builder_.widget(QStringLiteral("Frame1"));
    QWidget* tabs = builder_.widget(QStringLiteral("SSTab1"));
    if (panel && tabs) panel->stackUnder(tabs);

    // The return table is asked for from the bet list and the amount list, or with Ctrl+T
    // anywhere in the window.
    for (const QString& name : {QStringLiteral("List1"), QStringLiteral("List3")}) {
        QWidget* list = builder_.widget(name);
        if (!list) continue;
        auto* action = new QAction(tr("Nyereménytábla…"), list);
        action->setObjectName(QStringLiteral("returnTableAction"));
        connect(action, &QAction::triggered, this, &MainWindow::showReturnTable);
        list->addAction(action);
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    if (QWidget* link = builder_.widget(QStringLiteral("Label6"))) {
        link->installEventFilter(this);
        setAccessibleRole(link, QAccessible::Link);
    }

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::showReturnTable);

    // The key maker: Ctrl+K here, or the key dialog's own button.
    auto* keyMakerShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(keyMakerShortcut, &QShortcut::activated, this, &MainWindow::showKeyMaker);
    connect(&form, &Form1::dialogOpened, this, [this](Dialog* dialog) {
        if (auto* keyDialog = qobject_cast<gyari*>(dialog))
            connect(keyDialog, &gyari::keyMakerRequested, this, &MainWindow::showKeyMaker);
    });
    setUpNamedBets();
    setUpKeyboard();
    setUpStretching();
    // The size the user left the window at, maximised or not.
    const QByteArray geometry =
        QByteArray::fromBase64(savedChoice(QString::fromLatin1(kGeometryKey)).toLatin1());
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    // The first turn of the event loop comes after show() has put the window on the screen.
    QTimer::singleShot(0, this, &MainWindow::finishAfterShowing);
}

void MainWindow::setUpNamedBets() {
    // "Egyéb fogadások" drops down its menu: an entry per named bet, its tips and bets in its
    // text, usable while it fits the tips in hand.
    auto* button = qobject_cast<QPushButton*>(builder_.widget(form_.Command25.name()));
    if (!button) return;
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("Command25Menu"));
    menu->setTitle(form_.Command25.accessibleName());
    for (Button& entry : form_.Command26) {
        QAction* action = menu->addAction(entry.accessibleName());
        action->setObjectName(entry.name());
        const auto follow = [action, &entry] {
            action->setText(entry.accessibleName());
            action->setEnabled(entry.isEnabled());
        };
        follow();
        connect(&entry, &Control::changed, action, follow);
        connect(action, &QAction::triggered, &entry, &Button::click);
    }
    button->setMenu(menu);
}

void MainWindow::finishAfterShowing() {
    QIcon icon;
    for (const char* name : {"\\kombinator.png", "\\kombinator-64.png", "\\kombinator-256.png"}) {
        const std::optional<QString> path = form_.programFile(QString::fromLatin1(name));
        if (path && QFileInfo(*path).isFile()) icon.addFile(*path);
    }
    // An installed copy whose user folder lost the pictures still has the desktop's icon theme.
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("kombinator"));
    if (!icon.isNull()) setWindowIcon(icon);
    form_.loadLegendPictures();
}

namespace {

// How a control follows the window as it grows: each edge moves by twelfths of the growth, the
// left and right edges by the width's, the top and bottom by the height's. The grids share the
// upper half of the added height, the tabs' lists and the amount list the lower half; the bet
// lists take three quarters of the added width, the amount list the rest. Buttons move with the
// edge they stand by and keep their size and their order; what is not named stays put.
struct Stretch {
    const char* name;
    int left, top, right, bottom;
};
constexpr Stretch kStretches[] = {
    {"Label3", 0, 0, 12, 0},     {"Label2", 12, 0, 12, 0},    {"Command24", 12, 0, 12, 0},
    {"Grid1", 0, 0, 12, 4},      {"Grid2", 0, 4, 12, 6},      {"Frame1", 6, 4, 6, 4},
    {"SSTab1", 0, 6, 9, 12},     {"List5", 0, 0, 9, 6},       {"List1", 0, 0, 9, 6},
    {"Command1", 9, 6, 9, 6},    {"Command22", 9, 6, 9, 6},   {"Command3", 9, 6, 9, 6},
    {"Command7", 9, 6, 9, 6},    {"Command2", 9, 6, 9, 6},    {"Command6", 9, 6, 9, 6},
    {"Command21", 9, 6, 9, 6},   {"List3", 9, 6, 12, 12},     {"Command4", 0, 12, 0, 12},
    {"Label1", 0, 12, 0, 12},    {"Command20", 0, 12, 0, 12}, {"Check2", 9, 12, 9, 12},
    {"Command19", 9, 12, 9, 12}, {"Check1", 12, 12, 12, 12},  {"Command5", 12, 12, 12, 12},
    {"Command25", 12, 0, 12, 0},
};

}  // namespace

void MainWindow::setUpStretching() {
    QHash<QString, Control*> controls;
    for (Control* control : form_.controls())
        controls.insert(control->name(), control);
    const auto follow = [&](const QString& name, int left, int top, int right, int bottom) {
        const Control* control = controls.value(name);
        QWidget* widget = builder_.widget(name);
        if (control && widget)
            stretched_.push_back({widget, pixels(control->geometry()), left, top, right, bottom});
    };
    for (const Stretch& s : kStretches)
        follow(QString::fromLatin1(s.name), s.left, s.top, s.right, s.bottom);
    // The calculators' column stands by the right edge.
    for (const Button* button : form_.calculatorButtons())
        follow(button->name(), 12, 0, 12, 0);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int dx = std::max(0, width() - kWidth);
    const int dy = std::max(0, height() - kHeight);
    for (const Stretched& s : stretched_) {
        if (!s.widget) continue;
        const QRect& r = s.original;
        builder_.place(s.widget,
                       QRect(QPoint(r.left() + dx * s.left / 12, r.top() + dy * s.top / 12),
                             QPoint(r.right() + dx * s.right / 12, r.bottom() + dy * s.bottom / 12)));
    }
    for (const QString& name : {QStringLiteral("Grid1"), QStringLiteral("Grid2")}) {
        if (auto* grid = qobject_cast<GridView*>(builder_.widget(name))) grid->setExtraWidth(dx);
    }
}

KeyMakerDialog* MainWindow::keyMakerDialog() const {
    return keyMaker_;
}

void MainWindow::showKeyMaker() {
    if (!keyMaker_) keyMaker_ = new KeyMakerDialog(form_, this);
    keyMaker_->show();
    keyMaker_->raise();
    keyMaker_->activateWindow();
}

void MainWindow::setUpKeyboard() {
    const auto named = [this](const QString& name) { return builder_.widget(name); };
    QWidget* grid1 = named(QStringLiteral("Grid1"));
    QWidget* grid2 = named(QStringLiteral("Grid2"));
    auto* tabs = qobject_cast<QTabWidget*>(named(QStringLiteral("SSTab1")));

    // The link and the information panel take the focus from the keyboard as well.
    for (const QString& name : {QStringLiteral("Label6"), QStringLiteral("Label4")}) {
        if (QWidget* label = named(name)) label->setFocusPolicy(Qt::TabFocus);
    }
    // The banker grid is a stop of Tab once it holds a banker; empty, it has nothing to offer,
    // and the way from the tips to the commands stays short.
    if (grid2) {
        const auto followBankers = [this, grid2] {
            const bool holdsBanker =
                !form_.Grid2.textAt(1, 0).isEmpty() || !form_.Grid2.textAt(1, 1).isEmpty();
            grid2->setFocusPolicy(holdsBanker ? Qt::StrongFocus : Qt::ClickFocus);
        };
        followBankers();
        connect(&form_.Grid2, &Grid::cellChanged, grid2, followBankers);
    }

    // Tab follows the screen: the link, the panel over the grids, the grids, the tabs and their
    // lists, the amounts, the commands row by row, the calculators column by column, the check
    // boxes, and "Kilép" last.
    QStringList order{QStringLiteral("Label6"), QStringLiteral("Label4"), QStringLiteral("Grid1"),
                      QStringLiteral("Grid2")};
    QList<QWidget*> chain;
    for (const QString& name : order)
        chain << named(name);
    if (tabs) chain << tabs->tabBar();
    order = {QStringLiteral("List5"),     QStringLiteral("List1"),     QStringLiteral("Option2_0"),
             QStringLiteral("Option2_1"), QStringLiteral("Option1_0"), QStringLiteral("Option1_1"),
             QStringLiteral("Option1_2"), QStringLiteral("Option3_0"), QStringLiteral("Option3_1"),
             QStringLiteral("Option3_2"), QStringLiteral("Option3_3"), QStringLiteral("List3"),
             QStringLiteral("Command1"),  QStringLiteral("Command22"), QStringLiteral("Command3"),
             QStringLiteral("Command7"),  QStringLiteral("Command2"),  QStringLiteral("Command6"),
             QStringLiteral("Command21"), QStringLiteral("Command4"),  QStringLiteral("Command20"),
             QStringLiteral("Command19"), QStringLiteral("Command24")};
    for (int i = 0; i < 12; ++i)
        order << QStringLiteral("Command8_%1").arg(i);
    for (int i = 9; i <= 18; ++i)
        order << QStringLiteral("Command%1").arg(i);
    order << form_.Command25.name();
    order << QStringLiteral("Check2") << QStringLiteral("Check1") << QStringLiteral("Command5");
    for (const QString& name : order)
        chain << named(name);
    for (QWidget* widget : chain) {
        if (widget) tabChain_ << widget;
    }
    if (grid1) grid1->setFocus();  // the tips are where the work is

    // Escape takes the information panel away from wherever the focus is, as a click on it does.
    auto* dismiss = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    dismiss->setObjectName(QStringLiteral("dismissPanel"));
    connect(dismiss, &QShortcut::activated, &form_.Label4, &Label::click);
    const auto followPanel = [this, dismiss] { dismiss->setEnabled(form_.Frame1.isVisible()); };
    followPanel();
    connect(&form_.Frame1, &Control::changed, dismiss, followPanel);

    // F1 opens the guide from anywhere in the window, as its link does, and keeps the window in
    // sight beside it.
    auto* guide = new QShortcut(QKeySequence::HelpContents, this);
    connect(guide, &QShortcut::activated, this, [this] { form_.openGuide(); });
}

ReturnTableDialog* MainWindow::returnTableDialog() const {
    return returnTable_;
}

void MainWindow::showReturnTable() {
    if (form_.eachWay()) {
        const std::optional<results::EachWayBets> bets = results::eachWayBets(form_);
        if (!bets) {
            form_.platform().messageBox(results::tooManyEachWayTipsText(), QString::fromUtf8(kProgramTitle),
                                        MsgIcon::Stop, MsgButtons::Ok);
            if (returnTable_) returnTable_->hide();
            return;
        }
        if (!returnTable_) returnTable_ = new ReturnTableDialog(this);
        returnTable_->showEachWayBets(*bets);
        returnTable_->show();
        returnTable_->raise();
        returnTable_->activateWindow();
        return;
    }
    const std::optional<results::ReturnBets> bets = results::requestReturnBets(form_);
    if (!bets) {
        // A table of an earlier, smaller list would pass for this one's.
        if (returnTable_) returnTable_->hide();
        return;
    }
    if (!returnTable_) returnTable_ = new ReturnTableDialog(this);
    returnTable_->showBets(*bets);
    returnTable_->show();
    returnTable_->raise();
    returnTable_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveChoice(QString::fromLatin1(kGeometryKey), QString::fromLatin1(saveGeometry().toBase64()));
    form_.Form_Unload();
    QWidget::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The link's pointer belongs to the link: leaving it, even straight onto another control,
    // gives the window its own pointer back.
    if (event->type() == QEvent::Leave && watched == builder_.widget(QStringLiteral("Label6")))
        form_.Form_MouseMove();
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::focusNextPrevChild(bool next) {
    // A stop takes the focus while it shows and is enabled; of a group of option buttons only the
    // chosen one, the arrows move within the group.
    const auto takesTab = [](const QWidget* widget) {
        if (!widget || !widget->isVisible() || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus))
            return false;
        const auto* radio = qobject_cast<const QRadioButton*>(widget);
        return !radio || radio->isChecked() || !radio->group() || !radio->group()->checkedButton();
    };
    const qsizetype count = tabChain_.size();
    if (count == 0) return QWidget::focusNextPrevChild(next);
    const QWidget* focus = QApplication::focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < count && at < 0; ++i) {
        const QWidget* stop = tabChain_.at(i);
        if (stop && focus && (stop == focus || stop->isAncestorOf(focus))) at = i;
    }
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = at < 0 ? (next ? step - 1 : count - step)
                                   : ((at + (next ? step : -step)) % count + count) % count;
        QWidget* stop = tabChain_.at(i);
        if (!takesTab(stop)) continue;
        stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves over a control reach the window too; only its bare surface resets the pointer.
    if (!childAt(event->position().toPoint())) form_.Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

}  // namespace kombinator::ui
