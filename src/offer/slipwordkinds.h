// What the part readers of a slip share among their files: what a word is to the word tables,
// looked up once per word, and the digits and dates a line is read by.
#pragma once

#include <QStringView>

namespace kombinator::slip {

// What a word or a whole line is to the words of slipwords.h, looked up once per word.
enum WordKind : unsigned {
    kSportWord = 1,
    kLeagueWord = 2,
    kCountryWord = 4,
    kDayWord = 8,
    kHeaderWord = 16,
    kButtonLine = 32,
    kMarketLine = 64,
    kPhraseStart = 128,  // the first word of a title or market of several words
    kRelativeDay = 256,
};

unsigned kindsOf(QStringView word);               // the WordKind bits of a word, letter case aside
qsizetype digitRun(QStringView s, qsizetype at);  // the number of digits from `at`
bool isDateOrTime(QStringView word);              // "20:45", "12.12.", "2026-12-12", "12/12"

}  // namespace kombinator::slip
