// The calculator buttons: what each says and builds, and which of them fit the tips in hand.
// The window and the command line read the buttons' state, so both follow one rule.
#include <QCoreApplication>

#include <iterator>

#include "app/form1.h"
#include "calc/fullcover.h"
#include "calc/namedbets.h"

namespace kombinator {

namespace {

// What the k-fold buttons "2" to "13" build, in words. Each number has its own: the suffix of
// "2-es", "3-as", "5-ös", ... follows the vowel harmony of the number's name, and other languages
// name a double or a treble apart.
constexpr const char* kFoldDescriptions[] = {
    QT_TRANSLATE_NOOP("calc", "2-es kötések"),  QT_TRANSLATE_NOOP("calc", "3-as kötések"),
    QT_TRANSLATE_NOOP("calc", "4-es kötések"),  QT_TRANSLATE_NOOP("calc", "5-ös kötések"),
    QT_TRANSLATE_NOOP("calc", "6-os kötések"),  QT_TRANSLATE_NOOP("calc", "7-es kötések"),
    QT_TRANSLATE_NOOP("calc", "8-as kötések"),  QT_TRANSLATE_NOOP("calc", "9-es kötések"),
    QT_TRANSLATE_NOOP("calc", "10-es kötések"), QT_TRANSLATE_NOOP("calc", "11-es kötések"),
    QT_TRANSLATE_NOOP("calc", "12-es kötések"), QT_TRANSLATE_NOOP("calc", "13-as kötések"),
};

}  // namespace

void Form1::describeCalculators() {
    // A screen reader hears a button's caption; what system it builds is its description.
    Command24.setAccessible({}, tr("1-es kötések (szimplák)"));
    static_assert(std::size(kFoldDescriptions) == calc::kMaxFoldTips - 1, "one description per button");
    for (size_t i = 0; i < Command8.size(); ++i) {
        Button& button = Command8[i];
        button.setCaption(QString::number(i + 2));
        button.setAccessible({}, QCoreApplication::translate("calc", kFoldDescriptions[i]));
    }
    const auto fullCover = fullCoverButtons();
    for (size_t i = 0; i < fullCover.size(); ++i) {
        Button& button = *fullCover[i];
        button.setCaption(calc::kFullCoverSystems[i].caption());
        button.setAccessible({}, calc::kFullCoverSystems[i].description());
    }
    Command25.setAccessible(tr("Egyéb fogadások"), tr("Menü: további fogadások, mindegyik a tippjei és a "
                                                      "fogadásai számával"));
    for (size_t i = 0; i < Command26.size(); ++i) {
        Command26[i].setCaption(calc::kNamedBets[i].caption());
        Command26[i].setAccessible(calc::kNamedBets[i].description());
    }
}

// The k-fold "k" for 2 <= k <= tips <= 13, and each full-cover multiple for its own number of
// tips only.
void Form1::enableCalculators(int tips) {
    for (size_t i = 0; i < Command8.size(); ++i) {
        const int k = static_cast<int>(i) + 2;
        Command8[i].setEnabled(k <= tips && tips <= calc::kMaxFoldTips);
    }
    const auto fullCover = fullCoverButtons();
    for (size_t i = 0; i < fullCover.size(); ++i)
        fullCover[i]->setEnabled(calc::kFullCoverSystems[i].tips == tips);
    enableNamedBets(tips);
}

void Form1::enableNamedBets(int tips) {
    bool anyNamedBet = false;
    for (size_t i = 0; i < Command26.size(); ++i) {
        Command26[i].setEnabled(calc::kNamedBets[i].fits(tips));
        anyNamedBet = anyNamedBet || Command26[i].isEnabled();
    }
    Command25.setEnabled(anyNamedBet);
}

}  // namespace kombinator
