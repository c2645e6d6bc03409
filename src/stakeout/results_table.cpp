#include "stakeout/results_table.h"

#include <algorithm>
#include <cassert>

namespace quarvane {

ResultsTable::ResultsTable() : cells_(std::size_t(kResultRows + 1) * (kResultColumns + 1)) {}

std::size_t ResultsTable::index(int row, int column) const
{
    assert(row >= 0 && row <= kResultRows && column >= 0 && column <= kResultColumns);
    return std::size_t(row) * (kResultColumns + 1) + std::size_t(column);
}

QString& ResultsTable::operator()(int row, int column)
{
    usedRows_ = std::max(usedRows_, row);
    return cells_[index(row, column)];
}

const QString& ResultsTable::operator()(int row, int column) const
{
    return cells_[index(row, column)];
}

void ResultsTable::clear(int lastColumn)
{
    for (int row = 1; row <= usedRows_; ++row)
        for (int column = 1; column <= lastColumn; ++column)
            cells_[index(row, column)].clear();
    // Columns beyond lastColumn keep their text, so their rows stay in use.
    bool rest = false;
    for (int row = usedRows_; row >= 1 && !rest; --row)
        for (int column = lastColumn + 1; column <= kResultColumns && !rest; ++column)
            rest = !cells_[index(row, column)].isEmpty();
    if (!rest)
        usedRows_ = 0;
}

} // namespace quarvane
