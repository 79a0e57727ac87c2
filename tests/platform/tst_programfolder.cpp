// Where the program keeps its files: beside itself when its data lies there, else in the user's
// own folder, brought up to date with the shipped files without touching what the user changed.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "diskfaults.h"

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
// The key library of each version: version 2 ships a second key and new words for the first.
const QByteArray kLibraryV1 = "02_04_03.txt  v1 words\r\n";
const QByteArray kLibraryV2 = "02_04_03.txt  v2 words\r\n02_05_03.txt  v2 words\r\n";
const QByteArray kDeleted = "(deleted)";
}  // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void portableCopyKeepsItsOwnFolder();
    void installedCopySeedsUserFolder();
    void layouts_data();
    void layouts();
    void upgradeRefreshesOnlyUntouchedFiles_data();
    void upgradeRefreshesOnlyUntouchedFiles();
    void readOnlyUnpackedFolderIsShipped();
};

void TestProgramFolder::portableCopyKeepsItsOwnFolder() {
    // The user's folder goes by the program's name, whatever name started this process.
    nameTheProgram();
    QCOMPARE(QFileInfo(userDataFolder()).fileName(), QStringLiteral("kombinator"));
    QTemporaryDir exe, user;
    QDir(exe.path()).mkdir("tkulcs");  // the program's data beside it
    QCOMPARE(chooseProgramFolder(exe.path(), exe.filePath("../share/kombinator"), user.path()), exe.path());
    QCOMPARE(QDir(exe.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"tkulcs"});
}

void TestProgramFolder::installedCopySeedsUserFolder() {
    QTemporaryDir shipped, home;
    writeFile(shipped.filePath("xxk.bmp"), "picture");
    writeFile(shipped.filePath("tkulcs/tippek.inf"), "shipped library\r\n");
    writeFile(shipped.filePath("tkulcs/02_04_03.txt"), "001 002\r\n");
    const QString user = home.filePath("kombinator");
    // The user's own library, edited earlier, keeps its lines at every start; the shipped keys it
    // lacks are added.
    writeFile(user + "/tkulcs/tippek.inf", "my library\r\n");

    // An executable folder that cannot be written (here: one that does not exist).
    const QString folder = chooseProgramFolder(home.filePath("no/such/bin"), shipped.path(), user);
    QCOMPARE(folder, user);
    QCOMPARE(readFile(user + "/xxk.bmp"), QByteArray("picture"));
    QCOMPARE(readFile(user + "/tkulcs/02_04_03.txt"), QByteArray("001 002\r\n"));
    QCOMPARE(readFile(user + "/tkulcs/tippek.inf"), QByteArray("my library\r\nshipped library\r\n"));

    // A second start copies nothing over what the user changed.
    writeFile(user + "/xxk.bmp", "changed");
    chooseProgramFolder(home.filePath("no/such/bin"), shipped.path(), user);
    QCOMPARE(readFile(user + "/xxk.bmp"), QByteArray("changed"));
}

// A prefix with bin/ and share/kombinator, the executable's folder holding `beside`, and a home.
void TestProgramFolder::layouts_data() {
    QTest::addColumn<QString>("beside");      // a folder beside the program, empty for none
    QTest::addColumn<bool>("installed");      // share/kombinator beside bin/
    QTest::addColumn<QString>("userFolder");  // relative to the prefix
    QTest::addColumn<QString>("expected");    // relative to the prefix
    QTest::newRow("build tree") << "tkulcs" << false << "home/data"
                                << "bin";
    QTest::newRow("unpacked from elsewhere") << "TKULCS" << false << "home/data"
                                             << "bin";
    QTest::newRow("installed, bin writable") << "" << true << "home/data"
                                             << "home/data";
    QTest::newRow("installed wins over bin") << "tkulcs" << true << "home/data"
                                             << "home/data";
    QTest::newRow("a lone program") << "" << false << "home/data"
                                    << "home/data";
    QTest::newRow("saves are no data") << "saves" << false << "home/data"
                                       << "home/data";
    // Installed into the user's own ~/.local: share/kombinator is where the user folder would be.
    QTest::newRow("prefix ~/.local") << "" << true << "share/kombinator"
                                     << "share/kombinator-user";
}

void TestProgramFolder::layouts() {
    QFETCH(QString, beside);
    QFETCH(bool, installed);
    QFETCH(QString, userFolder);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("bin");
    if (!beside.isEmpty()) QDir(prefix.filePath("bin")).mkpath(beside);
    if (installed) writeFile(prefix.filePath("share/kombinator/tkulcs/tippek.inf"), "shipped\r\n");
    const QString folder = chooseProgramFolder(prefix.filePath("bin"), prefix.filePath("share/kombinator"),
                                               prefix.filePath(userFolder));
    QCOMPARE(folder, prefix.filePath(expected));
    QVERIFY(QFileInfo(folder).isDir());
    if (installed) QCOMPARE(readFile(folder + "/tkulcs/tippek.inf"), QByteArray("shipped\r\n"));
}

