// Text files and file names: the rules that keep files written on one system right on another.
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include "diskfaults.h"
#include "platform/files.h"
#include "testmain.h"

using namespace kombinator;

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void decodesUtf8OrWindows1250_data();
    void decodesUtf8OrWindows1250();
    void encodesWindows1250WhenEveryCharacterFits_data();
    void encodesWindows1250WhenEveryCharacterFits();
    void everyByteAsIcuReadsIt_data();
    void everyByteAsIcuReadsIt();
    void splitsEveryKindOfLineEnd_data();
    void splitsEveryKindOfLineEnd();
    void writesCrLfAndReadsBack();
    void replacesReadOnlyFile();
    void failedSaveKeepsOldFile();
    void writesOnlyWhatMayBeWritten_data();
    void writesOnlyWhatMayBeWritten();
    void resolvesNamesWithoutRegardToCase();
    void refusesNamesThatLeaveTheFolder_data();
    void refusesNamesThatLeaveTheFolder();
};

void TestFiles::decodesUtf8OrWindows1250_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Arsenal - Chelsea") << QStringLiteral("Arsenal - Chelsea");
    QTest::newRow("utf-8 accents") << QByteArray("Újpest \xc5\x91\xc3\xa9") << QStringLiteral("Újpest őé");
    QTest::newRow("windows-1250 accents")
        << QByteArray("\xdajpest \xf5\xe9 K\xe9tes\xe9ly") << QStringLiteral("Újpest őé Kétesély");
    QTest::newRow("utf-8 byte order mark") << QByteArray(
                                                  "\xef\xbb\xbf"
                                                  "abc")
                                           << QStringLiteral("abc");
    QTest::newRow("only the first byte order mark dropped") << QByteArray(
                                                                   "\xef\xbb\xbf\xef\xbb\xbf"
                                                                   "abc")
                                                            << QStringLiteral("\ufeffabc");
    QTest::newRow("truncated utf-8 falls back") << QByteArray("ab\xc5") << QStringLiteral("abĹ");
}

void TestFiles::decodesUtf8OrWindows1250() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(files::decode(bytes), text);
}

void TestFiles::encodesWindows1250WhenEveryCharacterFits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("hungarian") << QStringLiteral("Győr - Fradi ő ű")
                               << QByteArray("Gy\xf5r - Fradi \xf5 \xfb");
    QTest::newRow("en dash fits") << QStringLiteral("a – b") << QByteArray("a \x96 b");
    QTest::newRow("cyrillic does not fit") << QStringLiteral("Зенит ő") << QStringLiteral("Зенит ő").toUtf8();
    QTest::newRow("euro sign fits") << QStringLiteral("€") << QByteArray("\x80");
    // These letters fit, but their code-page bytes are valid UTF-8 of other letters.
    QTest::newRow("code page bytes that read as utf-8")
        << QStringLiteral("Ö° Éš") << QByteArray("\xc3\x96\xc2\xb0 \xc3\x89\xc5\xa1");
    QTest::newRow("leading byte order mark kept") << QStringLiteral("\ufeffabc")
                                                  << QByteArray(
                                                         "\xef\xbb\xbf\xef\xbb\xbf"
                                                         "abc");
}

void TestFiles::encodesWindows1250WhenEveryCharacterFits() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(files::encode(text), bytes);
    QCOMPARE(files::decode(files::encode(text)), text);
    // A second check on the same text gives the same answer (no encoder state survives).
    QCOMPARE(files::encode(text), bytes);
}

// The program's own code page table against the code page library of Qt on Linux (the Windows
// build has none), byte by byte, both ways.
void TestFiles::everyByteAsIcuReadsIt_data() {
    QTest::addColumn<int>("byte");
    for (int byte = 0; byte < 256; ++byte)
        QTest::addRow("%02X", byte) << byte;
}

void TestFiles::everyByteAsIcuReadsIt() {
    QFETCH(int, byte);
    QStringDecoder icu("windows-1250");
    if (!icu.isValid()) QSKIP("no windows-1250 in this Qt to compare with");
    const QByteArray bytes(1, static_cast<char>(byte));
    const QString text = icu.decode(bytes);
    QVERIFY(!icu.hasError());
    QCOMPARE(files::decode(bytes), text);
    QCOMPARE(files::encode(text), QStringEncoder("windows-1250").encode(text));
    QCOMPARE(files::encode(text), bytes);
}

void TestFiles::splitsEveryKindOfLineEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lf") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("cr") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
    QTest::newRow("mixed") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestFiles::splitsEveryKindOfLineEnd() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(files::splitLines(text), lines);
}

void TestFiles::writesCrLfAndReadsBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.txt");
    const QStringList lines{"Ferencváros - Újpest", "", "Szorzó: 1,65"};
    QVERIFY(files::writeLines(path, lines));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Ferencv\xe1ros - \xdajpest\r\n\r\nSzorz\xf3: 1,65\r\n"));
    QCOMPARE(files::readLines(path).value(), lines);
    QVERIFY(!files::readLines(dir.filePath("missing.txt")).has_value());
}

void TestFiles::replacesReadOnlyFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("ro.txt");
    QVERIFY(files::writeLines(path, {"old"}));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    files::makeWritable(path);
    QVERIFY(files::writeLines(path, {"new"}));
    QCOMPARE(files::readLines(path).value(), QStringList{"new"});
    files::makeWritable(dir.filePath("missing.txt"));
    QVERIFY(!QFile::exists(dir.filePath("missing.txt")));
}

