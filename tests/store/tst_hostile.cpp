// Saved selections and the editor's text as no coupon made them: NUL bytes, bytes that are not
// UTF-8, lines of a megabyte, a hundred thousand lines.
#include <QDir>
#include <QFile>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include <cstddef>

#include "app/form1.h"
#include "fakeplatform.h"
#include "keys/gyari.h"
#include "store/form2.h"
#include "testmain.h"

using namespace kombinator;
using kombinator::test::FakePlatform;

namespace {

QString withNul(const char* before, const char* after) {
    return QString::fromUtf8(before) + QChar(0) + QString::fromUtf8(after);
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray raw(const char (&bytes)[N]) {
    return QByteArray(bytes, static_cast<qsizetype>(N - 1));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class HostileStoreTest : public QObject {
    Q_OBJECT
private slots:
    void loadsAnyBytes_data();
    void loadsAnyBytes();
    void savedSelectionReadsBack_data();
    void savedSelectionReadsBack();
    void editorTakesAnyText();
    void refusesWhatIsNoFileOrTooLarge_data();
    void refusesWhatIsNoFileOrTooLarge();
};

void HostileStoreTest::loadsAnyBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("NUL bytes in UTF-8")
        << raw("Arsenal\x00 - Chelsea\r\nD\xc3\xb6ntetlen\r\n\x00\r\n")
        << QStringList{withNul("Arsenal", " - Chelsea"), "Döntetlen", QString(QChar(0))};
    QTest::newRow("not UTF-8") << QByteArray(
                                      "Gy\xf5r - P\xe9"
                                      "cs\r\n\xff\r\n\xc3\r\n")
                               << QStringList{"Győr - Pécs", "˙", "Ă"};
    QTest::newRow("byte order mark, every line end") << QByteArray(
                                                            "\xef\xbb\xbf"
                                                            "a\rb\nc\r\n\r\nd")
                                                     << QStringList{"a", "b", "c", "", "d"};
    QString longLine(1 << 20, u'x');
    longLine += QStringLiteral(" 1,85");
    QStringList many{longLine};
    for (int i = 0; i < 100000; ++i)
        many.append(QStringLiteral("sor %1").arg(i));
    QTest::newRow("a megabyte line and 100 000 more") << (many.join("\r\n") + "\r\n").toUtf8() << many;
}

void HostileStoreTest::loadsAnyBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    FakePlatform platform;
    platform.writeFile(QStringLiteral("varkonix.txt"), bytes);
    Form1 form(platform);
    form.Command20.click();
    QCOMPARE(form.List5.lines(), lines);
    QCOMPARE(form.List4.lines(), lines);
    QCOMPARE(form.Label1.caption(), QString::number(lines.size()));
    QVERIFY(platform.messages.empty());
}

void HostileStoreTest::savedSelectionReadsBack_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("NUL characters") << QStringList{withNul("A", " - B"), withNul("", "A"), "1,85"};
    // Windows-1250 has these letters, but their bytes would read as other letters in UTF-8.
    QTest::newRow("code page bytes that look like UTF-8") << QStringList{"Ö° - Éš", "Ö°", "2,50"};
    QTest::newRow("nothing fits the code page") << QStringList{"Зенит - Спартак", "Зенит", "1,40"};
    QTest::newRow("byte order mark first") << QStringList{QString(QChar(0xFEFF)) + "A - B", "A", "1,10"};
    QTest::newRow("megabyte line") << QStringList{QString(1 << 20, u'ő'), "x", "3,00"};
}

void HostileStoreTest::savedSelectionReadsBack() {
    QFETCH(QStringList, lines);
    FakePlatform platform;
    Form1 form(platform);
    form.List5.setLines(lines);
    form.Command4.click();
    const QByteArray saved = fileBytes(platform.folder + QStringLiteral("/varkonixx.txt"));
    QVERIFY(!saved.isEmpty());

    platform.writeFile(QStringLiteral("varkonix.txt"), saved);
    form.List5.clear();
    form.Command20.click();
    QCOMPARE(form.List5.lines(), lines);
}

