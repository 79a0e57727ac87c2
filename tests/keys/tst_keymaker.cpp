// The key maker: keys made to order are proven by the exhaustive check, the bound says when no
// smaller key exists, a stopped search still ends with a proven key, and a saved key is listed by
// the key dialog and substitutes like a shipped one.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <bit>
#include <numeric>

#include "keydesk.h"
#include "keys/annealing.h"
#include "keys/coverinstance.h"
#include "keys/keymaker.h"
#include "keys/keysearch.h"
#include "keys/keyverdict.h"
#include "keys/orbitannealing.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::keys;
using namespace kombinator::test;

Q_DECLARE_METATYPE(kombinator::keys::KeyShape)
Q_DECLARE_METATYPE(std::vector<kombinator::keys::Bet>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

KeyShape shapeOf(const char* name) {
    return *parseKeyName(name);
}

// A quick search: enough for the small shapes the tests make.
constexpr SearchEffort kQuick{30'000'000, 0, 7};

}  // namespace

class TestKeyMaker : public QObject {
    Q_OBJECT
private slots:
    void madeKeyIsProvenAndMinimal_data();
    void madeKeyIsProvenAndMinimal();
    void bounds_data();
    void bounds();
    void annealedKeyIsProven_data();
    void annealedKeyIsProven();
    void shapes_data();
    void shapes();
    void keyBookFileNames_data();
    void keyBookFileNames();
    void texts();
    void profileMatchesBruteForce_data();
    void profileMatchesBruteForce();
    void cancelledSearchKeepsAProvenKey();
    void savedKeyIsListedAndSubstitutes();
    void keyFailingTheCheckIsNeverSaved();
    void takenNamesGetASuffix();
    void refreshedLibraryKeepsTheUsersLines();
};

// Where the size found equals the bound, no bet can go: each removal must break the guarantee.
void TestKeyMaker::madeKeyIsProvenAndMinimal_data() {
    QTest::addColumn<KeyShape>("shape");
    QTest::addColumn<int>("size");
    QTest::newRow("02_06_03") << shapeOf("02_06_03") << 6;   // two triangles
    QTest::newRow("02_13_05") << shapeOf("02_13_05") << 15;  // groups of 4, 3, 3, 3
    QTest::newRow("02_24_08") << shapeOf("02_24_08") << 30;
    QTest::newRow("02_50_10, proven through the graph") << shapeOf("02_50_10") << 115;
    QTest::newRow("03_07_03, every treble") << shapeOf("03_07_03") << 35;
    QTest::newRow("03_07_06") << shapeOf("03_07_06") << 2;
    QTest::newRow("03_08_06") << shapeOf("03_08_06") << 4;
    QTest::newRow("03_06_04") << shapeOf("03_06_04") << 6;
    QTest::newRow("04_08_06") << shapeOf("04_08_06") << 6;
    QTest::newRow("05_10_08") << shapeOf("05_10_08") << 6;
    QTest::newRow("06_12_10") << shapeOf("06_12_10") << 6;
}

void TestKeyMaker::madeKeyIsProvenAndMinimal() {
    QFETCH(KeyShape, shape);
    QFETCH(int, size);
    const std::vector<Bet> key = searchKey(shape, {}, kQuick);
    QCOMPARE(static_cast<int>(key.size()), size);
    QCOMPARE(lowerBound(shape), static_cast<std::int64_t>(size));
    QVERIFY(provesGuarantee(shape, key));
    for (std::size_t drop = 0; drop < key.size(); ++drop) {
        std::vector<Bet> fewer = key;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(drop));
        QVERIFY2(!provesGuarantee(shape, fewer),
                 qPrintable(QStringLiteral("bet %1 was not needed").arg(drop)));
    }
}

