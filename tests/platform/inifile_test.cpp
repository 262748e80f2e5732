#include "platform/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tornavel {
namespace {

const QString kSection = QStringLiteral("Comportement fenetre");
const QString kKey = QStringLiteral("Redimensionnable");

class IniFileTest : public ::testing::Test {
protected:
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QString WriteFile(const QByteArray& bytes) const
    {
        const QString path = PathOf("tornavel.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(IniFile(PathOf("absent.ini")).ReadString(kSection, kKey, "O"), "O");

    const IniFile ini(WriteFile("[Autre]\r\nRedimensionnable=N\r\n[Comportement fenetre]\r\nLargeur=3\r\n"));
    EXPECT_EQ(ini.ReadString(kSection, kKey, "O"), "O");
    EXPECT_EQ(ini.ReadString("Absente", kKey, "O"), "O");
    EXPECT_EQ(IniFile(dir_.path()).ReadString(kSection, kKey, "O"), "O"); // a directory
}

TEST_F(IniFileTest, NamesIgnoreCaseAndBlanksLikeWindows)
{
    const IniFile ini(WriteFile("; réglages\n[ comportement FENETRE ]\n"
                                "  redimensionnable =  o  \n"
                                "Cite = \"a b\" \n"
                                ";Largeur=9\n"));
    EXPECT_EQ(ini.ReadString(kSection, kKey, "O"), "o"); // value kept exactly: "o" is not "O"
    EXPECT_EQ(ini.ReadString(kSection, "CITE", ""), "a b");
    EXPECT_EQ(ini.ReadString(kSection, ";Largeur", "-"), "-"); // a comment is no key

    const IniFile longValue(WriteFile("[S]\nK=" + QByteArray(3000, 'x') + "\n"));
    EXPECT_EQ(longValue.ReadString("S", "K", "").size(), IniFile::kMaxValueLength);
}

// As the Windows profile functions read a value: blanks around it go, then one pair of
// matching quotes around the whole of it, single or double; any other quote stays.
TEST_F(IniFileTest, AValueInMatchingQuotesIsReadWithoutThem)
{
    const struct {
        const char* written;
        const char* read;
    } cases[] = {
        {"'x'", "x"},
        {"\"x\"", "x"},
        {"  ' a b '  ", " a b "},
        {"''", ""},
        {"'", "'"},
        {"'x", "'x"},
        {"x'", "x'"},
        {"'x\"", "'x\""},
        {"\"x'", "\"x'"},
        {"'a'b'", "a'b"},
        {"''x''", "'x'"},
        {"a'b", "a'b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        const IniFile ini(WriteFile(QByteArray("[S]\r\nK=") + c.written + "\r\n"));
        EXPECT_EQ(ini.ReadString("S", "K", "-"), QString::fromLatin1(c.read));
    }
}

TEST_F(IniFileTest, OnlyTheFirstSectionOfANameCounts)
{
    const IniFile ini(WriteFile("[S]\nA=1\n[s]\nA=2\nB=3\n"));
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "B", "-"), "-");
}

// As with the Windows profile functions, a key written twice in its section reads as its
// first occurrence, whatever the case of either, and a write changes that one.
TEST_F(IniFileTest, AKeyWrittenTwiceReadsAsItsFirst)
{
    const QString path = WriteFile("[S]\nA=1\nB=2\na=3\n");
    EXPECT_EQ(IniFile(path).ReadString("S", "A", ""), "1");
    ASSERT_TRUE(IniFile(path).WriteString("S", "a", "4"));
    EXPECT_EQ(Contents(path), "[S]\nA=4\nB=2\na=3\n");
    EXPECT_EQ(IniFile(path).ReadString("s", "a", ""), "4");
}

TEST_F(IniFileTest, WriteCreatesTheFileAndReadsBack)
{
    const QString path = PathOf("tornavel.ini");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString(kSection, kKey, "N"));
    EXPECT_EQ(Contents(path), "[Comportement fenetre]\r\nRedimensionnable=N\r\n");
    ASSERT_TRUE(ini.WriteString("comportement fenetre", "REDIMENSIONNABLE", "O"));
    EXPECT_EQ(Contents(path), "[Comportement fenetre]\r\nRedimensionnable=O\r\n");
    EXPECT_EQ(ini.ReadString(kSection, kKey, ""), "O");
}

TEST_F(IniFileTest, WriteReplacesTheValueInPlaceAndKeepsEveryOtherLine)
{
    QByteArray everyHighByte;
    for (int b = 0x80; b <= 0xFF; ++b)
        everyHighByte.append(static_cast<char>(b));
    const QString path = WriteFile(everyHighByte + "\n; Tornavel\n"
                                   "[Avant]\n"
                                   "Redimensionnable=X\n"
                                   "\n"
                                   "[COMPORTEMENT FENETRE]\n"
                                   "  Redimensionnable = \"N\"   \n"
                                   "Autre=1\n"
                                   "\n"
                                   "[Apres]\n"
                                   "Cle=\xE9\x80\n");
    ASSERT_TRUE(IniFile(path).WriteString(kSection, kKey, "O"));
    EXPECT_EQ(Contents(path), everyHighByte + "\n; Tornavel\n"
                              "[Avant]\n"
                              "Redimensionnable=X\n"
                              "\n"
                              "[COMPORTEMENT FENETRE]\n"
                              "  Redimensionnable = O\n"
                              "Autre=1\n"
                              "\n"
                              "[Apres]\n"
                              "Cle=\xE9\x80\n");
    EXPECT_EQ(IniFile(path).ReadString("apres", "cle", ""), QString::fromUtf8("é€"));
}

TEST_F(IniFileTest, WriteAddsAMissingKeyAtTheEndOfItsSection)
{
    const QString path = WriteFile("[Comportement fenetre]\r\nAutre=1\r\n\r\n[Apres]\r\nCle=2");
    ASSERT_TRUE(IniFile(path).WriteString(kSection, kKey, "N"));
    EXPECT_EQ(Contents(path), "[Comportement fenetre]\r\nAutre=1\r\nRedimensionnable=N\r\n\r\n"
                              "[Apres]\r\nCle=2");
}

TEST_F(IniFileTest, WriteAppendsAMissingSection)
{
    const QString path = WriteFile("[Autre]\nCle=2");
    ASSERT_TRUE(IniFile(path).WriteString(kSection, kKey, "N"));
    EXPECT_EQ(Contents(path), "[Autre]\nCle=2\n\n[Comportement fenetre]\nRedimensionnable=N\n");
}

TEST_F(IniFileTest, WriteReportsFailureAndLeavesTheFileAlone)
{
    EXPECT_FALSE(IniFile(PathOf("absent/tornavel.ini")).WriteString(kSection, kKey, "O"));
    EXPECT_FALSE(QFile::exists(PathOf("absent/tornavel.ini")));
    EXPECT_FALSE(IniFile(dir_.path()).WriteString(kSection, kKey, "O"));

    const QByteArray before = "[Comportement fenetre]\nRedimensionnable=N\n";
    const QString path = WriteFile(before);
    IniFile ini(path);
    EXPECT_FALSE(ini.WriteString(kSection, kKey, "O\n[Autre]"));     // would add a line
    EXPECT_FALSE(ini.WriteString(kSection, "Cle=Valeur", "O"));      // would read back otherwise
    EXPECT_FALSE(ini.WriteString(kSection, kKey, QString(u'\u03A9'))); // not in Windows-1252
    EXPECT_FALSE(ini.WriteString("", kKey, "O"));
    EXPECT_EQ(Contents(path), before);
}

TEST_F(IniFileTest, AnEditorsByteOrderMarkIsSkippedAndKept)
{
    const QString path = WriteFile("\xEF\xBB\xBF[Comportement fenetre]\r\nRedimensionnable=N\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString(kSection, kKey, "O"), "N");
    ASSERT_TRUE(ini.WriteString(kSection, kKey, "O"));
    EXPECT_EQ(Contents(path), "\xEF\xBB\xBF[Comportement fenetre]\r\nRedimensionnable=O\r\n");
}

} // namespace
} // namespace tornavel
