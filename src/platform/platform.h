// Everything outside the program: message boxes, file dialogs, the clipboard, the user's locale,
// the program's folder, pictures and the pointer, the shell, other instances. QtPlatform (src/ui)
// answers with the real desktop; FakePlatform (tests) records and answers from a script.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kombinator {

// The program's name as the desktop shows it: the window's title and the caption of the messages
// that speak for the program as a whole.
inline constexpr const char* kProgramTitle = "Kombinátor";

enum class MsgIcon { None, Stop, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel };
enum class MsgAnswer { Ok, Cancel };

// How the common file dialog is set up for saving or loading.
struct FileDialogSetup {
    QString initialFolder;
    QString fileName;       // proposed name
    QString filter;         // "Name(*.a)|*.a|Other(*.b)|*.b"
    int filterIndex = 1;    // 1-based entry selected at first
    QString defaultSuffix;  // added when the user types a name without one
    bool overwritePrompt = true;
};

enum class Pointer { Default, Link };

// A whole number asked for in a small dialog: a spin box from `min` to `max`, showing `value` at
// first, with OK and "Mégse".
struct NumberQuestion {
    QString text;
    QString caption;
    int min = 0;
    int max = 0;
    int value = 0;
};

// A copied page's HTML beyond this is no slip: the program reads the copy's text alone, as it
// does when a program offers no HTML. Bookmakers' whole pages stay well under it.
inline constexpr qsizetype kMaxClipboardHtml = 8 * 1024 * 1024;

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box. `text` may hold carriage returns, which show as line breaks.
    virtual MsgAnswer messageBox(const QString& text, const QString& caption, MsgIcon icon,
                                 MsgButtons buttons) = 0;

    // The clipboard's plain text with every line end as CR LF; nullopt when it cannot be read,
    // and for a text larger than files::kReadCap.
    virtual std::optional<QString> clipboardText() = 0;
    // The HTML the clipboard offers beside its text (a browser's copy of a page), as the program
    // it was copied from gave it; nullopt when it offers none or it cannot be read, and for an
    // HTML larger than kMaxClipboardHtml characters. Asked only after the text was read.
    virtual std::optional<QString> clipboardHtml() = 0;

    // The value of `key` in `section` of the named profile file; the empty text when absent.
    // Section "intl", key "sdecimal" gives the user's decimal separator.
    virtual QString profileString(const QString& section, const QString& key, const QString& file) = 0;

    // The folder the program's files live in (pictures, keys, saved selections).
    virtual QString programFolder() = 0;
    // The program file's name without folder and extension ("kombinator").
    virtual QString programName() = 0;
    // The application's title, the caption of the single-instance message.
    virtual QString applicationTitle() = 0;

    // True when another instance of the program already runs (and keeps running).
    virtual bool anotherInstanceRunning() = 0;

    // Places a window of the program ("Form1", "gyari", "Form2") above all other windows.
    virtual void makeTopmost(const QString& window) = 0;
    virtual void minimizeMainWindow() = 0;
    virtual void quit() = 0;

    // The pointer over the main window: the default arrow, or the link cursor loaded from
    // `cursorFile` (a full path; the platform falls back to its own pointing hand when empty
    // or unreadable).
    virtual void setPointer(Pointer pointer, const QString& cursorFile = {}) = 0;

    // Asks the desktop to open an address or file; returns a result code (> 32 on success).
    virtual int openAddress(const QString& address) = 0;

    // Whether the file at `path` is a picture that can be shown.
    virtual bool isPicture(const QString& path) = 0;

    // The number the user chose; nullopt when the user cancels.
    virtual std::optional<int> askNumber(const NumberQuestion& question) = 0;

    // The common file dialog; nullopt when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogSetup& setup) = 0;
};

}  // namespace kombinator