void TestKeyMaker::bounds_data() {
    QTest::addColumn<KeyShape>("shape");
    QTest::addColumn<qint64>("bound");
    QTest::addColumn<qint64>("constructed");  // the key at hand before any search
    QTest::addColumn<qint64>("best");         // the best size known; 0: none
    QTest::addColumn<qint64>("greedy");  // one plain greedy cover, which no key made exceeds; 0: not made
    QTest::addColumn<qint64>("made");    // the key a quick search makes; 0: not searched
    QTest::newRow("02_50_10: 5 groups of 6, 4 of 5")
        << shapeOf("02_50_10") << qint64(115) << qint64(115) << qint64(115) << qint64(0) << qint64(0);
    QTest::newRow("03_07_05: C(7,4,2)")
        << shapeOf("03_07_05") << qint64(5) << qint64(5) << qint64(5) << qint64(0) << qint64(0);
    QTest::newRow("03_10_04: C(10,7,6)")
        << shapeOf("03_10_04") << qint64(45) << qint64(45) << qint64(45) << qint64(0) << qint64(0);
    QTest::newRow("04_13_07: C(13,9,6)")
        << shapeOf("04_13_07") << qint64(38) << qint64(50) << qint64(39) << qint64(48) << qint64(0);
    QTest::newRow("03_20_07: 3 groups, averaged over published bounds")
        << shapeOf("03_20_07") << qint64(77) << qint64(90) << qint64(0) << qint64(131) << qint64(0);
    QTest::newRow("04_18_08: two keys side by side")
        << shapeOf("04_18_08") << qint64(96) << qint64(142) << qint64(0) << qint64(154) << qint64(0);
    QTest::newRow("06_24_12") << shapeOf("06_24_12") << qint64(279) << qint64(1018) << qint64(0) << qint64(0)
                              << qint64(0);
    QTest::newRow("04_24_12: side by side, without the library")
        << shapeOf("04_24_12") << qint64(60) << qint64(99) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("03_10_05: Turán's halves, exact")
        << shapeOf("03_10_05") << qint64(20) << qint64(20) << qint64(20) << qint64(0) << qint64(0);
    QTest::newRow("03_16_05: exact") << shapeOf("03_16_05") << qint64(112) << qint64(112) << qint64(112)
                                     << qint64(0) << qint64(0);
    QTest::newRow("03_17_05: averaged over 03_16_05")
        << shapeOf("03_17_05") << qint64(136) << qint64(140) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("04_17_09: C(17,13,8)")
        << shapeOf("04_17_09") << qint64(37) << qint64(0) << qint64(42) << qint64(0) << qint64(0);
    QTest::newRow("06_24_16: C(24,18,8)")
        << shapeOf("06_24_16") << qint64(38) << qint64(0) << qint64(49) << qint64(0) << qint64(0);
    QTest::newRow("04_16_07: Turán number T(16,7,4)")
        << shapeOf("04_16_07") << qint64(99) << qint64(0) << qint64(108) << qint64(0) << qint64(0);
    QTest::newRow("05_20_19: one event out of each bet's complement")
        << shapeOf("05_20_19") << qint64(2) << qint64(2) << qint64(2) << qint64(0) << qint64(0);
    QTest::newRow("06_22_15: two searched keys of 11 events side by side")
        << shapeOf("06_22_15") << qint64(32) << qint64(77) << qint64(40) << qint64(0) << qint64(40);
}

void TestKeyMaker::bounds() {
    QFETCH(KeyShape, shape);
    QFETCH(qint64, bound);
    QFETCH(qint64, constructed);
    QFETCH(qint64, best);
    QFETCH(qint64, greedy);
    QFETCH(qint64, made);
    QCOMPARE(lowerBound(shape), bound);
    if (constructed > 0) QCOMPARE(static_cast<qint64>(constructKey(shape).size()), constructed);
    QCOMPARE(bestKnownSize(shape).value_or(0), best);
    if (made > 0) {
        const std::vector<Bet> key = searchKey(shape, {}, kQuick);
        QCOMPARE(static_cast<qint64>(key.size()), made);
        QVERIFY(provesGuarantee(shape, key));
    }
    if (greedy == 0) return;
    const CoverInstance inst(shape);
    std::vector<int> rank(static_cast<std::size_t>(inst.blockCount()));
    std::iota(rank.begin(), rank.end(), 0);
    QCOMPARE(static_cast<qint64>(greedyCover(inst, rank).size()), greedy);
    const std::vector<Bet> key = searchKey(shape, {}, kQuick);
    QVERIFY(provesGuarantee(shape, key));
    QVERIFY(static_cast<qint64>(key.size()) <= std::min(greedy, constructed));
}

