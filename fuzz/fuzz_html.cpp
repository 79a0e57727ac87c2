// A copied page's HTML through intake and conversion, beside a text that reads as nothing: the
// lines it gives are what the offer list shows, the conversion takes at most the grid's tips, and
// every tip's odds stand on the price line of its block.
//
// Input: the HTML's bytes, decoded as a text file is.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "app/form1.h"
#include "fuzzplatform.h"
#include "platform/files.h"

using namespace kombinator;
using kombinator::fuzz::require;

namespace {

QString digitsOf(QString text) {
    text.removeIf([](QChar ch) { return ch < u'0' || ch > u'9'; });
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzPlatform platform;
    platform.clipboard = QString();
    platform.clipboardHtmlFlavour =
        files::decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Form1 form(platform);
    form.Command1.click();
    for (const QString& line : form.List5.lines())
        require(!line.isEmpty() && !line.contains(u'\t') && !line.contains(u'\r'));
    form.Command2.click();
    require(form.module1.tipCount >= 0 && form.module1.tipCount <= Form1::kMaxTips);
    for (int r = 1; r <= form.module1.tipCount; ++r)
        require(digitsOf(form.List5.line(4 * (r - 1) + 2)).contains(digitsOf(form.Grid1.textAt(r, 3))));
    return 0;
}
