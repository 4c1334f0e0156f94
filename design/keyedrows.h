#pragma once

#include <cassert>
#include <string_view>

namespace vendrel::design {

// A design table's rows, in the table's order, for range-for: every table
// here is a constant array of rows with a `key` for the command line.
template <typename Row> struct KeyedRows {
    const Row* rows;
    int count;
    const Row* begin() const { return rows; }
    const Row* end() const { return rows + count; }
    int size() const { return count; }
    const Row& operator[](int index) const
    {
        assert(index >= 0 && index < count);
        return rows[index];
    }
};

// The row whose key is exactly `key`, or nullptr.
template <typename Row> const Row* FindByKey(KeyedRows<Row> table, std::string_view key)
{
    for (const Row& row : table) {
        if (key == row.key)
            return &row;
    }
    return nullptr;
}

} // namespace vendrel::design
