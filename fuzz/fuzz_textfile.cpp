// The text-file rules: any bytes decode, and whatever was decoded is written so that it reads
// back unchanged, line for line.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "fuzzplatform.h"
#include "platform/files.h"

using namespace kombinator;
using kombinator::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = files::decode(bytes);
    const QByteArray written = files::encode(text);
    require(files::decode(written) == text);

    // What readLines gives is what writeLines writes: the lines joined by CR LF.
    const QStringList lines = files::splitLines(text);
    QString joined;
    for (const QString& line : lines) {
        require(!line.contains(u'\r') && !line.contains(u'\n'));
        joined += line;
        joined += QLatin1String("\r\n");
    }
    require(files::splitLines(files::decode(files::encode(joined))) == lines);

    // The clipboard's line ends: no line feed is left without its carriage return.
    const QString crlf = files::withCrLf(text);
    for (qsizetype i = 0; i < crlf.size(); ++i) {
        if (crlf.at(i) == u'\n') require(i > 0 && crlf.at(i - 1) == u'\r');
    }
    return 0;
}
