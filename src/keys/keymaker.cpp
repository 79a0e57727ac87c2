#include "keys/keymaker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>

#include "app/form1.h"
#include "keys/gyari.h"
#include "platform/files.h"
#include "platform/nativefile.h"

namespace kombinator::keys {

namespace {

constexpr int kFileNameLength = 12;
constexpr int kMaxSuffix = 999;

QString fileNameKey(const QString& line) {
    return line.left(kFileNameLength).toLower();
}

}  // namespace

KeySearchJob::KeySearchJob(KeyShape shape, SearchEffort effort, const QString& keyFolder,
                           std::vector<std::vector<Bet>> starts, QObject* parent)
    : QObject(parent),
      shape_(shape),
      effort_(onThreadClock(effort)),
      keyFolder_(keyFolder),
      starts_(std::move(starts)) {}

KeySearchJob::~KeySearchJob() {
    cancel_ = true;
    if (thread_) thread_->wait();
}

void KeySearchJob::start() {
    if (running_ || thread_) return;
    running_ = true;
    thread_.reset(QThread::create([this] {
        // A tenth of a second between signals is plenty for a window to show.
        constexpr double kShowEvery = 0.1;
        double shownAt = -kShowEvery;
        std::size_t shownSize = 0;
        const KeyBook book = keyFolder_.isEmpty() ? KeyBook() : readKeyBook(keyFolder_);
        std::vector<Bet> bets = improveKey(
            shape_, starts_,
            [&](const SearchStatus& status) {
                if (status.bestSize != shownSize || status.seconds - shownAt >= kShowEvery ||
                    status.done >= 1) {
                    shownSize = status.bestSize;
                    shownAt = status.seconds;
                    emit progress(status.bestSize, static_cast<int>(status.done * 100), status.seconds,
                                  status.trying, status.uncovered, status.uncoveredAtStart);
                }
                return !cancel_;
            },
            effort_, book);
        emit checking();
        const bool proven = !bets.empty() && provesGuarantee(shape_, bets);
        // The results are handed over in the job's own thread, after the worker is done with them.
        QMetaObject::invokeMethod(
            this,
            [this, bets = std::move(bets), proven]() mutable {
                bets_ = std::move(bets);
                proven_ = proven;
                cancelled_ = cancel_;
                running_ = false;
                emit finished();
            },
            Qt::QueuedConnection);
    }));
    thread_->start();
}

void KeySearchJob::cancel() {
    cancel_ = true;
}

SearchEffort onThreadClock(SearchEffort effort) {
    effort.cpuClock = &files::threadCpuSeconds;
    return effort;
}

KeyProfileJob::KeyProfileJob(QObject* parent) : QObject(parent) {}

KeyProfileJob::~KeyProfileJob() {
    if (thread_) thread_->wait();
}

void KeyProfileJob::request(int events, std::vector<Bet> bets) {
    pending_ = std::make_pair(events, std::move(bets));
    if (!thread_) runNext();
}

void KeyProfileJob::runNext() {
    if (!pending_) return;
    // Plain names, not a structured binding: the lambda captures them (clang 14 cannot).
    const int events = pending_->first;
    std::vector<Bet> bets = std::move(pending_->second);
    pending_.reset();
    thread_.reset(QThread::create([this, events, bets = std::move(bets)] {
        std::vector<ProfileRow> rows = keyProfile(events, bets).value_or(std::vector<ProfileRow>());
        QMetaObject::invokeMethod(
            this,
            [this, rows = std::move(rows)] {
                thread_->wait();
                thread_.reset();
                // A newer request makes this answer stale: only the last one is shown.
                if (pending_) return runNext();
                emit finished(rows);
            },
            Qt::QueuedConnection);
    }));
    thread_->start();
}

KeyBook readKeyBook(const QString& folder) {
    KeyBook book;
    // The names are matched by hand, not by a QDir name filter: the filter's pattern matcher keeps
    // a cache per thread, and a search thread that ends with one left behind hangs the Windows
    // build when the program exits.
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString& name : names) {
        if (name.size() != kFileNameLength || !name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            continue;
        const std::optional<KeyShape> shape = parseKeyName(name.left(8).toStdString());
        if (!shape || !isMakeable(*shape)) continue;
        // Read as every other file of the program is: a name that leads to no file is no key.
        const files::ReadResult read = files::readFile(QDir(folder).filePath(name));
        if (!read.ok() || read.bytes.size() > kMaxKeyFileBytes) continue;
        const std::optional<std::vector<Bet>> bets = parseKeyFileText(read.bytes.toStdString());
        if (bets && !bets->empty() && provesGuarantee(*shape, *bets)) book[*shape] = *bets;
    }
    return book;
}

QString libraryLine(const QString& fileName, KeyShape shape, std::size_t betCount) {
    return fileName.leftJustified(kFileNameLength, u' ', true) + QStringLiteral("  ") +
           QString::fromStdString(keyDescription(shape, betCount));
}

QString freeKeyFileName(KeyShape shape, const QStringList& library, const QStringList& folderFiles) {
    QSet<QString> taken;
    for (const QString& line : library)
        taken.insert(fileNameKey(line));
    for (const QString& file : folderFiles)
        taken.insert(file.toLower());
    const QString name = QString::fromStdString(keyName(shape));
    for (int suffix = 0; suffix <= kMaxSuffix; ++suffix) {
        const QString candidate =
            name +
            (suffix == 0 ? QStringLiteral(".txt") : u'.' + QString::number(suffix).rightJustified(3, u'0'));
        if (!taken.contains(candidate.toLower())) return candidate;
    }
    return {};
}

std::optional<QString> saveKeyToLibrary(Form1& form, KeyShape shape, const std::vector<Bet>& bets) {
    if (bets.empty() || !isMakeable(shape) || !provesGuarantee(shape, bets)) return std::nullopt;
    const std::optional<QString> folder = form.programFile(QStringLiteral("\\tkulcs"));
    const std::optional<QString> libraryPath = form.programFile(QString::fromLatin1(gyari::kLibraryFile));
    if (!folder || !libraryPath || !QDir().mkpath(*folder)) return std::nullopt;

    // A missing library is begun anew; one that was refused (too large, no file) is not replaced
    // by a library of one line.
    files::ReadFault fault = files::ReadFault::None;
    QStringList library = files::readLines(*libraryPath, &fault).value_or(QStringList());
    if (fault != files::ReadFault::None && fault != files::ReadFault::CannotOpen) return std::nullopt;
    const QString fileName = freeKeyFileName(shape, library, QDir(*folder).entryList(QDir::Files));
    if (fileName.isEmpty()) return std::nullopt;
    const QStringList keyLines = files::splitLines(QString::fromStdString(keyFileText(bets)));
    if (!files::writeLines(QDir(*folder).filePath(fileName), keyLines)) return std::nullopt;

    const QString line = libraryLine(fileName, shape, bets.size());
    library.insert(std::lower_bound(library.begin(), library.end(), line), line);
    if (!files::writeLines(*libraryPath, library)) {
        QFile::remove(QDir(*folder).filePath(fileName));
        return std::nullopt;
    }
    // An open key dialog holds the library in memory and writes it back when it changed; the new
    // line joins its list, so it shows now and survives that write.
    if (auto* dialog = qobject_cast<gyari*>(form.gyariDialog())) dialog->addSavedKey(line);
    return line;
}

QStringList mergeLibrary(const QStringList& shipped, const QStringList& current) {
    QSet<QString> shippedNames;
    for (const QString& line : shipped)
        shippedNames.insert(fileNameKey(line));
    QStringList merged = shipped;
    for (const QString& line : current) {
        if (!line.isEmpty() && !shippedNames.contains(fileNameKey(line))) merged.append(line);
    }
    std::sort(merged.begin(), merged.end());
    return merged;
}

}  // namespace kombinator::keys
