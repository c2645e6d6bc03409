#pragma once

// Saving the results table: as a workbook (.xls, written by our own writer)
// or as comma-separated text. Every save writes its file under temp/ first
// (the template workbook "aaa.xls", "ppp.xls" or "jjj.xls", or the text
// file "aaa.txt") and then the same bytes under the chosen name, so temp/
// keeps the last export. Both writes go through a temporary file renamed
// into place: a failed save leaves every earlier file whole, and the
// results table as it was.

#include "stakeout/results_table.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace quarvane {

class XlsWorkbook;

// The save dialog's file types, in their order; the 1-based index of the
// chosen one decides the output: 1 and 2 a workbook, 3 and 4 text.
QStringList saveFilters();
inline const QString kSaveTitle = QStringLiteral("保存");
inline const QString kSaveDefaultSuffix = QStringLiteral("xls");

enum class SaveOutput { Workbook, Text };
SaveOutput saveOutputOfFilter(int filterIndex);

// What the save dialog answered: an empty file name when nothing was chosen.
struct SaveChoice {
    QString fileName;
    int filterIndex = 1;
};

// A text export: its lines, and the cells it writes "000" into (an empty
// elevation), applied to the results table only once the file is saved.
struct TextExport {
    QStringList lines;
    std::vector<std::pair<int, int>> zeroCells;

    void applyTo(ResultsTable& jieguo) const;
};

// The counter of a text line: a blank, its digits, a blank.
QString lineNumberField(int i);

// The single-point and batch layout: centre lines numbered 1..k, then a
// pass over the left rows numbered k+1..2k, then the right rows 2k+1..3k;
// a side without an offset leaves its number unused.
TextExport forwardTextExport(const ResultsTable& jieguo);

// The single-point and batch workbook: the caption row, then every used
// row one sheet row lower.
XlsWorkbook forwardWorkbook(const ResultsTable& jieguo);

// Writes the text lines (GBK, CR LF) to temp/aaa.txt and to the target.
void saveTextFile(const QString& FilePosition, const QString& target, const QStringList& lines);

// Writes the workbook to the template temp/<templateName> and to the target.
void saveWorkbookFile(const QString& FilePosition, const QString& templateName, const QString& target,
                      const XlsWorkbook& workbook);

// The whole save of the single-point and batch screens for a chosen file:
// the workbook or the text by the filter index; "000" is written back into
// `jieguo` after a text export. Throws UserError naming what failed.
void saveForwardResults(const QString& FilePosition, ResultsTable& jieguo, const SaveChoice& choice);

} // namespace quarvane
