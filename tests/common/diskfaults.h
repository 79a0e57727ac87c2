// Faults of the file system for tests of saving: a disk that fills up, read-only files and
// folders. Permissions do not bind root: tests of them skip themselves there, and CI runs them
// once more as an ordinary user. Windows binds every user by a file's read-only flag, ignores
// the flag on a folder, and has no per-process limit of file size: those tests skip themselves.
#pragma once

#include <QFile>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace kombinator::test {

enum class Fault { ReadOnlyFile, ReadOnlyFolder, DiskFull };

// Why `fault` cannot be staged for this process; nullptr when it can.
inline const char* unstageable(Fault fault) {
#ifdef Q_OS_WIN
    if (fault == Fault::ReadOnlyFolder) return "Windows ignores the read-only flag of a folder";
    if (fault == Fault::DiskFull) return "Windows has no file size limit to fake a full disk";
    return nullptr;
#else
    if (fault != Fault::DiskFull && geteuid() == 0) return "file permissions do not bind root";
    return nullptr;
#endif
}

// While it lives, no file of this process can grow beyond `bytes`: a write past it fails as on
// a full disk.
class DiskFullAfter {
public:
#ifdef Q_OS_WIN
    explicit DiskFullAfter(qint64) {}
#else
    explicit DiskFullAfter(qint64 bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAfter() {
        setrlimit(RLIMIT_FSIZE, &old_);
    }
#endif
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

#ifndef Q_OS_WIN
private:
    rlimit old_{};
#endif
};

// While it lives, nothing can be added to or removed from `folder`.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(folder) {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString folder_;
};

inline void makeReadOnly(const QString& path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

}  // namespace kombinator::test
