// The HTML copy is parsed by gumbo, an HTML5 parser, as a browser parses it, and walked once.
// What the browser tells about each element comes from three places: the element itself (<del>,
// <td>, the hidden attribute), its style attribute (Chromium writes the computed style of every
// element there) and the page's own style sheet where the copy carries one (a saved page); a
// copy without either (Firefox writes the page's markup with its class names alone) still names
// the usual classes of visually hidden labels.
#include "offer/htmlcopy.h"

#include <gumbo.h>

#include <QHash>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <memory>
#include <optional>

#include "offer/slipparts.h"
#include "platform/platform.h"

namespace kombinator {

namespace {

// Class names that the common style sheets (Bootstrap, WordPress, the HTML5 boilerplate) give to
// labels meant for screen readers alone, and to elements they hide.
constexpr QStringView kHiddenClasses[] = {
    u"sr-only",           u"visually-hidden", u"visuallyhidden", u"screen-reader-text", u"a11y-hidden",
    u"u-visually-hidden", u"hidden",          u"d-none",         u"is-hidden"};

// Elements whose content is never shown as text on the page.
constexpr GumboTag kUnseen[] = {GUMBO_TAG_HEAD,     GUMBO_TAG_SCRIPT,   GUMBO_TAG_STYLE,  GUMBO_TAG_NOSCRIPT,
                                GUMBO_TAG_TEMPLATE, GUMBO_TAG_TITLE,    GUMBO_TAG_SVG,    GUMBO_TAG_MATH,
                                GUMBO_TAG_IFRAME,   GUMBO_TAG_OBJECT,   GUMBO_TAG_CANVAS, GUMBO_TAG_SELECT,
                                GUMBO_TAG_INPUT,    GUMBO_TAG_TEXTAREA, GUMBO_TAG_IMG};

// Elements a browser lays out as blocks of their own unless a style says otherwise.
constexpr GumboTag kBlocks[] = {
    GUMBO_TAG_DIV,     GUMBO_TAG_P,       GUMBO_TAG_LI,         GUMBO_TAG_UL,      GUMBO_TAG_OL,
    GUMBO_TAG_DL,      GUMBO_TAG_DT,      GUMBO_TAG_DD,         GUMBO_TAG_H1,      GUMBO_TAG_H2,
    GUMBO_TAG_H3,      GUMBO_TAG_H4,      GUMBO_TAG_H5,         GUMBO_TAG_H6,      GUMBO_TAG_SECTION,
    GUMBO_TAG_ARTICLE, GUMBO_TAG_HEADER,  GUMBO_TAG_FOOTER,     GUMBO_TAG_NAV,     GUMBO_TAG_ASIDE,
    GUMBO_TAG_MAIN,    GUMBO_TAG_FORM,    GUMBO_TAG_FIELDSET,   GUMBO_TAG_ADDRESS, GUMBO_TAG_BLOCKQUOTE,
    GUMBO_TAG_PRE,     GUMBO_TAG_FIGURE,  GUMBO_TAG_FIGCAPTION, GUMBO_TAG_DETAILS, GUMBO_TAG_SUMMARY,
    GUMBO_TAG_TABLE,   GUMBO_TAG_CAPTION, GUMBO_TAG_HR,         GUMBO_TAG_BODY,    GUMBO_TAG_LEGEND};

constexpr GumboTag kStruck[] = {GUMBO_TAG_DEL, GUMBO_TAG_S, GUMBO_TAG_STRIKE};

// Elements that only dress up the words they hold: text on either side of them runs on.
constexpr GumboTag kWordDress[] = {GUMBO_TAG_B,    GUMBO_TAG_STRONG, GUMBO_TAG_I,    GUMBO_TAG_EM,
                                   GUMBO_TAG_U,    GUMBO_TAG_SMALL,  GUMBO_TAG_BIG,  GUMBO_TAG_SUP,
                                   GUMBO_TAG_SUB,  GUMBO_TAG_MARK,   GUMBO_TAG_ABBR, GUMBO_TAG_FONT,
                                   GUMBO_TAG_CODE, GUMBO_TAG_TT,     GUMBO_TAG_WBR};

template <typename Table>
bool among(const Table& table, GumboTag tag) {
    return std::find(std::begin(table), std::end(table), tag) != std::end(table);
}

enum class Display { Unset, Inline, Block, Row, Cell, None };

// What a style (an element's attribute, or a rule of the page's sheet) tells the reader.
struct Look {
    Display display = Display::Unset;
    bool hidden = false;  // not seen: visibility, or a visually hidden label's clip or offset
    bool struck = false;
    bool arranges = false;  // a flex or grid container: its children stand apart

