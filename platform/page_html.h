#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tornavel {

// A web page is laid out by Qt's text view, whose work grows with the page's structure,
// not only with its length. What Qt's HTML reader builds, or its layout places one at a
// time, in proportion to the structure is bounded here, before Qt reads the page: elements open within one another
// (some thousands overflow the stack), lists (a list is sorted again at each of its
// items), the grids of table cells (built whole from their largest row), pictures (each
// may float, and floats are placed one by one) and style sheets. What passes these
// limits is dropped (the tag only: its text stays, in the element around it), and an
// ordinary page passes unchanged in what it shows. Tables are bounded once Qt has read
// the page (see PageDocument): its reader does not nest them as the text seems to say.
struct PageLimits {
    static constexpr int kDepth = 32;         // elements open within one another
    static constexpr int kListDepth = 6;      // lists within lists
    static constexpr int kElements = 4096;    // tags of the whole page (line breaks apart)
    static constexpr int kImages = 128;
    static constexpr int kListItems = 256;    // items of one list
    static constexpr int kTableColumns = 64;  // columns of one table, spans counted
    static constexpr int kTableCells = 1024;  // cells of the grids of all the tables
    static constexpr int kStyleLength = 2048; // characters of style sheets
    static constexpr int kStyleRules = 64;
    // Each rule of a style sheet is tried on each element and the levels above it: past
    // this many tries, rules are dropped from the end.
    static constexpr qint64 kStyleWork = 1'000'000;
};

// The beginning of an HTML page, `maxLength` characters of its source, written again so
// that a text view lays it out in bounded time: its structure within PageLimits, every
// element closed, markup that a view could read otherwise than here (comments, scripts,
// a "<" that opens no tag, a bare "&") removed or escaped, and runs of letters given break
// points (see TextBounder). Magnitudes (sizes, margins, paddings) are left to the view,
// which bounds them once it has read them.
QString BoundedHtml(QStringView html, qsizetype maxLength);

// The beginning of a downloaded HTML page a window shows: decoded by the charset it
// declares (UTF-8 when it declares none), then bounded (see BoundedHtml) to this many
// characters of source. Only the beginning of the body is decoded.
inline constexpr qsizetype kMaxShownPageLength = 64 * 1024;
QString PageHtmlForView(const QByteArray& body);

} // namespace tornavel