void HostileStoreTest::editorTakesAnyText() {
    FakePlatform platform;
    Form1 form(platform);
    form.Command7.click();
    auto* editor = static_cast<Form2*>(form.form2Dialog());
    const QString megabyte(1 << 20, u'm');
    QString text = QStringLiteral("Összes kijelölése ") + QChar(0) + QStringLiteral(" A - B \r\n");
    text += QStringLiteral("\t") + megabyte + QStringLiteral("\t\r\n");
    text += QChar(0xD800);
    text += QStringLiteral("\r\nÖsszes kijelölése\r\n\n\n1,85");
    editor->Text1.setText(text);
    editor->Command1.click();
    QCOMPARE(form.List5.lines(),
             (QStringList{"A - B", megabyte, QString(QChar(0xD800)), "1,85"}));  // the NUL dropped
    QCOMPARE(form.Label1.caption(), QStringLiteral("4"));
    QCOMPARE(form.form2Dialog(), nullptr);
}

void HostileStoreTest::refusesWhatIsNoFileOrTooLarge_data() {
    QTest::addColumn<QString>("file");  // what "Vissza tölt", the key dialog or "Kiválaszt" reads
    QTest::addColumn<QString>("what");  // a link to /dev/zero, a FIFO, a folder, a file over the cap
    for (const char* file : {"varkonix.txt", "tkulcs/tippek.inf", "tkulcs/02_03_01.txt"}) {
        for (const char* what : {"zero", "fifo", "folder", "huge"})
            QTest::addRow("%s: %s", file, what) << file << what;
    }
    QTest::newRow("the cap itself is read") << "varkonix.txt"
                                            << "cap";
}

void HostileStoreTest::refusesWhatIsNoFileOrTooLarge() {
    QFETCH(QString, file);
    QFETCH(QString, what);
    FakePlatform platform;
    const QString path = platform.writeFile(file, {});
    platform.writeFile("tkulcs/tippek.inf", file.contains("01") ? "02_03_01.txt Kulcs\r\n" : "");
    QFile::remove(path);
    QFile made(path);
#ifdef Q_OS_WIN
    if (what == "zero" || what == "fifo") QSKIP("Windows has no /dev/zero and no FIFO in a folder");
#else
    QVERIFY(what != "zero" || QFile::link("/dev/zero", path));
    QVERIFY(what != "fifo" || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
    QVERIFY(what != "folder" || QDir().mkpath(path));
    // A sparse file: as large as it says, without taking the disk.
    if (what == "huge" || what == "cap")
        QVERIFY(made.open(QIODevice::WriteOnly) && made.resize(files::kReadCap + (what == "huge")));
    made.close();
    Form1 form(platform);
    form.List5.setLines({"offer"});
    form.List1.setLines({"01 02"});
    form.module1.tipCount = 3;
    (file.contains("tkulcs") ? form.Command6 : form.Command20).click();
    auto* keys = qobject_cast<gyari*>(form.gyariDialog());
    if (keys && keys->List1.count() == 1 && keys->List1.setListIndex(0)) keys->Command3.click();
    const QString refusal = what == "cap" ? "" : what == "huge" ? "A fájl túl nagy: " : "Nem fájl: ";
    QCOMPARE(platform.messages.empty() ? QString() : platform.messages.back().text,
             refusal.isEmpty() ? refusal : refusal + QDir::toNativeSeparators(path));
    QVERIFY(refusal.isEmpty() || platform.messages.back().caption == "Kombinátor");
    QVERIFY(refusal.isEmpty() || platform.messages.back().icon == MsgIcon::Stop);
    // Refused, nothing changes (the key dialog stays open); the cap itself is read: NUL bytes.
    QCOMPARE(form.List5.lines().value(0),
             refusal.isEmpty() && file == "varkonix.txt" ? QString(1 << 26, u'\0') : "offer");
    QCOMPARE(form.List1.lines().value(0), refusal.isEmpty() ? "" : "01 02");
    QCOMPARE(form.gyariDialog(), keys);
}

KOMBINATOR_TEST(HostileStoreTest);
#include "tst_hostile.moc"
