// A bettor's way through a built-in key: ten tips converted, the key 03_10_06 put into the bet
// list through the key dialog, priced with "Odds", six tips marked won and the list settled.
#include <QFile>
#include <QTest>

#include "calc/output.h"
#include "keydesk.h"
#include "testmain.h"

using namespace kombinator;
using namespace kombinator::test;

namespace {

const char* const kOdds[] = {"1,50", "2,10", "1,85", "3,20", "1,40", "2,75", "1,65", "2,30", "1,95", "1,20"};

std::vector<int> tipsOf(const QString& betLine) {
    std::vector<int> tips;
    for (int k = 1; k <= calc::tipFieldCount(betLine); ++k)
        tips.push_back(calc::numberValue(calc::tipField(betLine, k)));
    return tips;
}

// The odds product of a bet, as the program forms it: single precision, tip by tip.
QString priced(const Form1& form, const std::vector<int>& tips) {
    float product = 1.0f;
    for (int tip : tips)
        calc::multiplyInto(product, *calc::parseOdds(form.Grid1.textAt(tip, 3)));
    return calc::formatAmount(product);
}

}  // namespace

class TestKeyJourney : public QObject {
    Q_OBJECT
private slots:
    void tenTipsThroughTheBuiltInKey();
};

void TestKeyJourney::tenTipsThroughTheBuiltInKey() {
    if (!QFile::exists(QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/tkulcs/03_10_06.txt")))
        QSKIP("the built-in key library is not in resources/tkulcs yet");
    KeyDesk desk;
    desk.platform.installResources({QStringLiteral("xxk.bmp"), QStringLiteral("xx.bmp"),
                                    QStringLiteral("Xxx.bmp"), QStringLiteral("xxz.bmp"),
                                    QStringLiteral("tkulcs/tippek.inf"),
                                    QStringLiteral("tkulcs/03_10_06.txt")});
    Form1& form = desk.form;
    form.Form_Load();

    QStringList offer;
    for (int i = 0; i < 10; ++i) {
        const QString home = QStringLiteral("Hazai %1").arg(i + 1);
        offer << home + QStringLiteral(" - Vendég %1").arg(i + 1) << home << QString::fromLatin1(kOdds[i]);
    }
    form.List5.setLines(offer);
    form.Command2.click();
    QCOMPARE(form.module1.tipCount, 10);
    QCOMPARE(form.Grid1.textAt(10, 3), QStringLiteral("1.20"));

    form.Command6.click();
    auto* dialog = qobject_cast<gyari*>(form.gyariDialog());
    QVERIFY(dialog);
    const QStringList library = dialog->List1.lines();
    const auto key = std::find_if(library.begin(), library.end(), [](const QString& line) {
        return line.startsWith(QLatin1String("03_10_06"));
    });
    QVERIFY2(key != library.end(), "the library names the key 03_10_06");
    dialog->List1.clickLine(static_cast<int>(key - library.begin()));
    dialog->Command3.click();
    QVERIFY(desk.platform.messages.empty());
    QCOMPARE(form.gyariDialog(), nullptr);

    const QStringList bets = form.List1.lines();
    QVERIFY(!bets.isEmpty());
    QCOMPARE(form.List1.toolTip(), *key);
    QCOMPARE(form.Label1.caption(), QString::number(bets.size()));
    for (const QString& bet : bets) {
        const std::vector<int> tips = tipsOf(bet);
        QVERIFY2(tips.size() >= 2, qPrintable(bet));
        for (int tip : tips)
            QVERIFY2(tip >= 1 && tip <= 10, qPrintable(bet));
    }

    form.Command19.click();
    QCOMPARE(form.List3.count(), bets.size() + 3);
    const std::vector<int> first = tipsOf(bets.first());
    QCOMPARE(form.List3.line(0), priced(form, first));
    QVERIFY(form.List3.line(bets.size()).isEmpty());
    QVERIFY(form.List3.line(bets.size() + 1).startsWith(QStringLiteral("Össz.: ")));
    QVERIFY(form.List3.line(bets.size() + 2).startsWith(QStringLiteral("Ny/s.: ")));

    // Six tips won: those of the first bet, then the lowest others.
    std::vector<int> won = first;
    for (int tip = 1; won.size() < 6; ++tip) {
        if (std::find(won.begin(), won.end(), tip) == won.end()) won.push_back(tip);
    }
    QCOMPARE(won.size(), size_t{6});
    for (int tip : won) {
        form.Grid1.clickCell(tip, 3);
        QCOMPARE(form.resultFlags[static_cast<size_t>(tip)], 1);
    }

    form.Command21.click();
    QCOMPARE(form.List3.count(), bets.size() + 3);
    QCOMPARE(form.List3.line(0), priced(form, first));
    int winning = 0;
    for (int i = 0; i < bets.size(); ++i) {
        if (form.List3.line(i) != QLatin1String("0.00")) ++winning;
    }
    QVERIFY(winning >= 1);
    QVERIFY(form.List3.line(bets.size() + 1) != QStringLiteral("Össz.: 0.00"));
}

KOMBINATOR_TEST(TestKeyJourney);
#include "tst_keyjourney.moc"