    void add(const Look& other) {
        if (other.display != Display::Unset) display = other.display;
        hidden = hidden || other.hidden;
        struck = struck || other.struck;
        arranges = arranges || other.arranges;
    }
};

Display displayOf(QStringView value, bool* arranges) {
    if (value == u"none") return Display::None;
    if (value.contains(u"flex") || value.contains(u"grid")) {
        *arranges = true;
        return value.startsWith(u"inline") ? Display::Inline : Display::Block;
    }
    if (value == u"table-cell") return Display::Cell;
    if (value == u"table-row") return Display::Row;
    if (value.startsWith(u"inline") || value == u"contents") return Display::Inline;
    return Display::Block;  // block, list-item, table, flow-root and the rest
}

// A length far off the screen: "-9999px", "-10000em".
bool offScreen(QStringView value) {
    bool ok = false;
    QStringView number = value;
    while (!number.isEmpty() && !number.back().isDigit())
        number.chop(1);
    const double length = number.toDouble(&ok);
    return ok && length <= -999;
}

// The declarations of one style: "display: none; clip: rect(0 0 0 0)".
Look lookOf(QStringView declarations) {
    Look look;
    bool tiny = false;
    bool clipped = false;
    for (QStringView declaration : declarations.split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0) continue;
        const QString name = declaration.left(colon).trimmed().toString().toLower();
        QString value = declaration.mid(colon + 1).trimmed().toString().toLower();
        value.remove(QStringLiteral("!important"));
        value = value.trimmed();
        if (name == u"display") look.display = displayOf(value, &look.arranges);
        if (name == u"visibility") look.hidden = look.hidden || value == u"hidden" || value == u"collapse";
        if (name.startsWith(u"text-decoration") && value.contains(u"line-through")) look.struck = true;
        if (name == u"clip") clipped = clipped || value.startsWith(u"rect(");
        if (name == u"clip-path") clipped = clipped || value.startsWith(u"inset(50%");
        if ((name == u"width" || name == u"height") && (value == u"1px" || value == u"0" || value == u"0px"))
            tiny = true;
        if ((name == u"left" || name == u"top" || name == u"text-indent") && offScreen(value))
            look.hidden = true;
    }
    // The visually hidden pattern: a box of a pixel or none, or clipped away.
    look.hidden = look.hidden || clipped || (tiny && declarations.contains(u"overflow"));
    return look;
}

// The rules of the page's style sheet that name one class: ".odds-old { text-decoration: ... }".
using ClassLooks = QHash<QString, Look>;

void addSheet(QStringView sheet, ClassLooks& looks) {
    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    static const QRegularExpression oneClass(QStringLiteral("^\\s*\\.([A-Za-z0-9_-]+)\\s*$"));
    for (const QRegularExpressionMatch& match : rule.globalMatch(sheet)) {
        const Look look = lookOf(match.capturedView(2));
        for (QStringView selector : match.capturedView(1).split(u',')) {
            const QRegularExpressionMatch name = oneClass.match(selector);
            if (name.hasMatch()) looks[name.captured(1)].add(look);
        }
    }
}

QString attributeText(const GumboElement& element, const char* name) {
    const GumboAttribute* found = gumbo_get_attribute(&element.attributes, name);
    return found ? QString::fromUtf8(found->value) : QString();
}

void collectSheets(const GumboNode* node, ClassLooks& looks, int depth) {
    if (node->type != GUMBO_NODE_ELEMENT || depth > kMaxHtmlDepth + 8) return;
    const GumboElement& element = node->v.element;
    for (unsigned i = 0; i < element.children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
        if (element.tag == GUMBO_TAG_STYLE && child->type == GUMBO_NODE_TEXT)
            addSheet(QString::fromUtf8(child->v.text.text), looks);
        else
            collectSheets(child, looks, depth + 1);
    }
}

// Every look an element has: its tag's, its classes' and its own style's, in that order.
Look lookOfElement(const GumboElement& element, const ClassLooks& sheet) {
    Look look;
    if (among(kBlocks, element.tag)) look.display = Display::Block;
    if (element.tag == GUMBO_TAG_TR) look.display = Display::Row;
    if (element.tag == GUMBO_TAG_TD || element.tag == GUMBO_TAG_TH) look.display = Display::Cell;
    look.struck = among(kStruck, element.tag);
    if (gumbo_get_attribute(&element.attributes, "hidden")) look.hidden = true;
    const QString classes = attributeText(element, "class");  // the names below are views into it
    for (QStringView name : QStringView(classes).split(u' ', Qt::SkipEmptyParts)) {
        for (QStringView hidden : kHiddenClasses)
            look.hidden = look.hidden || name.compare(hidden, Qt::CaseInsensitive) == 0;
        const auto rule = sheet.constFind(name.toString());
        if (rule != sheet.cend()) look.add(*rule);
    }
    look.add(lookOf(attributeText(element, "style")));
    return look;
}

// Whether `element` holds elements alone, at least two and not all of them words dressed up,
// with nothing but white space between them.
bool holdsElementsAlone(const GumboElement& element) {
    int elements = 0;
    int dressed = 0;
    for (unsigned i = 0; i < element.children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT) {
            ++elements;
            if (among(kWordDress, child->v.element.tag)) ++dressed;
        } else if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_CDATA) {
            return false;
        }
    }
    return elements >= 2 && dressed < elements;
}

