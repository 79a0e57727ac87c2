// The key library dialog `gyari`.
#include "keys/gyari.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

#include "app/form1.h"
#include "calc/output.h"
#include "keys/keyshape.h"
#include "keys/keyverdict.h"
#include "keys/substitution.h"
#include "platform/files.h"

namespace kombinator {

namespace {

const QString kCaption = QStringLiteral("Zelko-Soft/2013");
constexpr int kKeyNameLength = 8;

// A number with at least two digits, as the key names write them.
QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

// The library keeps its descriptions in the words the program writes for a key it makes (the
// library is a file, read back as it stands). Shown in another language, a description in exactly
// those words reads in that language; one the user wrote stays as written.
QString shownKeyLine(const QString& line) {
    static const QRegularExpression written(QStringLiteral(
        "^(\\S+\\s+)(\\d+) fogadás – (\\d)-\\S+ kötések, (\\d+) esemény: ha legalább (\\d+) tipp"));
    const QRegularExpressionMatch match = written.match(line);
    if (!match.hasMatch()) return line;
    const int bets = match.captured(2).toInt();
    const keys::KeyShape shape{match.captured(3).toInt(), match.captured(4).toInt(),
                               match.captured(5).toInt()};
    const QString description = line.mid(match.capturedLength(1));
    if (description != QString::fromStdString(keys::keyDescription(shape, static_cast<std::size_t>(bets))))
        return line;
    const QString shown = QCoreApplication::translate(
        "keys", "%n fogadás – %1-es kötések, %2 esemény: ha legalább %3 tipp bejön, legalább egy kötés nyer",
        nullptr, bets);
    // Untranslated, the template is no better than the words as stored.
    if (shown.startsWith(QString::number(bets) + QStringLiteral(" fogadás"))) return line;
    return match.captured(1) + shown.arg(shape.k).arg(shape.n).arg(shape.m);
}

}  // namespace

QString eventsKeyName(const QString& keyName) {
    // The key name is three numbers joined by "_": type, number of events, a further number.
    // A name that lacks some of them leaves those at 0.
    int first = 0;
    int second = 0;
    int third = 0;
    int state = 0;
    qsizetype from = 0;  // where the number being scanned starts
    const QStringView name(keyName);
    for (qsizetype at = 0; at < name.size(); ++at) {
        const bool underscore = name.at(at) == u'_';
        if (state == 0 && underscore) {
            first = calc::numberValue(name.first(at));
            state = 1;
            from = at + 1;
        } else if (state == 1 && underscore) {
            second = calc::numberValue(name.sliced(from, at - from));
            state = 2;
            from = at + 1;
        } else if (state == 2 && !underscore) {
            state = 3;
            from = at;
        }
    }
    if (state == 1) {
        // One "_" only: the events are the two characters after it, the further number the last three.
        second = calc::numberValue(name.mid(from, 2));
        third = calc::numberValue(name.mid(name.size() - 3));
    } else {
        third = calc::numberValue(name.mid(from));
    }

    QString rewritten = twoDigits(second) + u'_' + twoDigits(first);
    const QString last = twoDigits(third);
    while (rewritten.size() + last.size() < kKeyNameLength)
        rewritten += u'_';
    return rewritten + last;
}

gyari::gyari(Form1& form, QObject* parent) : Dialog(parent), form_(form) {
    setObjectName(QStringLiteral("gyari"));
    setUpControls();
    wireHandlers();
}

gyari::~gyari() = default;

QString gyari::windowName() const {
    return QStringLiteral("gyari");
}

QString gyari::caption() const {
    return tr(" Eddigi beépített kulcsok !");
}

Twips gyari::clientSize() const {
    return {0, 0, 10260, 4500};
}

std::vector<Control*> gyari::controls() {
    return {&List1, &List2, &Option1, &Label1, &Command1, &Command2, &Command3, &Command5, &Command4, &Text1};
}

void gyari::closeBox() {
    form_.closeDialog(this);
}

void gyari::setUpControls() {
    // The two views share one place; only one of them shows at a time.
    // Wide enough for a whole description of the built-in library.
    const Twips listPlace{120, 120, 8340, 3480};
    List1.setup("List1", listPlace);
    List1.setSorted(true);
    List1.setAccessible(tr("Kulcsok"));
    // A description is longer than the list is wide; its price stands first, the rest in the tip.
    List1.setLineToolTips(true);
    List1.setLineShower(shownKeyLine);
    List2.setup("List2", listPlace);
    List2.setSorted(true);
    List2.setAccessible(tr("Kulcsok események szerint"));
    List2.setLineToolTips(true);
    List2.setLineShower(shownKeyLine);
    List2.setVisible(false);

    Option1.setup("Option1", {8640, 120, 1500, 600});
    Option1.addOption(tr("Típus"), {8640, 120, 1500, 255});
    Option1.addOption(tr("Esemény"), {8640, 420, 1500, 255});
    Option1.select(0);

    Label1.setup("Label1", {8640, 840, 1500, 255});
    Label1.setAccessible({}, tr("Kulcsok száma"));

    Command1.setup("Command1", {8640, 1260, 1500, 360}, tr("Töröl"));
    Command2.setup("Command2", {8640, 1740, 1500, 360}, tr("Hozzáad"));
    Command3.setup("Command3", {8640, 2220, 1500, 360}, tr("Kiválaszt"));
    Command4.setup("Command4", {8640, 3240, 1500, 360}, tr("Kilép"));
    // In the free space between "Kiválaszt" and "Kilép".
    Command5.setup("Command5", {8640, 2700, 1500, 360}, tr("Kulcskészítő…"));

    Text1.setup("Text1", {120, 3840, 10020, 330});
    Text1.setAccessible(tr("Kulcsleírás"));
}

void gyari::wireHandlers() {
    connect(&Option1, &OptionGroup::optionClicked, this, &gyari::Option1_Click);
    connect(&List1, &ListBox::clicked, this, &gyari::List1_Click);
    connect(&List2, &ListBox::clicked, this, &gyari::List2_Click);
    connect(&Text1, &TextEdit::doubleClicked, this, &gyari::Text1_DblClick);
    connect(&Command1, &Button::clicked, this, &gyari::Command1_Click);
    connect(&Command2, &Button::clicked, this, &gyari::Command2_Click);
    connect(&Command3, &Button::clicked, this, &gyari::Command3_Click);
    connect(&Command4, &Button::clicked, this, &gyari::Command4_Click);
    connect(&Command5, &Button::clicked, this, &gyari::Command5_Click);
}

void gyari::showLineCount() {
    Label1.setCaption(QString::number(List1.count()));
}

void gyari::Form_Load() {
    form_.platform().makeTopmost(windowName());
    changed_ = false;
    // The library is read afresh at every opening; a missing one leaves the dialog empty.
    const std::optional<QString> path = form_.programFile(QString::fromLatin1(kLibraryFile));
    if (!path) return;
    files::ReadFault fault = files::ReadFault::None;
    const std::optional<QStringList> lines = files::readLines(*path, &fault);
    if (!lines) {
        form_.reportRefusedRead(fault, *path);
        return;
    }
    List1.setLines(*lines);
    showLineCount();
}

void gyari::Option1_Click(int index) {
    if (index == 0) {
        List2.setVisible(false);
        List1.setVisible(true);
        Command1.setEnabled(true);
        Command2.setEnabled(true);
        return;
    }
    if (index != 1) return;

    List2.clear();
    List1.setVisible(false);
    List2.setVisible(true);
    const QStringList& library = List1.lines();
    const qsizetype named = std::min<qsizetype>(library.size(), kViewRows);
    viewNames_.assign(static_cast<size_t>(named), {});
    QStringList byEvents;
    byEvents.reserve(library.size());
    for (qsizetype i = 0; i < library.size(); ++i) {
        const QString& line = library.at(i);
        const QString keyName = line.left(kKeyNameLength);
        const QString rewritten = eventsKeyName(keyName) + line.mid(kKeyNameLength);
        byEvents.append(rewritten);
        if (i < named) viewNames_[static_cast<size_t>(i)] = {keyName, rewritten.left(kKeyNameLength)};
    }
    List2.setLines(byEvents);
    Command1.setEnabled(false);
    Command2.setEnabled(false);
}

void gyari::List1_Click() {
    if (List1.listIndex() >= 0) Text1.setText(List1.shownLine(List1.listIndex()));
}

void gyari::List2_Click() {
    if (List2.listIndex() < 0) return;
    const QString picked = List2.line(List2.listIndex()).left(kKeyNameLength);
    const size_t rows = std::min(viewNames_.size(), static_cast<size_t>(List2.count()));
    for (size_t row = 0; row < rows; ++row) {
        if (viewNames_[row].eventsName == picked) {
            List1.setListIndex(static_cast<int>(row));
            return;
        }
    }
}

std::optional<std::pair<int, std::vector<keys::Bet>>> gyari::keyInHand() {
    const QString description = Text1.text();
    const std::optional<QString> path = form_.programFile(keys::keyFileName(description));
    if (description.size() < 12 || !path) return std::nullopt;
    const files::ReadResult key = files::readFile(*path);
    if (!key.ok() || key.bytes.size() > keys::kMaxKeyFileBytes) return std::nullopt;
    const std::optional<std::vector<keys::Bet>> bets = keys::keyBets(files::decode(key.bytes));
    if (!bets) return std::nullopt;
    return std::make_pair(keys::keyEventCount(description, *bets), *bets);
}

void gyari::Text1_DblClick() {
    Text1.setText({});
}

void gyari::Command1_Click() {
    Platform& platform = form_.platform();
    const int selected = List1.listIndex();
    if (selected < 0) {
        platform.messageBox(tr("Nincs listasor kiválasztva "), kCaption, MsgIcon::Stop, MsgButtons::Ok);
        return;
    }
    if (platform.messageBox(tr("Biztos, hogy törölni akarja a kiválasztott kulcsleírást ?"), kCaption,
                            MsgIcon::Question, MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return;
    List1.removeItem(selected);
    showLineCount();
    changed_ = true;
}

void gyari::Command2_Click() {
    if (Text1.text().isEmpty()) return;
    if (form_.platform().messageBox(tr("Biztos, hogy új kulcsleírást akar megadni ?"), kCaption,
                                    MsgIcon::Question, MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return;
    List1.addItem(Text1.text());
    Text1.setText({});
    showLineCount();
    changed_ = true;
}

void gyari::Command3_Click() {
    if (keys::substituteKey(form_, List1, Text1.text())) leave();
}

void gyari::Command4_Click() {
    leave();
}

void gyari::Command5_Click() {
    emit keyMakerRequested();
}

void gyari::addSavedKey(const QString& line) {
    List1.addItem(line);
    showLineCount();
    if (Option1.selected() == 1) Option1_Click(1);  // the events view is rebuilt from the list
}

void gyari::leave() {
    if (changed_) {
        // A library that cannot be written (a read-only one included) keeps its old contents, and
        // the user learns that the changes are lost; the dialog closes all the same.
        const QString name = QString::fromLatin1(kLibraryFile);
        const std::optional<QString> path = form_.programFile(name);
        if (!path || !files::writeLines(*path, List1.lines()))
            form_.reportUnwritableFile(path.value_or(name));
    }
    form_.closeDialog(this);
}

}  // namespace kombinator
