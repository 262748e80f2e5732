// The rafter section (17) and rafter spacing (18) calculators on the real keys.

#include "tests/calculators/protocol/protocol_fixture.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"

using namespace tornavel;
using namespace tornavel::testing;

namespace {

using RaftersTest = ProtocolTest;

const char* const Refused = "Erreur de saisie : Valeur non valide !";
const char* const Missing = "Aucun résultat valide pour ces paramètres !";

TEST_F(RaftersTest, SectionWorkedCases)
{
    const Worked cases[] = {
        {Centimetre, "300&#1&60=", "Section(300&250&60)=8/14", "8/14", "Section (cm)"},
        {Millimetre, "3000&#1&600=", "Section(3000&250&600)=8/14", "8/14", "Section (cm)"},
        {Metre, "3&#1&0,6=", "Section(3&250&0,6)=8/14", "8/14", "Section (cm)"},
        {Inch, "100&#1&30=", "Section(100&250&30)=3.15/5.51", "3.15/5.51", "Section (in)"},
        // A spacing equal to the table's value fits that section; one more does not.
        {Centimetre, "150&#0&115=", "Section(150&200&115)=6/10", "6/10", "Section (cm)"},
        {Centimetre, "150&#0&116=", "Section(150&200&116)=8/10", "8/10", "Section (cm)"},
        // The table is read as it is, even where a later section allows less.
        {Centimetre, "240&#0&45=", "Section(240&200&45)=6/10", "6/10", "Section (cm)"},
        // Spans from 50 to 400 cm.
        {Centimetre, "50&", "50&", "50", "Charge (kg/m2)"},
        {Centimetre, "400&", "400&", "400", "Charge (kg/m2)"},
        {Centimetre, "49,9&", "", "0", "Portée (cm)", Refused},
        {Centimetre, "400,1&", "", "0", "Portée (cm)", Refused},
        {Metre, "4,5&", "", "0", "Portée (m)", Refused},
        // Spacings above 6 and up to 285 cm, and one that some section allows.
        {Centimetre, "300&#1&6=", "300&250&", "0", "Ecartement (cm)", Refused},
        {Centimetre, "300&#1&285,5=", "300&250&", "0", "Ecartement (cm)", Refused},
        {Centimetre, "400&#2&70=", "400&300&", "0", "Ecartement (cm)", Refused},
        // A second load class replaces the first; after a result digits do nothing.
        {Centimetre, "300&#1#2", "300&300", "0", "Charge (kg/m2)"},
        {Centimetre, "300&#1&60=5", "Section(300&250&60)=8/14", "8/14", "Section (cm)"},
        {Centimetre, "300&#1&60=<65=", "Section(300&250&65)=8/14", "8/14", "Section (cm)"},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, RafterSection, c);
}

TEST_F(RaftersTest, SectionBoundsOfSpanClassAndSpacing)
{
    // 175 cm is in the first span class, 175.5 in the next one.
    OpenIn(RafterSection);
    Keys("175&#0&115=");
    EXPECT_EQ(Panel().result, QStringLiteral("6/10"));
    Keys("!175,5&#0&115=");
    EXPECT_NE(Panel().result, QStringLiteral("6/10"));
    EXPECT_EQ(Code(), 14);
    // 285 cm is accepted for the short spans; the memory is left alone.
    as_family::Memory(engine, 7.0);
    Keys("!150&#2&285=");
    EXPECT_EQ(Code(), 14);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 7.0);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
}

TEST_F(RaftersTest, SameJobInMetresAndCentimetres)
{
    // 0,55 m is 55 cm, not 55.00000000000001: the spacing fits the same section.
    OpenIn(RafterSection, Metre);
    Keys("2,5&#1&0,55=");
    const QString inMetres = Panel().result;
    OpenIn(RafterSection, Centimetre);
    Keys("250&#1&55=");
    EXPECT_EQ(Panel().result, inMetres);
    EXPECT_EQ(Code(), 14);
}

