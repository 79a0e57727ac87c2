#include "platform/nativefile.h"

#include <QDir>
#include <QStringList>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#endif

#include <algorithm>
#include <utility>

namespace kombinator::files {

#ifdef Q_OS_WIN

bool systemTakesOtherwise(const QString& part) {
    if (part.endsWith(u'.') || part.endsWith(u' ')) return true;
    for (const QChar ch : part) {
        if (ch.unicode() < 0x20 || QStringView(u"<>\"|?*").contains(ch)) return true;
    }
    const QString base = part.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                        QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                        QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(base)) return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base.at(3) >= u'1' && base.at(3) <= u'9';
}

bool namesIgnoreCase() {
    return true;
}

bool reserveSpace(QFile& file, qint64 size) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE) return false;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    if (SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation)) return true;
    const DWORD error = GetLastError();
    return error != ERROR_DISK_FULL && error != ERROR_HANDLE_DISK_FULL;
}

NativeReader::NativeReader(const QString& path) {
    // A folder opens too (backup semantics), so that it is refused as no file, not as unreadable.
    const HANDLE handle = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    handle_ = reinterpret_cast<qintptr>(handle);
    owned_ = true;
}

NativeReader NativeReader::standardInput() {
    NativeReader reader;
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        reader.handle_ = reinterpret_cast<qintptr>(handle);
    return reader;
}

NativeReader::~NativeReader() {
    if (owned_ && isOpen()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool NativeReader::isRegularFile() const {
    if (!isOpen()) return false;
    const auto handle = reinterpret_cast<HANDLE>(handle_);
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

qint64 NativeReader::size() const {
    LARGE_INTEGER size{};
    if (!isRegularFile() || !GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) return 0;
    return size.QuadPart;
}

qint64 NativeReader::read(char* into, qint64 max) {
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<qint64>(max, 1 << 30));
    if (ReadFile(reinterpret_cast<HANDLE>(handle_), into, wanted, &got, nullptr)) return got;
    // A pipe whose writer has gone is at its end, not broken.
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

double threadCpuSeconds() {
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    // Both in units of 100 ns.
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<quint64>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) * 1e-7;
}

#else

bool systemTakesOtherwise(const QString&) {
    return false;
}

bool namesIgnoreCase() {
    return false;
}

bool reserveSpace(QFile& file, qint64 size) {
    const int claimed = posix_fallocate(file.handle(), 0, static_cast<off_t>(size));
    return claimed == 0 || claimed == EOPNOTSUPP || claimed == EINVAL;
}

NativeReader::NativeReader(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    handle_ = fd;
    owned_ = true;
    // Once judged a regular file, it is read as one: waiting, where a read may wait at all.
    if (isRegularFile()) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
}

NativeReader NativeReader::standardInput() {
    NativeReader reader;
    reader.handle_ = STDIN_FILENO;
    return reader;
}

NativeReader::~NativeReader() {
    if (owned_ && isOpen()) ::close(static_cast<int>(handle_));
}

bool NativeReader::isRegularFile() const {
    struct stat info {};
    return isOpen() && ::fstat(static_cast<int>(handle_), &info) == 0 && S_ISREG(info.st_mode);
}

qint64 NativeReader::size() const {
    struct stat info {};
    if (!isOpen() || ::fstat(static_cast<int>(handle_), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<qint64>(info.st_size);
}

qint64 NativeReader::read(char* into, qint64 max) {
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_), into, static_cast<size_t>(max));
        if (got < 0 && errno == EINTR) continue;
        return got;
    }
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

#endif

NativeReader::NativeReader(NativeReader&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), owned_(std::exchange(other.owned_, false)) {}

bool NativeReader::isOpen() const {
    return handle_ != -1;
}

}  // namespace kombinator::files
