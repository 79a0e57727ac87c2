#include "cli/cliplatform.h"

#include <cstdio>

#include "platform/programfolder.h"

namespace kombinator::cli {

MsgAnswer CliPlatform::messageBox(const QString& text, const QString& caption, MsgIcon icon, MsgButtons) {
    QString line = text;
    line.replace(u'\r', u'\n');
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    (void)caption;
    if (icon == MsgIcon::Stop) refused_ = true;
    return MsgAnswer::Ok;
}

QString CliPlatform::programFolder() {
    if (folder_.isEmpty()) folder_ = programFolderOfThisProcess();
    return folder_;
}

}  // namespace kombinator::cli
