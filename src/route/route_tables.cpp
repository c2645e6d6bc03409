#include "route/route_tables.h"

#include "route/app_paths.h"
#include "text/fields.h"
#include "text/gbk_file.h"
#include "text/user_error.h"

namespace quarvane {

DesignTable& RouteTables::table(TableKind kind)
{
    switch (kind) {
    case TableKind::Pin: return yaosup;
    case TableKind::Shu: return yaosus;
    case TableKind::Cho: return yaosuc;
    case TableKind::Lbp: return yaosul;
    }
    return yaosup;
}

void RouteTables::clear()
{
    for (TableKind kind : kAllKinds)
        table(kind).clear();
}

RouteNames RouteNames::of(const QString& name)
{
    return RouteNames{name,
                      name + tableInfo(TableKind::Pin).extension,
                      name + tableInfo(TableKind::Shu).extension,
                      name + tableInfo(TableKind::Cho).extension,
                      name + tableInfo(TableKind::Lbp).extension};
}

QString tableFile(const QString& FilePosition, const QString& name, TableKind kind)
{
    return routeDir(FilePosition) + u'/' + name + tableInfo(kind).extension;
}

DesignTable readTableFile(const QString& path, TableKind kind)
{
    return parseTableLines(readGbkLines(path), kind, shownPath(path));
}

DesignTable parseTableLines(const QStringList& lines, TableKind kind, const QString& shownName)
{
    if (lines.isEmpty())
        throw UserError(QStringLiteral("文件“%1”没有标题行，不是线路参数文件。").arg(shownName));
    const qsizetype records = lines.size() - 1;
    if (records > kMaxRecords)
        throw UserError(QStringLiteral("文件“%1”有%2条记录，超过%3条的上限。")
                            .arg(shownName)
                            .arg(records)
                            .arg(kMaxRecords));
    DesignTable table(kind);
    const int fields = table.fieldCount();
    for (int row = 1; row <= records; ++row) {
        const QString& line = lines[row];
        for (int j = 1; j <= fields; ++j)
            table(row, j) = recordField(line, j);
    }
    table.setRecords(int(records));
    return table;
}

RouteTables loadRouteTables(const QString& FilePosition, const QString& XLming)
{
    RouteTables tables;
    for (TableKind kind : kAllKinds)
        tables.table(kind) = readTableFile(tableFile(FilePosition, XLming, kind), kind);
    return tables;
}

RouteTables loadRouteTablesAt(const QString& base)
{
    RouteTables tables;
    for (TableKind kind : kAllKinds)
        tables.table(kind) = readTableFile(base + tableInfo(kind).extension, kind);
    return tables;
}

void saveTable(const QString& FilePosition, const QString& XLming, TableKind kind,
               const QStringList& lines)
{
    QStringList written;
    written.reserve(lines.size());
    for (const QString& line : lines)
        if (!line.isEmpty())
            written.append(line);
    writeGbkLines(tableFile(FilePosition, XLming, kind), written);
}

} // namespace quarvane
