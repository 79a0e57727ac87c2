// The generic window of a dialog model: built from its controls, modeless and ownerless, text
// handed in with CR LF line ends, the close box asking the dialog, closing discarding it.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "keys/gyari.h"
#include "store/form2.h"

#include <QTableWidget>
#include "testmain.h"
#include "ui/dialogview.h"
#include "ui/findbar.h"
#include "ui/linesedit.h"

using namespace kombinator;
using kombinator::test::FakePlatform;
using kombinator::ui::DialogView;
using kombinator::ui::DialogViews;
using kombinator::ui::LinesEdit;

namespace {

class SampleDialog : public Dialog {
    Q_OBJECT
public:
    explicit SampleDialog(Form1& form) : form_(form) {
        List1.setup("List1", {120, 120, 3000, 1500});
        List1.setSorted(true);
        Text1.setup("Text1", {120, 1700, 3000, 900});
        Text1.setMultiLine(true);
        Text2.setup("Text2", {120, 2700, 3000, 300});
        Command1.setup("Command1", {3300, 120, 1200, 360}, QStringLiteral("Rendben"));
        Option1.setup("Option1", {3300, 600, 1200, 600});
        Option1.addOption(QStringLiteral("Egyik"), {3300, 600, 1200, 255});
        Option1.addOption(QStringLiteral("Másik"), {3300, 900, 1200, 255});
        Label1.setup("Label1", {3300, 1300, 1200, 255}, QStringLiteral("Kulcsok:"));
    }
    QString windowName() const override { return QStringLiteral("gyari"); }
    QString caption() const override { return QStringLiteral("Kulcsok"); }
    Twips clientSize() const override { return {0, 0, 4800, 3300}; }
    std::vector<Control*> controls() override {
        return {&List1, &Text1, &Text2, &Command1, &Option1, &Label1};
    }
    void closeBox() override {
        ++closeBoxes;
        emit form_.dialogClosing(this);
    }

    ListBox List1;
    TextEdit Text1;
    TextEdit Text2;
    Button Command1;
    OptionGroup Option1;
    Label Label1;
    int closeBoxes = 0;

private:
    Form1& form_;
};

}  // namespace

