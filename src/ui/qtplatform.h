// The real desktop behind the Platform interface: Qt message boxes and file dialogs, the
// clipboard, the user's locale, the executable's folder, a lock file against a second copy.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>

#include "platform/basicplatform.h"

class QLockFile;
class QWidget;

namespace kombinator::ui {

// A filter of the common file dialog ("Minden(*.*)|*.*|Text(*.txt)|*.txt") as Qt name filters
// ("Minden (*)", "Text (*.txt)"). "*.*" means every file, also those without a dot in the name.
QStringList nameFilters(const QString& filter);

class QtPlatform : public BasicPlatform {
public:
    // `lockFolder` is where the single-instance lock lives; empty: the user's runtime folder.
    explicit QtPlatform(const QString& lockFolder = {});
    ~QtPlatform() override;

    MsgAnswer messageBox(const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> clipboardText() override;
    std::optional<QString> clipboardHtml() override;
    QString programFolder() override;
    QString programName() override;
    QString applicationTitle() override;
    bool anotherInstanceRunning() override;
    void makeTopmost(const QString& window) override;
    void minimizeMainWindow() override;
    void quit() override;
    void setPointer(Pointer pointer, const QString& cursorFile = {}) override;
    int openAddress(const QString& address) override;
    bool isPicture(const QString& path) override;
    std::optional<int> askNumber(const NumberQuestion& question) override;
    std::optional<QString> openFileName(const FileDialogSetup& setup) override;
    std::optional<QString> saveFileName(const FileDialogSetup& setup) override;

    // True once quit() was asked for; main() then ends without showing the window, since the
    // event loop that quit() would stop may not be running yet.
    bool quitRequested() const { return quitRequested_; }

    // Gives a window that has just been built what the handlers already asked for it (a dialog's
    // start-up may place it on top before its view exists).
    void prepareWindow(QWidget* window);

    // The lock file's full path.
    QString lockFilePath() const;

    // Starts taking the single-instance lock beside the building of the window: the lock file is
    // synced to disk, which may take longer than the whole window. anotherInstanceRunning()
    // waits for the answer.
    void lockInBackground();

    // An owner of the clipboard that answers does so within moments; a read that waited this long
    // for nothing was not answered.
    static constexpr qint64 kNoAnswerMs = 900;

private:
    std::optional<QString> fileDialog(const FileDialogSetup& setup, bool save);

    QString lockFolder_;
    QString programFolder_;
    std::unique_ptr<QLockFile> lock_;
    std::future<std::unique_ptr<QLockFile>> locking_;
    QSet<QString> topmost_;
    bool quitRequested_ = false;
    bool offersHtml_ = false;  // the clipboard offered HTML when its text was read last
};

}  // namespace kombinator::ui
