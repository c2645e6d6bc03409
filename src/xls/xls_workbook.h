#pragma once

// An Excel 97-2003 workbook (.xls: BIFF8 records in a compound file) with
// one worksheet, "Sheet1", of text cells. It is what the results table is
// saved as for surveyors who open it in a spreadsheet program; every
// value goes in as text, exactly as the screen shows it, so "000" and
// "K01+234.500" stay what they are.
//
// No maintained library in Debian writes this format, so the writer is our
// own and small: it writes only what a sheet of text needs.

#include <QByteArray>
#include <QString>

#include <vector>

namespace quarvane {

// The limits of a BIFF8 worksheet and of the text in one of its cells.
inline constexpr int kXlsMaxRows = 65536;
inline constexpr int kXlsMaxColumns = 256;
inline constexpr int kXlsMaxCellText = 32767;

class XlsWorkbook {
public:
    // Sets the text of the cell at 1-based `row` (1..65536) and `column`
    // (1..256). A later call for the same cell replaces the text; an empty
    // text leaves the cell blank. Throws UserError naming the cell when it
    // lies outside the sheet or the text is longer than 32767 characters.
    void setText(int row, int column, const QString& text);

    // The whole .xls file.
    QByteArray bytes() const;

    // Writes bytes() through a temporary file renamed into place, so a
    // failure leaves any earlier file whole. Throws UserError naming the
    // file and the reason.
    void save(const QString& path) const;

private:
    struct Cell {
        quint32 key; // row * 256 + column, both 0-based: the order of the sheet
        QString text;
    };
    // In the order set; bytes() sorts them and keeps the last text per cell.
    std::vector<Cell> cells_;
};

} // namespace quarvane
