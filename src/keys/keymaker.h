// The key maker's work outside its window: a search running on a thread of its own, and a made
// key saved into the key folder and the library, where the key dialog and key substitution find
// it at once.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "keys/keysearch.h"

class QThread;

namespace kombinator {
class Form1;
}

namespace kombinator::keys {

// One search for a key of a given shape. The search and the exhaustive check run on a worker
// thread, so the window that started it stays responsive; progress and the end arrive as signals
// in the thread that owns the job.
class KeySearchJob : public QObject {
    Q_OBJECT
public:
    // `keyFolder`: where the search finds keys to build on (the key folder); `starts`: keys of this
    // shape in hand, such as the one "Tovább javítom" goes on improving.
    explicit KeySearchJob(KeyShape shape, SearchEffort effort = kInteractiveEffort,
                          const QString& keyFolder = {}, std::vector<std::vector<Bet>> starts = {},
                          QObject* parent = nullptr);
    // Stops a running search and waits for its thread.
    ~KeySearchJob() override;

    KeyShape shape() const { return shape_; }
    void start();
    // Asks the search to stop; it still ends with the best key found, checked as always.
    void cancel();
    bool isRunning() const { return running_; }

    // Once finished: the key, whether the exhaustive check proved it, whether it was cancelled.
    const std::vector<Bet>& bets() const { return bets_; }
    bool proven() const { return proven_; }
    bool wasCancelled() const { return cancelled_; }

signals:
    // The best size so far, the share of the work done in per cent and the processor time spent;
    // while a smaller size is tried: that size and the winner sets it leaves uncovered at best,
    // against how many when it began (both 0 otherwise).
    void progress(qulonglong bestSize, int percent, double seconds, qulonglong trying, qlonglong uncovered,
                  qlonglong uncoveredAtStart);
    // The search has ended and the key has been checked.
    void checking();
    void finished();

private:
    KeyShape shape_;
    SearchEffort effort_;
    QString keyFolder_;
    std::vector<std::vector<Bet>> starts_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    std::unique_ptr<QThread> thread_;
    std::vector<Bet> bets_;
    bool proven_ = false;
    bool cancelled_ = false;
};

// `effort` counted in the processor time of the searching thread, as the window and kombinator-cli
// search.
SearchEffort onThreadClock(SearchEffort effort);

// What a key pays, worked out on a thread of its own (up to a second for 24 events). A new request
// replaces one still waiting; results come back in the order asked, the last one always.
class KeyProfileJob : public QObject {
    Q_OBJECT
public:
    explicit KeyProfileJob(QObject* parent = nullptr);
    ~KeyProfileJob() override;

    void request(int events, std::vector<Bet> bets);

signals:
    // Rows for 0 to `events` winners; empty when the key cannot be profiled.
    void finished(const std::vector<kombinator::keys::ProfileRow>& rows);

private:
    void runNext();

    std::unique_ptr<QThread> thread_;
    std::optional<std::pair<int, std::vector<Bet>>> pending_;
};

// The valid keys of the key folder under their plain names ("04_16_08.txt"), for the search to
// build on; a file that fails the exhaustive check is left out.
KeyBook readKeyBook(const QString& folder);

// The library line of a key file: its 12-character name, two blanks and the description.
QString libraryLine(const QString& fileName, KeyShape shape, std::size_t betCount);

// The key file's name for a shape: "04_18_08.txt", or, when that name is taken by a file of the
// key folder or a line of the library, "04_18_08.001", "04_18_08.002", ... (the library names a
// key file by exactly 12 characters). Empty when every name is taken.
QString freeKeyFileName(KeyShape shape, const QStringList& library, const QStringList& folderFiles);

// Saves a made key: checks it exhaustively (a key that fails is never saved), writes its key file
// under a free name and adds its line to the library in its sorted place; an open key dialog lists
// it at once. The saved library line, or nullopt when the key failed its check or a file could not
// be written.
std::optional<QString> saveKeyToLibrary(Form1& form, KeyShape shape, const std::vector<Bet>& bets);

// The library after the shipped one is refreshed: every shipped line, and the user's lines that
// name key files the shipped library does not (keys they made or described themselves). Sorted.
QStringList mergeLibrary(const QStringList& shipped, const QStringList& current);

}  // namespace kombinator::keys
