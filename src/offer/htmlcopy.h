// A browser's HTML copy of a page, read as the lines a sighted user sees: the text of each block
// on a line of its own, a table row's cells parted by tabs, and the text of two elements that the
// page sets side by side with nothing between them parted too. Text the page hides from the eye
// (display: none, visibility: hidden, the hidden attribute, the visually hidden labels meant for
// screen readers) is not read, and neither is struck-through text (an old price beside the new
// one). The slip reader then reads these lines as it reads a copy's text.
#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

namespace kombinator {

// Elements nested deeper than this are no page a browser copies (Chromium's own parser stops at
// 512): such an HTML is not read, and neither is one larger than kMaxClipboardHtml.
inline constexpr int kMaxHtmlDepth = 512;

// The lines of `html`, or nullopt when it is too large or too deeply nested to be read.
std::optional<QStringList> linesOfHtml(QStringView html);
// Whether `html` is small enough and nested shallowly enough to be read.
bool htmlWithinBounds(QStringView html);

// True when `text` is an HTML document or fragment rather than a copy's text: it begins, after
// blanks, with a tag, a comment or a document type.
bool looksLikeHtml(QStringView text);

}  // namespace kombinator
