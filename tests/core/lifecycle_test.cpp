#include "core/engine.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct StartAndClose : ::testing::Test {
    // The program's folder, where it keeps its state files.
    TemporaryCurrentFolder folder;
    QTemporaryDir& dir = folder.dir;
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void WriteOptions(qint32 unit, quint8 display, qint32 defaultCalculator)
    {
        QFile file(Seen(engine).options.FilePath());
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
    // Calculator 4 left "3&" in its formula.
    // It left an option chosen in calculator 31 and a result code too.
    OpenFromMenu(engine, 4);
    as_family::Formula(engine, QStringLiteral("3&"));
    as_family::Option(engine, 31, 2);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.TakenBack(12); });
    engine.FormCreate(QStringLiteral("O"), QStringLiteral("."));
    EXPECT_EQ(Seen(engine).lifecycle.ProductName(), QStringLiteral("Tornavel"));
    EXPECT_EQ(Seen(engine).lifecycle.ProductVersion(), QStringLiteral("1.1"));
    EXPECT_EQ(engine.Window().caption, QStringLiteral("Tornavel"));
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("MiseANiveau")), u"Mettre à niveau Tornavel"_qs);
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("AideTornavel")), u"Aide Tornavel"_qs);
    EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("SelCalculetteFavorites")),
              u"Sélection calculatrices favorites"_qs);
    EXPECT_EQ(engine.Panel(4).formula, QString());
    EXPECT_EQ(engine.Panel(4).nextHint, u"Cliquez sur & pour saisir le terme suivant du calcul"_qs);
    EXPECT_EQ(engine.Panel(3).nextHint, QString());
    EXPECT_EQ(Seen(engine).screen.OptionSelection(31), 0);
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::None);
    EXPECT_EQ(Seen(engine).numbers.Separator(), QStringLiteral("."));
    EXPECT_EQ(Seen(engine).screen.UnitSuffixText(UnitSuffix::Angle), u"(°)"_qs);
    EXPECT_EQ(Seen(engine).screen.CalculatorName(39), u"Calculatrice fonctions mathématiques"_qs);
    // The creation opens no calculator.
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
}

TEST_F(StartAndClose, LongProductNameIsCutToNineteenCharacters)
{
#ifdef TEST_REPLACEMENT_RCC
    StringTable replaced;
    ASSERT_TRUE(replaced.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
    Engine other(AllCalculators(), replaced, ui, QStringLiteral(","));
    other.FormCreate(QStringLiteral("O"));
    EXPECT_EQ(Seen(other).lifecycle.ProductName(), QStringLiteral("TornavelReplacement"));
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
    // No key can store a value before the first activation opens a calculator: the
    // register starts empty.
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 0);
    EXPECT_EQ(Seen(engine).options.Values().UnitScaleCode, 10);
    EXPECT_EQ(Seen(engine).options.Values().LengthUnitSuffix, QStringLiteral("(cm)"));
    EXPECT_FALSE(Seen(engine).options.Values().OptionsChanged);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 0.0);
    EXPECT_EQ(engine.Window().visiblePanel, 0);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
    EXPECT_FALSE(engine.Window().upgradeItemVisible);
}

TEST_F(StartAndClose, SecondActivationReadsNothingAndPushesNothing)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    as_family::Memory(engine, 5.0);
    ChooseInUnitWindow(engine, 10);
    engine.FormActivate();
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 5.0);
    EXPECT_TRUE(Seen(engine).options.Values().OptionsChanged);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
}

TEST_F(StartAndClose, DefaultCalculatorOutsideTheCalculatorsOpensTheStandardOne)
{
    WriteOptions(10, 0, 57);
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 0);
}

TEST_F(StartAndClose, CloseDiscardsTheStackWithoutHandingBack)
{
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    as_family::Typed(engine, QStringLiteral("2*"), engine.Panel(0).result, Code::Times);
    engine.LbCalculettesDblClick(0);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 2u);
    as_family::Fields(engine, engine.Panel(engine.Window().visiblePanel).formula, QStringLiteral("9"));
    engine.FormClose();
    EXPECT_EQ(engine.Panel(0).result, QStringLiteral("0"));
    EXPECT_EQ(engine.Panel(0).formula, QStringLiteral("2*"));
}