// The annealing on its own, from the constructed key, within a budget of winner sets visited: its
// key is proven and, where the budget allows, smaller. With cycles, over the keys that permutation
// of the events maps onto themselves.
void TestKeyMaker::annealedKeyIsProven_data() {
    QTest::addColumn<KeyShape>("shape");
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<std::vector<int>>("cycles");
    QTest::newRow("05_13_09") << shapeOf("05_13_09") << true << std::vector<int>{};
    QTest::newRow("04_12_07") << shapeOf("04_12_07") << true << std::vector<int>{};
    QTest::newRow("05_24_16: 735471 winner sets, 75582 through a bet")
        << shapeOf("05_24_16") << false << std::vector<int>{};
    QTest::newRow("06_16_10, four cycles of 4")
        << shapeOf("06_16_10") << true << std::vector<int>{4, 4, 4, 4};
}

void TestKeyMaker::annealedKeyIsProven() {
    QFETCH(KeyShape, shape);
    QFETCH(bool, smaller);
    QFETCH(std::vector<int>, cycles);
    const std::vector<Bet> start = constructKey(shape);
    const auto budget = [](const AnnealStatus& at) { return at.work < 20'000'000; };
    std::vector<Bet> key;
    if (cycles.empty()) {
        key = KeyAnnealer(shape, start, 7).shrink(searchGoal(shape), budget);
    } else {
        const std::vector<int> permutation = cyclePermutation(shape.n, cycles);
        key = OrbitAnnealer(shape, permutation, start, start.size() - 1, 7).shrink(searchGoal(shape), budget);
        for (Bet bet : key) {
            Bet image = 0;
            for (int tip : tipsOf(bet))
                image |= bit(permutation[static_cast<std::size_t>(tip - 1)]);
            QVERIFY(std::binary_search(key.begin(), key.end(), image));
        }
    }
    QVERIFY(provesGuarantee(shape, key));
    QVERIFY(key.size() <= start.size() - (smaller ? 1 : 0));
}

void TestKeyMaker::shapes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeable");
    QTest::newRow("smallest") << "02_03_02" << true;
    QTest::newRow("doubles, 50 events") << "02_50_49" << true;
    QTest::newRow("doubles, 51 events") << "02_51_10" << false;
    QTest::newRow("sixes, 24 events") << "06_24_23" << true;
    QTest::newRow("trebles, 25 events") << "03_25_07" << false;
    QTest::newRow("sevens") << "07_20_10" << false;
    QTest::newRow("singles") << "01_10_05" << false;
    QTest::newRow("guarantee below the tips") << "04_10_03" << false;
    QTest::newRow("guarantee of every event") << "04_10_10" << false;
    QTest::newRow("not a key name") << "4_10_6" << false;
    QTest::newRow("letters") << "0a_10_06" << false;
}

void TestKeyMaker::shapes() {
    QFETCH(QString, name);
    QFETCH(bool, makeable);
    const std::optional<KeyShape> shape = parseKeyName(name.toStdString());
    QCOMPARE(shape.has_value() && isMakeable(*shape), makeable);
    if (makeable) QCOMPARE(QString::fromStdString(keyName(*shape)), name);
}

