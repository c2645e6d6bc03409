#include "structure/structure_screen.h"

#include "geometry/zcx.h"
#include "stakeout/report.h"
#include "structure/structure_points.h"
#include "text/fields.h"
#include "text/number_text.h"
#include "text/station.h"
#include "text/user_error.h"
#include "xls/xls_workbook.h"

namespace quarvane {
namespace {

const char16_t* const kInputCaptions[] = {u"桩号(P)", u"右夹角(B)", u"左轴线长(Lz)", u"右轴线长(Ly)", u"宽度1(Dh)", u"宽度2(Dq)"};
const char16_t* const kInputNames[] = {u"桩号", u"右夹角", u"左轴线长", u"右轴线长", u"宽度1", u"宽度2"};

// A report field padded to 14 display columns, so that the point captions
// stay under the header's columns.
QString structureField(const QString& text)
{
    return padDisplay(text.trimmed(), kFieldWidth);
}

} // namespace

StructureInputs emptyStructureInputs()
{
    StructureInputs t;
    for (int k = 0; k < 6; ++k)
        t[std::size_t(k)] = QString::fromUtf16(kInputCaptions[k]);
    return t;
}

StructureGrid emptyStructureGrid()
{
    StructureGrid g;
    const char16_t* header[] = {u"桩 号", u"点 位", u"结构尺寸", u"X 坐标", u"Y 坐标"};
    for (int c = 0; c < 5; ++c)
        g[std::size_t(c)] = QString::fromUtf16(header[c]);
    const char16_t* points[] = {u"中心点", u"左轴线", u"左  后", u"左  前", u"右轴线", u"右  后", u"右  前"};
    for (int r = 0; r < 7; ++r)
        g[std::size_t(6 + 5 * r)] = QString::fromUtf16(points[r]);
    return g;
}

QString structureReportHeader()
{
    QString header;
    for (const char16_t* caption : {u"点序号", u"桩号", u"点位", u"结构尺寸", u"X坐标", u"Y坐标"})
        header += padDisplay(QString::fromUtf16(caption), kFieldWidth);
    return header;
}

void StructureScreen::jiegoucomp(Workspace& w)
{
    if (!tableLoaded(w.tables.yaosup))
        throw UserError(QStringLiteral("没有载入平曲线参数：请先在“选择线路”中选中线路并按“确定”。"));
    StructureInputs in = Text11;
    const double P = engineNumber(in[6], QStringLiteral("桩号"));
    double values[6] = {};
    for (int k = 7; k <= 11; ++k) {
        if (in[std::size_t(k)].isEmpty())
            in[std::size_t(k)] = QStringLiteral("0");
        values[k - 6] = engineNumber(in[std::size_t(k)], QString::fromUtf16(kInputNames[k - 6]));
    }
    const StructurePoints s = structurePoints(P, values[1], values[2], values[3], values[4], values[5], w.tables.yaosup);

    StructureGrid g = Text12;
    g[5] = plainNumber(s.station);
    g[7] = QStringLiteral("B=") + in[7];
    g[12] = QStringLiteral("Lz=") + in[8];
    g[17] = g[32] = QStringLiteral("Dh=") + in[10];
    g[22] = g[37] = QStringLiteral("Dq=") + in[11];
    g[27] = QStringLiteral("Ly=") + in[9];
    const std::pair<int, PlanPoint> points[] = {{8, s.centre},    {13, s.leftEnd},  {18, s.leftBack}, {23, s.leftFront},
                                                {28, s.rightEnd}, {33, s.rightBack}, {38, s.rightFront}};
    for (const auto& [cell, point] : points) {
        g[std::size_t(cell)] = format000(point.X);
        g[std::size_t(cell + 1)] = format000(point.Y);
    }
    for (int cell = 5; cell <= 39; ++cell)
        if (g[std::size_t(cell)] == QStringLiteral("0"))
            g[std::size_t(cell)].clear();
    Text11 = in;
    Text12 = g;
    computed_ = s.station;
}

void StructureScreen::jiegouok(Workspace& w)
{
    int n = 1;
    while (n <= kResultRows && !w.jieguo(n, 1).isEmpty())
        n += 8;
    if (n + 7 > kResultRows)
        throw UserError(QStringLiteral("结果表已满：最多记录%1个结构物。请先保存结果，再重新打开本界面。").arg(kResultRows / 8));
    // The station cell of station 0 is shown empty: the computed station
    // stands behind it.
    std::optional<double> station = fullNumber(Text12[5]);
    if (!station && Text12[5].trimmed().isEmpty())
        station = computed_;
    if (!station)
        throw UserError(QStringLiteral("没有计算结果：请先按“计 算”。"));
    const QString Khao = stationNotation(*station);

    QStringList lines;
    lines.append(structureField(QString::number(n)) + structureField(Khao) + structureField(Text12[6])
                 + structureField(Text12[7]) + structureField(Text12[8]) + structureField(Text12[9]));
    for (int j = 1; j <= 6; ++j) {
        QString line = structureField(QString::number(n + j)) + QString(kFieldWidth, u' ');
        for (int cell = 5 * j + 6; cell <= 5 * j + 9; ++cell)
            line += structureField(Text12[std::size_t(cell)]);
        lines.append(line);
    }
    lines.append(QString());
    if (n + 7 >= kMaxReportLines)
        throw UserError(QStringLiteral("报表已满：最多%1行。").arg(kMaxReportLines - 1));

    for (int c = 1; c <= 5; ++c) {
        w.jieguo(n, c) = Text12[std::size_t(c - 1)];
        for (int j = 1; j <= 7; ++j)
            w.jieguo(n + j, c) = Text12[std::size_t(5 * j - 1 + c)];
    }
    w.jieguo(n + 1, 1) = Khao;
    putLine(w.list.List1, 0, structureReportHeader());
    if (n >= w.list.List1.size() || w.list.List1[n].isEmpty())
        for (int k = 0; k < lines.size(); ++k)
            putLine(w.list.List1, n + k, lines[k]);
    w.list.selected = -1;
    fitReport(w.list);

    for (int k = 6; k <= 11; ++k)
        Text11[std::size_t(k)].clear();
    Text12[5].clear();
    for (int r = 0; r < 7; ++r)
        for (int cell = 7 + 5 * r; cell <= 9 + 5 * r; ++cell)
            Text12[std::size_t(cell)].clear();
    computed_.reset();
}

QStringList structureTextExport(const ResultsTable& jieguo)
{
    QStringList lines;
    int i = 0;
    for (int r = 1; r <= kResultRows && !jieguo(r, 4).isEmpty(); ++r) {
        if (jieguo(r, 4) == QStringLiteral("X 坐标"))
            continue;
        ++i;
        lines.append(lineNumberField(i) + u',' + jieguo(r, 4) + u',' + jieguo(r, 5) + QStringLiteral(",000,")
                     + jieguo(r, 2) + u' ' + jieguo(r, 3) + u' ' + jieguo(r, 1));
    }
    return lines;
}

XlsWorkbook structureWorkbook(const ResultsTable& jieguo)
{
    XlsWorkbook book;
    int n = 1;
    while (n <= kResultRows && !jieguo(n, 1).isEmpty())
        n += 8;
    for (int r = 1; r < n && r <= kResultRows; ++r)
        for (int c = 1; c <= 5; ++c)
            book.setText(r, c, jieguo(r, c));
    return book;
}

void saveStructureResults(const QString& FilePosition, const ResultsTable& jieguo, const SaveChoice& choice)
{
    if (choice.fileName.isEmpty())
        return;
    if (saveOutputOfFilter(choice.filterIndex) == SaveOutput::Workbook)
        saveWorkbookFile(FilePosition, QStringLiteral("jjj.xls"), choice.fileName, structureWorkbook(jieguo));
    else
        saveTextFile(FilePosition, choice.fileName, structureTextExport(jieguo));
}

} // namespace quarvane
