#include "ui/form/pathorder.h"

#include "ui/form/circuitform.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numeric>

namespace vendrel::form {

const std::string& PathCell(const PathRow& path, std::size_t column)
{
    const std::string* const cells[]
        = {&path.sections, &path.leaves, &path.rejoins, &path.total, &path.imbalance, &path.note};
    static_assert(std::size(cells) == kPathColumns.size());
    return *cells[column];
}

PathSort PathSortOfColumn(int column)
{
    return column == kPathTotalColumn    ? PathSort::Total
        : column == kPathImbalanceColumn ? PathSort::Imbalance
                                         : PathSort::AsFound;
}

std::vector<int> PathOrder(const std::vector<PathRow>& paths, PathSort sort, bool descending)
{
    std::vector<int> order(paths.size());
    std::iota(order.begin(), order.end(), 0);
    if (sort == PathSort::AsFound)
        return order;
    const auto key = [&](int row) {
        const PathRow& path = paths[static_cast<std::size_t>(row)];
        const double value = sort == PathSort::Total ? path.totalPascals : path.imbalanceFraction;
        return std::isnan(value) ? -std::numeric_limits<double>::infinity() : value;
    };
    std::stable_sort(
        order.begin(), order.end(), [&](int a, int b) { return descending ? key(a) > key(b) : key(a) < key(b); });
    return order;
}

std::string PathsText(const std::vector<PathRow>& paths, const std::vector<int>& rows)
{
    std::string text;
    for (std::size_t column = 0; column < kPathColumns.size(); ++column)
        text += (column == 0 ? "" : "\t") + std::string(kPathColumns[column]);
    text += "\r\n";
    for (const int row : rows) {
        const PathRow& path = paths[static_cast<std::size_t>(row)];
        for (std::size_t column = 0; column < kPathColumns.size(); ++column) {
            if (column > 0)
                text += '\t';
            AppendClipboardCell(text, PathCell(path, column));
        }
        text += "\r\n";
    }
    return text;
}

} // namespace vendrel::form
