#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tornavel {

// A run of text with one character format.
struct RtfRun {
    QString text;          // a line break inside a paragraph is QChar::LineSeparator
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;    // font size in half points; 0: the view's default size
    bool hasColour = false;
    unsigned rgb = 0;      // 0xRRGGBB when hasColour

    bool SameFormat(const RtfRun& other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline
               && halfPoints == other.halfPoints && hasColour == other.hasColour && rgb == other.rgb;
    }
};

struct RtfParagraph {
    enum class Align { Left, Centre, Right, Justify };
    Align align = Align::Left;
    QList<RtfRun> runs;
};

// What the tips window shows: paragraphs of formatted runs.
struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    // The text alone, paragraphs separated by "\n".
    QString PlainText() const;
};

// Reads the part of RTF that the tip documents use: paragraphs and line breaks, bold,
// italic, underline, font size, the colour table and its colours, alignment, tabs,
// "\'hh" Windows-1252 and "\uN" characters. Font tables, style sheets, pictures and
// other destinations, "{\*...}" groups among them, are skipped. A text that does not
// start with "{\rtf" is taken as plain text (UTF-8 when it is valid UTF-8, else
// Windows-1252). Any input is read in one pass with bounded memory: unbalanced braces,
// deep nesting and cut escapes give what could be read, never a failure.
RtfDocument ReadRtf(const QByteArray& data);

} // namespace tornavel
