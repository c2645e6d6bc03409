#include "fuzz_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace quarvane::fuzz {

QString dataDir()
{
    return QStringLiteral(QUARVANE_DATA_DIR);
}

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString scratchDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quarvane-fuzz-XXXXXX"));
    if (!dir.isValid())
        broken(QStringLiteral("no scratch directory under ") + QDir::tempPath());
    return dir.path();
}

void layInstallationData(const QString& appDir)
{
    QDir root(appDir);
    for (const QString& sub : {QStringLiteral("temp"), QStringLiteral("线路参数")}) {
        root.mkpath(sub);
        QDirIterator it(dataDir() + u'/' + sub, QDir::Files);
        while (it.hasNext()) {
            it.next();
            const QString target = appDir + u'/' + sub + u'/' + it.fileName();
            QFile::remove(target);
            if (!QFile::copy(it.filePath(), target))
                broken(QStringLiteral("cannot copy ") + it.filePath());
        }
    }
    root.mkpath(QStringLiteral("Picture"));
    const QString points = QStringLiteral("演示线路测点.txt");
    QFile::remove(appDir + u'/' + points);
    if (!QFile::copy(dataDir() + u'/' + points, appDir + u'/' + points))
        broken(QStringLiteral("cannot copy ") + points);
}

void removeAllBut(const QString& dir, const QStringList& keep)
{
    QDir d(dir);
    const QStringList names = d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (keep.contains(name))
            continue;
        const QString path = d.filePath(name);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

void broken(const QString& what)
{
    std::fprintf(stderr, "\n==== broken promise: %s\n", what.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace quarvane::fuzz
