// The tile gauge (19), roof (21), concrete (23) and slabs (24) calculators on the real keys.

#include "tests/calculators/protocol/protocol_fixture.h"
#include "tests/support/engine_view.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using BuildingTest = ProtocolTest;

const char* const Refused = "Erreur de saisie : Valeur non valide !";

TEST_F(BuildingTest, TileGaugeWorkedCases)
{
    const Worked cases[] = {
        {Centimetre, "50&10=", "Pureau(50&10)=20", "20", "Pureau (cm)"},
        {Millimetre, "500&100,5=", "Pureau(500&100,5)=199,75", "199,75", "Pureau (mm)"},
        {Centimetre, "30&30=", "30&", "0", "Recouvrement (cm)", Refused},
        {Centimetre, "30&40=", "30&", "0", "Recouvrement (cm)", Refused},
        // "f=" again does nothing; "&&" on a result starts over.
        {Centimetre, "50&10==", "Pureau(50&10)=20", "20", "Pureau (cm)"},
        {Centimetre, "50&10=&", "", "0", "Longueur tuile (cm)"},
        {Centimetre, "50&10=&5&", "5&", "5", "Recouvrement (cm)"},
        // A typed 0 is an input; "&&" twice, or on the last input, does nothing.
        {Centimetre, "0&&", "0&", "0", "Recouvrement (cm)"},
        {Centimetre, "50&10&", "50&10", "10", "Recouvrement (cm)"},
        // Typing after CE on a result replaces the last term (not "50&105").
        {Centimetre, "50&10=<5=", "Pureau(50&5)=22,5", "22,5", "Pureau (cm)"},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, TileGauge, c);
}

TEST_F(BuildingTest, RoofWorkedCases)
{
    const Worked cases[] = {
        {Centimetre, "500&400&20&35=", "Tuiles(500&400&20&35)=320", "320", "Tuiles"},
        {Centimetre, "500&400&20&35=@1", "Linéaire(500&400&20&35)=6400", "6400", "Linéaire (cm)"},
        {Metre, "5&4&0,2&0,35=", "Tuiles(5&4&0,2&0,35)=320", "320", "Tuiles"},
        {Metre, "5&4&0,2&0,35=@1", "Linéaire(5&4&0,2&0,35)=64", "64", "Linéaire (m)"},
        // 10000 / (20 x 25) is exactly 20 tiles a square metre, and one more: 21.
        {Centimetre, "500&400&20&25=", "Tuiles(500&400&20&25)=420", "420", "Tuiles"},
        // 5,1 x 4 x 16 = 326,4 tiles: 327.
        {Centimetre, "510&400&20&35=", "Tuiles(510&400&20&35)=327", "327", "Tuiles"},
        // 490 / 35 is exactly 14 gauges: 15 rows of battens.
        {Centimetre, "@1490&400&20&35=", "Linéaire(490&400&20&35)=6000", "6000", "Linéaire (cm)"},
        // 2,1 / 0,3 is 7.000000000000001 in binary: 7 gauges, 8 rows of battens.
        {Metre, "@12,1&4&0,2&0,3=", "Linéaire(2,1&4&0,2&0,3)=32", "32", "Linéaire (m)"},
        // Below one metre: battens only; the tiles, also asked for by the button, refused.
        {Centimetre, "90&400&20&35=", "90&400&20&", "0", "Pureau (cm)", Refused},
        {Centimetre, "500&99&20&35=", "500&99&20&", "0", "Pureau (cm)", Refused},
        {Centimetre, "100&400&20&35=", "Tuiles(100&400&20&35)=64", "64", "Tuiles"},
        {Centimetre, "500&100&20&35=", "Tuiles(500&100&20&35)=80", "80", "Tuiles"},
        {Centimetre, "@190&400&20&35=", "Linéaire(90&400&20&35)=1600", "1600", "Linéaire (cm)"},
        // Refused from a shown result, CE puts the four terms back.
        {Centimetre, "@190&400&20&35=@0", "90&400&20&35", "0", "Pureau (cm)", Refused},
        // The tile width and the gauge must be shorter than the slope both ways.
        {Centimetre, "500&400&400&", "500&400&", "0", "Largeur tuile (cm)", Refused},
        {Centimetre, "500&400&20&500=", "500&400&20&", "0", "Pureau (cm)", Refused},
        {Centimetre, "500&400&20&0=", "500&400&20&", "0", "Pureau (cm)", Refused},
        {Centimetre, "500&400&0&35=", "500&400&0&", "0", "Pureau (cm)", Refused},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, Roof, c);
}

