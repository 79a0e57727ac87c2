// Start-up and the small shell handlers: the guide link, the information panel, exit.
#include <QtMath>

#include "app/form1.h"
#include "app/language.h"
#include "calc/odds.h"
#include "platform/text.h"

namespace kombinator {

namespace {

// Lays out a tip or banker grid: the row number column's header (" Ssz."), the three column
// headers with their widths and alignments; data rows of the tip grid get their fixed height.
void setUpGrid(Grid& grid, const QString& numberHeader, const std::array<QString, 4>& headerTexts,
               bool tipGrid) {
    grid.setRow(0);
    grid.setCol(0);
    grid.setText(numberHeader);
    grid.setFixedAlignment(0, Align::Center);
    grid.setRowHeight(0, 320);
    grid.setColWidth(1, 3000);
    grid.setColWidth(2, 3000);
    grid.setColWidth(3, 800);
    for (int c = 1; c <= 3; ++c) {
        grid.setCol(c);
        grid.setFixedAlignment(c, Align::Center);
        grid.setColAlignment(c, c == 3 ? Align::Center : Align::Left);
        grid.setText(headerTexts[static_cast<size_t>(c)]);
    }
    if (tipGrid) {
        for (int r = 1; r < grid.rows(); ++r)
            grid.setRowHeight(r, 250);
    }
}

}  // namespace

void Form1::Form_Load() {
    if (platform_.anotherInstanceRunning()) {
        platform_.messageBox(tr("%1 márt fut ! ").arg(platform_.programName()), platform_.applicationTitle(),
                             MsgIcon::Exclamation, MsgButtons::Ok);
        platform_.quit();
        return;
    }

    platform_.makeTopmost(QStringLiteral("Form1"));

    // Horizontal scroll ranges, from the bet list's width in pixels; the amount list gets 1.4
    // times the same range, not one of its own width.
    const float listWidthPixels = static_cast<float>(List1.geometry().width) / kTwipsPerPixel;
    const float range = listWidthPixels * 9.0f;
    List1.setHorizontalExtent(qRound(range));
    List3.setHorizontalExtent(qRound(static_cast<float>(range * 1.4f)));

    headerTexts[1] = tr("hazai");
    headerTexts[2] = tr("vendég");
    headerTexts[3] = tr("odds");
    const QString numberHeader = tr(" Ssz.");
    setUpGrid(Grid1, numberHeader, headerTexts, true);
    setUpGrid(Grid2, numberHeader, headerTexts, false);

    // The whole program writes odds with a point; warn once when the user's separator differs.
    const QString separator = Module1::profileString(platform_, QStringLiteral("intl"),
                                                     QStringLiteral("sdecimal"), QStringLiteral("win.ini"));
    if (separator != QString(QChar(kNumberDecimalSeparator))) {
        platform_.messageBox(
            tr("     A tizedes pont nem PONT (.) !\rAz oddsok megadása nem fog jól működni !"),
            QStringLiteral("Zelko-Soft/2014"), MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

void Form1::Form_MouseMove() {
    platform_.setPointer(Pointer::Default);
}

void Form1::Form_Unload() {
    // The window's close box ends the program as "Kilép" does, whichever dialogs are open.
    platform_.quit();
}

void Form1::Label4_Click() {
    Frame1.setVisible(false);
}

void Form1::Label5_Click() {
    Frame1.setVisible(false);
}

void Form1::Label6_Click() {
    platform_.minimizeMainWindow();
    openGuide();
}

void Form1::Option2_Click(int index) {
    const Language chosen = index == 1 ? Language::English : Language::Hungarian;
    if (chosen == savedLanguage().value_or(currentLanguage())) return;
    saveLanguage(chosen);
    // The window's texts are set as it opens: the new language comes with the next start.
    platform_.messageBox(QStringLiteral("A program a következő indításkor vált nyelvet.\rThe language "
                                        "changes when the program starts next."),
                         platform_.applicationTitle(), MsgIcon::Information, MsgButtons::Ok);
}

void Form1::Option3_Click(int index) {
    calc::setOddsFormat(static_cast<calc::OddsFormat>(index));
    saveChoice(QString::fromLatin1(kOddsFormatKey),
               QString::fromLatin1(calc::kOddsFormatNames[static_cast<size_t>(calc::oddsFormat())]));
    Grid1.reshow(3);
    Grid2.reshow(3);
}

void Form1::openGuide() {
    StartURL(programFile(tr(kGuideFile)).value_or(QString()));
}

void Form1::Label6_MouseMove() {
    // The cursor file is loaded anew on every move; the platform falls back to its own
    // pointing hand when the file is missing.
    platform_.setPointer(Pointer::Link, loadPicture(QStringLiteral("\\hand.ico")));
}

void Form1::Command5_Click() {
    platform_.quit();
}

int Form1::StartURL(const QString& address) {
    return platform_.openAddress(address);
}

}  // namespace kombinator