void TestKeyMaker::keyBookFileNames_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("read");
    QTest::newRow("key") << "03_09_07.txt" << true;
    QTest::newRow("capital suffix") << "03_09_07.TXT" << true;
    QTest::newRow("numbered copy") << "03_09_07.001" << false;
}

void TestKeyMaker::keyBookFileNames() {
    QFETCH(QString, file);
    QFETCH(bool, read);
    QTemporaryDir dir;
    QFile key(dir.filePath(file));
    QVERIFY(key.open(QIODevice::WriteOnly) && key.write("001 002 003\r\n004 005 006\r\n007 008 009\r\n") > 0);
    key.close();
    QCOMPARE(readKeyBook(dir.path()).count(shapeOf("03_09_07")), read ? 1u : 0u);
}

void TestKeyMaker::texts() {
    QCOMPARE(QString::fromStdString(keyDescription({4, 18, 8}, 56)),
             QStringLiteral(
                 "56 fogadás – 4-es kötések, 18 esemény: ha legalább 8 tipp bejön, legalább egy kötés nyer"));
    QCOMPARE(QString::fromStdString(keyDescription({2, 4, 3}, 3)),
             QStringLiteral(
                 "3 fogadás – 2-es kötések, 4 esemény: ha legalább 3 tipp bejön, legalább egy kötés nyer"));
    QVERIFY(QString::fromStdString(keyDescription({3, 9, 5}, 1))
                .startsWith(QStringLiteral("1 fogadás – 3-as kötések")));
    QVERIFY(QString::fromStdString(keyDescription({5, 9, 5}, 1))
                .startsWith(QStringLiteral("1 fogadás – 5-ös kötések")));
    QVERIFY(QString::fromStdString(keyDescription({6, 9, 6}, 1))
                .startsWith(QStringLiteral("1 fogadás – 6-os kötések")));
    QCOMPARE(keyVerdict({3, 10, 5}, 20, true, false),
             QStringLiteral("Ellenőrizve: a 10 esemény bármely 5 tippje tartalmaz egy kötést. Ennél kevesebb "
                            "fogadással nem lehet."));
    QCOMPARE(keyVerdict({4, 14, 6}, 115, true, true),
             QStringLiteral("Leállítva. Ellenőrizve: a 14 esemény bármely 6 tippje tartalmaz egy kötést."));
    QCOMPARE(keyStanding({4, 17, 9}, 44),
             QStringLiteral("44 fogadás, a legjobb ismert: 42, bizonyított alsó "
                            "korlát: 37 – 2 fogadással több a legjobb ismertnél"));
    QVERIFY(keyStanding({4, 17, 9}, 42).endsWith(QStringLiteral(": 37 – egyenlő a legjobb ismerttel")));
    QVERIFY(
        keyStanding({4, 17, 9}, 41).endsWith(QStringLiteral(" – 1 fogadással kevesebb a legjobb ismertnél")));
    QCOMPARE(keyStanding({3, 20, 7}, 90),
             QStringLiteral("90 fogadás, a legjobb ismert: nincs közölt érték, bizonyított alsó korlát: 77"));
    QVERIFY(replacesOfferedKey(true, 0, 59) && replacesOfferedKey(true, 60, 59) &&
            !replacesOfferedKey(true, 59, 59) && !replacesOfferedKey(false, 60, 59));
    QVERIFY(mayImproveKey({4, 17, 9}, false, 43) && !mayImproveKey({4, 17, 9}, false, 42) &&
            !mayImproveKey({4, 17, 9}, true, 43) && !mayImproveKey({2, 24, 8}, false, 31));
    QCOMPARE(keyVerdict({4, 16, 8}, 59, false, false),
             QStringLiteral("A talált kulcs nem állta ki az ellenőrzést, nem menthető."));
    QVERIFY(maySaveKey(true, false, false, 59) && !maySaveKey(true, true, false, 59) &&
            !maySaveKey(true, false, true, 59) && !maySaveKey(false, false, false, 59));
    // Lines in the order of their tips, three digits each, CR LF.
    const std::vector<Bet> bets = {0b1010, 0b0011, (Bet{1} << 49) | 1};
    QCOMPARE(QString::fromStdString(keyFileText(bets)), QStringLiteral("001 002\r\n001 050\r\n002 004\r\n"));
    QCOMPARE(libraryLine(QStringLiteral("02_06_03.txt"), {2, 6, 3}, 6),
             QStringLiteral("02_06_03.txt  6 fogadás – 2-es kötések, 6 esemény: ha legalább 3 tipp bejön, "
                            "legalább egy kötés nyer"));
}

