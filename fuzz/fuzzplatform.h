// A desktop for the fuzz targets: the clipboard holds the input, every question is answered with
// OK, and the program's folder is a temporary one with the marker pictures in it.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace kombinator::fuzz {

class FuzzPlatform : public Platform {
public:
    FuzzPlatform() {
        // Any non-empty file counts as a picture here; the handlers only place their names.
        for (const char* name : {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            if (file.open(QIODevice::WriteOnly)) file.write("BM");
        }
    }

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
    bool isPicture(const QString& path) override {
        const QFileInfo info(path);
        return info.isFile() && info.size() > 0;
    }
    std::optional<QString> openFileName(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogSetup&) override { return std::nullopt; }

    QTemporaryDir dir;
    std::optional<QString> clipboard;
    int messages = 0;
};

// A broken property is a finding: say where, and stop at once, so that libFuzzer keeps the input.
inline void require(bool holds, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (holds) return;
    std::fprintf(stderr, "property broken at %s:%d\n", file, line);
    std::abort();
}

}  // namespace kombinator::fuzz
