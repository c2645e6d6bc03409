#include "editors/table_editor.h"

#include "route/route_tables.h"
#include "text/fields.h"
#include "text/gbk_file.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <climits>
#include <cmath>
#include <utility>

namespace quarvane {

TableEditor::TableEditor(TableKind kind, QStringList lines)
    : List1(std::move(lines)), Text1(tableInfo(kind).fieldCount), kind_(kind)
{
}

TableEditor TableEditor::open(const QString& FilePosition, const QString& XLming, TableKind kind)
{
    const QString path = tableFile(FilePosition, XLming, kind);
    QStringList lines = readGbkLines(path);
    // Without its caption line the first record would be taken for it and
    // written back as line 0, out of reach of every button.
    if (lines.isEmpty())
        throw UserError(QStringLiteral("文件“%1”没有标题行，不是线路参数文件。").arg(shownPath(path)));
    return TableEditor(kind, std::move(lines));
}

int TableEditor::firstBoxNumber() const
{
    const double value = roundDecimals(lenientNumber(Text1.value(0)), 0, HalfRule::ToEven);
    if (std::isnan(value))
        return 0;
    // Anything this large is refused as out of range all the same.
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

QString TableEditor::renumbered(const QString& line, int index)
{
    if (line.isEmpty())
        return line;
    return padField(QString::number(index)) + line.mid(kFieldWidth);
}

void TableEditor::add()
{
    int k = 1;
    while (k < List1.size() && !List1[k].isEmpty())
        ++k;
    Text1[0] = QString::number(k);
}

void TableEditor::cha()
{
    const int k = selected > 0 && selected < List1.size() ? selected : 0;
    Text1[0] = QString::number(k);
    if (k == 0)
        return;
    List1.append(QString());
    for (qsizetype i = List1.size() - 2; i >= k; --i)
        List1[i + 1] = renumbered(List1[i], int(i + 1));
    List1[k].clear();
}

void TableEditor::xiu()
{
    const bool any = selected >= 0 && selected < List1.size();
    for (int j = 0; j < fieldCount(); ++j)
        Text1[j] = any ? recordField(List1[selected], j + 1) : QString();
}

bool TableEditor::canDelete() const
{
    return selected >= 1 && selected < List1.size();
}

void TableEditor::sha()
{
    if (!canDelete())
        return;
    for (qsizetype i = selected; i + 1 < List1.size(); ++i)
        List1[i] = renumbered(List1[i + 1], int(i));
    List1.last().clear();
    // A line holding nothing but a number (or less) is no record.
    for (qsizetype i = 1; i < List1.size(); ++i)
        if (List1[i].mid(kFieldWidth).isEmpty())
            List1[i].clear();
}

void TableEditor::ok()
{
    const int k = firstBoxNumber();
    if (k == 0)
        return;
    const QStringList& captions = info().captions;
    const int lines = int(List1.size());
    if (k < 0 || k > lines)
        throw UserError(QStringLiteral("“%1”须在1到%2之间，现为%3。")
                            .arg(captions[0])
                            .arg(lines)
                            .arg(Text1[0].trimmed()));
    // The route loader reads no table past its 600th record: a record more
    // would be saved but never used.
    if (k == lines || List1[k].isEmpty()) {
        const qsizetype records = List1.size() - 1 - List1.mid(1).count(QString());
        if (records >= kMaxRecords)
            throw UserError(QStringLiteral("%1已有%2条记录，不能再添加。").arg(info().title).arg(kMaxRecords));
    }
    for (int j = 0; j < fieldCount(); ++j) {
        const QString text = Text1[j].trimmed();
        if (!encodableInGbk(text))
            throw UserError(QStringLiteral("“%1”的内容“%2”含有GBK编码无法保存的字符。")
                                .arg(captions[j], text));
        if (!fitsField(text))
            throw UserError(QStringLiteral("“%1”的内容超过%2个字符（现有%3个），无法保存。")
                                .arg(captions[j])
                                .arg(kFieldWidth)
                                .arg(text.size()));
    }
    QString line;
    line.reserve(fieldCount() * kFieldWidth);
    for (QString& box : Text1) {
        box = padField(box);
        line += box;
    }
    if (k == lines)
        List1.append(line);
    else
        List1[k] = line;
}

void TableEditor::bao(const QString& FilePosition, const QString& XLming) const
{
    saveTable(FilePosition, XLming, kind_, List1);
}

} // namespace quarvane
