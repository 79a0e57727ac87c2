// The full-cover multiples "Trixie 4" to "Goliath 247".
#include <algorithm>
#include <array>
#include <vector>

#include "app/form1.h"
#include "calc/combinations.h"
#include "calc/output.h"

namespace kombinator {

namespace {

// A full-cover bet type: its number of selections and whether the singles come with it.
struct FullCover {
    int selections;
    bool singles;
};

// Every double, treble, ... up to the (N-1)-fold over all tips, then the N-fold of tips 1 to N,
// then (for the types with singles) the singles of tips 1 to N. The enabling rule lets a button
// be pressed only with exactly N tips; with fewer, the N-fold and the singles would name rows
// that hold no tip, so such a click does nothing.
void writeFullCover(Form1& form, FullCover type) {
    const int n = form.module1.tipCount;
    const int N = type.selections;
    if (n <= 0 || n < N) return;

    calc::Output output(form);
    output.begin();
    std::int64_t bets = 1 + (type.singles ? N : 0);
    for (int k = 2; k < N; ++k)
        bets += calc::combinationCount(n, k);
    output.reserve(static_cast<qsizetype>(std::min<std::int64_t>(bets, 1 << 20)));

    const auto add = [&output](std::span<const int> rows) { output.add(rows); };
    for (int k = 2; k < N; ++k)
        calc::forEachCombination(n, k, add);
    std::vector<int> all(static_cast<size_t>(N));
    for (int r = 1; r <= N; ++r)
        all[static_cast<size_t>(r - 1)] = r;
    output.add(all);
    if (type.singles) {
        for (int r = 1; r <= N; ++r)
            output.add(std::array{r});
    }
    output.close();
}

}  // namespace

void Form1::Command9_Click() {
    writeFullCover(*this, {3, false});
}  // Trixie 4
void Form1::Command10_Click() {
    writeFullCover(*this, {3, true});
}  // Patent 7
void Form1::Command11_Click() {
    writeFullCover(*this, {4, false});
}  // Yankee 11
void Form1::Command12_Click() {
    writeFullCover(*this, {4, true});
}  // Lucky 15
void Form1::Command13_Click() {
    writeFullCover(*this, {5, false});
}  // Canadian 26
void Form1::Command14_Click() {
    writeFullCover(*this, {5, true});
}  // Lucky 31
void Form1::Command15_Click() {
    writeFullCover(*this, {6, false});
}  // Heinz 57
void Form1::Command16_Click() {
    writeFullCover(*this, {6, true});
}  // Lucky 63
void Form1::Command17_Click() {
    writeFullCover(*this, {7, false});
}  // Super Heinz 120
void Form1::Command18_Click() {
    writeFullCover(*this, {8, false});
}  // Goliath 247

}  // namespace kombinator
