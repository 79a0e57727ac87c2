// Small text rules shared by the commands that take lines apart.
#pragma once

#include <QString>

namespace kombinator {

// The text without the blanks at both ends. Only blanks: a tab or another kind of white space
// is part of the text, as the program's line rules have it.
inline QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ') ++begin;
    while (end > begin && text.at(end - 1) == u' ') --end;
    return text.mid(begin, end - begin);
}

}  // namespace kombinator
