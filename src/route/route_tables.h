#pragma once

// A route's four tables in memory and in their files.
//
// File format, shared by the four kinds: GBK text, CR LF after every line.
// Line 1 is a caption line nobody reads; every further line is a record of
// N fields of exactly 14 characters each (trimmed text, blanks after it).

#include "route/design_table.h"

#include <QString>
#include <QStringList>

namespace quarvane {

// The current route's tables: horizontal intersection points, vertical
// intersection points, superelevation transitions, subgrade sections.
struct RouteTables {
    DesignTable yaosup{TableKind::Pin};
    DesignTable yaosus{TableKind::Shu};
    DesignTable yaosuc{TableKind::Cho};
    DesignTable yaosul{TableKind::Lbp};

    DesignTable& table(TableKind kind);
    void clear();
};

// The values that name the route being worked on: its name and its four
// table file names.
struct RouteNames {
    QString XLming;
    QString XLpin, XLshu, XLcho, XLlbp;

    static RouteNames of(const QString& name);
};

// The table file of a route: 线路参数/<name><extension>.
QString tableFile(const QString& FilePosition, const QString& name, TableKind kind);

// Reads one table file into a table of its kind: the caption line is
// skipped, line k+1 becomes row k, field j the characters 14(j-1)+1..14j
// with trailing blanks removed. Throws UserError naming the file when it is
// missing, unreadable, not GBK, without a caption line, or holds more than
// 600 records.
DesignTable readTableFile(const QString& path, TableKind kind);

// The table of a file's lines already read, by the rules of readTableFile;
// `shownName` is the file name its messages give.
DesignTable parseTableLines(const QStringList& lines, TableKind kind, const QString& shownName);

// Loads the route's four files. All or nothing: the result is returned only
// when all four were read, so a caller that assigns it keeps its previous
// tables on any error.
RouteTables loadRouteTables(const QString& FilePosition, const QString& XLming);

// Loads the four files <base>.pin, <base>.shu, <base>.cho and <base>.lbp of
// a route kept anywhere (the path of its table files without extension).
RouteTables loadRouteTablesAt(const QString& base);

// Writes an editor's list back to the route's file of that kind: every
// non-empty line in list order, the caption line (line 0) first. Written to a
// temporary file and renamed into place.
void saveTable(const QString& FilePosition, const QString& XLming, TableKind kind,
               const QStringList& lines);

} // namespace quarvane