class TestDialogView : public QObject {
    Q_OBJECT
private slots:
    void opensBuiltFromTheModel() {
        FakePlatform platform;
        Form1 form(platform);
        DialogViews views(form);
        SampleDialog dialog(form);
        QSignalSpy created(&views, &DialogViews::viewCreated);
        emit form.dialogOpened(&dialog);
        DialogView* view = views.view(&dialog);
        QVERIFY(view);
        QCOMPARE(created.count(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(view->isWindow());
        QVERIFY(!view->parentWidget());
        QVERIFY(!view->isModal());
        QCOMPARE(view->objectName(), QStringLiteral("gyari"));
        QCOMPARE(view->windowTitle(), QStringLiteral("Kulcsok"));
        QCOMPARE(view->size(), QSize(320, 220));
        QCOMPARE(view->controlWidget("List1")->geometry(), QRect(8, 8, 200, 100));
        QVERIFY(qobject_cast<LinesEdit*>(view->controlWidget("Text1")));
        QVERIFY(qobject_cast<QLineEdit*>(view->controlWidget("Text2")));
        QCOMPARE(qobject_cast<QLabel*>(view->controlWidget("Label1"))->text(), QStringLiteral("Kulcsok:"));

        dialog.List1.addItems({"Kulcs B", "kulcs a"});
        auto* list = qobject_cast<QListView*>(view->controlWidget("List1"));
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("kulcs a"));
        // The key lists line up in the desktop's fixed-pitch font; other controls keep the window's.
        QCOMPARE(list->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QCOMPARE(view->controlWidget("Text1")->font().family(), view->font().family());
        QSignalSpy pressed(&dialog.Command1, &Control::clicked);
        QTest::mouseClick(view->controlWidget("Command1"), Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        QTest::mouseClick(view->controlWidget("Option1_1"), Qt::LeftButton);
        QCOMPARE(dialog.Option1.selected(), 1);
    }

    // The editor grows as the user drags its corner, its text taking the room and its buttons
    // keeping to the corner, and opens next time at the size it was left at.
    void editorGrowsAndKeepsItsSize() {
        FakePlatform platform;
        Form1 form(platform);
        DialogViews views(form);
        // Their places in the window of its own size.
        const QRect text(8, 8, 464, 300);
        const QRect done(296, 316, 84, 28);
        QSize size(480, 352);
        for (const QSize larger : {QSize(700, 500), QSize(300, 200)}) {
            form.Command7.click();
            DialogView* view = views.view(form.form2Dialog());
            QVERIFY(view && QTest::qWaitForWindowExposed(view));
            QCOMPARE(view->size(), size);
            view->resize(larger);
            size = larger.expandedTo(QSize(480, 352));
            const QSize more = size - QSize(480, 352);
            QCOMPARE(view->size(), size);
            QCOMPARE(view->controlWidget("Text1")->geometry(),
                     text.adjusted(0, 0, more.width(), more.height()));
            QCOMPARE(view->controlWidget("Command1")->geometry(),
                     done.translated(more.width(), more.height()));
            qobject_cast<Form2*>(form.form2Dialog())->Command2.click();
            QTRY_VERIFY(!views.view(form.form2Dialog()));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void textReachesTheModelWithCrLf() {
        FakePlatform platform;
        Form1 form(platform);
        DialogViews views(form);
        SampleDialog dialog(form);
        emit form.dialogOpened(&dialog);
        DialogView* view = views.view(&dialog);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        auto* edit = qobject_cast<LinesEdit*>(view->controlWidget("Text1"));

        dialog.Text1.setText(QStringLiteral("Arsenal - Chelsea\r\nArsenal\r\n1,85"));
        QCOMPARE(edit->text(), QStringLiteral("Arsenal - Chelsea\nArsenal\n1,85"));
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        // Keystrokes copy nothing into the model: it reads the text once it is asked for it.
        QSignalSpy copies(&dialog.Text1, &TextEdit::textChanged);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("Újpest"));
        QCOMPARE(copies.count(), 0);
        QCOMPARE(dialog.Text1.text(), QStringLiteral("Arsenal - Chelsea\r\nArsenal\r\n1,85\r\nÚjpest"));

        QSignalSpy doubles(&dialog.Text1, &TextEdit::doubleClicked);
        QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(doubles.count(), 1);

        auto* line = qobject_cast<QLineEdit*>(view->controlWidget("Text2"));
        QTest::keyClicks(line, QStringLiteral("Lucky 15"));
        QCOMPARE(dialog.Text2.text(), QStringLiteral("Lucky 15"));
        dialog.Text2.setText(QStringLiteral("Yankee"));
        QCOMPARE(line->text(), QStringLiteral("Yankee"));

        // Typed just before the window goes, the text is still handed over.
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral(" 2"));
        const QPointer<LinesEdit> going(edit);
        emit form.dialogClosing(&dialog);
        QTRY_VERIFY(going.isNull());
        QCOMPARE(dialog.Text1.text(), QStringLiteral("Arsenal - Chelsea\r\nArsenal\r\n1,85\r\nÚjpest 2"));
    }

    // Keys in the offer text, written as typed text with {Key}, {S-Key} (Shift) and {C-Key}
    // (Ctrl) among it; the caret as line:column. A screen reader reads the same text and caret.
    void editingTheLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("caret");
        const QString match = QStringLiteral("Arsenal - Chelsea");
        QTest::newRow("Enter splits the line") << match << 0 << 7 << "{Return}"
                                               << "Arsenal\n - Chelsea"
                                               << "1:0";
        QTest::newRow("Backspace joins lines") << "Arsenal\nChelsea" << 1 << 0 << "{Backspace}"
                                               << "ArsenalChelsea"
                                               << "0:7";
        QTest::newRow("Delete at a line end joins") << "1,85\n\nMTK" << 0 << 4 << "{Delete}{Delete}"
                                                    << "1,85MTK"
                                                    << "0:4";
        QTest::newRow("typing replaces the selection") << match << 0 << 0 << "{S-End}Újpest"
                                                       << "Újpest"
                                                       << "0:6";
        QTest::newRow("a typed word is undone whole") << match << 0 << 17 << " ő{C-Z}" << match << "0:17";
        QTest::newRow("undo gives the selection back")
            << match << 0 << 0 << "{S-C-Right}x{C-Z}{C-Z}" << match << "0:10";
        QTest::newRow("undo of a line break") << match << 0 << 7 << "{Return}{C-Z}" << match << "0:7";
        QTest::newRow("Ctrl+Right to the next word") << match << 0 << 0 << "{C-Right}" << match << "0:10";
        QTest::newRow("Ctrl+Backspace a word") << match << 0 << 17 << "{C-Backspace}"
                                               << "Arsenal - "
                                               << "0:10";
        QTest::newRow("Ctrl+Shift+Home up to the start")
            << "Arsenal\nChelsea" << 1 << 3 << "{S-C-Home}{Backspace}"
            << "lsea"
            << "0:0";
        QTest::newRow("down past a short line keeps the place")
            << match + "\n1\n" + match << 0 << 10 << "{Down}{Down}" << match + "\n1\n" + match << "2:10";
        QTest::newRow("down on the last line goes to its end")
            << match << 0 << 3 << "{Down}" << match << "0:17";
        QTest::newRow("Ctrl+A and typing") << "Arsenal\r\nChelsea\r\n"
                                           << 0 << 0 << "{C-A}x"
                                           << "x"
                                           << "0:1";
        QTest::newRow("CR LF, CR and LF end lines") << "a\r\nb\rc\nd" << 3 << 1 << "{C-Home}{C-End}"
                                                    << "a\nb\nc\nd"
                                                    << "3:1";
        const QString jozsef = QStringLiteral("Jo\u0301zsef");
        QTest::newRow("an arrow steps over a letter and its accent")
            << jozsef << 0 << 0 << "{Right}{Right}" << jozsef << "0:3";
        QTest::newRow("Delete takes the whole letter") << jozsef << 0 << 1 << "{Delete}"
                                                       << "Jzsef"
                                                       << "0:1";
        QTest::newRow("Backspace takes the whole letter") << jozsef << 0 << 3 << "{Backspace}"
                                                          << "Jzsef"
                                                          << "0:1";
        QTest::newRow("a character beyond the basic plane is one") << "a😀b" << 0 << 1 << "{Right}{Backspace}"
                                                                   << "ab"
                                                                   << "0:1";
        QTest::newRow("pasting CR LF lines")
            << match << 0 << 17 << "{Return}{C-V}" << match + "\nÚjpest\n1,85"
            << "2:4";
        QTest::newRow("cut and paste moves a word") << match << 0 << 17 << "{S-C-Left}{C-X}{C-Home}{C-V}"
                                                    << "ChelseaArsenal - "
                                                    << "0:7";
        QTest::newRow("Shift and arrows select") << "Arsenal\nArsenal" << 0 << 2 << "{S-Right}{S-Down}"
                                                 << "Arsenal\nArsenal"
                                                 << "1:3";
        QTest::newRow("Shift and Left select backwards")
            << match << 0 << 5 << "{S-Left}{S-Left}" << match << "0:3";
        QTest::newRow("Ctrl+A selects the whole text") << "Arsenal\nChelsea" << 0 << 2 << "{C-A}"
                                                       << "Arsenal\nChelsea"
                                                       << "1:7";
        QTest::newRow("a caret past the end is clamped") << "ab\ncd" << 7 << 9 << "{Left}"
                                                         << "ab\ncd"
                                                         << "1:1";
        // The view follows the caret along a line wider than the field, and narrows with it.
        const QString wide(150, u'x');
        QTest::newRow("typing a wide line") << "" << 0 << 0 << wide << wide << "0:150";
        QTest::newRow("the widest line goes") << "ab\n" + wide << 1 << 150 << "{S-Home}{Backspace}{C-Home}"
                                              << "ab\n"
                                              << "0:0";
        QTest::newRow("the widest line narrows") << wide << 0 << 150 << "{S-C-Left}{Delete}ab"
                                                 << "ab"
                                                 << "0:2";
    }
    void editingTheLines() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, keys);
        LinesEdit edit;
        edit.resize(240, 120);
        edit.setText(text);
        edit.setCursorPosition({line, column});
        QGuiApplication::clipboard()->setText(QStringLiteral("Újpest\r\n1,85"));
        static const QRegularExpression key(QStringLiteral(R"(\{(S-)?(C-)?(\w+)\}|(.))"),
                                            QRegularExpression::UseUnicodePropertiesOption);
        for (auto it = key.globalMatch(keys); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.hasCaptured(4)) {
                QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, m.captured(4), Qt::NoModifier);
                continue;
            }
            const Qt::KeyboardModifiers mods((m.hasCaptured(1) ? Qt::ShiftModifier : Qt::NoModifier) |
                                             (m.hasCaptured(2) ? Qt::ControlModifier : Qt::NoModifier));
            const QKeySequence named(m.captured(3));
            QTest::keyClick(&edit, named.isEmpty() ? Qt::Key_unknown : Qt::Key(named[0].key()), mods);
        }
        QTEST(edit.text(), "result");
        const auto [at, col] = std::pair(edit.cursorPosition().line, edit.cursorPosition().column);
        QTEST(QStringLiteral("%1:%2").arg(at).arg(col), "caret");
        QVERIFY(edit.viewport()->rect().contains(edit.characterRect(edit.cursorPosition()).topLeft()));
        qreal widest = 0;
        for (const QString& shown : edit.text().split(u'\n'))
            widest = std::max(widest, QFontMetricsF(edit.font()).horizontalAdvance(shown));
        QCOMPARE(edit.horizontalScrollBar()->maximum() > 0, widest > edit.viewport()->width());
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        QCOMPARE(reader->text(0, reader->characterCount()), edit.text());
        QCOMPARE(reader->cursorPosition(), edit.offsetOf(edit.cursorPosition()));
        // The selection as a screen reader gets it, and as it sets one.
        const auto selected = [reader] {
            int from = -1;
            int to = -1;
            reader->selection(0, &from, &to);
            return std::pair(from, to);
        };
        const auto [first, last] = edit.selectionEnds();
        QCOMPARE(selected(), edit.hasSelection()
                                 ? std::pair(int(edit.offsetOf(first)), int(edit.offsetOf(last)))
                                 : std::pair(0, 0));
        reader->setSelection(0, 0, 1);
        QCOMPARE(selected(), std::pair(0, 1));
        QCOMPARE(reader->text(5, 2), QString());
    }

    // The pointer and the page keys as users of the desktop's own fields expect them. "top" is the
    // first line in view, -1 for any line but the first.
    void pointerAndPages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("selection");  // offsets, from-to
        QTest::addColumn<int>("top");
        QStringList numbered;
        for (int i = 0; i < 40; ++i)
            numbered << QString::number(i % 10);
        const QString forty = numbered.join(u'\n');
        QTest::newRow("triple-click selects the line") << "Arsenal - Chelsea\nÚjpest"
                                                       << "triple 1"
                                                       << "Arsenal - Chelsea\nÚjpest"
                                                       << "18-24" << 0;
        QTest::newRow("Page Down moves the view at once") << forty << "page" << forty << "" << -1;
        QTest::newRow("held below the field, it scrolls on") << forty << "hold" << forty << "" << -1;
        QTest::newRow("a word moved forward") << "Arsenal - Chelsea"
                                              << "move 0-7 to 17"
                                              << " - ChelseaArsenal"
                                              << "10-17" << 0;
        QTest::newRow("a line moved back") << "a\nb\nc"
                                           << "move 4-5 to 0"
                                           << "ca\nb\n"
                                           << "0-1" << 0;
        QTest::newRow("within itself it stays") << "Arsenal"
                                                << "move 0-7 to 3"
                                                << "Arsenal"
                                                << "0-7" << 0;
        const QString match = QStringLiteral("Arsenal - Chelsea\nChelsea - Arsenal");
        QTest::newRow("Ctrl+F finds") << match << "find chelsea" << match << "10-17" << 0;
        QTest::newRow("Return finds the next") << match << "find chelsea next" << match << "18-25" << 0;
        QTest::newRow("it goes round") << match << "find ARSENAL next next" << match << "0-7" << 0;
        QTest::newRow("Shift+F3 finds the previous")
            << match << "find chelsea previous" << match << "18-25" << 0;
        QTest::newRow("nothing found") << match << "find Újpest" << match << "" << 0;
        // A dead key's accent shows at the caret while it is composed; the letter comes in whole.
        QTest::newRow("composed with the input method") << "Arsnal"
                                                        << "compose 3"
                                                        << "Arsénal"
                                                        << "" << 0;
        QTest::newRow("text dropped from elsewhere") << "Arsenal"
                                                     << "drop 3"
                                                     << "Arsx\nyenal"
                                                     << "" << 0;
    }
    void pointerAndPages() {
        QFETCH(QString, text);
        QFETCH(QString, gesture);
        QFETCH(int, top);
        LinesEdit edit;
        edit.resize(240, 120);
        edit.setText(text);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        const QStringList words = gesture.split(u' ');
        QWidget* view = edit.viewport();
        const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButtons held, quint64 time) {
            QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            event.setTimestamp(time);
            QApplication::sendEvent(view, &event);
        };
        const auto pointAt = [&edit](int offset) {
            return edit.characterRect(edit.positionAt(offset)).center();
        };
        if (words[0] == "triple") {
            const QPoint at = edit.characterRect({words[1].toInt(), 2}).center();
            send(QEvent::MouseButtonPress, at, Qt::LeftButton, 1000);
            send(QEvent::MouseButtonRelease, at, Qt::NoButton, 1050);
            send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, 1100);
            send(QEvent::MouseButtonRelease, at, Qt::NoButton, 1150);
            send(QEvent::MouseButtonPress, at, Qt::LeftButton, 1200);
            send(QEvent::MouseButtonRelease, at, Qt::NoButton, 1250);
        } else if (words[0] == "page") {
            QTest::keyClick(&edit, Qt::Key_PageDown);
        } else if (words[0] == "hold") {
            send(QEvent::MouseButtonPress, pointAt(0), Qt::LeftButton, 1000);
            send(QEvent::MouseMove, QPoint(20, view->height() + 30), Qt::LeftButton, 1100);
            const int first = edit.verticalScrollBar()->value();
            QTRY_VERIFY(edit.verticalScrollBar()->value() > first + 2);
            send(QEvent::MouseButtonRelease, QPoint(20, view->height() + 30), Qt::NoButton, 1200);
        } else if (words[0] == "move") {
            const QStringList ends = words[1].split(u'-');
            edit.setCursorPosition(edit.positionAt(ends[0].toInt()));
            edit.setCursorPosition(edit.positionAt(ends[1].toInt()), true);
            edit.moveSelectionTo(edit.positionAt(words[3].toInt()));
        } else if (words[0] == "find") {
            QTest::keyClick(&edit, Qt::Key_F, Qt::ControlModifier);
            auto* box = edit.findBar()->findChild<QLineEdit*>("findText");
            QTest::keyClicks(box, words[1]);
            QTest::keyClick(box, Qt::Key_Return);
            for (const QString& more : words.mid(2))
                QTest::keyClick(box, Qt::Key_F3, more == "next" ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(edit.findBar()->findChild<QLabel*>()->isVisible(), !edit.hasSelection());
            // Escape closes the bar, and the field has the keys again.
            QTest::keyClick(box, Qt::Key_Escape);
            QVERIFY(edit.findBar()->isHidden());
            QVERIFY(edit.hasFocus());
        } else if (words[0] == "compose") {
            edit.setCursorPosition({0, words[1].toInt()});
            QInputMethodEvent composing(QStringLiteral("\u00b4"), {{QInputMethodEvent::Cursor, 1, 1}});
            QApplication::sendEvent(&edit, &composing);
            edit.viewport()->repaint();
            QCOMPARE(edit.text(), text);
            QInputMethodEvent committed;
            committed.setCommitString(QStringLiteral("é"));
            QApplication::sendEvent(&edit, &committed);
            QCOMPARE(edit.cursorPosition().column, words[1].toInt() + 1);
        } else if (words[0] == "drop") {
            QMimeData data;
            data.setText(QStringLiteral("x\r\ny"));
            // A drop goes where the drag entered and was taken.
            QDragEnterEvent enter(pointAt(words[1].toInt()), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(view, &enter);
            QDropEvent drop(pointAt(words[1].toInt()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &drop);
        }
        QTEST(edit.text(), "result");
        const auto [from, to] = edit.selectionEnds();
        const QString selection =
            edit.hasSelection() ? QStringLiteral("%1-%2").arg(edit.offsetOf(from)).arg(edit.offsetOf(to))
                                : QString();
        if (words[0] != "hold" && words[0] != "page") QTEST(selection, "selection");
        if (top >= 0) QCOMPARE(edit.verticalScrollBar()->value(), top);
        if (top < 0) QVERIFY(edit.verticalScrollBar()->value() > 0);
        if (words[0] == "move") {
            edit.undo();
            QCOMPARE(edit.text(), text);
        }
    }

    // What a screen reader reads around an offset: a character, a word, a line with its line end.
    void screenReaderUnits_data() {
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("before");  // -1 at, 0 before, 1 after the offset's unit
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const int line = QAccessible::LineBoundary;
        const int word = QAccessible::WordBoundary;
        QTest::newRow("line at") << line << 3 << -1 << "Arsenal - Chelsea\n" << 0 << 18;
        QTest::newRow("last line") << line << 20 << -1 << "Újpest" << 18 << 24;
        QTest::newRow("line before") << line << 20 << 0 << "Arsenal - Chelsea\n" << 0 << 18;
        QTest::newRow("line after") << line << 3 << 1 << "Újpest" << 18 << 24;
        QTest::newRow("no line before the first") << line << 3 << 0 << "" << -1 << -1;
        QTest::newRow("word at") << word << 12 << -1 << "Chelsea" << 10 << 17;
        QTest::newRow("word on the next line") << word << 19 << -1 << "Újpest" << 18 << 24;
        QTest::newRow("character") << int(QAccessible::CharBoundary) << 18 << -1 << "Ú" << 18 << 19;
        QTest::newRow("whole text") << int(QAccessible::NoBoundary) << 5 << -1 << "Arsenal - Chelsea\nÚjpest"
                                    << 0 << 24;
    }
    void screenReaderUnits() {
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(int, before);
        LinesEdit edit;
        edit.setText(u"Arsenal - Chelsea\r\nÚjpest");
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
        int start = 0;
        int end = 0;
        const QString unit = before < 0    ? reader->textAtOffset(offset, type, &start, &end)
                             : before == 0 ? reader->textBeforeOffset(offset, type, &start, &end)
                                           : reader->textAfterOffset(offset, type, &start, &end);
        QTEST(unit, "unit");
        QTEST(start, "start");
        QTEST(end, "end");
    }

    // The key description is one line: a pasted text of several lines becomes one, with a blank
    // for each line break; text set by an assistive tool counts as typed.
    void keyDescriptionField() {
        FakePlatform platform;
        Form1 form(platform);
        DialogViews views(form);
        form.module1.tipCount = 6;
        form.Command6.click();
        auto* dialog = qobject_cast<gyari*>(form.gyariDialog());
        QVERIFY(dialog);
        DialogView* view = views.view(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        auto* edit = qobject_cast<QLineEdit*>(view->controlWidget("Text1"));
        QVERIFY(edit);

        QGuiApplication::clipboard()->setText(QStringLiteral("02_06_01.txt Hat\r\nesemény\nkét\r\rsorban"));
        edit->paste();
        const QString oneLine = QStringLiteral("02_06_01.txt Hat esemény két  sorban");
        QCOMPARE(dialog->Text1.text(), oneLine);
        QCOMPARE(edit->text(), oneLine);
        dialog->Command2.click();
        QCOMPARE(dialog->List1.lines(), QStringList{oneLine});

        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(field);
        field->setText(QAccessible::Value, QStringLiteral("03_10_02.txt Tíz"));
        QCOMPARE(dialog->Text1.text(), QStringLiteral("03_10_02.txt Tíz"));
        QVERIFY(field->editableTextInterface());
        field->editableTextInterface()->insertText(16, QStringLiteral(" esemény"));
        QCOMPARE(dialog->Text1.text(), QStringLiteral("03_10_02.txt Tíz esemény"));
    }

    // The key in hand shows what it pays, under the dialog's controls.
    void keyProfileOfTheKeyInHand() {
        FakePlatform platform;
        platform.writeFile(QStringLiteral("tkulcs/tippek.inf"),
                           "03_09_07.txt  3 fogadás – 3-as kötések, 9 esemény: ha legalább 7 tipp bejön, "
                           "legalább egy kötés nyer\r\n02_09_03.txt  nincs fájlja\r\n");
        platform.writeFile(QStringLiteral("tkulcs/03_09_07.txt"),
                           "001 002 003\r\n004 005 006\r\n007 008 009\r\n");
        Form1 form(platform);
        DialogViews views(form);
        form.module1.tipCount = 9;
        form.Command6.click();
        auto* dialog = qobject_cast<gyari*>(form.gyariDialog());
        DialogView* view = views.view(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        auto* table = view->findChild<QTableWidget*>(QStringLiteral("keyProfile"));
        QVERIFY(table);
        dialog->List1.clickLine(1);
        QTRY_COMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 1)->text() + table->item(0, 2)->text(), QStringLiteral("12"));
        dialog->List1.clickLine(0);
        QTRY_COMPARE(table->rowCount(), 0);
    }

    void closeBoxAsksTheDialog() {
        FakePlatform platform;
        Form1 form(platform);
        DialogViews views(form);
        SampleDialog dialog(form);
        emit form.dialogOpened(&dialog);
        QPointer<DialogView> view = views.view(&dialog);
        QVERIFY(QTest::qWaitForWindowExposed(view.data()));

        view->close();
        QCOMPARE(dialog.closeBoxes, 1);
        QVERIFY(!views.view(&dialog));
        QTRY_VERIFY(view.isNull());  // discarded once its own event has returned

        // Shown again: a new window; raised: the same one, shown again.
        emit form.dialogOpened(&dialog);
        QPointer<DialogView> again = views.view(&dialog);
        QVERIFY(again);
        again->hide();
        emit form.dialogRaised(&dialog);
        QCOMPARE(views.view(&dialog), again.data());
        QVERIFY(again->isVisible());
        emit form.dialogClosing(&dialog);
        QTRY_VERIFY(again.isNull());
    }
};

KOMBINATOR_TEST(TestDialogView);
#include "tst_dialogview.moc"
