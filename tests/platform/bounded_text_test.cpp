// Texts from outside the program, bounded before a view lays them out.

#include "platform/bounded_text.h"

#include <gtest/gtest.h>

using namespace tornavel;

TEST(BoundedText, LongRunsOfTextGetBreakPointsAndMarkupStaysWhole)
{
    const QString z(kBreakPoint), nbsp(QChar(0x00A0)), smiley = QStringLiteral("\U0001F600");
    const auto a = [](qsizetype count) { return QString(count, QLatin1Char('a')); };
    const QString style = u"font-family:Arial,Helvetica,sans-serif;color:#333333;margin:0;padding:0;border:0"_qs;
    struct Case {
        const char* name;
        bool html;
        QString text;
        qsizetype maxLength;
        QString expected;
    };
    const Case cases[] = {
        {"ordinary words", false, u"Cliquez sur « Astuce suivante »."_qs, 100, u"Cliquez sur « Astuce suivante »."_qs},
        {"a long run", false, a(200), 1000, a(80) + z + a(80) + z + a(40)},
        {"no-break spaces join", false, (u"a"_qs + nbsp).repeated(41), 1000, (u"a"_qs + nbsp).repeated(40) + z + u"a"_qs + nbsp},
        {"cut, a pair kept whole", false, a(60) + u" "_qs + smiley, 62, a(60) + u" "_qs},
        {"a pair is not broken", false, a(79) + smiley, 1000, a(79) + smiley},
        {"attributes and tags", true, u"<p style=\""_qs + style + u"\">"_qs + a(50) + u"<b>"_qs + a(50) + u"</b>"_qs, 1000,
         u"<p style=\""_qs + style + u"\">"_qs + a(50) + u"<b>"_qs + a(30) + z + a(20) + u"</b>"_qs},
        {"a quoted '>'", true, u"<a title='>' href=\"http://x/"_qs + a(100) + u"\">"_qs, 1000,
         u"<a title='>' href=\"http://x/"_qs + a(100) + u"\">"_qs},
        {"references", true, a(79) + u"&eacute;&#233;"_qs, 1000, a(79) + u"&eacute;"_qs + z + u"&#233;"_qs},
        {"style and comments", true, u"<STYLE>p{"_qs + style + u"}</style><!--"_qs + a(90) + u"-->"_qs, 1000,
         u"<STYLE>p{"_qs + style + u"}</style><!--"_qs + a(90) + u"-->"_qs},
        {"a '<' that opens no tag", true, u"< "_qs + a(100), 1000, u"< "_qs + a(80) + z + a(20)},
        {"the source is cut", true, u"<p>"_qs + a(10), 8, u"<p>"_qs + a(5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.html ? BoundedHtml(c.text, c.maxLength) : BoundedText(c.text, c.maxLength), c.expected);
    }
}
