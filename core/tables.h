#pragma once

// The checked reads of the calculators' constant reference tables, which each family
// keeps beside its formulas, and of the list choices stored as numbers.
//
// Every table is read through `at`, which refuses an index outside the table instead
// of reading past it.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

namespace tornavel {

// ---------------------------------------------------------------------------
// Table types: fixed contents, checked reads only
// ---------------------------------------------------------------------------

// A read-only table of N values; `at` refuses an index outside 0..N-1.
template <typename T, int N>
class Table {
    static_assert(N > 0);

public:
    constexpr explicit Table(const std::array<T, N>& values) : values_(values) {}

    static constexpr int size() { return N; }

    constexpr std::optional<T> at(int index) const
    {
        if (index < 0 || index >= N)
            return std::nullopt;
        return values_[static_cast<std::size_t>(index)];
    }

    constexpr auto begin() const { return values_.begin(); }
    constexpr auto end() const { return values_.end(); }

private:
    std::array<T, N> values_;
};

// A read-only table of N fixed texts; `at` refuses an index outside 0..N-1,
// `items` gives all of them in order, as a list is filled with them.
template <int N>
class TextTable {
    static_assert(N > 0);

public:
    constexpr explicit TextTable(const std::array<QStringView, N>& texts) : texts_(texts) {}

    static constexpr int size() { return N; }

    std::optional<QString> at(int index) const
    {
        if (index < 0 || index >= N)
            return std::nullopt;
        return texts_[static_cast<std::size_t>(index)].toString();
    }

    QStringList items() const
    {
        QStringList list;
        list.reserve(N);
        for (QStringView text : texts_)
            list.append(text.toString());
        return list;
    }

private:
    std::array<QStringView, N> texts_;
};

// A row of a list whose entries have a name, a shorter name written into formulas
// (the name itself when none is given) and a value.
template <typename T>
struct NamedRow {
    QStringView name;
    QStringView shortName;
    T value;

    constexpr NamedRow(QStringView n, T v) : name(n), shortName(n), value(v) {}
    constexpr NamedRow(QStringView n, QStringView s, T v) : name(n), shortName(s), value(v) {}
};

// Builds one column of a table of rows, so that parallel tables (name, short name,
// value) can be written row by row.
template <typename Out, int N, typename Row, typename Field>
constexpr std::array<Out, N> TableColumn(const std::array<Row, N>& rows, Field field)
{
    std::array<Out, N> column{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        column[i] = field(rows[i]);
    return column;
}

// ---------------------------------------------------------------------------
// Stored choices
// ---------------------------------------------------------------------------

// A list choice is stored as a number; its index is the integer part,
// truncated towards zero. None for a value that is not finite or lies
// outside the range of int (a damaged stored entry), so that it can never
// become an index by an undefined conversion.
std::optional<int> TruncatedIndex(double storedValue);

} // namespace tornavel
