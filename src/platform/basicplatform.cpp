#include "platform/basicplatform.h"

#include <QFileInfo>

#include "platform/text.h"

namespace kombinator {

QString BasicPlatform::profileString(const QString& section, const QString& key, const QString& file) {
    // Profile names are not case-sensitive. The only value the program asks for is the decimal
    // separator, to warn when odds would be read wrongly.
    if (section.compare(QLatin1String("intl"), Qt::CaseInsensitive) == 0 &&
        key.compare(QLatin1String("sdecimal"), Qt::CaseInsensitive) == 0 &&
        file.compare(QLatin1String("win.ini"), Qt::CaseInsensitive) == 0) {
        return QString(QChar(kNumberDecimalSeparator));
    }
    return {};
}

bool BasicPlatform::isPicture(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

}  // namespace kombinator
