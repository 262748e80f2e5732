#include "ui/dialogs/page_document.h"

#include "platform/bounded_text.h"

#include <QPen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLength>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tornavel {

namespace {

// The largest size a page may give each property, in pixels or points (percentages for
// the proportional ones). A larger one, from an attribute or a style sheet alike, would
// lay out a glyph, a margin or a cell bigger than any screen, or overflow the layout's
// fixed-point coordinates and keep it turning.
enum class Kind { Number, Length, Lengths, Text, Pen };
struct Bound {
    int property;
    double largest;
    Kind kind = Kind::Number;
};
constexpr double kMargin = 200, kPadding = 50, kBorder = 20, kExtent = 2000;
constexpr Bound kBounds[] = {
    {QTextFormat::FontPointSize, 72},
    {QTextFormat::FontPixelSize, 96},
    {QTextFormat::FontLetterSpacing, 400},
    {QTextFormat::FontWordSpacing, 100},
    {QTextFormat::TextBaselineOffset, 100},
    {QTextFormat::TextSuperScriptBaseline, 100},
    {QTextFormat::TextSubScriptBaseline, 100},
    {QTextFormat::TextOutline, 10, Kind::Pen},
    {QTextFormat::BlockTopMargin, kMargin},
    {QTextFormat::BlockBottomMargin, kMargin},
    {QTextFormat::BlockLeftMargin, kMargin},
    {QTextFormat::BlockRightMargin, kMargin},
    {QTextFormat::TextIndent, kMargin},
    {QTextFormat::BlockIndent, 8},
    {QTextFormat::LineHeight, 400},
    {QTextFormat::BlockTrailingHorizontalRulerWidth, kExtent, Kind::Length},
    {QTextFormat::ListIndent, 8},
    {QTextFormat::ListNumberPrefix, 8, Kind::Text},
    {QTextFormat::ListNumberSuffix, 8, Kind::Text},
    {QTextFormat::FrameBorder, kBorder},
    {QTextFormat::FrameMargin, kMargin},
    {QTextFormat::FrameTopMargin, kMargin},
    {QTextFormat::FrameBottomMargin, kMargin},
    {QTextFormat::FrameLeftMargin, kMargin},
    {QTextFormat::FrameRightMargin, kMargin},
    {QTextFormat::FramePadding, kPadding},
    {QTextFormat::FrameWidth, kExtent, Kind::Length},
    {QTextFormat::FrameHeight, kExtent, Kind::Length},
    {QTextFormat::TableColumnWidthConstraints, kExtent, Kind::Lengths},
    {QTextFormat::TableCellSpacing, kPadding},
    {QTextFormat::TableCellPadding, kPadding},
    {QTextFormat::TableCellTopPadding, kPadding},
    {QTextFormat::TableCellBottomPadding, kPadding},
    {QTextFormat::TableCellLeftPadding, kPadding},
    {QTextFormat::TableCellRightPadding, kPadding},
    {QTextFormat::TableCellTopBorder, kBorder},
    {QTextFormat::TableCellBottomBorder, kBorder},
    {QTextFormat::TableCellLeftBorder, kBorder},
    {QTextFormat::TableCellRightBorder, kBorder},
    {QTextFormat::ImageWidth, kExtent},
    {QTextFormat::ImageHeight, kExtent},
    // No picture is loaded, from the network or the disk: without a name, a picture is
    // shown as the view's placeholder, and the view does not try its name as a file
    // path (a FIFO would hold it up for good).
    {QTextFormat::ImageName, 0, Kind::Text},
    {QTextFormat::BackgroundImageUrl, 0, Kind::Text},
};

double Within(double value, double largest)
{
    return std::isnan(value) ? 0 : std::clamp(value, -largest, largest);
}

QTextLength Within(const QTextLength& length, double largest)
{
    if (length.type() == QTextLength::VariableLength)
        return length;
    const double limit = length.type() == QTextLength::PercentageLength ? 100 : largest;
    return QTextLength(length.type(), std::max(0.0, Within(length.rawValue(), limit)));
}

// Brings the sizes of `format` within kBounds; whether any was changed.
bool BoundFormat(QTextFormat& format)
{
    bool changed = false;
    for (const Bound& bound : kBounds) {
        if (!format.hasProperty(bound.property))
            continue;
        const QVariant value = format.property(bound.property);
        QVariant bounded = value;
        switch (bound.kind) {
        case Kind::Number:
            if (value.typeId() == QMetaType::Int)
                bounded = static_cast<int>(Within(value.toInt(), bound.largest));
            else
                bounded = Within(value.toDouble(), bound.largest);
            break;
        case Kind::Length:
            bounded = QVariant::fromValue(Within(format.lengthProperty(bound.property), bound.largest));
            break;
        case Kind::Lengths: {
            QList<QTextLength> lengths = format.lengthVectorProperty(bound.property);
            for (QTextLength& length : lengths)
                length = Within(length, bound.largest);
            bounded = QVariant::fromValue(lengths);
            break;
        }
        case Kind::Text:
            bounded = format.stringProperty(bound.property).left(static_cast<qsizetype>(bound.largest));
            break;
        case Kind::Pen: {
            QPen pen = format.penProperty(bound.property);
            pen.setWidthF(std::max(0.0, Within(pen.widthF(), bound.largest)));
            bounded = pen;
            break;
        }
        }
        if (bounded != value) {
            format.setProperty(bound.property, bounded);
            changed = true;
        }
    }
    return changed;
}

void BoundFrameFormats(QTextFrame* frame)
{
    if (QTextTable* table = qobject_cast<QTextTable*>(frame)) {
        QTextTableFormat format = table->format();
        if (BoundFormat(format))
            table->setFormat(format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCharFormat cellFormat = cell.format();
                if (cell.row() == row && cell.column() == column && BoundFormat(cellFormat))
                    table->cellAt(row, column).setFormat(cellFormat);
            }
        }
    } else {
        QTextFrameFormat format = frame->frameFormat();
        if (BoundFormat(format))
            frame->setFrameFormat(format);
    }
    for (QTextFrame* child : frame->childFrames())
        BoundFrameFormats(child);
}

