// The calculators menu and the sub-calculation lists, cell by cell against a second copy
// typed independently of the code: a swapped entry or a wrong cell in one copy shows.
// The menu table names every calculator on purpose: adding one changes it.

#include "tests/support/created_engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"

#include <QStringList>

#include <iterator>
#include <set>
#include <vector>

using namespace tornavel;

namespace {

using TableCells = CreatedEngine;

// "1-16, 18-39" as the set of numbers it names.
std::set<int> Numbers(const char* ranges)
{
    std::set<int> numbers;
    for (const QString& part : QString::fromLatin1(ranges).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        for (int n = ends.front().toInt(); n <= ends.back().toInt(); ++n)
            numbers.insert(n);
    }
    return numbers;
}

} // namespace

TEST_F(TableCells, CalculatorsMenuTopToBottom)
{
    struct Line {
        const char* entry;   // objectName
        int item;            // K of CalculetteK, -1 for a separator
        int titleId;
        const char* caption; // also the calculator's title in the status bar
        int calculator;
    };
    const Line menu[] = {
        {"Calculette0", 0, 6, "Calculatrice standard", 0},
        {"Calculette1", 1, 184, "Calculatrice fonctions mathématiques", 39},
        {"N1", -1, -1, nullptr, -1},
        {"Calculette2", 2, 7, "Calculatrice périmètre de cercle", 1},
        {"Calculette3", 3, 8, "Calculatrice périmètre d'éllipse", 2},
        {"Calculette4", 4, 9, "Calculatrice surface de cercle", 3},
        {"Calculette5", 5, 10, "Calculatrice de secteur angulaire de cercle", 4},
        {"Calculette6", 6, 11, "Calculatrice surface d'ellipse", 5},
        {"Calculette7", 7, 12, "Calculatrice surface latérale de cylindre", 6},
        {"Calculette8", 8, 13, "Calculatrice surface latérale de cône", 7},
        {"Calculette9", 9, 14, "Calculatrice surface de parallélogramme", 8},
        {"Calculette10", 10, 15, "Calculatrice surface de trapèze", 9},
        {"Calculette21", 21, 148, "Calculatrice surface de polygone", 20},
        {"Calculette23", 23, 25, "Calculatrice surface de sphère", 22},
        {"Calculette11", 11, 17, "Calculatrice volume d'une sphere", 11},
        {"Calculette12", 12, 18, "Calculatrice volume d'un cylindre", 12},
        {"Calculette13", 13, 19, "Calculatrice volume de pyramide à 3 faces", 13},
        {"Calculette14", 14, 136, "Calculatrice volume de pyramide à 4 faces", 14},
        {"Calculette15", 15, 20, "Calculatrice volume d'un cône", 15},
        {"N2", -1, -1, nullptr, -1},
        {"Calculette16", 16, 16, "Calculatrice surface des murs de maison", 10},
        {"Calculette17", 17, 147, "Calculatrice volume intérieur de maison", 16},
        {"N3", -1, -1, nullptr, -1},
        {"Calculette18", 18, 21, "Calculatrice section des chevrons", 17},
        {"Calculette19", 19, 22, "Calculatrice écartement des chevrons", 18},
        {"Calculette20", 20, 23, "Calculatrice longueur du pureau", 19},
        {"Calculette22", 22, 24, "Calculatrice toiture", 21},
        {"Calculette24", 24, 31, "Calculatrice escalier", 31},
        {"Calculette25", 25, 149, "Calculatrice lambris", 28},
        {"Calculette26", 26, 176, "Calculatrice lambris mur pignon", 29},
        {"Calculette29", 29, 177, "Calculatrice parquet", 30},
        {"Calculette27", 27, 26, "Calculatrice quantités pour béton", 23},
        {"Calculette28", 28, 27, "Calculatrice dalles et carrelage", 24},
        {"Calculette30", 30, 28, "Calculatrice quantité de peinture plafond", 25},
        {"Calculette31", 31, 29, "Calculatrice quantité de peinture murs", 26},
        {"Calculette32", 32, 30, "Calculatrice quantité de papier peint", 27},
        {"Calculette33", 33, 32, "Calculatrice résistance/puissance", 32},
        {"Calculette34", 34, 178, "Calculatrice circuit électrique", 33},
        {"Calculette35", 35, 179, "Calculatrice longueur max du conducteur", 34},
        {"N4", -1, -1, nullptr, -1},
        {"Calculette36", 36, 180, "Convertisseur volume-poids", 35},
        {"Calculette37", 37, 181, "Convertisseur poids-volume", 36},
        {"Calculette38", 38, 182, "Convertisseur température", 37},
        {"Calculette39", 39, 183, "Convertisseur contenance", 38},
    };
    const std::vector<CalculatorMenuEntry>& entries = engine.Descriptions().Menu();
    ASSERT_EQ(entries.size(), std::size(menu));
    for (size_t position = 0; position < entries.size(); ++position) {
        const Line& line = menu[position];
        SCOPED_TRACE(::testing::Message() << position << " " << line.entry);
        EXPECT_EQ(entries[position].name, QString::fromLatin1(line.entry));
        EXPECT_EQ(entries[position].item, line.item);
        if (line.item < 0)
            continue;
        const QString caption = QString::fromUtf8(line.caption);
        EXPECT_EQ(engine.Descriptions().Of(line.calculator).titleId, line.titleId);
        EXPECT_EQ(engine.Window().menuCaptions.value(QString::fromLatin1(line.entry)), caption);
        // The item opens its calculator alone on the stack, its title in the status bar.
        engine.CalculetteClick(line.item);
        ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
        EXPECT_EQ(Seen(engine).stack.Top().Number, line.calculator);
        EXPECT_EQ(engine.Window().statusText, caption);
        EXPECT_EQ(Seen(engine).screen.CalculatorName(line.calculator), caption);
    }
}

