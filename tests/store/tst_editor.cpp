// The tip-list editor `Form2`: its text-to-lines rule, opening, "Kész" and "Mégsem".
#include <QSignalSpy>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "store/form2.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

namespace {

Form2* openEditor(Form1& form) {
    form.Command7.click();
    return qobject_cast<Form2*>(form.form2Dialog());
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void textToLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("prefix on a line with a break") << "   Összes kijelölése   Alpha - Beta  \r\n"
                                                       << QStringList{"Alpha - Beta"};
        QTest::newRow("prefix on the last line, no break")
            << "   Összes kijelölése   Alpha - Beta  " << QStringList{"Összes kijelölése   Alpha - Beta"};
        QTest::newRow("prefix then last line") << "Összes kijelölése Alpha\r\nÖsszes kijelölése Beta"
                                               << QStringList{"Alpha", "Összes kijelölése Beta"};
        QTest::newRow("prefix alone") << "Összes kijelölése\r\n" << QStringList{};
        QTest::newRow("prefix glued to the text") << "Összes kijelöléseAlpha\r\n" << QStringList{"Alpha"};
        QTest::newRow("prefix inside a line") << "x Összes kijelölése\r\n"
                                              << QStringList{"x Összes kijelölése"};
        QTest::newRow("prefix in other case") << "összes kijelölése Alpha\r\n"
                                              << QStringList{"összes kijelölése Alpha"};
        QTest::newRow("prefix taken once") << "Összes kijelölése Összes kijelölése A\r\n"
                                           << QStringList{"Összes kijelölése A"};
        QTest::newRow("tabs become blanks")
            << "\tAlpha\t-\tBeta\t\r\nSzorzó:\t\t1,85" << QStringList{"Alpha - Beta", "Szorzó:  1,85"};
        QTest::newRow("blank lines dropped") << "A\r\n\r\n   \r\n\t\r\nB\r\n\r\n" << QStringList{"A", "B"};
        QTest::newRow("inner blanks kept") << "Alpha  -  Beta\r\n" << QStringList{"Alpha  -  Beta"};
        QTest::newRow("carriage return alone ends a line") << "A\rB\rC" << QStringList{"A", "B", "C"};
        QTest::newRow("line feed alone is ignored") << "A\nB\r\n" << QStringList{"AB"};
        QTest::newRow("page blanks trimmed")
            << QString::fromUtf8("\u00A0Alpha\u00A0 \r\n") << QStringList{"Alpha"};
        QTest::newRow("page blanks and marks around the prefix")
            << QString::fromUtf8("\uFEFF\u00A0Összes\u00A0kijelölése\u2009Alpha\u00A0\u2013 Beta\u200B\r\n")
            << QStringList{QString::fromUtf8("Alpha \u2013 Beta")};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void textToLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(editorTextLines(text), lines);
    }

