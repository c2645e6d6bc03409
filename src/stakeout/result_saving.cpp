#include "stakeout/result_saving.h"

#include "route/app_paths.h"
#include "text/gbk_file.h"
#include "text/number_text.h"
#include "text/user_error.h"
#include "xls/xls_workbook.h"

namespace quarvane {

QStringList saveFilters()
{
    return {QStringLiteral("EXCEL(*.xls)"), QStringLiteral("WPS(*.et)"), QStringLiteral("TEXT(*.txt)"),
            QStringLiteral("CSV(*.csv)")};
}

SaveOutput saveOutputOfFilter(int filterIndex)
{
    return filterIndex == 3 || filterIndex == 4 ? SaveOutput::Text : SaveOutput::Workbook;
}

void TextExport::applyTo(ResultsTable& jieguo) const
{
    for (const auto& [row, column] : zeroCells)
        jieguo(row, column) = QStringLiteral("000");
}

QString lineNumberField(int i)
{
    return u' ' + QString::number(i) + u' ';
}

TextExport forwardTextExport(const ResultsTable& jieguo)
{
    TextExport out;
    auto elevation = [&](int row) {
        if (!jieguo(row, 6).isEmpty())
            return jieguo(row, 6);
        out.zeroCells.emplace_back(row, 6);
        return QStringLiteral("000");
    };
    int i = 0;
    int e = 1;
    for (; e <= kResultRows && !jieguo(e, 1).isEmpty(); e += 3) {
        ++i;
        out.lines.append(lineNumberField(i) + u',' + jieguo(e, 4) + u',' + jieguo(e, 5) + u',' + elevation(e) + u','
                         + jieguo(e, 1));
    }
    // The side passes number one line a group, written or not; the number
    // of the free group's row after the last is counted and given back.
    const std::pair<int, const char*> passes[] = {{2, "  Z"}, {3, "  Y"}};
    for (const auto& [first, mark] : passes) {
        for (int h = first; h <= e + first - 1 && h <= kResultRows; h += 3) {
            ++i;
            if (h >= e)
                continue;   // the free group: nothing recorded there
            const QString z = elevation(h);
            if (jieguo(h, 3).isEmpty())
                continue;
            out.lines.append(lineNumberField(i) + u',' + jieguo(h, 4) + u',' + jieguo(h, 5) + u',' + z + u','
                             + jieguo(h - first + 1, 1) + QLatin1String(mark)
                             + format000(lenientNumber(jieguo(h, 3).trimmed())));
        }
        if (first == 2)
            --i;
    }
    return out;
}

XlsWorkbook forwardWorkbook(const ResultsTable& jieguo)
{
    XlsWorkbook book;
    const char16_t* captions[] = {u"桩号", u"桩位", u"边距", u"X 坐标", u"Y 坐标", u"高程"};
    for (int c = 1; c <= 6; ++c)
        book.setText(1, c, QString::fromUtf16(captions[c - 1]));
    for (int g = 1; g <= kResultRows && !jieguo(g, 1).isEmpty(); g += 3)
        for (int row = g; row <= g + 2; ++row)
            for (int c = 1; c <= 6; ++c)
                book.setText(row + 1, c, jieguo(row, c));
    return book;
}

void saveTextFile(const QString& FilePosition, const QString& target, const QStringList& lines)
{
    writeGbkLines(tempFile(FilePosition, QStringLiteral("aaa.txt")), lines);
    writeGbkLines(target, lines);
}

void saveWorkbookFile(const QString& FilePosition, const QString& templateName, const QString& target,
                      const XlsWorkbook& workbook)
{
    workbook.save(tempFile(FilePosition, templateName));
    workbook.save(target);
}

void saveForwardResults(const QString& FilePosition, ResultsTable& jieguo, const SaveChoice& choice)
{
    if (choice.fileName.isEmpty())
        return;
    if (saveOutputOfFilter(choice.filterIndex) == SaveOutput::Workbook) {
        saveWorkbookFile(FilePosition, QStringLiteral("aaa.xls"), choice.fileName, forwardWorkbook(jieguo));
        return;
    }
    const TextExport text = forwardTextExport(jieguo);
    saveTextFile(FilePosition, choice.fileName, text.lines);
    text.applyTo(jieguo);
}

} // namespace quarvane
