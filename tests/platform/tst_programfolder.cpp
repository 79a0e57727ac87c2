// Where the program keeps its files: beside itself when it may write there, else in the user's
// own folder, seeded with the shipped files and never overwriting the user's.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/programfolder.h"
#include "testmain.h"

using namespace kombinator;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}
QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void portableCopyKeepsItsOwnFolder();
    void installedCopySeedsUserFolder();
};

void TestProgramFolder::portableCopyKeepsItsOwnFolder() {
    QTemporaryDir exe, shipped, user;
    QCOMPARE(chooseProgramFolder(exe.path(), shipped.path(), user.path()), exe.path());
    QVERIFY(QDir(exe.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestProgramFolder::installedCopySeedsUserFolder() {
    QTemporaryDir shipped, home;
    writeFile(shipped.filePath("xxk.bmp"), "picture");
    writeFile(shipped.filePath("tkulcs/tippek.inf"), "shipped library\r\n");
    writeFile(shipped.filePath("tkulcs/02_04_03.txt"), "001 002\r\n");
    const QString user = home.filePath("kombinator");
    // The user's own library, edited earlier, must survive every start.
    writeFile(user + "/tkulcs/tippek.inf", "my library\r\n");

    // An executable folder that cannot be written (here: one that does not exist).
    const QString folder = chooseProgramFolder(home.filePath("no/such/bin"), shipped.path(), user);
    QCOMPARE(folder, user);
    QCOMPARE(readFile(user + "/xxk.bmp"), QByteArray("picture"));
    QCOMPARE(readFile(user + "/tkulcs/02_04_03.txt"), QByteArray("001 002\r\n"));
    QCOMPARE(readFile(user + "/tkulcs/tippek.inf"), QByteArray("my library\r\n"));

    // A second start copies nothing over what the user changed.
    writeFile(user + "/xxk.bmp", "changed");
    chooseProgramFolder(home.filePath("no/such/bin"), shipped.path(), user);
    QCOMPARE(readFile(user + "/xxk.bmp"), QByteArray("changed"));
}

KOMBINATOR_TEST(TestProgramFolder);
#include "tst_programfolder.moc"
