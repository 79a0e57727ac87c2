#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

#include "platform/files.h"

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
    files::ReadResult content = files::readFile(path);
    if (!content.ok()) return std::nullopt;
    return std::move(content.bytes);
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

// The key library: a line per key, the key's file name first, then what the key does.
const QString kLibrary = QStringLiteral("tkulcs/tippek.inf");
// The library as it was last shipped to the user's folder: what is new in the next one.
const QString kShippedLibrary = QStringLiteral(".kombinator-shipped-library");

QString keyOf(const QString& line) {
    const QString text = line.trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    return text.left(end);
}

QMap<QString, QString> linesByKey(const QStringList& lines) {
    QMap<QString, QString> byKey;
    for (const QString& line : lines) {
        if (!keyOf(line).isEmpty()) byKey.insert(keyOf(line).toLower(), line);
    }
    return byKey;
}

// The user's own library with what a new version ships: a line the user never touched takes the
// new text of its key, a key shipped for the first time is added at the end; the user's own
// lines, changes and deletions stay. Keys are matched by their file name, whatever the text.
QByteArray mergedLibrary(const QByteArray& user, const QByteArray& shipped, const QByteArray& lastShipped) {
    const QMap<QString, QString> last = linesByKey(files::splitLines(files::decode(lastShipped)));
    const QMap<QString, QString> fresh = linesByKey(files::splitLines(files::decode(shipped)));
    QStringList lines;
    QSet<QString> keys;
    for (const QString& line : files::splitLines(files::decode(user))) {
        const QString key = keyOf(line).toLower();
        keys.insert(key);
        const bool untouched = !key.isEmpty() && last.value(key) == line && fresh.contains(key);
        lines.append(untouched ? fresh.value(key) : line);
    }
    for (const QString& line : files::splitLines(files::decode(shipped))) {
        const QString key = keyOf(line).toLower();
        if (!key.isEmpty() && !keys.contains(key) && !last.contains(key)) {
            lines.append(line);
            keys.insert(key);
        }
    }
    return files::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
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
        const bool library = relative == kLibrary;
        const QString lastLibrary = QDir(userFolder).filePath(kShippedLibrary);
        if (present && copiedFrom == hash) {  // nothing new was shipped
            if (library && !QFileInfo::exists(lastLibrary)) writeAtomically(lastLibrary, *bytes);
            continue;
        }
        bool mine = false;  // the copy in the user's folder is ours to replace
        if (!present) {
            // A shipped file the user deleted stays deleted.
            mine = copiedFrom.isEmpty();
        } else {
            const std::optional<QByteArray> current = readAll(to);
            if (!current) continue;
            const QByteArray currentHash = sha256(*current);
            if (currentHash == hash) {
                if (library) writeAtomically(lastLibrary, *bytes);
                manifest.insert(relative, hash);
                continue;
            }
            // Only a file that still holds exactly what we once copied: anything else is the
            // user's work, and so is a file from before we kept records.
            mine = !copiedFrom.isEmpty() && currentHash == copiedFrom;
            if (!mine && library) {
                const QByteArray merged =
                    mergedLibrary(*current, *bytes, readAll(lastLibrary).value_or(QByteArray()));
                if ((merged == *current || writeAtomically(to, merged)) &&
                    writeAtomically(lastLibrary, *bytes))
                    manifest.insert(relative, hash);
                continue;
            }
        }
        if (mine && writeAtomically(to, *bytes)) {
            if (library) writeAtomically(lastLibrary, *bytes);
            manifest.insert(relative, hash);
        }
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
    return chooseProgramFolder(executableFolder, QDir::cleanPath(installed), userDataFolder());
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
}

QString userDataFolder() {
    // The program's own data folder roams with the user on Windows (%APPDATA%, where the generic
    // data folder would be %LOCALAPPDATA%, which stays on one machine).
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty()) return data;
    return QDir::home().filePath(QStringLiteral(".local/share/") + QString::fromLatin1(kProgramName));
}

}  // namespace kombinator
