// Every cell of the circuit tables, typed in again from the electricians' tables, so that
// a typo on either side fails: a wrong cell gives a wrong section, fuse or breaker.

#include "calculators/electrical/tables.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace tornavel;

namespace {

TEST(CircuitTableCells, NamesShortNamesAndMaximumPoints)
{
    // A short name of nullptr: the same as the name.
    const struct { const char* name; const char* shortName; int maxPoints; } rows[] = {
        {"Eclairage", nullptr, 8},
        {"Prises commandées", nullptr, 8},
        {"Volets", nullptr, 1},
        {"VMC (ventil. méca. contrôlée)", "VMC", 1},
        {"Circuit de tarification", "Tarification", 1},
        {"Fil pilote", nullptr, 1},
        {"Cir. de gestion de l'énergie", "Gestion énergie", 1},
        {"Prises de courant 16 A", "Prises 16A", 8},
        {"Chauffe-eau à accumulation", "Chauffe-eau", 1},
        {"Circuit lave-linge", "Lave-linge", 1},
        {"Circuit seche-linge", nullptr, 1},
        {"Circuit lave-vaisselle", "Lave-vaisselle", 1},
        {"Circuit four", "Four", 1},
        {"Circuit congélateur", "Congélateur", 1},
        {"Circuit cuisinière monophasé", "Cuisinière monophasé", 1},
        {"Cir. plaque cuis. monophasé", "Plaque cuisson monophasé", 1},
        {"Circuit cuisinière triphasé", "Cuisinière triphasé", 1},
        {"Cir. plaque cuisson triphasé", "Plaque cuisson triphasé", 1},
    };
    ASSERT_EQ(int(std::size(rows)), CircuitNames.size());
    for (int c = 0; c < int(std::size(rows)); ++c) {
        const auto& row = rows[c];
        SCOPED_TRACE(::testing::Message() << c << " " << row.name);
        EXPECT_EQ(CircuitNames.at(c), QString::fromUtf8(row.name));
        EXPECT_EQ(CircuitShortNames.at(c), QString::fromUtf8(row.shortName ? row.shortName : row.name));
        EXPECT_EQ(CircuitMaxPoints.at(c), row.maxPoints);
    }
}

TEST(CircuitTableCells, ValuesByRowAndTheCircuitAndPointsThatReadEachRow)
{
    // Each row with its circuit, the fewest and the most points that read it, the
    // section in mm2, the fuse (-1: none) and the breaker in amperes.
    const struct { int circuit, fewestPoints, mostPoints; double section; int fuse, breaker; } rows[] = {
        {0, 1, 8, 1.5, 10, 16},
        {1, 1, 8, 1.5, 10, 16},
        {2, 1, 1, 1.5, 10, 16},
        {3, 1, 1, 1.5, -1, 2},
        {4, 1, 1, 1.5, -1, 2},
        {5, 1, 1, 1.5, -1, 2},
        {6, 1, 1, 1.5, -1, 2},
        {7, 1, 5, 1.5, -1, 16},
        {7, 6, 8, 2.5, 16, 20},
        {8, 1, 1, 2.5, 16, 20},
        {9, 1, 1, 2.5, 16, 20},
        {10, 1, 1, 2.5, 16, 20},
        {11, 1, 1, 2.5, 16, 20},
        {12, 1, 1, 2.5, 16, 20},
        {13, 1, 1, 2.5, 16, 20},
        {14, 1, 1, 6.0, 32, 32},
        {15, 1, 1, 6.0, 32, 32},
        {16, 1, 1, 2.5, 16, 20},
        {17, 1, 1, 2.5, 16, 20},
    };
    ASSERT_EQ(int(std::size(rows)), CircuitWireSections.size());
    for (int r = 0; r < int(std::size(rows)); ++r) {
        const auto& row = rows[r];
        SCOPED_TRACE(::testing::Message() << "row " << r << ", circuit " << row.circuit);
        EXPECT_EQ(CircuitRow(row.circuit, row.fewestPoints), r);
        EXPECT_EQ(CircuitRow(row.circuit, row.mostPoints), r);
        EXPECT_EQ(CircuitWireSections.at(r), row.section);
        EXPECT_EQ(CircuitFuseRatings.at(r), row.fuse);
        EXPECT_EQ(CircuitBreakerRatings.at(r), row.breaker);
    }
}

} // namespace
