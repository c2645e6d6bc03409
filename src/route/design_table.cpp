#include "route/design_table.h"

#include "text/number_text.h"
#include "text/sexagesimal.h"
#include "text/user_error.h"

#include <algorithm>
#include <cassert>

namespace quarvane {
namespace {


const TableKindInfo kInfos[] = {
    {TableKind::Pin, 16, QStringLiteral(".pin"), QStringLiteral("ooo.dat"), QStringLiteral("平曲线参数"),
     QStringList{
              QStringLiteral("交点序号"), QStringLiteral("曲线转角"), QStringLiteral("第一缓和曲线长"), QStringLiteral("第一缓曲起点半径"),
              QStringLiteral("第一缓曲终点半径"), QStringLiteral("第二缓和曲线长"), QStringLiteral("第二缓曲起点半径"), QStringLiteral("第二缓曲终点半径"),
              QStringLiteral("第一切线长"), QStringLiteral("第二切线长"), QStringLiteral("圆曲线长"), QStringLiteral("圆曲线半径"),
              QStringLiteral("起点桩号"), QStringLiteral("起点方位"), QStringLiteral("交点 (X)"), QStringLiteral("交点 (Y)")}},
    {TableKind::Shu, 8, QStringLiteral(".shu"), QStringLiteral("sss.dat"), QStringLiteral("竖曲线参数"),
     QStringList{
              QStringLiteral("交点序号"), QStringLiteral("交点桩号"), QStringLiteral("交点高程"), QStringLiteral("曲线半径"),
              QStringLiteral("切线长T1"), QStringLiteral("切线长T2"), QStringLiteral("T1坡度值"), QStringLiteral("T2坡度值")}},
    {TableKind::Cho, 9, QStringLiteral(".cho"), QStringLiteral("ccc.dat"), QStringLiteral("超高参数"),
     QStringList{
              QStringLiteral("变坡段序号"), QStringLiteral("左幅起点桩号"), QStringLiteral("左幅起点横坡"), QStringLiteral("左幅终点桩号"),
              QStringLiteral("左幅终点横坡"), QStringLiteral("右幅起点桩号"), QStringLiteral("右幅起点横坡"), QStringLiteral("右幅终点桩号"),
              QStringLiteral("右幅终点横坡")}},
    {TableKind::Lbp, 47, QStringLiteral(".lbp"), QStringLiteral("kkk.dat"), QStringLiteral("路基宽度与边坡参数"),
     QStringList{
              QStringLiteral("段落序号"), QStringLiteral("起点桩号"), QStringLiteral("终点桩号"), QStringLiteral("左中分带宽"),
              QStringLiteral("右中分带宽"), QStringLiteral("起点左路基宽"), QStringLiteral("终点左路基宽"), QStringLiteral("起点右路基宽"),
              QStringLiteral("终点右路基宽"), QStringLiteral("左路肩宽"), QStringLiteral("左路肩横坡"), QStringLiteral("右路肩宽"),
              QStringLiteral("右路肩横坡"), QStringLiteral("左边坡级数"), QStringLiteral("右边坡级数"), QStringLiteral("左加宽方式"),
              QStringLiteral("右加宽方式"), QStringLiteral("左水沟平台宽"), QStringLiteral("左边坡起始高"), QStringLiteral("左一级坡高"),
              QStringLiteral("左一级坡度"), QStringLiteral("左二级平台宽"), QStringLiteral("左二级坡高"), QStringLiteral("左二级坡度"),
              QStringLiteral("左三级平台宽"), QStringLiteral("左三级坡高"), QStringLiteral("左三级坡度"), QStringLiteral("左四级平台宽"),
              QStringLiteral("左四级坡高"), QStringLiteral("左四级坡度"), QStringLiteral("左五级平台宽"), QStringLiteral("左五级坡度"),
              QStringLiteral("右水沟平台宽"), QStringLiteral("右边坡起始高"), QStringLiteral("右一级坡高"), QStringLiteral("右一级坡度"),
              QStringLiteral("右二级平台宽"), QStringLiteral("右二级坡高"), QStringLiteral("右二级坡度"), QStringLiteral("右三级平台宽"),
              QStringLiteral("右三级坡高"), QStringLiteral("右三级坡度"), QStringLiteral("右四级平台宽"), QStringLiteral("右四级坡高"),
              QStringLiteral("右四级坡度"), QStringLiteral("右五级平台宽"), QStringLiteral("右五级坡度")}},
};

} // namespace

const TableKindInfo& tableInfo(TableKind kind)
{
    return kInfos[int(kind)];
}

DesignTable::DesignTable(TableKind kind)
    : kind_(kind), columns_(tableInfo(kind).fieldCount + 1),
      cells_(std::size_t(kMaxRecords + 1) * std::size_t(columns_)),
      readings_(cells_.size())
{
}

QString& DesignTable::operator()(int row, int column)
{
    usedRows_ = std::max(usedRows_, row);
    return cells_[index(row, column)];
}

const QString& DesignTable::operator()(int row, int column) const
{
    return cells_[index(row, column)];
}

DesignTable::Reading& DesignTable::reading(int row, int column) const
{
    const std::size_t i = index(row, column);
    Reading& r = readings_[i];
    // A cell that was assigned since holds another string: read it anew.
    if (!r.valid || !fresh(r, i)) {
        r = Reading{};
        r.text = cells_[i];
        r.valid = true;
    }
    return r;
}

void DesignTable::clear()
{
    for (QString& cell : cells_)
        cell.clear();
    for (Reading& r : readings_)
        r = Reading{};
    records_ = 0;
    usedRows_ = 0;
}

QString DesignTable::cellName(int row, int column) const
{
    const TableKindInfo& i = info();
    const QString field = column >= 1 && column <= i.fieldCount ? i.captions[column - 1] : QString::number(column);
    return QStringLiteral("%1第%2行“%3”").arg(i.title).arg(row).arg(field);
}

double DesignTable::readNumber(int row, int column) const
{
    Reading& r = reading(row, column);
    if (r.number)
        return r.numberValue;
    const QString& text = r.text;
    if (text.trimmed().isEmpty()) {
        r.numberValue = 0.0;
    } else if (const auto value = fullNumber(text)) {
        r.numberValue = *value;
    } else {
        throw UserError(QStringLiteral("%1不是数字：“%2”。").arg(cellName(row, column), text.trimmed()));
    }
    r.number = true;
    return r.numberValue;
}

double DesignTable::readLeadingNumber(int row, int column) const
{
    Reading& r = reading(row, column);
    if (!r.leading) {
        r.leadingValue = lenientNumber(r.text);
        r.leading = true;
    }
    return r.leadingValue;
}

double DesignTable::packedDegrees(int row, int column) const
{
    const double value = number(row, column);
    Reading& r = reading(row, column);
    if (!r.packed) {
        r.packedValue = sexagesimalDegrees(value);
        r.packed = true;
    }
    return r.packedValue;
}

} // namespace quarvane
