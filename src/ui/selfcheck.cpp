#include "ui/selfcheck.h"

#include <QWidget>

#include <cstdio>

#include "app/form1.h"
#include "keys/gyari.h"

namespace kombinator::ui {

namespace {

void report(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
}

}  // namespace

bool selfCheckRequested() {
    return qEnvironmentVariableIntValue("KOMBINATOR_SELF_CHECK") == 1;
}

int selfCheck(Form1& form, const QWidget& window) {
    bool good = true;
    const QString folder = form.platform().programFolder();
    report(QStringLiteral("data folder: %1").arg(folder));
    good = good && !folder.isEmpty();

    // Two tips, the way the user brings them in: the conversion places the outcome markers.
    form.List5.setLines({QStringLiteral("Arsenal - Chelsea"), QStringLiteral("Arsenal"),
                         QStringLiteral("1,50"), QStringLiteral("Barcelona - Real Madrid"),
                         QStringLiteral("Döntetlen"), QStringLiteral("1,80")});
    form.Command2.click();
    form.Grid1.setRow(1);
    form.Grid1.setCol(1);
    const bool placed = !form.Grid1.picture().isEmpty();
    report(QStringLiteral("marker in the tip grid: %1").arg(placed ? "placed" : "missing"));
    good = good && placed;
    for (const char* name : {"\\xxk.bmp", "\\xx.bmp", "\\Xxx.bmp", "\\xxz.bmp"}) {
        const bool loaded = !form.loadPicture(QString::fromLatin1(name)).isEmpty();
        report(QStringLiteral("marker %1: %2")
                   .arg(QString::fromLatin1(name + 1), loaded ? "loaded" : "missing"));
        good = good && loaded;
    }

    form.Command6.click();
    auto* keys = static_cast<gyari*>(form.gyariDialog());
    const int listed = keys ? keys->List1.count() : 0;
    report(QStringLiteral("key library: %1 keys").arg(listed));
    good = good && listed > 0;
    if (keys) form.closeDialog(keys);

    const bool icon = !window.windowIcon().isNull();
    report(QStringLiteral("window icon: %1").arg(icon ? "found" : "missing"));
    return good && icon ? 0 : 1;
}

}  // namespace kombinator::ui
