// Every cell of the material and unit tables, typed in again from the reference tables,
// so that a typo on either side fails: a wrong density gives a wrong weight or volume.

#include "calculators/converters/capacity.h"
#include "calculators/converters/tables.h"
#include "calculators/converters/temperature.h"
#include "tests/calculators/electrical/fixed_units_support.h"

#include <iterator>

using namespace tornavel;
using namespace tornavel::converters;
using namespace tornavel::testing;

namespace {

TEST(MaterialTableCells, NamesShortNamesAndDensities)
{
    // A short name of nullptr: the same as the name. Densities in kg per dm3.
    const struct { const char* name; const char* shortName; double density; } rows[] = {
        {"Acajou d'Afrique", nullptr, 0.5},
        {"Acajou d'Amérique", nullptr, 0.65},
        {"Acier", nullptr, 7.86},
        {"Aluminium", nullptr, 2.7},
        {"Aniegre", nullptr, 0.55},
        {"Anthracite", nullptr, 1.5},
        {"Ardoise", nullptr, 2.79},
        {"Argent", nullptr, 10.5},
        {"Asphalte", nullptr, 1.15},
        {"Aulne", nullptr, 0.525},
        {"Avodire", nullptr, 0.55}, // 10
        {"Bahia", nullptr, 0.55},
        {"Basalte", nullptr, 2.99},
        {"Bauxite", nullptr, 2.45},
        {"Béton", nullptr, 2.4},
        {"Brique", nullptr, 1.5},
        {"Calcium", nullptr, 1.55},
        {"Carbone", nullptr, 2.26},
        {"Charbon de bois", nullptr, 0.335},
        {"Châtaignier", nullptr, 0.65},
        {"Chaux", nullptr, 0.5}, // 20
        {"Chêne", nullptr, 0.725},
        {"Chrome", nullptr, 7.19},
        {"Ciment", nullptr, 3.15},
        {"Craie", nullptr, 2.01},
        {"Cuivre", nullptr, 8.96},
        {"Cyprès", nullptr, 0.45},
        {"Diamant", nullptr, 3.52},
        {"Diorite", nullptr, 2.85},
        {"Diorite quartzeuse", nullptr, 2.79},
        {"Eau de mer", nullptr, 1.03}, // 30
        {"Ebènes", nullptr, 1.1},
        {"Erables", nullptr, 0.695},
        {"Etain", nullptr, 7.31},
        {"Eucalyptus", nullptr, 0.725},
        {"Framiré", nullptr, 0.525},
        {"Frêne", nullptr, 0.7},
        {"Granite", nullptr, 2.64},
        {"Graphite", nullptr, 2.15},
        {"Gravier", nullptr, 1.8},
        {"Gypse", nullptr, 2.35}, // 40
        {"Hêtre", nullptr, 0.675},
        {"Houille grasse", nullptr, 1.32},
        {"If", nullptr, 0.725},
        {"Iode", nullptr, 4.93},
        {"Iroko", nullptr, 0.675},
        {"Kaori", nullptr, 0.525},
        {"Kosipo", nullptr, 0.75},
        {"Koto", nullptr, 0.675},
        {"Laine de bois", "Laine bois", 0.15},
        {"Laine de chanvre en rouleau", "Laine chanvre", 0.025}, // 50
        {"Laine de roche en vrac", "Laine roche vrac", 0.025},
        {"Laine de roche pour sol", "Laine roche sol", 0.13},
        {"Laine roche en rouleau", "Laine roche rouleau", 0.018},
        {"Laine roche semi lourde", nullptr, 0.07},
        {"Laine verre en rouleau", nullptr, 0.018},
        {"Laine verre semi lourde", nullptr, 0.07},
        {"Lauans", nullptr, 0.6},
        {"Lignite", nullptr, 1.19},
        {"Limba", nullptr, 0.55},
        {"Magnésium", nullptr, 1.74}, // 60
        {"Makore", nullptr, 0.7},
        {"Manganèse", nullptr, 7.43},
        {"Marbre", nullptr, 2.75},
        {"Merantis", nullptr, 0.725},
        {"Mercure", nullptr, 13.55},
        {"Merisier", nullptr, 0.65},
        {"Movingui", nullptr, 0.7},
        {"Neige", nullptr, 0.125},
        {"Nickel", nullptr, 8.9},
        {"Noyer", nullptr, 0.625}, // 70
        {"Obsidienne", nullptr, 2.3},
        {"Okoumé", nullptr, 0.45},
        {"Olivier", nullptr, 0.985},
        {"Or", nullptr, 19.3},
        {"Orme", nullptr, 0.75},
        {"Ouate de cellulose", "Ouate cellulose", 0.055},
        {"Palissandres", nullptr, 0.875},
        {"Perlite expansée", nullptr, 0.09},
        {"Pétrole leger", nullptr, 0.6},
        {"Pétrole lourd", nullptr, 0.9}, // 80
        {"Peuplier", nullptr, 0.5},
        {"Phosphore", nullptr, 1.82},
        {"Pin d'Orégon", nullptr, 0.575},
        {"Pin des landes", nullptr, 0.575},
        {"Pin des landes (germé)", nullptr, 0.775},
        {"Pin sylvestre", nullptr, 0.55},
        {"Plomb", nullptr, 11.35},
        {"Polystyrène expansé", nullptr, 0.018},
        {"Polystyrène extrudé", nullptr, 0.035},
        {"Polyuréthane", nullptr, 0.035}, // 90
        {"Potassium", nullptr, 0.86},
        {"Quartz", nullptr, 2.65},
        {"Ramin", nullptr, 0.675},
        {"Rhyolite vitreuse", nullptr, 2.24},
        {"Sable", nullptr, 1.5},
        {"Sable de quartz", nullptr, 2.5},
        {"Sel gemme", nullptr, 2.22},
        {"Serpentine", nullptr, 2.78},
        {"Silicium", nullptr, 2.33},
        {"Sodium", nullptr, 0.97}, // 100
        {"Soufre", nullptr, 2.07},
        {"Talc", nullptr, 2.71},
        {"Titane", nullptr, 4.54},
        {"Tourbe", nullptr, 1.05},
        {"Tungstène", nullptr, 19.35},
        {"Zinc", nullptr, 7.13},
    };
    ASSERT_EQ(int(std::size(rows)), MaterialNames.size());
    for (int m = 0; m < int(std::size(rows)); ++m) {
        const auto& row = rows[m];
        SCOPED_TRACE(::testing::Message() << m << " " << row.name);
        EXPECT_EQ(MaterialNames.at(m), QString::fromUtf8(row.name));
        EXPECT_EQ(MaterialShortNames.at(m), QString::fromUtf8(row.shortName ? row.shortName : row.name));
        EXPECT_EQ(MaterialDensities.at(m), row.density);
    }
}

TEST(TemperatureUnitTableCells, NamesAndTheMarkOfEachTarget)
{
    const struct { const char* name; const char* mark; } rows[] = {
        {"Celsius", " (°C)"},
        {"Kelvin", " (°K)"},
        {"Fahrenheit", " (°F)"},
    };
    ASSERT_EQ(int(std::size(rows)), TemperatureUnitNames.size());
    for (int u = 0; u < int(std::size(rows)); ++u) {
        SCOPED_TRACE(rows[u].name);
        EXPECT_EQ(TemperatureUnitNames.at(u), QString::fromUtf8(rows[u].name));
        EXPECT_EQ(ComputeTemperature(Inputs({double(u), 1}), u).shownSuffix, QString::fromUtf8(rows[u].mark));
    }
}

TEST(CapacityUnitTableCells, NamesShortNamesLitresAndTheMarkOfEachTarget)
{
    const struct { const char* name; const char* shortName; double litres; const char* mark; } rows[] = {
        {"dm3 (litre)", "dm3", 1, " (dm3)"},
        {"Seau", "Seau", 12, " (seau)"},
        {"Brouette", "Brouette", 90, " (brouette)"},
        {"m3", "m3", 1000, " (m3)"},
    };
    ASSERT_EQ(int(std::size(rows)), CapacityUnitNames.size());
    for (int u = 0; u < int(std::size(rows)); ++u) {
        SCOPED_TRACE(rows[u].name);
        EXPECT_EQ(CapacityUnitNames.at(u), QString::fromUtf8(rows[u].name));
        EXPECT_EQ(CapacityUnitShortNames.at(u), QString::fromUtf8(rows[u].shortName));
        EXPECT_EQ(CapacityLitres.at(u), rows[u].litres);
        EXPECT_EQ(ComputeCapacity(Inputs({double(u), 1}), u).shownSuffix, QString::fromUtf8(rows[u].mark));
    }
}

} // namespace
