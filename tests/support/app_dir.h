#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace quarvane::test {

// A fresh application directory in a temporary folder: temp/, 线路参数/ and
// Picture/, with the installation templates copied in (and, when asked, the
// demo route and its catalogue).
class AppDir {
public:
    enum class Content { Templates, WithDemoRoute, Empty };
    explicit AppDir(Content content = Content::Templates);

    const QString& path() const { return path_; }
    QString file(const QString& relative) const { return path_ + u'/' + relative; }

    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// The GBK bytes of a text.
QByteArray gbk(const QString& text);

// A copy of the installation data under data/ (relative path).
QString dataFile(const QString& relative);

} // namespace quarvane::test
