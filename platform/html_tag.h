#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace tornavel {

// Reading the markup of an HTML page, as the page writer (see BoundedHtml) needs it.

// Whether a tag, an end tag, a comment or a declaration starts at `i` (a "<" before
// anything else is text).
bool StartsHtmlTag(QStringView html, qsizetype i);

// The end of the tag or comment that starts at `i`, quoted attribute values read whole;
// the end of the text when it is cut.
qsizetype EndOfHtmlMarkup(QStringView html, qsizetype i);

// The end of a character reference ("&amp;", "&#233;") that starts at `i`, or `i` when
// none starts there.
qsizetype EndOfHtmlReference(QStringView html, qsizetype i);

// `text` with "<", ">" and '"' escaped and every "&" that starts no reference too, so
// that a view reads it as text only.
QString EscapedHtml(QStringView text);

struct HtmlAttribute {
    QString name;  // in lower case
    QString value; // as written, references not read
    bool hasValue = false;
};

// One tag as read: its name in lower case (empty when the markup is no tag: a comment,
// a declaration, a name that is not one), whether it closes, and its attributes.
struct HtmlTag {
    QString name;
    bool closing = false;
    bool selfClosing = false;
    std::vector<HtmlAttribute> attributes;

    // The leading digits of a numeric attribute; `fallback` when it has none.
    int Number(QStringView attribute, int fallback) const;
    void SetNumber(QStringView attribute, int number);
};

// Reads the markup between EndOfHtmlMarkup's bounds.
HtmlTag ReadHtmlTag(QStringView markup);

} // namespace tornavel