    void opensOnTheOfferLines() {
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"Alpha - Beta", "Alpha", "Szorzó: 1,85"});
        QSignalSpy opened(&form, &Form1::dialogOpened);

        Form2* editor = openEditor(form);

        QVERIFY(editor);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(editor->windowName(), "Form2");
        QCOMPARE(editor->caption(), "Tipplista szerkesztése.");
        QCOMPARE(editor->Text1.text(), "Alpha - Beta\r\nAlpha\r\nSzorzó: 1,85\r\n");
        QCOMPARE(fake.topmost, QStringList{"Form2"});

        editor->Command1.click();
        QCOMPARE(form.form2Dialog(), nullptr);
        QCOMPARE(form.List5.lines(), (QStringList{"Alpha - Beta", "Alpha", "Szorzó: 1,85"}));
        QCOMPARE(form.List4.lines(), form.List5.lines());
        QCOMPARE(form.Label1.caption(), "3");
    }

    void opensEmptyOnAnEmptyOfferList() {
        FakePlatform fake;
        Form1 form(fake);
        Form2* editor = openEditor(form);
        QVERIFY(editor);
        QCOMPARE(editor->Text1.text(), QString());
    }

    // "Edit" on an open editor brings it forward; the text typed so far stays.
    void oneEditorAtATime() {
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"A"});
        Form2* editor = openEditor(form);
        editor->Text1.setText("typed\r\n");
        QSignalSpy raised(&form, &Form1::dialogRaised);

        QCOMPARE(openEditor(form), editor);
        QCOMPARE(raised.count(), 1);
        QCOMPARE(editor->Text1.text(), "typed\r\n");
        QCOMPARE(fake.topmost.size(), 1);
    }

    void doneReplacesTheOfferLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("corrected odds") << "Alpha - Beta\r\nAlpha\r\nSzorzó: 2,05\r\n"
                                        << QStringList{"Alpha - Beta", "Alpha", "Szorzó: 2,05"};
        QTest::newRow("pasted coupon") << "Összes kijelölése\tAlpha - Beta\r\n\r\n Alpha \r\n1,85"
                                       << QStringList{"Alpha - Beta", "Alpha", "1,85"};
    }
    void doneReplacesTheOfferLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"old 1", "old 2"});
        form.List5.setToolTip("tooltip");
        form.Grid1.setRow(1);
        form.Grid1.setCol(1);
        form.Grid1.setText("Old");
        form.module1.tipCount = 1;
        Form2* editor = openEditor(form);
        editor->Text1.setText(text);

        editor->Command1.click();

        QCOMPARE(form.form2Dialog(), nullptr);
        QCOMPARE(form.List5.lines(), lines);
        QCOMPARE(form.List4.lines(), lines);
        QCOMPARE(form.Label1.caption(), "3");
        QCOMPARE(form.List5.toolTip(), QString());
        // Not converted: the tips stay until the next conversion.
        QCOMPARE(form.Grid1.textAt(1, 1), "Old");
        QCOMPARE(form.module1.tipCount, 1);
    }

    // A text without any line empties the offer list and keeps the copy list and the count. An
    // emptied text closes the editor, as the user who deleted everything means to be done; a text
    // of blanks or a bare prefix keeps it open to be corrected.
    void doneWithoutLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::newRow("empty text") << "" << true;
        QTest::newRow("blanks and line breaks") << "   \r\n\t\r\n\r\n  " << false;
        QTest::newRow("bare prefix") << "  Összes kijelölése  \r\n" << false;
    }
    void doneWithoutLines() {
        QFETCH(QString, text);
        QFETCH(bool, closes);
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"A", "B", "C"});
        form.List4.setLines({"A", "B", "C"});
        form.Label1.setCaption("3");
        form.List5.setToolTip("tooltip");
        Form2* editor = openEditor(form);
        editor->Text1.setText(text);

        editor->Command1.click();

        QCOMPARE(form.List5.count(), 0);
        QCOMPARE(form.List4.lines(), (QStringList{"A", "B", "C"}));
        QCOMPARE(form.Label1.caption(), "3");
        QCOMPARE(form.List5.toolTip(), "tooltip");
        QCOMPARE(form.form2Dialog() == nullptr, closes);
    }

    void cancelChangesNothing_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Mégsem") << false;
        QTest::newRow("close box") << true;
    }
    void cancelChangesNothing() {
        QFETCH(bool, closeBox);
        FakePlatform fake;
        Form1 form(fake);
        form.List5.setLines({"A", "", "B"});
        form.List4.setLines({"A", "", "B"});
        form.Label1.setCaption("3");
        Form2* editor = openEditor(form);
        editor->Text1.setText("edited\r\n");

        if (closeBox) {
            editor->closeBox();
        } else {
            editor->Command2.click();
        }

        QCOMPARE(form.form2Dialog(), nullptr);
        QCOMPARE(form.List5.lines(), (QStringList{"A", "", "B"}));
        QCOMPARE(form.List4.lines(), (QStringList{"A", "", "B"}));
        QCOMPARE(form.Label1.caption(), "3");

        // Opened again, the editor loads the offer list afresh.
        QCOMPARE(openEditor(form)->Text1.text(), "A\r\n\r\nB\r\n");
    }

    void controlsFitTheWindow() {
        FakePlatform fake;
        Form1 form(fake);
        Form2* editor = openEditor(form);
        const Twips client = editor->clientSize();
        QStringList names;
        for (Control* control : editor->controls()) {
            const Twips g = control->geometry();
            names << control->name();
            QVERIFY(g.left >= 0 && g.top >= 0 && g.width > 0 && g.height > 0);
            QVERIFY2(g.left + g.width <= client.width && g.top + g.height <= client.height,
                     qPrintable(control->name()));
        }
        QCOMPARE(names, (QStringList{"Text1", "Command1", "Command2"}));
        QCOMPARE(editor->Command1.caption(), "Kész");
        QCOMPARE(editor->Command2.caption(), "Mégsem");
        QVERIFY(editor->Text1.isMultiLine());
        QCOMPARE(editor->Text1.accessibleName(), "Tipplista");
        const Twips text = editor->Text1.geometry();
        QVERIFY(editor->Command1.geometry().top >= text.top + text.height);
        QVERIFY(editor->Command1.geometry().left + editor->Command1.geometry().width <=
                editor->Command2.geometry().left);
    }
};
KOMBINATOR_TEST(EditorTest);

#include "tst_editor.moc"
