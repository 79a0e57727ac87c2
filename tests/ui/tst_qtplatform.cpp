// The real desktop platform: clipboard line ends, file dialog filters, the decimal separator,
// the single-instance lock, topmost windows, the pointer, and the modal boxes closed by a timer.
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <QTimer>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

#include <cstdio>

#include "app/form1.h"
#include "app/language.h"
#include "fakeplatform.h"
#include "platform/files.h"
#include "testmain.h"
#include "ui/qtplatform.h"

using namespace kombinator;
using kombinator::ui::QtPlatform;

namespace {

// The real desktop, except that its message boxes are written down instead of shown.
class RecordingDesktop : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    MsgAnswer messageBox(const QString& text, const QString&, MsgIcon, MsgButtons) override {
        shown << text;
        return MsgAnswer::Ok;
    }
    bool anotherInstanceRunning() override { return false; }
    QStringList shown;
};

// Runs `handle` on the modal widget that the next call opens, so that no test waits for a user.
template <typename Handle>
void whenModalOpens(Handle handle) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        handle(modal);
    });
    timer->start();
}

QString resource(const QString& name) {
    return QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/") + name;
}

}  // namespace

class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LF") << "a\nb"
                            << "a\r\nb";
        QTest::newRow("CR LF kept") << "a\r\nb"
                                    << "a\r\nb";
        QTest::newRow("lone CR kept") << "a\rb"
                                      << "a\rb";
        QTest::newRow("two LF") << "a\n\nb"
                                << "a\r\n\r\nb";
        QTest::newRow("CR LF then LF") << "a\r\n\nb"
                                       << "a\r\n\r\nb";
        QTest::newRow("leading and trailing LF") << "\na\n"
                                                 << "\r\na\r\n";
        QTest::newRow("empty") << ""
                               << "";
    }
    void lineEnds() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(files::withCrLf(text), expected);
    }

    void clipboardTextComesWithCrLf() {
        QtPlatform platform(lockDir.path());
        QGuiApplication::clipboard()->setText(QStringLiteral("Arsenal - Chelsea\nArsenal\r\n1,85"));
        const std::optional<QString> text = platform.clipboardText();
        QVERIFY(text.has_value());
        QCOMPARE(*text, QStringLiteral("Arsenal - Chelsea\r\nArsenal\r\n1,85"));
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("save and load")
            << "Minden(*.*)|*.*|Text(*.txt)|*.txt" << QStringList{"Minden (*)", "Text (*.txt)"};
        QTest::newRow("several patterns") << "Listák|*.txt;*.inf" << QStringList{"Listák (*.txt *.inf)"};
        QTest::newRow("no description") << "|*.txt" << QStringList{"(*.txt)"};
        QTest::newRow("description without pattern dropped")
            << "Text(*.txt)|*.txt|Minden" << QStringList{"Text (*.txt)"};
        QTest::newRow("empty pattern dropped") << "Semmi| |Text|*.txt" << QStringList{"Text (*.txt)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void nameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(ui::nameFilters(filter), expected);
    }

    // The separator start-up checks is the one odds and amounts are read and written with: a
    // point under every locale, so a Hungarian desktop (decimal comma) gets no false warning.
    void decimalSeparatorOfTheProgram_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Hungarian") << QLocale(QLocale::Hungarian, QLocale::Hungary);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void decimalSeparatorOfTheProgram() {
        QFETCH(QLocale, locale);
        const QLocale saved;
        QLocale::setDefault(locale);
        QtPlatform platform(lockDir.path());
        QCOMPARE(platform.profileString("intl", "sdecimal", "win.ini"), ".");
        QCOMPARE(platform.profileString("INTL", "sDecimal", "WIN.INI"), ".");
        QCOMPARE(platform.profileString("intl", "sthousand", "win.ini"), QString());
        QCOMPARE(platform.profileString("intl", "sdecimal", "system.ini"), QString());
        // Start-up on this desktop shows no message at all.
        RecordingDesktop desktop(lockDir.path());
        Form1 form(desktop);
        form.Form_Load();
        QCOMPARE(desktop.shown, QStringList());
        QCOMPARE(form.Grid1.textAt(0, 0), QStringLiteral(" Ssz."));
        QLocale::setDefault(saved);
    }

    void programFiles() {
        QtPlatform platform(lockDir.path());
        QCOMPARE(platform.programName(), QStringLiteral("tst_ui"));
        QCOMPARE(QDir(platform.programFolder()), QDir(QCoreApplication::applicationDirPath()));
        QCOMPARE(platform.applicationTitle(), QStringLiteral("Kombinátor"));
    }

    void secondInstanceSeesTheFirst() {
        QTemporaryDir dir;
        auto first = std::make_unique<QtPlatform>(dir.path());
        QVERIFY(!first->anotherInstanceRunning());
        QVERIFY(!first->anotherInstanceRunning());  // asking again does not find itself
        QtPlatform second(dir.path());
        second.lockInBackground();  // as the program starts: the answer is awaited
        QVERIFY(second.anotherInstanceRunning());
        first.reset();  // the first copy ends and lets go of its lock
        QtPlatform third(dir.path());
        third.lockInBackground();
        QVERIFY(!third.anotherInstanceRunning());
        QVERIFY(!third.anotherInstanceRunning());
    }

    void staleLockDoesNotBlock() {
        QTemporaryDir dir;
        // A copy that was killed leaves its lock file behind: its process id is no longer alive.
        QProcess gone;
        gone.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--child"), QStringLiteral("none")});
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        // The host as the lock names it here (Windows: the computer name, not the DNS host name).
        QString host;
        QLockFile probe(dir.filePath(QStringLiteral("probe.lock")));
        QVERIFY(probe.tryLock(0));
        QVERIFY(probe.getLockInfo(nullptr, &host, nullptr));
        QtPlatform platform(dir.path());
        QFile lock(platform.lockFilePath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
                   host.toUtf8() + '\n');
        lock.close();

        QVERIFY(!platform.anotherInstanceRunning());
        QtPlatform next(dir.path());
        QVERIFY(next.anotherInstanceRunning());  // the lock was taken over, not just ignored
    }

    void pictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("picture");
        QTest::newRow("bitmap") << resource("xxk.bmp") << true;
        QTest::newRow("icon") << resource("hand.ico") << true;
        QTest::newRow("html") << resource("kezikonyv.html") << false;
        QTest::newRow("missing") << resource("nincs.bmp") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void pictures() {
        QFETCH(QString, path);
        QFETCH(bool, picture);
        QtPlatform platform(lockDir.path());
        QCOMPARE(platform.isPicture(path), picture);
    }

    void topmostKeepsPlace() {
        QtPlatform platform(lockDir.path());
        QWidget window;
        window.setObjectName(QStringLiteral("gyari"));
        window.setGeometry(40, 50, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        platform.makeTopmost(QStringLiteral("gyari"));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), before);

        // A window asked for before it is built gets it when it is built.
        platform.makeTopmost(QStringLiteral("Form2"));
        QWidget later;
        later.setObjectName(QStringLiteral("Form2"));
        QVERIFY(!later.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        platform.prepareWindow(&later);
        QVERIFY(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QWidget other;
        other.setObjectName(QStringLiteral("Form3"));
        platform.prepareWindow(&other);
        QVERIFY(!other.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void pointer() {
        QtPlatform platform(lockDir.path());
        QWidget window;
        window.setObjectName(QStringLiteral("Form1"));
        platform.setPointer(Pointer::Link, resource("hand.ico"));
        QVERIFY(window.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(window.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(window.cursor().pixmap().size(), QSize(32, 32));
        platform.setPointer(Pointer::Link, resource("nincs.ico"));
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
        platform.setPointer(Pointer::Default);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void quitBeforeTheLoopRuns() {
        QtPlatform platform(lockDir.path());
        QVERIFY(!platform.quitRequested());
        platform.quit();
        QVERIFY(platform.quitRequested());
    }

    void messageBox_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("expectedIcon");
        QTest::addColumn<int>("answer");
        QTest::newRow("stop, OK") << int(MsgIcon::Stop) << int(MsgButtons::Ok) << false
                                  << int(QMessageBox::Critical) << int(MsgAnswer::Ok);
        QTest::newRow("question, cancel") << int(MsgIcon::Question) << int(MsgButtons::OkCancel) << true
                                          << int(QMessageBox::Question) << int(MsgAnswer::Cancel);
        QTest::newRow("question, OK") << int(MsgIcon::Question) << int(MsgButtons::OkCancel) << false
                                      << int(QMessageBox::Question) << int(MsgAnswer::Ok);
        QTest::newRow("exclamation") << int(MsgIcon::Exclamation) << int(MsgButtons::Ok) << false
                                     << int(QMessageBox::Warning) << int(MsgAnswer::Ok);
    }
    void messageBox() {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(bool, cancel);
        QFETCH(int, expectedIcon);
        QFETCH(int, answer);
        QtPlatform platform(lockDir.path());
        // Qt's words come from the catalogue embedded in the program, whatever the system has.
        QVERIFY(useLanguage(Language::Hungarian));
        QString shownText, shownTitle;
        QStringList buttonTexts;
        int shownIcon = -1;
        int buttonCount = 0;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return modal->close();
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            for (QAbstractButton* button : box->buttons())
                buttonTexts << button->text();
            box->button(cancel ? QMessageBox::Cancel : QMessageBox::Ok)->click();
            return true;
        });
        const MsgAnswer got = platform.messageBox(
            QStringLiteral("     A tizedes pont nem PONT (.) !\rAz oddsok megadása nem fog jól működni !"),
            QStringLiteral("Zelko-Soft/2014"), MsgIcon(icon), MsgButtons(buttons));
        QCOMPARE(int(got), answer);
        QCOMPARE(
            shownText,
            QStringLiteral("     A tizedes pont nem PONT (.) !\nAz oddsok megadása nem fog jól működni !"));
        QCOMPARE(shownTitle, QStringLiteral("Zelko-Soft/2014"));
        QCOMPARE(shownIcon, expectedIcon);
        QCOMPARE(buttonCount, MsgButtons(buttons) == MsgButtons::OkCancel ? 2 : 1);
        QVERIFY(!buttonTexts.contains(QStringLiteral("&Cancel")) &&
                !buttonTexts.contains(QStringLiteral("Cancel")));
        if (buttonCount == 2)
            QVERIFY(buttonTexts.contains(QStringLiteral("&Mégse")) ||
                    buttonTexts.contains(QStringLiteral("Mégse")));
    }

    void askNumber_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("answer");  // -1: nothing
        QTest::newRow("OK after typing 7") << false << 7;
        QTest::newRow("Mégse") << true << -1;
    }
    void askNumber() {
        QFETCH(bool, cancel);
        QFETCH(int, answer);
        QtPlatform platform(lockDir.path());
        QString title, text, cancelText;
        int min = -1, max = -1, shown = -1;
        whenModalOpens([&](QWidget* modal) {
            auto* number = modal->findChild<QSpinBox*>();
            auto* buttons = modal->findChild<QDialogButtonBox*>();
            auto* label = modal->findChild<QLabel*>();
            if (!number || !buttons || !label) return modal->close();
            title = modal->windowTitle();
            text = label->text();
            min = number->minimum();
            max = number->maximum();
            shown = number->value();
            cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
            QTest::keyClicks(number, QStringLiteral("7"));  // typed over the selected number
            buttons->button(cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
            return true;
        });
        const std::optional<int> got = platform.askNumber(
            {QStringLiteral("Hányan végeztek holtversenyben?"), QStringLiteral("Holtverseny"), 2, 20, 3});
        QCOMPARE(got.value_or(-1), answer);
        QCOMPARE(title, QStringLiteral("Holtverseny"));
        QCOMPARE(text, QStringLiteral("Hányan végeztek holtversenyben?"));
        QCOMPARE(min, 2);
        QCOMPARE(max, 20);
        QCOMPARE(shown, 3);
        QCOMPARE(cancelText, QStringLiteral("Mégse"));
    }

    void saveDialogSetUp() {
        QTemporaryDir folder;
        QtPlatform platform(lockDir.path());
        FileDialogSetup setup;
        setup.initialFolder = folder.path();
        setup.fileName = QStringLiteral("fogadas.txt");
        setup.filter = QStringLiteral("Minden(*.*)|*.*|Text(*.txt)|*.txt");
        setup.filterIndex = 2;
        setup.defaultSuffix = QStringLiteral("txt");
        QStringList filters;
        QString selectedFilter, directory, suffix, proposed;
        bool confirms = false;
        int mode = -1;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return modal->close();
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            directory = dialog->directory().absolutePath();
            suffix = dialog->defaultSuffix();
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            mode = dialog->acceptMode();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) return modal->close();
            proposed = name->text();
            name->setText(QStringLiteral("mentes"));  // typed without a suffix
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
        const std::optional<QString> chosen = platform.saveFileName(setup);
        QCOMPARE(filters, (QStringList{"Minden (*)", "Text (*.txt)"}));
        QCOMPARE(selectedFilter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(proposed, QStringLiteral("fogadas.txt"));
        QCOMPARE(QDir(directory), QDir(folder.path()));
        QCOMPARE(suffix, QStringLiteral("txt"));
        QVERIFY(confirms);
        QCOMPARE(mode, int(QFileDialog::AcceptSave));
        QVERIFY(chosen.has_value());
        QCOMPARE(QFileInfo(*chosen).fileName(), QStringLiteral("mentes.txt"));
    }

    void openDialogCancelled() {
        QtPlatform platform(lockDir.path());
        FileDialogSetup setup;
        setup.filter = QStringLiteral("Minden(*.*)|*.*");
        whenModalOpens([](QWidget* modal) { return modal->close(); });
        QVERIFY(!platform.openFileName(setup).has_value());
    }

private:
    QTemporaryDir lockDir;
};

KOMBINATOR_TEST(TestQtPlatform);

namespace {

// Another program that copies a text to the clipboard and then holds it.
int clipboardOwner(const QStringList& args) {
    QGuiApplication::clipboard()->setText(args.value(0));
    std::printf("owner\n");
    std::fflush(stdout);
    return QApplication::exec();
}

const bool ownerRegistered = test::registerChild("clipboard-owner", clipboardOwner);

// Scripted in everything but the clipboard, which is the desktop's own.
class DesktopClipboard : public test::FakePlatform {
public:
    std::optional<QString> clipboardText() override { return desktop.clipboardText(); }
    std::optional<QString> clipboardHtml() override { return desktop.clipboardHtml(); }
    QtPlatform desktop{dir.path()};
};

}  // namespace

// Stops or resumes the clipboard's owner, as a hung program would stand (X11 only).
static void setStopped(qint64 pid, bool stopped) {
#ifdef Q_OS_UNIX
    ::kill(static_cast<pid_t>(pid), stopped ? SIGSTOP : SIGCONT);
#else
    Q_UNUSED(pid);
    Q_UNUSED(stopped);
#endif
}

// A clipboard whose owner stopped answering: the read fails after Qt's one bounded wait, with the
// message of a failed read, and the offer list keeps its lines. Needs a real X11 clipboard, so it
// runs under Xvfb (CTest's "ui-x11-clipboard").
class TestHungClipboard : public QObject {
    Q_OBJECT
private slots:
    void ownerThatDoesNotAnswer() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X11 clipboard that another program owns");
        QProcess owner;
        owner.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), QStringLiteral("clipboard-owner"), QStringLiteral("Arsenal")});
        QVERIFY(owner.waitForReadyRead(10000));
        QCOMPARE(owner.readAllStandardOutput().trimmed(), QByteArray("owner"));
        setStopped(owner.processId(), true);

        DesktopClipboard platform;
        Form1 form(platform);
        form.List5.setLines(
            {QStringLiteral("Milan - Inter"), QStringLiteral("Milan"), QStringLiteral("2,10")});
        form.List6.setLines({QStringLiteral("Fix")});
        QElapsedTimer waited;
        waited.start();
        form.Command1.click();
        const qint64 ms = waited.elapsed();
        setStopped(owner.processId(), false);
        owner.kill();
        owner.waitForFinished();

        qInfo("a clipboard owner that does not answer: the read failed after %.2f s", double(ms) / 1000.0);
        QCOMPARE(platform.messages.size(), size_t(1));
        QCOMPARE(platform.messages[0].text, QStringLiteral("Hiba a *Vágólap* megnyitásakor"));
        QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
        QCOMPARE(form.List5.lines(), (QStringList{"Milan - Inter", "Milan", "2,10"}));
        QCOMPARE(form.List6.lines(), QStringList{"Fix"});
    }

    void ownerThatAnswers() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X11 clipboard that another program owns");
        QProcess owner;
        owner.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), QStringLiteral("clipboard-owner"),
                     QStringLiteral("Arsenal\nChelsea")});
        QVERIFY(owner.waitForReadyRead(10000));
        QtPlatform platform(lockDir.path());
        const std::optional<QString> text = platform.clipboardText();
        owner.kill();
        owner.waitForFinished();
        QCOMPARE(text, std::optional<QString>(QStringLiteral("Arsenal\r\nChelsea")));
    }

private:
    QTemporaryDir lockDir;
};

KOMBINATOR_TEST(TestHungClipboard);
#include "tst_qtplatform.moc"
