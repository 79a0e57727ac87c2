#include "app/form1.h"

#include "app/language.h"
#include "calc/odds.h"

#include <QDir>

#include <algorithm>

#include "platform/files.h"

namespace kombinator {

namespace {
constexpr unsigned kBlue = rgb(0, 0, 255);
constexpr unsigned kMagenta = rgb(192, 0, 192);
constexpr unsigned kGreen = rgb(0, 128, 0);
constexpr unsigned kWhite = rgb(255, 255, 255);
constexpr const char* kTab0 = "SSTab1:0";
constexpr const char* kTab1 = "SSTab1:1";
constexpr const char* kTab2 = "SSTab1:2";
constexpr int kHeaderColumnWidth = 500;  // wide enough for " Ssz." and "50"

const int kFullCoverTops[] = {2595, 2955, 3315, 3660, 4020, 4380, 4725, 5085, 5430, 5790};
const int kFoldTops[] = {480, 840, 1185, 1545, 1890, 2250};
}  // namespace

QString Module1::profileString(Platform& platform, const QString& section, const QString& key,
                               const QString& file) {
    return platform.profileString(section, key, file);
}

Form1::Form1(Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setUpControls();
    wireHandlers();
}

Form1::~Form1() = default;

void Form1::setUpControls() {
    Grid1.setup("Grid1", {255, 375, 7755, 2505});
    Grid2.setup("Grid2", {255, 2992, 7755, 1245});
    for (Grid* grid : {&Grid1, &Grid2}) {
        grid->setSize(kGridRows, kGridCols);
        grid->setColWidth(0, kHeaderColumnWidth);
        grid->setStyle({.bold = false, .underline = false, .foreground = 0, .background = 0});
    }
    Grid1.setAccessible(tr("Tippek"));
    Grid2.setAccessible(tr("Fix tippek"));
    for (Grid* grid : {&Grid1, &Grid2}) {
        grid->setCellMenu(
            3, {tr("Nyert"), tr("Félig nyert"), tr("Félig vesztett"), tr("Holtverseny…"), tr("Törölt (1,00)"),
                tr("Nincs eredmény"), tr("Helyezett"), tr("Nem indult"), tr("Rule 4 levonás…"),
                tr("Each-way feltételek…"), tr("Each-way minden tippre…"), tr("Lucky bónusz…")});
    }
    for (ListBox* list : {&List1, &List3})
        list->setLineTip([this](int index) { return returnParts.value(index); });
    Grid1.setCellDescriber([this](int row, int col) { return cellDescription(Grid1, row, col); });
    Grid2.setCellDescriber([this](int row, int col) { return cellDescription(Grid2, row, col); });

    SSTab1.setup("SSTab1", {150, 4365, 4245, 2340});
    SSTab1.setTabs({tr("Fogadás"), tr("Kulcs"), tr("Klikk")});
    SSTab1.setAccessible(tr("Fülek"));

    List5.setup("List5", {55, 405, 4065, 1815}, {}, kTab0);
    List5.setSelectionMode(ListBox::Selection::Extended);
    List5.setAccessible(tr("Ajánlat"));
    List1.setup("List1", {55, 405, 4065, 1815}, {}, kTab1);
    List1.setAccessible(tr("Fogadások"));

    Option1.setup("Option1", {1710, 750, 1935, 1125}, {}, kTab2);
    Option1.addOption(tr("Nyer"), {1710, 750, 1425, 225});
    Option1.addOption(tr("Döntetlen"), {1710, 1200, 1140, 225});
    Option1.addOption(tr("Nyer vagy döntetlen"), {1710, 1650, 1935, 225});
    Option1.select(0);
    // Its words read the same in both languages, so that either reader finds it.
    Label7.setup("Label7", {150, 400, 1500, 225}, QStringLiteral("Nyelv / Language:"), kTab2);
    Option2.setup("Option2", {1710, 400, 2160, 225}, {}, kTab2);
    Option2.addOption(QStringLiteral("Magyar"), {1710, 400, 1000, 225});
    Option2.addOption(QStringLiteral("English"), {2760, 400, 1000, 225});
    Option2.setAccessible(QStringLiteral("Nyelv / Language"));
    Option2.select(currentLanguage() == Language::English ? 1 : 0);
    // The forms are named by an example each, which reads the same in every language.
    // The label gives up the room its short word does not need to the first form, "as read".
    Label8.setup("Label8", {150, 1950, 600, 225}, QStringLiteral("Odds:"), kTab2);
    Option3.setup("Option3", {780, 1950, 3330, 225}, {}, kTab2);
    Option3.addOption(tr("eredeti"), {780, 1950, 900, 225});
    Option3.addOption(QStringLiteral("2.50"), {1710, 1950, 750, 225});
    Option3.addOption(QStringLiteral("3/2"), {2460, 1950, 750, 225});
    Option3.addOption(QStringLiteral("+150"), {3210, 1950, 750, 225});
    Option3.setAccessible(tr("Az oddsok alakja"));
    // The form is kept by its name; a number is a choice of the days before "as read", when the
    // forms were counted from the decimal one.
    const QString savedForm = savedChoice(QString::fromLatin1(kOddsFormatKey));
    bool counted = false;
    const int formerIndex = savedForm.toInt(&counted);
    calc::setOddsFormat(counted ? static_cast<calc::OddsFormat>(std::clamp(formerIndex, 0, 2) + 1)
                                : calc::oddsFormatNamed(savedForm).value_or(calc::OddsFormat::AsRead));
    Option3.select(static_cast<int>(calc::oddsFormat()));
    // The Lucky bonuses stay off until the user chooses them.
    if (const QStringList bonus = savedChoice(QString::fromLatin1(kLuckyBonusKey)).split(u':');
        bonus.size() == 2)
        luckyBonus = {std::clamp(bonus.at(0).toInt(), 1, 3), std::clamp(bonus.at(1).toInt(), 0, 100)};
    for (Grid* grid : {&Grid1, &Grid2}) {
        // An each-way tip shows its place terms beside its price.
        grid->setTextShower([this, grid](int row, int col, const QString& text) {
            if (col != 3) return text;
            const QString odds = calc::shownOdds(text, calc::oddsFormat());
            const PlaceTerms terms = termsAt(*grid, row).place;
            return terms.eachWay() ? odds + QStringLiteral(" EW ") + placeTermsText(terms) : odds;
        });
    }

    Picture2.setup("Picture2", {1260, 705, 330, 330}, {}, kTab2);
    Picture1.setup("Picture1", {1260, 1155, 330, 330}, {}, kTab2);
    Picture3.setup("Picture3", {960, 1605, 600, 330}, {}, kTab2);
    // The legend pictures show the markers a click sets; a screen reader names them instead.
    Picture2.setAccessible(tr("Nyer jele"));
    Picture1.setAccessible(tr("Döntetlen jele"));
    Picture3.setAccessible(tr("Nyer vagy döntetlen jele"));

    List3.setup("List3", {6555, 4875, 1485, 1815});
    List3.setAccessible(tr("Összegek"));

    Label1.setup("Label1", {2025, 6900, 525, 255});
    Label1.setStyle({.bold = true, .underline = false, .foreground = kBlue, .background = 0});
    Label1.setAccessible({}, tr("Darabszám"));
    Label2.setup("Label2", {8550, 105, 420, 195}, tr("Kötés"));
    Label2.setStyle({.bold = false, .underline = false, .foreground = kMagenta, .background = 0});
    Label3.setup("Label3", {2475, 105, 5985, 195},
                 tr("Az oddsokra történő klikkeléssel megadhatjuk a valós /  feltételezett eredményeket! "));
    Label3.setStyle({.bold = false, .underline = false, .foreground = kGreen, .background = 0});
    Label6.setup("Label6", {75, 105, 2280, 195}, tr("Kézikönyv"));
    Label6.setStyle({.bold = false, .underline = true, .foreground = kBlue, .background = 0});
    Label6.setToolTip(tr("A Kombinátor kézikönyve"));

    Frame1.setup("Frame1", {3000, 2460, 4635, 2175});
    Frame1.setAccessible(tr("Tájékoztató"));
    const QString welcome =
        tr("Üdvözöljük a Kombinátorban!\n"
           "Másolja a szelvényt vagy az ajánlatot a vágólapra, töltse be, majd "
           "konvertálja tippekké. Minden tipp három sor: esemény, kimenet, odds.");
    const QString hint =
        tr("Rendszert a jobb oldali gombokkal választhat, az eredményt "
           "az oddsokra kattintva adja meg.");
    Label4.setup("Label4", {85, 180, 4425, 1080}, welcome, "Frame1");
    Label5.setup("Label5", {90, 1335, 4425, 735}, hint, "Frame1");
    // The panel is read from its first label, which also takes the keys that dismiss it.
    Label4.setAccessible(tr("Tájékoztató"),
                         tr("%1 (Enter vagy Escape: a tájékoztató eltűnik.)").arg(welcome));
    Label5.setAccessible(tr("Tudnivaló"), hint);
    for (Label* label : {&Label4, &Label5}) {
        label->setStyle({.bold = false, .underline = false, .foreground = 0, .background = kWhite});
        label->setToolTip(tr(" Klikkelésre eltűnik! "));
    }

    Command1.setup("Command1", {4575, 4380, 1680, 360}, tr("Vágólap betöltése"));
    Command22.setup("Command22", {6435, 4380, 1680, 360}, tr("Fix megadása"));
    Command3.setup("Command3", {4575, 4875, 1680, 360}, tr("Sor töröl"));
    Command7.setup("Command7", {4575, 5370, 630, 360}, tr("Edit"));
    Command2.setup("Command2", {5235, 5370, 1020, 360}, tr("Konvertálás"));
    Command6.setup("Command6", {4575, 5850, 1680, 360}, tr("Kulcs behelyettesítés"));
    Command21.setup("Command21", {4575, 6330, 1680, 360}, tr("Eredményt megadva "));
    Command4.setup("Command4", {300, 6810, 1680, 360}, tr("Mentés"));
    Command20.setup("Command20", {2670, 6825, 1680, 360}, tr("Vissza tölt"));
    Command19.setup("Command19", {6435, 6825, 1680, 360}, tr("Odds"));
    Command5.setup("Command5", {8358, 6825, 1620, 360}, tr("Kilép"));
    Command5.setStyle({.bold = true, .underline = false, .foreground = 0, .background = 0});
    Check2.setup("Check2", {4605, 6885, 1635, 240}, tr("Fájl név megadás"));
    Check1.setup("Check1", {8358, 6265, 1620, 345}, tr("Törli a kulcs és az odds listát"));
    Check1.setStyle({.bold = false, .underline = false, .foreground = kBlue, .background = 0});
    Check1.setValue(1);

    Command24.setup("Command24", {9258, 120, 720, 270}, QStringLiteral("1"));
    // The k-fold buttons stand in two columns of six.
    static_assert(std::size(kFoldTops) * 2 == std::tuple_size_v<decltype(Command8)>, "a place per button");
    for (size_t i = 0; i < Command8.size(); ++i) {
        const int left = i < std::size(kFoldTops) ? 8358 : 9258;
        Command8[i].setup(QStringLiteral("Command8_%1").arg(i),
                          {left, kFoldTops[i % std::size(kFoldTops)], 720, 270});
    }
    static_assert(std::size(kFullCoverTops) == calc::kFullCoverSystems.size(), "a place per button");
    const auto fullCover = fullCoverButtons();
    for (size_t i = 0; i < fullCover.size(); ++i) {
        fullCover[i]->setup(QStringLiteral("Command%1").arg(9 + i),
                            {i == 0 ? 8336 : 8358, kFullCoverTops[i], 1620, 270});
    }

    // Beside "Trixie 4", in the gap between the grids and the full covers' column.
    // No room for a caption: it shows the arrow of a drop-down, and says its name as its tooltip.
    Command25.setup("Command25", {8070, 2595, 255, 270});
    Command25.setToolTip(tr("Egyéb fogadások"));
    for (size_t i = 0; i < Command26.size(); ++i)
        Command26[i].setup(QStringLiteral("Command26_%1").arg(i), {});
    // Unlike the calculator buttons at start-up, they wait for tips that fit them.
    enableNamedBets(0);

    describeCalculators();

    Command23.setup("Command23", {5895, 3795, 1170, 315}, QStringLiteral("Command23"));
    Command23.setVisible(false);
    List2.setup("List2", {285, 4665, 675, 255});
    List4.setup("List4", {300, 4995, 615, 255});
    List6.setup("List6", {7245, 4980, 645, 255});
    Picture4.setup("Picture4", {7200, 3765, 330, 330});
    for (Control* hidden : std::initializer_list<Control*>{&List2, &List4, &List6, &Picture4})
        hidden->setVisible(false);
}

void Form1::wireHandlers() {
    connect(&Label4, &Label::clicked, this, &Form1::Label4_Click);
    connect(&Label5, &Label::clicked, this, &Form1::Label5_Click);
    connect(&Label6, &Label::clicked, this, &Form1::Label6_Click);
    connect(&Option2, &OptionGroup::optionClicked, this, &Form1::Option2_Click);
    connect(&Option3, &OptionGroup::optionClicked, this, &Form1::Option3_Click);
    connect(&Label6, &Label::mouseMoved, this, &Form1::Label6_MouseMove);
    connect(&Command5, &Button::clicked, this, &Form1::Command5_Click);
    connect(&Command1, &Button::clicked, this, &Form1::Command1_Click);
    connect(&Command2, &Button::clicked, this, &Form1::Command2_Click);
    connect(&Command23, &Button::clicked, this, &Form1::Command23_Click);
    connect(&Command3, &Button::clicked, this, &Form1::Command3_Click);
    connect(&List1, &ListBox::clicked, this, &Form1::List1_Click);
    connect(&List3, &ListBox::clicked, this, &Form1::List3_Click);
    for (size_t i = 0; i < Command8.size(); ++i)
        connect(&Command8[i], &Button::clicked, this, [this, i] { Command8_Click(static_cast<int>(i)); });
    const auto fullCover = fullCoverButtons();
    for (size_t i = 0; i < fullCover.size(); ++i)
        connect(fullCover[i], &Button::clicked, this, [this, i] { fullCoverClicked(i); });
    connect(&Command24, &Button::clicked, this, &Form1::Command24_Click);
    for (size_t i = 0; i < Command26.size(); ++i)
        connect(&Command26[i], &Button::clicked, this, [this, i] { namedBetClicked(i); });
    connect(&Grid1, &Grid::clicked, this, &Form1::Grid1_Click);
    connect(&Grid1, &Grid::menuChosen, this, &Form1::Grid1_MenuChosen);
    connect(&Grid2, &Grid::menuChosen, this, &Form1::Grid2_MenuChosen);
    connect(&Command22, &Button::clicked, this, &Form1::Command22_Click);
    connect(&Command19, &Button::clicked, this, &Form1::Command19_Click);
    connect(&Command21, &Button::clicked, this, &Form1::Command21_Click);
    connect(&Command6, &Button::clicked, this, &Form1::Command6_Click);
    connect(&Command7, &Button::clicked, this, &Form1::Command7_Click);
    connect(&Command4, &Button::clicked, this, &Form1::Command4_Click);
    connect(&Command20, &Button::clicked, this, &Form1::Command20_Click);
}

std::vector<Control*> Form1::controls() {
    std::vector<Control*> all{&Grid1,    &Grid2,     &SSTab1,    &List5,    &List1,    &Option1,  &Option2,
                              &Option3,  &Label8,    &Label7,    &Picture2, &Picture1, &Picture3, &List3,
                              &Label1,   &Label2,    &Label3,    &Label6,   &Frame1,   &Label4,   &Label5,
                              &Command1, &Command22, &Command3,  &Command7, &Command2, &Command6, &Command21,
                              &Command4, &Command20, &Command19, &Command5, &Check2,   &Check1,   &Command24};
    for (Button* b : calculatorButtons())
        all.push_back(b);
    all.push_back(&Command25);
    all.push_back(&Command23);
    for (Control* c : std::initializer_list<Control*>{&List2, &List4, &List6, &Picture4})
        all.push_back(c);
    return all;
}

std::vector<Button*> Form1::calculatorButtons() {
    std::vector<Button*> buttons;
    for (Button& b : Command8)
        buttons.push_back(&b);
    for (Button* b : fullCoverButtons())
        buttons.push_back(b);
    return buttons;
}

std::array<Button*, calc::kFullCoverSystems.size()> Form1::fullCoverButtons() {
    return {&Command9,  &Command10, &Command11, &Command12, &Command13,
            &Command14, &Command15, &Command16, &Command17, &Command18};
}

std::optional<QString> Form1::programFile(const QString& name) {
    return files::resolve(platform_.programFolder(), name);
}

void Form1::loadLegendPictures() {
    Picture2.setPicture(loadPicture(QStringLiteral("\\picture2.bmp")));
    Picture1.setPicture(loadPicture(QStringLiteral("\\picture1.bmp")));
    Picture3.setPicture(loadPicture(QStringLiteral("\\picture3.bmp")));
}

QString Form1::loadPicture(const QString& name) {
    const std::optional<QString> path = programFile(name);
    if (!path || !platform_.isPicture(*path)) return {};
    return *path;
}

void Form1::reportUnwritableFile(const QString& path) {
    platform_.messageBox(tr("A fájl nem írható: %1").arg(QDir::toNativeSeparators(path)),
                         QString::fromUtf8(kProgramTitle), MsgIcon::Stop, MsgButtons::Ok);
}

bool Form1::reportRefusedRead(files::ReadFault fault, const QString& path) {
    const QString refusal = files::readRefusal(fault, QDir::toNativeSeparators(path));
    if (refusal.isEmpty()) return false;
    platform_.messageBox(refusal, QString::fromUtf8(kProgramTitle), MsgIcon::Stop, MsgButtons::Ok);
    return true;
}

QString Form1::tipKey(const Grid& grid, int row) {
    return grid.textAt(row, 1) + u'\t' + grid.textAt(row, 2);
}

TipTerms Form1::termsAt(const Grid& grid, int row) const {
    // A runner at "SP" keeps its terms while its odds cell waits for the price.
    if (row < 1 || row >= grid.rows() || grid.textAt(row, 1).isEmpty()) return {};
    return tipTerms.value(tipKey(grid, row));
}

void Form1::setTermsAt(const Grid& grid, int row, const TipTerms& terms) {
    if (row < 1 || row >= grid.rows()) return;
    if (terms.empty()) {
        tipTerms.remove(tipKey(grid, row));
    } else {
        tipTerms.insert(tipKey(grid, row), terms);
    }
}

bool Form1::eachWay() const {
    const auto any = [&](const Grid& grid, int count) {
        for (int row = 1; row <= std::min(count, kMaxTips); ++row) {
            if (termsAt(grid, row).place.eachWay()) return true;
        }
        return false;
    };
    return any(Grid1, module1.tipCount) || any(Grid2, module1.bankerCount);
}

QString Form1::betCountText(int bets) const {
    return eachWay() ? QStringLiteral("%1×2").arg(bets) : QString::number(bets);
}

void Form1::closeDialog(Dialog* dialog) {
    for (std::unique_ptr<Dialog>* slot : {&gyari_, &form2_}) {
        if (slot->get() == dialog && dialog) {
            emit dialogClosing(dialog);
            closed_ = std::move(*slot);
            return;
        }
    }
}

}  // namespace kombinator
