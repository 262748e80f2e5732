#include "calculators/electrical/circuit.h"
#include "calculators/electrical/electrical.h"

#include "calculators/electrical/tables.h"
#include "calculators/electrical/texts.h"

namespace tornavel::electrical {

namespace {

// String numbers of the result labels (in the formula, shown) by option.
struct OptionLabels {
    int formula;
    int shown;
};
constexpr OptionLabels Labels[CircuitOptionCount] = {
    {text::Section, text::WireSection},
    {text::Fuse, text::FuseShown},
    {text::Breaker, text::BreakerShown},
};

struct CircuitChoice {
    int circuit;
    int points; // the number of points, 1 or more
};

std::optional<CircuitChoice> StoredCircuit(const InputValues& inputs)
{
    const auto circuit = fixedunits::StoredChoice(inputs[CircuitInput], CircuitCount);
    if (!circuit)
        return std::nullopt;
    const auto pointRow = fixedunits::StoredChoice(inputs[PointsInput], *CircuitMaxPoints.at(*circuit));
    if (!pointRow)
        return std::nullopt;
    return CircuitChoice{*circuit, *pointRow + 1};
}

// The value of one option at a row of the value tables; none where the table has none.
std::optional<double> CircuitValue(int row, int option)
{
    switch (option) {
    case FuseOption: {
        const auto fuse = CircuitFuseRatings.at(row);
        if (!fuse || *fuse == NoFuseRating)
            return std::nullopt;
        return static_cast<double>(*fuse);
    }
    case BreakerOption: {
        const auto breaker = CircuitBreakerRatings.at(row);
        return breaker ? std::optional<double>(*breaker) : std::nullopt;
    }
    default:
        return CircuitWireSections.at(row);
    }
}

} // namespace

int CircuitOwnOption(int sharedSelection)
{
    return fixedunits::OwnOption(sharedSelection, CircuitOptionCount);
}

fixedunits::Result ComputeCircuit(const InputValues& inputs, int sharedSelection)
{
    const auto choice = StoredCircuit(inputs);
    if (!choice)
        return fixedunits::Result::None();
    const int option = CircuitOwnOption(sharedSelection);
    const OptionLabels labels = Labels[option];
    const auto value = CircuitValue(*CircuitRow(choice->circuit, choice->points), option);
    if (!value)
        return fixedunits::Result::NoAnswer(labels.formula, labels.shown);
    return fixedunits::Result::Number(*value, labels.formula, labels.shown);
}

QStringList CircuitRows(const InputValues&, const QString&)
{
    return CircuitNames.items();
}

QStringList CircuitShortTexts(const InputValues&, const QString&)
{
    return CircuitShortNames.items();
}

QStringList CircuitPointRows(const InputValues& closed, const QString&)
{
    QStringList rows;
    const auto circuit = fixedunits::StoredChoice(closed[CircuitInput], CircuitCount);
    if (!circuit)
        return rows;
    const int maxPoints = *CircuitMaxPoints.at(*circuit);
    for (int points = 1; points <= maxPoints; ++points)
        rows.append(QString::number(points));
    return rows;
}

// CE lists the circuits by the short names that the formula writes, not by the names
// that the opened calculator lists.
QStringList CircuitUndoRows(int k)
{
    return k == CircuitInput ? CircuitShortNames.items() : QStringList();
}

// Both inputs come from the list and nothing is refused; "&&" leaves the codes as they
// were; a lookup without answer shows "#NV", is recorded in the history and then
// reported. The list gives way to the result field at the end of "f=".
const ProtocolCalculator CircuitCalculator{
    .nextTermSetsCodes = false,
    .undoListRows = CircuitUndoRows,
    .listStepFlagsReselect = true,
    .undoReselectsChoice = true,
    .compute = fixedunits::Compute<ComputeCircuit>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::Never,
    .keypadAfter = KeypadAfter::On,
    .clearsVariantChanged = true,
    .listAtCompute = ListAtCompute::HiddenAfter,
};

} // namespace tornavel::electrical
