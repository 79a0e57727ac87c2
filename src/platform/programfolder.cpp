#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

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

std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

using Manifest = QMap<QString, QByteArray>;  // relative path -> hash of the shipped bytes

Manifest readManifest(const QString& path) {
    Manifest manifest;
    const std::optional<QByteArray> bytes = readAll(path);
    if (!bytes) return manifest;
    for (const QByteArray& line : bytes->split('\n')) {
        const qsizetype gap = line.indexOf("  ");
        if (gap <= 0) continue;
        manifest.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap));
    }
    return manifest;
}

void writeManifest(const QString& path, const Manifest& manifest) {
    QByteArray bytes;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it)
        bytes += it.value() + "  " + it.key().toUtf8() + '\n';
    writeAtomically(path, bytes);
}

// The user folder of an installed copy, never the installed data folder itself.
QString ownUserFolder(const QString& installedDataFolder, const QString& userFolder) {
    const QString installed = QFileInfo(installedDataFolder).canonicalFilePath();
    const QString user = QFileInfo(userFolder).canonicalFilePath();
    if (!installed.isEmpty() && installed == user)
        return QDir::cleanPath(userFolder) + QStringLiteral("-user");
    return userFolder;
}

}  // namespace

bool holdsProgramData(const QString& folder) {
    // Files unpacked from an archive made elsewhere may spell the folder in capitals.
    const QStringList all = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(all.cbegin(), all.cend(), [](const QString& name) {
        return name.compare(QLatin1String("tkulcs"), Qt::CaseInsensitive) == 0;
    });
}

void refreshShippedFiles(const QString& shippedFolder, const QString& userFolder) {
    const QDir shipped(shippedFolder);
    if (!shipped.exists()) return;
    const QString manifestPath = QDir(userFolder).filePath(QString::fromLatin1(kShippedManifest));
    const Manifest recorded = readManifest(manifestPath);
    Manifest manifest = recorded;
    QDirIterator it(shippedFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        // The programs themselves live beside the data of an unpacked folder, on Windows with
        // their libraries and plugins; they are no data.
        if (it.fileInfo().isExecutable() || it.fileInfo().suffix().compare(u"dll", Qt::CaseInsensitive) == 0)
            continue;
        const std::optional<QByteArray> bytes = readAll(from);
        if (!bytes) continue;
        const QString relative = shipped.relativeFilePath(from);
        const QString to = QDir(userFolder).filePath(relative);
        const QByteArray hash = sha256(*bytes);
        const QByteArray copiedFrom = recorded.value(relative);
        const bool present = QFileInfo::exists(to);
        if (present && copiedFrom == hash) continue;  // nothing new was shipped
        bool mine = false;                            // the copy in the user's folder is ours to replace
        if (!present) {
            mine = true;
        } else {
            const std::optional<QByteArray> current = readAll(to);
            if (!current) continue;
            const QByteArray currentHash = sha256(*current);
            if (currentHash == hash) {
                manifest.insert(relative, hash);
                continue;
            }
            // Only a file that still holds exactly what we once copied: anything else is the
            // user's work, and so is a file from before we kept records.
            mine = !copiedFrom.isEmpty() && currentHash == copiedFrom;
        }
        if (mine && writeAtomically(to, *bytes)) manifest.insert(relative, hash);
    }
    if (manifest != recorded) writeManifest(manifestPath, manifest);
}

QString chooseProgramFolder(const QString& executableFolder, const QString& installedDataFolder,
                            const QString& userFolder) {
    QString shipped;
    QString user = userFolder;
    if (QFileInfo(installedDataFolder).isDir()) {
        shipped = installedDataFolder;
        user = ownUserFolder(installedDataFolder, userFolder);
    } else if (holdsProgramData(executableFolder)) {
        if (folderIsWritable(executableFolder)) return executableFolder;
        shipped = executableFolder;
    }
    QDir().mkpath(user);
    if (!shipped.isEmpty()) refreshShippedFiles(shipped, user);
    return user;
}

QString programFolderOfThisProcess() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString installed = QDir(executableFolder).filePath(QStringLiteral("../share/kombinator"));
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty()) user = QDir::home().filePath(QStringLiteral(".local/share/kombinator"));
    return chooseProgramFolder(executableFolder, QDir::cleanPath(installed), user);
}

}  // namespace kombinator
