#include "platform/nativefile.h"

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>

#include <cerrno>
#endif

namespace kombinator::files {

#ifdef Q_OS_WIN

bool reserveSpace(QFile& file, qint64 size) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE) return false;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    if (SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation)) return true;
    const DWORD error = GetLastError();
    return error != ERROR_DISK_FULL && error != ERROR_HANDLE_DISK_FULL;
}

#else

bool reserveSpace(QFile& file, qint64 size) {
    const int claimed = posix_fallocate(file.handle(), 0, static_cast<off_t>(size));
    return claimed == 0 || claimed == EOPNOTSUPP || claimed == EINVAL;
}

#endif

}  // namespace kombinator::files
