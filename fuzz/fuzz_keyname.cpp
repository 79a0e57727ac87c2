// The key library's lines through the "Esemény" view of the key dialog: the key-name scanner
// rewrites every line, and a click on any line of that view finds its library line or nothing.
//
// Input: the library file's bytes, decoded as a text file is.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "app/form1.h"
#include "fuzzplatform.h"
#include "keys/gyari.h"
#include "platform/files.h"

using namespace kombinator;
using kombinator::fuzz::require;

namespace {

bool isDigits(QStringView text) {
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        files::decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList lines = files::splitLines(text);

    // The scanner on any run of characters, not only on 8 of them.
    const QString whole = eventsKeyName(text);
    require(whole.size() >= 8);
    for (const QString& line : lines) {
        const QString name = line.left(8);
        const QString rewritten = eventsKeyName(name);
        require(rewritten.size() >= 8);
        // A well-formed name "tt_ee_nn" comes back with the events first.
        if (name.size() == 8 && name.at(2) == u'_' && name.at(5) == u'_' && isDigits(name.first(2)) &&
            isDigits(name.sliced(3, 2)) && isDigits(name.sliced(6, 2)))
            require(rewritten == name.sliced(3, 2) + u'_' + name.first(2) + u'_' + name.sliced(6, 2));
    }

    static fuzz::FuzzPlatform platform;
    Form1 form(platform);
    gyari dialog(form);
    dialog.List1.setLines(lines);
    dialog.Option1.select(1);
    require(dialog.List2.count() == dialog.List1.count());
    require(dialog.viewNames().size() <= static_cast<std::size_t>(gyari::kViewRows));
    const int clicks = std::min(dialog.List2.count(), 64);
    for (int i = 0; i < clicks; ++i) {
        dialog.Text1.setText({});
        dialog.List2.clickLine(i);
        // A found line is the library line whose rewritten name was clicked.
        if (dialog.List1.listIndex() >= 0)
            require(dialog.Text1.text() == dialog.List1.line(dialog.List1.listIndex()));
    }
    dialog.Option1.select(0);
    require(dialog.List1.isVisible() && !dialog.List2.isVisible());
    return 0;
}
