#pragma once

// The results table `jieguo`: 60001 rows by 11 columns of text (row 0 and
// column 0 unused), shared by every computing screen. Each screen lays out
// its own rows; an empty first column of a group's first row marks the end
// of the recorded data.

#include <QString>
#include <vector>

namespace quarvane {

inline constexpr int kResultRows = 60000;
inline constexpr int kResultColumns = 10;

class ResultsTable {
public:
    ResultsTable();

    QString& operator()(int row, int column);
    const QString& operator()(int row, int column) const;

    // Empties columns 1..lastColumn of rows 1..60000.
    void clear(int lastColumn);

    // Rows after this one are empty.
    int usedRows() const { return usedRows_; }

private:
    std::size_t index(int row, int column) const;
    std::vector<QString> cells_;
    int usedRows_ = 0;   // rows after it were never written since the last clear
};

} // namespace quarvane