// Version 1 is installed and started; the user may change a shipped file or make one of their
// own; version 2 is installed and started.
void TestProgramFolder::upgradeRefreshesOnlyUntouchedFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("userWrites");  // empty: the user leaves the file alone
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("guide") << "kezikonyv.html" << QByteArray() << QByteArray("v2 kezikonyv.html");
    QTest::newRow("picture") << "xxk.bmp" << QByteArray() << QByteArray("v2 xxk.bmp");
    QTest::newRow("key file") << "tkulcs/02_04_03.txt" << QByteArray()
                              << QByteArray("v2 tkulcs/02_04_03.txt");
    QTest::newRow("unchanged library") << "tkulcs/tippek.inf" << QByteArray() << kLibraryV2;
    // The user's library keeps the user's lines and takes the keys shipped since, by file name.
    QTest::newRow("edited library") << "tkulcs/tippek.inf" << QByteArray("mine")
                                    << QByteArray("mine\r\n02_05_03.txt  v2 words\r\n");
    QTest::newRow("own key in the library")
        << "tkulcs/tippek.inf" << kLibraryV1 + "03_04_02.txt  mine\r\n"
        << QByteArray("02_04_03.txt  v2 words\r\n03_04_02.txt  mine\r\n02_05_03.txt  v2 words\r\n");
    QTest::newRow("library line reworded")
        << "tkulcs/tippek.inf" << QByteArray("02_04_03.txt  my words\r\n")
        << QByteArray("02_04_03.txt  my words\r\n02_05_03.txt  v2 words\r\n");
    QTest::newRow("library line deleted") << "tkulcs/tippek.inf" << QByteArray("03_04_02.txt  mine\r\n")
                                          << QByteArray("03_04_02.txt  mine\r\n02_05_03.txt  v2 words\r\n");
    QTest::newRow("deleted key file") << "tkulcs/02_04_03.txt" << kDeleted << QByteArray();
    QTest::newRow("deleted library") << "tkulcs/tippek.inf" << kDeleted << QByteArray();
    QTest::newRow("edited picture") << "xxk.bmp" << QByteArray("mine") << QByteArray("mine");
    QTest::newRow("own key") << "tkulcs/03_04_02.txt" << QByteArray("mine") << QByteArray("mine");
    QTest::newRow("saved selection") << "varkonixx.txt" << QByteArray("mine") << QByteArray("mine");
    // Edited back to what was shipped: the user's file is the shipped one again.
    QTest::newRow("library edited back") << "tkulcs/tippek.inf" << kLibraryV1 << kLibraryV2;
    QTest::newRow("new in version 2")
        << "tkulcs/02_05_03.txt" << QByteArray() << QByteArray("v2 tkulcs/02_05_03.txt");
}

void TestProgramFolder::upgradeRefreshesOnlyUntouchedFiles() {
    QFETCH(QString, file);
    QFETCH(QByteArray, userWrites);
    QFETCH(QByteArray, expected);
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin"), shipped = prefix.filePath("share/kombinator");
    const QString user = prefix.filePath("home/.local/share/kombinator");
    const auto install = [&](const QByteArray& version, const QStringList& names) {
        for (const QString& name : names) {
            const QByteArray library = version == "v1" ? kLibraryV1 : kLibraryV2;
            writeFile(shipped + '/' + name,
                      name.endsWith("tippek.inf") ? library : version + ' ' + name.toUtf8());
        }
    };
    const QStringList v1 = {"kezikonyv.html", "xxk.bmp", "tkulcs/02_04_03.txt", "tkulcs/tippek.inf"};
    install("v1", v1);
    QCOMPARE(chooseProgramFolder(bin, shipped, user), user);
    QCOMPARE(readFile(user + "/tkulcs/tippek.inf"), kLibraryV1);
    if (userWrites == kDeleted)
        QFile::remove(user + '/' + file);
    else if (!userWrites.isEmpty())
        writeFile(user + '/' + file, userWrites);

    install("v2", v1 + QStringList{"tkulcs/02_05_03.txt"});
    QCOMPARE(chooseProgramFolder(bin, shipped, user), user);
    QCOMPARE(readFile(user + '/' + file), expected);
    QCOMPARE(QFileInfo::exists(user + '/' + file), userWrites != kDeleted);
    // Starting again changes nothing.
    chooseProgramFolder(bin, shipped, user);
    QCOMPARE(readFile(user + '/' + file), expected);
}

// An unpacked folder the user may not write (unpacked by root into /opt, say): its data is
// what was shipped, the programs beside it are not.
void TestProgramFolder::readOnlyUnpackedFolderIsShipped() {
    if (const char* why = test::unstageable(test::Fault::ReadOnlyFolder)) QSKIP(why);
    QTemporaryDir unpacked, home;
    writeFile(unpacked.filePath("tkulcs/tippek.inf"), "shipped\r\n");
    writeFile(unpacked.filePath("kombinator"), "program");
    writeFile(unpacked.filePath("platforms/qwindows.DLL"), "library");
    QFile::setPermissions(unpacked.filePath("kombinator"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(unpacked.path(), readOnly);
    const QString user = home.filePath("kombinator");
    const QString folder =
        chooseProgramFolder(unpacked.path(), unpacked.filePath("../share/kombinator"), user);
    QFile::setPermissions(unpacked.path(), readOnly | QFileDevice::WriteOwner);
    QCOMPARE(folder, user);
    QCOMPARE(readFile(user + "/tkulcs/tippek.inf"), QByteArray("shipped\r\n"));
    QVERIFY(!QFileInfo::exists(user + "/kombinator"));
    QVERIFY(!QFileInfo::exists(user + "/platforms"));
}

KOMBINATOR_TEST(TestProgramFolder);
#include "tst_programfolder.moc"
