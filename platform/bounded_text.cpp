#include "platform/bounded_text.h"

#include <algorithm>

namespace tornavel {

namespace {

// A blank where a line may break: not the no-break spaces, which join their neighbours.
bool EndsRun(QChar c)
{
    if (c == kBreakPoint)
        return true;
    return c.isSpace() && c != QChar(0x00A0) && c != QChar(0x2007) && c != QChar(0x202F);
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

} // namespace tornavel
