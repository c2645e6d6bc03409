#include "inverse/coordinate_file.h"

#include "route/design_table.h"
#include "text/gbk_file.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <QFile>

namespace quarvane {

PointLine splitPointLine(const QString& line)
{
    PointLine p;
    const qsizetype first = line.indexOf(u',');
    const qsizetype second = first < 0 ? -1 : line.indexOf(u',', first + 1);
    if (second < 0) {
        p.problem = QStringLiteral("分不出X和Y（至少要有“点名,X,Y”三项）");
        return p;
    }
    p.X = line.mid(first + 1, second - first - 1);
    const QString rest = line.mid(second + 1);
    const qsizetype third = rest.indexOf(u',');
    if (third < 0) {
        p.Y = rest;
        p.H = QStringLiteral("000");
    } else {
        p.Y = rest.left(third);
        const QString after = rest.mid(third + 1);
        const qsizetype fourth = after.indexOf(u',');
        p.H = fourth < 0 ? after : after.left(fourth);
    }
    if (!fullNumber(p.X))
        p.problem = QStringLiteral("X坐标“%1”不是数字").arg(p.X.trimmed());
    else if (!fullNumber(p.Y))
        p.problem = QStringLiteral("Y坐标“%1”不是数字").arg(p.Y.trimmed());
    else if (!fullNumber(p.H))
        p.problem = QStringLiteral("高程“%1”不是数字").arg(p.H.trimmed());
    return p;
}

QString CoordinateRun::summary(int maxListed) const
{
    QString text = QStringLiteral("读入%1个点。").arg(read);
    if (notRecorded > 0)
        text += QStringLiteral("\n结果表最多%1个点，其后的%2个点未记录。").arg(kResultRows).arg(notRecorded);
    if (!skipped.empty()) {
        text += QStringLiteral("\n跳过%1行：").arg(skipped.size());
        int listed = 0;
        for (const SkippedLine& s : skipped) {
            if (listed++ == maxListed) {
                text += QStringLiteral("\n……另有%1行").arg(int(skipped.size()) - maxListed);
                break;
            }
            text += QStringLiteral("\n第%1行：%2").arg(s.lineNumber).arg(s.reason);
        }
    }
    return text;
}

QStringList readPointFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法读取文件“%1”：%2").arg(shownPath(path), file.errorString()));
    return decodePointLines(file.readAll(), shownPath(path));
}

QStringList decodePointLines(const QByteArray& bytes, const QString& shownName)
{
    QString text = decodeGbkText(bytes, shownName);
    // CR LF, a lone CR and a lone LF all end a line.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CoordinateRun runCoordinateLines(const QStringList& lines, MeasuredPoint& screen, Workspace& w,
                                 InverseState& state)
{
    CoordinateRun run;
    run.lines = int(lines.size());
    if (!tableLoaded(w.tables.yaosup))
        throw UserError(QStringLiteral("没有载入平曲线参数：请先在“选择线路”中选中线路并按“确定”。"));
    int n = firstFreeRow(w.jieguo);
    w.list.List1.reserve(qsizetype(n) + lines.size());
    MeasuredPoint point = screen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty())
            continue;
        const PointLine p = splitPointLine(line);
        if (!p.problem.isEmpty()) {
            run.skipped.push_back({int(i + 1), p.problem});
            continue;
        }
        if (n > kResultRows) {
            ++run.notRecorded;
            continue;
        }
        point.Text10[4] = p.X;
        point.Text10[5] = p.Y;
        point.Text10[12] = p.H;
        try {
            point.compute(w.tables, state);
            point.record(w, n);
        } catch (const UserError& e) {
            run.skipped.push_back({int(i + 1), e.message()});
            continue;
        }
        screen = point;
        ++n;
        ++run.read;
    }
    return run;
}

} // namespace quarvane
