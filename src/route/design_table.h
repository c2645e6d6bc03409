#pragma once

// The four design tables of a route. Each is a fixed table of text cells,
// rows 0 to 600 by columns 0 to N; row r holds the r-th record of the
// route's file and column j its field j; row 0 and column 0 are never used.
// A cell keeps its text as typed; its number is taken where it is read.

#include <QString>
#include <QStringList>
#include <cassert>
#include <vector>

namespace quarvane {

inline constexpr int kMaxRecords = 600;

enum class TableKind { Pin, Shu, Cho, Lbp };

struct TableKindInfo {
    TableKind kind;
    int fieldCount;        // N: 16, 8, 9, 47
    QString extension;     // ".pin", ".shu", ".cho", ".lbp"
    QString templateName;  // "ooo.dat", "sss.dat", "ccc.dat", "kkk.dat" in temp/
    QString title;         // "平曲线参数", ... as the table list and messages name it
    QStringList captions;  // field captions 1..N (index 0 is field 1)
};

const TableKindInfo& tableInfo(TableKind kind);
inline constexpr TableKind kAllKinds[] = {TableKind::Pin, TableKind::Shu, TableKind::Cho, TableKind::Lbp};

class DesignTable {
public:
    explicit DesignTable(TableKind kind);

    TableKind kind() const { return kind_; }
    const TableKindInfo& info() const { return tableInfo(kind_); }
    int fieldCount() const { return columns_ - 1; }

    // Cell (row, column), row 0..600, column 0..N.
    QString& operator()(int row, int column);
    const QString& operator()(int row, int column) const;

    // Rows after this one have not been written since the table was made
    // or emptied, so they are empty: scans over all 600 rows stop here.
    int usedRows() const { return usedRows_; }

    // Number of record rows the table was filled with.
    int records() const { return records_; }
    void setRecords(int records) { records_ = records; }

    // Empties every cell.
    void clear();

    // The value of a cell of the horizontal, vertical or superelevation
    // table: empty reads as 0; any other text that is not a number throws a
    // UserError naming the table, the row and the field.
    double number(int row, int column) const
    {
        const std::size_t i = index(row, column);
        const Reading& r = readings_[i];
        if (r.number && fresh(r, i))
            return r.numberValue;
        return readNumber(row, column);
    }

    // The value of a subgrade-table cell: the number at the start of its
    // text, 0 when it does not begin with a number.
    double leadingNumber(int row, int column) const
    {
        const std::size_t i = index(row, column);
        const Reading& r = readings_[i];
        if (r.leading && fresh(r, i))
            return r.leadingValue;
        return readLeadingNumber(row, column);
    }

    // The degrees of a packed ddd.mmss angle cell (number() rules).
    double packedDegrees(int row, int column) const;

    // "平曲线参数第3行“第一缓和曲线长”" for messages.
    QString cellName(int row, int column) const;

private:
    // Numbers read from a cell are kept beside it and used again while the
    // cell still holds the same text: the engine reads the same cells many
    // thousand times for one batch or file.
    struct Reading {
        QString text;   // the cell text the values were read from (shared, not copied)
        bool number = false, leading = false, packed = false, valid = false;
        double numberValue = 0, leadingValue = 0, packedValue = 0;
    };
    Reading& reading(int row, int column) const;
    double readNumber(int row, int column) const;
    double readLeadingNumber(int row, int column) const;
    // The reading keeps a reference to the text it read, so while that text
    // lives its characters cannot move: the same address is the same text.
    bool fresh(const Reading& r, std::size_t i) const
    {
        return r.text.constData() == cells_[i].constData() && r.text.size() == cells_[i].size();
    }
    std::size_t index(int row, int column) const
    {
        assert(row >= 0 && row <= kMaxRecords && column >= 0 && column < columns_);
        return std::size_t(row) * std::size_t(columns_) + std::size_t(column);
    }

    TableKind kind_;
    int columns_;
    int records_ = 0;
    int usedRows_ = 0;
    std::vector<QString> cells_;
    mutable std::vector<Reading> readings_;
};

} // namespace quarvane
