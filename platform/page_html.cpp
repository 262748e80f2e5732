#include "platform/page_html.h"

#include "platform/bounded_text.h"
#include "platform/html_tag.h"

#include <QStringDecoder>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <vector>

namespace tornavel {

namespace {

using Names = std::initializer_list<QStringView>;

bool IsOneOf(QStringView name, Names names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements without contents that the view knows as such.
bool IsVoid(QStringView name)
{
    return IsOneOf(name, {u"br", u"hr", u"img", u"meta"});
}

// Elements without contents that the view would take as containers, or that name
// things to load: they show nothing, so they are not written.
bool IsLeftOut(QStringView name)
{
    return IsOneOf(name, {u"area", u"base", u"basefont", u"bgsound", u"col", u"embed", u"frame", u"input",
                          u"keygen", u"link", u"param", u"source", u"track", u"wbr"});
}

bool IsInline(QStringView name)
{
    return IsOneOf(name, {u"a", u"abbr", u"acronym", u"b", u"big", u"cite", u"code", u"del", u"dfn", u"em", u"font",
                          u"i", u"ins", u"kbd", u"label", u"mark", u"nobr", u"q", u"s", u"samp", u"small", u"span",
                          u"strike", u"strong", u"sub", u"sup", u"tt", u"u", u"var"});
}

bool IsList(QStringView name)
{
    return name == u"ul" || name == u"ol";
}

// Writes a page again within PageLimits, keeping its own list of open elements so that
// each element it writes is closed where it decides, whatever the view would guess.
class PageWriter {
public:
    explicit PageWriter(int styleRules) : rulesLeft_(styleRules) {}

    // Elements the view will make, each counted once for each level it is at.
    qint64 Nodes() const { return nodes_; }
    qint64 StyleWork() const { return rules_ * nodes_; }

    QString Write(QStringView source)
    {
        out_.reserve(source.size() + source.size() / 8);
        qsizetype i = 0;
        while (i < source.size()) {
            if (source[i] == u'<' && StartsHtmlTag(source, i)) {
                const qsizetype end = EndOfHtmlMarkup(source, i);
                const HtmlTag tag = ReadHtmlTag(source.mid(i, end - i));
                i = end;
                if (tag.name.isEmpty())
                    continue; // comments, declarations, processing instructions
                if (tag.closing)
                    CloseTag(tag.name);
                else if (tag.name == u"script" || tag.name == u"style")
                    i = RawText(tag.name, source, i);
                else
                    OpenTag(tag);
            } else if (source[i] == u'<') {
                QString piece = text_.Add(source.mid(i, 1));
                piece.chop(1);
                out_ += piece + QLatin1String("&lt;");
                ++i;
            } else if (source[i] == u'&') {
                // A reference is one character of the text, never broken inside.
                out_ += text_.Add(source.mid(i, 1));
                const qsizetype end = EndOfHtmlReference(source, i);
                if (end == i) {
                    out_ += u"amp;";
                    ++i;
                } else {
                    out_ += source.mid(i + 1, end - i - 1);
                    i = end;
                }
            } else {
                qsizetype end = i + 1;
                while (end < source.size() && source[end] != u'<' && source[end] != u'&')
                    ++end;
                out_ += text_.Add(source.mid(i, end - i));
                i = end;
            }
        }
        PopTo(0);
        return out_;
    }

private:
    struct Open {
        QString name;
        bool kept = false;
        int depth = 0;  // elements written, this one included
        int table = -1; // the grid a table, row or section belongs to
        int items = 0;  // of a list
    };
    struct Grid {
        int rows = 0;
        int columns = 0;
        int column = 0;         // of the next cell in the row
        std::vector<int> spans; // rows still taken in each column by a cell above
    };
    // Tags deeper than this are not followed any more: their end tags close nothing.
    static constexpr size_t kMaxFollowed = 4 * PageLimits::kDepth;

    int Depth() const { return open_.empty() ? 0 : open_.back().depth; }
    int DepthAt(int index) const { return index < 0 ? 0 : open_[index].depth; }

    // The innermost open element among `names`, below `below`; -1 when none.
    int Nearest(Names names, int below = std::numeric_limits<int>::max()) const
    {
        for (int k = std::min<int>(below, static_cast<int>(open_.size())) - 1; k >= 0; --k) {
            if (IsOneOf(open_[k].name, names))
                return k;
        }
        return -1;
    }

    // Closes the elements open above the first `size`.
    void PopTo(int size)
    {
        while (static_cast<int>(open_.size()) > size) {
            const Open& top = open_.back();
            if (top.kept) {
                out_ += QLatin1String("</") + top.name + u'>';
                nodes_ += top.depth;
                if (IsList(top.name))
                    --listDepth_;
            }
            open_.pop_back();
        }
    }

    void CloseTag(const QString& name)
    {
        for (int k = static_cast<int>(open_.size()) - 1; k >= 0; --k) {
            if (open_[k].name == name) {
                PopTo(k);
                return;
            }
        }
    }

    // A tag that is not written; its end tag is still matched. One of the elements that
    // end their predecessor (cells, rows, items, paragraphs) ends a dropped one too, so
    // that dropped siblings do not pile up.
    void Drop(const HtmlTag& tag)
    {
        if (tag.selfClosing)
            return;
        if (IsOneOf(tag.name, {u"td", u"th", u"tr", u"li", u"dd", u"dt", u"p", u"thead", u"tbody", u"tfoot", u"caption"})) {
            const int same = Nearest({tag.name});
            if (same >= 0 && !open_[same].kept)
                PopTo(same);
        }
        open_.push_back(Open{tag.name, false, Depth()});
    }

    void WriteTag(const HtmlTag& tag)
    {
        nodes_ += Depth() + 1;
        out_ += u'<' + tag.name;
        for (const HtmlAttribute& a : tag.attributes) {
            out_ += u' ' + a.name;
            if (a.hasValue)
                out_ += QLatin1String("=\"") + EscapedHtml(a.value) + u'"';
        }
        out_ += u'>';
    }

    // The levels an element needs below the depth limit: a table or a row is written only
    // with room for a cell in it, as the view drops text that stands outside any cell.
    static int Room(QStringView name)
    {
        if (name == u"tr")
            return 2;
        return IsOneOf(name, {u"table", u"thead", u"tbody", u"tfoot"}) ? 3 : 1;
    }

    // Writes the tag as a child of the open element `parent`, closing all those open
    // above it first, when the limits allow it.
    bool Write(const HtmlTag& tag, int parent, int table = -1)
    {
        if (DepthAt(parent) + Room(tag.name) > PageLimits::kDepth || elements_ >= PageLimits::kElements)
            return false;
        PopTo(parent + 1);
        ++elements_;
        WriteTag(tag);
        if (tag.selfClosing) {
            out_ += QLatin1String("</") + tag.name + u'>';
            return true;
        }
        open_.push_back(Open{tag.name, true, Depth() + 1, table});
        if (IsList(tag.name))
            ++listDepth_;
        return true;
    }

    void OpenTag(const HtmlTag& tag)
    {
        const QString& name = tag.name;
        if (IsLeftOut(name))
            return;
        if (IsVoid(name)) {
            if (name == u"br") {
                nodes_ += Depth() + 1;
                out_ += u"<br>";
            } else if (elements_ < PageLimits::kElements && (name != u"img" || images_ < PageLimits::kImages)) {
                ++elements_;
                images_ += name == u"img";
                WriteTag(tag);
            }
            return;
        }
        if (open_.size() >= kMaxFollowed)
            return;
        const int top = static_cast<int>(open_.size()) - 1;
        bool written = false;
        if (name == u"td" || name == u"th") {
            written = Cell(tag);
        } else if (name == u"tr") {
            const int section = Nearest({u"table", u"thead", u"tbody", u"tfoot"});
            written = section >= 0 && open_[section].kept && Row(tag, section);
        } else if (IsOneOf(name, {u"thead", u"tbody", u"tfoot", u"caption"})) {
            const int table = Nearest({u"table"});
            written = table >= 0 && open_[table].kept && Write(tag, table, open_[table].table);
        } else if (name == u"table") {
            tables_.emplace_back();
            written = Write(tag, top, static_cast<int>(tables_.size()) - 1);
        } else if (IsList(name)) {
            written = listDepth_ < PageLimits::kListDepth && Write(tag, top);
        } else if (name == u"li") {
            written = Item(tag);
        } else if (name == u"dd" || name == u"dt") {
            const int at = Nearest({u"dd", u"dt", u"dl"});
            written = Write(tag, at >= 0 && open_[at].name != u"dl" ? at - 1 : top);
        } else if (name == u"p") {
            // A paragraph ends the one it is in, with the inline elements open in it.
            int at = top;
            while (at >= 0 && IsInline(open_[at].name))
                --at;
            written = Write(tag, at >= 0 && open_[at].name == u"p" ? at - 1 : top);
        } else {
            written = Write(tag, top);
        }
        if (!written)
            Drop(tag);
    }

    // A row of the table or section open at `section`, when the grid can take it.
    bool Row(const HtmlTag& tag, int section)
    {
        const int table = open_[section].table;
        if (tables_[table].columns > cellsLeft_ || !Write(tag, section, table))
            return false;
        Grid& grid = tables_[table];
        cellsLeft_ -= grid.columns;
        ++grid.rows;
        grid.column = 0;
        for (int& span : grid.spans)
            span = std::max(0, span - 1);
        return true;
    }

    // A cell of the row open (a row is opened for it in a table without one), when its
    // place in the grid is within the limits; its spans are cut to them.
    bool Cell(HtmlTag tag)
    {
        int row = Nearest({u"tr", u"table", u"thead", u"tbody", u"tfoot"});
        if (row < 0 || !open_[row].kept)
            return false;
        if (open_[row].name != u"tr") {
            HtmlTag tr;
            tr.name = QStringLiteral("tr");
            if (!Row(tr, row))
                return false;
            row = static_cast<int>(open_.size()) - 1;
        }
        const int table = open_[row].table;
        const Grid& grid = tables_[table];
        // The cell goes past the cells of the rows above that span down into this one.
        int column = grid.column;
        while (column < static_cast<int>(grid.spans.size()) && grid.spans[column] > 0)
            ++column;
        if (column >= PageLimits::kTableColumns)
            return false;
        const int columnSpan = std::clamp(tag.Number(u"colspan", 1), 1, PageLimits::kTableColumns - column);
        const int rowSpan = std::clamp(tag.Number(u"rowspan", 1), 1, PageLimits::kTableColumns);
        const int columns = std::max(grid.columns, column + columnSpan);
        const int cells = grid.rows * (columns - grid.columns);
        if (cells > cellsLeft_)
            return false;
        if (tag.Number(u"colspan", 1) != columnSpan)
            tag.SetNumber(u"colspan", columnSpan);
        if (tag.Number(u"rowspan", 1) != rowSpan)
            tag.SetNumber(u"rowspan", rowSpan);
        if (!Write(tag, row, table))
            return false;
        Grid& placed = tables_[table];
        cellsLeft_ -= cells;
        placed.columns = columns;
        placed.spans.resize(std::max<size_t>(placed.spans.size(), columns), 0);
        // Read from the next row on: the cells of this one lie before `column`.
        for (int c = column; c < column + columnSpan; ++c)
            placed.spans[c] = rowSpan;
        placed.column = column + columnSpan;
        return true;
    }

    bool Item(const HtmlTag& tag)
    {
        const int at = Nearest({u"li", u"ul", u"ol"});
        const bool inItem = at >= 0 && open_[at].name == u"li";
        const int list = inItem ? Nearest({u"ul", u"ol"}, at) : at;
        if (list >= 0 && (!open_[list].kept || open_[list].items >= PageLimits::kListItems))
            return false;
        if (!Write(tag, inItem ? at - 1 : static_cast<int>(open_.size()) - 1))
            return false;
        if (list >= 0)
            ++open_[list].items;
        return true;
    }

    // The contents of a script (not shown: dropped) or a style sheet (kept within its
    // limits); returns where the text goes on after its end tag.
    qsizetype RawText(const QString& name, QStringView source, qsizetype start)
    {
        const QString endTag = QLatin1String("</") + name;
        qsizetype close = source.indexOf(endTag, start, Qt::CaseInsensitive);
        if (close < 0)
            close = source.size();
        if (name == u"style") {
            // The sheet is cut after the last whole rule that the limits allow.
            const QStringView sheet = source.mid(start, close - start).left(styleLeft_);
            qsizetype end = 0;
            for (qsizetype k = 0; k < sheet.size() && rulesLeft_ > 0; ++k) {
                if (sheet[k] == u'}') {
                    end = k + 1;
                    --rulesLeft_;
                    ++rules_;
                }
            }
            if (end > 0) {
                styleLeft_ -= end;
                out_ += QLatin1String("<style>") + EscapedHtml(sheet.left(end)) + QLatin1String("</style>");
            }
        }
        return close < source.size() ? EndOfHtmlMarkup(source, close) : close;
    }

    QString out_;
    TextBounder text_{std::numeric_limits<qsizetype>::max()};
    std::vector<Open> open_;
    std::vector<Grid> tables_;
    int listDepth_ = 0;
    int elements_ = 0;
    int images_ = 0;
    int cellsLeft_ = PageLimits::kTableCells;
    qsizetype styleLeft_ = PageLimits::kStyleLength;
    int rulesLeft_;
    qint64 rules_ = 0;
    qint64 nodes_ = 0;
};

} // namespace

QString BoundedHtml(QStringView html, qsizetype maxLength)
{
    const QStringView source = html.left(maxLength);
    PageWriter writer(PageLimits::kStyleRules);
    QString page = writer.Write(source);
    if (writer.StyleWork() > PageLimits::kStyleWork)
        page = PageWriter(static_cast<int>(PageLimits::kStyleWork / writer.Nodes())).Write(source);
    return page;
}

QString PageHtmlForView(const QByteArray& body)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    // No charset takes more than four bytes a character: what lies past the characters
    // shown is not decoded.
    const QString page = decoder.decode(QByteArrayView(body).first(std::min<qsizetype>(body.size(), 4 * kMaxShownPageLength)));
    return BoundedHtml(page, kMaxShownPageLength);
}

} // namespace tornavel
