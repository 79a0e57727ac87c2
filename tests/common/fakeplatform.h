// A Platform for tests: records every message box and call, and answers from a script, so that
// no test ever waits for a modal dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <vector>

#include "platform/basicplatform.h"

namespace kombinator::test {

struct ShownMessage {
    QString text;
    QString caption;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakePlatform : public BasicPlatform {
public:
    FakePlatform();

    MsgAnswer messageBox(const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> clipboardText() override { return clipboard; }
    std::optional<QString> clipboardHtml() override { return clipboardHtmlFlavour; }
    QString profileString(const QString& section, const QString& key, const QString& file) override;
    QString programFolder() override { return folder; }
    QString programName() override { return name; }
    QString applicationTitle() override { return title; }
    bool anotherInstanceRunning() override { return otherInstance; }
    void makeTopmost(const QString& window) override { topmost.append(window); }
    void minimizeMainWindow() override { calls.append(QStringLiteral("minimize")); }
    void quit() override { quitRequested = true; }
    void setPointer(Pointer p, const QString& cursorFile) override;
    int openAddress(const QString& address) override;
    std::optional<int> askNumber(const NumberQuestion& question) override;
    std::optional<QString> openFileName(const FileDialogSetup& setup) override;
    std::optional<QString> saveFileName(const FileDialogSetup& setup) override;

    // Copies files of the shipped resources folder into the program folder.
    void installResources(const QStringList& names);
    // Writes a file into the program folder (a relative path with slashes) and returns its path.
    QString writeFile(const QString& relative, const QByteArray& bytes);

    // --- script ---
    std::optional<QString> clipboard = QString();
    std::optional<QString> clipboardHtmlFlavour;  // the HTML beside the text; none by default
    std::optional<QString> decimalSeparator;      // unset: the program's own
    bool otherInstance = false;
    QString name = QStringLiteral("kombinator");
    QString title = QStringLiteral("Kombinátor");
    std::deque<MsgAnswer> answers;                 // for OK/Cancel questions; OK when empty
    std::deque<QString> fileAnswers;               // for the file dialogs; a null text or none left: cancel
    std::deque<std::optional<int>> numberAnswers;  // nullopt: cancel; none left: OK as shown

    // --- record ---
    QTemporaryDir dir;
    QString folder;
    std::vector<ShownMessage> messages;
    QStringList topmost;
    QStringList calls;  // minimize, open:<address>
    bool quitRequested = false;
    Pointer pointer = Pointer::Default;
    QString pointerFile;
    std::vector<FileDialogSetup> fileDialogs;
    std::vector<NumberQuestion> numberQuestions;
};

}  // namespace kombinator::test
