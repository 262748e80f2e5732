// Volume to weight (35), weight to volume (36), temperature (37) and capacity (38) on
// the real keys: the worked cases, the departures from the common steps, the shared
// target selection, the history and the replays.

#include "calculators/converters/descriptions.h"
#include "tests/calculators/electrical/fixed_units_keys.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using ConverterKeys = FixedUnitsTest;

TEST_F(ConverterKeys, VolumeToWeightWorkedCases)
{
    const KeyCase cases[] = {
        {0, "[Béton]&2&[m3]=", "Poids(Béton&2&m3)=4800", "4800", "Poids (kg)"},
        {0, "[Or]&10&[dm3 (litre)]=", "Poids(Or&10&dm3)=193", "193", "Poids (kg)"},
        {0, "[Acier]&500&[cm3]=", "Poids(Acier&500&cm3)=3,93", "3,93", "Poids (kg)"},
        {0, "[Laine de bois]&2&[m3]=", "Poids(Laine bois&2&m3)=300", "300", "Poids (kg)"},
        // A second choice replaces the first, for the material and for the unit.
        {0, "[Acier][Or]", "Or", "0", "Matériaux"},
        {0, "[Acier]&12&[cm3][m3]", "Acier&12&m3", "0", "Unité de mesure"},
        // A volume of 0 is refused; "&&" without a material and "f=" without a unit do nothing.
        {0, "[Acier]&0&", "Acier&", "0", "Volume", Refused},
        {0, "&", "", "0", "Matériaux"},
        {0, "[Acier]&12&=", "Acier&12&", "12", "Unité de mesure"},
        // CE on a result puts the whole terms back, parentheses of a name included.
        {0, "[Acier]&12&[dm3 (litre)]=<", "Acier&12&dm3", "0", "Unité de mesure"},
        {0, "[Acier]&12&[dm3 (litre)]=<[m3]=", "Poids(Acier&12&m3)=94320", "94320", "Poids (kg)"},
        {0, "[Pin des landes (germé)]&2&[m3]=<", "Pin des landes (germé)&2&m3", "0", "Unité de mesure"},
        {0, "[Acier]&12&<", "Acier&12", "0", "Volume"},
        {0, "[Acier]&12&<<", "Acier&", "0", "Volume"},
    };
    for (const KeyCase& c : cases)
        Expect(VolumeToWeight, c);
}

TEST_F(ConverterKeys, VolumeToWeightListsAndKeypad)
{
    OpenWith(VolumeToWeight, 0);
    Script("[Acier]&12&[dm3 (litre)]=<");
    EXPECT_EQ(Selected(), QStringLiteral("dm3 (litre)"));
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    Script("[m3]=");
    EXPECT_EQ(Entries(), 2);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().listVisible);
    // CE after "&&" on the material reopens the material list with it selected.
    OpenWith(VolumeToWeight, 0);
    Script("[Zinc]&<");
    EXPECT_EQ(Panel().formula, QStringLiteral("Zinc"));
    EXPECT_EQ(Selected(), QStringLiteral("Zinc"));
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
}

