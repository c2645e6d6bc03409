#include "stakeout/forward_screen.h"

#include "geometry/sqx.h"
#include "geometry/zcx.h"
#include "stakeout/list_fitting.h"
#include "stakeout/report.h"
#include "text/fields.h"
#include "text/number_text.h"
#include "text/station.h"
#include "text/user_error.h"

namespace quarvane {

StakeGrid emptyStakeGrid()
{
    StakeGrid g;
    const char16_t* captions[] = {u"桩号", u"桩位", u"边距", u"X 坐标", u"Y 坐标", u"高程"};
    for (int c = 0; c < 6; ++c)
        g[std::size_t(c)] = QString::fromUtf16(captions[c]);
    g[7] = QStringLiteral("中  桩");
    g[13] = QStringLiteral("左边桩");
    g[19] = QStringLiteral("右边桩");
    return g;
}

MedianGrid initialMedianGrid()
{
    return {QStringLiteral("左侧中分带宽度"), QStringLiteral("0"), QStringLiteral("右侧中分带宽度"), QStringLiteral("0")};
}

void fitReport(ListPanelRef list)
{
    const ListFit fit = fitList(int(list.List1.size()), kListShortHeight, true);
    list.VScroll1Max = fit.VScroll1Max;
    list.List1Height = fit.List1Height;
}

bool tableLoaded(const DesignTable& table)
{
    const QString& first = table(1, 1);
    return !first.trimmed().isEmpty() && lenientNumber(first) != 0;
}

void requireRouteTables(const RouteTables& tables)
{
    if (!tableLoaded(tables.yaosup) && !tableLoaded(tables.yaosus))
        throw UserError(QStringLiteral("没有载入线路参数：请先在“选择线路”中选中线路并按“确定”。"));
}

StakeInputs readStakeInputs(const QString& station, const QString& left, const QString& right,
                            const MedianGrid& Text13)
{
    StakeInputs in;
    in.P = engineNumber(station, QStringLiteral("桩号"));
    in.Dz = engineNumber(left, QStringLiteral("左边距"));
    in.Dy = engineNumber(right, QStringLiteral("右边距"));
    in.Dzf = engineNumber(Text13[1], QStringLiteral("左侧中分带宽度"));
    in.Dyf = engineNumber(Text13[3], QStringLiteral("右侧中分带宽度"));
    return in;
}

void computeStakes(StakeGrid& grid, const StakeInputs& in, RouteTables& tables)
{
    // Everything is computed before a cell changes, so a station the
    // engine refuses leaves the grid as it was.
    double P = in.P;
    std::optional<ZcxResult> z;
    if (tableLoaded(tables.yaosup)) {
        z = ZCX(P, in.Dz, in.Dy, tables.yaosup);
        P = z->station();
    }
    std::optional<SqxResult> e;
    if (tableLoaded(tables.yaosus))
        e = SQX(P, in.Dz, in.Dy, in.Dzf, in.Dyf, tables.yaosus, tables.yaosuc);

    if (z) {
        grid[9] = displayNumber(z->X);
        grid[10] = displayNumber(z->Y);
        grid[15] = displayNumber(z->Xz);
        grid[16] = displayNumber(z->Yz);
        grid[21] = displayNumber(z->Xy);
        grid[22] = displayNumber(z->Yy);
    }
    if (e) {
        auto elevation = [](std::optional<double> value) {
            if (!value)
                return QString();
            const QString text = displayNumber(*value);
            return round3(*value) == 0 ? QString() : text;
        };
        grid[11] = elevation(e->Z);
        grid[17] = elevation(e->Zz);
        grid[23] = elevation(e->Zy);
    }
}

void storeGroup(ResultsTable& jieguo, int r, const StakeGrid& grid, const QString& Khao)
{
    for (int c = 1; c <= 6; ++c) {
        jieguo(r, c) = grid[std::size_t(5 + c)];
        jieguo(r + 1, c) = grid[std::size_t(11 + c)];
        jieguo(r + 2, c) = grid[std::size_t(17 + c)];
    }
    jieguo(r, 1) = Khao;
}

QStringList stakeReportLines(const StakeGrid& grid, const QString& Khao, int first)
{
    auto field = [](const QString& text, int width = kFieldWidth) {
        if (text.trimmed().size() > width)
            throw UserError(QStringLiteral("报表字段“%1”超过%2个字符，无法记录。").arg(text.trimmed()).arg(width));
        return reportField(text);
    };
    QStringList lines;
    int i = first;
    lines.append(field(QString::number(i)) + field(grid[9]) + field(grid[10]) + field(grid[11]) + field(Khao));
    const std::pair<int, QChar> sides[] = {{12, u'Z'}, {18, u'Y'}};
    for (const auto& [row, letter] : sides) {
        const QString& offset = grid[std::size_t(row + 2)];
        if (offset.isEmpty())
            continue;
        const QString formatted = format000(lenientNumber(offset.trimmed()));
        field(formatted, kFieldWidth - 1);
        ++i;
        lines.append(field(QString::number(i)) + field(grid[std::size_t(row + 3)]) + field(grid[std::size_t(row + 4)])
                     + field(grid[std::size_t(row + 5)]) + field(Khao) + offsetField(letter, offset));
    }
    return lines;
}

void recordStation(Workspace& w, const StakeGrid& stored, const StakeGrid& shown, const QString& Khao)
{
    int g = 1;
    while (g <= kResultRows && !w.jieguo(g, 1).isEmpty())
        g += 3;
    if (g + 2 > kResultRows)
        throw UserError(QStringLiteral("结果表已满：最多记录%1个桩号。请先保存结果，再重新打开本界面。").arg(kResultRows / 3));
    const int p = firstFreeLine(w.list.List1);
    const QStringList lines = stakeReportLines(shown, Khao, p);
    if (p + lines.size() > kMaxReportLines)
        throw UserError(QStringLiteral("报表已满：最多%1行。请先保存结果，再重新打开本界面。").arg(kMaxReportLines - 1));

    storeGroup(w.jieguo, g, stored, Khao);
    putLine(w.list.List1, 0, forwardReportHeader());
    for (int k = 0; k < lines.size(); ++k)
        putLine(w.list.List1, p + k, lines[k]);
    w.list.selected = -1;
    fitReport(w.list);
}

QString stationCellNotation(const QString& stationCell)
{
    const auto value = fullNumber(stationCell);
    if (!value)
        throw UserError(stationCell.trimmed().isEmpty() ? QStringLiteral("桩号为空：请先输入桩号并计算。")
                                                        : QStringLiteral("桩号“%1”不是数字。").arg(stationCell.trimmed()));
    return stationNotation(*value);
}

} // namespace quarvane