// A read-only file is left alone; a file in a read-only folder is written in place; a disk that
// fills up leaves the old file whole, in either way of writing.
void TestFiles::writesOnlyWhatMayBeWritten_data() {
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("diskFullAfter");  // bytes; 0: room enough
    QTest::addColumn<bool>("written");
    QTest::newRow("read-only file") << true << false << true << 0 << false;
    QTest::newRow("read-only folder") << false << true << true << 0 << true;
    QTest::newRow("read-only folder, shorter text") << false << true << true << -1 << true;
    QTest::newRow("read-only folder, no file yet") << false << true << false << 0 << false;
    QTest::newRow("read-only folder, disk full") << false << true << true << 40 << false;
    QTest::newRow("disk full") << false << false << true << 40 << false;
    QTest::newRow("disk full, no file yet") << false << false << false << 40 << false;
}

void TestFiles::writesOnlyWhatMayBeWritten() {
    QFETCH(bool, readOnlyFile);
    QFETCH(bool, readOnlyFolder);
    QFETCH(bool, fileExists);
    QFETCH(int, diskFullAfter);
    QFETCH(bool, written);
    for (const auto& [staged, fault] : {std::pair{readOnlyFile, test::Fault::ReadOnlyFile},
                                        {readOnlyFolder, test::Fault::ReadOnlyFolder},
                                        {diskFullAfter > 0, test::Fault::DiskFull}}) {
        if (const char* why = test::unstageable(fault); staged && why) QSKIP(why);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("fogadas.txt");
    const QByteArray old = "Earlier - Selection\r\nEarlier\r\n1,50\r\n";
    if (fileExists) QVERIFY(files::writeLines(path, files::splitLines(QString::fromLatin1(old))));
    if (readOnlyFile) test::makeReadOnly(path);
    QStringList lines;
    for (int i = 0; i < (diskFullAfter < 0 ? 1 : 20); ++i)
        lines << QStringLiteral("Hazai %1 - Vendég %1").arg(i);
    bool done = false;
    {
        std::optional<test::ReadOnlyFolder> folder;
        if (readOnlyFolder) folder.emplace(dir.path());
        std::optional<test::DiskFullAfter> full;
        if (diskFullAfter > 0) full.emplace(diskFullAfter);
        done = files::writeLines(path, lines);
    }
    QCOMPARE(done, written);
    QFile file(path);
    if (written) {
        QCOMPARE(files::readLines(path).value(), lines);
    } else if (fileExists) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    } else {
        QVERIFY(!file.exists());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), fileExists || written ? 1 : 0);
}

void TestFiles::failedSaveKeepsOldFile() {
    QTemporaryDir dir;
    // A folder where the file should be: nothing can be written, and nothing is lost.
    QVERIFY(QDir(dir.path()).mkdir("taken.txt"));
    QVERIFY(!files::writeLines(dir.filePath("taken.txt"), {"x"}));
    QVERIFY(QFileInfo(dir.filePath("taken.txt")).isDir());
}

void TestFiles::resolvesNamesWithoutRegardToCase() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("TKulcs");
    QFile f(dir.filePath("TKulcs/Tippek.INF"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QFile g(dir.filePath("Xxx.bmp"));
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.close();
    const QString root = QDir(dir.path()).absolutePath();
    QCOMPARE(files::resolve(dir.path(), "\\tkulcs\\tippek.inf").value(), root + "/TKulcs/Tippek.INF");
    QCOMPARE(files::resolve(dir.path(), "\\xxx.bmp").value(), root + "/Xxx.bmp");
    QCOMPARE(files::resolve(dir.path(), "\\Xxx.bmp").value(), root + "/Xxx.bmp");
    // A file that does not exist yet keeps its spelling, for writing.
    QCOMPARE(files::resolve(dir.path(), "\\varkonixx.txt").value(), root + "/varkonixx.txt");
    QCOMPARE(files::resolve(dir.path(), "\\tkulcs\\new.txt").value(), root + "/TKulcs/new.txt");
}

void TestFiles::refusesNamesThatLeaveTheFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "\\tkulcs\\..\\..\\etc\\pa";
    QTest::newRow("dot") << "\\tkulcs\\.\\x";
    QTest::newRow("slash") << "\\tkulcs\\/etc/passwd";
    QTest::newRow("drive") << "\\tkulcs\\C:\\x.txt";
    QTest::newRow("double backslash") << "\\tkulcs\\\\x";
    QTest::newRow("nul") << QString("\\tkulcs\\a") + QChar(0) + "b";
    QTest::newRow("empty") << "\\";
#ifdef Q_OS_WIN
    QTest::newRow("device") << "\\tkulcs\\Con.txt";
    QTest::newRow("port") << "\\COM1";
    QTest::newRow("trailing dot") << "\\tkulcs\\x.";
    QTest::newRow("wildcard") << "\\tkulcs\\*.txt";
#endif
}

void TestFiles::refusesNamesThatLeaveTheFolder() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(!files::resolve(dir.path(), name).has_value());
}

KOMBINATOR_TEST(TestFiles);
#include "tst_files.moc"
