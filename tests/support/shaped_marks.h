#pragma once

// The work of shaping the accents of a text a view shows, as the page and tip tests and
// their fuzz targets measure it.

#include "platform/bounded_text.h"

#include <QChar>
#include <QStringView>

#include <algorithm>

namespace tornavel::testing {

// The most combining marks that the shaper ties to one character of `text`, where each
// mark costs a look back to that character. It looks past the invisible characters
// (format characters and unassigned code points) for it, so those do not end a run of
// marks; any other character does.
inline qsizetype LongestMarkChain(QStringView text)
{
    qsizetype longest = 0, chain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[i], text[i + 1]), ++i;
        const QChar::Category category = QChar::category(c);
        if (IsCombiningMark(c))
            longest = std::max(longest, ++chain);
        else if (category != QChar::Other_Format && category != QChar::Other_NotAssigned)
            chain = 0;
    }
    return longest;
}

} // namespace tornavel::testing
