// The answers of a desktop with nothing on it: every question is answered OK (a number question
// with the number it shows), no clipboard, no dialogs, no other instance, no windows to place,
// and the program's own decimal separator.
// The stand-ins (tests, command line, benchmarks, fuzz targets) and the real desktop start from
// it and write only what they change.
#pragma once

#include "platform/platform.h"

namespace kombinator {

class BasicPlatform : public Platform {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgAnswer::Ok;
    }
    std::optional<QString> clipboardText() override { return std::nullopt; }
    std::optional<QString> clipboardHtml() override { return std::nullopt; }
    // Odds and amounts are read and written with a point whatever the locale (a Hungarian desktop
    // writes a comma elsewhere), so the separator asked for is the program's own.
    QString profileString(const QString& section, const QString& key, const QString& file) override;
    QString programFolder() override { return {}; }
    QString programName() override { return QStringLiteral("kombinator"); }
    QString applicationTitle() override { return QString::fromUtf8(kProgramTitle); }
    bool anotherInstanceRunning() override { return false; }
    void makeTopmost(const QString&) override {}
    void minimizeMainWindow() override {}
    void quit() override {}
    void setPointer(Pointer, const QString& = {}) override {}
    int openAddress(const QString&) override { return 0; }
    // Any non-empty file: the handlers only place a picture's name.
    bool isPicture(const QString& path) override;
    std::optional<int> askNumber(const NumberQuestion& question) override { return question.value; }
    std::optional<QString> openFileName(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogSetup&) override { return std::nullopt; }
};

}  // namespace kombinator
