// Resistance and power (32), electrical circuit (33) and maximum conductor length (34)
// on the real keys: the worked cases, the departures from the common steps, the shared
// option selection, the history and the sub-calculation 34 -> 33 -> 34.

#include "calculators/electrical/descriptions.h"
#include "core/numbers.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/calculators/electrical/fixed_units_keys.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using ElectricalKeys = FixedUnitsTest;

TEST_F(ElectricalKeys, ResistancePowerWorkedCases)
{
    const KeyCase cases[] = {
        {0, "230&10=", "Puissance(230&10)=2300", "2300", "Puissance (W)"},
        {0, "230&10=@1", "Resistance(230&10)=23", "23", "Resistance (ohm)"},
        {0, "230&10=@1@0", "Puissance(230&10)=2300", "2300", "Puissance (W)"},
        {0, "230&10==", "Puissance(230&10)=2300", "2300", "Puissance (W)"},
        {0, "230&=", "230&", "230", "Intensité (A)"},
        // The stored current is written again, not as typed.
        {0, "230&0,50=", "Puissance(230&0,5)=115", "115", "Puissance (W)"},
        {0, "230&10=<", "230&10", "0", "Intensité (A)"},
        {0, "230&10=<=", "Puissance(230&10)=2300", "2300", "Puissance (W)"},
        {0, "0&0=", "Puissance(0&0)=0", "0", "Puissance (W)"},
        // An option clicked before the result only selects.
        {0, "@1230&10=", "Resistance(230&10)=23", "23", "Resistance (ohm)"},
        // The selection of 33: its fuse is the resistance here; its breaker, which this
        // calculator lacks, is the power.
        {1, "230&10=", "Resistance(230&10)=23", "23", "Resistance (ohm)"},
        {2, "230&10=", "Puissance(230&10)=2300", "2300", "Puissance (W)"},
        {2, "230&10=@1", "Resistance(230&10)=23", "23", "Resistance (ohm)"},
    };
    for (const KeyCase& c : cases)
        Expect(ResistancePower, c);
}

TEST_F(ElectricalKeys, ResistancePowerAddsOneHistoryEntryAndLeavesTheKeypadOn)
{
    OpenWith(ResistancePower, 0);
    Script("230&10=@1");
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 23);
    EXPECT_EQ(Code(), electrical::ResultCode);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Seen(engine).keys.VariantChangedFlag());
}

TEST_F(ElectricalKeys, ResistanceWithoutCurrentShowsTheFrenchErrorAndChangesNothing)
{
    for (const char* voltage : {"230", "0"}) {
        OpenWith(ResistancePower, 1);
        Script(voltage);
        Script("&0");
        const int codeBefore = Code();
        try {
            Compute();
            ADD_FAILURE() << "no error for a current of 0";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.message(), *voltage == '0' ? InvalidOperationMessage() : DivisionByZeroMessage());
        }
        EXPECT_EQ(Panel().formula, QString::fromUtf8(voltage) + QStringLiteral("&0"));
        EXPECT_EQ(Record().Inputs[1], 0);
        EXPECT_EQ(Code(), codeBefore);
        EXPECT_EQ(Entries(), 0);
    }
}

TEST_F(ElectricalKeys, CircuitWorkedCases)
{
    const KeyCase cases[] = {
        {0, "[Prises de courant 16 A]&[5]=", "Section(Prises 16A&5)=1,5", "1,5", "Section fil (mm2)"},
        {0, "[Prises de courant 16 A]&[5]=@1", "Fusible(Prises 16A&5)=#NV", "#NV", "Fusible (A)", NoValue},
        {0, "[Prises de courant 16 A]&[5]=@2", "Disjoncteur(Prises 16A&5)=16", "16", "Disjoncteur (A)"},
        {0, "[Prises de courant 16 A]&[6]=", "Section(Prises 16A&6)=2,5", "2,5", "Section fil (mm2)"},
        {1, "[Prises de courant 16 A]&[6]=", "Fusible(Prises 16A&6)=16", "16", "Fusible (A)"},
        {2, "[Prises de courant 16 A]&[6]=", "Disjoncteur(Prises 16A&6)=20", "20", "Disjoncteur (A)"},
        {2, "[Chauffe-eau à accumulation]&[1]=", "Disjoncteur(Chauffe-eau&1)=20", "20", "Disjoncteur (A)"},
        {0, "[Cir. plaque cuisson triphasé]&[1]=", "Section(Plaque cuisson triphasé&1)=2,5", "2,5",
         "Section fil (mm2)"},
        // Fuse and back on circuit 4: "#NV" and its message, then the section again.
        {0, "[Circuit de tarification]&[1]=@1@0", "Section(Tarification&1)=1,5", "1,5", "Section fil (mm2)",
         NoValue},
        // A second circuit replaces the first; "f=" before the points does nothing.
        {0, "[Eclairage][Prises de courant 16 A]", "Prises 16A", "0", "Nature circuit"},
        {0, "[Eclairage]&=", "Eclairage&", "0", "Nombre prises"},
        {0, "[Eclairage]&[2][3]", "Eclairage&3", "0", "Nombre prises"},
        {0, "[Prises de courant 16 A]&[6]=<", "Prises 16A&6", "0", "Nombre prises"},
        {0, "[Prises de courant 16 A]&[6]=<=", "Section(Prises 16A&6)=2,5", "2,5", "Section fil (mm2)"},
        {0, "[Prises de courant 16 A]&<", "Prises 16A", "0", "Nature circuit"},
        {0, "[Eclairage]&[1]=&", "", "0", "Nature circuit"},
    };
    for (const KeyCase& c : cases)
        Expect(Circuit, c);
}