// One of a list of records: the legs of a slip, each an element of the same tag and classes as
// a sibling's, holding its pieces (the event, the pick, the price) as elements of their own.
// The page lays the pieces out apart, as a flex or grid container does, even where the copy
// carries no style to say so (Firefox's HTML keeps the class names alone).
bool isRecord(const GumboNode* node) {
    const GumboElement& element = node->v.element;
    if (element.tag == GUMBO_TAG_TR || element.tag == GUMBO_TAG_TD || element.tag == GUMBO_TAG_TH ||
        !holdsElementsAlone(element) || !node->parent || node->parent->type != GUMBO_NODE_ELEMENT)
        return false;
    const GumboAttribute* classes = gumbo_get_attribute(&element.attributes, "class");
    const GumboVector& siblings = node->parent->v.element.children;
    for (unsigned i = 0; i < siblings.length; ++i) {
        const auto* sibling = static_cast<const GumboNode*>(siblings.data[i]);
        if (sibling == node || sibling->type != GUMBO_NODE_ELEMENT || sibling->v.element.tag != element.tag ||
            !holdsElementsAlone(sibling->v.element))
            continue;
        const GumboAttribute* theirs = gumbo_get_attribute(&sibling->v.element.attributes, "class");
        if ((!classes && !theirs) || (classes && theirs && qstrcmp(classes->value, theirs->value) == 0))
            return true;
    }
    return false;
}

// The text of a small element: false, and text left unfinished, once it has more than `nodes`
// nodes or `most` characters. Enough to tell a short notice without walking a large subtree.
bool gatherText(const GumboNode* node, QString& text, int& nodes, qsizetype most) {
    if (--nodes < 0 || text.size() > most) return false;
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE) {
        text += QString::fromUtf8(node->v.text.text) + u' ';
    } else if (node->type == GUMBO_NODE_ELEMENT) {
        for (unsigned i = 0; i < node->v.element.children.length; ++i) {
            if (!gatherText(static_cast<const GumboNode*>(node->v.element.children.data[i]), text, nodes,
                            most))
                return false;
        }
    }
    return text.size() <= most;
}

// The tag of the legs among an element's children (the records of a list of them), if it has any.
std::optional<GumboTag> legsTag(const GumboNode* parent) {
    const GumboVector& children = parent->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && isRecord(child)) return child->v.element.tag;
    }
    return std::nullopt;
}

