#include "ui/qtplatform.h"

#include "platform/files.h"
#include "platform/programfolder.h"
#include "platform/text.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace kombinator::ui {

namespace {

const QString kMainWindow = QStringLiteral("Form1");

// Our own top-level windows carry the name of the window they show ("Form1", "gyari", "Form2").
QWidget* windowNamed(const QString& name) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

// The window a modal box belongs to: the active one, else the main window once it shows.
QWidget* ownerWindow() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    if (QWidget* active = QApplication::activeWindow()) return active;
    QWidget* main = windowNamed(kMainWindow);
    return main && main->isVisible() ? main : nullptr;
}

void placeOnTop(QWidget* window) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    const bool visible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) {
        // Changing the flags hides a shown window; bring it back where it was.
        window->setGeometry(geometry);
        window->show();
    }
}

// A handler's text marks line ends with a carriage return.
QString displayText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// An icon file carries no hot spot; the pointer's tip is its topmost opaque pixel.
QPoint hotSpot(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) return {x, y};
        }
    }
    return {-1, -1};
}

}  // namespace

QStringList nameFilters(const QString& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description often names its patterns itself ("Minden(*.*)"); Qt adds them again.
        QString description = parts.at(i).trimmed();
        description.remove(trailingPatterns);
        QStringList patterns;
        for (const QString& pattern : parts.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            if (p.isEmpty()) continue;
            patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty()) continue;
        const QString list = u'(' + patterns.join(u' ') + u')';
        result.append(description.isEmpty() ? list : description + u' ' + list);
    }
    return result;
}

QtPlatform::QtPlatform(const QString& lockFolder) : lockFolder_(lockFolder) {
    if (lockFolder_.isEmpty())
        lockFolder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder_.isEmpty()) lockFolder_ = QDir::tempPath();
}

QtPlatform::~QtPlatform() = default;

MsgAnswer QtPlatform::messageBox(const QString& text, const QString& caption, MsgIcon icon,
                                 MsgButtons buttons) {
    QWidget* owner = ownerWindow();
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    // Our windows stay on top; a box without an owner must not open behind them.
    if (!owner && !topmost_.isEmpty()) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Cancel) ? MsgAnswer::Cancel : MsgAnswer::Ok;
}

std::optional<QString> QtPlatform::clipboardText() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data) return std::nullopt;
    // The clipboard's content belongs to the program it was copied from, and Qt asks that program
    // for it. When the program does not answer (it hangs, or it was stopped), Qt waits up to a
    // limit of its own (five seconds under X11, which it does not let us shorten) and then answers
    // as if there were nothing: only the time it took tells the two apart. So the owner is asked
    // once what it offers, and a read that came back empty after such a wait is a failed read.
    QElapsedTimer waited;
    waited.start();
    const QStringList formats = data->formats();
    offersHtml_ = formats.contains(QStringLiteral("text/html"));
    if (formats.isEmpty()) {
        if (waited.elapsed() >= kNoAnswerMs) return std::nullopt;
        return QString();
    }
    // The text too is asked for once: in UTF-8 when offered (Qt's text() would ask again in
    // another form after a request that went unanswered).
    const QString utf8 = QStringLiteral("text/plain;charset=utf-8");
    waited.restart();
    QString text;
    if (formats.contains(utf8)) {
        const QByteArray bytes = data->data(utf8);
        // No coupon or offer comes near the cap of a file read; a larger text is refused whole.
        if (bytes.size() > files::kReadCap) return std::nullopt;
        text = QString::fromUtf8(bytes);
    } else {
        text = data->text();
    }
    if (text.size() > files::kReadCap) return std::nullopt;
    if (text.isEmpty() && waited.elapsed() >= kNoAnswerMs) return std::nullopt;
    return files::withCrLf(text);
}

// The owner answered for the text a moment ago, so it is asked for the HTML only when it offered
// one then: a program that stopped answering costs no second wait.
std::optional<QString> QtPlatform::clipboardHtml() {
    if (!offersHtml_ || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data) return std::nullopt;
    // Qt hands the HTML over in UTF-8, whatever form the browser offered it in.
    const QByteArray bytes = data->data(QStringLiteral("text/html"));
    if (bytes.isEmpty() || bytes.size() > kMaxClipboardHtml) return std::nullopt;
    return QString::fromUtf8(bytes);
}

QString QtPlatform::programFolder() {
    // Asked for every picture and file: decided once, as it may copy the shipped files into the
    // user's folder the first time an installed copy runs.
    if (programFolder_.isEmpty()) programFolder_ = programFolderOfThisProcess();
    return programFolder_;
}