TEST_F(ElectricalKeys, CircuitWithoutAnswerIsRecordedAndLeavesTheMemory)
{
    OpenWith(Circuit, 1);
    as_family::Memory(engine, 7);
    Script("[VMC (ventil. méca. contrôlée)]");
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    const int codeBefore = Code();
    Next();
    // "&&" leaves the codes as they were; a circuit of one point offers "1" alone.
    EXPECT_EQ(Code(), codeBefore);
    EXPECT_EQ(Panel().listRows, QStringList{QStringLiteral("1")});
    Script("[1]=");
    EXPECT_EQ(Panel().result, QStringLiteral("#NV"));
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7);
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Code(), electrical::ResultCode);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    EXPECT_TRUE(Panel().resultVisible);
    EXPECT_FALSE(Panel().listVisible);
}

TEST_F(ElectricalKeys, CircuitUndoSelectsTheChoiceAgain)
{
    OpenWith(Circuit, 0);
    Script("[Prises de courant 16 A]&[6]=<");
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Selected(), QStringLiteral("6"));
    // Back on the circuit, CE lists the circuits by their short names.
    Script("<<");
    EXPECT_EQ(Panel().formula, QStringLiteral("Prises 16A"));
    EXPECT_EQ(Selected(), QStringLiteral("Prises 16A"));
    EXPECT_EQ(Panel().listRows.at(3), QStringLiteral("VMC"));
    // Choosing another circuit keeps it selected.
    Script("[Volets]");
    EXPECT_EQ(Selected(), QStringLiteral("Volets"));
    EXPECT_EQ(Panel().formula, QStringLiteral("Volets"));
    // CE on the circuit being chosen: the short names, none selected; C: the names.
    Script("<");
    EXPECT_EQ(Selected(), QString());
    EXPECT_EQ(Panel().listRows.at(4), QStringLiteral("Tarification"));
    Script("!");
    EXPECT_EQ(Panel().listRows.at(4), QStringLiteral("Circuit de tarification"));
}

TEST_F(ElectricalKeys, ConductorLengthWorkedCases)
{
    const KeyCase cases[] = {
        {0, "230&16&2,5&3&[Monophasé]=", "Longueur(230&16&2,5&3&Monophasé)=30,8", "30,8", "Longueur max (m)"},
        {0, "230&16&2,5&3&[Triphasé]=", "Longueur(230&16&2,5&3&Triphasé)=35,61", "35,61", "Longueur max (m)"},
        {0, "230&20&1,5&3&[Monophasé]=", "Longueur(230&20&1,5&3&Monophasé)=14,78", "14,78", "Longueur max (m)"},
        {0, "230&16&2,5&0&[Monophasé]=", "Longueur(230&16&2,5&0&Monophasé)=0", "0", "Longueur max (m)"},
        // An exact hundredth stays (12,34 x 3,5 / 3,5 is not quite 12,34 in binary).
        {0, "12,34&1&3,5&1&[Monophasé]=", "Longueur(12,34&1&3,5&1&Monophasé)=12,34", "12,34",
         "Longueur max (m)"},
        // Zero voltage, current or section is refused at "&&"; an empty field does nothing.
        {0, "&", "", "0", "Tension (V)"},
        {0, "0&", "", "0", "Tension (V)", Refused},
        {0, "230&0&", "230&", "0", "Intensité (A)", Refused},
        {0, "230&16&0&", "230&16&", "0", "Section fil (mm2)", Refused},
        // The other phase replaces the first; CE walks back.
        {0, "230&16&2,5&3&[Monophasé][Triphasé]", "230&16&2,5&3&Triphasé", "0", "Nature circuit"},
        {0, "230&16&2,5&3&[Monophasé]=<", "230&16&2,5&3&Monophasé", "0", "Nature circuit"},
        {0, "230&16&2,5&3&[Monophasé]=<=", "Longueur(230&16&2,5&3&Monophasé)=30,8", "30,8", "Longueur max (m)"},
        {0, "230&16&2,5&3&[Monophasé]<", "230&16&2,5&3&", "0", "Nature circuit"},
        {0, "230&16&2,5&3&<", "230&16&2,5&3", "0", "Chute tension (%)"},
        // After a result the keypad stays off: digits do nothing, "&&" starts over.
        {0, "230&16&2,5&3&[Monophasé]=5", "Longueur(230&16&2,5&3&Monophasé)=30,8", "30,8", "Longueur max (m)"},
        {0, "230&16&2,5&3&[Monophasé]=&", "", "0", "Tension (V)"},
    };
    for (const KeyCase& c : cases)
        Expect(ConductorLength, c);
}

