#include "inverse/measured_point.h"

#include "stakeout/report.h"
#include "text/fields.h"
#include "text/number_text.h"
#include "text/station.h"
#include "text/user_error.h"
#include "xls/xls_workbook.h"

namespace quarvane {
namespace {

// The results row's columns 6..10 come from these cells, in this order.
constexpr std::size_t kResultCells[] = {7, 13, 14, 16, 15};

// A field of the report line, padded to 14 display columns so that a
// Chinese note stays in its column.
QString measuredField(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (displayWidth(trimmed) > kFieldWidth)
        throw UserError(QStringLiteral("报表字段“%1”超过14个字符，无法记录。").arg(trimmed));
    return padDisplay(trimmed, kFieldWidth);
}

} // namespace

MeasuredGrid emptyMeasuredGrid()
{
    MeasuredGrid g;
    g[0] = QStringLiteral("实测X坐标");
    g[1] = QStringLiteral("实测Y坐标");
    g[8] = QStringLiteral("实测高程");
    g[2] = QStringLiteral("计算桩号");
    g[3] = QStringLiteral("偏距");
    g[9] = QStringLiteral("设计高程");
    g[10] = QStringLiteral("填挖高度");
    g[17] = QStringLiteral("路基设计宽");
    g[11] = QStringLiteral("放样偏差");
    return g;
}

QString measuredReportHeader()
{
    QString header;
    for (const char16_t* caption : {u"点序号", u"X坐标", u"Y坐标", u"高程", u"桩号", u"偏距", u"设计高程", u"高差",
                                     u"路基设计宽", u"点位偏差"})
        header += padDisplay(QString::fromUtf16(caption), kFieldWidth);
    return header;
}

void MeasuredPoint::compute(RouteTables& tables, InverseState& state)
{
    if (!tableLoaded(tables.yaosup))
        throw UserError(QStringLiteral("没有载入平曲线参数：请先在“选择线路”中选中线路并按“确定”。"));
    const StationOffset r = stationAndOffset(Text10[4], Text10[5], Text10[12], tables, state);
    Text10[6] = r.station;
    Text10[7] = r.offset;
    Text10[13] = r.designElevation;
    Text10[14] = r.fillCut;
    Text10[16] = r.subgradeWidth;
    Text10[15] = r.deviation;
}

void MeasuredPoint::zhuangcomp(Workspace& w, InverseState& state)
{
    MeasuredPoint next = *this;
    for (std::size_t cell : {4u, 5u})
        if (next.Text10[cell].isEmpty())
            next.Text10[cell] = QStringLiteral("0");
    next.compute(w.tables, state);
    *this = next;
}

int firstFreeRow(const ResultsTable& jieguo)
{
    int n = 1;
    while (n <= kResultRows && !jieguo(n, 1).isEmpty())
        ++n;
    return n;
}

void MeasuredPoint::record(Workspace& w, int n) const
{
    if (n > kResultRows)
        throw UserError(QStringLiteral("结果表已满：最多记录%1个点。请先保存结果，再重新打开本界面。").arg(kResultRows));
    const auto station = fullNumber(Text10[6]);
    if (!station)
        throw UserError(QStringLiteral("没有计算桩号：请先按“计 算”。"));
    std::array<QString, 11> row;
    row[1] = QString::number(n);
    row[2] = format000(Text10[4]);
    row[3] = format000(Text10[5]);
    row[4] = format000(Text10[12]);
    row[5] = stationNotation(*station);
    for (int k = 0; k < 5; ++k)
        row[std::size_t(6 + k)] = format000(Text10[kResultCells[k]]);
    QString line;
    for (int c = 1; c <= 10; ++c)
        line += measuredField(row[std::size_t(c)]);

    for (int c = 1; c <= 10; ++c)
        w.jieguo(n, c) = row[std::size_t(c)];
    putLine(w.list.List1, 0, measuredReportHeader());
    if (n >= w.list.List1.size() || w.list.List1[n].isEmpty())
        putLine(w.list.List1, n, line);
    w.list.selected = -1;
    fitReport(w.list);
}

void MeasuredPoint::zhuangok(Workspace& w)
{
    record(w, firstFreeRow(w.jieguo));
    for (std::size_t cell : {4u, 5u, 6u, 7u, 12u, 13u, 14u, 15u, 16u})
        Text10[cell].clear();
}

QStringList measuredTextExport(const ResultsTable& jieguo)
{
    QStringList lines{QStringLiteral("序号,X坐标,  Y坐标,         高程,   桩号,       偏距,  设计高程, 高差, 路基宽, 点位偏差")};
    for (int n = 1; n <= kResultRows && !jieguo(n, 1).isEmpty(); ++n) {
        QString line = lineNumberField(n);
        for (int c = 2; c <= 10; ++c)
            line += u',' + jieguo(n, c);
        lines.append(line);
    }
    return lines;
}

XlsWorkbook measuredWorkbook(const ResultsTable& jieguo)
{
    XlsWorkbook book;
    const char16_t* titles[] = {u"序号", u"实测X坐标", u"实测Y坐标", u"实测高程", u"计算桩号",
                                u"到中线距离", u"设计高程", u"高差", u"路基设计宽", u"放样偏差"};
    for (int c = 1; c <= 10; ++c)
        book.setText(1, c, QString::fromUtf16(titles[c - 1]));
    for (int n = 1; n <= kResultRows && !jieguo(n, 1).isEmpty(); ++n)
        for (int c = 1; c <= 10; ++c)
            book.setText(n + 1, c, jieguo(n, c));
    return book;
}

void saveMeasuredResults(const QString& FilePosition, const ResultsTable& jieguo, const SaveChoice& choice)
{
    if (choice.fileName.isEmpty())
        return;
    if (saveOutputOfFilter(choice.filterIndex) == SaveOutput::Workbook)
        saveWorkbookFile(FilePosition, QStringLiteral("ppp.xls"), choice.fileName, measuredWorkbook(jieguo));
    else
        saveTextFile(FilePosition, choice.fileName, measuredTextExport(jieguo));
}

} // namespace quarvane
