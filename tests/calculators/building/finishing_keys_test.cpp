// The finishing calculators 25 to 31 on the real keys: worked cases, checks, CE,
// option buttons, history and the loops that must end on any value.

#include "core/calcerror.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/numbers.h"
#include "tests/calculators/protocol/protocol_fixture.h"

#include <cmath>
#include <limits>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

enum : int { CeilingPaint = 25, WallPaint = 26, Wallpaper = 27, Panelling = 28, Gable = 29, Parquet = 30, Stairs = 31 };

const char* const Refused = "Erreur de saisie : Valeur non valide !";
const char* const ByZero = "Division par zéro en virgule flottante";
const char* const Invalid = "Opération en virgule flottante incorrecte";

// Keys typed in a unit ("m" recalls `memory`), and what the panel then shows; the
// message is the input-error message or the floating-point error that ends a key.
struct Keyed {
    int unit;
    const char* keys;
    const char* formula;
    const char* result;
    const char* prompt;
    const char* message = nullptr;
    double memory = 0.0;
};

struct FinishingKeys : ProtocolTest {
    QStringList errors;

    // The keys as the window sends them: a floating-point error ends its key only.
    void Run(std::string_view script)
    {
        for (size_t i = 0; i < script.size(); ++i) {
            const size_t length = script[i] == '#' || script[i] == '@' ? 2 : 1;
            try {
                Keys(script.substr(i, length));
            } catch (const CalcError& error) {
                errors << error.message();
            }
            i += length - 1;
        }
    }
    void Expect(int number, const Keyed& c)
    {
        SCOPED_TRACE(::testing::Message() << number << " " << c.keys << " in unit " << c.unit);
        ui.messages.clear();
        errors.clear();
        OpenIn(number, c.unit);
        as_family::Memory(engine, c.memory);
        Run(c.keys);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Panel().result, QString::fromUtf8(c.result));
        EXPECT_EQ(Panel().prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(ui.messages + errors, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
    void ExpectAll(int number, std::initializer_list<Keyed> cases)
    {
        for (const Keyed& c : cases)
            Expect(number, c);
    }
};

TEST_F(FinishingKeys, CeilingPaint)
{
    ExpectAll(CeilingPaint, {
        {Metre, "12&#4&10&2=", "Peinture(12&Plâtre&10&2)=2,4", "2,4", "Peinture (litres)"},
        {Metre, "20&#1&8&1=", "Peinture(20&Parpaing&8&1)=7,5", "7,5", "Peinture (litres)"},
        {Millimetre, "20&#1&8&1=", "Peinture(20&Parpaing&8&1)=7,5", "7,5", "Peinture (litres)"},
        {Inch, "20&#1&8&1=", "Peinture(20&Parpaing&8&1)=7,5", "7,5", "Peinture (litres)"},
        // Any surface, a negative yield, 0 or a negative whole number of coats.
        {Centimetre, "0&#4&10&2=", "Peinture(0&Plâtre&10&2)=0", "0", "Peinture (litres)"},
        {Metre, "m&#4&10&2=", "Peinture(-12&Plâtre&10&2)=-2,4", "-2,4", "Peinture (litres)", nullptr, -12},
        {Metre, "12&#4&m&2=", "Peinture(12&Plâtre&-10&2)=-2,4", "-2,4", "Peinture (litres)", nullptr, -10},
        {Metre, "12&#4&10&0=", "Peinture(12&Plâtre&10&0)=0", "0", "Peinture (litres)"},
        {Metre, "12&#4&10&m=", "Peinture(12&Plâtre&10&-2)=-2,4", "-2,4", "Peinture (litres)", nullptr, -2},
        // A yield of 0, a fractional number of coats, more coats than a whole number holds.
        {Metre, "12&#4&0&", "12&Plâtre&", "0", "Rendement (m2/l)", Refused},
        {Metre, "12&#4&10&2,5=", "12&Plâtre&10&", "0", "Nombre couches", Refused},
        {Metre, "12&#4&10&m=", "12&Plâtre&10&", "0", "Nombre couches", Refused, 3e9},
        // "&&" with no row chosen does nothing; a second row replaces the first.
        {Metre, "12&&", "12&", "12", "Type surface"},
        {Metre, "12&#1#4", "12&Plâtre", "0", "Type surface"},
        // CE on a choice, on the closed choice, on a result; "f=" again from the last term.
        {Metre, "12&#1<", "12&", "0", "Type surface"},
        {Metre, "12&#1&<", "12&Parpaing", "0", "Type surface"},
        {Metre, "12&#4&10&2=<", "12&Plâtre&10&2", "0", "Nombre couches"},
        {Metre, "12&#4&10&2=<=", "Peinture(12&Plâtre&10&2)=2,4", "2,4", "Peinture (litres)"},
        // "f=" before the last input, or on an empty one, does nothing.
        {Metre, "12&#4&10=", "12&Plâtre&10", "10", "Rendement (m2/l)"},
        {Metre, "12&#4&10&=", "12&Plâtre&10&", "10", "Nombre couches"},
    });
}

TEST_F(FinishingKeys, WallPaint)
{
    ExpectAll(WallPaint, {
        {Centimetre, "30&4&#1&10&2=", "Peinture(30&4&Parpaing&10&2)=15,6", "15,6", "Peinture (litres)"},
        {Millimetre, "30&4&#1&10&2=", "Peinture(30&4&Parpaing&10&2)=15,6", "15,6", "Peinture (litres)"},
        {Inch, "30&4&#1&10&2=", "Peinture(30&4&Parpaing&10&2)=15,6", "15,6", "Peinture (litres)"},
        {Metre, "12&0&#4&10&2=", "Peinture(12&0&Plâtre&10&2)=2,4", "2,4", "Peinture (litres)"},
        {Metre, "12&m&#4&10&2=", "Peinture(12&-3&Plâtre&10&2)=3", "3", "Peinture (litres)", nullptr, -3},
        {Metre, "0&m&#4&10&2=", "Peinture(0&-12&Plâtre&10&2)=2,4", "2,4", "Peinture (litres)", nullptr, -12},
        {Centimetre, "30&30&", "30&", "0", "Surf ouvertures (cm2)", Refused},
        {Centimetre, "30&4&#1&0&", "30&4&Parpaing&", "0", "Rendement (cm2/l)", Refused},
        {Centimetre, "30&4&#1&10&1,5=", "30&4&Parpaing&10&", "0", "Nombre couches", Refused},
        {Centimetre, "30&4&#0#1&10&2=", "Peinture(30&4&Parpaing&10&2)=15,6", "15,6", "Peinture (litres)"},
        {Centimetre, "30&4&#1&<", "30&4&Parpaing", "0", "Type surface"},
        {Centimetre, "30&4&#1&10&2=<", "30&4&Parpaing&10&2", "0", "Nombre couches"},
        {Centimetre, "30&4&#1&10=", "30&4&Parpaing&10", "10", "Rendement (cm2/l)"},
    });
}

TEST_F(FinishingKeys, PaintListShowsTheChoiceThatCeTakesBack)
{
    struct Case {
        int number;
        const char* keys;
        bool listVisible;
        int selected;
    };
    const Case cases[] = {
        {CeilingPaint, "12&", true, -1},     {CeilingPaint, "12&#1#4", true, 4},
        {CeilingPaint, "12&#1<", true, -1},  {CeilingPaint, "12&#1&<", true, 1},
        {WallPaint, "30&4&#3&<", true, 3},   {WallPaint, "30&4&#3&10&", false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        OpenIn(c.number, Metre);
        Run(c.keys);
        EXPECT_EQ(Panel().listVisible, c.listVisible);
        EXPECT_EQ(Panel().resultVisible, !c.listVisible);
        EXPECT_EQ(Seen(engine).keys.KeypadEnabled(), !c.listVisible);
        EXPECT_EQ(Panel().listIndex, c.selected);
    }
}

TEST_F(FinishingKeys, Wallpaper)
{
    ExpectAll(Wallpaper, {
        {Centimetre, "400&250&1000&53&10=", "Rouleaux(400&250&1000&53&10)=3", "3", "Rouleaux"},
        {Millimetre, "4000&2500&10000&530&100=", "Rouleaux(4000&2500&10000&530&100)=3", "3", "Rouleaux"},
        // The supplement stays below 150 cm, whatever the unit.
        {Centimetre, "400&250&1000&53&150=", "400&250&1000&53&", "0", "Suppléments (cm)", Refused},
        {Centimetre, "400&250&1000&53&149=", "Rouleaux(400&250&1000&53&149)=4", "4", "Rouleaux"},
        {Metre, "4&2,5&10&0,53&1,5=", "4&2,5&10&0,53&", "0", "Suppléments (m)", Refused},
        {Inch, "160&100&400&21&59=", "Rouleaux(160&100&400&21&59)=4", "4", "Rouleaux"},
        {Centimetre, "400&250&1000&53&m=", "400&250&1000&53&", "0", "Suppléments (cm)", Refused, 1e300},
        // The roll at least as long as the wall is high and at most as wide as it is long.
        {Centimetre, "400&250&250&", "400&250&250&", "250", "Largeur rouleau (cm)"},
        {Centimetre, "400&250&249&", "400&250&", "0", "Longueur rouleau (cm)", Refused},
        {Centimetre, "400&250&1000&1000&", "400&250&1000&1000&", "1000", "Suppléments (cm)"},
        {Centimetre, "400&250&1000&1001&", "400&250&1000&", "0", "Largeur rouleau (cm)", Refused},
        // No strip fits the roll, or a roll width of 0: the floating-point error, never
        // an infinity; the panel stays as it was.
        {Centimetre, "400&250&250&53&0=", "400&250&250&53&0", "0", "Suppléments (cm)", ByZero},
        {Centimetre, "400&250&1000&0&10=", "400&250&1000&0&10", "10", "Suppléments (cm)", ByZero},
        {Centimetre, "0&250&1000&0&10=", "0&250&1000&0&10", "10", "Suppléments (cm)", Invalid},
        {Centimetre, "400&&", "400&", "400", "Hauteur mur (cm)"},
        {Centimetre, "400&250&1000&53&10=<", "400&250&1000&53&10", "0", "Suppléments (cm)"},
    });
}

TEST_F(FinishingKeys, WallPanelling)
{
    ExpectAll(Panelling, {
        {Centimetre, "300&250&10=", "Linéaire(300&250&10)=7680", "7680", "Linéaire (cm)"},
        {Centimetre, "300&250&10=@1", "Linéaire(300&250&10)=1800", "1800", "Linéaire (cm)"},
        {Centimetre, "300&250&10=@2", "Clips(300&250&10)=150", "150", "Clips"},
        {Centimetre, "300&250&10=@2@2", "Clips(300&250&10)=150", "150", "Clips"},
        {Millimetre, "3000&2500&100=", "Linéaire(3000&2500&100)=76800", "76800", "Linéaire (mm)"},
        {Metre, "3&2,5&0,1=", "Linéaire(3&2,5&0,1)=76,8", "76,8", "Linéaire (m)"},
        {Metre, "3&2,5&0,1=@1", "Linéaire(3&2,5&0,1)=18", "18", "Linéaire (m)"},
        // 54 cm above the first 4 add no batten; 1,12 m counts as 112 cm.
        {Centimetre, "@1300&58&10=", "Linéaire(300&58&10)=600", "600", "Linéaire (cm)"},
        {Centimetre, "@1300&112&10=", "Linéaire(300&112&10)=900", "900", "Linéaire (cm)"},
        {Metre, "@13&1,12&0,1=", "Linéaire(3&1,12&0,1)=9", "9", "Linéaire (m)"},
        {Centimetre, "@1300&113&10=", "Linéaire(300&113&10)=1200", "1200", "Linéaire (cm)"},
        // The board narrower than the wall and than 100 cm, and wider than 0.
        {Centimetre, "300&250&99,9=", "Linéaire(300&250&99,9)=1024", "1024", "Linéaire (cm)"},
        {Centimetre, "300&250&300=", "300&250&", "0", "Largeur lambris (cm)", Refused},
        {Metre, "3&2,5&1=", "3&2,5&", "0", "Largeur lambris (m)", Refused},
        {Centimetre, "300&250&0=", "300&250&", "0", "Largeur lambris (cm)", Refused},
        {Centimetre, "@1300&250&m=", "300&250&", "0", "Largeur lambris (cm)", Refused, -10},
        // "&&" on a result starts over.
        {Centimetre, "300&250&10=&", "", "0", "Longueur mur (cm)"},
    });
}

TEST_F(FinishingKeys, GablePanelling)
{
    ExpectAll(Gable, {
        {Centimetre, "600&400&250&10=", "Linéaire(600&400&250&10)=20010", "20010", "Linéaire (cm)"},
        {Centimetre, "600&400&250&10=@1", "Linéaire(600&400&250&10)=4500", "4500", "Linéaire (cm)"},
        {Centimetre, "600&400&250&10=@2", "Clips(600&400&250&10)=390", "390", "Clips"},
        {Centimetre, "55&32&10&10=", "Linéaire(55&32&10&10)=182", "182", "Linéaire (cm)"},
        {Centimetre, "@1600&260&250&10=", "Linéaire(600&260&250&10)=3600", "3600", "Linéaire (cm)"},
        {Centimetre, "@1600&58&50&10=", "Linéaire(600&58&50&10)=1200", "1200", "Linéaire (cm)"},
        {Centimetre, "450&300&250&10=", "Linéaire(450&300&250&10)=12694,45", "12694,45", "Linéaire (cm)"},
        {Millimetre, "6000&4000&2500&100=", "Linéaire(6000&4000&2500&100)=200100", "200100", "Linéaire (mm)"},
        {Millimetre, "@26000&4000&2500&100=", "Clips(6000&4000&2500&100)=390", "390", "Clips"},
        {Centimetre, "600&400&400&", "600&400&", "0", "Hauteur mur (cm)", Refused},
        {Centimetre, "600&10&5&10=", "600&10&5&", "0", "Largeur lambris (cm)", Refused},
        {Centimetre, "600&400&250&100=", "600&400&250&", "0", "Largeur lambris (cm)", Refused},
        // A board width of 0 would never walk along the wall.
        {Centimetre, "600&400&250&0=", "600&400&250&", "0", "Largeur lambris (cm)", Refused},
        {Centimetre, "0&400&250&10=", "0&400&250&10", "10", "Largeur lambris (cm)", ByZero},
    });
}

TEST_F(FinishingKeys, Parquet)
{
    ExpectAll(Parquet, {
        {Centimetre, "500&400&#0=", "Surface(500&400&Pose droite)=208000", "208000", "Surface (cm2)"},
        {Centimetre, "500&400&#1=", "Surface(500&400&Pose diagonale)=220000", "220000", "Surface (cm2)"},
        {Metre, "10&5&#0=", "Surface(10&5&Pose droite)=52", "52", "Surface (m2)"},
        {Centimetre, "500&400&#0=@1", "Linéaire(500&400&Pose droite)=5000", "5000", "Linéaire (cm)"},
        {Metre, "@110&5&#0=", "Linéaire(10&5&Pose droite)=130", "130", "Linéaire (m)"},
        // Joists by the shorter side: 4 up to 139 cm, 5 up to 184, 6 up to 229.
        {Centimetre, "@1500&139&#0=", "Linéaire(500&139&Pose droite)=2000", "2000", "Linéaire (cm)"},
        {Centimetre, "@1500&140&#0=", "Linéaire(500&140&Pose droite)=2500", "2500", "Linéaire (cm)"},
        {Centimetre, "@1184&500&#0=", "Linéaire(184&500&Pose droite)=2500", "2500", "Linéaire (cm)"},
        {Centimetre, "@1500&229&#0=", "Linéaire(500&229&Pose droite)=3000", "3000", "Linéaire (cm)"},
        {Centimetre, "@1500&230&#0=", "Linéaire(500&230&Pose droite)=3500", "3500", "Linéaire (cm)"},
        // Sides of 100 cm at least, after the conversion.
        {Centimetre, "99&", "", "0", "Longueur surface (cm)", Refused},
        {Centimetre, "500&99,9&", "500&", "0", "Largeur surface (cm)", Refused},
        {Metre, "0,99&", "", "0", "Longueur surface (m)", Refused},
        {Metre, "1&1&", "1&1&", "1", "Type de pose"},
        // Another pattern replaces the first; "f=" without one does nothing; after a
        // result the keypad is off.
        {Centimetre, "500&400&#0#1", "500&400&Pose diagonale", "0", "Type de pose"},
        {Centimetre, "500&400&=", "500&400&", "400", "Type de pose"},
        {Centimetre, "500&400&#0=5m", "Surface(500&400&Pose droite)=208000", "208000", "Surface (cm2)"},
        {Centimetre, "500&400&#0=<", "500&400&Pose droite", "0", "Type de pose"},
        {Centimetre, "500&400&#0=<=", "Surface(500&400&Pose droite)=208000", "208000", "Surface (cm2)"},
    });
}

TEST_F(FinishingKeys, Stairs)
{
    ExpectAll(Stairs, {
        {Centimetre, "272&25=", "Hauteur marches(272&25)=17", "17", "Hauteur marches (cm)"},
        {Centimetre, "272&25=@1", "Marches(272&25)=16", "16", "Marches"},
        {Centimetre, "272&25=@2", "Reculement(272&25)=375", "375", "Reculement (cm)"},
        {Centimetre, "250&28=", "Hauteur marches(250&28)=16,67", "16,67", "Hauteur marches (cm)"},
        {Centimetre, "250&28=@2", "Reculement(250&28)=392", "392", "Reculement (cm)"},
        {Centimetre, "300&25=", "Hauteur marches(300&25)=17,65", "17,65", "Hauteur marches (cm)"},
        // 2,28 m are 228 cm: 12 risers of 19.
        {Metre, "@12,28&0,25=", "Marches(2,28&0,25)=12", "12", "Marches"},
        {Centimetre, "@1228&25=", "Marches(228&25)=12", "12", "Marches"},
        // The tread up to the whole centimetre, written so.
        {Centimetre, "272&23,5=", "Hauteur marches(272&24)=17", "17", "Hauteur marches (cm)"},
        {Millimetre, "2720&245=", "Hauteur marches(2720&250)=170", "170", "Hauteur marches (mm)"},
        {Centimetre, "272&64,2=", "272&", "0", "Longueur giron (cm)", Refused},
        {Centimetre, "31&25=", "31&", "0", "Longueur giron (cm)", Refused},
        {Centimetre, "15,9&25=", "15,9&", "0", "Longueur giron (cm)", Refused},
        {Centimetre, "272=", "272", "272", "Hauteur sol à sol (cm)"},
        // CE asks for the height again without its unit, which C shows.
        {Centimetre, "272&<", "272", "0", "Hauteur sol à sol"},
        {Inch, "107&<<", "", "0", "Hauteur sol à sol"},
        {Inch, "107&<!", "", "0", "Hauteur sol à sol (in)"},
        {Centimetre, "272&25=<", "272&25", "0", "Longueur giron (cm)"},
    });
}

TEST_F(FinishingKeys, MemoryAndHistoryEntries)
{
    struct Case {
        int number;
        int unit;
        const char* keys;
        double memory;  // 7: left alone
        int entries;
    };
    const Case cases[] = {
        {CeilingPaint, Metre, "12&#4&10&2=", 2.4, 1},
        {Wallpaper, Centimetre, "400&250&1000&53&10=", 3, 1},
        {Panelling, Millimetre, "3000&2500&100=", 76800, 1},
        {Panelling, Millimetre, "3000&2500&100=@2", 150, 1},
        {Gable, Millimetre, "6000&4000&2500&100=@2", 390, 1},
        {Parquet, Centimetre, "500&400&#0=@1", 7, 1},
        {Stairs, Centimetre, "272&25=@1", 16, 1},
        {Stairs, Centimetre, "272&25=<=", 17, 2},
        {Wallpaper, Centimetre, "400&250&1000&0&10=", 7, 0},
        {Stairs, Centimetre, "31&25=", 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        OpenIn(c.number, c.unit);
        const int before = Entries();
        as_family::Memory(engine, 7);
        Run(c.keys);
        EXPECT_EQ(Seen(engine).keys.MemoryValue(), c.memory);
        EXPECT_EQ(Entries() - before, c.entries);
    }
}

TEST_F(FinishingKeys, LoopsEndAtOnceOnExtremeValues)
{
    // Each input of the loops recalled as 0, a negative value or 1E300 (the others
    // typed): "f=" ends with a result, an input error or a floating-point error.
    struct Case {
        int number;
        int variant;
        const char* keys;
    };
    const Case cases[] = {
        {Panelling, 1, "m&250&10="},  {Panelling, 1, "300&m&10="},  {Panelling, 0, "300&250&m="},
        {Gable, 0, "m&400&250&10="},  {Gable, 0, "600&m&250&10="}, {Gable, 0, "600&400&m&10="},
        {Gable, 0, "600&400&250&m="}, {Gable, 1, "600&m&250&10="}, {Gable, 1, "600&400&m&10="},
        {Parquet, 1, "m&400&#0="},    {Parquet, 1, "m&m&#1="},
    };
    for (const Case& c : cases) {
        for (double value : {0.0, -5.0, 1e300, -1e300}) {
            SCOPED_TRACE(::testing::Message() << c.number << " " << c.keys << " " << value);
            ui.messages.clear();
            errors.clear();
            OpenIn(c.number);
            engine.VariantClick(c.number, c.variant);
            as_family::Memory(engine, value);
            Run(c.keys);
            const bool shown = Code() == engine.Descriptions().Of(c.number).resultCode;
            EXPECT_EQ(shown, (ui.messages + errors).isEmpty());
            if (shown) {
                EXPECT_TRUE(std::isfinite(TextToNumber(Panel().result, QStringLiteral(","))));
            }
        }
    }
}

TEST_F(FinishingKeys, PanellingChoiceFollowsFromOneCalculatorToTheOther)
{
    OpenIn(Panelling);
    Run("@2");
    Open(Gable);
    EXPECT_TRUE(Panel().radios[2].checked);
    EXPECT_FALSE(Panel().radios[0].checked);
    Run("600&400&250&10=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Clips(600&400&250&10)=390"));
    Run("@1");
    Open(Panelling);
    EXPECT_TRUE(Panel().radios[1].checked);
    Run("300&250&10=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Linéaire(300&250&10)=1800"));
}

TEST_F(FinishingKeys, ReplayComputesTheOptionOnNowAndTheStoredChoices)
{
    struct Case {
        int number;
        int unit;
        const char* keys;  // typed, then C and an option button
        int option;
        const char* replayed;
    };
    const Case cases[] = {
        {CeilingPaint, Metre, "12&#4&10&2=", 0, "Peinture(12&Plâtre&10&2)=2,4"},
        {WallPaint, Centimetre, "30&4&#1&10&2=", 0, "Peinture(30&4&Parpaing&10&2)=15,6"},
        {Wallpaper, Millimetre, "4000&2500&10000&530&100=", 0, "Rouleaux(4000&2500&10000&530&100)=3"},
        {Panelling, Centimetre, "300&250&10=", 2, "Clips(300&250&10)=150"},
        {Gable, Millimetre, "6000&4000&2500&100=", 2, "Clips(6000&4000&2500&100)=390"},
        {Parquet, Metre, "10&5&#1=", 1, "Linéaire(10&5&Pose diagonale)=130"},
        {Stairs, Millimetre, "2720&245=", 1, "Marches(2720&250)=16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        OpenIn(c.number, c.unit);
        const int before = Entries();
        Run(c.keys);
        Run("!");
        engine.VariantClick(c.number, c.option);
        SetUnit(Centimetre);
        engine.TraitArticleMCalculs(before);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.replayed));
        EXPECT_EQ(Entries() - before, 1);
        // The paint list is filled again with no row chosen.
        if (c.number == CeilingPaint || c.number == WallPaint) {
            EXPECT_EQ(Panel().listRows.size(), 5);
            EXPECT_EQ(Panel().listIndex, -1);
        }
        engine.PopupMCalculsPopup();
        EXPECT_TRUE(engine.Window().historyCaptions.back().endsWith(
            QStringLiteral(": ") + QString::fromUtf8(c.keys).section(QLatin1Char('&'), 0, 0) + QStringLiteral("...")))
            << engine.Window().historyCaptions.back().toStdString();
    }
}

TEST_F(FinishingKeys, ReplayOfAStoredSurfaceTypeOrPatternOutsideItsTableComputesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int number;
        const char* text;
        std::initializer_list<double> inputs;
        int termIndex;
    };
    const Case cases[] = {
        {CeilingPaint, "12&x&10&2", {12, 5, 10, 2}, 3},       {CeilingPaint, "12&x&10&2", {12, -1, 10, 2}, 3},
        {CeilingPaint, "12&x&10&2", {12, nan, 10, 2}, 3},     {WallPaint, "30&4&x&10&2", {30, 4, 1e300, 10, 2}, 4},
        {Parquet, "500&400&x", {500, 400, 2}, 2},             {Parquet, "500&400&x", {500, 400, -1e300}, 2},
        {Parquet, "500&400&x", {500, 400, nan}, 2},           {Parquet, "5&400&Pose droite", {5, 400, 0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Open(c.number);
        as_family::Memory(engine, 7);
        Replay(c.number, QString::fromUtf8(c.text), c.inputs, c.termIndex);
        EXPECT_NE(Code(), engine.Descriptions().Of(c.number).resultCode);
        EXPECT_FALSE(Panel().formula.contains(QLatin1Char('=')));
        EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7);
    }
}

} // namespace