TEST_F(BuildingTest, ConcreteWorkedCases)
{
    const Worked cases[] = {
        {Metre, "2&#0=", "Ciment(2&Fondations)=600", "600", "Ciment (kg)"},
        {Metre, "2&#0=@2", "Sable(2&Fondations)=1440", "1440", "Sable (kg)"},
        {Metre, "2&#0=@3", "Gravier(2&Fondations)=2330", "2330", "Gravier (kg)"},
        {Metre, "2&#0=@1", "Eau(2&Fondations)=0,133333333333333", "0,133333333333333", "Eau (m3)"},
        {Centimetre, "2000000&#1=", "Ciment(2000000&Mortier)=700", "700", "Ciment (kg)"},
        {Centimetre, "2000000&#1=@3", "Gravier(2000000&Mortier)=2350", "2350", "Gravier (kg)"},
        {Centimetre, "2000000&#1=@1", "Eau(2000000&Mortier)=500000", "500000", "Eau (cm3)"},
        {Metre, "2&#2=@3", "Gravier(2&Tous usages)=0", "0", "Gravier (kg)"},
        // Another kind replaces the first; "f=" before a kind does nothing.
        {Metre, "2&#0#2", "2&Tous usages", "0", "Type béton"},
        {Metre, "2&=", "2&", "2", "Type béton"},
        // After a result digits do nothing; "&&" clears, the next digits start anew.
        {Metre, "2&#0=5", "Ciment(2&Fondations)=600", "600", "Ciment (kg)"},
        {Metre, "2&#0=&5", "5", "5", "Volume beton (m3)"},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, Concrete, c);
}

TEST_F(BuildingTest, ConcreteLeavesTheCodesAtItsNextTermAndTheKeypadOffAfterItsResult)
{
    OpenIn(Concrete, Metre);
    Keys("2");
    Next();
    EXPECT_EQ(Code(), Code::None);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Digit);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    Keys("#1=");
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().listVisible);
    // CE reopens the list, its choice still selected.
    CE();
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listIndex, 1);
    EXPECT_EQ(Panel().formula, QStringLiteral("2&Mortier"));
}

TEST_F(BuildingTest, SlabsWorkedCases)
{
    const Worked cases[] = {
        {Centimetre, "100000&30&30=", "Dalles(100000&30&30)=112", "112", "Dalles"},
        {Centimetre, "100000&30&30=@1", "Colle(100000&30&30)=20", "20", "Colle (kg)"},
        {Metre, "10&0,3&0,3=", "Dalles(10&0,3&0,3)=112", "112", "Dalles"},
        {Metre, "10&0,3&0,3=@1", "Colle(10&0,3&0,3)=20", "20", "Colle (kg)"},
        {Centimetre, "900&30&30=", "Dalles(900&30&30)=1", "1", "Dalles"},
        {Centimetre, "901&30&30=", "Dalles(901&30&30)=2", "2", "Dalles"},
        // 0,81 / (0,3 x 0,3) is 9.000000000000002 in binary: 9 slabs, as shown.
        {Metre, "0,81&0,3&0,3=", "Dalles(0,81&0,3&0,3)=9", "9", "Dalles"},
        {Centimetre, "30&30&", "30&", "0", "Longueur dalle (cm)", Refused},
        {Centimetre, "30&20&30=", "30&20&", "0", "Largeur dalle (cm)", Refused},
        {Centimetre, "100000&30&30=&", "", "0", "Surface (cm2)"},
        {Centimetre, "100000&30&30==", "Dalles(100000&30&30)=112", "112", "Dalles"},
        // "f=" before the last input does nothing; CE walks back one step at a time.
        {Centimetre, "100&30=", "100&30", "30", "Longueur dalle (cm)"},
        {Centimetre, "100000&30&<", "100000&30", "0", "Longueur dalle (cm)"},
        {Centimetre, "100000&30&<<", "100000&", "0", "Longueur dalle (cm)"},
        {Centimetre, "100000&30&<<<", "100000", "0", "Surface (cm2)"},
        {Centimetre, "100000&30&<<<<", "", "0", "Surface (cm2)"},
        // An option button: before a result it only selects; the one already on does nothing.
        {Centimetre, "100000&30&30=@1@1", "Colle(100000&30&30)=20", "20", "Colle (kg)"},
        // The glue needs no slab size.
        {Centimetre, "@1100000&0&0=", "Colle(100000&0&0)=20", "20", "Colle (kg)"},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, Slabs, c);
}

TEST_F(BuildingTest, HistoryCaptionsShowTheFirstInputAsTyped)
{
    struct Case {
        int number;
        int unit;
        const char* keys;
        const char* first;
    };
    const Case cases[] = {
        {RafterSection, Millimetre, "3000&#1&600=", "3000"}, {RafterSpacing, Metre, "3&#1&#4=", "3"},
        {TileGauge, Centimetre, "50&10=", "50"},            {Roof, Metre, "5&4&0,2&0,35=", "5"},
        {Concrete, Metre, "2,5&#0=", "2,5"},                {Slabs, Centimetre, "100000&30&30=", "100000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        OpenIn(c.number, c.unit);
        Keys(c.keys);
        engine.PopupMCalculsPopup();
        ASSERT_FALSE(engine.Window().historyCaptions.isEmpty());
        const QString caption = engine.Window().historyCaptions.back();
        EXPECT_TRUE(caption.endsWith(QStringLiteral(": ") + QString::fromUtf8(c.first) + QStringLiteral("...")))
            << caption.toStdString();
    }
}

} // namespace
