#include "text/fields.h"

namespace quarvane {

QString padField(const QString& text, int width)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() >= width)
        return trimmed;
    return trimmed + QString(width - trimmed.size(), u' ');
}

bool fitsField(const QString& text, int width)
{
    return text.trimmed().size() <= width;
}

QString recordField(QStringView line, int field)
{
    const qsizetype start = qsizetype(field - 1) * kFieldWidth;
    if (start >= line.size())
        return QString();
    QStringView cell = line.mid(start, kFieldWidth);
    qsizetype end = cell.size();
    while (end > 0 && cell[end - 1] == u' ')
        --end;
    return cell.left(end).toString();
}

QStringList recordFields(QStringView line, int fieldCount)
{
    QStringList fields;
    fields.reserve(fieldCount);
    for (int j = 1; j <= fieldCount; ++j)
        fields.append(recordField(line, j));
    return fields;
}

QString recordLine(const QStringList& fields)
{
    QString line;
    line.reserve(fields.size() * kFieldWidth);
    for (const QString& f : fields)
        line += padField(f);
    return line;
}

int displayWidth(QStringView text)
{
    int columns = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        columns += c.unicode() < 0x80 ? 1 : 2;
    }
    return columns;
}

QString padDisplay(const QString& text, int columns)
{
    const int width = displayWidth(text);
    if (width >= columns)
        return text;
    return text + QString(columns - width, u' ');
}

} // namespace quarvane
