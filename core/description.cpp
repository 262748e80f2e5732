#include "core/description.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>

namespace tornavel {

namespace {

[[noreturn]] void Refuse(const std::string& what)
{
    throw std::logic_error("calculator rows: " + what);
}

bool IsKeypadCode(int code)
{
    return std::find(std::begin(Code::KeypadCodes), std::end(Code::KeypadCodes), code) != std::end(Code::KeypadCodes);
}

} // namespace

void CalculatorRegistry::Register(std::vector<CalculatorDescription> family)
{
    std::vector<int> numbers;
    for (const CalculatorDescription& row : family) {
        const std::string number = std::to_string(row.number);
        if (row.number < 0)
            Refuse("a row without a number");
        if (Has(row.number) || std::count(numbers.begin(), numbers.end(), row.number) > 0)
            Refuse("calculator " + number + " is already registered");
        numbers.push_back(row.number);
        // A menu item, a title or a help page belongs to one calculator.
        const std::pair<int CalculatorDescription::*, const char*> owned[] = {
            {&CalculatorDescription::menuItem, "menu item"},
            {&CalculatorDescription::titleId, "title string"},
            {&CalculatorDescription::helpPageId, "help page string"},
        };
        // The lambda takes a copy: clang before 16 (tools/fuzz) refuses a captured structured binding.
        for (const auto& [ownedField, name] : owned) {
            const auto field = ownedField;
            const int value = row.*field;
            const auto same = [&](const CalculatorDescription& other) {
                return &other != &row && other.*field == value;
            };
            const bool registered = std::any_of(rows_.begin(), rows_.end(), [&](const auto& other) {
                return other && same(*other);
            });
            if (value >= 0 && (registered || std::any_of(family.begin(), family.end(), same)))
                Refuse("calculator " + number + ": " + name + " " + std::to_string(value) + " is another calculator's");
        }
        if (row.resultCode == Code::None)
            continue;
        if (IsKeypadCode(row.resultCode))
            Refuse("calculator " + number + ": result code " + std::to_string(row.resultCode) + " is the keypad's");
        if (std::binary_search(resultCodes_.begin(), resultCodes_.end(), row.resultCode))
            Refuse("calculator " + number + ": result code " + std::to_string(row.resultCode)
                   + " is another family's");
    }
    for (CalculatorDescription& row : family) {
        const auto at = static_cast<size_t>(row.number);
        if (at >= rows_.size())
            rows_.resize(at + 1);
        rows_[at] = std::make_shared<const CalculatorDescription>(std::move(row));
    }
    Derive();
}

void CalculatorRegistry::Replace(std::shared_ptr<const CalculatorDescription> row)
{
    if (!row || !Has(row->number))
        Refuse("no row to replace");
    rows_[static_cast<size_t>(row->number)] = std::move(row);
    Derive();
}

void CalculatorRegistry::SetMenuOrder(std::vector<int> order)
{
    menuOrder_ = std::move(order);
    Derive();
}

const CalculatorDescription& CalculatorRegistry::Of(int number) const
{
    static const CalculatorDescription empty;
    if (!Has(number))
        return empty;
    return *rows_[static_cast<size_t>(number)];
}

bool CalculatorRegistry::Has(int number) const
{
    return number >= 0 && number < Count() && rows_[static_cast<size_t>(number)] != nullptr;
}

void CalculatorRegistry::Derive()
{
    std::vector<const CalculatorDescription*> rows;
    for (const auto& row : rows_) {
        if (row)
            rows.push_back(row.get());
    }

    // The option selections, by number: the rows of a group share the first one's.
    selections_.assign(rows_.size(), -1);
    selectionCount_ = 0;
    std::vector<std::pair<const char*, int>> groups;
    for (const CalculatorDescription* row : rows) {
        if (row->options.buttons.empty())
            continue;
        int& selection = selections_[static_cast<size_t>(row->number)];
        const char* group = row->options.group;
        if (group) {
            const auto shared = std::find_if(groups.begin(), groups.end(), [group](const auto& named) {
                return std::strcmp(named.first, group) == 0;
            });
            if (shared != groups.end()) {
                selection = shared->second;
                continue;
            }
            groups.emplace_back(group, selectionCount_);
        }
        selection = selectionCount_++;
    }

    // The lists: the keypad calculators first, each group by number.
    std::stable_partition(rows.begin(), rows.end(),
                          [](const CalculatorDescription* row) { return row->isKeypad(); });
    listOrder_.clear();
    for (const CalculatorDescription* row : rows)
        listOrder_.push_back(row->number);

    // The result codes that the rows name.
    resultCodes_.clear();
    for (const CalculatorDescription* row : rows) {
        if (row->resultCode != Code::None)
            resultCodes_.push_back(row->resultCode);
    }
    std::sort(resultCodes_.begin(), resultCodes_.end());
    resultCodes_.erase(std::unique(resultCodes_.begin(), resultCodes_.end()), resultCodes_.end());

    // The menu, in its order; a separator only before an item.
    menu_.clear();
    int separators = 0;
    bool separatorDue = false;
    for (int line : menuOrder_) {
        if (line == MenuSeparator) {
            separatorDue = true;
            continue;
        }
        if (!Has(line) || Of(line).menuItem < 0)
            continue;
        if (separatorDue && !menu_.empty())
            menu_.push_back({QStringLiteral("N%1").arg(++separators), -1, -1});
        separatorDue = false;
        const int item = Of(line).menuItem;
        menu_.push_back({QStringLiteral("Calculette%1").arg(item), item, line});
    }
}

int CalculatorRegistry::CalculatorOfMenuItem(int item) const
{
    if (item < 0)
        return -1;
    for (const CalculatorMenuEntry& entry : menu_) {
        if (entry.item == item)
            return entry.calculator;
    }
    return -1;
}

int CalculatorRegistry::MenuItemOfCalculator(int calculator) const
{
    if (calculator < 0)
        return -1;
    for (const CalculatorMenuEntry& entry : menu_) {
        if (entry.calculator == calculator)
            return entry.item;
    }
    return -1;
}

bool CalculatorRegistry::Offers(int onScreen, int offered) const
{
    if (!Has(onScreen) || !Has(offered))
        return false;
    if (Of(onScreen).offersEveryCalculator)
        return true;
    const std::vector<int>& offers = Of(onScreen).offers;
    return std::find(offers.begin(), offers.end(), offered) != offers.end();
}

bool CalculatorRegistry::SubCalculationsShowUnits(int caller) const
{
    return Of(caller).subCalculationsShowUnits;
}

int CalculatorRegistry::SelectionOf(int number) const
{
    return Has(number) ? selections_[static_cast<size_t>(number)] : -1;
}

bool CalculatorRegistry::IsResultState(int code) const
{
    return code == Code::Equals || std::binary_search(resultCodes_.begin(), resultCodes_.end(), code);
}

std::vector<QString> CalculatorRegistry::Titles(
    const std::function<QString(int stringId)>& loadString) const
{
    std::vector<QString> titles(rows_.size());
    for (int n = 0; n < Count(); ++n) {
        if (Has(n) && loadString)
            titles[static_cast<size_t>(n)] = loadString(Of(n).titleId).left(CalculatorNameBufferSize - 1);
    }
    return titles;
}

} // namespace tornavel
