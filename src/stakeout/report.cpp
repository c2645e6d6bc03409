#include "stakeout/report.h"

#include "text/fields.h"
#include "text/number_text.h"

namespace quarvane {

QString forwardReportHeader()
{
    QString header;
    for (const char16_t* caption : {u"点序号", u"X坐标", u"Y坐标", u"高程", u"桩号", u"边距"})
        header += padDisplay(QString::fromUtf16(caption), kFieldWidth);
    return header;
}

QString reportField(const QString& text)
{
    return padField(text, kFieldWidth);
}

QString offsetField(QChar side, const QString& offsetText)
{
    return QString(side) + padField(format000(lenientNumber(offsetText.trimmed())), kFieldWidth - 1);
}

int firstFreeLine(const QStringList& List1)
{
    int i = 1;
    while (i < List1.size() && !List1[i].isEmpty())
        ++i;
    return i;
}

void putLine(QStringList& List1, int i, const QString& line)
{
    while (List1.size() < i)
        List1.append(QString());
    if (i == List1.size())
        List1.append(line);
    else
        List1[i] = line;
}

} // namespace quarvane
