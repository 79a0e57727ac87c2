// The platform of the benchmarks: nothing outside the program is needed, every question is
// answered with OK, and the program's folder is a temporary one.
#pragma once

#include <QTemporaryDir>

#include "platform/platform.h"

namespace kombinator::bench {

class QuietPlatform : public Platform {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override {
        ++messages;
        return MsgAnswer::Ok;
    }
    std::optional<QString> clipboardText() override { return clipboard; }
    QString profileString(const QString&, const QString&, const QString&) override {
        return QStringLiteral(".");
    }
    QString programFolder() override { return dir.path(); }
    QString programName() override { return QStringLiteral("kombinator"); }
    QString applicationTitle() override { return QStringLiteral("Kombinátor"); }
    bool anotherInstanceRunning() override { return false; }
    void makeTopmost(const QString&) override {}
    void minimizeMainWindow() override {}
    void quit() override {}
    void setPointer(Pointer, const QString&) override {}
    int openAddress(const QString&) override { return 42; }
    bool isPicture(const QString&) override { return false; }
    std::optional<QString> openFileName(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogSetup&) override { return std::nullopt; }

    QString clipboard;
    int messages = 0;
    QTemporaryDir dir;
};

}  // namespace kombinator::bench
