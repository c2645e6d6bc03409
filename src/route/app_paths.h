#pragma once

// Where things live under the application directory (`FilePosition`, the
// directory that holds the executable): temp/ (catalogue, templates, export
// templates), 线路参数/ (every route's four table files) and Picture/.

#include <QString>

namespace quarvane {

QString tempDir(const QString& FilePosition);
QString routeDir(const QString& FilePosition);
QString pictureDir(const QString& FilePosition);

// temp/ followed by a file name ("XL.dat", "ooo.dat", "aaa.xls", ...).
QString tempFile(const QString& FilePosition, const QString& name);

// The route catalogue, temp/XL.dat.
QString catalogueFile(const QString& FilePosition);

// A picture of Picture/, matched without regard to letter case ("ooo.BMP"
// finds "ooo.bmp"); the exact-case path when no file matches.
QString picturePath(const QString& FilePosition, const QString& name);

} // namespace quarvane
