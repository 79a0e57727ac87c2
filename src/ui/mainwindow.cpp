#include "ui/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QShortcut>

#include "app/form1.h"
#include "keys/gyari.h"
#include "results/returntable.h"
#include "ui/keymakerdialog.h"
#include "ui/returntabledialog.h"

namespace kombinator::ui {

QFont MainWindow::windowFont() {
    QFont font;
    // Faces whose line is as high as the layout's one-line controls (13 pixels); some other sans
    // serifs (the URW ones) need 16 and would cut their descenders off.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    // The layout is in pixels (15 twips each), so the text is too: 8.25 points at 96 dots per inch.
    font.setPixelSize(11);
    return font;
}

MainWindow::MainWindow(Form1& form, QWidget* parent) : QWidget(parent), form_(form), builder_(this) {
    setObjectName(QStringLiteral("Form1"));  // the name the platform finds the window by
    setWindowTitle(QStringLiteral("Kombinátor"));
    QIcon icon;
    for (const char* name : {"\\kombinator.png", "\\kombinator-64.png", "\\kombinator-256.png"}) {
        const std::optional<QString> path = form.programFile(QString::fromLatin1(name));
        if (path && QFileInfo(*path).isFile()) icon.addFile(*path);
    }
    // An installed copy whose user folder lost the pictures still has the desktop's icon theme.
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("kombinator"));
    if (!icon.isNull()) setWindowIcon(icon);
    setFixedSize(kWidth, kHeight);
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
        auto* action = new QAction(QStringLiteral("Nyereménytábla…"), list);
        action->setObjectName(QStringLiteral("returnTableAction"));
        connect(action, &QAction::triggered, this, &MainWindow::showReturnTable);
        list->addAction(action);
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    if (QWidget* link = builder_.widget(QStringLiteral("Label6"))) link->installEventFilter(this);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::showReturnTable);

    // The key maker: Ctrl+K here, or the key dialog's own button.
    auto* keyMakerShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(keyMakerShortcut, &QShortcut::activated, this, &MainWindow::showKeyMaker);
    connect(&form, &Form1::dialogOpened, this, [this](Dialog* dialog) {
        if (auto* keyDialog = qobject_cast<gyari*>(dialog))
            connect(keyDialog, &gyari::keyMakerRequested, this, &MainWindow::showKeyMaker);
    });
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

ReturnTableDialog* MainWindow::returnTableDialog() const {
    return returnTable_;
}

void MainWindow::showReturnTable() {
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

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves over a control reach the window too; only its bare surface resets the pointer.
    if (!childAt(event->position().toPoint())) form_.Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

}  // namespace kombinator::ui
