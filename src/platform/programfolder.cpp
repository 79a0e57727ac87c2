#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kombinator {

namespace {

bool folderIsWritable(const QString& folder) {
    // Asking the file system is the only reliable answer (permissions, read-only mounts).
    QFile probe(QDir(folder).filePath(QStringLiteral(".kombinator-write-test")));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    return true;
}

void seed(const QString& shippedFolder, const QString& userFolder) {
    QDir shipped(shippedFolder);
    if (!shipped.exists()) return;
    QDirIterator it(shippedFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = QDir(userFolder).filePath(shipped.relativeFilePath(from));
        if (QFileInfo::exists(to)) continue;
        QDir().mkpath(QFileInfo(to).absolutePath());
        if (QFile::copy(from, to)) {
            QFile::setPermissions(to,
                                  QFile::permissions(to) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        }
    }
}

}  // namespace

QString chooseProgramFolder(const QString& executableFolder, const QString& shippedFolder,
                            const QString& userFolder) {
    if (folderIsWritable(executableFolder)) return executableFolder;
    QDir().mkpath(userFolder);
    seed(shippedFolder, userFolder);
    return userFolder;
}

QString programFolderOfThisProcess() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString shipped = QDir(executableFolder).filePath(QStringLiteral("../share/kombinator"));
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty()) user = QDir::home().filePath(QStringLiteral(".local/share/kombinator"));
    return chooseProgramFolder(executableFolder, QDir::cleanPath(shipped), user);
}

}  // namespace kombinator
