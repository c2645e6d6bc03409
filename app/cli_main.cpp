// quarvane-cli: the computations of the window program from the command
// line, over the same code.
#include "route/route_catalogue.h"
#include "text/user_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

namespace {

const char kUsage[] =
    "用法: quarvane-cli [--app-dir 目录] 命令 ...\n"
    "\n"
    "Quarvane 的命令行，计算与窗口程序相同。\n"
    "\n"
    "选项:\n"
    "  --app-dir 目录   应用目录（含 temp、线路参数），默认为程序所在目录\n"
    "  -h, --help       显示本说明\n"
    "\n"
    "命令:\n"
    "  routes           列出线路目录中的线路，每行一个\n";

void print(FILE* out, const QString& text)
{
    std::fputs(text.toUtf8().constData(), out);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QString appDir = QCoreApplication::applicationDirPath();
    if (args.value(0) == QStringLiteral("--app-dir")) {
        if (args.size() < 2) {
            std::fputs("quarvane-cli: --app-dir 后面需要一个目录。\n", stderr);
            return 2;
        }
        appDir = QDir(args[1]).absolutePath();
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        if (args[0] == QStringLiteral("routes") && args.size() == 1) {
            quarvane::RouteCatalogue catalogue(appDir);
            catalogue.read();
            for (const QString& name : catalogue.entries())
                if (!name.isEmpty())
                    print(stdout, name + u'\n');
            return 0;
        }
    } catch (const quarvane::UserError& e) {
        print(stderr, QStringLiteral("quarvane-cli: ") + e.message() + u'\n');
        return 1;
    }
    print(stderr, QStringLiteral("quarvane-cli: 不认识的命令“%1”。\n\n").arg(args.join(u' ')));
    std::fputs(kUsage, stderr);
    return 2;
}