TEST_F(ConverterKeys, WeightToVolumeWorkedCases)
{
    const KeyCase cases[] = {
        {0, "[Béton]&4800=", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
        {0, "[Béton]&4800=@1", "Volume(Béton&4800)=2", "2", "Volume (m3)"},
        {0, "[Béton]&4800=@0@0", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
        {0, "@1[Béton]&4800=", "Volume(Béton&4800)=2", "2", "Volume (m3)"},
        {0, "[Or]&386=", "Volume(Or&386)=20", "20", "Volume (dm3)"},
        {0, "[Béton]&0=", "Volume(Béton&0)=0", "0", "Volume (dm3)"},
        {0, "[Béton]&4800=<", "Béton&4800", "0", "Poids (kg)"},
        {0, "[Béton]&4800=<=", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
        {0, "[Pin des landes (germé)]&2=<", "Pin des landes (germé)&2", "0", "Poids (kg)"},
        {0, "[Acier][Béton]", "Béton", "0", "Matériaux"},
        // CE keeps the material selected: "&&" closes it with "&" alone, and the result
        // names it again.
        {0, "[Béton]<&", "&", "0", "Poids (kg)"},
        {0, "[Béton]<&4800=", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
        // The selections of 37 and 38: Kelvin is m3; Fahrenheit and m3 of 38, which this
        // converter lacks, are its cubic decimetres.
        {1, "[Béton]&4800=", "Volume(Béton&4800)=2", "2", "Volume (m3)"},
        {2, "[Béton]&4800=", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
        {3, "[Béton]&4800=", "Volume(Béton&4800)=2000", "2000", "Volume (dm3)"},
    };
    for (const KeyCase& c : cases)
        Expect(WeightToVolume, c);
}

TEST_F(ConverterKeys, TemperatureWorkedCases)
{
    const KeyCase cases[] = {
        {2, "[Celsius]&100=", "Température(Celsius&100)=212", "212", "Température (°F)"},
        {2, "[Celsius]&100=@1", "Température(Celsius&100)=373,15", "373,15", "Température (°K)"},
        {2, "[Celsius]&100=@1@0", "Température(Celsius&100)=100", "100", "Température (°C)"},
        {0, "[Fahrenheit]&212=", "Température(Fahrenheit&212)=100", "100", "Température (°C)"},
        {0, "[Kelvin]&0=", "Température(Kelvin&0)=-273,15", "-273,15", "Température (°C)"},
        {0, "[Kelvin]&0=@2", "Température(Kelvin&0)=-459,67", "-459,67", "Température (°F)"},
        {1, "[Kelvin]&5=", "Température(Kelvin&5)=5", "5", "Température (°K)"},
        {0, "[Celsius][Kelvin]", "Kelvin", "0", "Unité température"},
        {0, "[Celsius][Kelvin]&", "Kelvin&", "0", "Température"},
        {0, "&", "", "0", "Unité température"},
        {0, "[Celsius]&=", "Celsius&", "0", "Température"},
        {2, "[Celsius]&100=<", "Celsius&100", "0", "Température"},
        {2, "[Celsius]&100=<=", "Température(Celsius&100)=212", "212", "Température (°F)"},
        {2, "[Celsius]&10<", "Celsius&", "0", "Température"},
        // m3 of the capacity converter, which this one lacks, is its Celsius.
        {3, "[Fahrenheit]&212=", "Température(Fahrenheit&212)=100", "100", "Température (°C)"},
    };
    for (const KeyCase& c : cases)
        Expect(Temperature, c);
}

TEST_F(ConverterKeys, TemperatureTakesNegativeValuesFromTheMemory)
{
    for (const char* unit : {"Fahrenheit", "Celsius"}) {
        OpenWith(Temperature, QLatin1String(unit) == QLatin1String("Celsius") ? 2 : 0);
        Script(std::string("[") + unit + "]&");
        Recall(-40);
        Compute();
        EXPECT_EQ(Panel().formula, QStringLiteral("Température(%1&-40)=-40").arg(QLatin1String(unit)));
    }
    // CE with the unit chosen and nothing else drops the unit's selection.
    OpenWith(Temperature, 0);
    Script("[Kelvin]<");
    EXPECT_EQ(Panel().listIndex, -1);
}

TEST_F(ConverterKeys, CapacityWorkedCases)
{
    const KeyCase cases[] = {
        {1, "[Brouette]&2=", "Volume(Brouette&2)=15", "15", "Volume (seau)"},
        {1, "[Brouette]&2=@0", "Volume(Brouette&2)=180", "180", "Volume (dm3)"},
        {2, "[Seau]&15=", "Volume(Seau&15)=2", "2", "Volume (brouette)"},
        {3, "[dm3 (litre)]&500=", "Volume(dm3&500)=0,5", "0,5", "Volume (m3)"},
        {1, "[m3]&1=", "Volume(m3&1)=83,3333333333333", "83,3333333333333", "Volume (seau)"},
        {1, "[Seau]&7=", "Volume(Seau&7)=7", "7", "Volume (seau)"},
        {1, "[Seau]&0=", "Seau&", "0", "Volume", Refused},
        {0, "[dm3 (litre)][Seau]&", "Seau&", "0", "Volume"},
        {1, "[Brouette]&2=<", "Brouette&2", "0", "Volume"},
        {1, "[Brouette]&2=<=", "Volume(Brouette&2)=15", "15", "Volume (seau)"},
    };
    for (const KeyCase& c : cases)
        Expect(Capacity, c);
}

TEST_F(ConverterKeys, ARefusedQuantityLeavesMemoryAndHistory)
{
    OpenWith(Capacity, 1);
    as_family::Memory(engine, 9);
    Script("[Seau]&0=");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 9);
    EXPECT_EQ(Entries(), 0);
    EXPECT_NE(Code(), converters::ResultCode);
}

// The button checked when a calculator opens stands for the shared selection, its own
// first one where it lacks that option; the selection itself stays for the others.
TEST_F(ConverterKeys, ACalculatorOpensWithItsOwnButtonForASharedSelection)
{
    const struct { int number, shared, checked; } cases[] = {
        {ResistancePower, 1, 1}, {ResistancePower, 2, 0}, {Circuit, 2, 2},
        {WeightToVolume, 1, 1},  {WeightToVolume, 2, 0},  {WeightToVolume, 3, 0},
        {Temperature, 2, 2},     {Temperature, 3, 0},     {Capacity, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.number << " shared " << c.shared);
        OpenWith(c.number, c.shared);
        // Another calculator of the group left another of its buttons checked before.
        const int other = (c.checked + 1) % static_cast<int>(Panel().radios.size());
        as_family::Option(engine, c.number, other);
        OpenWith(c.number, c.shared);
        EXPECT_EQ(CheckedButton(), c.checked);
        for (size_t i = 0; i < Panel().radios.size(); ++i)
            EXPECT_EQ(Panel().radios[i].checked, int(i) == c.checked);
        EXPECT_EQ(Seen(engine).screen.OptionSelection(c.number), c.shared);
    }
}

TEST_F(ConverterKeys, HistoryReplaysComputeAgainAndDamagedEntriesComputeNothing)
{
    const struct {
        int number;
        const char* text;
        InputValues inputs;
        int termIndex;
        const char* formula;  // after the replay
    } cases[] = {
        {VolumeToWeight, "Pin des landes (germé)&2&m3", {85, 2, 2}, 2, "Poids(Pin des landes (germé)&2&m3)=1550"},
        {WeightToVolume, "Béton&4800", {14, 4800}, 1, "Volume(Béton&4800)=2000"},
        {Temperature, "Celsius&-40", {0, -40}, 1, "Température(Celsius&-40)=-40"},
        {Capacity, "Brouette&2", {2, 2}, 1, "Volume(Brouette&2)=180"},
        // A material or unit outside its list.
        {VolumeToWeight, "x&2&m3", {107, 2, 2}, 2, "x&2&m3"},
        {VolumeToWeight, "Acier&2&x", {2, 2, 3}, 2, "Acier&2&x"},
        {WeightToVolume, "x&4800", {-1, 4800}, 1, "x&4800"},
        {Temperature, "x&10", {3, 10}, 1, "x&10"},
        {Capacity, "x&2", {1e300, 2}, 1, "x&2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        OpenWith(c.number, 0);
        ui.messages.clear();
        const int before = Entries();
        ReplayEntry(c.number, c.text, c.inputs, c.termIndex);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Entries() - before, 1);
        const bool computed = Panel().formula.contains(u'=');
        EXPECT_EQ(Code() == converters::ResultCode, computed);
        if (!computed) {
            EXPECT_EQ(Panel().result, QStringLiteral("0"));
            EXPECT_TRUE(ui.messages.isEmpty());
        }
    }
}

TEST_F(ConverterKeys, HistoryCaptionsNameTheConverterAndItsChoice)
{
    OpenWith(VolumeToWeight, 0);
    Script("[Laine de bois]&2&[m3]=");
    OpenWith(WeightToVolume, 0);
    Script("[Pin des landes (germé)]&2=");
    OpenWith(Temperature, 0);
    Script("[Fahrenheit]&2=");
    OpenWith(Capacity, 0);
    Script("[Brouette]&2=");
    engine.PopupMCalculsPopup();
    const QStringList& captions = engine.Window().historyCaptions;
    ASSERT_EQ(captions.size(), 4);
    const char* const choices[] = {"Laine de bois", "Pin des landes (germé)", "Fahrenheit", "Brouette"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(captions[k].toStdString());
        EXPECT_TRUE(captions[k].endsWith(QStringLiteral(": %1...").arg(QString::fromUtf8(choices[k]))));
    }
}

} // namespace