TEST_F(RaftersTest, SpacingWorkedCases)
{
    const Worked cases[] = {
        {Centimetre, "300&#1&#4=", "Ecartement(300&250&8/14)=65", "65", "Ecartement (cm)"},
        {Millimetre, "3000&#1&#4=", "Ecartement(3000&250&8/14)=650", "650", "Ecartement (mm)"},
        {Metre, "3&#1&#4=", "Ecartement(3&250&8/14)=0,65", "0,65", "Ecartement (m)"},
        {Inch, "118&#1&#4=", "Ecartement(118&250&3.15/5.51)=25,5905511811024", "25,5905511811024",
         "Ecartement (in)"},
        {Centimetre, "300&#1&#0=", "Ecartement(300&250&6/10)=#NV", "#NV", "Ecartement (cm)", Missing},
        {Centimetre, "175&#0&#0=", "Ecartement(175&200&6/10)=115", "115", "Ecartement (cm)"},
        {Centimetre, "176&#0&#0=", "Ecartement(176&200&6/10)=75", "75", "Ecartement (cm)"},
        {Centimetre, "100&#0&#3=", "Ecartement(100&200&8/12)=#NV", "#NV", "Ecartement (cm)", Missing},
        {Centimetre, "100&#2&#3=", "Ecartement(100&300&8/12)=180", "180", "Ecartement (cm)"},
        {Centimetre, "50&", "50&", "50", "Charge (kg/m2)"},
        {Centimetre, "400&", "400&", "400", "Charge (kg/m2)"},
        {Centimetre, "49,9&", "", "0", "Portée (cm)", Refused},
        {Centimetre, "400,1&", "", "0", "Portée (cm)", Refused},
        // "&&" names the unit of the sections; a second section replaces the first.
        {Centimetre, "300&#1&", "300&250&", "0", "Section (cm)"},
        {Inch, "118&#1&", "118&250&", "0", "Section (in)"},
        {Centimetre, "300&#1&#4#5", "300&250&8/16", "0", "Section (cm)"},
        // CE asks for the section as "Section (cm)" in every unit; so does a second
        // section, which CE takes the first back for.
        {Inch, "118&#1&#4=<", "118&250&3.15/5.51", "0", "Section (cm)"},
        {Inch, "118&#1&#4<", "118&250&", "0", "Section (cm)"},
        {Inch, "118&#1&#4#5", "118&250&3.15/6.30", "0", "Section (cm)"},
        {Millimetre, "3000&#1&#4=<", "3000&250&8/14", "0", "Section (cm)"},
        {Inch, "118&#1&<&", "118&250&", "0", "Section (in)"},
        // A digit on a result starts a new calculation.
        {Centimetre, "300&#1&#4=5", "5", "5", "Portée (cm)"},
    };
    for (const Worked& c : cases)
        ExpectWorked(*this, RafterSpacing, c);
}

TEST_F(RaftersTest, SpacingOnlyTheLargestSectionForTheLongestHeavySpan)
{
    for (int section = 0; section < 7; ++section) {
        SCOPED_TRACE(section);
        OpenIn(RafterSpacing);
        Keys("400&#2&");
        engine.ListBoxClick(RafterSpacing, section);
        Compute();
        EXPECT_EQ(Panel().result, section == 6 ? QStringLiteral("60") : QStringLiteral("#NV"));
    }
}

TEST_F(RaftersTest, SpacingMemoryAndHistory)
{
    OpenIn(RafterSpacing, Millimetre);
    Keys("3000&#1&#4=");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 650.0);
    EXPECT_TRUE(Seen(engine).keys.KeypadEnabled());
    // No answer: recorded in the history, the memory kept.
    Keys("!3000&#1&#0=");
    EXPECT_EQ(Seen(engine).keys.MemoryValue(), 650.0);
    EXPECT_EQ(Entries(), 2);
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[1].Text, QStringLiteral("3000&250&6/10"));
}

TEST_F(RaftersTest, CeSelectsTheStoredChoiceAgain)
{
    // After a result: the section list, with the section chosen; "f=" gives it again.
    OpenIn(RafterSpacing);
    Keys("300&#1&#4=<");
    EXPECT_EQ(Panel().formula, QStringLiteral("300&250&8/14"));
    EXPECT_EQ(Panel().prompt, QStringLiteral("Section (cm)"));
    EXPECT_TRUE(Panel().listVisible);
    EXPECT_EQ(Panel().listIndex, 4);
    EXPECT_FALSE(Seen(engine).keys.KeypadEnabled());
    Compute();
    EXPECT_EQ(Panel().formula, QStringLiteral("Ecartement(300&250&8/14)=65"));
    EXPECT_EQ(Entries(), 2);

    // Right after the "&&" that closed the load class: the load list, that class chosen.
    for (int number : {RafterSection, RafterSpacing}) {
        SCOPED_TRACE(number);
        OpenIn(number);
        Keys("300&#2&<");
        EXPECT_EQ(Panel().formula, QStringLiteral("300&300"));
        EXPECT_EQ(Panel().prompt, QStringLiteral("Charge (kg/m2)"));
        EXPECT_EQ(Panel().listIndex, 2);
        EXPECT_EQ(Record().TermIndex, 1);
    }
}

} // namespace
