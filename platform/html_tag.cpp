#include "platform/html_tag.h"

#include <algorithm>
#include <limits>

namespace tornavel {

namespace {

bool IsNameCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-'
           || c == u':' || c == u'_' || c == u'.';
}

} // namespace

bool StartsHtmlTag(QStringView html, qsizetype i)
{
    if (i + 1 >= html.size())
        return false;
    const QChar next = html[i + 1];
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

qsizetype EndOfHtmlMarkup(QStringView html, qsizetype i)
{
    if (html.mid(i).startsWith(u"<!--")) {
        const qsizetype close = html.indexOf(u"-->", i + 4);
        return close < 0 ? html.size() : close + 3;
    }
    QChar quote;
    for (qsizetype j = i + 1; j < html.size(); ++j) {
        const QChar c = html[j];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return j + 1;
        }
    }
    return html.size();
}

qsizetype EndOfHtmlReference(QStringView html, qsizetype i)
{
    constexpr qsizetype kLongestName = 32;
    for (qsizetype j = i + 1; j < html.size() && j - i <= kLongestName; ++j) {
        const QChar c = html[j];
        if (c == u';')
            return j > i + 1 ? j + 1 : i;
        if (!c.isLetterOrNumber() && c != u'#')
            return i;
    }
    return i;
}

QString EscapedHtml(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'<')
            out += u"&lt;";
        else if (c == u'>')
            out += u"&gt;";
        else if (c == u'"')
            out += u"&quot;";
        else if (c == u'&' && EndOfHtmlReference(text, i) == i)
            out += u"&amp;";
        else
            out += c;
    }
    return out;
}

int HtmlTag::Number(QStringView attribute, int fallback) const
{
    for (const HtmlAttribute& a : attributes) {
        if (a.name == attribute) {
            const QStringView value = QStringView(a.value).trimmed();
            qsizetype digits = 0;
            while (digits < value.size() && value[digits].isDigit())
                ++digits;
            if (digits == 0)
                return fallback;
            return digits > 9 ? std::numeric_limits<int>::max() : value.left(digits).toInt();
        }
    }
    return fallback;
}

void HtmlTag::SetNumber(QStringView attribute, int number)
{
    for (HtmlAttribute& a : attributes) {
        if (a.name == attribute) {
            a.value = QString::number(number);
            a.hasValue = true;
        }
    }
}

HtmlTag ReadHtmlTag(QStringView markup)
{
    HtmlTag tag;
    qsizetype i = 1;
    if (i < markup.size() && markup[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < markup.size() && IsNameCharacter(markup[i]))
        ++i;
    constexpr qsizetype kLongestName = 32;
    if (i == nameStart || i - nameStart > kLongestName || !markup[nameStart].isLetter())
        return tag;
    tag.name = markup.mid(nameStart, i - nameStart).toString().toLower();
    const qsizetype end = markup.endsWith(u'>') ? markup.size() - 1 : markup.size();
    while (i < end) {
        const QChar c = markup[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'/') {
            tag.selfClosing = true;
            ++i;
            continue;
        }
        tag.selfClosing = false;
        const qsizetype start = i;
        while (i < end && !markup[i].isSpace() && markup[i] != u'=' && markup[i] != u'/')
            ++i;
        HtmlAttribute attribute;
        attribute.name = markup.mid(start, i - start).toString().toLower();
        if (i == start)
            ++i; // a lone "=": skipped
        qsizetype j = i;
        while (j < end && markup[j].isSpace())
            ++j;
        if (j < end && markup[j] == u'=') {
            ++j;
            while (j < end && markup[j].isSpace())
                ++j;
            attribute.hasValue = true;
            if (j < end && (markup[j] == u'"' || markup[j] == u'\'')) {
                const QChar quote = markup[j];
                qsizetype close = markup.indexOf(quote, j + 1);
                if (close < 0 || close > end)
                    close = end;
                attribute.value = markup.mid(j + 1, close - j - 1).toString();
                i = std::min(close + 1, end);
            } else {
                const qsizetype valueStart = j;
                while (j < end && !markup[j].isSpace())
                    ++j;
                attribute.value = markup.mid(valueStart, j - valueStart).toString();
                i = j;
            }
        }
        if (!attribute.name.isEmpty() && std::all_of(attribute.name.cbegin(), attribute.name.cend(), IsNameCharacter))
            tag.attributes.push_back(attribute);
    }
    return tag;
}

} // namespace tornavel
