// The main of a fuzz target built without libFuzzer (g++, the sanitizer build): runs the target
// once on every file named, and on every file of every folder named, so that the test suite
// replays the committed inputs.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool replay(const QString& path) {
    const kombinator::files::ReadResult input = kombinator::files::readFile(path);
    if (!input.ok()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.bytes.constData()),
                           static_cast<std::size_t>(input.bytes.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            if (!replay(path)) return 1;
            ++inputs;
            continue;
        }
        QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            if (!replay(it.next())) return 1;
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
