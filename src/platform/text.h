// Small text rules shared by the commands that take lines apart: intake, conversion, the editor.
// Text copied from a web page carries more than the plain blank: a no-break space for every
// &nbsp;, thin and narrow spaces around numbers, zero-width and direction marks that nobody sees.
// One rule here decides what counts as a blank and what is dropped, so that every command reads
// a copied coupon the same way.
#pragma once

#include <QString>
#include <QStringView>

namespace kombinator {

// The decimal separator of every number the program reads and writes (odds, amounts), whatever
// the desktop's locale says.
inline constexpr char16_t kNumberDecimalSeparator = u'.';

// A blank: the plain blank or any other space separator (no-break space U+00A0, the spaces
// U+2000 to U+200A, narrow no-break space U+202F, medium mathematical space U+205F, ideographic
// space U+3000). A tab is not a blank here; the line readers turn it into one themselves.
inline bool isBlank(QChar ch) {
    const char16_t c = ch.unicode();
    return c == u' ' || c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// Marks without a picture of their own: zero-width space, joiners, word joiner, the left-to-right
// and right-to-left marks, the byte order mark, the soft hyphen a page puts into long names
// (&shy;), and every control character but tab, carriage return and line feed (a NUL in the
// middle of odds would otherwise cut them short). Copied text loses them, so a copied name equals
// the one typed by hand.
inline bool isInvisibleMark(QChar ch) {
    const char16_t c = ch.unicode();
    if (c < 0x20) return c != u'\t' && c != u'\r' && c != u'\n';
    return (c >= 0x7F && c <= 0x9F) || c == 0x00AD || (c >= 0x200B && c <= 0x200F) || c == 0x2060 ||
           c == 0xFEFF;
}

// The dashes that part two teams when a blank stands on each side: hyphen, en dash, em dash and
// minus sign (pages write "Arsenal – Chelsea" as often as " - ").
inline bool isDash(QChar ch) {
    return ch == u'-' || ch == QChar(0x2013) || ch == QChar(0x2014) || ch == QChar(0x2212);
}

// The text without the blanks at both ends. Only blanks: a tab is part of the text, as the
// program's line rules have it.
inline QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// Where an event line parts its teams at a dash with a blank on each side ("Arsenal – Chelsea"):
// the dash's index, or -1.
inline qsizetype spacedDashAt(QStringView line) {
    for (qsizetype at = 1; at + 1 < line.size(); ++at) {
        if (isDash(line.at(at)) && line.at(at - 1) == u' ' && line.at(at + 1) == u' ') return at;
    }
    return -1;
}

// A letter that a line as the program compares it keeps as it is.
inline bool isPlain(QChar ch) {
    return !isInvisibleMark(ch) && (ch == u' ' || !isBlank(ch));
}

// A line as the program compares it: every blank the plain blank, invisible marks dropped.
inline QString plainLine(QStringView line) {
    QString plain;
    plain.reserve(line.size());
    for (const QChar ch : line) {
        if (isInvisibleMark(ch)) continue;
        plain += isBlank(ch) ? QChar(u' ') : ch;
    }
    return plain;
}

// The same for a line that is most often plain already, and then shared rather than copied.
inline QString plainLine(const QString& line) {
    for (const QChar ch : line) {
        if (!isPlain(ch)) return plainLine(QStringView(line));
    }
    return line;
}

// What a line walk makes of a tab: one plain blank, or a tab kept for a reader of table rows.
enum class Tabs { AsBlank, Keep };

// The view without the blanks at both ends.
inline QStringView blanksTrimmed(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Walks pasted or typed text line by line: a carriage return ends a line, a line feed is noise,
// a tab or any blank becomes one plain blank, invisible marks are dropped. `take` receives every
// line with its blanks at both ends removed, and whether a carriage return ended it (the last
// line of a text without a final line end is not).
template <typename Take>
void forEachLine(QStringView text, Take&& take, Tabs tabs = Tabs::AsBlank) {
    const auto changes = [tabs](QChar ch) {
        return ch == u'\n' || (ch == u'\t' && tabs == Tabs::AsBlank) || !isPlain(ch);
    };
    qsizetype start = 0;
    for (;;) {
        // Most lines hold nothing to change and are taken in one piece; a pasted offer of
        // hundreds of thousands of lines is walked without building each line letter by letter.
        while (start < text.size() && text[start] == u'\n')
            ++start;  // the line feed of a CR LF pair
        qsizetype end = start;
        bool plain = true;
        for (; end < text.size() && text[end] != u'\r'; ++end)
            plain = plain && !changes(text[end]);
        const bool ended = end < text.size();
        const QStringView line = text.sliced(start, end - start);
        if (plain) {
            take(blanksTrimmed(line).toString(), ended);
        } else {
            QString buffer;
            buffer.reserve(line.size());
            for (const QChar ch : line) {
                if (ch == u'\t' && tabs == Tabs::Keep)
                    buffer += ch;
                else if (ch == u'\t' || isBlank(ch))
                    buffer += u' ';
                else if (ch != u'\n' && !isInvisibleMark(ch))
                    buffer += ch;
            }
            take(blanksTrimmed(buffer).toString(), ended);
        }
        if (!ended) return;
        start = end + 1;
    }
}

}  // namespace kombinator
