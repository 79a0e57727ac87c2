// A key file's text through the record reader and key substitution, then the odds command, the
// evaluation and the return table over the bet list it gives.
//
// Input: byte 0 is the number of tips (0 to 50), byte 1 picks their odds (bit 0: 999.99 on every
// tip, else odds from 1.05 up), byte 2 marks results (bit 0: every tip won) and fixes bankers
// (bits 1 and 2: that many), the rest is the key file's bytes, decoded as a text file is.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "app/form1.h"
#include "calc/output.h"
#include "fuzzplatform.h"
#include "keys/substitution.h"
#include "platform/files.h"
#include "results/returntable.h"

using namespace kombinator;
using kombinator::fuzz::require;

namespace {

constexpr std::size_t kHeader = 3;

bool hasBrokenNumber(const QString& line) {
    return line.contains(QStringLiteral("inf")) || line.contains(QStringLiteral("nan"));
}

void setUpTips(Form1& form, int tips, bool hugeOdds) {
    QStringList offer;
    for (int r = 1; r <= tips; ++r) {
        const QString odds =
            hugeOdds ? QStringLiteral("999,99") : QStringLiteral("1,%1").arg(r + 4, 2, 10, QChar(u'0'));
        offer << QStringLiteral("Hazai %1 - Vendég %1").arg(r) << QStringLiteral("Hazai %1").arg(r)
              << QStringLiteral("Szorzó: ") + odds;
    }
    form.List5.setLines(offer);
    form.Command2.click();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t header[kHeader] = {};
    for (std::size_t i = 0; i < kHeader && i < size; ++i)
        header[i] = data[i];
    const std::size_t skip = size < kHeader ? size : kHeader;
    const QByteArray bytes(reinterpret_cast<const char*>(data + skip), static_cast<qsizetype>(size - skip));
    const QString text = files::decode(bytes);

    // The reader: one bet line per record, each the record's fields.
    const QStringList records = keys::keyRecords(text);
    const QStringList lines = keys::keyBetLines(text);
    require(records.size() == lines.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        require(!records.at(i).contains(u'\r') && !records.at(i).contains(u'\n'));
        require(lines.at(i) == keys::recordBetLine(records.at(i)));
    }

    static fuzz::FuzzPlatform platform;
    Form1 form(platform);
    form.Form_Load();
    const int tips = header[0] % (Form1::kMaxTips + 1);
    setUpTips(form, tips, header[1] & 1);
    require(form.module1.tipCount == tips);
    const int bankers = (header[2] >> 1) & 3;
    for (int b = 0; b < bankers && form.module1.tipCount > 1; ++b) {
        form.Grid1.clickCell(1, 0);
        form.Command22.click();
    }
    if (header[2] & 1) form.Grid1.clickCell(0, 3);

    const QString description =
        QStringLiteral("01_%1_01.txt Fuzz").arg(static_cast<int>(form.module1.tipCount), 2, 10, QChar(u'0'));
    require(keys::substituteKeyText(form, description, text));
    require(form.List1.lines() == lines);
    require(form.List1.toolTip() == description);
    require(form.Label1.caption() == QString::number(lines.size()));

    form.Command19.click();
    for (const QString& line : form.List3.lines())
        require(!hasBrokenNumber(line));
    form.Command21.click();
    for (const QString& line : form.List3.lines())
        require(!hasBrokenNumber(line));
    if (form.List1.count() > 0 && form.List3.count() > 0 && form.List3.lines().last().startsWith(u'N'))
        require(form.List3.count() == form.List1.count() + 3);

    if (form.module1.tipCount <= 12) {
        if (const auto table = results::returnTable(form)) {
            for (const QString& line : results::formatReturnTable(*table))
                require(!hasBrokenNumber(line));
        }
    }
    return 0;
}
