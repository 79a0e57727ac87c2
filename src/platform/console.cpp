#include "platform/console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#endif

namespace kombinator {

void prepareStandardStreams() {
#ifdef Q_OS_WIN
    // The C runtime would turn every "\n" into "\r\n" on the way out and back on the way in, and
    // stop reading at a Ctrl+Z byte.
    for (std::FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

}  // namespace kombinator
