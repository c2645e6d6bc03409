// The route catalogue temp/XL.dat: the input is the file; the catalogue is
// read, a route added and an entry deleted, as the route list does, in a
// scratch application directory.
#include "fuzz_support.h"

#include "route/app_paths.h"
#include "route/route_catalogue.h"
#include "text/gbk_file.h"
#include "text/user_error.h"

#include <QDir>
#include <QFile>

using namespace quarvane;

namespace {

const QStringList kExtensions = {".pin", ".shu", ".cho", ".lbp"};

QString appDir()
{
    static const QString dir = [] {
        const QString d = fuzz::scratchDir() + QStringLiteral("/app");
        fuzz::layInstallationData(d);
        return d;
    }();
    return dir;
}

// Files a catalogue line must never reach: beside the application
// directory and in temp/, outside the route directory.
QStringList sentinels()
{
    QStringList files;
    for (const QString& base : {fuzz::scratchDir() + QStringLiteral("/哨兵"), appDir() + QStringLiteral("/哨兵"),
                                appDir() + QStringLiteral("/temp/哨兵")})
        for (const QString& ext : kExtensions)
            files.append(base + ext);
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fuzz::broken(QStringLiteral("cannot write ") + path);
}

QStringList nonEmpty(const QStringList& entries)
{
    QStringList names;
    for (const QString& e : entries)
        if (!e.isEmpty())
            names.append(e);
    return names;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const QString& file : sentinels())
        writeFile(file, "sentinel");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString app = appDir();
    fuzz::removeAllBut(routeDir(app), {});
    const QByteArray bytes = fuzz::bytesOf(data, size);
    writeFile(catalogueFile(app), bytes);

    RouteCatalogue catalogue(app);
    try {
        catalogue.read();
    } catch (const UserError&) {
        return 0;
    }
    if (catalogue.entries() != decodeGbkLines(bytes, QString()))
        fuzz::broken(QStringLiteral("the entries are not the file's lines"));

    const QString added = QStringLiteral("新线路");
    const QStringList before = catalogue.entries();
    try {
        const auto result = catalogue.add(added);
        if (result == RouteCatalogue::AddResult::Added) {
            if (readGbkLines(catalogueFile(app)) != decodeGbkLines(bytes, QString()) + QStringList{added})
                fuzz::broken(QStringLiteral("adding did not append exactly one line"));
            for (const QString& ext : kExtensions)
                if (!QFile::exists(routeDir(app) + u'/' + added + ext))
                    fuzz::broken(QStringLiteral("an added route lacks its file ") + ext);
        } else if (catalogue.entries() != before) {
            fuzz::broken(QStringLiteral("a refused name changed the list"));
        }
    } catch (const UserError&) {
        if (catalogue.entries() != before)
            fuzz::broken(QStringLiteral("a failed addition changed the list"));
    }

    const QStringList kept = catalogue.entries();
    const int index = int(size % std::size_t(kept.size() + 1));
    try {
        catalogue.remove(index);
        if (index < kept.size() && !kept[index].isEmpty()
            && readGbkLines(catalogueFile(app)) != nonEmpty(catalogue.entries()))
            fuzz::broken(QStringLiteral("the rewritten catalogue is not the list"));
    } catch (const UserError&) {
    }
    for (const QString& file : sentinels())
        if (!QFile::exists(file))
            fuzz::broken(QStringLiteral("deleting a route removed ") + file);
    return 0;
}