// The lines as they are made: the text of the line in hand, and a table row's cells.
class LineMaker {
public:
    explicit LineMaker(const ClassLooks& sheet) : sheet_(sheet) {}

    QStringList take() {
        endLine();
        return std::move(lines_);
    }

    void walk(const GumboNode* node, bool inArranged);

private:
    void text(QStringView text);
    void element(const GumboNode* node, bool inArranged);
    bool noticeInLegsPlace(const GumboNode* node);

    // A block ends the line in hand; inside a table's cell it only parts words.
    void blockEdge() {
        if (inCell_) {
            space_ = !piece_.isEmpty();
        } else {
            endLine();
        }
    }

    void endLine() {
        if (!piece_.isEmpty() && !row_.isEmpty()) endCell();
        if (!row_.isEmpty()) {
            QString line = row_.join(u'\t');
            if (!line.trimmed().isEmpty()) lines_.append(std::move(line));
            row_.clear();
        } else if (!piece_.isEmpty()) {
            lines_.append(piece_);
        }
        piece_.clear();
        space_ = false;
        edge_ = false;
    }

    void endCell() {
        row_.append(piece_);
        piece_.clear();
        space_ = false;
        edge_ = false;
    }

    const ClassLooks& sheet_;
    QHash<const GumboNode*, std::optional<GumboTag>> legsTags_;  // by parent, each found once
    QStringList lines_;
    QStringList row_;     // the cells of the table row in hand, once it has one
    QString piece_;       // the text of the line (or cell) in hand, without blanks at its ends
    bool space_ = false;  // white space was met since the last text
    bool edge_ = false;   // an element ended or began since the last text
    bool inCell_ = false;
    bool inRow_ = false;
};

// A notice that a tip was taken off, standing in the list of legs in the place of one: an element
// like the legs beside it that holds the notice alone, no price. The tip's own lines are gone
// from the page, and the legs around the notice are the slip. (A notice inside a leg's element,
// beside its event and price, stays: that leg is on the page, taken off.) Whether an element's
// siblings are legs is found once for their parent.
bool LineMaker::noticeInLegsPlace(const GumboNode* node) {
    const GumboNode* parent = node->parent;
    if (!parent || parent->type != GUMBO_NODE_ELEMENT) return false;
    auto legs = legsTags_.constFind(parent);
    if (legs == legsTags_.cend()) legs = legsTags_.insert(parent, legsTag(parent));
    if (*legs != node->v.element.tag) return false;
    QString text;
    int nodes = 16;
    return gatherText(node, text, nodes, 120) &&
           std::none_of(text.cbegin(), text.cend(), slip::isAsciiDigit) && slip::isRemovalNotice(text) &&
           !isRecord(node);
}

void LineMaker::text(QStringView text) {
    for (const QChar ch : text) {
        if (ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u'\f') {
            space_ = true;
            continue;
        }
        if (!piece_.isEmpty() && space_) {
            piece_ += u' ';
        } else if (!piece_.isEmpty() && edge_) {
            // Two elements side by side with nothing between them: a label keeps its value on
            // its line ("Tipp:" "1"), a cell its words; any other two stand apart, as the page
            // shows them ("Arsenal v Chelsea" "1.85").
            if (piece_.endsWith(u':') || inCell_)
                piece_ += u' ';
            else
                endLine();
        }
        space_ = false;
        edge_ = false;
        piece_ += ch;
    }
}

