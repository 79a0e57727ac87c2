// A desktop for the fuzz targets: the benchmarks' quiet desktop (the clipboard holds the input,
// every question is answered with OK), with the marker pictures in its temporary folder.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "quietplatform.h"

namespace kombinator::fuzz {

class FuzzPlatform : public bench::QuietPlatform {
public:
    FuzzPlatform() {
        // Any non-empty file counts as a picture here; the handlers only place their names.
        for (const char* name : {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            if (file.open(QIODevice::WriteOnly)) file.write("BM");
        }
    }
};

// A broken property is a finding: say where, and stop at once, so that libFuzzer keeps the input.
inline void require(bool holds, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (holds) return;
    std::fprintf(stderr, "property broken at %s:%d\n", file, line);
    std::abort();
}

}  // namespace kombinator::fuzz