void TestKeyMaker::profileMatchesBruteForce_data() {
    QTest::addColumn<int>("events");
    QTest::addColumn<std::vector<Bet>>("bets");
    QTest::addColumn<int>("guarantee");
    QTest::newRow("03_09_07") << 9 << searchKey({3, 9, 7}, {}, kQuick) << 7;
    QTest::newRow("02_06_03, two triangles") << 6 << searchKey({2, 6, 3}, {}, kQuick) << 3;
    QTest::newRow("04_10_07") << 10 << searchKey({4, 10, 7}, {}, kQuick) << 7;
    QTest::newRow("03_11_05, a bet twice") << 11 << [] {
        std::vector<Bet> bets = searchKey({3, 11, 5}, {}, kQuick);
        bets.push_back(bets.front());
        return bets;
    }() << 5;
    QTest::newRow("a lone double of 5 events") << 5 << std::vector<Bet>{0b11000} << 5;
}

void TestKeyMaker::profileMatchesBruteForce() {
    QFETCH(int, events);
    QFETCH(std::vector<Bet>, bets);
    QFETCH(int, guarantee);
    const std::optional<std::vector<ProfileRow>> rows = keyProfile(events, bets);
    QVERIFY(rows);
    for (int j = 0; j <= events; ++j) {
        std::int64_t fewest = INT64_MAX, most = 0;
        for (Bet winners = 0; winners < bit(events); ++winners) {
            if (std::popcount(winners) != j) continue;
            const auto wins =
                std::count_if(bets.begin(), bets.end(), [&](Bet bet) { return (bet & ~winners) == 0; });
            fewest = std::min<std::int64_t>(fewest, wins);
            most = std::max<std::int64_t>(most, wins);
        }
        const ProfileRow& row = (*rows)[static_cast<std::size_t>(j)];
        QCOMPARE(row.winners, j);
        QCOMPARE(row.fewest, fewest);
        QCOMPARE(row.most, most);
    }
    QCOMPARE(profileGuarantee(*rows), std::optional<int>(guarantee));
    QCOMPARE(keyProfile(kMaxProfileEvents + 1, bets), std::nullopt);
}

