// The calculator buttons: what each says and builds, and which of them fit the tips in hand.
// The window and the command line read the buttons' state, so both follow one rule.
#include "app/form1.h"
#include "calc/fullcover.h"

namespace kombinator {

void Form1::describeCalculators() {
    // A screen reader hears a button's caption; what system it builds is its description.
    Command24.setAccessible({}, QStringLiteral("1-es kötések (szimplák)"));
    // The suffix of "2-es", "3-as", "5-ös", ... follows the vowel harmony of the number's name.
    const char* const suffixes[] = {"es", "as", "es", "ös", "os", "es", "as", "es", "es", "es", "es", "as"};
    const std::vector<Button*> buttons = calculatorButtons();
    for (int i = 0; i < 12; ++i) {
        Button& button = *buttons[static_cast<size_t>(i)];
        button.setCaption(QString::number(i + 2));
        button.setAccessible({},
                             QStringLiteral("%1-%2 kötések").arg(i + 2).arg(QString::fromUtf8(suffixes[i])));
    }
    for (size_t i = 0; i < calc::kFullCoverSystems.size(); ++i) {
        Button& button = *buttons[12 + i];
        button.setCaption(calc::kFullCoverSystems[i].caption());
        button.setAccessible({}, calc::kFullCoverSystems[i].description());
    }
}

// The k-fold "k" for 2 <= k <= tips <= 13, and each full-cover multiple for its own number of
// tips only.
void Form1::enableCalculators(int tips) {
    const std::vector<Button*> buttons = calculatorButtons();
    for (int i = 0; i < 12; ++i) {
        const int k = i + 2;
        buttons[static_cast<size_t>(i)]->setEnabled(k <= tips && tips <= calc::kMaxFoldTips);
    }
    for (size_t i = 0; i < calc::kFullCoverSystems.size(); ++i)
        buttons[12 + i]->setEnabled(calc::kFullCoverSystems[i].tips == tips);
}

}  // namespace kombinator
