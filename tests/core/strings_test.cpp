#include "core/strings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tornavel;

TEST(StringTable, ReadsTheProgramsOwnTexts)
{
    StringTable t;
    EXPECT_EQ(t.Str(0), "Tornavel");
    EXPECT_EQ(t.Str(133), "1.1");
    EXPECT_EQ(t.Str(134), "Cliquez sur & pour saisir le terme suivant du calcul");
    EXPECT_EQ(t.Str(348), "Mettre à niveau Tornavel");
    EXPECT_EQ(t.Str(1006), "Aide/calculatrice-surface-cercle.html");
    EXPECT_TRUE(t.Str(138, 300).endsWith(QLatin1Char('\n')));
    // A number the table lacks reads as an empty text.
    EXPECT_EQ(t.Str(1001), QString());
    EXPECT_EQ(t.Str(-5), QString());
}

TEST(StringTable, CutsATextToItsBufferLessOne)
{
    StringTable t;
    const QString full = t.Str(138, 300);
    ASSERT_GT(full.size(), 99);
    EXPECT_EQ(t.Str(138), full.left(99));
    EXPECT_EQ(t.Str(0, 5), "Torn");
    EXPECT_EQ(t.Str(0, 0), QString());
}

TEST(StringTable, ParsesEscapesAndSkipsBadLines)
{
    const auto table = StringTable::Parse(
        "# comment\n\n1\ta\\nb\\tc\\\\d\r\nbad line\n-3\tnegative\n2\t  spaced  \nx\ty\n"
        "3\tcarr\xc3\xa9\\nm\xc3\xa8tre\\\n4\t\xc3\x89lectricit\xc3\xa9");
    EXPECT_EQ(table.size(), 4);
    EXPECT_EQ(table.value(1), "a\nb\tc\\d");
    EXPECT_EQ(table.value(2), "  spaced  ");
    // Accented letters beside escapes, a backslash ending a text, a last line without
    // its line break.
    EXPECT_EQ(table.value(3), QStringLiteral("carré\nmètre\\"));
    EXPECT_EQ(table.value(4), QStringLiteral("Électricité"));
}

TEST(StringTable, AReplacementIsTheOnlySourceExceptTheUpgradeItem)
{
    StringTable t;
    EXPECT_FALSE(t.LoadReplacement(QStringLiteral("/nonexistent/uitext.rcc")));
    EXPECT_FALSE(t.HasReplacement());
    EXPECT_EQ(t.FondPicturePath(), ":/fond.png");

    ASSERT_TRUE(t.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
    EXPECT_EQ(t.Str(134), "Autre texte");
    EXPECT_EQ(t.Str(0, 20), "TornavelReplacement");
    // No fall-back to the program's own table for a missing number.
    EXPECT_EQ(t.Str(133), QString());
    // The upgrade item's caption always comes from the program's own table.
    EXPECT_EQ(t.OwnStr(348), "Mettre à niveau Tornavel");
    EXPECT_EQ(t.FondPicturePath(), ":/uitext-replacement/FOND.png");
    EXPECT_TRUE(QFile::exists(t.FondPicturePath()));
}

// A damaged resource file is refused before Qt walks it: Qt trusts every offset in it.
TEST(StringTable, RefusesADamagedReplacementAndKeepsItsOwnTexts)
{
    QFile sound(QStringLiteral(TEST_REPLACEMENT_RCC));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    const QByteArray good = sound.readAll();
    const quint32 size = static_cast<quint32>(good.size());
    const quint32 tree = qFromBigEndian<quint32>(good.constData() + 8);
    struct Patch {
        const char* what;
        quint32 at;
        quint32 value;
    };
    const Patch patches[] = {
        {"tree offset at the end, a node cut short", 8, size - 10},
        {"data offset past the end", 12, size - 2},
        {"names offset past the end", 16, size - 2},
        {"root with more children than nodes", tree + 6, 0x7FFFFFFF},
        {"root that is its own child", tree + 10, 0},
        {"root that is a file", tree + 4, 0},
    };
    QTemporaryDir dir;
    for (const Patch& patch : patches) {
        QByteArray bad = good;
        qToBigEndian<quint32>(patch.value, bad.data() + patch.at);
        QFile file(dir.filePath(QStringLiteral("uitext.rcc")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bad);
        file.close();
        StringTable t;
        EXPECT_FALSE(t.LoadReplacement(file.fileName())) << patch.what;
        EXPECT_FALSE(t.HasReplacement()) << patch.what;
        EXPECT_EQ(t.Str(0), "Tornavel") << patch.what;
    }
}

TEST(StringTable, AReplacementStaysWhileACopyOfItsTableLives)
{
    const QString picture = QStringLiteral(":/uitext-replacement/FOND.png");
    {
        StringTable copy;
        {
            StringTable t;
            ASSERT_TRUE(t.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
            copy = t;
        }
        EXPECT_TRUE(QFile::exists(picture));
        EXPECT_EQ(copy.Str(134), "Autre texte");
    }
    EXPECT_FALSE(QFile::exists(picture));
}

// Every string number that the code reads must be in the program's own table.
TEST(StringTable, HoldsEveryNumberTheCodeReads)
{
    StringTable t;
    const QRegularExpression call(QStringLiteral(R"(\b(?:Str|OwnStr)\((\d+))"));
    for (const char* dir : {"core", "calculators", "ui", "chooser", "platform"}) {
        QDirIterator it(QStringLiteral(TORNAVEL_SOURCE_DIR "/") + QLatin1String(dir),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            for (auto m = call.globalMatch(text); m.hasNext();) {
                const int id = m.next().captured(1).toInt();
                EXPECT_TRUE(t.OwnHas(id)) << "string " << id << " read in " << f.fileName().toStdString();
            }
        }
    }
}
