#include "core/engine.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct Lifecycle : ::testing::Test {
    QTemporaryDir dir;
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        engine.OptionsFilePath = dir.filePath(QStringLiteral("Options.dat"));
        engine.HistoryFilePath = dir.filePath(QStringLiteral("CLS.dat"));
    }

    void WriteOptions(qint32 unit, quint8 display, qint32 defaultCalculator)
    {
        QFile file(engine.OptionsFilePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out.setByteOrder(QDataStream::LittleEndian);
        out << unit << display << defaultCalculator;
        for (int k = 0; k < 5; ++k)
            out << qint32(-1);
    }
};

} // namespace

TEST_F(Lifecycle, OnlyAnUpperCaseOAsksForAResizableWindow)
{
    engine.FormCreate(QStringLiteral("O"));
    EXPECT_TRUE(engine.WindowResizable);
    for (const char* value : {"o", "N", "", "OUI", " O"}) {
        engine.FormCreate(QString::fromLatin1(value));
        EXPECT_FALSE(engine.WindowResizable) << value;
    }
}

TEST_F(Lifecycle, CreationPreparesCaptionsHintsAndCodes)
{
    engine.panels[4].formula = QStringLiteral("3&");
    engine.variants.Stairs = 2;
    engine.keys.LastKeyCode = 12;
    engine.FormCreate(QStringLiteral("O"), QStringLiteral("."));
    EXPECT_EQ(engine.ProductName, QStringLiteral("Tornavel"));
    EXPECT_EQ(engine.ProductVersion, QStringLiteral("1.1"));
    EXPECT_EQ(engine.window.caption, QStringLiteral("Tornavel"));
    EXPECT_EQ(engine.window.menuCaptions.value(QStringLiteral("MiseANiveau")), u"Mettre à niveau Tornavel"_qs);
    EXPECT_EQ(engine.window.menuCaptions.value(QStringLiteral("AideTornavel")), u"Aide Tornavel"_qs);
    EXPECT_EQ(engine.window.menuCaptions.value(QStringLiteral("SelCalculetteFavorites")),
              u"Sélection calculatrices favorites"_qs);
    EXPECT_EQ(engine.panels[4].formula, QString());
    EXPECT_EQ(engine.panels[4].nextHint, u"Cliquez sur & pour saisir le terme suivant du calcul"_qs);
    EXPECT_EQ(engine.panels[3].nextHint, QString());
    EXPECT_EQ(engine.variants.Stairs, 0);
    EXPECT_EQ(engine.keys.LastKeyCode, Code::None);
    EXPECT_EQ(engine.Numbers().Separator(), QStringLiteral("."));
    EXPECT_EQ(engine.AngleUnitSuffix, u"(°)"_qs);
    EXPECT_EQ(engine.CalculatorName(39), u"Calculatrice fonctions mathématiques"_qs);
    EXPECT_TRUE(engine.CalculatorStack.empty());
}

TEST_F(Lifecycle, LongProductNameIsCutToNineteenCharacters)
{
#ifdef TEST_REPLACEMENT_RCC
    StringTable replaced;
    ASSERT_TRUE(replaced.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
    Engine other(AllCalculators(), replaced, ui, QStringLiteral(","));
    other.OptionsFilePath = engine.OptionsFilePath;
    other.HistoryFilePath = engine.HistoryFilePath;
    other.FormCreate(QStringLiteral("O"));
    EXPECT_EQ(other.ProductName, QStringLiteral("TornavelReplacement"));
    EXPECT_EQ(other.window.caption, QStringLiteral("TornavelReplacement"));
    // The upgrade item keeps the program's own caption.
    EXPECT_EQ(other.window.menuCaptions.value(QStringLiteral("MiseANiveau")), u"Mettre à niveau Tornavel"_qs);
    other.FormActivate();
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
#else
    GTEST_SKIP() << "no replacement resource in this build";
#endif
}

TEST_F(Lifecycle, WithoutAnOptionsFileTheStandardCalculatorOpensInCentimetres)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.keys.MemoryValue = 12.0;
    engine.FormActivate();
    ASSERT_EQ(engine.CalculatorStack.size(), 1u);
    EXPECT_EQ(engine.Top().Number, 0);
    EXPECT_EQ(engine.options.UnitScaleCode, 10);
    EXPECT_EQ(engine.options.LengthUnitSuffix, QStringLiteral("(cm)"));
    EXPECT_FALSE(engine.options.OptionsChanged);
    EXPECT_EQ(engine.keys.MemoryValue, 0.0);
    EXPECT_EQ(engine.window.visiblePanel, 0);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
    EXPECT_FALSE(engine.window.upgradeItemVisible);
}

TEST_F(Lifecycle, SecondActivationReadsNothingAndPushesNothing)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    engine.keys.MemoryValue = 5.0;
    engine.options.OptionsChanged = true;
    engine.FormActivate();
    EXPECT_EQ(engine.CalculatorStack.size(), 1u);
    EXPECT_EQ(engine.keys.MemoryValue, 5.0);
    EXPECT_TRUE(engine.options.OptionsChanged);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
}

TEST_F(Lifecycle, DefaultCalculatorOutsideTheCalculatorsOpensTheStandardOne)
{
    WriteOptions(10, 0, 57);
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    ASSERT_EQ(engine.CalculatorStack.size(), 1u);
    EXPECT_EQ(engine.Top().Number, 0);
}

TEST_F(Lifecycle, CloseDiscardsTheStackWithoutHandingBack)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    engine.TopPanel().formula = QStringLiteral("2*");
    engine.keys.KeyClass = Code::Times;
    engine.LbCalculettesDblClick(0);
    ASSERT_EQ(engine.CalculatorStack.size(), 2u);
    engine.TopPanel().result = QStringLiteral("9");
    engine.FormClose();
    EXPECT_EQ(engine.panels[0].result, QStringLiteral("0"));
    EXPECT_EQ(engine.panels[0].formula, QStringLiteral("2*"));
}