void TestKeyMaker::cancelledSearchKeepsAProvenKey() {
    KeySearchJob job({4, 13, 7}, {4'000'000'000, 0, 1});
    QSignalSpy progress(&job, &KeySearchJob::progress);
    QSignalSpy finished(&job, &KeySearchJob::finished);
    job.start();
    QVERIFY(job.isRunning());
    QVERIFY(progress.wait(20000));
    job.cancel();
    QVERIFY(finished.wait(20000));
    QVERIFY(!job.isRunning());
    QVERIFY(job.wasCancelled());
    QVERIFY(job.proven());
    QVERIFY(job.bets().size() <= 50);  // never worse than the key constructed at the start
    QVERIFY(provesGuarantee({4, 13, 7}, job.bets()));
}

void TestKeyMaker::savedKeyIsListedAndSubstitutes() {
    KeyDesk desk;
    desk.writeLibrary(QStringLiteral("02_09_03.txt  régi sor\r\n"));
    gyari* dialog = desk.open(9);
    QVERIFY(dialog);
    const KeyShape shape{3, 9, 7};
    const std::vector<Bet> key = searchKey(shape, {}, kQuick);
    QCOMPARE(key.size(), std::size_t{3});  // the groups 1-3, 4-6, 7-9

    const std::optional<QString> line = saveKeyToLibrary(desk.form, shape, key);
    const QString expected = QStringLiteral(
        "03_09_07.txt  3 fogadás – 3-as kötések, 9 esemény: ha legalább 7 tipp bejön, legalább egy kötés "
        "nyer");
    QCOMPARE(line, std::optional<QString>(expected));
    QCOMPARE(dialog->List1.lines(), QStringList({QStringLiteral("02_09_03.txt  régi sor"), expected}));
    QCOMPARE(dialog->Label1.caption(), QStringLiteral("2"));
    QCOMPARE(desk.libraryBytes(),
             KeyDesk::cp1250(QStringLiteral("02_09_03.txt  régi sor\r\n") + expected + "\r\n"));

    dialog->List1.clickLine(1);
    dialog->Command3.click();
    QCOMPARE(desk.form.List1.lines(), QStringList({QStringLiteral("01 02 03"), QStringLiteral("04 05 06"),
                                                   QStringLiteral("07 08 09")}));
    QCOMPARE(desk.form.List1.toolTip(), expected);
    QVERIFY(!desk.form.gyariDialog());

    // A second key of the same shape takes the next free name.
    QCOMPARE(saveKeyToLibrary(desk.form, shape, key)->left(14), QStringLiteral("03_09_07.001  "));
}

void TestKeyMaker::keyFailingTheCheckIsNeverSaved() {
    KeyDesk desk;
    desk.writeLibrary(QStringLiteral("02_09_03.txt  régi sor\r\n"));
    const QByteArray before = desk.libraryBytes();
    std::vector<Bet> key = searchKey({3, 9, 7}, {}, kQuick);
    key.pop_back();
    QVERIFY(!saveKeyToLibrary(desk.form, {3, 9, 7}, key));
    QCOMPARE(desk.libraryBytes(), before);
    QVERIFY(!QFile::exists(desk.platform.folder + QStringLiteral("/tkulcs/03_09_07.txt")));
}

void TestKeyMaker::takenNamesGetASuffix() {
    const KeyShape shape{4, 18, 8};
    QCOMPARE(freeKeyFileName(shape, {}, {}), QStringLiteral("04_18_08.txt"));
    QCOMPARE(freeKeyFileName(shape, {QStringLiteral("04_18_08.TXT  leírás")}, {}),
             QStringLiteral("04_18_08.001"));
    QCOMPARE(freeKeyFileName(shape, {}, {QStringLiteral("04_18_08.txt"), QStringLiteral("04_18_08.001")}),
             QStringLiteral("04_18_08.002"));
    QStringList everyName = {QStringLiteral("04_18_08.txt")};
    for (int i = 1; i <= 999; ++i)
        everyName << QStringLiteral("04_18_08.%1").arg(i, 3, 10, QLatin1Char('0'));
    QCOMPARE(freeKeyFileName(shape, {}, everyName), QString());
}

void TestKeyMaker::refreshedLibraryKeepsTheUsersLines() {
    const QStringList shipped = {QStringLiteral("02_04_03.txt  új szöveg"),
                                 QStringLiteral("02_05_03.txt  új szöveg")};
    const QStringList current = {QStringLiteral("02_04_03.txt  régi szöveg"),
                                 QStringLiteral("04_18_08.txt  saját kulcs"),
                                 QStringLiteral("01_02_03.txt  saját leírás"), QString()};
    QCOMPARE(mergeLibrary(shipped, current),
             QStringList(
                 {QStringLiteral("01_02_03.txt  saját leírás"), QStringLiteral("02_04_03.txt  új szöveg"),
                  QStringLiteral("02_05_03.txt  új szöveg"), QStringLiteral("04_18_08.txt  saját kulcs")}));
}

KOMBINATOR_TEST(TestKeyMaker);

#include "tst_keymaker.moc"
