// The tip-list editor's text into offer lines, and "Kész" putting them into the offer list.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "app/form1.h"
#include "fuzzplatform.h"
#include "platform/files.h"
#include "store/form2.h"

using namespace kombinator;
using kombinator::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        files::decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList lines = editorTextLines(text);
    for (const QString& line : lines) {
        require(!line.isEmpty());
        require(!line.startsWith(u' ') && !line.endsWith(u' '));
        require(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(u'\t'));
    }

    static fuzz::FuzzPlatform platform;
    Form1 form(platform);
    form.List5.setLines({QStringLiteral("előző")});
    form.Label1.setCaption(QStringLiteral("1"));
    form.Command7.click();
    auto* editor = static_cast<Form2*>(form.form2Dialog());
    require(editor != nullptr);
    editor->Text1.setText(text);
    editor->Command1.click();
    if (lines.isEmpty()) {
        require(form.List5.count() == 0);
        require(form.Label1.caption() == QStringLiteral("1"));
    } else {
        require(form.List5.lines() == lines);
        require(form.List4.lines() == lines);
        require(form.Label1.caption() == QString::number(lines.size()));
    }

    // Opened again on those lines, the editor shows them one per line and gives them back.
    if (lines.isEmpty()) return 0;
    require(form.form2Dialog() == nullptr);
    form.Command7.click();
    auto* again = static_cast<Form2*>(form.form2Dialog());
    require(again != nullptr && again->Text1.text().endsWith(QLatin1String("\r\n")));
    again->Command1.click();
    // A line left as nothing but the prefix goes now; no line is ever added.
    require(form.List5.count() <= lines.size());
    return 0;
}
