#include "core/engine.h"
#include "tests/support/engine_access.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct StartAndClose : ::testing::Test {
    QTemporaryDir dir;
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        EngineAccess::Options(engine).SetFilePath(dir.filePath(QStringLiteral("Options.dat")));
        EngineAccess::History(engine).SetFilePath(dir.filePath(QStringLiteral("CLS.dat")));
    }

    void WriteOptions(qint32 unit, quint8 display, qint32 defaultCalculator)
    {
        QFile file(EngineAccess::Options(engine).FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out.setByteOrder(QDataStream::LittleEndian);
        out << unit << display << defaultCalculator;
        for (int k = 0; k < 5; ++k)
            out << qint32(-1);
    }
};

} // namespace

TEST_F(StartAndClose, OnlyAnUpperCaseOAsksForAResizableWindow)
{
    engine.FormCreate(QStringLiteral("O"));
    EXPECT_TRUE(engine.WindowResizable());
    for (const char* value : {"o", "N", "", "OUI", " O"}) {
        engine.FormCreate(QString::fromLatin1(value));
        EXPECT_FALSE(engine.WindowResizable()) << value;
    }
}

TEST_F(StartAndClose, CreationPreparesCaptionsHintsAndCodes)
{
    // Calculator 4 left "3&" in its formula, then closed.
    EngineAccess::Stack(engine).OpenCalculator(4);
    EngineAccess::Context(engine).TopPanel().formula = QStringLiteral("3&");
    EngineAccess::Stack(engine).PopCalculator();
    EngineAccess::Context(engine).OptionSelection(engine.Descriptions().Of(31)) = 2;
    EngineAccess::Context(engine).Keys().SetLastKeyCode(12);
    engine.FormCreate(QStringLiteral("O"), QStringLiteral("."));
    EXPECT_EQ(EngineAccess::Lifecycle(engine).ProductName(), QStringLiteral("Tornavel"));
    EXPECT_EQ(EngineAccess::Lifecycle(engine).ProductVersion(), QStringLiteral("1.1"));
    EXPECT_EQ(engine.Window().caption, QStringLiteral("Tornavel"));
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("MiseANiveau")), u"Mettre à niveau Tornavel"_qs);
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("AideTornavel")), u"Aide Tornavel"_qs);
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("SelCalculetteFavorites")),
              u"Sélection calculatrices favorites"_qs);
    EXPECT_EQ(EngineAccess::Screen(engine).Panels()[4].formula, QString());
    EXPECT_EQ(EngineAccess::Screen(engine).Panels()[4].nextHint, u"Cliquez sur & pour saisir le terme suivant du calcul"_qs);
    EXPECT_EQ(EngineAccess::Screen(engine).Panels()[3].nextHint, QString());
    EXPECT_EQ(EngineAccess::Screen(engine).OptionSelection(31), 0);
    EXPECT_EQ(EngineAccess::Keys(engine).LastKeyCode(), Code::None);
    EXPECT_EQ(EngineAccess::Numbers(engine).Separator(), QStringLiteral("."));
    EXPECT_EQ(EngineAccess::Screen(engine).UnitSuffixText(UnitSuffix::Angle), u"(°)"_qs);
    EXPECT_EQ(EngineAccess::Screen(engine).CalculatorName(39), u"Calculatrice fonctions mathématiques"_qs);
    EXPECT_TRUE(EngineAccess::Stack(engine).Records().empty());
}

TEST_F(StartAndClose, LongProductNameIsCutToNineteenCharacters)
{
#ifdef TEST_REPLACEMENT_RCC
    StringTable replaced;
    ASSERT_TRUE(replaced.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
    Engine other(AllCalculators(), replaced, ui, QStringLiteral(","));
    EngineAccess::Options(other).SetFilePath(EngineAccess::Options(engine).FilePath());
    EngineAccess::History(other).SetFilePath(EngineAccess::History(engine).FilePath());
    other.FormCreate(QStringLiteral("O"));
    EXPECT_EQ(EngineAccess::Lifecycle(other).ProductName(), QStringLiteral("TornavelReplacement"));
    EXPECT_EQ(other.Window().caption, QStringLiteral("TornavelReplacement"));
    // The upgrade item keeps the program's own caption.
    EXPECT_EQ(other.Window().menuCaptions.value(QStringLiteral("MiseANiveau")), u"Mettre à niveau Tornavel"_qs);
    other.FormActivate();
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
#else
    GTEST_SKIP() << "no replacement resource in this build";
#endif
}

TEST_F(StartAndClose, WithoutAnOptionsFileTheStandardCalculatorOpensInCentimetres)
{
    engine.FormCreate(QStringLiteral("O"));
    EngineAccess::Context(engine).Keys().SetMemoryValue(12.0);
    engine.FormActivate();
    ASSERT_EQ(EngineAccess::Stack(engine).Records().size(), 1u);
    EXPECT_EQ(EngineAccess::Stack(engine).Top().Number, 0);
    EXPECT_EQ(EngineAccess::Options(engine).Values().UnitScaleCode, 10);
    EXPECT_EQ(EngineAccess::Options(engine).Values().LengthUnitSuffix, QStringLiteral("(cm)"));
    EXPECT_FALSE(EngineAccess::Options(engine).Values().OptionsChanged);
    EXPECT_EQ(EngineAccess::Keys(engine).MemoryValue(), 0.0);
    EXPECT_EQ(engine.Window().visiblePanel, 0);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
    EXPECT_FALSE(engine.Window().upgradeItemVisible);
}

TEST_F(StartAndClose, SecondActivationReadsNothingAndPushesNothing)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    EngineAccess::Context(engine).Keys().SetMemoryValue(5.0);
    EngineAccess::Options(engine).MarkChanged();
    engine.FormActivate();
    EXPECT_EQ(EngineAccess::Stack(engine).Records().size(), 1u);
    EXPECT_EQ(EngineAccess::Keys(engine).MemoryValue(), 5.0);
    EXPECT_TRUE(EngineAccess::Options(engine).Values().OptionsChanged);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
}

TEST_F(StartAndClose, DefaultCalculatorOutsideTheCalculatorsOpensTheStandardOne)
{
    WriteOptions(10, 0, 57);
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    ASSERT_EQ(EngineAccess::Stack(engine).Records().size(), 1u);
    EXPECT_EQ(EngineAccess::Stack(engine).Top().Number, 0);
}

TEST_F(StartAndClose, CloseDiscardsTheStackWithoutHandingBack)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    EngineAccess::Context(engine).TopPanel().formula = QStringLiteral("2*");
    EngineAccess::Context(engine).Keys().SetKeyClass(Code::Times);
    engine.LbCalculettesDblClick(0);
    ASSERT_EQ(EngineAccess::Stack(engine).Records().size(), 2u);
    EngineAccess::Context(engine).TopPanel().result = QStringLiteral("9");
    engine.FormClose();
    EXPECT_EQ(EngineAccess::Screen(engine).Panels()[0].result, QStringLiteral("0"));
    EXPECT_EQ(EngineAccess::Screen(engine).Panels()[0].formula, QStringLiteral("2*"));
}
