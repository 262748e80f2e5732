// Texts from outside the program, bounded before a view lays them out.

#include "platform/bounded_text.h"
#include "platform/page_html.h"

#include <QRegularExpression>

#include <map>
#include <vector>

#include <gtest/gtest.h>

using namespace tornavel;

TEST(BoundedText, LongRunsOfTextGetBreakPointsAndMarkupStaysWhole)
{
    const QString z(kBreakPoint), nbsp(QChar(0x00A0)), smiley = QStringLiteral("\U0001F600"), zwj(QChar(0x200D));
    const auto a = [](qsizetype count) { return QString(count, QLatin1Char('a')); };
    const auto accents = [](qsizetype count) { return QString(count, QChar(0x0301)); };
    const auto joined = [&](qsizetype count) { return QStringList(count, smiley).join(zwj); };
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
        {"attributes and tags", true, u"<P style=\""_qs + style + u"\">"_qs + a(50) + u"<b>"_qs + a(50) + u"</b>"_qs, 1000,
         u"<p style=\""_qs + style + u"\">"_qs + a(50) + u"<b>"_qs + a(30) + z + a(20) + u"</b></p>"_qs},
        {"a quoted '>'", true, u"<a title='>' href=http://x/"_qs + a(100) + u" nowrap>"_qs, 1000,
         u"<a title=\"&gt;\" href=\"http://x/"_qs + a(100) + u"\" nowrap></a>"_qs},
        {"references", true, a(79) + u"&eacute;&#233;"_qs, 1000, a(79) + u"&eacute;"_qs + z + u"&#233;"_qs},
        {"style, comments, scripts", true,
         u"<STYLE>p{"_qs + style + u"}</style><!--"_qs + a(90) + u"--><script>if (a<b) x()</script>"_qs, 1000,
         u"<style>p{"_qs + style + u"}</style>"_qs},
        {"a '<' that opens no tag, a bare '&'", true, u"< &"_qs + a(100), 1000, u"&lt; &amp;"_qs + a(79) + z + a(21)},
        {"a letter under many accents", false, u"a"_qs + accents(65000) + u"b"_qs, 1000, u"a"_qs + accents(30) + u"b"_qs},
        {"accents take no break point", false, a(79) + u"e"_qs + accents(2) + u"f"_qs, 1000,
         a(79) + u"e"_qs + accents(2) + z + u"f"_qs},
        {"accents on invisible characters, controls and spaces", false,
         u"a"_qs + (z + accents(29)).repeated(3)
             + u"\u2060\u0301\uFEFF\u0301\u00AD\u0301\u202E\u0301\u200E\u0301\t\u0301 \u0301e\u0301"_qs,
         1000, u"a"_qs + z + z + z + u"\u2060\uFEFF\u00AD\u202E\u200E\t e\u0301"_qs},
        {"pictographs joined past the cut", false, joined(41), 1000, joined(16) + joined(16) + joined(9)},
        {"the source is cut", true, u"<p>"_qs + a(10), 8, u"<p>"_qs + a(5) + u"</p>"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.html ? BoundedHtml(c.text, c.maxLength) : BoundedText(c.text, c.maxLength), c.expected);
    }
}

namespace {

// What a page written by BoundedHtml holds, read back as a view would: the tags in
// order (each open one must be closed, innermost first), the deepest nesting of all
// elements and of some, and the largest count of some.
struct PageShape {
    bool wellFormed = true;
    int depth = 0;
    std::map<QString, int> nesting; // "list"
    std::map<QString, int> count;   // "td", "img", "li" (of one list), "rule"
    int largestSpan = 0;
    QStringList openTags;
    QString text;

    explicit PageShape(const QString& html)
    {
        static const QRegularExpression tag(QStringLiteral("<(/?)([a-z0-9]+)([^>]*)>"));
        static const QRegularExpression span(QStringLiteral("(?:col|row)span=\"(\\d+)\""));
        std::vector<std::pair<QString, int>> open; // name, items
        qsizetype last = 0;
        for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
            text += html.mid(last, m.capturedStart() - last);
            last = m.capturedEnd();
            const QString name = m.captured(2);
            if (name == u"br" || name == u"hr" || name == u"img" || name == u"meta") {
                ++count[name];
                continue;
            }
            if (m.captured(1) == u"/") {
                wellFormed = wellFormed && !open.empty() && open.back().first == name;
                if (!open.empty())
                    open.pop_back();
                continue;
            }
            openTags << name;
            ++count[name];
            if (name == u"li" && !open.empty())
                count[u"li"_qs] = std::max(count[u"li"_qs], ++open.back().second);
            for (const QRegularExpressionMatch& s : span.globalMatch(m.captured(3)))
                largestSpan = std::max(largestSpan, s.captured(1).toInt());
            open.emplace_back(name, 0);
            depth = std::max(depth, static_cast<int>(open.size()));
            const int lists = static_cast<int>(std::count_if(open.begin(), open.end(), [](const auto& o) {
                return o.first == u"ul" || o.first == u"ol";
            }));
            nesting[u"list"_qs] = std::max(nesting[u"list"_qs], lists);
        }
        text += html.mid(last);
        wellFormed = wellFormed && open.empty();
        count[u"rule"_qs] = static_cast<int>(html.count(u'}'));
    }
};

} // namespace

