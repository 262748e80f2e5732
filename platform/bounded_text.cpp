#include "platform/bounded_text.h"

#include <QStringDecoder>

#include <limits>

namespace tornavel {

namespace {

// A blank where a line may break: not the no-break spaces, which join their neighbours.
bool EndsRun(QChar c)
{
    if (c == kBreakPoint)
        return true;
    return c.isSpace() && c != QChar(0x00A0) && c != QChar(0x2007) && c != QChar(0x202F);
}

bool StartsTag(QStringView html, qsizetype i)
{
    if (i + 1 >= html.size())
        return false;
    const QChar next = html[i + 1];
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

// The end of the tag or comment that starts at `i`; the end of the text when it is cut.
qsizetype EndOfMarkup(QStringView html, qsizetype i)
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

// The element whose contents are not text, when `tag` opens one: "style" or "script".
QStringView RawTextElement(QStringView tag)
{
    for (QStringView name : {QStringView(u"style"), QStringView(u"script")}) {
        if (tag.size() > name.size() + 1 && tag.mid(1, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
            const QChar after = tag[name.size() + 1];
            if (after == u'>' || after == u'/' || after.isSpace())
                return name;
        }
    }
    return {};
}

// The end of a character reference ("&amp;", "&#233;") that starts at `i`, or `i` when
// none starts there.
qsizetype EndOfReference(QStringView html, qsizetype i)
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

} // namespace

QString TextBounder::Add(QStringView piece)
{
    QString out;
    out.reserve(std::min(piece.size(), left_) + piece.size() / kMaxUnbrokenRun + 1);
    for (const QChar c : piece) {
        // A character is not split from the other half of its surrogate pair.
        if (c.isHighSurrogate() && left_ < 2)
            left_ = 0;
        if (left_ <= 0)
            break;
        if (EndsRun(c)) {
            run_ = 0;
        } else {
            if (run_ >= kMaxUnbrokenRun && !c.isLowSurrogate()) {
                out += kBreakPoint;
                run_ = 0;
            }
            ++run_;
        }
        out += c;
        --left_;
    }
    return out;
}

QString BoundedText(QStringView text, qsizetype maxLength)
{
    return TextBounder(maxLength).Add(text);
}

QString BoundedHtml(QStringView html, qsizetype maxLength)
{
    const QStringView source = html.left(maxLength);
    TextBounder text(std::numeric_limits<qsizetype>::max());
    QString out;
    out.reserve(source.size() + source.size() / kMaxUnbrokenRun + 1);
    qsizetype i = 0;
    while (i < source.size()) {
        if (source[i] == u'<' && StartsTag(source, i)) {
            qsizetype end = EndOfMarkup(source, i);
            const QStringView element = RawTextElement(source.mid(i, end - i));
            if (!element.isEmpty()) {
                const qsizetype close = source.indexOf(QString(QStringLiteral("</") + element.toString()), end, Qt::CaseInsensitive);
                end = close < 0 ? source.size() : close;
            }
            out += source.mid(i, end - i);
            i = end;
        } else if (source[i] == u'&') {
            // A reference is one character of the text, never broken inside.
            out += text.Add(source.mid(i, 1));
            const qsizetype end = std::max(EndOfReference(source, i), i + 1);
            out += source.mid(i + 1, end - i - 1);
            i = end;
        } else {
            qsizetype end = i + 1;
            while (end < source.size() && source[end] != u'<' && source[end] != u'&')
                ++end;
            out += text.Add(source.mid(i, end - i));
            i = end;
        }
    }
    return out;
}

QString PageHtmlForView(const QByteArray& body)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString page = decoder.decode(body);
    return BoundedHtml(page, kMaxShownPageLength);
}

} // namespace tornavel
