// Faults of the file system for tests of saving: a disk that fills up, read-only files and
// folders. Permissions do not bind root: tests of them skip themselves there, and CI runs them
// once more as an ordinary user.
#pragma once

#include <QFile>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace kombinator::test {

inline bool permissionsBind() {
    return geteuid() != 0;
}

// While it lives, no file of this process can grow beyond `bytes`: a write past it fails as on
// a full disk.
class DiskFullAfter {
public:
    explicit DiskFullAfter(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAfter() { setrlimit(RLIMIT_FSIZE, &old_); }
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

private:
    rlimit old_{};
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
