#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

#include "platform/nativefile.h"
#include "platform/windows1250.h"

namespace kombinator::files {

namespace {

bool acceptableComponent(const QString& part) {
    if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")) return false;
    for (QChar ch : part) {
        if (ch == u'/' || ch == u':' || ch.unicode() == 0) return false;
    }
    return !systemTakesOtherwise(part);
}

// The entry of `dir` whose name equals `part` without regard to case; `part` itself when none does.
QString matchEntry(const QDir& dir, const QString& part) {
    // A system whose names ignore case answers for any spelling: the listing has the one on the disk.
    if (!namesIgnoreCase() && QFileInfo::exists(dir.filePath(part))) return part;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) return entry;
    }
    return part;
}

// Overwrites an existing file with `bytes` without a temporary file. The room is claimed first,
// so a full disk stops the write before the old text is touched; a write that fails all the same
// puts the old text back.
bool writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return false;
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    if (bytes.size() > old.size() && !reserveSpace(file, bytes.size())) return false;
    const auto writeAll = [&file](const QByteArray& content) {
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size()) &&
               file.flush();
    };
    if (writeAll(bytes)) return true;
    writeAll(old);
    return false;
}

// Reads the file to its end, but never more than the cap: one byte beyond it is enough to know.
ReadResult readCapped(NativeReader& file, qint64 expected) {
    ReadResult result;
    const qint64 limit = kReadCap + 1;
    qint64 filled = 0;
    // A regular file says its size, so it is read in one piece; a stream grows as it comes.
    result.bytes.resize(std::min(std::max<qint64>(expected, 64 * 1024), limit));
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled >= limit) break;
            result.bytes.resize(std::min(filled * 2, limit));
        }
        const qint64 got = file.read(result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            result.bytes.clear();
            result.fault = ReadFault::CannotOpen;
            return result;
        }
        if (got == 0) break;
        filled += got;
    }
    if (filled > kReadCap) {
        result.bytes.clear();
        result.bytes.squeeze();
        result.fault = ReadFault::TooLarge;
        return result;
    }
    result.bytes.resize(filled);
    if (result.bytes.capacity() > filled + filled / 4) result.bytes.squeeze();
    return result;
}

}  // namespace

ReadResult readFile(const QString& path) {
    NativeReader file(path);
    if (!file.isOpen()) return {{}, ReadFault::CannotOpen};
    if (!file.isRegularFile()) return {{}, ReadFault::NotAFile};
    const qint64 size = file.size();
    if (size > kReadCap) return {{}, ReadFault::TooLarge};
    return readCapped(file, size + 1);
}

ReadResult readStandardInput() {
    NativeReader input = NativeReader::standardInput();
    return readCapped(input, input.isRegularFile() ? input.size() + 1 : 0);
}

QString readRefusal(ReadFault fault, const QString& name) {
    switch (fault) {
        case ReadFault::TooLarge:
            return QCoreApplication::translate("files", "A fájl túl nagy: %1").arg(name);
        case ReadFault::NotAFile:
            return QCoreApplication::translate("files", "Nem fájl: %1").arg(name);
        case ReadFault::None:
        case ReadFault::CannotOpen:
            break;
    }
    return {};
}

std::optional<QString> resolve(const QString& folder, const QString& name) {
    QString relative = name;
    if (relative.startsWith(u'\\')) relative.remove(0, 1);
    if (relative.isEmpty()) return std::nullopt;
    QDir dir(folder);
    QString path = dir.absolutePath();
    const QStringList parts = relative.split(u'\\');
    for (const QString& part : parts) {
        if (!acceptableComponent(part)) return std::nullopt;
        const QString entry = matchEntry(QDir(path), part);
        path += u'/' + entry;
    }
    return path;
}

QString decode(const QByteArray& bytes) {
    // The decoder drops one byte order mark at the start by itself (it converts an initial one
    // only when asked to); a second one is text and stays.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeWindows1250(bytes);
}

QString withCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    QChar previous;
    for (const QChar ch : text) {
        if (ch == u'\n' && previous != u'\r') out += u'\r';
        out += ch;
        previous = ch;
    }
    return out;
}

bool fitsWindows1250(const QString& text) {
    return encodeWindows1250(text).has_value();
}

QByteArray encode(const QString& text) {
    if (const std::optional<QByteArray> bytes = encodeWindows1250(text)) {
        // Some letter pairs of the code page make valid UTF-8 ("Ö°" is D6 B0): the reader would
        // take such a file for UTF-8 and give other letters back. UTF-8 reads back as written.
        if (decode(*bytes) == text) return *bytes;
    }
    // A text that begins with a byte order mark keeps it only behind a second one: the reader
    // drops the first.
    if (text.startsWith(QChar(0xFEFF))) return QByteArray("\xef\xbb\xbf") + text.toUtf8();
    return text.toUtf8();
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\r' || ch == u'\n') {
            lines.append(text.mid(start, i - start));
            if (ch == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> readLines(const QString& path, ReadFault* fault) {
    const ReadResult read = readFile(path);
    if (fault) *fault = read.fault;
    if (!read.ok()) return std::nullopt;
    return splitLines(decode(read.bytes));
}

void makeWritable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.isWritable()) return;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = encode(text);

    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) return false;
    QSaveFile file(path);
    // Unbuffered, and flushed before the commit: QSaveFile::commit() does not notice a write that
    // fails while its buffer is flushed (a full disk) and would put the cut-short file in place
    // of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No temporary file beside it (a folder the user may not add files to): the file itself
        // can still be written.
        return info.exists() && writeInPlace(path, bytes);
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace kombinator::files
