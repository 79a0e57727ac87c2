// Coupons copied from real browsers (tests/offer/browser, and the generated pages' copies in
// tests/offer/generated/copies.json): every copy goes through the clipboard intake and the
// conversion, and the tip grid must show what the page shows.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "platform/files.h"
#include "testmain.h"

using namespace kombinator;

namespace {

const QString kFolder = QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/browser/");
const QString kGenerated = QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/copies.json");
const QString kStructure = QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/structure.json");
const QString kRacing = QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/racing.json");
const QString kHeldOut = QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/heldout.json");

QString pictureName(const Form1& form, int row, int col) {
    const QString path = form.Grid1.pictureAt(row, col);
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QStringList readUtf8Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Pastes a copy as the desktop's clipboard hands it over (the browser's text with CR LF line ends)
// and checks the tip grid against the page's tips: home|away|home marker|away marker|odds a line,
// and for a runner race|runner|||odds|each-way terms ("" at SP; terms as "1/4 1-2-3", "" to win).
// "refused|MESSAGE" wants that one message; a bare "refused" wants one stop message. A refused
// copy brings in no tip.
void convertsTo(const QString& copy, const QString& html, const QStringList& tips) {
    test::FakePlatform platform;
    platform.installResources({"xxk.bmp", "xx.bmp", "Xxx.bmp"});
    platform.clipboard = files::withCrLf(copy);
    if (!html.isEmpty()) platform.clipboardHtmlFlavour = html;
    Form1 form(platform);
    form.Command1_Click();
    form.Command2_Click();

    if (tips.first() == "refused" || tips.first().startsWith("refused|")) {
        QCOMPARE(platform.messages.size(), size_t{1});
        if (tips.first() == "refused")
            QCOMPARE(platform.messages[0].icon, MsgIcon::Stop);
        else
            QCOMPARE(platform.messages[0].text, tips.first().mid(8));
        QCOMPARE(int(form.module1.tipCount), 0);
        return;
    }
    const QString shown = platform.messages.empty() ? QString() : platform.messages[0].text;
    QVERIFY2(platform.messages.empty(), qPrintable(shown));
    QCOMPARE(int(form.module1.tipCount), int(tips.size()));
    for (int r = 1; r <= tips.size(); ++r) {
        const QStringList want = tips.at(r - 1).split(u'|');
        QVERIFY(want.size() == 5 || want.size() == 6);
        QStringList got{form.Grid1.textAt(r, 1), form.Grid1.textAt(r, 2), pictureName(form, r, 1),
                        pictureName(form, r, 2), form.Grid1.textAt(r, 3)};
        const PlaceTerms terms = form.termsAt(form.Grid1, r).place;
        if (want.size() == 6) got.append(terms.eachWay() ? placeTermsText(terms) : QString());
        QCOMPARE(got, want);
    }
}

}  // namespace

class TestBrowserCopies : public QObject {
    Q_OBJECT
private slots:
    void convertsAsThePageShows_data() {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QStringList>("tips");
        const QStringList pages = QDir(kFolder).entryList({"*.html"}, QDir::Files, QDir::Name);
        QVERIFY(pages.size() >= 6);
        for (const QString& page : pages) {
            const QString base = QFileInfo(page).completeBaseName();
            const QStringList tips = readUtf8Lines(kFolder + base + ".tips");
            QVERIFY2(!tips.isEmpty(), qPrintable(base + ".tips"));
            for (const char* browser : {"chromium", "firefox"}) {
                const QString copy = base + u'.' + QLatin1String(browser) + ".txt";
                QVERIFY2(QFileInfo::exists(kFolder + copy), qPrintable(copy));
                QTest::newRow(qPrintable(copy)) << copy << tips;
            }
        }
    }
    void convertsAsThePageShows() {
        QFETCH(QString, copy);
        QFETCH(QStringList, tips);
        QFile file(kFolder + copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        convertsTo(QString::fromUtf8(file.readAll()), QString(), tips);
    }

    // Pages composed by tools/slipgen and copied in both browsers; see tests/offer/generated/README.
    // A copy whose HTML flavour was kept is read twice: its text alone, as from a program that
    // offers no HTML, and its text with the HTML, as the browser hands them over. More tables
    // (a held-out batch) can be named in KOMBINATOR_MORE_COPIES, parted by colons.
    void convertsGeneratedPages_data() {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("tips");
        QStringList tables{kGenerated, kStructure, kRacing, kHeldOut};
        tables += qEnvironmentVariable("KOMBINATOR_MORE_COPIES").split(u':', Qt::SkipEmptyParts);
        QFile listed(QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/refused-readable.txt"));
        QVERIFY(listed.open(QIODevice::ReadOnly));
        const QStringList refusedReadable = QString::fromUtf8(listed.readAll()).split(u'\n');
        // Copies whose tips are not checked, each with the reason (unchecked.txt).
        QHash<QString, QString> unchecked;
        QFile skipped(QStringLiteral(KOMBINATOR_SOURCE_DIR "/tests/offer/generated/unchecked.txt"));
        QVERIFY(skipped.open(QIODevice::ReadOnly));
        for (const QString& line : QString::fromUtf8(skipped.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (!line.startsWith(u'#')) unchecked.insert(line.section(u' ', 0, 0), line.section(u' ', 1));
        }
        qsizetype copies = 0;
        for (const QString& table : tables) {
            QFile file(table);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(table));
            QJsonParseError error;
            const QJsonArray rows = QJsonDocument::fromJson(file.readAll(), &error).array();
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
            for (const QJsonValue& value : rows) {
                const QJsonObject row = value.toObject();
                QStringList tips;
                for (const QJsonValue& tip : row["tips"].toArray())
                    tips.append(tip.toString());
                QVERIFY2(!tips.isEmpty(), qPrintable(row["page"].toString()));
                const QString name = row["page"].toString() + u'.' + row["browser"].toString();
                const bool textRefused =
                    row["text"].toString() == u"refused" || refusedReadable.contains(name);
                const auto want = [&](const QString& copy, bool refused) {
                    if (unchecked.contains(copy)) return QStringList{"unchecked", unchecked.value(copy)};
                    return refused ? QStringList{"refused"} : tips;
                };
                QTest::newRow(qPrintable(name))
                    << row["copy"].toString() << QString() << want(name, textRefused);
                if (row.contains("html")) {
                    const QString html = name + ".html";
                    QTest::newRow(qPrintable(html)) << row["copy"].toString() << row["html"].toString()
                                                    << want(html, refusedReadable.contains(html));
                }
                ++copies;
            }
        }
        QVERIFY(copies >= 1520);
    }
    void convertsGeneratedPages() {
        QFETCH(QString, copy);
        QFETCH(QString, html);
        QFETCH(QStringList, tips);
        if (tips.first() == u"unchecked") QSKIP(qPrintable(tips.last()));
        convertsTo(copy, html, tips);
    }
};

KOMBINATOR_TEST(TestBrowserCopies);
#include "tst_browsercopies.moc"
