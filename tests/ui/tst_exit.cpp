// Quitting ends the program whatever windows are open. The real program runs as a process of its
// own on the real desktop platform; the key dialog, the editor and the return table are opened
// through their buttons, then "Kilép" or the main window's close box must end the process.
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>

#include "app/form1.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "ui/qtplatform.h"

using namespace kombinator;

namespace {

// The program with two tips and their double; then the windows named in args[1] are opened
// ("Command6" the key dialog, "Command7" the editor, "table" the return table), the windows
// shown are printed, and the program is ended the way args[0] says ("Kilép" or the close box).
int quittingProgram(const QStringList& args) {
    const QString how = args.value(0);
    const QStringList open = args.value(1).split(u',', Qt::SkipEmptyParts);
    QTemporaryDir lockFolder;
    ui::QtPlatform platform(lockFolder.path());
    return ui::runProgram(platform, [how, open](Form1& form, ui::MainWindow& window) -> std::optional<int> {
        QTimer::singleShot(0, &window, [&form, &window, how, open] {
            form.List5.setLines({"Arsenal - Chelsea", "Arsenal", "1.85", "Milan - Inter", "Milan", "2.10"});
            form.Command2.click();
            form.Command8[0].click();
            for (const QString& name : open) {
                if (name == QLatin1String("table")) {
                    window.showReturnTable();
                } else {
                    QTest::mouseClick(window.controlWidget(name), Qt::LeftButton);
                }
            }
            QStringList shown;
            for (const QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible()) shown.append(w->objectName());
            }
            shown.sort();
            std::printf("%s\n", qPrintable(shown.join(u' ')));
            std::fflush(stdout);
            if (how == QLatin1String("Kilép")) {
                QTest::mouseClick(window.controlWidget(QStringLiteral("Command5")), Qt::LeftButton);
            } else {
                window.close();
            }
        });
        return std::nullopt;
    });
}

const bool quittingRegistered = test::registerChild("quitting", quittingProgram);

}  // namespace

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void quittingEndsTheProcess_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("shown");
        const QString both = QStringLiteral("Command6,Command7");
        const QString all = QStringLiteral("Command7,table,Command6");
        QTest::newRow("Kilép, no dialog") << "Kilép"
                                          << ""
                                          << "Form1";
        QTest::newRow("Kilép, key dialog") << "Kilép"
                                           << "Command6"
                                           << "Form1 gyari";
        QTest::newRow("Kilép, both dialogs") << "Kilép" << both << "Form1 Form2 gyari";
        QTest::newRow("Kilép, both dialogs and the table")
            << "Kilép" << all << "Form1 Form2 ReturnTable gyari";
        QTest::newRow("close box, editor") << "close"
                                           << "Command7"
                                           << "Form1 Form2";
        QTest::newRow("close box, both dialogs") << "close" << both << "Form1 Form2 gyari";
        QTest::newRow("close box, both dialogs and the table")
            << "close" << all << "Form1 Form2 ReturnTable gyari";
    }
    void quittingEndsTheProcess() {
        QFETCH(QString, how);
        QFETCH(QString, open);
        QFETCH(QString, shown);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // no decimal-separator warning
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--child"), QStringLiteral("quitting"), how, open});
        QVERIFY(program.waitForStarted());
        const bool ended = program.waitForFinished(10000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        const QString windows = QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed();
        QVERIFY2(ended, qPrintable(QStringLiteral("still running after quitting with ") + windows));
        QCOMPARE(windows, shown);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

KOMBINATOR_TEST(TestExit);
#include "tst_exit.moc"
