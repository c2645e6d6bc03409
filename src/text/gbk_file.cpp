#include "text/gbk_file.h"

#include "text/user_error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quarvane {

bool encodableInGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return encoder.isValid() && !encoder.hasError();
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QStringList readGbkLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw UserError(QStringLiteral("文件“%1”不存在。").arg(shownPath(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法读取文件“%1”：%2").arg(shownPath(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("无法读取文件“%1”：%2").arg(shownPath(path), file.errorString()));
    return decodeGbkLines(bytes, shownPath(path));
}

QStringList decodeGbkLines(const QByteArray& bytes, const QString& shownName)
{
    if (bytes.contains('\0'))
        throw UserError(QStringLiteral("文件“%1”不是文本文件。").arg(shownName));
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw UserError(QStringLiteral("文件“%1”不是GBK编码的文本文件。").arg(shownName));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

void writeGbkLines(const QString& path, const QStringList& lines)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    if (encoder.hasError())
        throw UserError(QStringLiteral("文件“%1”未保存：内容含有GBK编码无法表示的字符。").arg(shownPath(path)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(QStringLiteral("无法写入文件“%1”：%2").arg(shownPath(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw UserError(QStringLiteral("无法写入文件“%1”：%2").arg(shownPath(path), file.errorString()));
}

} // namespace quarvane
