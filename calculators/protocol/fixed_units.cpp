#include "calculators/protocol/fixed_units.h"

#include "core/tables.h"

namespace tornavel::fixedunits {

std::optional<int> StoredChoice(double stored, int count)
{
    const std::optional<int> index = TruncatedIndex(stored);
    if (!index || *index < 0 || *index >= count)
        return std::nullopt;
    return index;
}

int OwnOption(int sharedSelection, int optionCount)
{
    return sharedSelection >= 0 && sharedSelection < optionCount ? sharedSelection : 0;
}

ProtocolOutcome Outcome(const Result& result, const ProtocolCall& call)
{
    const auto label = [&](int id) { return id < 0 ? QString() : call.Text(id); };
    switch (result.kind) {
    case Result::Kind::Value: {
        ProtocolOutcome o = ProtocolOutcome::Number(result.value, label(result.formulaLabel),
                                                    label(result.shownLabel) + result.shownSuffix);
        o.writesMemory = result.toMemory;
        return o;
    }
    case Result::Kind::NoValue:
        return ProtocolOutcome::Missing(label(result.formulaLabel), label(result.shownLabel) + result.shownSuffix);
    case Result::Kind::InputError:
    case Result::Kind::Nothing:
        break;
    }
    return ProtocolOutcome::Refuse();
}

} // namespace tornavel::fixedunits