TEST_F(ElectricalKeys, ConductorLengthTakesNegativeValuesAndRefusesAnOverflow)
{
    OpenWith(ConductorLength, 0);
    Recall(-230);
    Script("&16&2,5&3&[Monophasé]=");
    EXPECT_EQ(Panel().result, QStringLiteral("-30,81"));  // rounded towards minus infinity
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    EXPECT_FALSE(Panel().listVisible);

    OpenWith(ConductorLength, 0);
    Recall(1e300);
    Script("&1&");
    Recall(1e300);
    Script("&3&[Triphasé]=");
    EXPECT_EQ(ui.messages, QStringList{InputError});
    EXPECT_EQ(Panel().listIndex, -1);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(ElectricalKeys, HistoryReplaysComputeAgainAndDamagedEntriesComputeNothing)
{
    const struct {
        int number;
        const char* text;
        InputValues inputs;
        int termIndex;
        const char* formula;  // after the replay; the result "0" when the entry computes nothing
    } cases[] = {
        {ResistancePower, "230&10", {230, 10}, 1, "Puissance(230&10)=2300"},
        {Circuit, "Prises 16A&6", {7, 5}, 1, "Section(Prises 16A&6)=2,5"},
        {ConductorLength, "230&16&2,5&3&Triphasé", {230, 16, 2.5, 3, 1}, 4,
         "Longueur(230&16&2,5&3&Triphasé)=35,61"},
        // A circuit, point count or phase outside its list.
        {Circuit, "x&1", {18, 0}, 1, "x&1"},
        {Circuit, "x&1", {-1, 0}, 1, "x&1"},
        {Circuit, "Volets&2", {2, 1}, 1, "Volets&2"},
        {Circuit, "Prises 16A&9", {7, 8}, 1, "Prises 16A&9"},
        {ConductorLength, "230&16&2,5&3&x", {230, 16, 2.5, 3, 2}, 4, "230&16&2,5&3&"},
        {ConductorLength, "230&16&2,5&3&x", {230, 16, 2.5, 3, -1e300}, 4, "230&16&2,5&3&"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        OpenWith(c.number, 0);
        const int before = Entries();
        ReplayEntry(c.number, c.text, c.inputs, c.termIndex);
        EXPECT_EQ(Panel().formula, QString::fromUtf8(c.formula));
        EXPECT_EQ(Entries() - before, 1);  // the replayed entry alone
        const bool computed = Panel().formula.contains(u'=');
        EXPECT_EQ(Code() == electrical::ResultCode, computed);
        if (!computed) {
            EXPECT_EQ(Panel().result, QStringLiteral("0"));
        }
    }
}

TEST_F(ElectricalKeys, HistoryCaptionsNameTheCircuitAndTheVoltage)
{
    OpenWith(ResistancePower, 0);
    Script("230&10=");
    OpenWith(Circuit, 0);
    Script("[Circuit four]&[1]=");
    OpenWith(ConductorLength, 0);
    Script("400&16&2,5&3&[Triphasé]=");
    engine.PopupMCalculsPopup();
    const QStringList& captions = engine.Window().historyCaptions;
    ASSERT_EQ(captions.size(), 3);
    EXPECT_TRUE(captions[0].endsWith(QStringLiteral(": 230..."))) << captions[0].toStdString();
    EXPECT_TRUE(captions[1].endsWith(QStringLiteral(": Circuit four..."))) << captions[1].toStdString();
    EXPECT_TRUE(captions[2].endsWith(QStringLiteral(": 400..."))) << captions[2].toStdString();
    for (const QString& caption : captions)
        EXPECT_FALSE(caption.startsWith(QStringLiteral("Calculatrice"))) << caption.toStdString();
}

TEST_F(ElectricalKeys, TheSectionFoundByTheCircuitComesBackIntoTheConductorLength)
{
    OpenWith(ConductorLength, 0);
    Script("230&16&");
    const int offered = int(Record().OfferedCalculators.size());
    int circuitRow = -1;
    for (int row = 0; row < offered; ++row) {
        if (Record().OfferedCalculators[size_t(row)] == Circuit)
            circuitRow = row;
    }
    ASSERT_GE(circuitRow, 0);
    engine.LbCalculettesDblClick(circuitRow);
    ASSERT_EQ(Number(), Circuit);
    Script("[Prises de courant 16 A]&[6]=");
    engine.POk0Click();
    ASSERT_EQ(Number(), ConductorLength);
    EXPECT_EQ(Panel().result, QStringLiteral("2,5"));
    EXPECT_EQ(Panel().formula, QStringLiteral("230&16&2,5"));
    Script("&3&[Monophasé]=");
    EXPECT_EQ(Panel().formula, QStringLiteral("Longueur(230&16&2,5&3&Monophasé)=30,8"));
}

} // namespace