// Which calculators the sub-calculation list offers, by the calculator on screen, in the
// list's order: 0, 39, then 1 to 38.
TEST_F(TableCells, SubCalculationsOfferedByEachCalculator)
{
    const struct {
        const char* onScreen;
        const char* offered;
    } matrix[] = {
        {"0", "1-16, 18-39"},
        {"1-20, 22, 27-32, 36-38", "0, 39"},
        {"21", "0, 19, 39"},
        {"23, 35", "0, 11-15, 39"},
        {"24", "0, 3, 4, 8, 9, 39"},
        {"25", "0, 3-5, 8, 9, 39"},
        {"26", "0, 8-10, 39"},
        {"33", ""},
        {"34", "0, 33, 39"},
        {"39", "0-39"},
    };
    constexpr int Known = 40; // the calculators this table names; one added later is left out
    std::vector<int> listOrder{0, 39};
    for (int n = 1; n <= 38; ++n)
        listOrder.push_back(n);

    std::set<int> rowsSeen;
    for (const auto& row : matrix) {
        const std::set<int> offered = Numbers(row.offered);
        std::vector<int> expected;
        for (int c : listOrder) {
            if (offered.count(c))
                expected.push_back(c);
        }
        for (int n : Numbers(row.onScreen)) {
            SCOPED_TRACE(::testing::Message() << "calculator " << n);
            rowsSeen.insert(n);
            for (int c = 0; c < Known; ++c)
                EXPECT_EQ(engine.Descriptions().Offers(n, c), offered.count(c) == 1) << "offers " << c;
            OpenFromMenu(engine, n);
            std::vector<int> shown;
            for (int c : Seen(engine).stack.Top().OfferedCalculators) {
                if (c < Known)
                    shown.push_back(c);
            }
            EXPECT_EQ(shown, expected);
        }
    }
    EXPECT_EQ(rowsSeen, Numbers("0-39"));
}