QString QtPlatform::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString QtPlatform::applicationTitle() {
    return QString::fromUtf8(kProgramTitle);
}

QString QtPlatform::lockFilePath() const {
    return QDir(lockFolder_).filePath(QStringLiteral("kombinator.lock"));
}

namespace {

// The lock, held or not; its error tells why not.
std::unique_ptr<QLockFile> tryLock(const QString& folder, const QString& path) {
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(path);
    // Only a live owner counts: a lock left behind by a killed copy is taken over at once. The
    // owner is recognised by process id and program name, so the application name must stay the
    // executable's own.
    lock->setStaleLockTime(0);
    lock->tryLock(0);
    return lock;
}

}  // namespace

void QtPlatform::lockInBackground() {
    if (lock_ || locking_.valid()) return;
    locking_ = std::async(std::launch::async, tryLock, lockFolder_, lockFilePath());
}

bool QtPlatform::anotherInstanceRunning() {
    if (lock_) return false;  // we are the running copy
    std::unique_ptr<QLockFile> lock =
        locking_.valid() ? locking_.get() : tryLock(lockFolder_, lockFilePath());
    if (lock->isLocked()) {
        lock_ = std::move(lock);  // held for the program's life
        return false;
    }
    // A lock we cannot even create (no permission, no such folder) says nothing about another copy.
    return lock->error() == QLockFile::LockFailedError;
}

void QtPlatform::makeTopmost(const QString& window) {
    topmost_.insert(window);
    if (QWidget* w = windowNamed(window)) placeOnTop(w);
}

void QtPlatform::prepareWindow(QWidget* window) {
    if (window && topmost_.contains(window->objectName())) placeOnTop(window);
}

void QtPlatform::minimizeMainWindow() {
    if (QWidget* w = windowNamed(kMainWindow)) w->showMinimized();
}

void QtPlatform::quit() {
    quitRequested_ = true;
    // QCoreApplication::quit() first asks every window to close and gives up at the first one
    // that refuses, and a dialog's window leaves closing to its dialog. exit() ends the event
    // loop (a modal box's too) at once; open dialogs go with the program without writing
    // anything, as after their own close box. Before the loop runs there is nothing to end
    // (main() then ends unseen), and exit() would stop the first loop still to come.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void QtPlatform::setPointer(Pointer pointer, const QString& cursorFile) {
    QWidget* w = windowNamed(kMainWindow);
    if (!w) return;
    if (pointer == Pointer::Default) {
        w->unsetCursor();
        return;
    }
    QImage image;
    if (!cursorFile.isEmpty() && image.load(cursorFile)) {
        const QPoint spot = hotSpot(image);
        w->setCursor(QCursor(QPixmap::fromImage(image), spot.x(), spot.y()));
    } else {
        w->setCursor(Qt::PointingHandCursor);
    }
}

int QtPlatform::openAddress(const QString& address) {
    if (address.isEmpty()) return 0;
    const QUrl url =
        QFileInfo(address).isAbsolute() ? QUrl::fromLocalFile(address) : QUrl::fromUserInput(address);
    constexpr int kOpened = 42;  // any code above 32 means success to the caller
    return url.isValid() && QDesktopServices::openUrl(url) ? kOpened : 0;
}

bool QtPlatform::isPicture(const QString& path) {
    if (path.isEmpty()) return false;
    QImageReader reader(path);
    return reader.canRead();
}

std::optional<int> QtPlatform::askNumber(const NumberQuestion& question) {
    QDialog dialog(ownerWindow());
    dialog.setObjectName(QStringLiteral("numberDialog"));
    dialog.setWindowTitle(question.caption);
    auto* label = new QLabel(question.text, &dialog);
    auto* number = new QSpinBox(&dialog);
    number->setRange(question.min, question.max);
    number->setValue(question.value);
    label->setBuddy(number);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // The program's own word: Qt's would be English wherever Qt's catalogue is not installed.
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("numberdialog", "Mégse"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(number);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    number->selectAll();
    if (!ownerWindow() && !topmost_.isEmpty()) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return number->value();
}

std::optional<QString> QtPlatform::openFileName(const FileDialogSetup& setup) {
    return fileDialog(setup, false);
}

std::optional<QString> QtPlatform::saveFileName(const FileDialogSetup& setup) {
    return fileDialog(setup, true);
}

std::optional<QString> QtPlatform::fileDialog(const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(ownerWindow(), QString(), setup.initialFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.overwritePrompt);
    const QStringList filters = nameFilters(setup.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(setup.filterIndex - 1));
    }
    if (!setup.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.fileName.isEmpty()) dialog.selectFile(setup.fileName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first();
}

}  // namespace kombinator::ui
