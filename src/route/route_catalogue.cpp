#include "route/route_catalogue.h"

#include "route/app_paths.h"
#include "route/route_tables.h"
#include "text/gbk_file.h"
#include "text/user_error.h"

#include <QDir>
#include <QFile>

namespace quarvane {

void checkRouteName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            throw UserError(QStringLiteral("线路名称不能含有字符 \\ / : * ? \" < > | 或控制字符。"));
    }
    if (name.endsWith(u'.'))
        throw UserError(QStringLiteral("线路名称不能以“.”结尾。"));
    if (name.size() > kMaxRouteNameLength)
        throw UserError(QStringLiteral("线路名称不能超过%1个字符。").arg(kMaxRouteNameLength));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        if (!encodableInGbk(character))
            throw UserError(QStringLiteral("线路名称中的字符“%1”无法用GBK编码保存。").arg(character));
        i += length - 1;
    }
}

RouteCatalogue::RouteCatalogue(QString FilePosition) : FilePosition_(std::move(FilePosition)) {}

void RouteCatalogue::read()
{
    const QString path = catalogueFile(FilePosition_);
    entries_.clear();
    if (!QFile::exists(path))
        return;
    entries_ = readGbkLines(path);
}

void RouteCatalogue::writeCatalogue(const QStringList& entries) const
{
    QStringList names;
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            names.append(entry);
    writeGbkLines(catalogueFile(FilePosition_), names);
}

RouteCatalogue::AddResult RouteCatalogue::add(const QString& typed)
{
    const QString name = typed.trimmed();
    if (!name.isEmpty() && entries_.contains(name))
        return AddResult::Duplicate;
    if (name.isEmpty())
        return AddResult::Empty;
    checkRouteName(name);

    if (!QDir(routeDir(FilePosition_)).exists())
        throw UserError(QStringLiteral("缺少目录“%1”，无法新建线路。").arg(shownPath(routeDir(FilePosition_))));
    for (TableKind kind : kAllKinds) {
        const QString source = tempFile(FilePosition_, tableInfo(kind).templateName);
        if (!QFile::exists(source))
            throw UserError(QStringLiteral("缺少模板文件“%1”，无法新建线路。").arg(shownPath(source)));
    }

    // The files go in first and the catalogue line last; whatever fails
    // takes back what was done, so a route never exists half-made.
    QStringList created;
    auto undo = [&created] {
        for (const QString& file : created)
            QFile::remove(file);
    };
    for (TableKind kind : kAllKinds) {
        const QString source = tempFile(FilePosition_, tableInfo(kind).templateName);
        const QString target = tableFile(FilePosition_, name, kind);
        try {
            copyFileWhole(source, target);
        } catch (const UserError& error) {
            undo();
            throw UserError(error.message() + QStringLiteral("线路未建立。"));
        }
        created.append(target);
    }

    QStringList entries = entries_;
    const qsizetype free = entries.indexOf(QString());
    if (free >= 0)
        entries[free] = name;
    else
        entries.append(name);
    try {
        // The file's own lines are kept as they are and the name is added
        // as a new last line.
        QStringList lines;
        if (QFile::exists(catalogueFile(FilePosition_)))
            lines = readGbkLines(catalogueFile(FilePosition_));
        lines.append(name);
        writeGbkLines(catalogueFile(FilePosition_), lines);
    } catch (const UserError& error) {
        undo();
        throw UserError(error.message() + QStringLiteral("线路未建立。"));
    }
    entries_ = entries;
    return AddResult::Added;
}

void RouteCatalogue::remove(int index)
{
    if (index < 0 || index >= entries_.size() || entries_[index].isEmpty())
        return;
    const QString name = entries_[index];
    QStringList entries = entries_;
    entries[index].clear();
    // Close up: every empty entry takes the text of the one after it.
    for (qsizetype i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i].isEmpty()) {
            entries[i] = entries[i + 1];
            entries[i + 1].clear();
        }
    }
    // The catalogue is rewritten before the files go, so a failed write
    // leaves the route whole and listed.
    writeCatalogue(entries);
    entries_ = entries;
    // Only a name the program could have given a route owns table files. A
    // line edited into the catalogue by hand ("../../资料") would otherwise
    // lead the deletion out of 线路参数.
    try {
        checkRouteName(name);
    } catch (const UserError& e) {
        throw UserError(QStringLiteral("线路“%1”已从线路列表中删除。%2因此没有删除任何文件。").arg(name, e.message()));
    }
    QStringList kept;
    for (TableKind kind : kAllKinds) {
        const QString file = tableFile(FilePosition_, name, kind);
        if (QFile::exists(file) && !QFile::remove(file))
            kept.append(shownPath(file));
    }
    if (!kept.isEmpty())
        throw UserError(QStringLiteral("线路“%1”已从线路列表中删除，但以下文件无法删除：%2")
                            .arg(name, kept.join(QStringLiteral("，"))));
}

} // namespace quarvane