TEST(BoundedHtml, HostileStructuresComeOutWithinTheLimitsWithTheirText)
{
    const auto times = [](const char* piece, int n) { return QString::fromLatin1(piece).repeated(n); };
    struct Case {
        const char* name;
        QString page;
        const char* measure;
        int limit;
    };
    const Case cases[] = {
        {"4,300 nested tables", times("<table><tr><td>", 4300) + u"fin"_qs, "depth", PageLimits::kDepth},
        {"nested divisions", times("<div>", 5000) + u"fin"_qs, "depth", PageLimits::kDepth},
        {"nested quotations and bold", times("<blockquote><b>", 3000) + u"fin"_qs, "depth", PageLimits::kDepth},
        {"nested lists", times("<ul><li>", 1000) + u"fin"_qs, "list", PageLimits::kListDepth},
        {"a long list", u"<ol>"_qs + times("<li>x", 5000) + u"fin"_qs, "li", PageLimits::kListItems},
        {"huge spans", u"<table><tr><td colspan=2147483647 rowspan=99999999999>fin</table>"_qs, "span",
         PageLimits::kTableColumns},
        {"a wide and long grid", u"<table><tr>"_qs + times("<td>", 4000) + times("<tr><td>", 4000) + u"fin"_qs, "td",
         PageLimits::kTableCells},
        {"cells without rows", times("<table><td>", 3000) + u"fin"_qs, "depth", PageLimits::kDepth},
        {"many pictures", times("<img src=a.png align=left>", 2000) + u"fin"_qs, "img", PageLimits::kImages},
        {"many rules", u"<style>"_qs + times("*{color:red}", 1000) + u"</style>fin"_qs, "rule", PageLimits::kStyleRules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageShape shape(BoundedHtml(c.page, kMaxShownPageLength));
        EXPECT_TRUE(shape.wellFormed);
        EXPECT_LE(shape.depth, PageLimits::kDepth);
        const std::map<QString, int> measures{{u"depth"_qs, shape.depth},
                                              {u"list"_qs, shape.nesting[u"list"_qs]},
                                              {u"li"_qs, shape.count[u"li"_qs]},
                                              {u"span"_qs, shape.largestSpan},
                                              {u"td"_qs, shape.count[u"td"_qs]},
                                              {u"img"_qs, shape.count[u"img"_qs]},
                                              {u"rule"_qs, shape.count[u"rule"_qs]}};
        const int measured = measures.at(QString::fromLatin1(c.measure));
        EXPECT_LE(measured, c.limit);
        EXPECT_GT(measured, 0);
        EXPECT_TRUE(shape.text.endsWith(u"fin"_qs));
    }
}

TEST(BoundedHtml, AnOrdinaryPageKeepsItsElementsAndText)
{
    const QString page = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Mise à jour</title>"
        "<style>td { padding: 4px } .new { color: #c00 }</style></head><body>"
        "<h2 align=center>Tornavel 1.2</h2><p>Une nouvelle version est <b class=new>disponible</b> :"
        "<table border=1 cellpadding=3 width=\"100%\"><tr><th colspan=2>Nouveautés<tr><td>Calculs<td><ul>"
        "<li>Escaliers<li>Toitures</ul></td></tr><tr><td rowspan=2>Corrections<td>Peinture</tr><tr><td>Tuiles"
        "</table><p><a href=\"https://tornavel.example/telecharger\">Télécharger</a> &amp; installer.<br>Merci !"
        "</body></html>");
    const QString bounded = BoundedHtml(page, kMaxShownPageLength);
    const PageShape shape(bounded);
    EXPECT_TRUE(shape.wellFormed);
    const QRegularExpression openTag(QStringLiteral("<([A-Za-z0-9]+)"));
    QStringList tags;
    for (const QRegularExpressionMatch& m : openTag.globalMatch(page)) {
        if (!QStringList{u"meta"_qs, u"br"_qs}.contains(m.captured(1)))
            tags << m.captured(1);
    }
    EXPECT_EQ(shape.openTags, tags);
    for (const char* kept : {"colspan=\"2\"", "rowspan=\"2\"", "width=\"100%\"", "class=\"new\"", ".new { color: #c00 }",
                             "href=\"https://tornavel.example/telecharger\"", "Nouveautés", "&amp; installer.<br>Merci !"})
        EXPECT_TRUE(bounded.contains(QString::fromUtf8(kept))) << kept;
}
