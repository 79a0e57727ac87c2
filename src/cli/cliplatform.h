// The platform of the command-line front end: the coupon is the clipboard, messages go to
// standard error, and there are no windows to place.
#pragma once

#include "platform/platform.h"

namespace kombinator::cli {

class CliPlatform : public Platform {
public:
    explicit CliPlatform(QString clipboard) : clipboard_(std::move(clipboard)) {}

    MsgAnswer messageBox(const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> clipboardText() override { return clipboard_; }
    QString profileString(const QString& section, const QString& key, const QString& file) override;
    QString programFolder() override;
    QString programName() override { return QStringLiteral("kombinator-cli"); }
    QString applicationTitle() override { return QStringLiteral("Kombinátor"); }
    bool anotherInstanceRunning() override { return false; }
    void makeTopmost(const QString&) override {}
    void minimizeMainWindow() override {}
    void quit() override {}
    void setPointer(Pointer, const QString&) override {}
    int openAddress(const QString&) override { return 0; }
    bool isPicture(const QString& path) override;
    std::optional<QString> openFileName(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogSetup&) override { return std::nullopt; }

    // A refusal (a message with the stop icon) was shown since the last call.
    bool takeRefusal() {
        const bool refused = refused_;
        refused_ = false;
        return refused;
    }

private:
    QString clipboard_;
    QString folder_;
    bool refused_ = false;
};

}  // namespace kombinator::cli