void BoundFormats(QTextDocument& document)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        QTextBlockFormat blockFormat = block.blockFormat();
        if (BoundFormat(blockFormat))
            cursor.setBlockFormat(blockFormat);
        QTextCharFormat blockCharFormat = block.charFormat();
        if (BoundFormat(blockCharFormat))
            cursor.setBlockCharFormat(blockCharFormat);
        if (QTextList* list = block.textList()) {
            QTextListFormat listFormat = list->format();
            if (BoundFormat(listFormat))
                list->setFormat(listFormat);
        }
        // Formats are set once the block is read: setting one may join fragments.
        struct Run {
            int start, end;
            QTextCharFormat format;
        };
        std::vector<Run> bounded;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (BoundFormat(format))
                bounded.push_back({fragment.position(), fragment.position() + fragment.length(), format});
        }
        for (const Run& run : bounded) {
            cursor.setPosition(run.start);
            cursor.setPosition(run.end, QTextCursor::KeepAnchor);
            cursor.setCharFormat(run.format);
        }
    }
    BoundFrameFormats(document.rootFrame());
    cursor.endEditBlock();
}

// The frames below `frame` that the page may not keep, in the order of the page: the
// outermost of those deeper than kFrameDepth or past the first kFrames (the frames
// within them go with them). `kept` counts the frames kept so far.
void FramesOverBound(QTextFrame* frame, int depth, int& kept, std::vector<QTextFrame*>& over)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (depth >= PageDocument::kFrameDepth || kept >= PageDocument::kFrames) {
            over.push_back(child);
            continue;
        }
        ++kept;
        FramesOverBound(child, depth + 1, kept, over);
    }
}

// `text` as read from a selection, its frame bounds and paragraph ends as line feeds,
// one where several follow one another; the places of pictures, which do not come with
// their text, left out.
QString Paragraphs(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QChar::ObjectReplacementCharacter)
            continue;
        const bool end = c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xFDD0)
                         || c == QChar(0xFDD1) || c == u'\n';
        if (!end)
            out += c;
        else if (!out.isEmpty() && !out.endsWith(u'\n'))
            out += u'\n';
    }
    if (out.endsWith(u'\n'))
        out.chop(1);
    return out;
}

// Replaces the frames of `document` that are over its bound by their text. Should
// Qt's editing leave it over the bound all the same, the page shows as plain text.
void BoundFrames(QTextDocument& document)
{
    int kept = 0;
    std::vector<QTextFrame*> over;
    FramesOverBound(document.rootFrame(), 0, kept, over);
    if (over.empty())
        return;
    // From the end of the page, so that the positions of the frames before stay true.
    std::sort(over.begin(), over.end(),
              [](const QTextFrame* a, const QTextFrame* b) { return a->firstPosition() > b->firstPosition(); });
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextFrame* frame : over) {
        cursor.setPosition(frame->firstPosition() - 1);
        cursor.setPosition(frame->lastPosition() + 1, QTextCursor::KeepAnchor);
        const QStringList lines = Paragraphs(cursor.selectedText()).split(u'\n');
        cursor.removeSelectedText();
        // The text makes paragraphs of its own, neither joined to those around it nor
        // taking their formats (a list, a heading); those keep theirs.
        const bool atStart = cursor.atBlockStart();
        if (!cursor.atBlockEnd()) {
            // The end of a paragraph cut in two is no new item of its list.
            QTextBlockFormat rest = cursor.blockFormat();
            if (!atStart)
                rest.clearProperty(QTextFormat::ObjectIndex);
            cursor.insertBlock(rest, cursor.charFormat());
            cursor.movePosition(QTextCursor::PreviousCharacter);
        }
        if (atStart)
            cursor.setBlockFormat(QTextBlockFormat());
        else
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        for (qsizetype k = 0; k < lines.size(); ++k) {
            if (k > 0)
                cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.insertText(lines[k], QTextCharFormat());
        }
    }
    cursor.endEditBlock();
    kept = 0;
    over.clear();
    FramesOverBound(document.rootFrame(), 0, kept, over);
    if (!over.empty())
        document.setPlainText(Paragraphs(document.toPlainText()));
}

// Drops in every paragraph the combining marks MarkRun drops: past kMaxMarkRun in a row,
// or on a character that cannot carry them.
void CutMarkRuns(QTextDocument& document)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        std::vector<std::pair<int, int>> dropped; // from, to
        MarkRun marks;
        for (int i = 0; i < text.size();) {
            const int width = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
            const char32_t c = width == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            if (!marks.Keep(c)) {
                if (!dropped.empty() && dropped.back().second == i)
                    dropped.back().second = i + width;
                else
                    dropped.emplace_back(i, i + width);
            }
            i += width;
        }
        for (auto run = dropped.rbegin(); run != dropped.rend(); ++run) {
            cursor.setPosition(block.position() + run->first);
            cursor.setPosition(block.position() + run->second, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    cursor.endEditBlock();
}

} // namespace

PageDocument::PageDocument(const QString& html, const QFont& font, QObject* parent) : QTextDocument(parent)
{
    setUndoRedoEnabled(false);
    setDefaultFont(font);
    setHtml(html);
    BoundFrames(*this);
    CutMarkRuns(*this);
    BoundFormats(*this);
}

QVariant PageDocument::loadResource(int, const QUrl&)
{
    return QVariant();
}

} // namespace tornavel
