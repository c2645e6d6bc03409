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

QString decodeGbkText(const QByteArray& bytes, const QString& shownName)
{
    if (bytes.contains('\0'))
        throw UserError(QStringLiteral("文件“%1”不是文本文件。").arg(shownName));
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw UserError(QStringLiteral("文件“%1”不是GBK编码的文本文件。").arg(shownName));
    return text;
}

QStringList decodeGbkLines(const QByteArray& bytes, const QString& shownName)
{
    const QString text = decodeGbkText(bytes, shownName);
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
    writeFileWhole(path, bytes);
}

void writeFileWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    auto fail = [&](const QString& reason) {
        file.cancelWriting();
        throw UserError(QStringLiteral("无法写入文件“%1”：%2").arg(shownPath(path), reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("磁盘已满或文件大小超出限制（%1）").arg(file.errorString()));
    if (file.size() != bytes.size())
        fail(QStringLiteral("只写入了%1字节中的%2字节，磁盘可能已满").arg(bytes.size()).arg(file.size()));
    if (!file.commit())
        throw UserError(QStringLiteral("无法写入文件“%1”：%2").arg(shownPath(path), file.errorString()));
}

void copyFileWhole(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法读取文件“%1”：%2").arg(shownPath(source), in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("无法读取文件“%1”：%2").arg(shownPath(source), in.errorString()));
    writeFileWhole(target, bytes);
}

} // namespace quarvane
