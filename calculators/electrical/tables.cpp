#include "calculators/electrical/tables.h"

namespace tornavel {

namespace {

// Each circuit with the most points it may serve.
constexpr std::array<NamedRow<std::int32_t>, CircuitCount> CircuitRows{{
    {u"Eclairage", 8},
    {u"Prises commandées", 8},
    {u"Volets", 1},
    {u"VMC (ventil. méca. contrôlée)", u"VMC", 1},
    {u"Circuit de tarification", u"Tarification", 1},
    {u"Fil pilote", 1},
    {u"Cir. de gestion de l'énergie", u"Gestion énergie", 1},
    {u"Prises de courant 16 A", u"Prises 16A", 8},
    {u"Chauffe-eau à accumulation", u"Chauffe-eau", 1},
    {u"Circuit lave-linge", u"Lave-linge", 1},
    {u"Circuit seche-linge", 1},
    {u"Circuit lave-vaisselle", u"Lave-vaisselle", 1},
    {u"Circuit four", u"Four", 1},
    {u"Circuit congélateur", u"Congélateur", 1},
    {u"Circuit cuisinière monophasé", u"Cuisinière monophasé", 1},
    {u"Cir. plaque cuis. monophasé", u"Plaque cuisson monophasé", 1},
    {u"Circuit cuisinière triphasé", u"Cuisinière triphasé", 1},
    {u"Cir. plaque cuisson triphasé", u"Plaque cuisson triphasé", 1},
}};

struct CircuitValues {
    double wireSection; // mm2
    std::int32_t fuse;  // A, or NoFuseRating
    std::int32_t breaker; // A
};

constexpr std::array<CircuitValues, CircuitRowCount> CircuitValueRows{{
    {1.5, 10, 16},           // 0  lighting
    {1.5, 10, 16},           // 1
    {1.5, 10, 16},           // 2
    {1.5, NoFuseRating, 2},  // 3
    {1.5, NoFuseRating, 2},  // 4
    {1.5, NoFuseRating, 2},  // 5
    {1.5, NoFuseRating, 2},  // 6
    {1.5, NoFuseRating, 16}, // 7  16 A sockets, at most 5 points
    {2.5, 16, 20},           // 8  16 A sockets, more than 5 points
    {2.5, 16, 20},           // 9  circuit 8
    {2.5, 16, 20},           // 10
    {2.5, 16, 20},           // 11
    {2.5, 16, 20},           // 12
    {2.5, 16, 20},           // 13
    {2.5, 16, 20},           // 14
    {6.0, 32, 32},           // 15 circuit 14
    {6.0, 32, 32},           // 16 circuit 15
    {2.5, 16, 20},           // 17
    {2.5, 16, 20},           // 18 circuit 17
}};

constexpr int SocketCircuit = 7;          // the circuit with two rows
constexpr int SocketCircuitMaxSmallRow = 5; // points still on the first row

} // namespace

constinit const TextTable<CircuitCount> CircuitNames{
    TableColumn<QStringView, CircuitCount>(CircuitRows, [](const NamedRow<std::int32_t>& r) { return r.name; })};

constinit const TextTable<CircuitCount> CircuitShortNames{
    TableColumn<QStringView, CircuitCount>(CircuitRows, [](const NamedRow<std::int32_t>& r) { return r.shortName; })};

constinit const Table<std::int32_t, CircuitCount> CircuitMaxPoints{
    TableColumn<std::int32_t, CircuitCount>(CircuitRows, [](const NamedRow<std::int32_t>& r) { return r.value; })};

constinit const Table<double, CircuitRowCount> CircuitWireSections{
    TableColumn<double, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.wireSection; })};

constinit const Table<std::int32_t, CircuitRowCount> CircuitFuseRatings{
    TableColumn<std::int32_t, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.fuse; })};

constinit const Table<std::int32_t, CircuitRowCount> CircuitBreakerRatings{
    TableColumn<std::int32_t, CircuitRowCount>(CircuitValueRows, [](const CircuitValues& r) { return r.breaker; })};

std::optional<int> CircuitRow(int circuit, int points)
{
    if (circuit < 0 || circuit >= CircuitCount)
        return std::nullopt;
    if (circuit < SocketCircuit)
        return circuit;
    if (circuit == SocketCircuit)
        return points > SocketCircuitMaxSmallRow ? SocketCircuit + 1 : SocketCircuit;
    return circuit + 1;
}

constinit const TextTable<PhaseCount> PhaseNames{{u"Monophasé", u"Triphasé"}};

} // namespace tornavel
