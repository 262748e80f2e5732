#include "platform/bounded_text.h"

#include <algorithm>

namespace tornavel {

namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;

// A blank where a line may break: not the no-break spaces, which join their neighbours.
bool EndsRun(char32_t c)
{
    if (c == kBreakPoint.unicode())
        return true;
    return QChar::isSpace(c) && c != 0x00A0 && c != 0x2007 && c != 0x202F;
}

// The number of UTF-16 units of the character at `i`: a surrogate pair is one character.
qsizetype WidthAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

char32_t CharacterAt(QStringView text, qsizetype i, qsizetype width)
{
    return width == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
}

bool CarriesMarks(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Format:
    case QChar::Other_Control:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return false;
    default: return true;
    }
}

} // namespace

bool IsCombiningMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return c == 0x200C || c == kZeroWidthJoiner;
    }
}

bool MarkRun::Keep(char32_t c)
{
    if (IsCombiningMark(c)) {
        // A joiner needs room for the character it glues too.
        if (bare_ || marks_ >= kMaxMarkRun || (c == kZeroWidthJoiner && marks_ + 1 >= kMaxMarkRun))
            return false;
        ++marks_;
        joined_ = c == kZeroWidthJoiner;
    } else {
        // A character after a joiner is of the same cluster as the marks before.
        marks_ = joined_ ? marks_ + 1 : 0;
        joined_ = false;
        bare_ = !CarriesMarks(c);
    }
    return true;
}

QString TextBounder::Add(QStringView piece)
{
    QString out;
    out.reserve(std::min(piece.size(), left_) + piece.size() / kMaxUnbrokenRun + 1);
    qsizetype i = 0;
    while (i < piece.size() && left_ > 0) {
        const qsizetype width = WidthAt(piece, i);
        // A character is not split from the other half of its surrogate pair.
        if (width > left_) {
            left_ = 0;
            break;
        }
        const char32_t c = CharacterAt(piece, i, width);
        const QStringView character = piece.mid(i, width);
        i += width;
        if (!marks_.Keep(c))
            continue;
        // A mark stays with the character before it: no break point comes between.
        if (EndsRun(c)) {
            run_ = 0;
        } else if (!IsCombiningMark(c)) {
            if (run_ >= kMaxUnbrokenRun) {
                out += kBreakPoint;
                run_ = 0;
            }
            ++run_;
        }
        out += character;
        left_ -= width;
    }
    return out;
}

QString BoundedText(QStringView text, qsizetype maxLength)
{
    return TextBounder(maxLength).Add(text);
}

} // namespace tornavel
