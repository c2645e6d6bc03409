#include "support/app_dir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace quarvane::test {

QString dataFile(const QString& relative)
{
    return QStringLiteral(QUARVANE_DATA_DIR) + u'/' + relative;
}

QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

AppDir::AppDir(Content content)
{
    EXPECT_TRUE(dir_.isValid());
    path_ = dir_.path();
    if (content == Content::Empty)
        return;
    QDir root(path_);
    root.mkpath(QStringLiteral("temp"));
    root.mkpath(QStringLiteral("线路参数"));
    root.mkpath(QStringLiteral("Picture"));
    for (const char* name : {"ooo.dat", "sss.dat", "ccc.dat", "kkk.dat"})
        QFile::copy(dataFile(QStringLiteral("temp/") + QLatin1String(name)),
                    file(QStringLiteral("temp/") + QLatin1String(name)));
    if (content == Content::WithDemoRoute) {
        QFile::copy(dataFile(QStringLiteral("temp/XL.dat")), file(QStringLiteral("temp/XL.dat")));
        QDirIterator it(dataFile(QStringLiteral("线路参数")), QDir::Files);
        while (it.hasNext()) {
            it.next();
            QFile::copy(it.filePath(), file(QStringLiteral("线路参数/") + it.fileName()));
        }
    }
}

void AppDir::write(const QString& relative, const QByteArray& bytes) const
{
    QFile f(file(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relative.toStdString();
    f.write(bytes);
}

QByteArray AppDir::read(const QString& relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool AppDir::exists(const QString& relative) const
{
    return QFile::exists(file(relative));
}

} // namespace quarvane::test
