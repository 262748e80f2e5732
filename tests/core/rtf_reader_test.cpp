#include "core/rtf_reader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tornavel;

TEST(RtfReader, FormatsOfTheSubsetWeWrite)
{
    struct Case {
        const char* rtf;
        const char* text;   // PlainText(), UTF-8
        const char* check;  // what the first formatted run must be: b, i, u, s (size), c (colour), -
        RtfParagraph::Align align;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi Un\par Deux})", "Un\nDeux", "-", RtfParagraph::Align::Left},
        {R"({\rtf1 {\b gras} fin})", "gras fin", "b", RtfParagraph::Align::Left},
        {R"({\rtf1 \i italique\i0  droit})", "italique droit", "i", RtfParagraph::Align::Left},
        {R"({\rtf1 \ul soulign\'e9\ulnone })", "souligné", "u", RtfParagraph::Align::Left},
        {R"({\rtf1 \fs28 grand})", "grand", "s", RtfParagraph::Align::Left},
        {R"({\rtf1{\colortbl ;\red0\green51\blue153;}\cf1 bleu})", "bleu", "c", RtfParagraph::Align::Left},
        {R"({\rtf1\qc centr\'e9\par})", "centré", "-", RtfParagraph::Align::Centre},
        {R"({\rtf1\qr \u8364?\'80 \u-4064?})", "€€ \xEF\x80\xA0", "-", RtfParagraph::Align::Right},
        {R"({\rtf1 a\line b\tab c\~d})", "a\xE2\x80\xA8" "b\tc\xC2\xA0" "d", "-", RtfParagraph::Align::Left},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\*\generator x;}{\stylesheet{s}}{\info{\title t}}vu})", "vu", "-",
         RtfParagraph::Align::Left},
        {R"({\rtf1 \{ \\ \}})", "{ \\ }", "-", RtfParagraph::Align::Left},
        {"Pas du RTF\r\nligne 2", "Pas du RTF\nligne 2", "-", RtfParagraph::Align::Left},
        {"caf\xE9", "café", "-", RtfParagraph::Align::Left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        const RtfDocument document = ReadRtf(QByteArray(c.rtf));
        EXPECT_EQ(document.PlainText(), QString::fromUtf8(c.text));
        ASSERT_FALSE(document.paragraphs.isEmpty());
        EXPECT_EQ(document.paragraphs[0].align, c.align);
        ASSERT_FALSE(document.paragraphs[0].runs.isEmpty());
        const RtfRun& run = document.paragraphs[0].runs[0];
        const char k = c.check[0];
        EXPECT_EQ(run.bold, k == 'b');
        EXPECT_EQ(run.italic, k == 'i');
        EXPECT_EQ(run.underline, k == 'u');
        EXPECT_EQ(run.halfPoints, k == 's' ? 28 : 0);
        EXPECT_EQ(run.hasColour, k == 'c');
        if (k == 'c') {
            EXPECT_EQ(run.rgb, 0x003399u);
        }
    }
}

TEST(RtfReader, OurElevenTipsReadAsFrenchTextWithATitle)
{
    for (int tip = 1; tip <= 11; ++tip) {
        SCOPED_TRACE(tip);
        QFile file(QStringLiteral(TORNAVEL_SOURCE_DIR "/Aide/Astuce_%1.rtf").arg(tip));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const RtfDocument document = ReadRtf(file.readAll());
        const QString text = document.PlainText();
        // Nothing of the markup leaks into the text, and the accents come through.
        EXPECT_FALSE(text.contains(QLatin1Char('\\')) || text.contains(QLatin1Char('{')) || text.contains(QLatin1Char('}')));
        EXPECT_FALSE(text.contains(QStringLiteral("MS Sans Serif")) || text.contains(QStringLiteral("Tornavel;")));
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("[éèàêç]"))));
        ASSERT_GE(document.paragraphs.size(), 3);
        const RtfParagraph& title = document.paragraphs[0];
        EXPECT_EQ(title.align, RtfParagraph::Align::Centre);
        ASSERT_FALSE(title.runs.isEmpty());
        EXPECT_TRUE(title.runs[0].bold && title.runs[0].hasColour);
        EXPECT_GT(text.size(), 150);
    }
}

TEST(RtfReader, HostileInputsEndInOnePassWithoutACrash)
{
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(100000, '{') + "\\b profond" + QByteArray(100000, '}') + " fin";
    QByteArray noise(200000, '\0');
    QRandomGenerator random(14);
    for (char& byte : noise)
        byte = static_cast<char>(random.bounded(256));
    const QByteArray inputs[] = {
        deep,
        "{\\rtf1 }}}}} a {{{ b",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'e",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-99999999999999999999?",
        "{\\rtf1 \\fs99999999999999 x \\cf77 y \\uc2147483647\\u65 z",
        "{\\rtf1 \\bin99999999999 caché",
        "{\\rtf1{\\colortbl;\\red999;;;;}\\cf3 c",
        "{\\rtf1 \\" + QByteArray(100000, 'a'),
        "{\\rtf1 " + noise,
        noise,
    };
    for (const QByteArray& input : inputs) {
        const RtfDocument document = ReadRtf(input);
        // What is shown never exceeds what was given.
        EXPECT_LE(document.PlainText().size(), input.size());
    }
    EXPECT_TRUE(ReadRtf(deep).PlainText().contains(QStringLiteral("profond fin")));
}
