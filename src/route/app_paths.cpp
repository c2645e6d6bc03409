#include "route/app_paths.h"

#include <QDir>

namespace quarvane {

QString tempDir(const QString& FilePosition) { return FilePosition + QStringLiteral("/temp"); }
QString routeDir(const QString& FilePosition) { return FilePosition + QStringLiteral("/线路参数"); }
QString pictureDir(const QString& FilePosition) { return FilePosition + QStringLiteral("/Picture"); }

QString tempFile(const QString& FilePosition, const QString& name)
{
    return tempDir(FilePosition) + u'/' + name;
}

QString catalogueFile(const QString& FilePosition)
{
    return tempFile(FilePosition, QStringLiteral("XL.dat"));
}

QString picturePath(const QString& FilePosition, const QString& name)
{
    const QDir dir(pictureDir(FilePosition));
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(name);
}

} // namespace quarvane