void LineMaker::element(const GumboNode* node, bool inArranged) {
    const GumboElement& element = node->v.element;
    if (among(kUnseen, element.tag)) return;
    if (element.tag == GUMBO_TAG_BR) return blockEdge();
    Look look = lookOfElement(element, sheet_);
    look.arranges = look.arranges || isRecord(node);
    if (look.hidden || look.struck || look.display == Display::None || noticeInLegsPlace(node)) return;
    // The children of a flex or grid container are laid out as blocks of their own.
    if (inArranged && look.display != Display::Cell && look.display != Display::Row)
        look.display = Display::Block;
    // A table inside a cell stays in its cell; a cell outside a row is a block.
    if (inCell_ && (look.display == Display::Row || look.display == Display::Cell))
        look.display = Display::Block;
    if (!inRow_ && look.display == Display::Cell) look.display = Display::Block;
    const bool row = look.display == Display::Row;
    const bool cell = look.display == Display::Cell;
    const bool block = look.display == Display::Block;
    const bool edge = !among(kWordDress, element.tag);
    if (row) endLine();
    if (block) blockEdge();
    const bool wasRow = inRow_;
    const bool wasCell = inCell_;
    inRow_ = inRow_ || row;
    inCell_ = inCell_ || cell;
    edge_ = edge_ || edge;
    for (unsigned i = 0; i < element.children.length; ++i)
        walk(static_cast<const GumboNode*>(element.children.data[i]), look.arranges);
    edge_ = edge_ || edge;
    inCell_ = wasCell;
    inRow_ = wasRow;
    if (cell) endCell();
    if (row) endLine();
    if (block) blockEdge();
}

void LineMaker::walk(const GumboNode* node, bool inArranged) {
    switch (node->type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
        case GUMBO_NODE_CDATA:
            return text(QString::fromUtf8(node->v.text.text));
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            return element(node, inArranged);
        case GUMBO_NODE_DOCUMENT:
            for (unsigned i = 0; i < node->v.document.children.length; ++i)
                walk(static_cast<const GumboNode*>(node->v.document.children.data[i]), false);
            return;
        default:
            return;  // comments
    }
}

bool isVoid(QStringView name) {
    static constexpr QStringView kVoid[] = {u"area",  u"base",   u"br",    u"col",  u"embed",
                                            u"hr",    u"img",    u"input", u"link", u"meta",
                                            u"param", u"source", u"track", u"wbr"};
    for (QStringView tag : kVoid) {
        if (name.compare(tag, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The deepest nesting the HTML's tags could build: every start tag that is neither void nor
// closed by itself opens one more level, every end tag closes one. The parser builds no deeper
// tree than this, so a bound here bounds its work and the walk's.
int deepestNesting(QStringView html) {
    int depth = 0;
    int deepest = 0;
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (html.at(i) != u'<' || i + 1 >= n) continue;
        const QChar next = html.at(i + 1);
        const qsizetype close = html.indexOf(u'>', i + 1);
        if (close < 0) break;
        if (next == u'/') {
            depth = std::max(0, depth - 1);
        } else if (next.isLetter()) {
            qsizetype end = i + 1;
            while (end < close && (html.at(end).isLetterOrNumber() || html.at(end) == u'-'))
                ++end;
            if (!isVoid(html.sliced(i + 1, end - i - 1)) && html.at(close - 1) != u'/') {
                deepest = std::max(deepest, ++depth);
                if (deepest > kMaxHtmlDepth) return deepest;
            }
        }
        i = close;
    }
    return deepest;
}

}  // namespace

std::optional<QStringList> linesOfHtml(QStringView html) {
    if (!htmlWithinBounds(html)) return std::nullopt;
    const QByteArray utf8 = html.toUtf8();
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;  // the parse errors of a page are of no use here
    const auto destroy = [&options](GumboOutput* output) { gumbo_destroy_output(&options, output); };
    const std::unique_ptr<GumboOutput, decltype(destroy)> output(
        gumbo_parse_with_options(&options, utf8.constData(), static_cast<size_t>(utf8.size())), destroy);
    if (!output) return std::nullopt;
    ClassLooks sheet;
    collectSheets(output->root, sheet, 0);
    LineMaker maker(sheet);
    maker.walk(output->document, false);
    return maker.take();
}

bool htmlWithinBounds(QStringView html) {
    return html.size() <= kMaxClipboardHtml && deepestNesting(html) <= kMaxHtmlDepth;
}

bool looksLikeHtml(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i).isSpace() || text.at(i) == QChar(0xFEFF)))
        ++i;
    if (i + 1 >= text.size() || text.at(i) != u'<') return false;
    const QChar next = text.at(i + 1);
    return (next == u'!' || next.isLetter()) && text.indexOf(u'>', i) > i;
}

}  // namespace kombinator
