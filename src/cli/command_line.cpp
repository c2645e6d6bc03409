#include "cli/command_line.h"

#include "inverse/coordinate_file.h"
#include "inverse/measured_point.h"
#include "route/route_catalogue.h"
#include "route/route_tables.h"
#include "stakeout/batch.h"
#include "stakeout/result_saving.h"
#include "stakeout/single_point.h"
#include "structure/structure_screen.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <QDir>
#include <QFileInfo>

namespace quarvane {
namespace {

const QStringList kTypes = {QStringLiteral("xls"), QStringLiteral("et"), QStringLiteral("txt"), QStringLiteral("csv")};

struct Command {
    const char* name;
    int operands;
    bool stakes;   // takes --left, --right, --median
    bool saves;    // takes -o, --type
};
const Command kCommands[] = {{"routes", 0, false, false}, {"point", 2, true, true}, {"stake", 4, true, true},
                             {"locate", 1, false, true},  {"structure", 7, false, true}};

// The route's tables: a name from the catalogue, else the path of its
// table files without extension.
RouteTables loadRoute(const QString& appDir, const QString& route)
{
    RouteCatalogue catalogue(appDir);
    catalogue.read();
    if (catalogue.entries().contains(route))
        return loadRouteTables(appDir, route);
    if (QFileInfo::exists(route + QStringLiteral(".pin")))
        return loadRouteTablesAt(route);
    throw UserError(QStringLiteral("ROUTE：找不到线路“%1”：它不在线路目录中，也不是线路参数文件的路径（不含扩展名）。").arg(route));
}

// The forward screens' workspace, without a window.
using Session = StandaloneWorkspace;

// The session of a run. It is made once and kept for the life of the
// process: the command line ends right after its one run, and taking down
// 60000 rows of results would only delay the exit.
Session& freshSession()
{
    static Session* session = nullptr;
    if (session)
        *session = Session();
    else
        session = new Session();
    return *session;
}

// The lines as the saved text has them: each ended by CR LF, in UTF-8.
QByteArray textLines(const QStringList& lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

void checkNumber(const QString& text, const char* argument)
{
    if (!fullNumber(text))
        throw UserError(QStringLiteral("%1：“%2”不是数字。").arg(QLatin1String(argument), text));
}

} // namespace

QString cliUsage()
{
    return QStringLiteral(
        "用法: quarvane-cli [--app-dir 目录] 命令 参数 ...\n"
        "\n"
        "Quarvane 的命令行，计算与窗口程序的按钮相同。\n"
        "\n"
        "选项:\n"
        "  --app-dir 目录   应用目录（含 temp、线路参数），默认为程序所在目录\n"
        "  -h, --help       显示本说明\n"
        "\n"
        "命令:\n"
        "  routes\n"
        "      列出线路目录中的线路，每行一个。\n"
        "      例: quarvane-cli routes\n"
        "\n"
        "  point 线路 桩号 [--left 左边距] [--right 右边距] [--median 左,右]\n"
        "      单点计算：中桩和左右边桩的坐标与设计高程，如同“单点计算”的 计 算、确 定。\n"
        "      例: quarvane-cli point 演示线路 1234.5 --left 12.5 --right 12.5 --median 1.5,1.5\n"
        "\n"
        "  stake 线路 起点桩号 终点桩号 间距 [--left 左边距] [--right 右边距] [--median 左,右]\n"
        "      批量计算：从起点桩号起按间距计算到终点桩号之前，如同“批量计算”的 计 算。\n"
        "      例: quarvane-cli stake 演示线路 0 1000 20 --left 12.5 --right 12.5\n"
        "\n"
        "  locate 线路 (--file 测点文件 | --point X,Y[,高程] ...)\n"
        "      桩号反查：测点的桩号、偏距、设计高程、填挖高度、路基设计宽和放样偏差，\n"
        "      如同“坐标读取”（文件每行“点名,X,Y[,高程]”）或“坐标输入”的 计 算、确 定。\n"
        "      读不了的行在标准错误上说明；至少读入一个点时退出状态为 0。\n"
        "      例: quarvane-cli locate 演示线路 --file 演示线路测点.txt\n"
        "      例: quarvane-cli locate 演示线路 --point 3426599.27,509836.662,244.5\n"
        "\n"
        "  structure 线路 桩号 右夹角 左轴线长 右轴线长 宽度1 宽度2\n"
        "      结构物计算：中心点、轴线两端和四个角点的坐标（右夹角为 度.分秒）。\n"
        "      例: quarvane-cli structure 演示线路 2300 75.3 12 12 3 3\n"
        "\n"
        "  线路是线路目录中的线路名称，或线路参数文件的路径（不含扩展名，如 data/线路参数/演示线路）。\n"
        "  不给 -o 时，结果以“保 存”为 TEXT 时写出的文本（UTF-8）写到标准输出。\n"
        "  -o 文件 [--type xls|et|txt|csv]  如同“保 存”那样保存到文件；不给 --type 时按扩展名。\n"
        "\n"
        "退出状态: 0 成功，1 输入有误（不写任何文件），2 用法错误。\n");
}

std::optional<CliRequest> parseCommandLine(const QStringList& args, CliUsageError* error)
{
    CliRequest r;
    auto fail = [&](const QString& message) {
        error->message = message;
        return std::nullopt;
    };
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        if (a == QStringLiteral("-h") || a == QStringLiteral("--help")) {
            r.command = QStringLiteral("help");
            return r;
        }
        if (a == QStringLiteral("--app-dir")) {
            if (!value(r.appDir))
                return fail(QStringLiteral("--app-dir 后面需要一个目录。"));
        } else if (a == QStringLiteral("--left")) {
            if (!value(r.left))
                return fail(QStringLiteral("--left 后面需要左边距。"));
        } else if (a == QStringLiteral("--right")) {
            if (!value(r.right))
                return fail(QStringLiteral("--right 后面需要右边距。"));
        } else if (a == QStringLiteral("--median")) {
            QString pair;
            if (!value(pair) || pair.count(u',') != 1)
                return fail(QStringLiteral("--median 后面需要“左,右”两个中分带宽度。"));
            r.medianLeft = pair.section(u',', 0, 0);
            r.medianRight = pair.section(u',', 1, 1);
        } else if (a == QStringLiteral("-o")) {
            if (!value(r.output) || r.output.isEmpty())
                return fail(QStringLiteral("-o 后面需要文件名。"));
        } else if (a == QStringLiteral("--file")) {
            if (!value(r.file) || r.file.isEmpty())
                return fail(QStringLiteral("--file 后面需要测点文件名。"));
        } else if (a == QStringLiteral("--point")) {
            QString point;
            if (!value(point) || point.isEmpty())
                return fail(QStringLiteral("--point 后面需要“X,Y”或“X,Y,高程”。"));
            r.points.append(point);
        } else if (a == QStringLiteral("--type")) {
            if (!value(r.type) || !kTypes.contains(r.type))
                return fail(QStringLiteral("--type 只能是 xls、et、txt 或 csv。"));
        } else if (a.startsWith(u'-') && a.size() > 1 && !fullNumber(a)) {
            return fail(QStringLiteral("不认识的选项“%1”。").arg(a));
        } else {
            positional.append(a);
        }
    }
    if (positional.isEmpty())
        return fail(QStringLiteral("缺少命令。"));
    r.command = positional.takeFirst();
    r.operands = positional;
    for (const Command& c : kCommands) {
        if (r.command != QLatin1String(c.name))
            continue;
        if (r.operands.size() != c.operands)
            return fail(QStringLiteral("命令 %1 需要 %2 个参数，给了 %3 个。").arg(r.command).arg(c.operands).arg(r.operands.size()));
        const bool stakeOptions = !r.left.isEmpty() || !r.right.isEmpty() || !r.medianLeft.isEmpty()
            || !r.medianRight.isEmpty();
        if (!c.stakes && stakeOptions)
            return fail(QStringLiteral("命令 %1 不带 --left、--right 或 --median。").arg(r.command));
        if (!c.saves && (!r.output.isEmpty() || !r.type.isEmpty()))
            return fail(QStringLiteral("命令 %1 不带 -o 或 --type。").arg(r.command));
        const bool locating = r.command == QStringLiteral("locate");
        if (!locating && (!r.file.isEmpty() || !r.points.isEmpty()))
            return fail(QStringLiteral("--file 和 --point 只用于 locate。"));
        if (locating && r.file.isEmpty() == r.points.isEmpty())
            return fail(QStringLiteral("locate 需要 --file 文件，或一个以上的 --point X,Y[,高程]（二者选一）。"));
        if (!r.type.isEmpty() && r.output.isEmpty())
            return fail(QStringLiteral("--type 要与 -o 一起使用。"));
        if (!r.output.isEmpty() && r.type.isEmpty()) {
            const QString suffix = QFileInfo(r.output).suffix().toLower();
            if (!kTypes.contains(suffix))
                return fail(QStringLiteral("无法从文件名“%1”判断保存类型：请用 --type xls|et|txt|csv。").arg(r.output));
            r.type = suffix;
        }
        return r;
    }
    return fail(QStringLiteral("不认识的命令“%1”。").arg(r.command));
}

CliResult runCommandLine(const CliRequest& request, const QString& executableDir)
{
    CliResult result;
    if (request.command == QStringLiteral("help")) {
        result.out = cliUsage().toUtf8();
        return result;
    }
    const QString appDir = request.appDir.isEmpty() ? executableDir : QDir(request.appDir).absolutePath();
    try {
        if (request.command == QStringLiteral("routes")) {
            RouteCatalogue catalogue(appDir);
            catalogue.read();
            for (const QString& name : catalogue.entries())
                if (!name.isEmpty())
                    result.out += (name + u'\n').toUtf8();
            return result;
        }
        Session& s = freshSession();
        s.tables = loadRoute(appDir, request.operands[0]);
        if (!request.medianLeft.isEmpty() || !request.medianRight.isEmpty()) {
            checkNumber(request.medianLeft, "--median");
            checkNumber(request.medianRight, "--median");
            s.Text13[1] = request.medianLeft;
            s.Text13[3] = request.medianRight;
        }
        if (!request.left.isEmpty())
            checkNumber(request.left, "--left");
        if (!request.right.isEmpty())
            checkNumber(request.right, "--right");
        Workspace w = s.workspace();
        if (request.command == QStringLiteral("locate")) {
            QStringList lines;
            if (!request.file.isEmpty()) {
                lines = readPointFile(request.file);
            } else {
                int k = 0;
                for (const QString& point : request.points)
                    lines.append(QStringLiteral("--point%1,").arg(++k) + point);
            }
            MeasuredPoint screen;
            InverseState state;
            const CoordinateRun run = runCoordinateLines(lines, screen, w, state);
            if (!request.file.isEmpty() || !run.skipped.empty() || run.notRecorded > 0)
                result.err = run.summary(int(run.skipped.size()));
            if (run.read == 0) {
                result.status = 1;
                return result;
            }
            if (request.output.isEmpty()) {
                result.out = textLines(measuredTextExport(s.jieguo));
            } else {
                saveMeasuredResults(appDir, s.jieguo, SaveChoice{request.output, int(kTypes.indexOf(request.type)) + 1});
            }
            return result;
        }
        if (request.command == QStringLiteral("structure")) {
            StructureScreen screen;
            for (int k = 0; k < 6; ++k)
                screen.Text11[std::size_t(6 + k)] = request.operands[1 + k];
            screen.jiegoucomp(w);
            screen.jiegouok(w);
            if (request.output.isEmpty()) {
                result.out = textLines(structureTextExport(s.jieguo));
            } else {
                saveStructureResults(appDir, s.jieguo, SaveChoice{request.output, int(kTypes.indexOf(request.type)) + 1});
            }
            return result;
        }
        if (request.command == QStringLiteral("point")) {
            checkNumber(request.operands[1], "STATION");
            SinglePoint single;
            single.Text1[6] = request.operands[1];
            single.Text1[14] = request.left;
            single.Text1[20] = request.right;
            single.comp1(w);
            single.ok11(w);
        } else {
            checkNumber(request.operands[1], "FROM");
            checkNumber(request.operands[2], "TO");
            checkNumber(request.operands[3], "STEP");
            Batch batch;
            batch.Text4[5] = request.operands[1];
            batch.Text4[6] = request.operands[2];
            batch.Text4[7] = request.operands[3];
            batch.Text4[8] = request.left;
            batch.Text4[9] = request.right;
            batch.comp2(w);
        }
        if (request.output.isEmpty()) {
            result.out = textLines(forwardTextExport(s.jieguo).lines);
        } else {
            saveForwardResults(appDir, s.jieguo, SaveChoice{request.output, int(kTypes.indexOf(request.type)) + 1});
        }
    } catch (const UserError& e) {
        result.status = 1;
        result.out.clear();
        result.err = e.message();
    }
    return result;
}

} // namespace quarvane
