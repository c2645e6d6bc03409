#pragma once

// Reads an .xls workbook back with xlrd (Python), a reader that shares no
// code with our writer, for tests that check every cell.

#include <QString>
#include <QStringList>

#include <map>
#include <utility>

namespace quarvane::test {

// The first python3 that can import xlrd: $QUARVANE_PYTHON, python3 on the
// PATH, then the system one (where Debian's python3-xlrd installs); empty
// when there is none.
QString pythonWithXlrd();

// The cells of a sheet by 1-based row and column.
using Cells = std::map<std::pair<int, int>, QString>;

// A workbook as xlrd read it. A cell is shown as its text in quotes, or as
// xlrd's cell type and value when it is not text.
struct ReadBack {
    QString error; // empty when xlrd read the file
    QString warnings;
    int biff = 0;
    QStringList sheetNames;
    int rows = 0;
    int columns = 0;
    Cells cells; // of the first sheet, those not empty
};

ReadBack readWithXlrd(const QString& path);

// A text cell as ReadBack shows it.
inline QString quoted(const QString& text) { return u'"' + text + u'"'; }

} // namespace quarvane::test
