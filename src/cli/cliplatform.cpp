#include "cli/cliplatform.h"

#include <QFileInfo>

#include <cstdio>

#include "platform/programfolder.h"
#include "platform/text.h"

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

QString CliPlatform::profileString(const QString& section, const QString& key, const QString& file) {
    // Odds are read and written with a point whatever the terminal's locale says.
    if (section == QLatin1String("intl") && key == QLatin1String("sdecimal") &&
        file == QLatin1String("win.ini"))
        return QString(QChar(kNumberDecimalSeparator));
    return {};
}

QString CliPlatform::programFolder() {
    if (folder_.isEmpty()) folder_ = programFolderOfThisProcess();
    return folder_;
}

bool CliPlatform::isPicture(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

}  // namespace kombinator::cli
